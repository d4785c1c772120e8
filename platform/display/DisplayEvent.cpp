#include "platform/display/DisplayEvent.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "platform/location/Location.h"

namespace display {

namespace {

using json = nlohmann::json;

bool number(const json& object, const char* key, double& out) {
    auto it = object.find(key);
    if (it == object.end() || !it->is_number()) return false;
    out = it->get<double>();
    return std::isfinite(out);
}

// A whole number in [low, high].
template <class T>
bool integer(const json& object, const char* key, T low, T high, T& out) {
    double v;
    if (!number(object, key, v) || v != std::floor(v) || v < static_cast<double>(low) ||
        v > static_cast<double>(high))
        return false;
    out = static_cast<T>(v);
    return true;
}

bool string(const json& object, const char* key, std::string& out) {
    auto it = object.find(key);
    if (it == object.end() || !it->is_string()) return false;
    out = it->get<std::string>();
    return true;
}

bool point(const json& object, ui::Point& out) {
    return number(object, "x", out.x) && number(object, "y", out.y);
}

// A selection within a text: counts of UTF-16 units, at most a few million.
bool selection(const json& object, std::size_t& start, std::size_t& length) {
    constexpr std::size_t kMost = 1u << 26;
    return integer<std::size_t>(object, "start", 0, kMost, start) &&
           integer<std::size_t>(object, "length", 0, kMost, length);
}

bool elementId(const json& object, std::uint64_t& out) {
    // Element ids are positive and stay well inside the numbers JSON carries exactly.
    return integer<std::uint64_t>(object, "id", 1, std::uint64_t{1} << 52, out);
}

bool placeRect(const json& object, ui::Rect& out) {
    auto it = object.find("rect");
    if (it == object.end() || !it->is_array() || it->size() != 4) return false;
    double v[4];
    for (int i = 0; i < 4; ++i) {
        if (!(*it)[i].is_number()) return false;
        v[i] = (*it)[i].get<double>();
        if (!std::isfinite(v[i])) return false;
    }
    out = ui::Rect{{v[0], v[1]}, {v[2], v[3]}};
    return true;
}

// A web view's event: what its frame's bridge said, or that the frame never spoke.
bool webEvent(const json& object, DisplayEvent& e) {
    using Nav = fnd::URLRequest::NavigationType;
    std::string event;
    if (!elementId(object, e.element) || !string(object, "event", event)) return false;
    if (event == "failed") {
        e.web = DisplayEvent::WebEvent::Failed;
        string(object, "reason", e.text);
        return string(object, "src", e.url);
    }
    if (!integer<std::uint64_t>(object, "serial", 1, std::uint64_t{1} << 52, e.serial)) return false;
    if (event == "loaded") {
        e.web = DisplayEvent::WebEvent::Loaded;
    } else if (event == "selection") {
        e.web = DisplayEvent::WebEvent::Selection;
        string(object, "text", e.text);
        placeRect(object, e.rect);
    } else if (event == "request") {
        e.web = DisplayEvent::WebEvent::Request;
        static const std::pair<const char*, Nav> kinds[] = {{"link", Nav::LinkClicked},
                                                            {"form", Nav::FormSubmitted},
                                                            {"reload", Nav::Reload},
                                                            {"backForward", Nav::BackForward},
                                                            {"other", Nav::Other}};
        std::string navigation;
        if (!string(object, "url", e.url) || e.url.empty() || !string(object, "navigation", navigation) ||
            !string(object, "method", e.method))
            return false;
        auto kind = std::find_if(std::begin(kinds), std::end(kinds),
                                 [&](const auto& k) { return navigation == k.first; });
        if (kind == std::end(kinds) || (e.method != "GET" && e.method != "POST")) return false;
        e.navigation = kind->second;
        string(object, "body", e.body);
        auto gesture = object.find("gesture");
        e.gesture = gesture != object.end() && gesture->is_boolean() && gesture->get<bool>();
    } else {
        return false;
    }
    return true;
}

// The page's number of the message among those it sent (see DisplayEvent::input); 0 when none.
std::uint64_t inputNumber(const json& object) {
    std::uint64_t input = 0;
    if (!object.is_object() || !integer<std::uint64_t>(object, "input", 1, std::uint64_t{1} << 52, input))
        return 0;
    return input;
}

}  // namespace

std::uint64_t DisplayEvent::inputOf(std::string_view message) {
    return inputNumber(json::parse(message, nullptr, false));
}

std::optional<DisplayEvent> DisplayEvent::parse(std::string_view message) {
    json object = json::parse(message, nullptr, false);
    if (!object.is_object()) return std::nullopt;
    std::string type;
    if (!string(object, "type", type)) return std::nullopt;

    DisplayEvent e;
    e.input = inputNumber(object);
    if (type == "pointer") {
        e.kind = Kind::Pointer;
        std::string phase;
        if (!string(object, "phase", phase)) return std::nullopt;
        if (phase == "down")
            e.phase = Phase::Down;
        else if (phase == "move")
            e.phase = Phase::Move;
        else if (phase == "up")
            e.phase = Phase::Up;
        else if (phase == "cancel")
            e.phase = Phase::Cancel;
        else
            return std::nullopt;
        if (!integer(object, "id", std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                     e.pointer))
            return std::nullopt;
        if (e.phase != Phase::Cancel && !point(object, e.location)) return std::nullopt;
    } else if (type == "wheel") {
        e.kind = Kind::Wheel;
        if (!point(object, e.location) || !number(object, "dx", e.dx) || !number(object, "dy", e.dy))
            return std::nullopt;
    } else if (type == "text") {
        e.kind = Kind::Text;
        if (!elementId(object, e.element) || !string(object, "value", e.text) ||
            !selection(object, e.start, e.length))
            return std::nullopt;
    } else if (type == "select") {
        e.kind = Kind::Select;
        if (!elementId(object, e.element) || !selection(object, e.start, e.length)) return std::nullopt;
        string(object, "text", e.text);
        placeRect(object, e.rect);
    } else if (type == "return") {
        e.kind = Kind::Return;
        if (!elementId(object, e.element)) return std::nullopt;
    } else if (type == "rotate") {
        e.kind = Kind::Rotate;
        std::string direction;
        if (!string(object, "direction", direction)) return std::nullopt;
        if (direction == "left")
            e.turn = -1;
        else if (direction == "right")
            e.turn = 1;
        else
            return std::nullopt;
    } else if (type == "shake") {
        e.kind = Kind::Shake;
    } else if (type == "home") {
        e.kind = Kind::Home;
    } else if (type == "activate") {
        e.kind = Kind::Activate;
    } else if (type == "visibility") {
        e.kind = Kind::Visibility;
        auto it = object.find("visible");
        if (it == object.end() || !it->is_boolean()) return std::nullopt;
        e.visible = it->get<bool>();
    } else if (type == "paste") {
        e.kind = Kind::Paste;
        // A text holds no NUL: such a paste is a binary file's bytes, not text.
        if (!string(object, "text", e.text) || e.text.find('\0') != std::string::npos) return std::nullopt;
    } else if (type == "languages") {
        e.kind = Kind::Languages;
        auto it = object.find("languages");
        if (it == object.end() || !it->is_array() || it->size() > 64) return std::nullopt;
        for (const json& tag : *it) {
            if (!tag.is_string()) return std::nullopt;
            e.languages.push_back(tag.get<std::string>());
        }
    } else if (type == "location") {
        e.kind = Kind::Location;
        std::string state;
        if (!string(object, "state", state)) return std::nullopt;
        if (state == "off") {
            e.locationState = LocationState::Off;
        } else if (state == "unknown") {
            e.locationState = LocationState::Unknown;
        } else if (state == "at") {
            e.locationState = LocationState::At;
            if (!number(object, "latitude", e.latitude) || !number(object, "longitude", e.longitude) ||
                !loc::Location::isOnTheGlobe(e.latitude, e.longitude))
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    } else if (type == "web") {
        e.kind = Kind::Web;
        if (!webEvent(object, e)) return std::nullopt;
    } else {
        return std::nullopt;
    }
    return e;
}

}  // namespace display

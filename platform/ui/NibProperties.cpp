#include "platform/ui/NibProperties.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <nlohmann/json.hpp>

namespace ui {

using Json = nlohmann::ordered_json;  // keys in file order, so problems come in file order

struct NibProperties::Node {
    std::shared_ptr<const Json> document;
    const Json* value;
};

namespace {

const Json& json(const void* p) { return *static_cast<const Json*>(p); }

const char* typeName(const Json& value) {
    switch (value.type()) {
        case Json::value_t::null:
            return "null";
        case Json::value_t::boolean:
            return "a boolean";
        case Json::value_t::string:
            return "a string";
        case Json::value_t::array:
            return "an array";
        case Json::value_t::object:
            return "an object";
        case Json::value_t::number_integer:
        case Json::value_t::number_unsigned:
        case Json::value_t::number_float:
            return "a number";
        default:
            return "an unknown value";
    }
}

// The numbers of an array of exactly `count` (or, with `alternative`, that many) finite numbers.
std::optional<std::vector<double>> numbers(const Json& value, std::size_t count,
                                           std::size_t alternative = 0) {
    if (!value.is_array() || (value.size() != count && value.size() != alternative)) return std::nullopt;
    std::vector<double> out;
    for (const Json& v : value) {
        if (!v.is_number()) return std::nullopt;
        double d = v.get<double>();
        if (!std::isfinite(d)) return std::nullopt;
        out.push_back(d);
    }
    return out;
}

}  // namespace

NibProperties::NibProperties() {
    auto document = std::make_shared<const Json>(Json::object());
    node_ = std::make_shared<const Node>(Node{document, document.get()});
}

NibProperties::NibProperties(std::shared_ptr<const Node> node, std::string location, ProblemSink sink)
    : node_(std::move(node)), location_(std::move(location)), sink_(std::move(sink)) {}

NibProperties::~NibProperties() = default;
NibProperties::NibProperties(const NibProperties&) = default;
NibProperties& NibProperties::operator=(const NibProperties&) = default;

std::optional<NibProperties> NibProperties::parse(std::string_view text, ProblemSink sink) {
    auto document = std::make_shared<Json>(Json::parse(text, nullptr, false));
    if (document->is_discarded()) {
        if (sink) sink("not JSON text");
        return std::nullopt;
    }
    if (!document->is_object()) {
        if (sink) sink("the file is " + std::string(typeName(*document)) + ", not an object");
        return std::nullopt;
    }
    std::shared_ptr<const Json> doc = std::move(document);
    return NibProperties(std::make_shared<const Node>(Node{doc, doc.get()}), "", std::move(sink));
}

bool NibProperties::has(std::string_view key) const { return node_->value->contains(key); }

std::vector<std::string> NibProperties::keys() const {
    std::vector<std::string> out;
    for (const auto& item : node_->value->items()) out.push_back(item.key());
    return out;
}

std::vector<std::string> NibProperties::unreadKeys() const {
    std::vector<std::string> out;
    for (const auto& item : node_->value->items())
        if (std::find(read_.begin(), read_.end(), item.key()) == read_.end()) out.push_back(item.key());
    return out;
}

std::string NibProperties::where(std::string_view key) const {
    std::string at = location_;
    if (!key.empty()) {
        if (!at.empty()) at += '.';
        at += key;
    }
    return at;
}

void NibProperties::problem(std::string_view key, const std::string& text) const {
    if (!sink_) return;
    std::string at = where(key);
    sink_(at.empty() ? text : at + ": " + text);
}

const void* NibProperties::find(std::string_view key) {
    auto it = node_->value->find(key);
    if (it == node_->value->end()) return nullptr;
    if (std::find(read_.begin(), read_.end(), key) == read_.end()) read_.emplace_back(key);
    return &*it;
}

std::optional<bool> NibProperties::boolean(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    if (json(v).is_boolean()) return json(v).get<bool>();
    problem(key, std::string("expected a boolean, found ") + typeName(json(v)));
    return std::nullopt;
}

std::optional<double> NibProperties::number(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    if (json(v).is_number() && std::isfinite(json(v).get<double>())) return json(v).get<double>();
    problem(key, std::string("expected a number, found ") + typeName(json(v)));
    return std::nullopt;
}

std::optional<int> NibProperties::integer(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    if (json(v).is_number()) {
        double d = json(v).get<double>();
        if (d == std::floor(d) && d >= INT_MIN && d <= INT_MAX) return static_cast<int>(d);
    }
    problem(key, std::string("expected a whole number, found ") + typeName(json(v)));
    return std::nullopt;
}

std::optional<std::string> NibProperties::string(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    if (json(v).is_string()) return json(v).get<std::string>();
    problem(key, std::string("expected a string, found ") + typeName(json(v)));
    return std::nullopt;
}

std::optional<std::vector<std::string>> NibProperties::strings(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    const Json& value = json(v);
    bool ok = value.is_array() &&
              std::all_of(value.begin(), value.end(), [](const Json& e) { return e.is_string(); });
    if (!ok) {
        problem(key, "expected an array of strings");
        return std::nullopt;
    }
    return value.get<std::vector<std::string>>();
}

std::optional<Point> NibProperties::point(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    if (auto n = numbers(json(v), 2)) return Point{(*n)[0], (*n)[1]};
    problem(key, "expected [x, y]");
    return std::nullopt;
}

std::optional<Size> NibProperties::size(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    if (auto n = numbers(json(v), 2); n && (*n)[0] >= 0 && (*n)[1] >= 0) return Size{(*n)[0], (*n)[1]};
    problem(key, "expected [width, height], not negative");
    return std::nullopt;
}

std::optional<Rect> NibProperties::rect(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    if (auto n = numbers(json(v), 4); n && (*n)[2] >= 0 && (*n)[3] >= 0)
        return Rect{(*n)[0], (*n)[1], (*n)[2], (*n)[3]};
    problem(key, "expected [x, y, width, height], the size not negative");
    return std::nullopt;
}

std::optional<Color> NibProperties::color(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    auto n = numbers(json(v), 3, 4);
    if (n && std::all_of(n->begin(), n->end(), [](double c) { return c >= 0 && c <= 1; }))
        return Color::rgb((*n)[0], (*n)[1], (*n)[2], n->size() == 4 ? (*n)[3] : 1.0);
    problem(key, "expected [red, green, blue] or [red, green, blue, alpha], each 0 to 1");
    return std::nullopt;
}

std::optional<Font> NibProperties::font(std::string_view key) {
    auto spec = object(key);
    if (!spec) return std::nullopt;
    auto size = spec->number("size");
    if (!size || *size <= 0) {
        problem(key, "a font needs a positive \"size\"");
        return std::nullopt;
    }
    std::string family = spec->string("family").value_or("DejaVu Sans");
    bool bold = spec->boolean("bold").value_or(false);
    bool italic = spec->boolean("italic").value_or(false);
    for (const std::string& unknown : spec->unreadKeys()) spec->problem(unknown, "unknown font key");
    return Font(family, *size, bold ? Font::Weight::Bold : Font::Weight::Regular,
                italic ? Font::Slant::Italic : Font::Slant::Upright);
}

std::optional<std::shared_ptr<const Image>> NibProperties::image(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    const Json& value = json(v);
    if (value.is_null()) return std::shared_ptr<const Image>();
    std::optional<std::string> name;
    double leftCap = 0, topCap = 0;
    bool stretch = false;
    if (value.is_string()) {
        name = value.get<std::string>();
    } else if (value.is_object()) {
        auto spec = object(key);
        name = spec->string("name");
        auto left = spec->number("leftCap");
        auto top = spec->number("topCap");
        stretch = left || top;
        leftCap = left.value_or(0);
        topCap = top.value_or(0);
        for (const std::string& unknown : spec->unreadKeys()) spec->problem(unknown, "unknown image key");
    }
    if (!name) {
        problem(key, "expected an image name or {\"name\": ..., \"leftCap\": ..., \"topCap\": ...}");
        return std::nullopt;
    }
    std::shared_ptr<const Image> image = Image::named(*name);
    if (!image) {
        problem(key, "no image named \"" + *name + "\"");
        return std::nullopt;
    }
    return stretch ? image->stretchable(leftCap, topCap) : image;
}

std::optional<NibProperties> NibProperties::object(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    if (!json(v).is_object()) {
        problem(key, std::string("expected an object, found ") + typeName(json(v)));
        return std::nullopt;
    }
    return NibProperties(std::make_shared<const Node>(Node{node_->document, &json(v)}), where(key), sink_);
}

std::optional<std::vector<NibProperties>> NibProperties::objects(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    const Json& value = json(v);
    if (!value.is_array()) {
        problem(key, std::string("expected an array of objects, found ") + typeName(value));
        return std::nullopt;
    }
    std::vector<NibProperties> out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        std::string at = where(key) + "[" + std::to_string(i) + "]";
        if (!value[i].is_object()) {
            if (sink_) sink_(at + ": expected an object, found " + typeName(value[i]));
            continue;
        }
        out.push_back(
            NibProperties(std::make_shared<const Node>(Node{node_->document, &value[i]}), at, sink_));
    }
    return out;
}

}  // namespace ui

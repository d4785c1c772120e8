#include "platform/ui/NibProperties.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/foundation/Json.h"

namespace ui {

using Json = fnd::JsonValue;

struct NibProperties::Node {
    std::shared_ptr<const Json> document;
    const Json* value;
};

namespace {

const Json& json(const void* p) { return *static_cast<const Json*>(p); }

const char* typeName(const Json& value) {
    switch (value.kind()) {
        case Json::Kind::Null:
            return "null";
        case Json::Kind::Bool:
            return "a boolean";
        case Json::Kind::String:
            return "a string";
        case Json::Kind::Array:
            return "an array";
        case Json::Kind::Map:
            return "an object";
        case Json::Kind::Integer:
        case Json::Kind::Real:
            return "a number";
        default:
            return "an unknown value";
    }
}

bool isFiniteNumber(const Json& value) { return value.isNumber() && std::isfinite(value.asReal()); }

// The numbers of an array of exactly `count` (or, with `alternative`, that many) finite numbers.
std::optional<std::vector<double>> numbers(const Json& value, std::size_t count,
                                           std::size_t alternative = 0) {
    const Json::Array& items = value.asArray();
    if (!value.isArray() || (items.size() != count && items.size() != alternative)) return std::nullopt;
    std::vector<double> out;
    for (const Json& v : items) {
        if (!isFiniteNumber(v)) return std::nullopt;
        out.push_back(v.asReal());
    }
    return out;
}

}  // namespace

NibProperties::NibProperties() {
    auto document = std::make_shared<const Json>(Json::Map{});
    node_ = std::make_shared<const Node>(Node{document, document.get()});
}

NibProperties::NibProperties(std::shared_ptr<const Node> node, std::string location, ProblemSink sink)
    : node_(std::move(node)), location_(std::move(location)), sink_(std::move(sink)) {}

NibProperties::~NibProperties() = default;
NibProperties::NibProperties(const NibProperties&) = default;
NibProperties& NibProperties::operator=(const NibProperties&) = default;

std::optional<NibProperties> NibProperties::parse(std::string_view text, ProblemSink sink) {
    std::optional<Json> parsed = fnd::Json::parse(text);
    if (!parsed) {
        if (sink) sink("not JSON text");
        return std::nullopt;
    }
    if (!parsed->isMap()) {
        if (sink) sink("the file is " + std::string(typeName(*parsed)) + ", not an object");
        return std::nullopt;
    }
    auto doc = std::make_shared<const Json>(std::move(*parsed));
    return NibProperties(std::make_shared<const Node>(Node{doc, doc.get()}), "", std::move(sink));
}

bool NibProperties::has(std::string_view key) const { return node_->value->contains(key); }

std::vector<std::string> NibProperties::keys() const {
    std::vector<std::string> out;
    for (const auto& [key, value] : node_->value->asMap()) out.push_back(key);
    return out;
}

std::vector<std::string> NibProperties::unreadKeys() const {
    std::vector<std::string> out;
    for (const auto& [key, value] : node_->value->asMap())
        if (std::find(read_.begin(), read_.end(), key) == read_.end()) out.push_back(key);
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
    const Json::Map& map = node_->value->asMap();
    auto it = map.find(key);
    if (it == map.end()) return nullptr;
    if (std::find(read_.begin(), read_.end(), key) == read_.end()) read_.emplace_back(key);
    return &it->second;
}

std::optional<bool> NibProperties::boolean(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    if (json(v).isBool()) return json(v).asBool();
    problem(key, std::string("expected a boolean, found ") + typeName(json(v)));
    return std::nullopt;
}

std::optional<double> NibProperties::number(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    if (isFiniteNumber(json(v))) return json(v).asReal();
    problem(key, std::string("expected a number, found ") + typeName(json(v)));
    return std::nullopt;
}

std::optional<int> NibProperties::integer(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    if (isFiniteNumber(json(v))) {
        double d = json(v).asReal();
        if (d == std::floor(d) && d >= INT_MIN && d <= INT_MAX) return static_cast<int>(d);
    }
    problem(key, std::string("expected a whole number, found ") + typeName(json(v)));
    return std::nullopt;
}

std::optional<std::string> NibProperties::string(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    if (json(v).isString()) return json(v).asString();
    problem(key, std::string("expected a string, found ") + typeName(json(v)));
    return std::nullopt;
}

std::optional<std::vector<std::string>> NibProperties::strings(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    const Json::Array& items = json(v).asArray();
    bool ok = json(v).isArray() &&
              std::all_of(items.begin(), items.end(), [](const Json& e) { return e.isString(); });
    if (!ok) {
        problem(key, "expected an array of strings");
        return std::nullopt;
    }
    std::vector<std::string> out;
    for (const Json& e : items) out.push_back(e.asString());
    return out;
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
    auto described = object(key);
    if (!described) return std::nullopt;
    auto size = described->number("size");
    if (!size || *size <= 0) {
        problem(key, "a font needs a positive \"size\"");
        return std::nullopt;
    }
    std::string family = described->string("family").value_or("DejaVu Sans");
    bool bold = described->boolean("bold").value_or(false);
    bool italic = described->boolean("italic").value_or(false);
    for (const std::string& unknown : described->unreadKeys())
        described->problem(unknown, "unknown font key");
    return Font(family, *size, bold ? Font::Weight::Bold : Font::Weight::Regular,
                italic ? Font::Slant::Italic : Font::Slant::Upright);
}

std::optional<std::shared_ptr<const Image>> NibProperties::image(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    const Json& value = json(v);
    if (value.isNull()) return std::shared_ptr<const Image>();
    std::optional<std::string> name;
    double leftCap = 0, topCap = 0;
    bool stretch = false;
    if (value.isString()) {
        name = value.asString();
    } else if (value.isMap()) {
        auto described = object(key);
        name = described->string("name");
        auto left = described->number("leftCap");
        auto top = described->number("topCap");
        stretch = left || top;
        leftCap = left.value_or(0);
        topCap = top.value_or(0);
        for (const std::string& unknown : described->unreadKeys())
            described->problem(unknown, "unknown image key");
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
    if (!json(v).isMap()) {
        problem(key, std::string("expected an object, found ") + typeName(json(v)));
        return std::nullopt;
    }
    return NibProperties(std::make_shared<const Node>(Node{node_->document, &json(v)}), where(key), sink_);
}

std::optional<std::vector<NibProperties>> NibProperties::objects(std::string_view key) {
    const void* v = find(key);
    if (!v) return std::nullopt;
    const Json& value = json(v);
    if (!value.isArray()) {
        problem(key, std::string("expected an array of objects, found ") + typeName(value));
        return std::nullopt;
    }
    const Json::Array& items = value.asArray();
    std::vector<NibProperties> out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::string at = where(key) + "[" + std::to_string(i) + "]";
        if (!items[i].isMap()) {
            if (sink_) sink_(at + ": expected an object, found " + typeName(items[i]));
            continue;
        }
        out.push_back(
            NibProperties(std::make_shared<const Node>(Node{node_->document, &items[i]}), at, sink_));
    }
    return out;
}

}  // namespace ui

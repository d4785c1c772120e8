#include "platform/foundation/Json.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "platform/foundation/Log.h"

namespace fnd {

namespace {

using nlohmann::json;

// Builds the value as the parser reports it, so that no intermediate document is made and the
// nesting is bounded before anything deep is built.
class Builder : public nlohmann::json_sax<json> {
  public:
    JsonValue root;

    bool null() override { return add(JsonValue()); }
    bool boolean(bool value) override { return add(JsonValue(value)); }
    bool number_integer(number_integer_t value) override { return add(JsonValue(value)); }
    bool number_unsigned(number_unsigned_t value) override { return add(JsonValue(value)); }
    bool number_float(number_float_t value, const string_t&) override { return add(JsonValue(value)); }
    bool string(string_t& value) override { return add(JsonValue(std::move(value))); }
    bool binary(binary_t&) override { return false; }
    bool start_object(std::size_t) override { return open(JsonValue(JsonValue::Map())); }
    bool key(string_t& value) override {
        key_ = std::move(value);
        return true;
    }
    bool end_object() override { return close(); }
    bool start_array(std::size_t) override { return open(JsonValue(JsonValue::Array())); }
    bool end_array() override { return close(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

  private:
    JsonValue* place(JsonValue value) {
        if (open_.empty()) {
            root = std::move(value);
            return &root;
        }
        JsonValue* parent = open_.back();
        if (auto* array = parent->mutableArray()) {
            array->push_back(std::move(value));
            return &array->back();
        }
        JsonValue& slot = (*parent->mutableMap())[key_];
        slot = std::move(value);
        return &slot;
    }
    bool add(JsonValue value) {
        place(std::move(value));
        return true;
    }
    // An open container is the last element of its parent until it closes, so the pointer to it
    // stays valid: nothing is added to the parent meanwhile.
    bool open(JsonValue container) {
        if (open_.size() >= static_cast<std::size_t>(Json::kMaxDepth)) return false;
        open_.push_back(place(std::move(container)));
        return true;
    }
    bool close() {
        open_.pop_back();
        return true;
    }

    std::vector<JsonValue*> open_;
    std::string key_;
};

std::optional<json> toJson(const JsonValue& value, const Json::Proxy& proxy, int depth) {
    if (depth > Json::kMaxDepth) {
        Log::warning("JSON writer: value nested deeper than ", Json::kMaxDepth);
        return std::nullopt;
    }
    switch (value.kind()) {
        case JsonValue::Kind::Null:
            return json(nullptr);
        case JsonValue::Kind::Bool:
            return json(value.asBool());
        case JsonValue::Kind::Integer:
            return json(value.asInteger());
        case JsonValue::Kind::Real:
            if (!std::isfinite(value.asReal())) {
                Log::warning("JSON writer: a number that is not finite has no JSON form");
                return std::nullopt;
            }
            return json(value.asReal());
        case JsonValue::Kind::String:
            return json(value.asString());
        case JsonValue::Kind::Array: {
            json out = json::array();
            for (const JsonValue& element : value.asArray()) {
                auto written = toJson(element, proxy, depth + 1);
                if (!written) return std::nullopt;
                out.push_back(std::move(*written));
            }
            return out;
        }
        case JsonValue::Kind::Map: {
            json out = json::object();
            for (const auto& [key, member] : value.asMap()) {
                auto written = toJson(member, proxy, depth + 1);
                if (!written) return std::nullopt;
                out[key] = std::move(*written);
            }
            return out;
        }
        case JsonValue::Kind::Date:
        case JsonValue::Kind::Object: {
            std::optional<JsonValue> stand = proxy ? proxy(value) : std::nullopt;
            if (!stand) {
                Log::warning("JSON writer: no JSON form for the ",
                             value.kind() == JsonValue::Kind::Date ? "date" : "model object");
                return std::nullopt;
            }
            return toJson(*stand, proxy, depth + 1);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<JsonValue> Json::parse(std::string_view text) {
    // The parser takes a NUL byte for the end of the text; JSON has no place for one anywhere.
    if (text.find('\0') != std::string_view::npos) return std::nullopt;
    Builder builder;
    try {
        if (!json::sax_parse(text.begin(), text.end(), &builder, nlohmann::detail::input_format_t::json,
                             true))
            return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return std::move(builder.root);
}

std::optional<std::string> Json::write(const JsonValue& value, const Proxy& proxy) {
    auto document = toJson(value, proxy, 0);
    if (!document) return std::nullopt;
    // Texts that are not valid UTF-8 are written with U+FFFD in place of the bad bytes.
    return document->dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace fnd

#include "platform/foundation/Json.h"

#include <simdjson.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>

#include "platform/foundation/Log.h"
#include "platform/foundation/SortStably.h"

namespace fnd {

namespace {

using nlohmann::json;

// Reading is simdjson's: it checks the whole text (UTF-8, escapes, surrogate pairs, numbers, nesting)
// before anything is built, and the values are then built from its flat record of the text, every
// array and map with one allocation of the right size. What it does not decide as the writer's
// library reads JSON is decided here: a leading byte order mark is skipped, and an integer too large
// for 64 bits is read as a real instead of refused. Of equal keys in a map the later one wins.
//
// Each thread reads with a reader of its own, which keeps its buffers for the next text when they
// are small (the files and replies the program reads most); after a large text they are given back
// rather than kept for the thread's life.
class Reader {
  public:
    Reader() { allocate(); }

    std::optional<JsonValue> read(std::string_view text);

  private:
    static constexpr std::size_t kKeptCapacity = std::size_t(1) << 20;
    static constexpr std::size_t kKeptMembers = 4096;

    // The depth set here stays as the buffers grow; one more container than kMaxDepth is refused.
    // Should this first allocation fail, the parse that needs the memory reports it.
    void allocate() {
        if (parser_.allocate(simdjson::dom::MINIMAL_DOCUMENT_CAPACITY, Json::kMaxDepth)) return;
    }

    void release() {
        if (parser_.capacity() > kKeptCapacity) {
            parser_ = simdjson::dom::parser();
            allocate();
        }
        if (pending_.capacity() > kKeptMembers) pending_ = {};
    }

    // Calls put with what makes the value (a number, a flag, a text, null, an array or a map), so
    // that the value is made in the place where its array or map keeps it.
    template <class Put>
    void build(simdjson::dom::element element, Put&& put) {
        using Type = simdjson::dom::element_type;
        switch (element.type()) {
            case Type::ARRAY:
                put(array(element.get_array().value_unsafe()));
                return;
            case Type::OBJECT:
                put(map(element.get_object().value_unsafe()));
                return;
            case Type::INT64:
                put(element.get_int64().value_unsafe());
                return;
            case Type::UINT64:
                // Beyond the signed integers: JsonValue keeps it as a real.
                put(element.get_uint64().value_unsafe());
                return;
            case Type::DOUBLE:
                put(element.get_double().value_unsafe());
                return;
            case Type::STRING:
                put(element.get_string().value_unsafe());
                return;
            case Type::BOOL:
                put(element.get_bool().value_unsafe());
                return;
            case Type::NULL_VALUE:
                put(nullptr);
                return;
        }
    }

    JsonValue::Array array(simdjson::dom::array items) {
        JsonValue::Array out;
        out.reserve(items.size());
        for (simdjson::dom::element item : items)
            build(item, [&out](auto&& made) { out.emplace_back(std::forward<decltype(made)>(made)); });
        return out;
    }

    struct Pending {
        std::string_view key;
        simdjson::dom::element value;
    };

    static bool before(const Pending& a, const Pending& b) { return JsonValue::Map::keyBefore(a.key, b.key); }

    // A map's members are put in key order before any of their values is made, so that nothing
    // is moved afterwards. They wait at the end of one list shared by every map being built (an
    // inner map's after its outer map's), sorted stably: the later of equal keys comes last.
    JsonValue::Map map(simdjson::dom::object object) {
        const std::size_t first = pending_.size();
        for (simdjson::dom::key_value_pair member : object) pending_.push_back({member.key, member.value});
        const std::size_t last = pending_.size();
        sortStably(pending_.begin() + static_cast<std::ptrdiff_t>(first), pending_.end(), before);
        auto shadowed = [this, last](std::size_t i) {
            return i + 1 < last && !before(pending_[i], pending_[i + 1]);
        };
        std::size_t count = 0;
        for (std::size_t i = first; i < last; ++i) count += !shadowed(i);

        JsonValue::Map::Members members;
        members.reserve(count);
        for (std::size_t i = first; i < last; ++i) {
            if (shadowed(i)) continue;
            Pending member = pending_[i];  // making the value may grow the list
            build(member.value, [&members, &member](auto&& made) {
                members.emplace_back(std::piecewise_construct, std::forward_as_tuple(member.key),
                                     std::forward_as_tuple(std::forward<decltype(made)>(made)));
            });
        }
        pending_.resize(first);
        return JsonValue::Map(std::move(members));
    }

    simdjson::dom::parser parser_;
    std::vector<Pending> pending_;
};

bool digit(char c) { return c >= '0' && c <= '9'; }

// Whether `token` is a JSON integer (no fraction, no exponent) too large for 64 bits.
bool wideInteger(std::string_view token) {
    bool negative = !token.empty() && token[0] == '-';
    std::string_view digits = token.substr(negative ? 1 : 0);
    if (digits.empty() || (digits[0] == '0' && digits.size() > 1) ||
        !std::all_of(digits.begin(), digits.end(), digit))
        return false;
    const char* end = token.data() + token.size();
    std::int64_t whole = 0;
    std::uint64_t positive = 0;
    auto result =
        negative ? std::from_chars(token.data(), end, whole) : std::from_chars(token.data(), end, positive);
    return result.ec == std::errc::result_out_of_range;
}

// simdjson refuses integers too large for 64 bits, which the writer's library reads as reals. This
// is the text again with an exponent of zero after each such integer outside the strings (a real of
// the same value), or nothing when it holds none (the error was then another).
std::optional<std::string> widenedIntegers(std::string_view text) {
    auto numberByte = [](char c) {
        return digit(c) || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
    };
    std::string out;
    std::size_t copied = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (numberByte(c)) {
            std::size_t start = i;
            while (i + 1 < text.size() && numberByte(text[i + 1])) ++i;
            if (!wideInteger(text.substr(start, i + 1 - start))) continue;
            out.append(text, copied, i + 1 - copied);
            out += "e0";
            copied = i + 1;
        }
    }
    if (copied == 0) return std::nullopt;
    out.append(text, copied);
    return out;
}

std::optional<JsonValue> Reader::read(std::string_view text) {
    simdjson::dom::element root;
    simdjson::error_code error = parser_.parse(text.data(), text.size()).get(root);
    std::optional<std::string> widened;
    if (error == simdjson::NUMBER_ERROR && (widened = widenedIntegers(text)))
        error = parser_.parse(widened->data(), widened->size()).get(root);
    std::optional<JsonValue> value;
    if (!error) build(root, [&value](auto&& made) { value.emplace(std::forward<decltype(made)>(made)); });
    release();
    return value;
}

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
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    thread_local Reader reader;
    return reader.read(text);
}

std::optional<std::string> Json::write(const JsonValue& value, const Proxy& proxy) {
    auto document = toJson(value, proxy, 0);
    if (!document) return std::nullopt;
    // Texts that are not valid UTF-8 are written with U+FFFD in place of the bad bytes.
    return document->dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace fnd

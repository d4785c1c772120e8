#include "platform/foundation/Json.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "platform/foundation/Log.h"
#include "platform/foundation/Unicode.h"

namespace fnd {

namespace {

using nlohmann::json;

// A strict reader of standard JSON that builds the values in place: one pass over the text, strings
// taken whole from the text where they hold no escape, no token buffer and no intermediate events.
// It reads by the rules the writer's library reads by (a leading byte order mark is skipped, an
// integer too large for 64 bits is read as a real, a real that overflows is an error, a later member
// of a map under an equal key wins), so that every text reads as it always did.
class Reader {
  public:
    explicit Reader(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

    bool read(JsonValue& root) {
        if (end_ - p_ >= 3 && std::string_view(p_, 3) == "\xEF\xBB\xBF") p_ += 3;
        if (!value(root, 0)) return false;
        skipSpace();
        return p_ == end_;
    }

  private:
    void skipSpace() {
        while (p_ != end_ && (*p_ == ' ' || *p_ == '\n' || *p_ == '\r' || *p_ == '\t')) ++p_;
    }

    bool literal(std::string_view word) {
        if (static_cast<std::size_t>(end_ - p_) < word.size() || std::string_view(p_, word.size()) != word)
            return false;
        p_ += word.size();
        return true;
    }

    // `depth` counts the containers around the value; one more than kMaxDepth is refused before
    // anything of it is built.
    bool value(JsonValue& out, int depth) {
        skipSpace();
        if (p_ == end_) return false;
        switch (*p_) {
            case '{':
                return map(out, depth);
            case '[':
                return array(out, depth);
            case '"': {
                std::string text;
                if (!string(text)) return false;
                out = JsonValue(std::move(text));
                return true;
            }
            case 't':
                out = JsonValue(true);
                return literal("true");
            case 'f':
                out = JsonValue(false);
                return literal("false");
            case 'n':
                out = JsonValue();
                return literal("null");
            default:
                return number(out);
        }
    }

    bool array(JsonValue& out, int depth) {
        if (depth >= Json::kMaxDepth) return false;
        ++p_;
        JsonValue::Array items;
        skipSpace();
        if (p_ != end_ && *p_ == ']') {
            ++p_;
            out = JsonValue(std::move(items));
            return true;
        }
        for (;;) {
            if (!value(items.emplace_back(), depth + 1)) return false;
            skipSpace();
            if (p_ == end_) return false;
            if (*p_ == ']') break;
            if (*p_ != ',') return false;
            ++p_;
        }
        ++p_;
        out = JsonValue(std::move(items));
        return true;
    }

    bool map(JsonValue& out, int depth) {
        if (depth >= Json::kMaxDepth) return false;
        ++p_;
        JsonValue::Map members;
        skipSpace();
        if (p_ != end_ && *p_ == '}') {
            ++p_;
            out = JsonValue(std::move(members));
            return true;
        }
        for (;;) {
            skipSpace();
            if (p_ == end_ || *p_ != '"') return false;
            std::string key;
            if (!string(key)) return false;
            skipSpace();
            if (p_ == end_ || *p_ != ':') return false;
            ++p_;
            JsonValue member;
            if (!value(member, depth + 1)) return false;
            members.insert_or_assign(std::move(key), std::move(member));
            skipSpace();
            if (p_ == end_) return false;
            if (*p_ == '}') break;
            if (*p_ != ',') return false;
            ++p_;
        }
        ++p_;
        out = JsonValue(std::move(members));
        return true;
    }

    // Four hexadecimal digits at p_, or -1.
    int hex4() {
        if (end_ - p_ < 4) return -1;
        int code = 0;
        for (int i = 0; i < 4; ++i) {
            char c = *p_++;
            int digit = c >= '0' && c <= '9'   ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
            if (digit < 0) return -1;
            code = code * 16 + digit;
        }
        return code;
    }

    bool escape(std::string& text) {
        if (p_ == end_) return false;
        char c = *p_++;
        switch (c) {
            case '"':
            case '\\':
            case '/':
                text += c;
                return true;
            case 'b':
                text += '\b';
                return true;
            case 'f':
                text += '\f';
                return true;
            case 'n':
                text += '\n';
                return true;
            case 'r':
                text += '\r';
                return true;
            case 't':
                text += '\t';
                return true;
            case 'u':
                break;
            default:
                return false;
        }
        int code = hex4();
        if (code < 0 || (code >= 0xDC00 && code <= 0xDFFF)) return false;
        if (code >= 0xD800 && code <= 0xDBFF) {
            // A high surrogate is only whole with the low one that follows it.
            if (end_ - p_ < 2 || p_[0] != '\\' || p_[1] != 'u') return false;
            p_ += 2;
            int low = hex4();
            if (low < 0xDC00 || low > 0xDFFF) return false;
            appendUtf8(text, 0x10000 + ((static_cast<char32_t>(code) - 0xD800) << 10) +
                                 (static_cast<char32_t>(low) - 0xDC00));
            return true;
        }
        appendUtf8(text, static_cast<char32_t>(code));
        return true;
    }

    // The string at p_ (its opening quote); runs without escapes are copied whole.
    bool string(std::string& text) {
        ++p_;
        const char* run = p_;
        for (;;) {
            if (p_ == end_) return false;
            auto c = static_cast<unsigned char>(*p_);
            if (c == '"') {
                text.append(run, p_);
                ++p_;
                return true;
            }
            if (c == '\\') {
                text.append(run, p_);
                ++p_;
                if (!escape(text)) return false;
                run = p_;
            } else if (c < 0x20) {
                return false;
            } else if (c < 0x80) {
                ++p_;
            } else {
                std::size_t length =
                    wellFormedUtf8Length(std::string_view(p_, static_cast<std::size_t>(end_ - p_)));
                if (length == 0) return false;
                p_ += length;
            }
        }
    }

    static bool digit(char c) { return c >= '0' && c <= '9'; }

    bool number(JsonValue& out) {
        const char* first = p_;
        if (p_ != end_ && *p_ == '-') ++p_;
        if (p_ == end_ || !digit(*p_)) return false;
        if (*p_ == '0')
            ++p_;
        else
            while (p_ != end_ && digit(*p_)) ++p_;
        bool integral = true;
        if (p_ != end_ && *p_ == '.') {
            integral = false;
            ++p_;
            if (p_ == end_ || !digit(*p_)) return false;
            while (p_ != end_ && digit(*p_)) ++p_;
        }
        if (p_ != end_ && (*p_ == 'e' || *p_ == 'E')) {
            integral = false;
            ++p_;
            if (p_ != end_ && (*p_ == '+' || *p_ == '-')) ++p_;
            if (p_ == end_ || !digit(*p_)) return false;
            while (p_ != end_ && digit(*p_)) ++p_;
        }
        if (integral) {
            if (*first == '-') {
                std::int64_t whole = 0;
                if (std::from_chars(first, p_, whole).ec == std::errc()) {
                    out = JsonValue(whole);
                    return true;
                }
            } else {
                std::uint64_t whole = 0;
                if (std::from_chars(first, p_, whole).ec == std::errc()) {
                    out = JsonValue(whole);
                    return true;
                }
            }
            // Too large for 64 bits: read as a real, as below.
        }
        double real = 0;
        auto [end, ec] = std::from_chars(first, p_, real);
        if (ec == std::errc::result_out_of_range) {
            // Beyond the doubles: an overflow is an error, an underflow reads as the C library
            // rounds it (towards zero).
            std::string copy(first, p_);
            real = std::strtod(copy.c_str(), nullptr);
        } else if (ec != std::errc() || end != p_) {
            return false;
        }
        if (!std::isfinite(real)) return false;
        out = JsonValue(real);
        return true;
    }

    const char* p_;
    const char* end_;
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
    // JSON has no place for a NUL byte anywhere.
    if (text.find('\0') != std::string_view::npos) return std::nullopt;
    JsonValue root;
    if (!Reader(text).read(root)) return std::nullopt;
    return root;
}

std::optional<std::string> Json::write(const JsonValue& value, const Proxy& proxy) {
    auto document = toJson(value, proxy, 0);
    if (!document) return std::nullopt;
    // Texts that are not valid UTF-8 are written with U+FFFD in place of the bad bytes.
    return document->dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace fnd

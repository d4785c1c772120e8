#pragma once
// A JSON value: null, a boolean, a number (integer or real), a text, an array or a map with text
// keys. For writing it may also hold a value JSON has no form for (a date, a model object): the
// writer asks a hook for what to write in its place (see Json).

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "platform/foundation/Date.h"

namespace fnd {

class Object;

class JsonValue {
  public:
    using Array = std::vector<JsonValue>;

    // The members of a map: one flat list of (key, value) pairs kept in key order with each key
    // once, so that a whole map is one allocation and a key is found by halving. It answers as an
    // ordered map of texts would; where a key comes twice, the later value is the one kept.
    // A member's key must not be changed in place (that would break the order lookups rely on).
    class Map {
      public:
        using value_type = std::pair<std::string, JsonValue>;
        using Members = std::vector<value_type>;
        using iterator = Members::iterator;
        using const_iterator = Members::const_iterator;

        Map() = default;
        Map(std::initializer_list<value_type> members) : Map(Members(members)) {}
        // Members in any order, as a text holds them.
        explicit Map(Members members);

        iterator begin() { return members_.begin(); }
        iterator end() { return members_.end(); }
        const_iterator begin() const { return members_.begin(); }
        const_iterator end() const { return members_.end(); }
        std::size_t size() const { return members_.size(); }
        bool empty() const { return members_.empty(); }

        iterator find(std::string_view key);
        const_iterator find(std::string_view key) const;
        bool contains(std::string_view key) const { return find(key) != end(); }
        // The value under `key`, made null first when there is none.
        JsonValue& operator[](std::string_view key);
        std::pair<iterator, bool> insert_or_assign(std::string key, JsonValue value);
        // Adds the member unless the key is there already.
        std::pair<iterator, bool> emplace(std::string key, JsonValue value);
        std::size_t erase(std::string_view key);

        bool operator==(const Map& other) const;

        // The order of the keys: byte by byte, settled by the first byte without a call where
        // the first bytes differ (as most keys of a map do).
        static bool keyBefore(std::string_view a, std::string_view b) {
            if (!a.empty() && !b.empty() && a[0] != b[0])
                return static_cast<unsigned char>(a[0]) < static_cast<unsigned char>(b[0]);
            return a < b;
        }

      private:
        iterator lowerBound(std::string_view key);

        Members members_;
    };

    enum class Kind { Null, Bool, Integer, Real, String, Array, Map, Date, Object };

    JsonValue() = default;
    JsonValue(std::nullptr_t) {}
    JsonValue(bool value) : value_(value) {}
    template <std::integral T>
    requires(!std::same_as<T, bool>) JsonValue(T value) {
        // Unsigned values beyond the signed range are kept as reals.
        if constexpr (std::is_unsigned_v<T>) {
            if (value >
                static_cast<std::make_unsigned_t<std::int64_t>>(std::numeric_limits<std::int64_t>::max())) {
                value_ = static_cast<double>(value);
                return;
            }
        }
        value_ = static_cast<std::int64_t>(value);
    }
    JsonValue(double value) : value_(value) {}
    JsonValue(const char* value) : value_(std::string(value)) {}
    JsonValue(std::string value) : value_(std::move(value)) {}
    JsonValue(std::string_view value) : value_(std::string(value)) {}
    JsonValue(Array value) : value_(std::move(value)) {}
    JsonValue(Map value) : value_(std::move(value)) {}
    JsonValue(fnd::Date value) : value_(value) {}
    JsonValue(std::shared_ptr<fnd::Object> value) : value_(std::move(value)) {}

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool isNull() const { return kind() == Kind::Null; }
    bool isBool() const { return kind() == Kind::Bool; }
    bool isNumber() const { return kind() == Kind::Integer || kind() == Kind::Real; }
    bool isString() const { return kind() == Kind::String; }
    bool isArray() const { return kind() == Kind::Array; }
    bool isMap() const { return kind() == Kind::Map; }

    // Readers answer the fallback (or an empty text, array or map) for a value of another kind.
    // Numbers read as either kind of number; a real read as an integer is truncated.
    bool asBool(bool fallback = false) const;
    std::int64_t asInteger(std::int64_t fallback = 0) const;
    double asReal(double fallback = 0) const;
    const std::string& asString() const;
    const Array& asArray() const;
    const Map& asMap() const;
    std::optional<fnd::Date> asDate() const;
    std::shared_ptr<fnd::Object> asObject() const;

    // The member of a map, or the element of an array; null when there is none.
    const JsonValue& operator[](std::string_view key) const;
    const JsonValue& operator[](std::size_t index) const;
    bool contains(std::string_view key) const;

    // The array or map itself, to change; null for a value of another kind.
    Array* mutableArray() { return std::get_if<Array>(&value_); }
    Map* mutableMap() { return std::get_if<Map>(&value_); }

    bool operator==(const JsonValue& other) const { return value_ == other.value_; }

  private:
    std::variant<std::monostate, bool, std::int64_t, double, std::string, Array, Map, fnd::Date,
                 std::shared_ptr<fnd::Object>>
        value_;
};

}  // namespace fnd

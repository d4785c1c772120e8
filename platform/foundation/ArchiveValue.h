#pragma once
// A value as a keyed archive holds it: nil, a number, a string, a date, bytes, a URL, an array, a
// dictionary with string or number keys, or an archivable object. Arrays, dictionaries and objects are held
// by shared pointer, so a value stored under two keys stays one value, and graphs may hold cycles.

#include <concepts>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <variant>
#include <vector>

#include "platform/foundation/ArchiveKey.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"

namespace fnd {

class ArchiveValue;
using ArchiveArray = std::vector<ArchiveValue>;
using ArchiveDictionary = std::map<ArchiveKey, ArchiveValue, std::less<>>;
using Bytes = std::vector<std::uint8_t>;

class ArchiveValue {
  public:
    enum class Kind {
        Nil,
        Boolean,
        Integer,
        UnsignedInteger,
        Real,
        String,
        Date,
        Data,
        URL,
        Array,
        Dictionary,
        Object
    };

    ArchiveValue() = default;
    ArchiveValue(std::nullptr_t) {}
    ArchiveValue(std::string text) : value_(std::move(text)) {}
    ArchiveValue(const char* text) : value_(std::string(text)) {}
    ArchiveValue(Date date) : value_(date) {}
    ArchiveValue(std::shared_ptr<ArchiveArray> array) : value_(std::move(array)) {
        nilIfEmpty<ArchiveArray>();
    }
    ArchiveValue(std::shared_ptr<ArchiveDictionary> dictionary) : value_(std::move(dictionary)) {
        nilIfEmpty<ArchiveDictionary>();
    }
    template <class T>
    requires std::derived_from<T, Object> ArchiveValue(std::shared_ptr<T> object)
        : value_(std::static_pointer_cast<Object>(std::move(object))) {
        nilIfEmpty<Object>();
    }

    static ArchiveValue boolean(bool value) { return ArchiveValue(Storage(value)); }
    static ArchiveValue integer(std::int64_t value) { return ArchiveValue(Storage(value)); }
    // Numbers above the signed 64-bit range keep their own kind; smaller ones are integers.
    static ArchiveValue unsignedInteger(std::uint64_t value);
    static ArchiveValue real(double value) { return ArchiveValue(Storage(value)); }
    static ArchiveValue data(Bytes bytes) { return ArchiveValue(Storage(std::move(bytes))); }
    static ArchiveValue url(std::string absolute) {
        return ArchiveValue(Storage(URLString{std::move(absolute)}));
    }
    // A new, empty array or dictionary to fill.
    static std::shared_ptr<ArchiveArray> makeArray() { return std::make_shared<ArchiveArray>(); }
    static std::shared_ptr<ArchiveDictionary> makeDictionary() {
        return std::make_shared<ArchiveDictionary>();
    }

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool isNil() const { return kind() == Kind::Nil; }
    bool isNumber() const;
    // The kind's name as archives call it, for messages ("NSString", "NSArray", ...).
    static const char* className(Kind kind);

    // Each accessor answers nothing when the value is of another kind.
    const std::string* string() const { return std::get_if<std::string>(&value_); }
    std::optional<Date> date() const;
    const Bytes* data() const { return std::get_if<Bytes>(&value_); }
    const std::string* url() const;
    std::shared_ptr<ArchiveArray> array() const;
    std::shared_ptr<ArchiveDictionary> dictionary() const;
    template <class T = Object>
    std::shared_ptr<T> object() const& {
        auto p = std::get_if<std::shared_ptr<Object>>(&value_);
        if (!p || !*p) return nullptr;
        if constexpr (std::is_same_v<T, Object>) {
            return *p;
        } else {
            T* cast = castObject<T>(p->get());
            return cast ? std::shared_ptr<T>(*p, cast) : nullptr;
        }
    }
    // The same of a value about to go, which hands its object over instead of sharing it.
    template <class T = Object>
    std::shared_ptr<T> object() && {
        auto p = std::get_if<std::shared_ptr<Object>>(&value_);
        if (!p || !*p) return nullptr;
        if constexpr (std::is_same_v<T, Object>) {
            return std::move(*p);
        } else {
            T* cast = castObject<T>(p->get());
            return cast ? std::shared_ptr<T>(std::move(*p), cast) : nullptr;
        }
    }
    // A number read as another kind of number, the way a number object answers: booleans are 0 or
    // 1, reals are truncated toward zero. Nothing when the value is not a number or does not fit.
    std::optional<std::int64_t> int64Value() const;
    std::optional<std::uint64_t> uint64Value() const;
    std::optional<double> doubleValue() const;
    std::optional<bool> boolValue() const;

    // Values are equal when their kinds and contents are; arrays, dictionaries and objects when they
    // are the same one.
    bool operator==(const ArchiveValue& other) const { return value_ == other.value_; }

    // The address of the array, dictionary or object held, else null: what identity-keyed tables use.
    const void* identity() const;

  private:
    struct URLString {
        std::string absolute;
        bool operator==(const URLString&) const = default;
    };
    using Storage = std::variant<std::monostate, bool, std::int64_t, std::uint64_t, double, std::string, Date,
                                 Bytes, URLString, std::shared_ptr<ArchiveArray>,
                                 std::shared_ptr<ArchiveDictionary>, std::shared_ptr<Object>>;
    explicit ArchiveValue(Storage value) : value_(std::move(value)) {}
    // An object as a T, as dynamic_cast answers. dynamic_cast searches the class tree and compares
    // type names for every object, and a large archive reads a hundred thousand objects of one
    // class through the same base. Its answer depends only on the object's most derived class and
    // on which of that class's parts the pointer points at, so each thread remembers the last
    // such pair per T together with the displacement it answered (or that it answered null).
    template <class T>
    static T* castObject(Object* object) {
        struct Last {
            const std::type_info* type = nullptr;
            std::ptrdiff_t fromStart = 0;  // where the Object part lies in the whole object
            std::ptrdiff_t shift = 0;      // from the Object part to the T part
            bool isT = false;
        };
        thread_local Last last;
        const std::type_info* type = &typeid(*object);
        std::ptrdiff_t fromStart = reinterpret_cast<const char*>(object) -
                                   static_cast<const char*>(dynamic_cast<const void*>(object));
        if (type != last.type || fromStart != last.fromStart) {
            T* cast = dynamic_cast<T*>(object);
            last = Last{type, fromStart,
                        cast ? reinterpret_cast<char*>(cast) - reinterpret_cast<char*>(object) : 0,
                        cast != nullptr};
            return cast;
        }
        return last.isT ? reinterpret_cast<T*>(reinterpret_cast<char*>(object) + last.shift) : nullptr;
    }
    template <class T>
    void nilIfEmpty() {
        if (!*std::get_if<std::shared_ptr<T>>(&value_)) value_ = std::monostate{};
    }

    Storage value_;
};

}  // namespace fnd

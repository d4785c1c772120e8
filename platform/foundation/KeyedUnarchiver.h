#pragma once
// Reads a keyed archive that KeyedArchiver (or another writer of the format) wrote. Keys are read
// from "$top" at the top level and from the object being decoded while its initWithCoder runs;
// several readers may read keys from the same coder. A missing key reads as 0, false or nil; a value
// of another kind or class than asked for, an unknown class or a damaged reference reads as absent
// and is logged. A damaged archive is never a crash: valid() is false and every key is absent.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <vector>

#include "platform/foundation/ArchiveValue.h"

namespace fnd {

class KeyedUnarchiver {
  public:
    explicit KeyedUnarchiver(std::span<const std::uint8_t> archive);
    // The archive in a file, read without holding the whole file in memory: a repository file may
    // hold many megabytes, which would be fresh memory to fill at every start.
    explicit KeyedUnarchiver(const std::filesystem::path& file);
    ~KeyedUnarchiver();
    KeyedUnarchiver(const KeyedUnarchiver&) = delete;
    KeyedUnarchiver& operator=(const KeyedUnarchiver&) = delete;

    // Whether the bytes are a keyed archive; when not, error() says why.
    bool valid() const;
    // Whether the file could be read (always so for bytes in memory).
    bool readable() const;
    const std::string& error() const;

    bool containsValueForKey(std::string_view key) const;
    std::int32_t decodeInt32(std::string_view key);
    std::int64_t decodeInt64(std::string_view key);
    bool decodeBool(std::string_view key);
    float decodeFloat(std::string_view key);
    double decodeDouble(std::string_view key);
    // Whatever the key holds. Arrays, dictionaries and objects are decoded once per archive, so a
    // value stored under two keys reads as one shared value, and cycles close. (A value the archive
    // refers to from one place only is not kept for later: reading that same key again makes an
    // equal value anew.)
    ArchiveValue decodeObject(std::string_view key);
    // An archived object of class T (or a subclass), else null.
    template <class T>
    std::shared_ptr<T> decodeObjectOfClass(std::string_view key) {
        ArchiveValue value = decodeObject(key);
        if (value.isNil()) return nullptr;
        if (std::shared_ptr<T> object = std::move(value).template object<T>()) return object;
        reportMismatch(key, value, "an object of another class");
        return nullptr;
    }
    // Reads the object of class T (exactly T, not a subclass) under `key` without making it, when
    // nothing could ask for that object again: the archive refers to it from this place alone and it
    // is neither made nor being made. `read` runs with the object's keys current, as T's
    // initWithCoder reads them, and with the same messages. False, with nothing read, for anything
    // else (absent, another class, shared), which the caller then reads the usual way.
    template <class T, class Read>
    bool readSoleObjectOfClass(std::string_view key, Read&& read) {
        // Passed on as a plain function and its argument: this runs for every record of a large
        // history.
        return readSoleObject(key, std::type_index(typeid(T)),
                              const_cast<void*>(static_cast<const void*>(std::addressof(read))),
                              [](void* r) { (*static_cast<std::remove_reference_t<Read>*>(r))(); });
    }
    std::optional<std::string> decodeString(std::string_view key);
    std::optional<Date> decodeDate(std::string_view key);
    std::optional<Bytes> decodeData(std::string_view key);
    // A URL as its absolute address.
    std::optional<std::string> decodeURL(std::string_view key);
    std::shared_ptr<ArchiveArray> decodeArray(std::string_view key);
    std::shared_ptr<ArchiveDictionary> decodeDictionary(std::string_view key);
    // A number object (nil when absent or of another kind).
    ArchiveValue decodeNumber(std::string_view key);

    // A value of a dictionary read entry by entry (decodeEntries): read whole, or, when it is an
    // array, as the objects in it without making the array.
    class Entry {
      public:
        ArchiveValue value();
        // The objects of the array this entry holds, in order; items that are no object are left
        // out. Nothing when the entry holds no array.
        std::vector<std::shared_ptr<Object>> objects();

      private:
        friend class KeyedUnarchiver;
        Entry(KeyedUnarchiver& owner, std::uint32_t ref, const ArchiveValue* made)
            : owner_(owner), ref_(ref), made_(made) {}
        KeyedUnarchiver& owner_;
        std::uint32_t ref_;         // where the value lies in the archive, when it is still to be read
        const ArchiveValue* made_;  // the value, when it was read already
    };
    // The entries of the dictionary under `key`, handed to `visit` one by one in their stored order
    // without making the dictionary: for a large one that the caller only takes apart, such as
    // lists of records under thousands of keys. Keys read as in decodeDictionary (an entry whose
    // key is neither a string nor a number is left out and logged); an equal key met again comes
    // again, and the later entry is the one decodeDictionary would keep. False when the key holds
    // no dictionary (logged as decodeDictionary logs it).
    bool decodeEntries(std::string_view key, const std::function<void(const ArchiveKey&, Entry&)>& visit);

    // The value under a root key (for example "kRepository") of an archive; nil, with the reason in
    // `error`, when the archive is damaged.
    static ArchiveValue unarchive(std::span<const std::uint8_t> archive, std::string_view rootKey,
                                  std::string* error = nullptr);

  private:
    bool readSoleObject(std::string_view key, std::type_index type, void* reader, void (*read)(void*));
    void reportMismatch(std::string_view key, const ArchiveValue& found, const char* wanted);
    // The key's value when it is of `kind`; logged and nil when it is of another.
    ArchiveValue decodeKind(std::string_view key, ArchiveValue::Kind kind);

    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace fnd

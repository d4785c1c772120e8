#pragma once
// Writes an object graph as a keyed archive: a binary property list with "$archiver"
// "NSKeyedArchiver", "$version" 100000, the caller's root keys in "$top" and every object once in
// "$objects", referred to by UID. Values encoded at the top level go under "$top"; values encoded
// while an object's encodeWithCoder runs go into that object's own keys.
//
// The archive is written as it is encoded: each entry's bytes are made when the entry ends, and
// what the archiver keeps is the table of entries and the tables that find what was met before.
// Values are not kept alive by the archiver, so an object handed to it alone is let go of as soon as
// it is written.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/BinaryPropertyListStream.h"

namespace fnd {

class KeyedArchiver {
  public:
    using Sink = BinaryPropertyListStream::Sink;

    // Keeps the archive's bytes for finishEncoding to answer.
    KeyedArchiver();
    // Hands the archive's bytes to `sink` in pieces while it is encoded (a large archive is never
    // whole in memory); finishEncoding then answers no bytes.
    explicit KeyedArchiver(Sink sink);
    ~KeyedArchiver();
    KeyedArchiver(const KeyedArchiver&) = delete;
    KeyedArchiver& operator=(const KeyedArchiver&) = delete;

    void encodeInt32(std::string_view key, std::int32_t value);
    void encodeInt64(std::string_view key, std::int64_t value);
    void encodeBool(std::string_view key, bool value);
    void encodeFloat(std::string_view key, float value);
    void encodeDouble(std::string_view key, double value);
    // A string, number, date, data, URL, array, dictionary, archivable object or nil. An array,
    // dictionary or object met again anywhere in the archive is written once and referred to. An
    // ArchiveSequence is written as an array whose members it makes while they are written.
    void encodeObject(std::string_view key, const ArchiveValue& value);
    // An archivable object written as an entry of its own even when it was met before, and not
    // remembered for later: for a value that many owners share in memory but that the archive
    // holds once per owner, as separate objects.
    void encodeObjectCopy(std::string_view key, const std::shared_ptr<Object>& object);
    // The same as encodeObject for a string or a date, without making a value first.
    void encodeString(std::string_view key, std::string_view text);
    void encodeDate(std::string_view key, Date date);
    // A URL given by its absolute address.
    void encodeURL(std::string_view key, std::string_view absolute);

    // Ends the archive and answers its bytes (empty when they went to a sink); nothing when a value
    // could not be archived (an object whose class is not registered) or the sink failed, and then
    // error() says why. A sink may have taken part of the archive before then.
    std::optional<Bytes> finishEncoding();
    const std::string& error() const;

    // The archive of one value under a root key (for example "kRepository").
    static std::optional<Bytes> archive(std::string_view rootKey, const ArchiveValue& root,
                                        std::string* error = nullptr);
    // The same archive handed to `sink` in pieces; false when it could not be made or taken whole.
    static bool archive(std::string_view rootKey, const ArchiveValue& root, Sink sink,
                        std::string* error = nullptr);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace fnd

#pragma once
// Reads the binary property-list format ("bplist00") into a PropertyList.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "platform/foundation/PropertyList.h"

namespace fnd {

class BinaryPropertyListReader {
  public:
    // Parses a whole binary property list. A damaged or hostile input answers nothing and, when
    // `error` is given, says what is wrong. Every offset, count and reference is checked against the
    // input, and the objects together may not claim more bytes than the input holds, so the work and
    // memory stay proportional to the input's size.
    static std::optional<PropertyList> read(std::span<const std::uint8_t> bytes,
                                            std::string* error = nullptr);

    // The same of a file, read in pieces rather than whole into memory: a large list then needs no
    // memory for its file besides what it keeps. (A file whose objects do not lie in the order of
    // their numbers, which no writer known makes, is read whole.)
    struct FileRead {
        bool readable = false;  // whether the file could be opened and read
        std::uint64_t size = 0;
        std::optional<PropertyList> list;  // nothing when the file is unreadable or damaged
        std::string error;                 // why a readable file is no list
    };
    static FileRead readFile(const std::filesystem::path& path);

    // Where the parser takes the bytes from: memory, or a file read in pieces.
    struct Input;

  private:
    static std::optional<PropertyList> read(Input& input, std::string* error);
    struct Parser;
};

}  // namespace fnd

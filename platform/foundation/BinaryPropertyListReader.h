#pragma once
// Reads the binary property-list format ("bplist00") into a PropertyList.

#include <cstdint>
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

  private:
    struct Parser;
};

}  // namespace fnd

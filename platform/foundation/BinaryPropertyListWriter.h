#pragma once
// Writes a PropertyList in the binary property-list format ("bplist00").

#include <cstdint>
#include <vector>

#include "platform/foundation/PropertyList.h"

namespace fnd {

class BinaryPropertyListWriter {
  public:
    // Every object of the table, in its order, with the table's top object as the root. Offsets and
    // references take the fewest bytes (1, 2, 4 or 8) that hold them. Text that is not valid UTF-8
    // is written with U+FFFD in place of each bad byte.
    static std::vector<std::uint8_t> write(const PropertyList& list);
};

}  // namespace fnd

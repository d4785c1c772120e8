#pragma once
// An array for the keyed archiver that is too large to be built whole as values: the archiver writes
// it as an ordinary array ("NSArray"), asking for its members one at a time while it writes them, so
// that a reader sees no difference.
//
// A member made for the occasion (an object, array or dictionary that nothing but the answered value
// holds) is written as a value of its own and let go of at once: the archiver does not remember it,
// since nothing can meet it again once it is gone. A member held elsewhere as well is remembered as
// any other value, so that it is written once wherever else it is met.
//
// Only the keyed archiver reads a sequence; anything else that walks values sees an object.

#include <cstddef>

#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/Object.h"

namespace fnd {

class ArchiveSequence : public Object {
  public:
    virtual std::size_t count() const = 0;
    // The member at `index` (below count()), asked for once, in order, while the array is written.
    virtual ArchiveValue member(std::size_t index) const = 0;
};

}  // namespace fnd

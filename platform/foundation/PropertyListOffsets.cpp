#include "platform/foundation/PropertyListOffsets.h"

#include <algorithm>

namespace fnd {

PropertyListOffsets::PropertyListOffsets(std::uint64_t narrowLimit)
    : narrowLimit_(std::min<std::uint64_t>(narrowLimit, std::numeric_limits<std::uint32_t>::max())) {}

void PropertyListOffsets::push_back(std::uint64_t offset) {
    if (!isWide_ && offset > narrowLimit_) widen();
    if (isWide_)
        wide_.push_back(offset);
    else
        narrow_.push_back(static_cast<std::uint32_t>(offset));
}

void PropertyListOffsets::set(std::size_t index, std::uint64_t offset) {
    if (!isWide_ && offset > narrowLimit_) widen();
    if (isWide_)
        wide_[index] = offset;
    else
        narrow_[index] = static_cast<std::uint32_t>(offset);
}

void PropertyListOffsets::pop_front() {
    if (isWide_)
        wide_.pop_front();
    else
        narrow_.pop_front();
}

void PropertyListOffsets::widen() {
    // The narrow offsets move over front first, so that both tables are never whole together.
    while (!narrow_.empty()) {
        wide_.push_back(narrow_.front());
        narrow_.pop_front();
    }
    narrow_.shrink_to_fit();
    isWide_ = true;
}

}  // namespace fnd

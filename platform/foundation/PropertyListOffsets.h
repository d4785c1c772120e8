#pragma once
// The offsets of a binary property list's objects in the file, in the order they were added. Each
// takes 4 bytes while every offset fits in them (any file under 4 GB) and 8 bytes from the first one
// that does not: a large archive has an offset per object, and half the width is half that table.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>

namespace fnd {

class PropertyListOffsets {
  public:
    // `narrowLimit` is the largest offset kept in 4 bytes; only tests lower it.
    explicit PropertyListOffsets(std::uint64_t narrowLimit = std::numeric_limits<std::uint32_t>::max());

    std::size_t size() const { return isWide_ ? wide_.size() : narrow_.size(); }
    bool empty() const { return size() == 0; }
    bool isWide() const { return isWide_; }

    void push_back(std::uint64_t offset);
    std::uint64_t operator[](std::size_t index) const { return isWide_ ? wide_[index] : narrow_[index]; }
    void set(std::size_t index, std::uint64_t offset);
    std::uint64_t front() const { return (*this)[0]; }
    std::uint64_t back() const { return (*this)[size() - 1]; }
    // Drops the first offset; a table written out front first lets go of its memory as it goes.
    void pop_front();

  private:
    void widen();

    std::uint64_t narrowLimit_;
    bool isWide_ = false;
    std::deque<std::uint32_t> narrow_;
    std::deque<std::uint64_t> wide_;
};

}  // namespace fnd

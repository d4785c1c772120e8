#pragma once
// Memory for large blocks that are filled soon after they are made, such as a file read whole or
// the tables of a parsed archive. Such a block is mapped for itself alone and backed by large
// pages where the system offers them: a fresh block of many megabytes taken from the heap is
// touched page by page, and at start-up those page faults cost more than filling the block.
// Smaller blocks come from the heap as usual.

#include <cstddef>
#include <new>
#include <utility>

namespace fnd {

class LargePages {
  public:
    // The size of one large page, and the smallest block that gets memory of its own.
    static constexpr std::size_t kSize = std::size_t(2) << 20;

    // The length of the mapping for `bytes`: whole large pages, so that the last one is backed
    // like the others.
    static std::size_t lengthFor(std::size_t bytes) { return (bytes + kSize - 1) / kSize * kSize; }
    // A mapping of lengthFor(bytes), zero-filled; null when the system gives none.
    static void* map(std::size_t bytes);
    static void unmap(void* memory, std::size_t bytes);
};

// A standard allocator that takes blocks of LargePages::kSize and more from LargePages, for the
// containers that hold such tables. As such a table is written right after it grows, the elements
// that a resize adds are default-initialised, as `new T` makes them: a type with no constructor of
// its own (a number, a plain struct without member initialisers) is left unset instead of being
// zeroed first.
template <class T>
class LargePageAllocator {
  public:
    using value_type = T;

    LargePageAllocator() = default;
    template <class U>
    LargePageAllocator(const LargePageAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        std::size_t bytes = n * sizeof(T);
        if (bytes < LargePages::kSize) return static_cast<T*>(::operator new(bytes));
        if (void* memory = LargePages::map(bytes)) return static_cast<T*>(memory);
        throw std::bad_alloc();
    }
    void deallocate(T* p, std::size_t n) noexcept {
        std::size_t bytes = n * sizeof(T);
        if (bytes < LargePages::kSize)
            ::operator delete(p);
        else
            LargePages::unmap(p, bytes);
    }

    template <class U>
    void construct(U* p) noexcept(noexcept(::new (static_cast<void*>(p)) U)) {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }

    template <class U>
    bool operator==(const LargePageAllocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace fnd

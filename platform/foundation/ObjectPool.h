#pragma once
// Memory for small objects that are made by the ten thousand at once and let go of one by one over
// a long time, such as the records of a long history read at start. They are laid side by side in
// blocks of 2 MB, each thread filling a block of its own, with no call into the allocator per
// object. (The blocks are not advised onto large pages: where the system must first gather free
// memory into a large page, a start could wait for it far longer than small pages take.) A block
// is given back once every object in it is gone; objects may go on any thread. `make` takes the
// pool only while the thread holds a scope: elsewhere, where objects are made a few at a time and
// may live beside short-lived ones, which would keep whole blocks, they come from the heap.
//
//     fnd::ObjectPool::Scope pooling;  // this thread reads a large history now
//     auto record = fnd::ObjectPool::make<Record>();

#include <cstddef>
#include <memory>
#include <new>

namespace fnd {

class ObjectPool {
  public:
    // The largest object the pool takes; larger ones come from the heap.
    static constexpr std::size_t kLargest = 256;

    // Room for `bytes` (at most kLargest) in the calling thread's block, aligned for any object.
    static void* allocate(std::size_t bytes);
    // Gives back room that allocate answered, on any thread.
    static void deallocate(void* memory) noexcept;

    // While one lives, the thread that made it fills blocks; its last block is let go of (and given
    // back once its objects are gone) when the thread's last scope ends. Scopes nest.
    class Scope {
      public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };
    static bool inScope();

    // A T made in the pool within a scope, else on the heap.
    template <class T>
    static std::shared_ptr<T> make();
};

// A standard allocator that takes single objects of up to ObjectPool::kLargest bytes from the pool
// and everything else from the heap. It has no state: any two compare equal.
template <class T>
class PoolAllocator {
  public:
    using value_type = T;

    PoolAllocator() = default;
    template <class U>
    PoolAllocator(const PoolAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        if (pooled(n)) return static_cast<T*>(ObjectPool::allocate(sizeof(T)));
        return static_cast<T*>(::operator new(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept {
        if (pooled(n))
            ObjectPool::deallocate(p);
        else
            ::operator delete(p);
    }

    template <class U>
    bool operator==(const PoolAllocator<U>&) const noexcept {
        return true;
    }

  private:
    static constexpr bool pooled(std::size_t n) {
        return n == 1 && sizeof(T) <= ObjectPool::kLargest && alignof(T) <= alignof(std::max_align_t);
    }
};

template <class T>
std::shared_ptr<T> ObjectPool::make() {
    if (inScope()) return std::allocate_shared<T>(PoolAllocator<T>());
    return std::make_shared<T>();
}

}  // namespace fnd

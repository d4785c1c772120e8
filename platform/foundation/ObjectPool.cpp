#include "platform/foundation/ObjectPool.h"

#include <sys/mman.h>

#include <atomic>
#include <cstdint>

#include "platform/foundation/LargePages.h"

namespace fnd {

namespace {

// A block is aligned to its size, so that an object finds its block's head from its own address.
constexpr std::size_t kBlock = LargePages::kSize;
constexpr std::size_t kAlign = alignof(std::max_align_t);

// The head of a block: the objects in it that are alive, plus one while a thread fills it.
struct Head {
    std::atomic<std::size_t> holds{1};
};
constexpr std::size_t kHeadRoom = (sizeof(Head) + kAlign - 1) / kAlign * kAlign;

Head* mapBlock() {
    // Twice the size is mapped and trimmed to the aligned block inside it.
    void* raw = ::mmap(nullptr, 2 * kBlock, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    auto start = reinterpret_cast<std::uintptr_t>(raw);
    std::uintptr_t aligned = (start + kBlock - 1) & ~(kBlock - 1);
    if (aligned > start) ::munmap(raw, aligned - start);
    if (std::uintptr_t end = start + 2 * kBlock; end > aligned + kBlock)
        ::munmap(reinterpret_cast<void*>(aligned + kBlock), end - (aligned + kBlock));
    return new (reinterpret_cast<void*>(aligned)) Head;
}

void release(Head* head) noexcept {
    if (head->holds.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
    head->~Head();
    ::munmap(head, kBlock);
}

// What the calling thread fills: its block, how much of it is used, and how many scopes it holds.
struct Filling {
    Head* head = nullptr;
    std::size_t used = 0;
    int scopes = 0;

    void letGo() noexcept {
        if (head) release(head);
        head = nullptr;
    }
    ~Filling() { letGo(); }
};

thread_local Filling filling;

}  // namespace

void* ObjectPool::allocate(std::size_t bytes) {
    bytes = (bytes + kAlign - 1) / kAlign * kAlign;
    Filling& f = filling;
    if (!f.head || f.used + bytes > kBlock) {
        Head* fresh = mapBlock();
        if (!fresh) throw std::bad_alloc();
        f.letGo();
        f.head = fresh;
        f.used = kHeadRoom;
    }
    f.head->holds.fetch_add(1, std::memory_order_relaxed);
    void* memory = reinterpret_cast<char*>(f.head) + f.used;
    f.used += bytes;
    return memory;
}

void ObjectPool::deallocate(void* memory) noexcept {
    release(reinterpret_cast<Head*>(reinterpret_cast<std::uintptr_t>(memory) & ~(kBlock - 1)));
}

ObjectPool::Scope::Scope() { ++filling.scopes; }

ObjectPool::Scope::~Scope() {
    if (--filling.scopes == 0) filling.letGo();
}

bool ObjectPool::inScope() { return filling.scopes > 0; }

}  // namespace fnd

#include "platform/foundation/LargePages.h"

#include <sys/mman.h>

namespace fnd {

void* LargePages::map(std::size_t bytes) {
    std::size_t length = lengthFor(bytes);
    void* memory = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) return nullptr;
    // Only advice: where large pages are off, the memory works all the same.
    ::madvise(memory, length, MADV_HUGEPAGE);
    return memory;
}

void LargePages::unmap(void* memory, std::size_t bytes) {
    if (memory) ::munmap(memory, lengthFor(bytes));
}

}  // namespace fnd

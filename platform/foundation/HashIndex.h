#pragma once
// An open-addressing hash table of 32-bit values under 64-bit keys, for the archive writer's
// uniquing tables, which take millions of look-ups per save. A key may be the thing itself (an
// integer's bits, an address) or a hash of it; for hashes the caller's `same` compares contents,
// so equal hashes of different things never merge.

#include <cstdint>
#include <optional>
#include <vector>

namespace fnd {

class HashIndex {
  public:
    // The value of the first entry under `key` that `same(value)` accepts; when there is none,
    // stores and answers `make()`. `make` must not use this index.
    template <class Same, class Make>
    std::uint32_t findOrInsert(std::uint64_t key, Same same, Make make) {
        if ((size_ + 1) * 4 > slots_.size() * 3) grow();
        std::size_t mask = slots_.size() - 1;
        for (std::size_t i = mix(key) & mask;; i = (i + 1) & mask) {
            Slot& slot = slots_[i];
            if (!slot.used) {
                slot = Slot{key, make(), true};
                ++size_;
                return slot.value;
            }
            if (slot.key == key && same(slot.value)) return slot.value;
        }
    }
    // For keys that are the thing itself.
    template <class Make>
    std::uint32_t findOrInsert(std::uint64_t key, Make make) {
        return findOrInsert(
            key, [](std::uint32_t) { return true; }, make);
    }
    // The value of the first entry under `key` that `same(value)` accepts, without storing any.
    template <class Same>
    std::optional<std::uint32_t> find(std::uint64_t key, Same same) const {
        if (slots_.empty()) return std::nullopt;
        std::size_t mask = slots_.size() - 1;
        for (std::size_t i = mix(key) & mask;; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (!slot.used) return std::nullopt;
            if (slot.key == key && same(slot.value)) return slot.value;
        }
    }
    std::size_t size() const { return size_; }

  private:
    struct Slot {
        std::uint64_t key;
        std::uint32_t value;
        bool used;
    };
    static std::uint64_t mix(std::uint64_t k) {
        k ^= k >> 33;
        k *= 0xff51afd7ed558ccdULL;
        k ^= k >> 33;
        k *= 0xc4ceb9fe1a85ec53ULL;
        return k ^ (k >> 33);
    }
    void grow() {
        std::vector<Slot> old(slots_.empty() ? 16 : slots_.size() * 2, Slot{0, 0, false});
        old.swap(slots_);
        std::size_t mask = slots_.size() - 1;
        for (const Slot& s : old) {
            if (!s.used) continue;
            std::size_t i = mix(s.key) & mask;
            while (slots_[i].used) i = (i + 1) & mask;
            slots_[i] = s;
        }
    }

    std::vector<Slot> slots_;
    std::size_t size_ = 0;
};

}  // namespace fnd

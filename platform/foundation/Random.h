#pragma once
// The process's random source; tests seed it for repeatable runs.

#include <cstdint>

namespace fnd {

class Random {
  public:
    // A uniformly distributed 32-bit number.
    static std::uint32_t next32();
    // A number in [0, bound); 0 when bound is 0.
    static std::uint32_t uniform(std::uint32_t bound);
    static void seed(std::uint64_t seed);
};

}  // namespace fnd

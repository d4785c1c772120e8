#include "platform/foundation/Random.h"

#include <mutex>
#include <random>

namespace fnd {

namespace {
std::mutex randomMutex;
std::mt19937_64& engine() {
    static std::mt19937_64 e{std::random_device{}()};
    return e;
}
}  // namespace

std::uint32_t Random::next32() {
    std::lock_guard lock(randomMutex);
    return static_cast<std::uint32_t>(engine()() >> 32);
}

std::uint32_t Random::uniform(std::uint32_t bound) {
    if (bound == 0) return 0;
    std::lock_guard lock(randomMutex);
    return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(engine());
}

void Random::seed(std::uint64_t seed) {
    std::lock_guard lock(randomMutex);
    engine().seed(seed);
}

}  // namespace fnd

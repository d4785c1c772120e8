#include "Classes/game/MGameRandom.h"

#include "platform/foundation/Random.h"

MGameRandom::MGameRandom() : source_([] { return fnd::Random::next32(); }) {}

MGameRandom::MGameRandom(Source source) : source_(std::move(source)) {}

std::shared_ptr<MGameRandom> MGameRandom::system() {
    static const std::shared_ptr<MGameRandom> shared = std::make_shared<MGameRandom>();
    return shared;
}

int MGameRandom::intBetween(int min, int max) {
    std::uint32_t draw = next32();
    if (max < min) return min;
    // The width as an unsigned 32-bit number: the whole int range would be 2^32, which wraps to 0.
    auto width = static_cast<std::uint32_t>(static_cast<std::int64_t>(max) - min + 1);
    if (width == 0) return static_cast<int>(static_cast<std::int64_t>(min) + draw);
    return static_cast<int>(static_cast<std::int64_t>(min) + draw % width);
}

float MGameRandom::unitFloat() { return static_cast<float>(next32()) * 0x1p-32f; }

#pragma once
// The maths game's one source of chance. Every draw of the game (question numbers, answer options,
// variants, the choice of generator) takes uniform 32-bit values from here and turns them into
// numbers with fixed arithmetic, so a test that supplies the values knows every question exactly.

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/foundation/Object.h"

class MGameRandom : public fnd::Object {
  public:
    using Source = std::function<std::uint32_t()>;

    // The process's random numbers.
    MGameRandom();
    // The given values instead (tests).
    explicit MGameRandom(Source source);

    // One instance over the process's random numbers, shared by everything not given another.
    static std::shared_ptr<MGameRandom> system();

    std::uint32_t next32() { return source_(); }
    // min + (draw mod (max - min + 1)), both ends included. A range given upside down yields min.
    int intBetween(int min, int max);
    // The draw as a float times 2^-32: a value in [0, 1], 1 itself for the topmost 128 draws.
    float unitFloat();

  private:
    Source source_;
};

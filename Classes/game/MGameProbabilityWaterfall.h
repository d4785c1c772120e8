#pragma once
// Chooses one of several variants of a question, the harder ones more often as the complexity
// rises. Each added step holds a probability that falls with the complexity; one random number
// falls through the steps in order and the first step whose probability is above it names the
// variant. With n steps the variants are 1 to n + 1.

#include <memory>
#include <vector>

#include "platform/foundation/Object.h"

class MGamePWInterval;
class MGameRandom;

class MGameProbabilityWaterfall : public fnd::Object {
  public:
    using Intervals = std::vector<std::shared_ptr<MGamePWInterval>>;

    // An empty waterfall that draws from the given source (the process's when none is given).
    explicit MGameProbabilityWaterfall(std::shared_ptr<MGameRandom> random = nullptr);

    const Intervals& intervals() const { return intervals_; }
    void addIntervalX(float x, float y);

    // The variant (from 1) for complexity c and the random number r.
    int numberForComplexity(float c, float r) const;
    // The same with one fresh random number in [0, 1].
    int numberForComplexity(float c);

  private:
    std::shared_ptr<MGameRandom> random_;
    Intervals intervals_;
};

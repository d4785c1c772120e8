#include "Classes/game/MGameProbabilityWaterfall.h"

#include "Classes/game/MGamePWInterval.h"
#include "Classes/game/MGameRandom.h"

MGameProbabilityWaterfall::MGameProbabilityWaterfall(std::shared_ptr<MGameRandom> random)
    : random_(random ? std::move(random) : MGameRandom::system()) {}

void MGameProbabilityWaterfall::addIntervalX(float x, float y) {
    intervals_.push_back(std::make_shared<MGamePWInterval>(x, y));
}

int MGameProbabilityWaterfall::numberForComplexity(float c, float r) const {
    int variant = 1;
    for (const auto& interval : intervals_) {
        if (interval->probabilityForComplexity(c) > r) return variant;
        ++variant;
    }
    return variant;
}

int MGameProbabilityWaterfall::numberForComplexity(float c) {
    return numberForComplexity(c, random_->unitFloat());
}

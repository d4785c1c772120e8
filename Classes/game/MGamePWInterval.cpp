#include "Classes/game/MGamePWInterval.h"

float MGamePWInterval::probabilityForComplexity(float c) const {
    if (x_ == y_) return 0;
    return (y_ - c) / (y_ - x_);
}

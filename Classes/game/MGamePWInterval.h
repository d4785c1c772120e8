#pragma once
// One step of a probability waterfall: a probability that falls linearly with the complexity, 1 at
// x and 0 at y, and keeps going beyond them (it is not clamped).

#include "platform/foundation/Object.h"

class MGamePWInterval : public fnd::Object {
  public:
    MGamePWInterval(float x, float y) : x_(x), y_(y) {}

    float x() const { return x_; }
    float y() const { return y_; }
    // (y - c) / (y - x) in single precision; 0 for a step whose ends coincide.
    float probabilityForComplexity(float c) const;

  private:
    float x_;
    float y_;
};

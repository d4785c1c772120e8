#pragma once
// The counters of one tip: how often it was shown and how many of its activation and deactivation
// events were counted. Archived with the repository, by tip.

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

class MTipHistory : public fnd::Object, public fnd::Coding {
  public:
    int impressionsCount = 0;
    int activationCount = 0;
    int deactivationCount = 0;

    static void registerClass();

    // A missing or damaged counter reads as 0.
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
};

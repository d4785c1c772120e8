#pragma once
// Where a question generator may be used: the kind of test (1, the maths game, is the only one),
// the band of target test scores it serves, and its subjects, among them the topic's name.

#include <string>
#include <vector>

#include "platform/foundation/Object.h"

class MGameTestLabel : public fnd::Object {
  public:
    using Tags = std::vector<std::string>;

    MGameTestLabel(int testType, int levelMin, int levelMax, Tags tags)
        : testType_(testType), levelMin_(levelMin), levelMax_(levelMax), tags_(std::move(tags)) {}

    int testType() const { return testType_; }
    void setTestType(int type) { testType_ = type; }
    // The lowest target score (complexity 0) and the highest (complexity 1).
    int level_min() const { return levelMin_; }
    void setLevel_min(int level) { levelMin_ = level; }
    int level_max() const { return levelMax_; }
    void setLevel_max(int level) { levelMax_ = level; }
    const Tags& tags() const { return tags_; }
    void setTags(Tags tags) { tags_ = std::move(tags); }

  private:
    int testType_;
    int levelMin_;
    int levelMax_;
    Tags tags_;
};

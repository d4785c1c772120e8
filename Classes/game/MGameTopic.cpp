#include "Classes/game/MGameTopic.h"

#include "Classes/game/MGameLevel.h"

std::shared_ptr<MGameTopic> MGameTopic::makeWithLadder(std::string name, int firstStart, int spacing,
                                                       int count) {
    auto topic = std::make_shared<MGameTopic>();
    topic->name_ = std::move(name);
    for (int i = 0; i < count; ++i) {
        int start = firstStart + i * spacing;
        int questions = (i + 1) % 5 == 0 ? 24 : 12;
        topic->levels_.push_back(std::make_shared<MGameLevel>(start, start + 100, questions));
    }
    if (!topic->levels_.empty()) topic->levels_.front()->setIsLocked(false);
    return topic;
}

std::shared_ptr<MGameTopic> MGameTopic::makeAsPropertiesOfNumbers() {
    return makeWithLadder("Properties of Integers", 420, 20, 15);
}

std::shared_ptr<MGameTopic> MGameTopic::makeAsPercent() { return makeWithLadder("Percents", 430, 30, 10); }

std::shared_ptr<MGameTopic> MGameTopic::makeAsProbabilityAndCounting() {
    return makeWithLadder("Probability and Counting", 420, 20, 15);
}

int MGameTopic::score() const {
    float sumHigh = 0;
    float sumMax = 0;
    for (const auto& level : levels_) {
        sumHigh += static_cast<float>(level->highScore());
        sumMax += static_cast<float>(level->maxScore());
    }
    if (sumMax == 0) return 0;
    return static_cast<int>(static_cast<double>(sumHigh) * 10000 / static_cast<double>(sumMax));
}

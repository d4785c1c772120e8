#pragma once
// A maths-game topic: its name (which also finds its question generators) and its ladder of
// levels, easiest first, with the topic score over all of them.

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"

class MGameLevel;

class MGameTopic : public fnd::Object {
  public:
    using Levels = std::vector<std::shared_ptr<MGameLevel>>;

    // No name, no levels, start score 0.
    MGameTopic() = default;

    // The three topics with their built-in ladders; only the first level of each is open.
    static std::shared_ptr<MGameTopic> makeAsPropertiesOfNumbers();
    static std::shared_ptr<MGameTopic> makeAsPercent();
    static std::shared_ptr<MGameTopic> makeAsProbabilityAndCounting();

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }
    const Levels& levels() const { return levels_; }
    Levels& levels() { return levels_; }
    void setLevels(Levels levels) { levels_ = std::move(levels); }

    // The high scores as hundredths of a percent of all the topic's levels can give (0 to 10000).
    int score() const;
    // The score when progress was last restored or the topic list last left.
    int startScore() const { return startScore_; }
    void setStartScore() { startScore_ = score(); }

  private:
    // A ladder of `count` levels, 100 wide, the first starting at `firstStart`, each `spacing` after
    // the last; every fifth level plays 24 questions, the others 12.
    static std::shared_ptr<MGameTopic> makeWithLadder(std::string name, int firstStart, int spacing,
                                                      int count);

    std::string name_;
    Levels levels_;
    int startScore_ = 0;
};

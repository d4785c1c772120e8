#pragma once
// Every question generator of the game, one instance each, in a fixed order; the generators of a
// topic are found by the topic's name among their tags. A level plays its questions at target
// scores spread evenly over its band, each from a generator whose band holds the target.

#include <memory>
#include <string_view>
#include <vector>

#include "platform/foundation/Object.h"

class MGameMetaQuestion;
class MGameQuestion;
class MGameRandom;

class MGameMetaQuestionCollection : public fnd::Object {
  public:
    using Generators = std::vector<std::shared_ptr<MGameMetaQuestion>>;

    // Every generator, drawing from the given source (the process's when none is given).
    explicit MGameMetaQuestionCollection(std::shared_ptr<MGameRandom> random = nullptr);

    const Generators& metaQuestions() const { return metaQuestions_; }
    void setMetaQuestions(Generators generators) { metaQuestions_ = std::move(generators); }

    // The generators, in order, whose label of the game's test type carries the tag (exactly).
    Generators metaQuestionCollectionWithTag(std::string_view tag) const;

    // The target score of question k (from 1) of n on a level from `start` to `end`: the first
    // aims at the start, the last at the end.
    static int targetLevel(int start, int end, int n, int k);
    // The generators of the list whose band holds the target level, in list order.
    static Generators candidatesForLevel(const Generators& generators, int level);
    // A question at the target level from one of the candidates, chosen at random; null when no
    // generator of the list serves the level.
    std::shared_ptr<MGameQuestion> generateQuestion(const Generators& generators, int level);

  private:
    std::shared_ptr<MGameRandom> random_;
    Generators metaQuestions_;
};

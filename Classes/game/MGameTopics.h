#pragma once
// The maths game's three topics and the player's progress in them. The level tables come from the
// program at every start; only the high scores and which levels are open survive, in the history
// dictionary that the repository archives under "gameTopicsHistoryDict".

#include <memory>
#include <vector>

#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/Object.h"

namespace fnd {
class KeyedArchiver;
class KeyedUnarchiver;
}  // namespace fnd

class MGameTopic;

class MGameTopics : public fnd::Object {
  public:
    using Topics = std::vector<std::shared_ptr<MGameTopic>>;

    static constexpr const char* kHistoryKey = "gameTopicsHistoryDict";

    // "Properties of Integers", "Percents" and "Probability and Counting", as built.
    MGameTopics();

    // Appends the three topics, freshly built, to the list.
    void populate();

    const Topics& topics() const { return topics_; }
    void setTopics(Topics topics) { topics_ = std::move(topics); }

    // Adds an entry for every open level: key "<topic name>_<start>_<end>", value its high score as
    // decimal text.
    void fillHistoryDictionary(fnd::ArchiveDictionary& history) const;
    // Opens every level that has an entry and gives it the stored high score (the text's leading
    // integer, 0 when it has none; a number is taken as it is); then each topic's start score is its
    // score. Entries for levels that no longer exist, and values of other kinds, are passed over.
    void restoreHistory(const fnd::ArchiveDictionary& history);

    // What the repository calls: writes the history dictionary under "gameTopicsHistoryDict", and
    // reads it back when the archive has it (an archive without it leaves the topics as built).
    void encodeHistory(fnd::KeyedArchiver& coder) const;
    void restoreHistory(fnd::KeyedUnarchiver& coder);

  private:
    Topics topics_;
};

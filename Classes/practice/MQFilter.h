#pragma once
// The practice filter: lists of question-type, answer-history and tag criteria the user switches on,
// and the work set built from the active sets by them.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

class MQFilterItem;
class MQSet;
class MQSetQuestion;

class MQFilter : public fnd::Object, public fnd::Coding {
  public:
    using Items = std::vector<std::shared_ptr<MQFilterItem>>;
    using Sets = std::vector<std::shared_ptr<MQSet>>;

    // The history criteria by position.
    enum HistoryCriterion {
        kUnanswered = 0,
        kAnsweredWrong,
        kLongerThan90s,
        kLongerThan120s,
        kHistoryCriteria
    };

    MQFilter() = default;
    // A filter with the type and history items, the fixed maths tags and every tag of the sets'
    // questions; all inactive.
    static std::shared_ptr<MQFilter> makeWithTagsFromSets(const Sets& sets);

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // Appends an inactive item unless an item of that name is there.
    static void addItem(Items& items, const std::string& name, std::optional<std::string> description);
    void addHistoryTag(const std::string& name, const std::string& description);
    void addTag(const std::string& name);

    // Fills the target with the questions of the active sets that pass every criterion list that has
    // an active item; the cursor goes to 0 when anything passed.
    void fillQSet(MQSet& target, const Sets& sets) const;
    // The same, then the cursor on the given question when it is there.
    void fillQSet(MQSet& target, const Sets& sets, const MQSetQuestion* cursorQuestion) const;
    // Whether the question meets the history criterion of that position; false past the last one.
    static bool historyHolds(int criterion, const MQSetQuestion& question);
    // Whether one question passes the active criteria.
    bool passes(const MQSetQuestion& question) const;

    const Items& qTypeArray() const { return qTypeArray_; }
    Items& qTypeArray() { return qTypeArray_; }
    void setQTypeArray(Items items) { qTypeArray_ = std::move(items); }
    const Items& historyArray() const { return historyArray_; }
    Items& historyArray() { return historyArray_; }
    void setHistoryArray(Items items) { historyArray_ = std::move(items); }
    const Items& tagArray() const { return tagArray_; }
    Items& tagArray() { return tagArray_; }
    void setTagArray(Items items) { tagArray_ = std::move(items); }

  private:
    Items qTypeArray_;
    Items historyArray_;
    Items tagArray_;
};

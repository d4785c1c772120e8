#include "Classes/practice/MQFilter.h"

#include <algorithm>

#include "Classes/practice/MQFilterItem.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetAnswer.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/MQuestionType.h"
#include "Classes/practice/PracticeCoding.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

namespace {
const char* const kMathsTags[] = {
    "Algebra", "Arithmetic",        "Combinations",  "Geometry",    "Fractions", "Min/Max", "Mixtures",
    "Modules", "Number Properties", "Powers",        "Probability", "Rate",      "Roots",   "Sequences",
    "Sets",    "Statistics",        "Word Problems", "Work"};

bool anyActive(const MQFilter::Items& items) {
    return std::any_of(items.begin(), items.end(), [](const auto& item) { return item->isActive(); });
}

bool isWrong(const MQSetQuestion& q, const MQSetHRecord& record) {
    const auto& answer = record.answer();
    return !answer || !answer->isTheSameAs(q.rightAnswer().get());
}

}  // namespace

bool MQFilter::historyHolds(int criterion, const MQSetQuestion& q) {
    const auto& history = q.history();
    switch (criterion) {
        case MQFilter::kUnanswered:
            return history.empty();
        case MQFilter::kAnsweredWrong: {
            std::size_t checked = 0;
            for (auto it = history.rbegin(); it != history.rend() && checked < 3; ++it, ++checked)
                if (isWrong(q, **it)) return true;
            return false;
        }
        case MQFilter::kLongerThan90s:
            return !history.empty() && history.back()->time() > 90.0;
        case MQFilter::kLongerThan120s:
            return !history.empty() && history.back()->time() > 120.0;
        default:
            return false;
    }
}

std::shared_ptr<MQFilter> MQFilter::makeWithTagsFromSets(const Sets& sets) {
    auto filter = std::make_shared<MQFilter>();
    MQuestionType::fillTypesArray(filter->qTypeArray_);
    filter->addHistoryTag("Unanswered", "Unanswered questions including new added questions.");
    filter->addHistoryTag("Answered wrong",
                          "Questions answered wrong at least one time out of three attempts.");
    filter->addHistoryTag("Answered for more than 1:30",
                          "Questions answered for more than 1 minute and 30 seconds.");
    filter->addHistoryTag("Answered for more than 2:00", "Questions answered for more than 2 minutes.");
    for (const char* tag : kMathsTags) filter->addTag(tag);
    for (const auto& set : sets)
        if (set)
            for (const auto& q : set->questions())
                for (const auto& tag : q->tags()) filter->addTag(tag);
    return filter;
}

void MQFilter::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeObject("kqTypeArray", PracticeCoding::objectArray(qTypeArray_));
    coder.encodeObject("khistoryArray", PracticeCoding::objectArray(historyArray_));
    coder.encodeObject("ktagArray", PracticeCoding::objectArray(tagArray_));
}

void MQFilter::initWithCoder(fnd::KeyedUnarchiver& coder) {
    qTypeArray_ = PracticeCoding::objects<MQFilterItem>(coder.decodeObject("kqTypeArray"));
    historyArray_ = PracticeCoding::objects<MQFilterItem>(coder.decodeObject("khistoryArray"));
    tagArray_ = PracticeCoding::objects<MQFilterItem>(coder.decodeObject("ktagArray"));
}

void MQFilter::addItem(Items& items, const std::string& name, std::optional<std::string> description) {
    for (const auto& item : items)
        if (item->itemName() == name) return;
    items.push_back(std::make_shared<MQFilterItem>(name, std::move(description), false));
}

void MQFilter::addHistoryTag(const std::string& name, const std::string& description) {
    addItem(historyArray_, name, description);
}

void MQFilter::addTag(const std::string& name) { addItem(tagArray_, name, std::nullopt); }

bool MQFilter::passes(const MQSetQuestion& q) const {
    if (anyActive(qTypeArray_)) {
        bool ok = std::any_of(qTypeArray_.begin(), qTypeArray_.end(), [&](const auto& item) {
            return item->isActive() && MQSet::nameMatchesType(item->itemName(), q.questionType());
        });
        if (!ok) return false;
    }
    if (anyActive(historyArray_)) {
        bool ok = false;
        for (std::size_t i = 0; i < historyArray_.size() && i < kHistoryCriteria && !ok; ++i)
            ok = historyArray_[i]->isActive() && historyHolds(static_cast<int>(i), q);
        if (!ok) return false;
    }
    if (anyActive(tagArray_)) {
        const auto& tags = q.tags();
        bool ok = std::any_of(tagArray_.begin(), tagArray_.end(), [&](const auto& item) {
            return item->isActive() && std::find(tags.begin(), tags.end(), item->itemName()) != tags.end();
        });
        if (!ok) return false;
    }
    return true;
}

void MQFilter::fillQSet(MQSet& target, const Sets& sets) const {
    auto& result = target.questions();
    result.clear();
    for (const auto& set : sets) {
        if (!set || !set->isActive()) continue;
        for (const auto& q : set->questions())
            if (passes(*q)) result.push_back(q);
    }
    if (!result.empty()) target.setCursor(0);
}

void MQFilter::fillQSet(MQSet& target, const Sets& sets, const MQSetQuestion* cursorQuestion) const {
    fillQSet(target, sets);
    const auto& result = target.questions();
    for (std::size_t i = 0; i < result.size(); ++i)
        if (result[i].get() == cursorQuestion) target.setCursor(static_cast<std::int32_t>(i));
}

#include "Classes/practice/MQSet.h"

#include <array>
#include <string_view>
#include <unordered_map>

#include "Classes/practice/MQSetAnswer.h"
#include "Classes/practice/MQSetBlock.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/MSessions.h"
#include "Classes/practice/PracticeCoding.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

std::shared_ptr<MQSet> MQSet::make(std::int32_t setUID, std::string setName, std::string description,
                                   std::string imageName, bool isActive) {
    auto set = std::make_shared<MQSet>();
    set->setUID_ = setUID;
    set->setName_ = std::move(setName);
    set->description_ = std::move(description);
    set->imageName_ = std::move(imageName);
    set->isActive_ = isActive;
    set->cursor_ = -1;
    return set;
}

void MQSet::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeInt32("ksetUID", setUID_);
    coder.encodeString("ksetName", setName_);
    coder.encodeString("kdescription", description_);
    coder.encodeString("kimageName", imageName_);
    coder.encodeObject("kquestions", PracticeCoding::objectArray(questions_));
    coder.encodeBool("kisActive", isActive_);
    coder.encodeInt32("kcursor", cursor_);
    coder.encodeObject("blocks", PracticeCoding::objectArray(blocks_));
}

void MQSet::initWithCoder(fnd::KeyedUnarchiver& coder) {
    // The identity first: the questions read it back through "set" to build their keys.
    setUID_ = coder.decodeInt32("ksetUID");
    setName_ = coder.decodeString("ksetName").value_or("");
    description_ = coder.decodeString("kdescription").value_or("");
    imageName_ = coder.decodeString("kimageName").value_or("");
    isActive_ = coder.decodeBool("kisActive");
    cursor_ = coder.containsValueForKey("kcursor") ? coder.decodeInt32("kcursor") : -1;
    questions_ = PracticeCoding::objects<MQSetQuestion>(coder.decodeObject("kquestions"));
    blocks_ = PracticeCoding::objects<MQSetBlock>(coder.decodeObject("blocks"));
    // A question decoded before its set knew the set's identifier gets its key now.
    for (auto& q : questions_)
        if (q->set().get() == this) q->setupKey();
}

std::optional<std::string> MQSet::nameForType(std::int32_t type) {
    static const std::array<const char*, 11> names = {"PS", "DS", "SC", "CR", "RC", "RCFirst",
                                                      "TC", "SE", "QC", "NE", "MC"};
    if (type < 1 || type > 11) return std::nullopt;
    return std::string(names[static_cast<std::size_t>(type - 1)]);
}

bool MQSet::nameMatchesType(const std::string& name, std::int32_t type) {
    auto typeName = nameForType(type);
    return typeName && *typeName == name;
}

std::int32_t MQSet::indexOfQuestion(const MQSetQuestion* question) const {
    for (std::size_t i = 0; i < questions_.size(); ++i)
        if (questions_[i].get() == question) return static_cast<std::int32_t>(i);
    return kNotFound;
}

void MQSet::addQuestion(const std::shared_ptr<MQSetQuestion>& question) {
    if (question && indexOfQuestion(question.get()) == kNotFound) questions_.push_back(question);
}

void MQSet::removeQuestion(const MQSetQuestion* question) {
    auto index = indexOfQuestion(question);
    if (index != kNotFound) questions_.erase(questions_.begin() + index);
    auto count = static_cast<std::int32_t>(questions_.size());
    if (cursor_ >= count) cursor_ = count - 1;
}

std::shared_ptr<MQSetQuestion> MQSet::cursorQuestion() const {
    if (cursor_ < 0 || static_cast<std::size_t>(cursor_) >= questions_.size()) return nullptr;
    return questions_[static_cast<std::size_t>(cursor_)];
}

bool MQSet::isQuestionAlreadyExist(const MQSetQuestion& question) const {
    for (const auto& q : questions_) {
        if (q->body() == question.body()) return true;
        if (question.threadURL() && q->threadURL() == question.threadURL()) return true;
    }
    return false;
}

bool MQSet::isQuestionWithURLAlreadyExist(const std::string& url) const {
    for (const auto& q : questions_)
        if (q->threadURL() && *q->threadURL() == url) return true;
    return false;
}

std::optional<std::string> MQSet::urlStringOfLastQuestionByType(std::int32_t type) const {
    const MQSetQuestion* last = nullptr;
    for (const auto& q : questions_) {
        if (q->questionType() != type || !q->threadURL() || q->number() < 0) continue;
        if (!last || q->number() >= last->number()) last = q.get();
    }
    return last ? last->threadURL() : std::nullopt;
}

int MQSet::numberOfUnansweredQuestionsOfType(std::int32_t type) const {
    int count = 0;
    for (const auto& q : questions_)
        if (q->questionType() == type && !q->hasHistory()) ++count;
    return count;
}

namespace {
bool lastAnswerIsRight(const MQSetQuestion& q) {
    const auto& answer = q.history().back()->answer();
    return answer && answer->isTheSameAs(q.rightAnswer().get());
}
}  // namespace

int MQSet::numberOfRightAnswers() const {
    int count = 0;
    for (const auto& q : questions_)
        if (q->hasHistory() && lastAnswerIsRight(*q)) ++count;
    return count;
}

int MQSet::numberOfWrongAnswers() const {
    int count = 0;
    for (const auto& q : questions_)
        if (q->hasHistory() && !lastAnswerIsRight(*q)) ++count;
    return count;
}

void MQSet::restoreHistory(const std::vector<std::shared_ptr<MQSet>>& sets, HistoryDictionary& histories) {
    // The records are moved, not copied, into the last question of their key; a question before it
    // under the same key takes a copy.
    std::unordered_map<std::string_view, std::size_t> questionsOfKey;
    for (const auto& set : sets)
        for (const auto& q : set->questions_)
            if (histories.contains(q->key())) ++questionsOfKey[q->key()];
    for (const auto& set : sets)
        for (const auto& q : set->questions_) {
            auto found = histories.find(q->key());
            if (found == histories.end()) continue;
            if (--questionsOfKey[q->key()] == 0)
                q->restoreHistory(std::move(found->second));
            else
                q->restoreHistory(found->second);
        }
}

void MQSet::restoreSessions(MSessions& sessions) {
    for (auto& q : questions_) sessions.restoreSessionRecordsFromQuestion(q);
}

#include "Classes/practice/MQSetQuestion.h"

#include <algorithm>
#include <cctype>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetBlock.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "Classes/practice/MSession.h"
#include "Classes/practice/MSessions.h"
#include "Classes/practice/PracticeCoding.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

namespace {
MQSetQuestion::SessionsSource& sessionsSource() {
    static MQSetQuestion::SessionsSource source;
    return source;
}
}  // namespace

void MQSetQuestion::setSessionsSource(SessionsSource source) { sessionsSource() = std::move(source); }

MQSetQuestion::Strings MQSetQuestion::filterTags(const Strings& tags) {
    Strings kept;
    for (const auto& tag : tags) {
        std::string lower = tag;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (lower.find("source") == std::string::npos) kept.push_back(tag);
    }
    return kept;
}

void MQSetQuestion::initWith(const std::shared_ptr<MQSet>& set, std::int32_t number,
                             std::int32_t questionType, std::int32_t rightAnswer,
                             std::shared_ptr<MQSetBlock> block, std::int32_t highlight, Strings tags,
                             std::string body, Strings answerOptions, std::string explanation,
                             std::optional<std::string> threadURL) {
    set_ = set;
    number_ = number;
    questionType_ = questionType;
    rightAnswer_ = std::make_shared<MQSetSimpleAnswer>(rightAnswer);
    tags_ = std::move(tags);
    body_ = std::move(body);
    answerOptions_ = std::move(answerOptions);
    explanation_ = std::move(explanation);
    threadURL_ = std::move(threadURL);
    block_ = std::move(block);
    highlight_ = highlight;
    setupKey();
}

void MQSetQuestion::setSet(const std::shared_ptr<MQSet>& set) {
    set_ = set;
    setupKey();
}

void MQSetQuestion::setupKey() {
    auto owner = set_.lock();
    std::string base = std::to_string(owner ? owner->setUID() : 0) + "_" + std::to_string(number_) + "_" +
                       std::to_string(questionType_);
    if (threadURL_) {
        auto groups = ostrand::Regex::firstMatchGroups(*threadURL_, "t=(\\d+)");
        if (groups.size() > 1) {
            key_ = base + "_" + groups[1];
            return;
        }
    }
    key_ = std::move(base);
}

void MQSetQuestion::addHistoryRecord(const std::shared_ptr<MQSetHRecord>& record) {
    if (!record) return;
    history_.push_back(record);
    // The practice repository's sessions, through the central repository unless told otherwise.
    auto& source = sessionsSource();
    std::shared_ptr<MSessions> sessions;
    if (source)
        sessions = source();
    else if (auto rep = AbstractAppDelegate::sharedRep())
        sessions = rep->sessions();
    if (sessions)
        if (auto session = sessions->currentSession())
            session->addQuestion(sharedAs<MQSetQuestion>(), record);
}

std::optional<std::string> MQSetQuestion::stringWithType() const { return MQSet::nameForType(questionType_); }

std::string MQSetQuestion::describeItself() const { return {}; }

std::shared_ptr<MQSetAnswer> MQSetQuestion::answerFromString(const std::string&) const {
    throw fnd::UnrecognizedSelector("answerFromString:");
}

void MQSetQuestion::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    if (auto owner = set_.lock()) coder.encodeObject("set", owner);
    coder.encodeInt32("kNumber", number_);
    coder.encodeInt32("kQuestionType", questionType_);
    coder.encodeObject("kRightAnswerObj", rightAnswer_);
    coder.encodeString("kbody", body_);
    coder.encodeString("kexplanation", explanation_);
    if (threadURL_) coder.encodeString("kthreadURL", *threadURL_);
    coder.encodeObject("ktags", PracticeCoding::stringArray(tags_));
    coder.encodeObject("kanswerOptions", PracticeCoding::stringArray(answerOptions_));
    if (!history_.empty()) coder.encodeObject("kHistory", PracticeCoding::objectArray(history_));
    if (block_) coder.encodeObject("block", block_);
    coder.encodeInt32("highlight", highlight_);
}

void MQSetQuestion::initWithCoder(fnd::KeyedUnarchiver& coder) {
    if (coder.containsValueForKey("set")) set_ = coder.decodeObjectOfClass<MQSet>("set");
    number_ = coder.decodeInt32("kNumber");
    questionType_ = coder.decodeInt32("kQuestionType");
    if (coder.containsValueForKey("kRightAnswerObj"))
        rightAnswer_ = coder.decodeObjectOfClass<MQSetAnswer>("kRightAnswerObj");
    if (!rightAnswer_) rightAnswer_ = std::make_shared<MQSetSimpleAnswer>(coder.decodeInt32("kRightAnswer"));
    body_ = coder.decodeString("kbody").value_or("");
    explanation_ = coder.decodeString("kexplanation").value_or("");
    threadURL_ = coder.decodeString("kthreadURL");
    tags_ = filterTags(PracticeCoding::strings(coder.decodeObject("ktags")));
    answerOptions_ = PracticeCoding::strings(coder.decodeObject("kanswerOptions"));
    restoreHistory(PracticeCoding::objects<MQSetHRecord>(coder.decodeObject("kHistory")));
    block_ = coder.decodeObjectOfClass<MQSetBlock>("block");
    highlight_ = coder.decodeInt32("highlight");
    setupKey();
}

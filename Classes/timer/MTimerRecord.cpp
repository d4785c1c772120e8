#include "Classes/timer/MTimerRecord.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

namespace {

[[maybe_unused]] const bool registered = [] {
    fnd::ClassRegistry::shared().registerClass<MTimerRecord>("MTimerRecord");
    return true;
}();

constexpr int kQuantitativeQuestions = 37;
constexpr int kVerbalQuestions = 41;
constexpr int kFixedSectionTime = 4500;
constexpr int kMostCustomQuestions = 99;

std::shared_ptr<MTimerRecord> makeFixed(int setType, int questions) {
    auto record = std::make_shared<MTimerRecord>();
    record->setSetType(setType);
    record->setTotalNumber(questions);
    record->setTotalTime(kFixedSectionTime);
    record->setStartNumber(1);
    return record;
}

// Seconds as whole seconds toward zero, never negative and never beyond an int.
int wholeSeconds(double seconds) {
    if (!(seconds > 0)) return 0;
    return static_cast<int>(std::min(std::trunc(seconds), double(std::numeric_limits<int>::max())));
}

}  // namespace

std::shared_ptr<MTimerRecord> MTimerRecord::makeQuantitativeType() {
    return makeFixed(kQuantitative, kQuantitativeQuestions);
}

std::shared_ptr<MTimerRecord> MTimerRecord::makeVerbalType() { return makeFixed(kVerbal, kVerbalQuestions); }

std::shared_ptr<MTimerRecord> MTimerRecord::makeCustomType(int number, double seconds, int startNumber) {
    auto record = std::make_shared<MTimerRecord>();
    record->setType_ = kCustom;
    if (number == kOpenEnded || seconds == kOpenEnded) {
        record->totalNumber_ = kOpenEnded;
        record->totalTime_ = kOpenEnded;
    } else {
        record->totalNumber_ = std::clamp(number, 1, kMostCustomQuestions);
        record->totalTime_ = wholeSeconds(seconds);
    }
    record->startNumber_ = startNumber;
    return record;
}

std::shared_ptr<MTimerRecord> MTimerRecord::makeWithType(int setType, int number, double seconds,
                                                         int startNumber) {
    switch (setType) {
        case kQuantitative:
            return makeQuantitativeType();
        case kVerbal:
            return makeVerbalType();
        case kCustom:
            return makeCustomType(number, seconds, startNumber);
        default:
            return nullptr;
    }
}

void MTimerRecord::changeStatus(int status) {
    if (status_ == kFinished || status < kReady || status > kFinished) return;
    fnd::Date now = fnd::Date::now();
    switch (status) {
        case kRunning:
            if (status_ == kReady) {
                dateStamps_.push_back(now);
            } else if (status_ == kPaused && pauseDate_) {
                // Every stamp moves later by the length of the pause, so no figure counts it.
                for (fnd::Date& stamp : dateStamps_)
                    stamp = now.addingTimeInterval(stamp.timeIntervalSince(*pauseDate_));
            }
            break;
        case kReady:
            // A started section cannot become ready again: a second start would add a second start
            // stamp before the answers.
            if (!dateStamps_.empty()) return;
            break;
        case kPaused:
            // A section that never started has nothing to pause; pausing it would let it resume
            // without a start stamp.
            if (dateStamps_.empty()) return;
            pauseDate_ = now;
            break;
        default:
            break;
    }
    status_ = status;
}

void MTimerRecord::addAnswer(const std::string& letter, bool isGuess) {
    // An answer needs the start stamp before its own, or every time after it would be misplaced.
    if (dateStamps_.empty()) return;
    userAnswers_.push_back(letter);
    dateStamps_.push_back(fnd::Date::now());
    guesses_.push_back(isGuess);
    grades_.push_back(kNotGraded);
    if (numberOfAnswers() == totalNumber_) changeStatus(kFinished);
}

void MTimerRecord::checkEndOfTest() {
    if (status_ != kRunning || isOpenEnded() || dateStamps_.empty()) return;
    if (fnd::Date::now().timeIntervalSince(dateStamps_.front()) > totalTime_) changeStatus(kFinished);
}

double MTimerRecord::elapsedTime() const {
    if (dateStamps_.empty()) return 0;
    const fnd::Date first = dateStamps_.front();
    switch (status_) {
        case kFinished:
            return dateStamps_.back().timeIntervalSince(first);
        case kPaused:
            return pauseDate_.value_or(fnd::Date::now()).timeIntervalSince(first);
        case kRunning:
            return fnd::Date::now().timeIntervalSince(first);
        default:
            return 0;
    }
}

double MTimerRecord::leftOrPassedTime() const {
    if (isOpenEnded()) return elapsedTime();
    switch (status_) {
        case kReady:
            return totalTime_;
        case kRunning:
        case kPaused:
            return totalTime_ - elapsedTime();
        default:
            return elapsedTime();
    }
}

double MTimerRecord::currentQuestionTime() const {
    if (dateStamps_.empty()) return -1.0;
    const fnd::Date last = dateStamps_.back();
    switch (status_) {
        case kPaused:
            return pauseDate_.value_or(fnd::Date::now()).timeIntervalSince(last);
        case kRunning:
            return fnd::Date::now().timeIntervalSince(last);
        default:
            return -1.0;
    }
}

double MTimerRecord::averageQuestionTime() const {
    if (dateStamps_.size() < 2) return 0;
    return dateStamps_.back().timeIntervalSince(dateStamps_.front()) / double(dateStamps_.size() - 1);
}

double MTimerRecord::reserveTime() const {
    // Without questions there is no pace to measure against (an old archive may hold 0).
    if (status_ == kReady || dateStamps_.size() < 2 || isOpenEnded() || totalNumber_ <= 0) return 0;
    const std::int64_t allowed = std::int64_t(totalTime_) * numberOfAnswers() / totalNumber_;
    return double(allowed) - dateStamps_.back().timeIntervalSince(dateStamps_.front());
}

int MTimerRecord::expecedQuestion() const {
    if (status_ == kReady || isOpenEnded() || totalNumber_ <= 0 || dateStamps_.empty()) return 0;
    const int allotment = totalTime_ / totalNumber_;
    if (allotment <= 0) return 0;
    const double question =
        std::trunc(fnd::Date::now().timeIntervalSince(dateStamps_.front()) / allotment) + 1;
    // Past the last question there is none to expect; nor before the first (a clock set back).
    if (!(question >= 1 && question <= totalNumber_)) return 0;
    return static_cast<int>(question);
}

double MTimerRecord::questionTimeAtIndex(int index) const {
    if (index < 0 || std::size_t(index) + 1 >= dateStamps_.size()) return 0;
    return dateStamps_[index + 1].timeIntervalSince(dateStamps_[index]);
}

std::optional<std::string> MTimerRecord::stringForSetType() const {
    switch (setType_) {
        case kQuantitative:
            return "Quantitative";
        case kVerbal:
            return "Verbal";
        case kCustom:
            return "Custom";
        default:
            return std::nullopt;
    }
}

void MTimerRecord::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeInt32("ksetType", setType_);
    coder.encodeInt32("kstatus", status_);
    coder.encodeInt32("ktotalNumber", totalNumber_);
    coder.encodeInt32("ktotalTime", totalTime_);
    coder.encodeInt32("kstartNumber", startNumber_);
    coder.encodeString("kcustomName", customName_);
    auto stamps = fnd::ArchiveValue::makeArray();
    for (fnd::Date stamp : dateStamps_) stamps->emplace_back(stamp);
    coder.encodeObject("kdateStamps", stamps);
    auto answers = fnd::ArchiveValue::makeArray();
    for (const std::string& answer : userAnswers_) answers->emplace_back(answer);
    coder.encodeObject("kuserAnswers", answers);
    auto guesses = fnd::ArchiveValue::makeArray();
    for (bool guess : guesses_) guesses->push_back(fnd::ArchiveValue::boolean(guess));
    coder.encodeObject("kguesses", guesses);
    auto grades = fnd::ArchiveValue::makeArray();
    for (int grade : grades_) grades->push_back(fnd::ArchiveValue::integer(grade));
    coder.encodeObject("kgrades", grades);
    coder.encodeObject("kpauseDate", pauseDate_ ? fnd::ArchiveValue(*pauseDate_) : fnd::ArchiveValue());
}

void MTimerRecord::initWithCoder(fnd::KeyedUnarchiver& coder) {
    setType_ = coder.decodeInt32("ksetType");
    status_ = coder.decodeInt32("kstatus");
    totalNumber_ = coder.decodeInt32("ktotalNumber");
    totalTime_ = coder.decodeInt32("ktotalTime");
    startNumber_ = coder.decodeInt32("kstartNumber");
    customName_ = coder.decodeString("kcustomName").value_or("");
    dateStamps_.clear();
    if (auto stamps = coder.decodeArray("kdateStamps"))
        for (const auto& item : *stamps)
            if (auto date = item.date()) dateStamps_.push_back(*date);
    userAnswers_.clear();
    if (auto answers = coder.decodeArray("kuserAnswers"))
        for (const auto& item : *answers)
            if (const std::string* letter = item.string()) userAnswers_.push_back(*letter);
    guesses_.clear();
    if (auto guesses = coder.decodeArray("kguesses"))
        for (const auto& item : *guesses) guesses_.push_back(item.boolValue().value_or(false));
    grades_.clear();
    if (auto grades = coder.decodeArray("kgrades"))
        for (const auto& item : *grades) grades_.push_back(int(item.int64Value().value_or(kNotGraded)));
    // Archives from before guesses and grades existed hold answers only: those read as sure and
    // not graded. One flag and one grade per answer, whatever the archive held.
    const std::size_t answers = userAnswers_.size();
    guesses_.resize(answers, false);
    grades_.resize(answers, kNotGraded);
    pauseDate_ = coder.decodeDate("kpauseDate");
}

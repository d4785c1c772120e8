// The central repository's archive and its fresh values.

#include <climits>

#include "Classes/core/MRepository.h"
#include "Classes/core/MTips.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/flashcards/MFlashcards.h"
#include "Classes/forum_news/MBookmarks.h"
#include "Classes/forum_news/MFeeds.h"
#include "Classes/game/MGameQuestion.h"
#include "Classes/game/MGameTopics.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/timer/MTimer.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

namespace {

// The scan's old default time, read as the present one.
constexpr int kOldAutoscanStopTime = 300;
constexpr int kAutoscanStopTime = 1200;

// A number under the key, or the fallback when it is missing or no number (or out of range).
int intOr(fnd::KeyedUnarchiver& coder, const char* key, int fallback) {
    std::optional<std::int64_t> n = coder.decodeNumber(key).int64Value();
    return n && *n >= INT_MIN && *n <= INT_MAX ? static_cast<int>(*n) : fallback;
}

bool boolOr(fnd::KeyedUnarchiver& coder, const char* key, bool fallback) {
    return coder.decodeNumber(key).boolValue().value_or(fallback);
}

}  // namespace

void MRepository::registerClass() { fnd::ClassRegistry::shared().registerClass<MRepository>("MRepository"); }

std::shared_ptr<MRepository> MRepository::makeWithData() {
    auto rep = std::make_shared<MRepository>();
    rep->initWithData();
    return rep;
}

void MRepository::initWithData() {
    setPracticeRep(MPracticeRepository::makeWithData());
    setTrackerRep(MOGTrackerRepository::initWithData());
    timer_ = MTimer::make();
    forumBookmarks_ = std::make_shared<MBookmarks>();
    feedSetCreator();
    flashcardsSet_ = std::make_shared<MFlashcards>();
    gameTopicsSet_ = std::make_shared<MGameTopics>();
    gameReviewQuestions_.clear();
    tipSet_ = std::make_shared<MTips>();
    fSetsShake_ = fSetsVibrateOnShake_ = fSetsVibrateOnWrongAnswer_ = true;
    fSetsAutoscanStopOnLowBattery_ = stopTrackerInBackground_ = true;
    setsAutoscanStopTime_ = kAutoscanStopTime;
    baseFontSize_ = 13;
    booksShowTime_ = 86400;
    dictLanguage_ = "en";
    doNotShowTips_ = false;
    setsShakeMode_ = sessionsShakeMode_ = currentStatisticsType_ = feedbackOpenCounter_ = 0;
    testDate_.reset();
    toolButtonsOrder_.reset();
    forumLogin_.reset();
    forumPassword_.reset();
    initEBooks();
    fileFormatVersion_ = -1;
}

void MRepository::initWithCoder(fnd::KeyedUnarchiver& coder) {
    if (auto order = coder.decodeArray("toolButtonsOrder")) {
        std::vector<int> positions;
        bool numbers = true;
        for (const fnd::ArchiveValue& value : *order) {
            std::optional<std::int64_t> n = value.int64Value();
            if (!n || *n < INT_MIN || *n > INT_MAX) {
                numbers = false;
                break;
            }
            positions.push_back(static_cast<int>(*n));
        }
        if (numbers) toolButtonsOrder_ = std::move(positions);
    }
    fileFormatVersion_ = intOr(coder, "kFileFormatVersion", 0);

    restoreFeedsWithCoder(coder);
    timer_ = coder.decodeObjectOfClass<MTimer>("timer");
    if (!timer_) timer_ = MTimer::make();

    loadTipsWithCoder(coder);

    flashcardsSet_ = std::make_shared<MFlashcards>();
    flashcardsSet_->restoreFromCoder(coder);

    gameTopicsSet_ = std::make_shared<MGameTopics>();
    gameTopicsSet_->restoreHistory(coder);
    gameReviewQuestions_ = MGameQuestion::decodeReviewQuestions(coder);

    loadAutoscanOptionsWithCoder(coder);

    if (fileFormatVersion_ < kFileFormatVersion) {
        auto practice = std::make_shared<MPracticeRepository>();
        practice->loadWithCoder(coder);
        setPracticeRep(practice);
        auto tracker = std::make_shared<MOGTrackerRepository>();
        tracker->loadWithCoder(coder);
        setTrackerRep(tracker);
    }

    booksShowTime_ = coder.decodeInt32("booksShowTime");
    stopTrackerInBackground_ = coder.containsValueForKey("stopTrackerInBackground")
                                   ? coder.decodeBool("stopTrackerInBackground")
                                   : true;

    loadOptionsWithCoder(coder);

    loadEBooksWithCoder(coder);
}

void MRepository::restoreFeedsWithCoder(fnd::KeyedUnarchiver& coder) {
    // A list that is missing or cannot be read is an empty one: the default feeds are merged into it.
    feedSet_ = coder.decodeObjectOfClass<MFeeds>("kFeedSet");
    if (!feedSet_) feedSet_ = std::make_shared<MFeeds>();
    updateFeeds();
    feedSet_->sortFeeds();
}

void MRepository::loadTipsWithCoder(fnd::KeyedUnarchiver& coder) {
    doNotShowTips_ = boolOr(coder, "doNotShowTips", false);
    tipSet_ = std::make_shared<MTips>();
    if (auto history = coder.decodeDictionary("kTipsHistory")) tipSet_->restoreTipsHistory(*history);
}

void MRepository::loadAutoscanOptionsWithCoder(fnd::KeyedUnarchiver& coder) {
    int stopTime = coder.decodeInt32("ksetsAutoscanStopTime");
    setsAutoscanStopTime_ =
        coder.containsValueForKey("ksetsAutoscanStopTime") && stopTime != kOldAutoscanStopTime
            ? stopTime
            : kAutoscanStopTime;
    fSetsAutoscanStopOnLowBattery_ = coder.containsValueForKey("kfSetsAutoscanStopOnLowBattery")
                                         ? coder.decodeBool("kfSetsAutoscanStopOnLowBattery")
                                         : true;
}

void MRepository::loadOptionsWithCoder(fnd::KeyedUnarchiver& coder) {
    fSetsShake_ = boolOr(coder, "kfSetsShake", false);
    fSetsVibrateOnShake_ = boolOr(coder, "kfSetsVibrateOnShake", false);
    fSetsVibrateOnWrongAnswer_ = boolOr(coder, "kfSetsVibrateOnWrongAnswer", false);
    setsShakeMode_ = intOr(coder, "ksetsShakeMode", 0);
    testDate_ = coder.decodeDate("testDate");
    sessionsShakeMode_ = intOr(coder, "ksessionsShakeMode", 1);
    baseFontSize_ = intOr(coder, "baseFontSize", 13);
    currentStatisticsType_ = intOr(coder, "currentStatisticsType", 0);
    feedbackOpenCounter_ = intOr(coder, "kfeedbackOpenCounter", 0);
    dictLanguage_ = coder.decodeString("dictLanguage").value_or("en");
    forumLogin_ = coder.decodeString("forumLogin");
    forumPassword_ = coder.decodeString("forumPassword");
    forumBookmarks_ = coder.decodeObjectOfClass<MBookmarks>("forumBookmarks");
    if (!forumBookmarks_) forumBookmarks_ = std::make_shared<MBookmarks>();
}

void MRepository::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    // Encoding is the one place where the version changes: what is written is the present layout.
    fileFormatVersion_ = kFileFormatVersion;

    if (toolButtonsOrder_) {
        auto order = fnd::ArchiveValue::makeArray();
        for (int position : *toolButtonsOrder_) order->push_back(fnd::ArchiveValue::integer(position));
        coder.encodeObject("toolButtonsOrder", order);
    }
    coder.encodeInt32("kFileFormatVersion", kFileFormatVersion);
    if (feedSet_) coder.encodeObject("kFeedSet", feedSet_);
    if (testDate_) coder.encodeDate("testDate", *testDate_);
    if (flashcardsSet_) flashcardsSet_->encodeWithCoder(coder);
    if (timer_) coder.encodeObject("timer", timer_);
    if (gameTopicsSet_) gameTopicsSet_->encodeHistory(coder);
    MGameQuestion::encodeReviewQuestions(coder, gameReviewQuestions_);
    coder.encodeBool("kfSetsShake", fSetsShake_);
    coder.encodeBool("kfSetsVibrateOnShake", fSetsVibrateOnShake_);
    coder.encodeBool("kfSetsVibrateOnWrongAnswer", fSetsVibrateOnWrongAnswer_);
    coder.encodeInt32("ksetsShakeMode", setsShakeMode_);
    coder.encodeInt32("ksessionsShakeMode", sessionsShakeMode_);
    coder.encodeInt32("baseFontSize", baseFontSize_);
    coder.encodeInt32("currentStatisticsType", currentStatisticsType_);
    coder.encodeInt32("kfeedbackOpenCounter", feedbackOpenCounter_);
    coder.encodeBool("kfSetsAutoscanStopOnLowBattery", fSetsAutoscanStopOnLowBattery_);
    coder.encodeInt32("ksetsAutoscanStopTime", setsAutoscanStopTime_);
    coder.encodeInt32("booksShowTime", booksShowTime_);
    coder.encodeBool("stopTrackerInBackground", stopTrackerInBackground_);
    coder.encodeBool("doNotShowTips", doNotShowTips_);
    if (tipSet_) coder.encodeObject("kTipsHistory", tipSet_->storeTipsHistory());
    encodeEBooksWithCoder(coder);
    if (forumLogin_) coder.encodeString("forumLogin", *forumLogin_);
    if (forumPassword_) coder.encodeString("forumPassword", *forumPassword_);
    if (forumBookmarks_) coder.encodeObject("forumBookmarks", forumBookmarks_);
    coder.encodeString("dictLanguage", dictLanguage_);
}

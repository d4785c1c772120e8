#include "Classes/flashcards/MFlashcardHRecord.h"

#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

MFlashcardHRecord::MFlashcardHRecord() : date_(fnd::Date::now()) {}

MFlashcardHRecord::MFlashcardHRecord(std::int32_t sessionId, std::int32_t indexInSession)
    : sessionId_(sessionId), indexInSession_(indexInSession), date_(fnd::Date::now()) {}

void MFlashcardHRecord::closeSide(bool wasFront) {
    double elapsed =
        fnd::Date::now().timeIntervalSinceReferenceDate() - date_.timeIntervalSinceReferenceDate();
    if (wasFront)
        timeForFrontSide_ = elapsed - timeForBackSide_;
    else
        timeForBackSide_ = elapsed - timeForFrontSide_;
}

void MFlashcardHRecord::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    if (sessionId_ != kNone && indexInSession_ != kNone) {
        coder.encodeInt64("kSessionId", sessionId_);
        coder.encodeInt64("kIndexInSession", indexInSession_);
    }
    coder.encodeDate("kDate", date_);
    coder.encodeDouble("kTimeForFrontSide", timeForFrontSide_);
    coder.encodeDouble("kTimeForBackSide", timeForBackSide_);
    coder.encodeInt32("kEstimation", estimation_);
    coder.encodeInt32("kBookmark", bookmark_);
}

void MFlashcardHRecord::initWithCoder(fnd::KeyedUnarchiver& coder) {
    sessionId_ = indexInSession_ = kNone;
    if (coder.containsValueForKey("kSessionId") && coder.containsValueForKey("kIndexInSession")) {
        sessionId_ = static_cast<std::int32_t>(coder.decodeInt64("kSessionId"));
        indexInSession_ = static_cast<std::int32_t>(coder.decodeInt64("kIndexInSession"));
    }
    if (auto date = coder.decodeDate("kDate")) date_ = *date;
    timeForFrontSide_ = coder.decodeDouble("kTimeForFrontSide");
    timeForBackSide_ = coder.decodeDouble("kTimeForBackSide");
    estimation_ = coder.containsValueForKey("kEstimation") ? coder.decodeInt32("kEstimation") : kNotRated;
    bookmark_ = coder.containsValueForKey("kBookmark") ? coder.decodeInt32("kBookmark") : -1;
}

#pragma once
// One showing of a card: when it began, how long each side was looked at, and whether the user
// marked the card as known during it.

#include <cstdint>
#include <limits>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"

class MFlashcardHRecord : public fnd::Object, public fnd::Coding {
  public:
    static constexpr std::int32_t kNone = std::numeric_limits<std::int32_t>::max();
    static constexpr std::int32_t kNotRated = -1;
    static constexpr std::int32_t kKnown = 1;

    // For the archive's factory: a record dated now with no session.
    MFlashcardHRecord();
    // A showing that begins now: both side times 0, not rated, no bookmark.
    MFlashcardHRecord(std::int32_t sessionId, std::int32_t indexInSession);

    // The side that was shown (face when wasFront) takes the time since the showing began that
    // the other side has not taken. flip is called when the card is turned, next when it is
    // thrown aside; both close the side's time the same way.
    void flip(bool wasFront) { closeSide(wasFront); }
    void next(bool wasFront) { closeSide(wasFront); }

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    std::int32_t sessionId() const { return sessionId_; }
    std::int32_t indexInSession() const { return indexInSession_; }
    fnd::Date date() const { return date_; }
    void setDate(fnd::Date date) { date_ = date; }
    double timeForFrontSide() const { return timeForFrontSide_; }
    double timeForBackSide() const { return timeForBackSide_; }
    std::int32_t estimation() const { return estimation_; }
    void setEstimation(std::int32_t estimation) { estimation_ = estimation; }
    std::int32_t bookmark() const { return bookmark_; }
    void setBookmark(std::int32_t bookmark) { bookmark_ = bookmark; }

  private:
    void closeSide(bool wasFront);

    std::int32_t sessionId_ = kNone;
    std::int32_t indexInSession_ = kNone;
    fnd::Date date_;
    double timeForFrontSide_ = 0;
    double timeForBackSide_ = 0;
    std::int32_t estimation_ = kNotRated;
    std::int32_t bookmark_ = -1;
};

#pragma once
// The card viewer: one deck studied card by card. The top card turns over on a steep drag (or the
// tablet's flip key), is thrown aside on a flat drag to bring the card prepared underneath, and can
// be marked as known ("I know"), which lowers how often the adaptive sequence shows it and brings
// the next card. The keys switch the sequence (ordered or adaptive) and the side shown first, and
// in the ordered sequence rewind through the deck while held. Every showing of a card is one
// history record (no session, index 0).
//
// The phone shows it turned a quarter, in landscape. What the top card is doing is `cardsState`:
// 0 face shown, 1 back shown, 10 turning to the back, 11 turning to the face, 21 moving on; flips,
// moves and rewinds start only at 0 or 1, so requests during an animation are ignored.
//
// Made with `init()` alone (no deck) it is a preview: the deck editor borrows its card view.

#include <cstdint>
#include <memory>
#include <string>

#include "Classes/core/RotatedViewController.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Size.h"

class CardView;
class MDeck;
class MFlashcard;

namespace ui {
class Button;
class Image;
class ImageView;
class Label;
}  // namespace ui

class DeckVC : public RotatedViewController {
  public:
    static constexpr const char* kDoneNotification = "DeckVC_Done_Notification";
    static constexpr int kCardViewTag = 2;
    static constexpr std::int32_t kNoSession = 2147483647;

    static constexpr int kFaceShown = 0;
    static constexpr int kBackShown = 1;
    static constexpr int kTurningToBack = 10;
    static constexpr int kTurningToFace = 11;
    static constexpr int kMovingOn = 21;

    static constexpr double kFlipHalf = 0.15;
    static constexpr double kNextHalf = 0.25;
    static constexpr double kIKnowHalf = 0.35;
    static constexpr double kIKnowScale = 20;
    static constexpr double kIKnownWebAlpha = 0.6;
    static constexpr double kIKnowFactor = 0.25;
    static constexpr double kCounterRadius = 8;

    static constexpr const char* kSequenceAdaptiveImage = "fc_btn_sequence_adaptive.png";
    static constexpr const char* kSequenceOrderedImage = "fc_btn_sequence_ordered.png";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "DeckView"; }

    // "initWithDeck:": the viewer on a deck with cards.
    void init(std::shared_ptr<MDeck> deck);
    // The preview: the interface file only, no deck, no entrance.
    void init() override;
    void viewDidLoad() override;
    void close() override;

    // ---- Actions

    void done(const Sender& sender);
    void estimate(const Sender& sender);
    void changeSequence(const Sender& sender);
    void changeFrontside(const Sender& sender);
    void startRewinding(const Sender& sender);
    void finishRewinding(const Sender& sender);

    // ---- Requests (the card view's notifications, the tablet's keys)

    void flip();
    void nextRight();
    void nextLeft();
    void next();
    void rewoundIndexChanged();

    // ---- Inner steps

    void getCard();
    void getNextCard();
    void loadCard();
    void loadNextCard();
    void displayCardFace();
    void displayCardBack();
    void displayNextCard();
    void substituteCards();
    void exchangeCards();
    void setRestFrame();
    void updateSequenceBtn();
    void showHideRewinding();
    void enableDisableRewinding();
    void showNumberLabel();
    virtual void flipBtnVisibility() {}
    // Sets the picture and, when there is one, makes the view as wide as the picture's proportions
    // ask at its height, centred in its parent.
    static void applyImage(std::shared_ptr<const ui::Image> image, ui::ImageView& view);
    static void copyLabelStyleTo(ui::Label& to, const ui::Label& from);
    // The card page: the side's style sheet and text.
    static std::string pageWithStyle(const std::string& css, const std::string& text);

    // ---- Fields

    const std::shared_ptr<MDeck>& deck() const { return deck_; }
    const std::shared_ptr<MFlashcard>& card() const { return card_; }
    const std::shared_ptr<MFlashcard>& nextCard() const { return nextCard_; }
    const std::shared_ptr<CardView>& nextCardView() const { return nextCardView_; }
    int cardsState() const { return cardsState_; }
    double animationDirection() const { return animationDirection_; }
    bool isRewindingBackward() const { return isRewindingBackward_; }
    bool startedRewinding() const { return startedRewinding_; }

    std::shared_ptr<CardView> cardView;
    std::shared_ptr<ui::Button> iKnowBtn, sequenceBtn, frontsideBtn, backBtn, backwardBtn, forwardBtn;
    std::shared_ptr<ui::ImageView> iknowEffectIV;
    std::shared_ptr<ui::Label> numberLbl;

  protected:
    // The size the rest frame is centred in.
    virtual ui::Size restArea() const { return {480, 320}; }
    virtual std::string sequenceImageName(bool adaptive) const;

  private:
    void loadSides(CardView& view, const std::shared_ptr<MFlashcard>& card);
    void showShowingBegins();
    void flipBegan();
    void flipMiddle();
    void flipEnded();
    void nextBegan();
    void nextMiddle();
    void nextEnded();
    void estimateMiddle();
    void estimateEnded();
    void showNextCardSides(bool shown);
    std::string cardNumber(const std::shared_ptr<MFlashcard>& card) const;
    int indexOf(const std::shared_ptr<MFlashcard>& card) const;
    void later(double delay, const char* name, void (DeckVC::*step)());

    std::shared_ptr<MDeck> deck_;
    std::shared_ptr<MFlashcard> card_;
    std::shared_ptr<MFlashcard> nextCard_;
    std::shared_ptr<CardView> nextCardView_;
    std::int32_t sessionId_ = kNoSession;
    std::int32_t indexInSession_ = 0;
    int cardsState_ = kFaceShown;
    double animationDirection_ = 1.0;
    bool isRewindingBackward_ = false;
    bool startedRewinding_ = false;
    // A backward rewind put the rewound card on top already: the move that follows only shows it.
    bool substitutedByRewind_ = false;
    bool observing_ = false;
};

// The tablet's viewer: the card centred for the orientation, and a flip key.
class DeckVC_iPad : public DeckVC {
  public:
    static constexpr const char* kSequenceAdaptiveImage = "fc_btn_sequence_adaptive@2x.png";
    static constexpr const char* kSequenceOrderedImage = "fc_btn_sequence_ordered@2x.png";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(DeckVC::nibIdentifier()); }

    void flipSender(const Sender&) { flip(); }
    void nextSender(const Sender&) { nextRight(); }
    void flipBtnVisibility() override;
    void didRotateHandler() override { setRestFrame(); }

    std::shared_ptr<ui::Button> flipBtn;

  protected:
    ui::Size restArea() const override;
    std::string sequenceImageName(bool adaptive) const override;
};

#include "Classes/flashcards/DeckVC.h"

#include <cstdio>
#include <numbers>

#include "Classes/flashcards/CardView.h"
#include "Classes/flashcards/MDeck.h"
#include "Classes/flashcards/MDeckStyle.h"
#include "Classes/flashcards/MFlashcard.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/WebView.h"

const ui::ConnectionTable& DeckVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("DeckVC", &RotatedViewController::classConnections())
            .outlet("cardView", &DeckVC::cardView)
            .outlet("iKnowBtn", &DeckVC::iKnowBtn)
            .outlet("sequenceBtn", &DeckVC::sequenceBtn)
            .outlet("frontsideBtn", &DeckVC::frontsideBtn)
            .outlet("backBtn", &DeckVC::backBtn)
            .outlet("backwardBtn", &DeckVC::backwardBtn)
            .outlet("forwardBtn", &DeckVC::forwardBtn)
            .outlet("iknowEffectIV", &DeckVC::iknowEffectIV)
            .outlet("numberLbl", &DeckVC::numberLbl)
            .action("done:", &DeckVC::done)
            .action("estimate:", &DeckVC::estimate)
            .action("changeSequence:", &DeckVC::changeSequence)
            .action("changeFrontside:", &DeckVC::changeFrontside)
            .action("startRewinding:", &DeckVC::startRewinding)
            .action("finishRewinding:", &DeckVC::finishRewinding);
    return table;
}

const ui::ConnectionTable& DeckVC_iPad::classConnections() {
    static const ui::ConnectionTable table = ui::ConnectionTable("DeckVC_iPad", &DeckVC::classConnections())
                                                 .outlet("flipBtn", &DeckVC_iPad::flipBtn)
                                                 .action("flip:", &DeckVC_iPad::flipSender)
                                                 .action("next:", &DeckVC_iPad::nextSender);
    return table;
}

void DeckVC::init(std::shared_ptr<MDeck> deck) {
    deck_ = std::move(deck);
    initWithNibName(nibIdentifier());
    setIsInPreviewMode(false);
    if (deck_) deck_->setJustAppeared(true);
    setIPadAnimationMode(1);
    sessionId_ = kNoSession;
    indexInSession_ = 0;
    cardsState_ = kFaceShown;
    animationDirection_ = 1.0;
    isRewindingBackward_ = startedRewinding_ = false;
    animation();
}

void DeckVC::init() {
    initWithNibName(nibIdentifier());
    setIsInPreviewMode(true);
    view();
}

void DeckVC::later(double delay, const char* name, void (DeckVC::*step)()) {
    std::weak_ptr<DeckVC> weak = sharedAs<DeckVC>();
    fnd::RunLoop::main().performAfterDelay(delay, this, name, [weak, step] {
        if (auto self = weak.lock()) ((*self).*step)();
    });
}

std::string DeckVC::pageWithStyle(const std::string& css, const std::string& text) {
    return "<style> " + css + " </style> " + text + " ";
}

void DeckVC::copyLabelStyleTo(ui::Label& to, const ui::Label& from) {
    to.setFrame(from.frame());
    to.setAlpha(from.alpha());
    to.setBackgroundColor(from.backgroundColor());
    to.setText(from.text());
    to.setFont(from.font());
    to.setTextColor(from.textColor());
    to.setTextAlignment(from.textAlignment());
    to.setLineBreakMode(from.lineBreakMode());
    to.setEnabled(from.isEnabled());
    to.setAdjustsFontSizeToFitWidth(from.adjustsFontSizeToFitWidth());
    to.setBaselineAdjustment(from.baselineAdjustment());
    to.setMinimumFontSize(from.minimumFontSize());
    to.setNumberOfLines(from.numberOfLines());
}

void DeckVC::applyImage(std::shared_ptr<const ui::Image> image, ui::ImageView& view) {
    view.setImage(image);
    if (!image || image->size().height <= 0) return;
    ui::Rect frame = view.frame();
    double width = frame.height() * image->size().width / image->size().height;
    double parentWidth = view.superview() ? view.superview()->bounds().width() : width;
    view.setFrame({(parentWidth - width) / 2, frame.minY(), width, frame.height()});
}

void DeckVC::viewDidLoad() {
    RotatedViewController::viewDidLoad();
    if (iknowEffectIV) iknowEffectIV->setAlpha(0);
    if (!cardView) return;
    if (auto web = cardView->webView()) CardView::prepareWebView(*web);
    cardView->addBackWebView();
    auto style = deck_ ? deck_->style() : nullptr;
    if (auto number = cardView->numberLbl()) {
        if (style && style->styleLbl()) copyLabelStyleTo(*number, *style->styleLbl());
        cardView->bringSubviewToFront(number.get());
    }
    if (iKnowBtn) {
        unsigned both = ui::StateSelected | ui::StateHighlighted;
        iKnowBtn->setTitleColor(iKnowBtn->titleColorForState(ui::StateSelected), both);
        iKnowBtn->setBackgroundImage(iKnowBtn->backgroundImageForState(ui::StateSelected), both);
    }
    if (deck_) {
        getCard();
        cardsState_ = deck_->faceIsFrontside() ? kFaceShown : kBackShown;
        if (cardsState_ == kFaceShown)
            displayCardFace();
        else
            displayCardBack();
    }
    nextCardView_ = CardView::copyOf(*cardView);
    view()->insertSubviewBelow(nextCardView_, cardView.get());
    setRestFrame();
    if (deck_) {
        getNextCard();
        displayNextCard();
    }
    if (numberLbl) {
        numberLbl->setCornerRadius(kCounterRadius);
        numberLbl->setHidden(true);
    }
    if (!deck_) return;
    updateSequenceBtn();
    if (frontsideBtn) {
        if (card_ && card_->answer())
            frontsideBtn->setSelected(!deck_->faceIsFrontside());
        else
            frontsideBtn->setEnabled(false);
    }
    showHideRewinding();
    enableDisableRewinding();

    auto& center = fnd::NotificationCenter::defaultCenter();
    std::weak_ptr<DeckVC> weak = sharedAs<DeckVC>();
    auto observe = [&](const char* name, void (DeckVC::*handler)()) {
        center.addObserver(sharedAs<fnd::Object>(), std::string(name), nullptr,
                           [weak, handler](const fnd::Notification&) {
                               if (auto self = weak.lock()) ((*self).*handler)();
                           });
    };
    observe(CardView::kFlipRequestNotification, &DeckVC::flip);
    observe(CardView::kNextRightRequestNotification, &DeckVC::nextRight);
    observe(CardView::kNextLeftRequestNotification, &DeckVC::nextLeft);
    observe(MDeck::kRewoundIndexChangedNotification, &DeckVC::rewoundIndexChanged);
    observing_ = true;
}

void DeckVC::close() {
    fnd::RunLoop::main().cancelPerforms(this);
    if (startedRewinding_ && deck_) deck_->finishRewinding();
    startedRewinding_ = false;
    RotatedViewController::close();
}

// ---- Cards

int DeckVC::indexOf(const std::shared_ptr<MFlashcard>& card) const {
    const auto& cards = deck_->flashcards();
    for (std::size_t i = 0; i < cards.size(); ++i)
        if (cards[i] == card) return int(i);
    return -1;
}

std::string DeckVC::cardNumber(const std::shared_ptr<MFlashcard>& card) const {
    int index = card && deck_ ? indexOf(card) : -1;
    return index < 0 ? std::string() : std::to_string(unsigned(index) + 1);
}

void DeckVC::getCard() {
    card_ = deck_->getCard();
    if (int index = indexOf(card_); index >= 0) deck_->setCursor(std::uint32_t(index));
    loadCard();
    flipBtnVisibility();
}

void DeckVC::getNextCard() {
    nextCard_ = deck_->getCard();
    if (deck_->flashcards().size() >= 2) {
        // The adaptive draw cannot hang (the deck accepts every card with some chance), and the
        // ordered sequence moves on at each call.
        while (nextCard_ == card_) nextCard_ = deck_->getCard();
    } else {
        nextCard_.reset();
    }
    loadNextCard();
}

void DeckVC::loadSides(CardView& view, const std::shared_ptr<MFlashcard>& card) {
    const auto& style = deck_->style();
    if (!style || !card) return;
    if (auto face = view.webView())
        face->loadHTMLString(
            pageWithStyle(style->faceCSS(), deck_->textWithFaceFormatting(card->question().value_or(""))),
            fnd::URL());
    if (auto back = view.backWebView())
        back->loadHTMLString(
            pageWithStyle(style->backCSS(), deck_->textWithBackFormatting(card->answer().value_or(""))),
            fnd::URL());
}

void DeckVC::loadCard() {
    if (cardView) loadSides(*cardView, card_);
}

void DeckVC::loadNextCard() {
    if (nextCard_ && nextCardView_) loadSides(*nextCardView_, nextCard_);
}

void DeckVC::showShowingBegins() {
    if (card_) card_->addHRecordWithSessionID(sessionId_, indexInSession_);
    if (auto number = cardView->numberLbl()) number->setText(cardNumber(card_));
    if (iKnowBtn) iKnowBtn->setSelected(false);
    cardView->setState(CardView::kIdle);
}

void DeckVC::displayCardFace() {
    const auto& style = deck_->style();
    if (auto background = cardView->backgroundImageView())
        background->setImage(style ? style->cardFaceBg() : nullptr);
    if (auto foreground = cardView->foregroundImageView())
        applyImage(card_ ? card_->image() : nullptr, *foreground);
    if (auto face = cardView->webView()) face->setHidden(false);
    if (auto back = cardView->backWebView()) back->setHidden(true);
    if (cardsState_ == kTurningToFace) {
        if (card_) card_->flip(false);  // the back's time is closed
    } else {
        showShowingBegins();
    }
}

void DeckVC::displayCardBack() {
    const auto& style = deck_->style();
    if (auto background = cardView->backgroundImageView())
        background->setImage(style ? style->cardBackBg() : nullptr);
    if (auto foreground = cardView->foregroundImageView()) foreground->setImage(nullptr);
    if (auto face = cardView->webView()) face->setHidden(true);
    if (auto back = cardView->backWebView()) back->setHidden(false);
    if (cardsState_ == kTurningToBack) {
        if (card_) card_->flip(true);  // the face's time is closed
    } else {
        showShowingBegins();
    }
}

void DeckVC::displayNextCard() {
    if (!nextCardView_ || !deck_) return;
    nextCardView_->setState(CardView::kInactive);
    const auto& style = deck_->style();
    bool face = deck_->faceIsFrontside();
    if (auto background = nextCardView_->backgroundImageView())
        background->setImage(style ? (face ? style->cardFaceBg() : style->cardBackBg()) : nullptr);
    if (auto foreground = nextCardView_->foregroundImageView())
        applyImage(face && nextCard_ ? nextCard_->image() : nullptr, *foreground);
    if (auto web = nextCardView_->webView()) web->setHidden(!face);
    if (auto back = nextCardView_->backWebView()) back->setHidden(face);
    std::string number = cardNumber(nextCard_);
    if (auto label = nextCardView_->numberLbl()) label->setText(number);
    if (numberLbl) numberLbl->setText(number);
}

void DeckVC::substituteCards() {
    std::swap(cardView, nextCardView_);
    card_ = nextCard_;
}

void DeckVC::exchangeCards() {
    if (substitutedByRewind_)
        substitutedByRewind_ = false;
    else
        substituteCards();
    flipBtnVisibility();
    if (int index = indexOf(card_); index >= 0) deck_->setCursor(std::uint32_t(index));
    if (card_) card_->addHRecordWithSessionID(sessionId_, indexInSession_);
    if (iKnowBtn) iKnowBtn->setSelected(false);
    cardView->setState(CardView::kIdle);
    cardsState_ = kFaceShown;
    getNextCard();
    displayNextCard();
}

// ---- Flip

void DeckVC::showNextCardSides(bool shown) {
    if (!nextCardView_ || !deck_) return;
    bool face = deck_->faceIsFrontside();
    if (auto web = nextCardView_->webView()) web->setHidden(!shown || !face);
    if (auto back = nextCardView_->backWebView()) back->setHidden(!shown || face);
    if (auto foreground = nextCardView_->foregroundImageView()) foreground->setHidden(!shown);
    if (auto number = nextCardView_->numberLbl()) number->setHidden(!shown);
}

void DeckVC::flip() {
    if (!deck_ || !card_ || !card_->answer() || cardsState_ >= 2) return;
    int state = cardView->state();
    if (state != CardView::kIdle && state != CardView::kTouched && state != CardView::kVertical) return;
    flipBegan();
}

void DeckVC::flipBegan() {
    cardsState_ = cardsState_ == kFaceShown ? kTurningToBack : kTurningToFace;
    cardView->setState(CardView::kAnimating);
    showNextCardSides(false);
    ui::Animation::begin("FlipFirstHalf");
    ui::Animation::setDuration(kFlipHalf);
    ui::Animation::setCurve(ui::AnimationCurve::EaseIn);
    cardView->setTransform(ui::AffineTransform::scale(1, 0.01));
    cardView->setAlpha(0.8);
    ui::Animation::commit();
    later(kFlipHalf, "flipMiddle", &DeckVC::flipMiddle);
}

void DeckVC::flipMiddle() {
    if (cardsState_ == kTurningToBack)
        displayCardBack();
    else
        displayCardFace();
    ui::Animation::begin("FlipSecondHalf");
    ui::Animation::setDuration(kFlipHalf);
    ui::Animation::setCurve(ui::AnimationCurve::EaseOut);
    cardView->setTransform(ui::AffineTransform::identity());
    cardView->setAlpha(1);
    ui::Animation::commit();
    later(kFlipHalf, "flipEnded", &DeckVC::flipEnded);
}

void DeckVC::flipEnded() {
    cardsState_ = cardsState_ == kTurningToBack ? kBackShown : kFaceShown;
    cardView->setState(CardView::kIdle);
    if (iKnowBtn) iKnowBtn->setHidden(false);
    if (backBtn) backBtn->setHidden(false);
    showNextCardSides(true);
}

// ---- Next card

void DeckVC::nextRight() {
    animationDirection_ = 1.0;
    next();
}

void DeckVC::nextLeft() {
    animationDirection_ = -1.0;
    next();
}

void DeckVC::next() {
    if (!deck_ || cardsState_ >= 2) return;
    if (!nextCard_) {
        cardView->returnBackAnimation();
        return;
    }
    nextBegan();
}

void DeckVC::nextBegan() {
    if (card_ && !substitutedByRewind_) card_->next(cardsState_ == kFaceShown);
    cardsState_ = kMovingOn;
    cardView->setState(CardView::kAnimating);
    ui::Point target = nextCardView_->center();
    ui::Animation::begin("NextFirstHalf");
    ui::Animation::setDuration(kNextHalf);
    ui::Animation::setCurve(ui::AnimationCurve::EaseIn);
    cardView->setTransform(ui::AffineTransform::rotation(std::numbers::pi));
    cardView->setCenter({target.x + animationDirection_ * view()->frame().height(), target.y});
    ui::Animation::commit();
    later(kNextHalf, "nextMiddle", &DeckVC::nextMiddle);
}

void DeckVC::nextMiddle() {
    // The departing card goes underneath and comes back to rest there.
    view()->exchangeSubviews(1, 2);
    ui::Animation::begin("NextSecondHalf");
    ui::Animation::setDuration(kNextHalf);
    ui::Animation::setCurve(ui::AnimationCurve::EaseOut);
    cardView->setTransform(ui::AffineTransform::identity());
    cardView->setCenter(nextCardView_->center());
    ui::Animation::commit();
    later(kNextHalf, "nextEnded", &DeckVC::nextEnded);
}

void DeckVC::nextEnded() {
    exchangeCards();
    enableDisableRewinding();
    cardsState_ = deck_->faceIsFrontside() ? kFaceShown : kBackShown;
    cardView->setState(CardView::kIdle);
    if (iKnowBtn) {
        iKnowBtn->setHidden(false);
        iKnowBtn->setEnabled(true);
        iKnowBtn->setHighlighted(false);
    }
}

// ---- "I know"

void DeckVC::estimate(const Sender& sender) {
    if (!deck_ || !card_ || cardsState_ >= 2 || cardView->state() == CardView::kAnimating) return;
    if (sender && sender == std::static_pointer_cast<fnd::Object>(iKnowBtn)) {
        iKnowBtn->setSelected(true);
        iKnowBtn->setEnabled(false);
        card_->setProbabilityTbS(card_->probabilityTbS() * kIKnowFactor);
        card_->addEstimation(1);
    }
    cardView->setState(CardView::kAnimating);
    if (iknowEffectIV) iknowEffectIV->setAlpha(1);
    ui::Animation::begin("IKnow");
    ui::Animation::setDuration(kIKnowHalf);
    ui::Animation::setCurve(ui::AnimationCurve::EaseIn);
    if (iknowEffectIV) iknowEffectIV->setTransform(ui::AffineTransform::scale(kIKnowScale));
    if (auto face = cardView->webView()) face->setAlpha(kIKnownWebAlpha);
    if (auto back = cardView->backWebView()) back->setAlpha(kIKnownWebAlpha);
    ui::Animation::commit();
    later(kIKnowHalf, "estimateMiddle", &DeckVC::estimateMiddle);
    later(2 * kIKnowHalf, "estimateEnded", &DeckVC::estimateEnded);
}

void DeckVC::estimateMiddle() {
    if (auto face = cardView->webView()) face->setAlpha(1);
    if (auto back = cardView->backWebView()) back->setAlpha(1);
}

void DeckVC::estimateEnded() {
    cardView->setState(CardView::kIdle);
    if (iknowEffectIV) {
        iknowEffectIV->setTransform(ui::AffineTransform::identity());
        iknowEffectIV->setAlpha(0);
    }
    nextRight();
}

// ---- Keys

std::string DeckVC::sequenceImageName(bool adaptive) const {
    return adaptive ? kSequenceAdaptiveImage : kSequenceOrderedImage;
}
std::string DeckVC_iPad::sequenceImageName(bool adaptive) const {
    return adaptive ? kSequenceAdaptiveImage : kSequenceOrderedImage;
}

void DeckVC::updateSequenceBtn() {
    if (sequenceBtn)
        sequenceBtn->setImage(ui::Image::named(sequenceImageName(deck_->sequence() == MDeck::kAdaptive)));
}

void DeckVC::changeSequence(const Sender&) {
    if (!deck_) return;
    deck_->changeSequence();
    updateSequenceBtn();
    showHideRewinding();
    enableDisableRewinding();
    getNextCard();
    displayNextCard();
}

void DeckVC::changeFrontside(const Sender&) {
    if (!deck_) return;
    deck_->changeFrontside();
    if (frontsideBtn) frontsideBtn->setSelected(!frontsideBtn->isSelected());
    displayNextCard();
}

void DeckVC::showHideRewinding() {
    bool hidden = deck_->sequence() != MDeck::kOrdered;
    if (backwardBtn) backwardBtn->setHidden(hidden);
    if (forwardBtn) forwardBtn->setHidden(hidden);
}

void DeckVC::enableDisableRewinding() {
    int index = indexOf(card_);
    int last = int(deck_->flashcards().size()) - 1;
    if (backwardBtn) backwardBtn->setEnabled(index != 0);
    if (forwardBtn) forwardBtn->setEnabled(index != last);
}

void DeckVC::startRewinding(const Sender& sender) {
    if (!deck_ || cardsState_ >= 2 || startedRewinding_) return;
    bool backward = sender && sender == std::static_pointer_cast<fnd::Object>(backwardBtn);
    deck_->setRewindingDirection(backward ? -1 : 1);
    animationDirection_ = backward ? -1.0 : 1.0;
    isRewindingBackward_ = backward;
    startedRewinding_ = true;
    deck_->startRewinding();
    later(MDeck::rewindingFirstStepDelay(), "showNumberLabel", &DeckVC::showNumberLabel);
}

void DeckVC::showNumberLabel() {
    if (deck_ && deck_->isRewinding() && numberLbl) numberLbl->setHidden(false);
}

void DeckVC::rewoundIndexChanged() {
    if (deck_ && deck_->isRewinding() && numberLbl)
        numberLbl->setText(std::to_string(deck_->rewoundIndex() + 1));
}

void DeckVC::finishRewinding(const Sender&) {
    if (!startedRewinding_) return;
    startedRewinding_ = false;
    fnd::RunLoop::main().cancelPerforms(this, "showNumberLabel");
    deck_->finishRewinding();
    if (numberLbl) numberLbl->setHidden(true);
    getNextCard();
    displayNextCard();
    if (isRewindingBackward_ && nextCard_) {
        // The card on top is left now: its side's time closes before the rewound card takes its place.
        if (card_) card_->next(cardsState_ == kFaceShown);
        substituteCards();
        substitutedByRewind_ = true;
    }
    next();
}

// ---- Places

void DeckVC::setRestFrame() {
    if (!cardView || !nextCardView_) return;
    ui::Size size = deck_ && deck_->style() ? deck_->style()->cardSize() : ui::Size{0, 0};
    ui::Size area = restArea();
    ui::Rect rest{(area.width - size.width) / 2, (area.height - size.height) / 2, size.width, size.height};
    cardView->setRestFrame(rest);
    nextCardView_->setRestFrame(rest);
}

ui::Size DeckVC_iPad::restArea() const {
    auto orientation = ui::Application::shared().statusBarOrientation();
    bool portrait = orientation == ui::InterfaceOrientation::Portrait ||
                    orientation == ui::InterfaceOrientation::PortraitUpsideDown;
    return portrait ? ui::Size{768, 1004} : ui::Size{1024, 748};
}

void DeckVC_iPad::flipBtnVisibility() {
    if (flipBtn) flipBtn->setEnabled(card() && card()->answer().has_value());
}

void DeckVC::done(const Sender&) {
    if (!deck_) return;
    deck_->computeKnownPercentage();
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<DeckVC>());
}

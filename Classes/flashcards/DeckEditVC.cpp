#include "Classes/flashcards/DeckEditVC.h"

#include "Classes/flashcards/CardView.h"
#include "Classes/flashcards/DeckVC.h"
#include "Classes/flashcards/FlashcardsScreenParts.h"
#include "Classes/flashcards/MCustomFC.h"
#include "Classes/flashcards/MDeckStyle.h"
#include "Classes/flashcards/MFlashcards.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Animation.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Make.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/WebView.h"

const ui::ConnectionTable& DeckEditVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("DeckEditVC", &SliddenViewController::classConnections())
            .outlet("generalScrollView", &DeckEditVC::generalScrollView)
            .outlet("creatorTextField", &DeckEditVC::creatorTextField)
            .outlet("titleTextField", &DeckEditVC::titleTextField)
            .outlet("descriptionTextView", &DeckEditVC::descriptionTextView)
            .outlet("keywordsTextView", &DeckEditVC::keywordsTextView)
            .outlet("faceStyleBtn", &DeckEditVC::faceStyleBtn)
            .outlet("backStyleBtn", &DeckEditVC::backStyleBtn)
            .action("changeStyle:", &DeckEditVC::changeStyle);
    return table;
}

const ui::ConnectionTable& DeckEditVC_iPad::classConnections() {
    static const ui::ConnectionTable table("DeckEditVC_iPad", &DeckEditVC::classConnections());
    return table;
}

void DeckEditVC::init(std::shared_ptr<MFlashcards> flashcards, std::uint32_t lastID) {
    flashcards_ = std::move(flashcards);
    deck_ = std::make_shared<MCustomFC>(lastID + 1);
    deck_->setupTheStyle();
    initWithNibName(nibIdentifier());
    deckVC_ = makePreviewVC();
    animation();
}

void DeckEditVC::init(std::shared_ptr<MDeck> deck) {
    deck_ = std::move(deck);
    initWithNibName(nibIdentifier());
    deckVC_ = makePreviewVC();
    animation();
}

std::shared_ptr<DeckVC> DeckEditVC::makePreviewVC() const { return ui::make<DeckVC>(); }
std::shared_ptr<DeckVC> DeckEditVC_iPad::makePreviewVC() const { return ui::make<DeckVC_iPad>(); }

std::shared_ptr<MCustomFC> DeckEditVC::styledDeck() const {
    if (!deck_ || deck_->isSharedDeck()) return nullptr;
    return std::dynamic_pointer_cast<MCustomFC>(deck_);
}

void DeckEditVC::viewDidLoad() {
    auto self = sharedAs<DeckEditVC>();
    auto keys = FlashcardsScreenParts::formKeys(self, &DeckEditVC::done, isCreating(), toolB().get());
    cancelBtn_ = keys.cancel;
    flexibleSpaceBtn_ = keys.space;
    createConfirmBtn_ = keys.createConfirm;

    if (creatorTextField) {
        creatorTextField->setText(deck_->creator());
        creatorTextField->setDelegate(self);
    }
    if (titleTextField) {
        titleTextField->setText(deck_->title());
        titleTextField->setDelegate(self);
    }
    if (descriptionTextView) {
        descriptionTextView->setText(deck_->description());
        descriptionTextView->setDelegate(self);
    }
    if (keywordsTextView) {
        keywordsTextView->setText(deck_->stringWithKeywords());
        keywordsTextView->setDelegate(self);
    }
    SliddenViewController::viewDidLoad();

    faceCardView_ = deckVC_ ? deckVC_->cardView : nullptr;
    if (faceCardView_) backCardView_ = CardView::copyOf(*faceCardView_);
    auto styled = styledDeck();
    if (!styled || !faceCardView_ || !faceStyleBtn || !backStyleBtn) {
        if (faceStyleBtn) faceStyleBtn->setEnabled(false);
        if (backStyleBtn) backStyleBtn->setEnabled(false);
        return;
    }
    placePreview(faceCardView_, *faceStyleBtn);
    applyFaceStyle();
    initialFaceStyleIndex_ = styled->faceStyleIndex();
    placePreview(backCardView_, *backStyleBtn);
    applyBackStyle();
    initialBackStyleIndex_ = styled->backStyleIndex();
}

void DeckEditVC::placePreview(const std::shared_ptr<CardView>& card, ui::Button& key) {
    card->setUserInteractionEnabled(false);
    key.addSubview(card);
    // Shrunk into the key's top-left corner.
    double ratio = cardShrinkRatio();
    ui::Size size = card->bounds().size;
    ui::Animation::begin("ShrinkPreview");
    ui::Animation::setDuration(kShrinkDuration);
    ui::Animation::setCurve(ui::AnimationCurve::EaseIn);
    card->setTransform(ui::AffineTransform::scale(ratio));
    card->setCenter({size.width * ratio / 2, size.height * ratio / 2});
    ui::Animation::commit();
}

void DeckEditVC::applyFaceStyle() {
    const auto& style = deck_->style();
    if (!style || !faceCardView_) return;
    if (auto background = faceCardView_->backgroundImageView()) background->setImage(style->cardFaceBg());
    if (auto web = faceCardView_->webView())
        web->loadHTMLString(
            DeckVC::pageWithStyle(style->faceCSS(), deck_->textWithFaceFormatting(kFaceSample)), fnd::URL());
}

void DeckEditVC::applyBackStyle() {
    const auto& style = deck_->style();
    if (!style || !backCardView_) return;
    if (auto background = backCardView_->backgroundImageView()) background->setImage(style->cardBackBg());
    if (auto web = backCardView_->webView())
        web->loadHTMLString(
            DeckVC::pageWithStyle(style->backCSS(), deck_->textWithBackFormatting(kBackSample)), fnd::URL());
}

void DeckEditVC::changeStyle(const Sender& sender) {
    auto styled = styledDeck();
    if (!styled || !sender) return;
    if (sender == std::static_pointer_cast<fnd::Object>(faceStyleBtn)) {
        styled->changeFaceStyle();
        applyFaceStyle();
    } else if (sender == std::static_pointer_cast<fnd::Object>(backStyleBtn)) {
        styled->changeBackStyle();
        applyBackStyle();
    }
}

void DeckEditVC::done(const Sender& sender) {
    if (!sender) return;
    auto& center = fnd::NotificationCenter::defaultCenter();
    if (sender == std::static_pointer_cast<fnd::Object>(createConfirmBtn_)) {
        std::string title = titleTextField ? titleTextField->text() : std::string();
        if (title.empty()) {
            ui::make<ui::AlertView>("Enter Title", "Please enter the title",
                                    std::weak_ptr<ui::AlertViewDelegate>(), "OK", std::vector<std::string>{})
                ->show();
            return;
        }
        fnd::Date now = fnd::Date::now();
        if (isCreating()) {
            deck_->setDateOfCreation(now);
            flashcards_->decks().push_back(deck_);
        }
        deck_->setCreator(creatorTextField ? creatorTextField->text() : std::string());
        deck_->setDateOfLastModification(now);
        deck_->setTitle(title);
        deck_->setDescription(descriptionTextView ? descriptionTextView->text() : std::string());
        deck_->setKeywordsWithString(keywordsTextView ? keywordsTextView->text() : std::string());
        center.post(kDoneNotification, sharedAs<DeckEditVC>());
    } else if (sender == std::static_pointer_cast<fnd::Object>(cancelBtn_)) {
        if (auto styled = styledDeck()) {
            styled->setFaceStyleIndex(initialFaceStyleIndex_);
            styled->setBackStyleIndex(initialBackStyleIndex_);
            styled->setTheStyle();
        }
        center.post(kDoneNotification, sharedAs<DeckEditVC>());
    }
}

void DeckEditVC::close() {
    // The borrowed viewer only lent its card view; it goes with the editor.
    if (deckVC_) deckVC_->close();
    deckVC_.reset();
    SliddenViewController::close();
}

// ---- Text

void DeckEditVC::resetContentOffset(const ui::View& view, double bottomSpace) {
    FlashcardsScreenParts::keepInSight(generalScrollView.get(), view, bottomSpace, formHeight());
}

bool DeckEditVC::textFieldShouldBeginEditing(ui::TextField& field) {
    resetContentOffset(field, kBottomSpace);
    return true;
}

bool DeckEditVC::textFieldShouldReturn(ui::TextField& field) {
    FlashcardsScreenParts::endInput(field, generalScrollView.get());
    return false;
}

bool DeckEditVC::textViewShouldBeginEditing(ui::TextView& view) {
    resetContentOffset(view, kBottomSpace);
    return true;
}

bool DeckEditVC::textViewShouldEndEditing(ui::TextView&) {
    if (generalScrollView) generalScrollView->setContentOffset({0, 0}, true);
    return true;
}

bool DeckEditVC::textViewShouldChangeText(ui::TextView& view, ui::TextRange, const std::string& text) {
    return FlashcardsScreenParts::acceptsText(view, text, generalScrollView.get());
}

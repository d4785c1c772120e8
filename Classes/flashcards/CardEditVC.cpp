#include "Classes/flashcards/CardEditVC.h"

#include <algorithm>

#include "Classes/flashcards/FlashcardsScreenParts.h"
#include "Classes/flashcards/MDeck.h"
#include "Classes/flashcards/MFlashcard.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/Toolbar.h"

const ui::ConnectionTable& CardEditVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("CardEditVC", &SliddenViewController::classConnections())
            .outlet("generalScrollView", &CardEditVC::generalScrollView)
            .outlet("idLabel", &CardEditVC::idLabel)
            .outlet("questionTextView", &CardEditVC::questionTextView)
            .outlet("answerTextView", &CardEditVC::answerTextView);
    return table;
}

const ui::ConnectionTable& CardEditVC_iPad::classConnections() {
    static const ui::ConnectionTable table("CardEditVC_iPad", &CardEditVC::classConnections());
    return table;
}

void CardEditVC::init(std::shared_ptr<MFlashcard> card) {
    card_ = std::move(card);
    initWithNibName(nibIdentifier());
    animation();
}

void CardEditVC::init(std::shared_ptr<MDeck> deck) {
    deck_ = std::move(deck);
    if (!deck_->flashcards().empty()) card_ = deck_->flashcards().back();
    initWithNibName(nibIdentifier());
    animation();
}

void CardEditVC::viewDidLoad() {
    auto self = sharedAs<CardEditVC>();
    auto keys = FlashcardsScreenParts::formKeys(self, &CardEditVC::done, isCreating(), toolB().get());
    cancelBtn_ = keys.cancel;
    flexibleSpaceBtn_ = keys.space;
    createConfirmBtn_ = keys.createConfirm;
    if (idLabel && card_) idLabel->setText("ID: " + std::to_string(card_->ID()));
    if (questionTextView) {
        questionTextView->setText(card_ ? card_->question().value_or("") : std::string());
        questionTextView->setDelegate(self);
    }
    if (answerTextView) {
        answerTextView->setText(card_ ? card_->answer().value_or("") : std::string());
        answerTextView->setDelegate(self);
    }
    SliddenViewController::viewDidLoad();
}

void CardEditVC::done(const Sender& sender) {
    if (!sender || !card_) return;
    auto& center = fnd::NotificationCenter::defaultCenter();
    if (sender == std::static_pointer_cast<fnd::Object>(createConfirmBtn_)) {
        std::string question = questionTextView ? questionTextView->text() : std::string();
        if (question.empty()) {
            ui::make<ui::AlertView>("Enter Question", "Please enter the question",
                                    std::weak_ptr<ui::AlertViewDelegate>(), "OK", std::vector<std::string>{})
                ->show();
            return;
        }
        std::string answer = answerTextView ? answerTextView->text() : std::string();
        card_->setQuestion(question);
        card_->setAnswer(answer.empty() ? std::nullopt : std::optional<std::string>(answer));
        if (isCreating()) {
            // The card stays in its deck; a second press only confirms it.
            createConfirmBtn_->setTitle("Confirm");
            deck_.reset();
        }
        center.post(kCardCreatedTipEvent, sharedAs<CardEditVC>());
        center.post(kDoneNotification, sharedAs<CardEditVC>());
    } else if (sender == std::static_pointer_cast<fnd::Object>(cancelBtn_)) {
        if (isCreating()) {
            auto& cards = deck_->flashcards();
            cards.erase(std::remove(cards.begin(), cards.end(), card_), cards.end());
        }
        center.post(kDoneNotification, sharedAs<CardEditVC>());
    }
}

void CardEditVC::resetContentOffset(const ui::View& view, double bottomSpace) {
    FlashcardsScreenParts::keepInSight(generalScrollView.get(), view, bottomSpace, kFormHeight);
}

bool CardEditVC::textViewShouldBeginEditing(ui::TextView& view) {
    resetContentOffset(view, kBottomSpace);
    return true;
}

bool CardEditVC::textViewShouldChangeText(ui::TextView& view, ui::TextRange, const std::string& text) {
    return FlashcardsScreenParts::acceptsText(view, text, generalScrollView.get());
}

#include "Classes/flashcards/CardListVC.h"

#include "Classes/flashcards/DeckEditVC.h"
#include "Classes/flashcards/FlashcardsScreenParts.h"
#include "Classes/flashcards/MDeck.h"
#include "Classes/flashcards/MFlashcard.h"
#include "platform/ui/Device.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/Toolbar.h"

const ui::ConnectionTable& CardListVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("CardListVC", &SliddenViewController::classConnections())
            .outlet("cardsTableView", &CardListVC::cardsTableView)
            .outlet("bottomToolB", &CardListVC::bottomToolB)
            .outlet("theCell", &CardListVC::theCell);
    return table;
}

void CardListVC::setUpTable() {
    auto self = sharedAs<CardListVC>();
    numberOfRowsInSection_ = int(deck_->flashcards().size());
    cardsTableView->setDataSource(self);
    cardsTableView->setDelegate(self);
    cardsTableView->setRowHeight(FlashcardsScreenParts::kRowHeight);
}

void CardListVC::refresh() {
    numberOfRowsInSection_ = int(deck_->flashcards().size());
    cardsTableView->reloadData();
}

double CardListVC::heightForRow(ui::TableView&, const ui::IndexPath&) {
    return FlashcardsScreenParts::kRowHeight;
}

std::shared_ptr<ui::TableViewCell> CardListVC::cellForRow(ui::TableView& table,
                                                          const ui::IndexPath& indexPath) {
    auto cell = FlashcardsScreenParts::cell(table, cellIdentifier(), *this, theCell);
    const auto& cards = deck_->flashcards();
    if (indexPath.row < 0 || indexPath.row >= int(cards.size())) return cell;
    const MFlashcard& card = *cards[std::size_t(indexPath.row)];
    if (auto background = cell->viewWithTag(kBackgroundTag))
        background->setBackgroundColor(FlashcardsScreenParts::rowColor(rowsInEditMode(), indexPath.row));
    if (auto number = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(kNumberTag)))
        number->setText(std::to_string(card.ID()));
    if (auto question = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(kQuestionTag)))
        question->setText(card.question().value_or(""));
    if (auto answer = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(kAnswerTag)))
        answer->setText(card.answer().value_or(""));
    return cell;
}

void CardListVC::editDeckInfo(const Sender&) {
    if (!canOpenSubview()) return;
    deckEditVC_ =
        ui::Device::current().isTablet() ? ui::make<DeckEditVC_iPad>(deck_) : ui::make<DeckEditVC>(deck_);
    registerMainChildDoneHandler(&CardListVC::didObtainDeckEditVCBackNotification,
                                 DeckEditVC::kDoneNotification, deckEditVC_);
}

void CardListVC::didObtainDeckEditVCBackNotification(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, deckEditVC_)) return;
    deckEditVC_.reset();
}

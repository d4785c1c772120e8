#include "Classes/flashcards/CardsEditVC.h"

#include <algorithm>

#include "Classes/flashcards/CardEditVC.h"
#include "Classes/flashcards/DeckEditVC.h"
#include "Classes/flashcards/FlashcardsScreenParts.h"
#include "Classes/flashcards/MCustomFC.h"
#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MFlashcards.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Device.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/Toolbar.h"

namespace {
bool onTablet() { return ui::Device::current().isTablet(); }
}  // namespace

const ui::ConnectionTable& CardsEditVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("CardsEditVC", &SliddenViewController::classConnections())
            .outlet("cardsTableView", &CardsEditVC::cardsTableView)
            .outlet("bottomToolB", &CardsEditVC::bottomToolB)
            .outlet("theCell", &CardsEditVC::theCell);
    return table;
}

void CardsEditVC::init(std::shared_ptr<MDeck> deck, std::shared_ptr<MFlashcards> flashcards) {
    deck_ = std::move(deck);
    flashcards_ = std::move(flashcards);
    initWithNibName(nibIdentifier());
    animation();
}

void CardsEditVC::viewDidLoad() {
    auto self = sharedAs<CardsEditVC>();
    using Parts = FlashcardsScreenParts;
    doneBtn_ = Parts::key(ui::BarButtonItem::withSystemItem(ui::BarButtonSystemItem::Done), self,
                          &CardsEditVC::done);
    flexibleSpaceBtn_ = ui::BarButtonItem::flexibleSpace();
    editBtn_ = Parts::key(ui::BarButtonItem::withSystemItem(ui::BarButtonSystemItem::Edit), self,
                          &CardsEditVC::edit);
    addBtn_ = Parts::key(ui::BarButtonItem::withSystemItem(ui::BarButtonSystemItem::Add), self,
                         &CardsEditVC::addCard);
    editDeckInfoBtn_ =
        Parts::key(ui::BarButtonItem::withTitle("Deck Info"), self, &CardsEditVC::editDeckInfo);
    deleteDeckBtn_ =
        Parts::key(ui::BarButtonItem::withTitle("Delete Deck"), self, &CardsEditVC::deleteTheDeck);
    if (bottomToolB) {
        if (deck_->isSharedDeck())
            bottomToolB->setItems({editDeckInfoBtn_});
        else
            bottomToolB->setItems({editDeckInfoBtn_, ui::BarButtonItem::flexibleSpace(), deleteDeckBtn_});
    }
    if (toolB()) toolB()->setItems({doneBtn_, flexibleSpaceBtn_, editBtn_});
    numberOfRowsInSection_ = int(deck_->flashcards().size());
    cardsTableView->setDataSource(self);
    cardsTableView->setDelegate(self);
    cardsTableView->setRowHeight(Parts::kRowHeight);
    cardsTableView->setAllowsSelectionDuringEditing(true);
    SliddenViewController::viewDidLoad();
    edit(nullptr);
}

void CardsEditVC::refresh() {
    numberOfRowsInSection_ = int(deck_->flashcards().size());
    cardsTableView->reloadData();
}

void CardsEditVC::edit(const Sender&) {
    isInEditMode_ = true;
    if (toolB()) {
        if (deck_->isSharedDeck())
            toolB()->setItems({doneBtn_}, true);
        else
            toolB()->setItems({doneBtn_, flexibleSpaceBtn_, addBtn_}, true);
    }
    cardsTableView->setEditing(true, true);
    FlashcardsScreenParts::reloadLater(cardsTableView, this);
}

void CardsEditVC::done(const Sender&) {
    deck_->computeKnownPercentage();
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<CardsEditVC>());
}

// ---- Cards

void CardsEditVC::editCard(int row) {
    auto& cards = deck_->flashcards();
    if (row < 0 || row >= int(cards.size()) || !canOpenSubview()) return;
    cardEditVC_ = onTablet() ? ui::make<CardEditVC_iPad>(cards[std::size_t(row)])
                             : ui::make<CardEditVC>(cards[std::size_t(row)]);
    registerMainChildDoneHandler(&CardsEditVC::didObtainCardEditVCBackNotification,
                                 CardEditVC::kDoneNotification, cardEditVC_);
}

void CardsEditVC::addCard(const Sender&) {
    if (!canOpenSubview() || deck_->isSharedDeck()) return;
    auto& cards = deck_->flashcards();
    std::uint32_t largest = 0;
    for (const auto& card : cards) largest = std::max(largest, card->ID());
    cards.push_back(std::make_shared<MFlashcard>(largest + 1, std::nullopt, std::nullopt, nullptr));
    cardEditVC_ = onTablet() ? ui::make<CardEditVC_iPad>(deck_) : ui::make<CardEditVC>(deck_);
    registerMainChildDoneHandler(&CardsEditVC::didObtainCardEditVCBackNotification,
                                 CardEditVC::kDoneNotification, cardEditVC_);
}

void CardsEditVC::didObtainCardEditVCBackNotification(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, cardEditVC_)) return;
    cardEditVC_.reset();
    refresh();
}

// ---- The deck

void CardsEditVC::editDeckInfo(const Sender&) {
    if (!canOpenSubview()) return;
    deckEditVC_ = onTablet() ? ui::make<DeckEditVC_iPad>(deck_) : ui::make<DeckEditVC>(deck_);
    registerMainChildDoneHandler(&CardsEditVC::didObtainDeckEditVCBackNotification,
                                 DeckEditVC::kDoneNotification, deckEditVC_);
}

void CardsEditVC::didObtainDeckEditVCBackNotification(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, deckEditVC_)) return;
    deckEditVC_.reset();
}

void CardsEditVC::deleteTheDeck(const Sender&) {
    if (deck_->isSharedDeck()) return;
    auto sheet = ui::make<ui::ActionSheet>(kDeleteDeckTitle, sharedAs<CardsEditVC>(), "Cancel", "Delete",
                                           std::vector<std::string>{});
    sheet->setActionSheetStyle(ui::ActionSheetStyle::BlackOpaque);
    sheet->showInView(view());
}

void CardsEditVC::actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) {
    if (buttonIndex != sheet.destructiveButtonIndex()) return;
    if (auto own = std::dynamic_pointer_cast<MCustomFC>(deck_)) own->removeImages();
    auto& decks = flashcards_->decks();
    decks.erase(std::remove(decks.begin(), decks.end(), deck_), decks.end());
    done(nullptr);
}

// ---- Table

int CardsEditVC::numberOfRows(ui::TableView&, int) { return numberOfRowsInSection_; }

double CardsEditVC::heightForRow(ui::TableView&, const ui::IndexPath&) {
    return FlashcardsScreenParts::kRowHeight;
}

std::shared_ptr<ui::TableViewCell> CardsEditVC::cellForRow(ui::TableView& table,
                                                           const ui::IndexPath& indexPath) {
    auto cell = FlashcardsScreenParts::cell(table, cellIdentifier(), *this, theCell);
    const auto& cards = deck_->flashcards();
    if (indexPath.row < 0 || indexPath.row >= int(cards.size())) return cell;
    const MFlashcard& card = *cards[std::size_t(indexPath.row)];
    if (auto background = cell->viewWithTag(1))
        background->setBackgroundColor(FlashcardsScreenParts::rowColor(isInEditMode_, indexPath.row));
    if (auto id = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(2)))
        id->setText(std::to_string(card.ID()));
    if (auto question = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(3)))
        question->setText(card.question().value_or(""));
    if (auto answer = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(4)))
        answer->setText(card.answer().value_or(""));
    return cell;
}

void CardsEditVC::commitEditingStyle(ui::TableView&, ui::TableViewCellEditingStyle style,
                                     const ui::IndexPath& indexPath) {
    auto& cards = deck_->flashcards();
    if (style != ui::TableViewCellEditingStyle::Delete || indexPath.row < 0 ||
        indexPath.row >= int(cards.size()))
        return;
    cards[std::size_t(indexPath.row)]->removeImage();
    cards.erase(cards.begin() + indexPath.row);
    refresh();
}

void CardsEditVC::moveRow(ui::TableView&, const ui::IndexPath& from, const ui::IndexPath& to) {
    FlashcardsScreenParts::move(deck_->flashcards(), from.row, to.row);
}

void CardsEditVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    editCard(indexPath.row);
}

#include "Classes/flashcards/CardsEditVC.h"

#include <algorithm>

#include "Classes/flashcards/CardEditVC.h"
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
        ui::ConnectionTable("CardsEditVC", &CardListVC::classConnections());
    return table;
}

void CardsEditVC::init(std::shared_ptr<MDeck> deck, std::shared_ptr<MFlashcards> flashcards) {
    setDeck(std::move(deck));
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
    editDeckInfoBtn_ = Parts::key(ui::BarButtonItem::withTitle("Deck Info"), sharedAs<CardListVC>(),
                                  &CardListVC::editDeckInfo);
    deleteDeckBtn_ =
        Parts::key(ui::BarButtonItem::withTitle("Delete Deck"), self, &CardsEditVC::deleteTheDeck);
    if (bottomToolB) {
        if (deck()->isSharedDeck())
            bottomToolB->setItems({editDeckInfoBtn_});
        else
            bottomToolB->setItems({editDeckInfoBtn_, ui::BarButtonItem::flexibleSpace(), deleteDeckBtn_});
    }
    if (toolB()) toolB()->setItems({doneBtn_, flexibleSpaceBtn_, editBtn_});
    setUpTable();
    cardsTableView->setAllowsSelectionDuringEditing(true);
    SliddenViewController::viewDidLoad();
    edit(nullptr);
}

void CardsEditVC::edit(const Sender&) {
    isInEditMode_ = true;
    if (toolB()) {
        if (deck()->isSharedDeck())
            toolB()->setItems({doneBtn_}, true);
        else
            toolB()->setItems({doneBtn_, flexibleSpaceBtn_, addBtn_}, true);
    }
    cardsTableView->setEditing(true, true);
    FlashcardsScreenParts::reloadLater(cardsTableView, this);
}

void CardsEditVC::done(const Sender&) {
    deck()->computeKnownPercentage();
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<CardsEditVC>());
}

// ---- Cards

void CardsEditVC::editCard(int row) {
    auto& cards = deck()->flashcards();
    if (row < 0 || row >= int(cards.size()) || !canOpenSubview()) return;
    cardEditVC_ = onTablet() ? ui::make<CardEditVC_iPad>(cards[std::size_t(row)])
                             : ui::make<CardEditVC>(cards[std::size_t(row)]);
    registerMainChildDoneHandler(&CardsEditVC::didObtainCardEditVCBackNotification,
                                 CardEditVC::kDoneNotification, cardEditVC_);
}

void CardsEditVC::addCard(const Sender&) {
    if (!canOpenSubview() || deck()->isSharedDeck()) return;
    auto& cards = deck()->flashcards();
    std::uint32_t largest = 0;
    for (const auto& card : cards) largest = std::max(largest, card->ID());
    cards.push_back(std::make_shared<MFlashcard>(largest + 1, std::nullopt, std::nullopt, nullptr));
    cardEditVC_ = onTablet() ? ui::make<CardEditVC_iPad>(deck()) : ui::make<CardEditVC>(deck());
    registerMainChildDoneHandler(&CardsEditVC::didObtainCardEditVCBackNotification,
                                 CardEditVC::kDoneNotification, cardEditVC_);
}

void CardsEditVC::didObtainCardEditVCBackNotification(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, cardEditVC_)) return;
    cardEditVC_.reset();
    refresh();
}

// ---- The deck

void CardsEditVC::deleteTheDeck(const Sender&) {
    if (deck()->isSharedDeck()) return;
    auto sheet = ui::make<ui::ActionSheet>(kDeleteDeckTitle, sharedAs<CardsEditVC>(), "Cancel", "Delete",
                                           std::vector<std::string>{});
    sheet->setActionSheetStyle(ui::ActionSheetStyle::BlackOpaque);
    sheet->showInView(view());
}

void CardsEditVC::actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) {
    if (buttonIndex != sheet.destructiveButtonIndex()) return;
    if (auto own = std::dynamic_pointer_cast<MCustomFC>(deck())) own->removeImages();
    auto& decks = flashcards_->decks();
    decks.erase(std::remove(decks.begin(), decks.end(), deck()), decks.end());
    done(nullptr);
}

// ---- Table

void CardsEditVC::commitEditingStyle(ui::TableView&, ui::TableViewCellEditingStyle style,
                                     const ui::IndexPath& indexPath) {
    auto& cards = deck()->flashcards();
    if (style != ui::TableViewCellEditingStyle::Delete || indexPath.row < 0 ||
        indexPath.row >= int(cards.size()))
        return;
    cards[std::size_t(indexPath.row)]->removeImage();
    cards.erase(cards.begin() + indexPath.row);
    refresh();
}

void CardsEditVC::moveRow(ui::TableView&, const ui::IndexPath& from, const ui::IndexPath& to) {
    FlashcardsScreenParts::move(deck()->flashcards(), from.row, to.row);
}

void CardsEditVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    editCard(indexPath.row);
}

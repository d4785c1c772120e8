#include "Classes/flashcards/FlashcardsVC.h"

#include <mutex>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/flashcards/CardEditVC.h"
#include "Classes/flashcards/CardListVC.h"
#include "Classes/flashcards/CardView.h"
#include "Classes/flashcards/CardsEditVC.h"
#include "Classes/flashcards/DeckAddVC.h"
#include "Classes/flashcards/DeckChooseVC.h"
#include "Classes/flashcards/DeckEditVC.h"
#include "Classes/flashcards/DeckVC.h"
#include "Classes/flashcards/FlashcardService.h"
#include "Classes/flashcards/FlashcardsScreenParts.h"
#include "Classes/flashcards/MDeck.h"
#include "Classes/flashcards/MFlashcards.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/Toolbar.h"

namespace {

std::string percentText(double percent) {
    char text[64];
    std::snprintf(text, sizeof text, "known: %.1f%%", percent);
    return text;
}

}  // namespace

const ui::ConnectionTable& FlashcardsVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("FlashcardsVC", &ToolViewController::classConnections())
            .outlet("decksTableView", &FlashcardsVC::decksTableView)
            .outlet("theCell", &FlashcardsVC::theCell)
            .action("done:", &FlashcardsVC::done)
            .action("edit:", &FlashcardsVC::edit)
            .action("addDeck:", &FlashcardsVC::addDeck)
            .action("resetDeck:", &FlashcardsVC::resetDeck);
    return table;
}

const ui::ConnectionTable& FlashcardsVC_iPad::classConnections() {
    static const ui::ConnectionTable table("FlashcardsVC_iPad", &FlashcardsVC::classConnections());
    return table;
}

void FlashcardsVC::registerOwners() {
    static std::once_flag once;
    std::call_once(once, [] {
        CardView::registerViewClass();
        for (const ui::ConnectionTable* table :
             {&FlashcardsVC::classConnections(), &FlashcardsVC_iPad::classConnections(),
              &DeckVC::classConnections(), &DeckVC_iPad::classConnections(), &DeckEditVC::classConnections(),
              &DeckEditVC_iPad::classConnections(), &CardListVC::classConnections(),
              &CardsEditVC::classConnections(), &CardEditVC::classConnections(),
              &CardEditVC_iPad::classConnections(), &DeckChooseVC::classConnections(),
              &DeckAddVC::classConnections()})
            ui::ConnectionTable::registerOwner(*table);
    });
}

void FlashcardsVC::init() {
    flashcardServiceAddress_ = FlashcardService::configuredAddress();
    initWithNibName(nibIdentifier());
    animation();
}

void FlashcardsVC::viewDidLoad() {
    if (auto rep = AbstractAppDelegate::sharedRep()) flashcardsSet_ = rep->flashcardsSet();
    if (!flashcardsSet_) flashcardsSet_ = std::make_shared<MFlashcards>();
    refreshRowCount();

    auto self = sharedAs<FlashcardsVC>();
    using Parts = FlashcardsScreenParts;
    mainBtn_ = Parts::key(ui::BarButtonItem::withTitle(kMainTitle), self, &FlashcardsVC::done);
    flexibleSpaceBtn_ = ui::BarButtonItem::flexibleSpace();
    addBtn_ = Parts::key(ui::BarButtonItem::withSystemItem(ui::BarButtonSystemItem::Add), self,
                         &FlashcardsVC::addDeck);
    editBtn_ = Parts::key(ui::BarButtonItem::withSystemItem(ui::BarButtonSystemItem::Edit), self,
                          &FlashcardsVC::edit);
    showNormalToolbar(false);

    decksTableView->setDataSource(sharedAs<FlashcardsVC>());
    decksTableView->setDelegate(sharedAs<FlashcardsVC>());
    decksTableView->setRowHeight(kRowHeight);
    decksTableView->setAllowsSelectionDuringEditing(true);
    ToolViewController::viewDidLoad();
}

void FlashcardsVC::showNormalToolbar(bool animated) {
    if (toolB()) toolB()->setItems({mainBtn_, flexibleSpaceBtn_, addBtn_, editBtn_}, animated);
}

void FlashcardsVC::refreshRowCount() { numberOfRowsInSection_ = int(flashcardsSet_->decks().size()); }

void FlashcardsVC::reloadLater() { FlashcardsScreenParts::reloadLater(decksTableView, this); }

// ---- Keys

void FlashcardsVC::done(const Sender&) {
    if (isInEditMode_) {
        isInEditMode_ = false;
        mainBtn_->setTitle(kMainTitle);
        showNormalToolbar(false);
        decksTableView->setEditing(false, true);
        reloadLater();
        return;
    }
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<FlashcardsVC>());
}

void FlashcardsVC::edit(const Sender&) {
    isInEditMode_ = true;
    mainBtn_->setTitle(kDoneTitle);
    if (toolB()) toolB()->setItems({mainBtn_}, true);
    decksTableView->setEditing(true, true);
    reloadLater();
}

bool FlashcardsVC::offersService() const {
    return FlashcardService::usableBase(flashcardServiceAddress_).has_value();
}

void FlashcardsVC::addDeck(const Sender&) {
    std::vector<std::string> choices{kAddCustomDeckTitle};
    if (offersService()) choices.push_back(kAddQuizletDeckTitle);
    auto sheet = ui::make<ui::ActionSheet>(std::string(), sharedAs<FlashcardsVC>(), "Cancel", std::string(),
                                           std::move(choices));
    sheet->setActionSheetStyle(ui::ActionSheetStyle::BlackOpaque);
    sheet->showInView(view());
}

void FlashcardsVC::actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) {
    if (buttonIndex == sheet.firstOtherButtonIndex())
        addCustomDeck();
    else if (buttonIndex == sheet.firstOtherButtonIndex() + 1 && offersService())
        addQuizletsDeck();
}

void FlashcardsVC::resetDeck(const Sender& sender) {
    theResetButton_ = std::dynamic_pointer_cast<ui::View>(sender);
    auto alert = ui::make<ui::AlertView>(kResetTitle, kResetMessage, sharedAs<FlashcardsVC>(), "Cancel",
                                         std::vector<std::string>{"Delete"});
    alert->show();
}

void FlashcardsVC::alertViewDidDismiss(ui::AlertView&, int buttonIndex) {
    std::shared_ptr<ui::View> key = std::move(theResetButton_);
    if (buttonIndex == 0 || !key) return;
    // The key sits three levels below its cell: its box, the cell's content view, the cell.
    std::shared_ptr<ui::View> cell = key;
    for (int level = 0; level < 3 && cell; ++level) cell = cell->superview();
    auto tableCell = std::dynamic_pointer_cast<ui::TableViewCell>(cell);
    if (!tableCell) return;
    for (const auto& path : decksTableView->indexPathsForVisibleRows()) {
        if (decksTableView->cellForRow(path) != tableCell) continue;
        if (path.row >= 0 && path.row < int(flashcardsSet_->decks().size()))
            flashcardsSet_->decks()[std::size_t(path.row)]->clearHistory();
        decksTableView->reloadData();
        return;
    }
}

// ---- Children

std::shared_ptr<DeckVC> FlashcardsVC::makeDeckVC(const std::shared_ptr<MDeck>& deck) {
    return ui::make<DeckVC>(deck);
}
std::shared_ptr<DeckVC> FlashcardsVC_iPad::makeDeckVC(const std::shared_ptr<MDeck>& deck) {
    return ui::make<DeckVC_iPad>(deck);
}
std::shared_ptr<DeckEditVC> FlashcardsVC::makeDeckEditVC() {
    return ui::make<DeckEditVC>(flashcardsSet_, flashcardsSet_->lastID_forCustomDeck());
}
std::shared_ptr<DeckEditVC> FlashcardsVC_iPad::makeDeckEditVC() {
    return ui::make<DeckEditVC_iPad>(flashcardsSet(), flashcardsSet()->lastID_forCustomDeck());
}

void FlashcardsVC::forward(int row) {
    if (row < 0 || row >= int(flashcardsSet_->decks().size())) return;
    const auto& deck = flashcardsSet_->decks()[std::size_t(row)];
    if (deck->flashcards().empty() || !canOpenSubview()) return;
    deckVC_ = makeDeckVC(deck);
    registerMainChildDoneHandler(&FlashcardsVC::didObtainDeckVCBackNotification, DeckVC::kDoneNotification,
                                 deckVC_);
}

void FlashcardsVC::editDeck(int row) {
    if (row < 0 || row >= int(flashcardsSet_->decks().size()) || !canOpenSubview()) return;
    cardsEditVC_ = ui::make<CardsEditVC>(flashcardsSet_->decks()[std::size_t(row)], flashcardsSet_);
    registerMainChildDoneHandler(&FlashcardsVC::didObtainCardsEditVCBackNotification,
                                 CardsEditVC::kDoneNotification, cardsEditVC_);
}

void FlashcardsVC::addCustomDeck() {
    if (!canOpenSubview()) return;
    deckEditVC_ = makeDeckEditVC();
    registerMainChildDoneHandler(&FlashcardsVC::didObtainDeckEditVCBackNotification,
                                 DeckEditVC::kDoneNotification, deckEditVC_);
}

void FlashcardsVC::addQuizletsDeck() {
    if (!canOpenSubview() || !offersService()) return;
    deckChooseVC_ = ui::make<DeckChooseVC>(flashcardsSet_, flashcardsSet_->lastID_forQuizletDeck(),
                                           flashcardServiceAddress_);
    registerMainChildDoneHandler(&FlashcardsVC::didObtainDeckChooseVCBackNotification,
                                 DeckChooseVC::kDoneNotification, deckChooseVC_);
}

void FlashcardsVC::didObtainDeckVCBackNotification(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, deckVC_)) return;
    deckVC_.reset();
    decksTableView->reloadData();
}

void FlashcardsVC::didObtainCardsEditVCBackNotification(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, cardsEditVC_)) return;
    cardsEditVC_.reset();
    refreshRowCount();
    decksTableView->reloadData();
}

void FlashcardsVC::didObtainDeckEditVCBackNotification(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, deckEditVC_)) return;
    deckEditVC_.reset();
    takeAddedDecks();
}

void FlashcardsVC::takeAddedDecks() {
    refreshRowCount();
    decksTableView->reloadData();
    // The counter follows the deck the child appended, and only from the range of its kind: a deck
    // of another kind listed last must not move it (the collection checks the range).
    if (!flashcardsSet_->decks().empty())
        flashcardsSet_->noteDeckIdentifier(flashcardsSet_->decks().back()->ID());
}

void FlashcardsVC::didObtainDeckChooseVCBackNotification(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, deckChooseVC_)) return;
    deckChooseVC_.reset();
    takeAddedDecks();
}

// ---- Table

int FlashcardsVC::numberOfRows(ui::TableView&, int) { return numberOfRowsInSection_; }

std::shared_ptr<ui::TableViewCell> FlashcardsVC::cellForRow(ui::TableView& table,
                                                            const ui::IndexPath& indexPath) {
    auto cell = FlashcardsScreenParts::cell(table, cellIdentifier(), *this, theCell);
    const auto& decks = flashcardsSet_->decks();
    if (indexPath.row < 0 || indexPath.row >= int(decks.size())) return cell;
    const MDeck& deck = *decks[std::size_t(indexPath.row)];
    if (auto background = cell->viewWithTag(1))
        background->setBackgroundColor(FlashcardsScreenParts::rowColor(isInEditMode_, indexPath.row));
    if (auto picture = std::dynamic_pointer_cast<ui::ImageView>(cell->viewWithTag(2)))
        picture->setImage(deck.image());
    if (auto title = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(3))) title->setText(deck.title());
    if (auto text = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(4)))
        text->setText(deck.description());
    if (auto count = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(5)))
        count->setText(std::to_string(deck.flashcards().size()));
    if (auto known = std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(6)))
        known->setText(percentText(deck.knownPercentage()));
    if (auto editPart = cell->viewWithTag(7)) editPart->setHidden(!isInEditMode_);
    return cell;
}

void FlashcardsVC::moveRow(ui::TableView&, const ui::IndexPath& from, const ui::IndexPath& to) {
    FlashcardsScreenParts::move(flashcardsSet_->decks(), from.row, to.row);
}

ui::TableViewCellEditingStyle FlashcardsVC::editingStyleForRow(ui::TableView&, const ui::IndexPath&) {
    return ui::TableViewCellEditingStyle::None;
}

void FlashcardsVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    if (!isInEditMode_) return forward(indexPath.row);
    const auto& decks = flashcardsSet_->decks();
    if (indexPath.row < 0 || indexPath.row >= int(decks.size())) return;
    if (!decks[std::size_t(indexPath.row)]->isPermanent()) editDeck(indexPath.row);
}

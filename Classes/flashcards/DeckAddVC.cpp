#include "Classes/flashcards/DeckAddVC.h"

#include <algorithm>

#include "Classes/flashcards/FlashcardsScreenParts.h"
#include "Classes/flashcards/MDeck.h"
#include "Classes/flashcards/MFlashcards.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/WhileAlive.h"
#include "platform/ui/Application.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Make.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/Window.h"

const ui::ConnectionTable& DeckAddVC::classConnections() {
    static const ui::ConnectionTable table = ui::ConnectionTable("DeckAddVC", &CardListVC::classConnections())
                                                 .action("done:", &DeckAddVC::done)
                                                 .action("editDeckInfo:", &CardListVC::editDeckInfo);
    return table;
}

void DeckAddVC::init(std::shared_ptr<MDeck> deck, std::shared_ptr<MFlashcards> flashcards) {
    setDeck(std::move(deck));
    flashcards_ = std::move(flashcards);
    initWithNibName(nibIdentifier());
    animation();
}

bool DeckAddVC::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) {
    return orientation == ui::InterfaceOrientation::Portrait;
}

void DeckAddVC::viewDidLoad() {
    auto self = sharedAs<DeckAddVC>();
    using Parts = FlashcardsScreenParts;
    cancelBtn_ = Parts::key(ui::BarButtonItem::withTitle("Cancel"), self, &DeckAddVC::done);
    flexibleSpaceBtn_ = ui::BarButtonItem::flexibleSpace();
    addDeckBtn_ = Parts::key(ui::BarButtonItem::withTitle(kAddTitle, ui::BarButtonItemStyle::Done), self,
                             &DeckAddVC::done);
    Parts::showKeys(toolB().get(), {cancelBtn_, flexibleSpaceBtn_, addDeckBtn_});
    editDeckInfoBtn_ = Parts::key(ui::BarButtonItem::withTitle(kEditDeckInfoTitle), sharedAs<CardListVC>(),
                                  &CardListVC::editDeckInfo);
    Parts::showKeys(bottomToolB.get(), {editDeckInfoBtn_});
    stretchEditDeckInfoBtn();
    fnd::NotificationCenter::defaultCenter().addObserver(
        sharedAs<fnd::Object>(), std::string(kDidRotateNotification), nullptr,
        fnd::whileAlive(*this, &DeckAddVC::didRotateHandler));
    setUpTable();
    CardListVC::viewDidLoad();
}

void DeckAddVC::didRotateHandler() { stretchEditDeckInfoBtn(); }

void DeckAddVC::stretchEditDeckInfoBtn() {
    std::vector<std::shared_ptr<ui::Window>> windows = ui::Application::shared().windows();
    if (windows.empty() || !editDeckInfoBtn_) return;
    ui::Size window = windows.front()->bounds().size;
    bool upright = ui::isPortrait(ui::Application::shared().statusBarOrientation());
    editDeckInfoBtn_->setWidth((upright ? window.width : window.height) - kEditInfoMargin);
}

void DeckAddVC::done(const Sender& sender) {
    if (!sender || (sender != cancelBtn_ && sender != addDeckBtn_)) return;
    if (sender == addDeckBtn_) {
        auto& decks = flashcards_->decks();
        if (std::find(decks.begin(), decks.end(), deck()) == decks.end()) decks.push_back(deck());
    }
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<DeckAddVC>());
}

void DeckAddVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
}

#pragma once
// The flashcards tool: the list of decks (built-in, shared, the user's own and imported ones) with
// each deck's picture, title, description, card count and known percentage. A tap opens the card
// viewer on a deck that has cards. In edit mode the rows move (that order is the decks' stored
// order), a deck that is not built in opens its card list, and each row's reset key clears that
// deck's history after a confirmation. The add key offers a new deck of the user's own and, when a
// flashcard-sharing service is configured, decks imported from it.
//
// The decks belong to the central repository and are saved with it; the tool keeps no file of its
// own.

#include <memory>
#include <string>

#include "Classes/core/ToolViewController.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/TableView.h"

class MFlashcards;
class DeckVC;
class DeckEditVC;
class CardsEditVC;
class DeckChooseVC;

namespace ui {
class BarButtonItem;
class Button;
}  // namespace ui

class FlashcardsVC : public ToolViewController,
                     public ui::TableViewDataSource,
                     public ui::TableViewDelegate,
                     public ui::ActionSheetDelegate,
                     public ui::AlertViewDelegate {
  public:
    static constexpr double kRowHeight = 85;
    static constexpr const char* kMainTitle = "Main";
    static constexpr const char* kDoneTitle = "Done";
    static constexpr const char* kAddCustomDeckTitle = "Add Custom Deck";
    static constexpr const char* kAddQuizletDeckTitle = "Add Quizlet's Deck";
    static constexpr const char* kResetTitle = "Confirm Reset";
    static constexpr const char* kResetMessage = "Are you sure you want to delete history for this deck?";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    // Registers the card view's class and the owner tables of the tool's screens.
    static void registerOwners();

    std::string nibIdentifier() const override { return "FlashcardsView"; }
    std::string cellIdentifier() const override { return "DeckCell"; }

    using ToolViewController::init;
    void init() override;
    void viewDidLoad() override;

    // ---- Keys

    void done(const Sender& sender);
    void edit(const Sender& sender);
    void addDeck(const Sender& sender);
    // A row's reset key: asks before the deck's history goes.
    void resetDeck(const Sender& sender);

    // ---- Children

    void forward(int row);
    void editDeck(int row);
    void addCustomDeck();
    // The sharing service's search, when a child may open.
    void addQuizletsDeck();
    void didObtainDeckVCBackNotification(const fnd::Notification& notification);
    void didObtainCardsEditVCBackNotification(const fnd::Notification& notification);
    void didObtainDeckEditVCBackNotification(const fnd::Notification& notification);
    void didObtainDeckChooseVCBackNotification(const fnd::Notification& notification);

    // ---- Table

    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    bool canEditRow(ui::TableView&, const ui::IndexPath&) override { return true; }
    bool canMoveRow(ui::TableView&, const ui::IndexPath&) override { return true; }
    void moveRow(ui::TableView&, const ui::IndexPath& from, const ui::IndexPath& to) override;
    double heightForRow(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;
    ui::TableViewCellEditingStyle editingStyleForRow(ui::TableView&, const ui::IndexPath&) override;
    bool shouldIndentWhileEditingRow(ui::TableView&, const ui::IndexPath&) override { return false; }

    void actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) override;
    void alertViewDidDismiss(ui::AlertView& alert, int buttonIndex) override;

    // ---- Fields

    const std::shared_ptr<MFlashcards>& flashcardsSet() const { return flashcardsSet_; }
    bool isInEditMode() const { return isInEditMode_; }
    int numberOfRowsInSection() const { return numberOfRowsInSection_; }
    const std::shared_ptr<DeckVC>& deckVC() const { return deckVC_; }
    const std::shared_ptr<DeckEditVC>& deckEditVC() const { return deckEditVC_; }
    const std::shared_ptr<CardsEditVC>& cardsEditVC() const { return cardsEditVC_; }
    const std::shared_ptr<DeckChooseVC>& deckChooseVC() const { return deckChooseVC_; }
    // The sharing service the search asks: the configured one unless set (tests set a local one).
    // Without a usable address the add key offers no search.
    const std::string& flashcardServiceAddress() const { return flashcardServiceAddress_; }
    void setFlashcardServiceAddress(std::string address) { flashcardServiceAddress_ = std::move(address); }

    std::shared_ptr<ui::TableView> decksTableView;
    std::shared_ptr<ui::View> theCell;

  protected:
    // The viewer and the deck editor of the device.
    virtual std::shared_ptr<DeckVC> makeDeckVC(const std::shared_ptr<class MDeck>& deck);
    virtual std::shared_ptr<DeckEditVC> makeDeckEditVC();

  private:
    void showNormalToolbar(bool animated);
    void reloadLater();
    void refreshRowCount();
    bool offersService() const;
    // After a child that may have appended decks: the list follows and the counters rise.
    void takeAddedDecks();

    std::shared_ptr<MFlashcards> flashcardsSet_;
    int numberOfRowsInSection_ = 0;
    std::shared_ptr<ui::BarButtonItem> mainBtn_, flexibleSpaceBtn_, editBtn_, addBtn_;
    std::shared_ptr<DeckVC> deckVC_;
    std::shared_ptr<DeckEditVC> deckEditVC_;
    std::shared_ptr<CardsEditVC> cardsEditVC_;
    std::shared_ptr<DeckChooseVC> deckChooseVC_;
    std::string flashcardServiceAddress_;
    bool isInEditMode_ = false;
    std::shared_ptr<ui::View> theResetButton_;
};

class FlashcardsVC_iPad : public FlashcardsVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(FlashcardsVC::nibIdentifier()); }
    std::string cellIdentifier() const override { return tabletName(FlashcardsVC::cellIdentifier()); }

  protected:
    std::shared_ptr<DeckVC> makeDeckVC(const std::shared_ptr<MDeck>& deck) override;
    std::shared_ptr<DeckEditVC> makeDeckEditVC() override;
};

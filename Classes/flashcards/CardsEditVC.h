#pragma once
// The card list of a deck that is not built in, always in edit mode: a tap on a card opens it in
// the card editor, the add key appends a new card (its identifier one above the largest, so none
// repeats after deletions) and opens it, rows move (the ordered sequence follows) and delete (with
// the card's picture file). The bottom bar opens the deck's information and deletes the whole deck
// (with its picture files) after a confirmation. Shared decks get neither the add key nor the
// delete key.

#include <memory>
#include <string>

#include "Classes/flashcards/CardListVC.h"
#include "platform/ui/ActionSheet.h"

class CardEditVC;
class DeckEditVC;
class MDeck;
class MFlashcards;

namespace ui {
class BarButtonItem;
class Toolbar;
}  // namespace ui

class CardsEditVC : public CardListVC, public ui::ActionSheetDelegate {
  public:
    static constexpr const char* kDoneNotification = "CardsEditVC_Done_Notification";
    static constexpr const char* kDeleteDeckTitle = "Are you sure you want to delete the deck?";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return nibNameForDevice("CardsEditView"); }

    // "initWithDeck:FromArray:".
    void init(std::shared_ptr<MDeck> deck, std::shared_ptr<MFlashcards> flashcards);
    using CardListVC::init;
    void viewDidLoad() override;

    void done(const Sender& sender);
    void edit(const Sender& sender);
    void addCard(const Sender& sender);
    void deleteTheDeck(const Sender& sender);
    void editCard(int row);
    void didObtainCardEditVCBackNotification(const fnd::Notification& notification);

    bool canEditRow(ui::TableView&, const ui::IndexPath&) override { return true; }
    void commitEditingStyle(ui::TableView& table, ui::TableViewCellEditingStyle style,
                            const ui::IndexPath& indexPath) override;
    bool canMoveRow(ui::TableView&, const ui::IndexPath&) override { return true; }
    void moveRow(ui::TableView&, const ui::IndexPath& from, const ui::IndexPath& to) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;
    bool shouldIndentWhileEditingRow(ui::TableView&, const ui::IndexPath&) override { return false; }

    void actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) override;

    bool isInEditMode() const { return isInEditMode_; }
    const std::shared_ptr<CardEditVC>& cardEditVC() const { return cardEditVC_; }

  protected:
    bool rowsInEditMode() const override { return isInEditMode_; }

  private:
    std::shared_ptr<MFlashcards> flashcards_;
    std::shared_ptr<ui::BarButtonItem> doneBtn_, flexibleSpaceBtn_, editBtn_, addBtn_;
    std::shared_ptr<ui::BarButtonItem> editDeckInfoBtn_, deleteDeckBtn_;
    std::shared_ptr<CardEditVC> cardEditVC_;
    bool isInEditMode_ = false;
};

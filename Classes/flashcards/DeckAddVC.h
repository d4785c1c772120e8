#pragma once
// The preview of a deck about to be imported from the sharing service: its cards listed one a
// row, its information open to the deck editor, and the keys that add it to the collection or
// leave it out. Either key ends the preview; only the add key changes the collection.

#include <memory>
#include <string>

#include "Classes/flashcards/CardListVC.h"

class MFlashcards;

namespace ui {
class BarButtonItem;
}

class DeckAddVC : public CardListVC {
  public:
    static constexpr const char* kDoneNotification = "DeckAddVC_Done_Notification";
    static constexpr const char* kDidRotateNotification = "DidRotateFromInterfaceOrientation_Notification";
    static constexpr const char* kAddTitle = "Add";
    static constexpr const char* kEditDeckInfoTitle = "Edit Deck Info";
    // The edit-info key spans the bottom bar but for this much.
    static constexpr double kEditInfoMargin = 12;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "QuizletSetView"; }

    // "initWithDeck:toAddIntoArray:": the deck goes at the end of the collection's decks when added.
    void init(std::shared_ptr<MDeck> deck, std::shared_ptr<MFlashcards> flashcards);
    using CardListVC::init;
    void viewDidLoad() override;
    // The screen stays upright.
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) override;

    // From the add key: the deck is appended (once) and the preview is done; from the cancel key
    // it is only done; any other sender does nothing.
    void done(const Sender& sender);
    // The edit-info key follows the window after a rotation.
    void didRotateHandler();
    // The key's width: the window's width less kEditInfoMargin upright, its height less the
    // margin turned.
    void stretchEditDeckInfoBtn();

    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;

    const std::shared_ptr<ui::BarButtonItem>& cancelBtn() const { return cancelBtn_; }
    const std::shared_ptr<ui::BarButtonItem>& addDeckBtn() const { return addDeckBtn_; }
    const std::shared_ptr<ui::BarButtonItem>& editDeckInfoBtn() const { return editDeckInfoBtn_; }

  private:
    std::shared_ptr<MFlashcards> flashcards_;
    std::shared_ptr<ui::BarButtonItem> cancelBtn_, flexibleSpaceBtn_, addDeckBtn_, editDeckInfoBtn_;
};

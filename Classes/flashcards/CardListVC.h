#pragma once
// The base of the screens that list a deck's cards, one row per card from "CardCell" (its number,
// question and answer), and open the deck editor on the deck's information: the card-list editor
// and the preview of a deck about to be imported.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/TableView.h"

class DeckEditVC;
class MDeck;

namespace ui {
class Toolbar;
}  // namespace ui

class CardListVC : public SliddenViewController,
                   public ui::TableViewDataSource,
                   public ui::TableViewDelegate {
  public:
    // The parts of a card's row, by view tag.
    static constexpr int kBackgroundTag = 1;
    static constexpr int kNumberTag = 2;
    static constexpr int kQuestionTag = 3;
    static constexpr int kAnswerTag = 4;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string cellIdentifier() const override { return "CardCell"; }

    // Opens the deck editor (the tablet's on the tablet) on the deck's information.
    void editDeckInfo(const Sender& sender);
    // The editor's done handler: it only goes.
    void didObtainDeckEditVCBackNotification(const fnd::Notification& notification);

    int numberOfRows(ui::TableView&, int) override { return numberOfRowsInSection_; }
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    double heightForRow(ui::TableView&, const ui::IndexPath&) override;

    const std::shared_ptr<MDeck>& deck() const { return deck_; }
    const std::shared_ptr<DeckEditVC>& deckEditVC() const { return deckEditVC_; }

    std::shared_ptr<ui::TableView> cardsTableView;
    std::shared_ptr<ui::Toolbar> bottomToolB;
    std::shared_ptr<ui::View> theCell;

  protected:
    void setDeck(std::shared_ptr<MDeck> deck) { deck_ = std::move(deck); }
    // The table takes the screen as its source and delegate and counts the deck's cards.
    void setUpTable();
    // The row count follows the deck's cards and the table reloads.
    void refresh();
    // Rows drawn for editing are all white; others alternate with light grey.
    virtual bool rowsInEditMode() const { return false; }

  private:
    std::shared_ptr<MDeck> deck_;
    std::shared_ptr<DeckEditVC> deckEditVC_;
    int numberOfRowsInSection_ = 0;
};

#pragma once
// The card editor: a card's question and answer. A new card is already the last of its deck while
// the editor is open, and Cancel takes it out again; "Create" or "Confirm" need a question and keep
// an empty answer as none (a card that does not turn over).

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/TextView.h"

class MDeck;
class MFlashcard;

namespace ui {
class BarButtonItem;
class Label;
class ScrollView;
}  // namespace ui

class CardEditVC : public SliddenViewController, public ui::TextViewDelegate {
  public:
    static constexpr const char* kDoneNotification = "CardEditVC_Done_Notification";
    static constexpr const char* kCardCreatedTipEvent = "TipsEvent_CustomFCCreated";
    static constexpr double kBottomSpace = 228;
    static constexpr double kFormHeight = 460;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "CardEditView"; }

    // "initWithCard:": edits the card.
    void init(std::shared_ptr<MFlashcard> card);
    // "initWithCardsArray:": edits the deck's last card, a new one.
    void init(std::shared_ptr<MDeck> deck);
    using SliddenViewController::init;
    void viewDidLoad() override;

    void done(const Sender& sender);

    bool textViewShouldBeginEditing(ui::TextView& view) override;
    bool textViewShouldChangeText(ui::TextView& view, ui::TextRange range, const std::string& text) override;

    bool isCreating() const { return deck_ != nullptr; }
    const std::shared_ptr<MFlashcard>& card() const { return card_; }
    const std::shared_ptr<ui::BarButtonItem>& cancelBtn() const { return cancelBtn_; }
    const std::shared_ptr<ui::BarButtonItem>& createConfirmBtn() const { return createConfirmBtn_; }

    std::shared_ptr<ui::ScrollView> generalScrollView;
    std::shared_ptr<ui::Label> idLabel;
    std::shared_ptr<ui::TextView> questionTextView, answerTextView;

  protected:
    // Keeps the edited view in sight on the phone; the tablet's form does not scroll.
    virtual void resetContentOffset(const ui::View& view, double bottomSpace);

  private:
    std::shared_ptr<MDeck> deck_;
    std::shared_ptr<MFlashcard> card_;
    std::shared_ptr<ui::BarButtonItem> cancelBtn_, flexibleSpaceBtn_, createConfirmBtn_;
};

class CardEditVC_iPad : public CardEditVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(CardEditVC::nibIdentifier()); }
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation) override { return true; }

  protected:
    void resetContentOffset(const ui::View&, double) override {}
};

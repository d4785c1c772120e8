#pragma once
// The deck editor: creates a deck of the user's own, or edits a deck's creator, title, description
// and keywords, and (for the user's own and imported decks) the looks of its two sides. Each side's
// look is previewed on a small card inside its key, which steps to the next look; the change shows
// at once and Cancel brings back the looks the deck had. The texts reach the deck only on "Create"
// or "Confirm", which need a title. Shared decks keep their look: no previews, no style keys.

#include <cstdint>
#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"

class CardView;
class DeckVC;
class MCustomFC;
class MDeck;
class MFlashcards;

namespace ui {
class BarButtonItem;
class Button;
class ScrollView;
}  // namespace ui

class DeckEditVC : public SliddenViewController,
                   public ui::TextFieldDelegate,
                   public ui::TextViewDelegate,
                   public ui::AlertViewDelegate {
  public:
    static constexpr const char* kDoneNotification = "DeckEditVC_Done_Notification";
    static constexpr const char* kFaceSample = "Face text";
    static constexpr const char* kBackSample =
        "Back text. </p> First sentence of the first paragraph. And the second sentence of the first "
        "paragraph. </p> Second paragraph: first and only sentence. ";
    static constexpr double kShrinkDuration = 0.1;
    static constexpr double kBottomSpace = 228;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "DeckEditView"; }

    // "initWithDecksArray:andLastID:": a new deck of the user's own, identifier lastID + 1,
    // appended to the collection's decks on "Create".
    void init(std::shared_ptr<MFlashcards> flashcards, std::uint32_t lastID);
    // "initWithDeck:": the deck's information.
    void init(std::shared_ptr<MDeck> deck);
    using SliddenViewController::init;
    void viewDidLoad() override;
    void close() override;

    void done(const Sender& sender);
    void changeStyle(const Sender& sender);

    bool textFieldShouldBeginEditing(ui::TextField& field) override;
    bool textFieldShouldReturn(ui::TextField& field) override;
    bool textViewShouldBeginEditing(ui::TextView& view) override;
    bool textViewShouldEndEditing(ui::TextView& view) override;
    bool textViewShouldChangeText(ui::TextView& view, ui::TextRange range, const std::string& text) override;
    // Scrolls the form so that the view's bottom stays `bottomSpace` above the form's bottom.
    void resetContentOffset(const ui::View& view, double bottomSpace);
    virtual double cardShrinkRatio() const { return 0.275; }

    bool isCreating() const { return flashcards_ != nullptr; }
    const std::shared_ptr<MDeck>& deck() const { return deck_; }
    const std::shared_ptr<CardView>& faceCardView() const { return faceCardView_; }
    const std::shared_ptr<CardView>& backCardView() const { return backCardView_; }
    const std::shared_ptr<ui::BarButtonItem>& cancelBtn() const { return cancelBtn_; }
    const std::shared_ptr<ui::BarButtonItem>& createConfirmBtn() const { return createConfirmBtn_; }

    std::shared_ptr<ui::ScrollView> generalScrollView;
    std::shared_ptr<ui::TextField> creatorTextField, titleTextField;
    std::shared_ptr<ui::TextView> descriptionTextView, keywordsTextView;
    std::shared_ptr<ui::Button> faceStyleBtn, backStyleBtn;

  protected:
    virtual std::shared_ptr<DeckVC> makePreviewVC() const;
    // The form's visible height the scrolling reckons with.
    virtual double formHeight() const { return 460; }

  private:
    void placePreview(const std::shared_ptr<CardView>& card, ui::Button& key);
    void applyFaceStyle();
    void applyBackStyle();
    std::shared_ptr<MCustomFC> styledDeck() const;

    std::shared_ptr<MFlashcards> flashcards_;
    std::shared_ptr<MDeck> deck_;
    std::shared_ptr<DeckVC> deckVC_;
    std::shared_ptr<CardView> faceCardView_, backCardView_;
    std::shared_ptr<ui::BarButtonItem> cancelBtn_, flexibleSpaceBtn_, createConfirmBtn_;
    std::uint32_t initialFaceStyleIndex_ = 0, initialBackStyleIndex_ = 0;
};

class DeckEditVC_iPad : public DeckEditVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(DeckEditVC::nibIdentifier()); }
    double cardShrinkRatio() const override { return 0.4296875; }
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation) override { return true; }

  protected:
    std::shared_ptr<DeckVC> makePreviewVC() const override;
    double formHeight() const override { return 1004; }
};

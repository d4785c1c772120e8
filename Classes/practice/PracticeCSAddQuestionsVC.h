#pragma once
// Adds questions to a custom set from text written in the question markup (QuestionMarkup): the
// user pastes or types it into the text view and presses the add key; every piece that reads whole
// and is not in the set yet becomes a question, the title shows the set's new size, and the text
// stays for another try. "Done" is posted by the done key; the set editor refreshes then. A text
// longer than the reader takes at once (QuestionMarkup::kMaxTextLength) is refused with a message:
// a paste that would make it so does not go in, and such a text is not read.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/TextView.h"

class MQSet;
namespace ui {
class AlertView;
class Label;
}  // namespace ui

class PracticeCSAddQuestionsVC : public SliddenViewController, public ui::TextViewDelegate {
  public:
    static constexpr double kCornerRadius = 8;
    static constexpr const char* kTooLongTitle = "Text too long";
    static constexpr const char* kTooLongMessage =
        "Questions can be added from at most 1 MB of text at a time. Please add them in parts.";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return "PracticeCSAddQuestionsView"; }

    using SliddenViewController::init;
    // "initWithQSet:".
    void init(std::shared_ptr<MQSet> set);
    // Without a keyboard drawn by the display, the key that puts it away is left off the bar.
    void viewDidLoad() override;

    // Ends the typing: the text view gives up the keyboard.
    void doneEdit(const Sender& sender = nullptr);
    void addQuestions(const Sender& sender = nullptr);
    void doneClick(const Sender& sender = nullptr);

    bool textViewShouldChangeText(ui::TextView& view, ui::TextRange range, const std::string& text) override;

    const std::shared_ptr<ui::Label>& nameLbl() const { return nameLbl_; }
    const std::shared_ptr<ui::TextView>& textV() const { return textV_; }
    const std::shared_ptr<MQSet>& customSet() const { return customSet_; }

  private:
    void updateTitle();
    void showTooLong();
    void removeDoneEditKey();

    std::shared_ptr<ui::Label> nameLbl_;
    std::shared_ptr<ui::TextView> textV_;
    std::shared_ptr<MQSet> customSet_;
    std::shared_ptr<ui::AlertView> tooLongAlert_;
};

class PracticeCSAddQuestionsVC_iPad : public PracticeCSAddQuestionsVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override {
        return tabletName(PracticeCSAddQuestionsVC::nibIdentifier());
    }
};

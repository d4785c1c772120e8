#pragma once
// Makes a custom question set from a name and a description. The create key is enabled only
// while both are filled and an identifier is free (CustomSets); it is looked at when the screen
// loads, when the name's return key is pressed, when the description's editing ends, and when a
// line break is typed in the description, which is refused (a description is one paragraph) and
// puts the keyboard away. "Done" is posted when the set is made or the screen cancelled.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"

namespace ui {
class Button;
}

class PracticeCSAddVC : public SliddenViewController,
                        public ui::TextFieldDelegate,
                        public ui::TextViewDelegate {
  public:
    static constexpr double kCornerRadius = 8;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return "PracticeCSAddView"; }

    void viewDidLoad() override;

    bool textFieldShouldReturn(ui::TextField& field) override;
    void textViewDidEndEditing(ui::TextView& view) override;
    bool textViewShouldChangeText(ui::TextView& view, ui::TextRange range, const std::string& text) override;
    void showCreateBtn();
    void createCSet(const Sender& sender = nullptr);
    void doneClick(const Sender& sender = nullptr);

    const std::shared_ptr<ui::TextView>& textV() const { return textV_; }
    const std::shared_ptr<ui::TextField>& textF() const { return textF_; }
    const std::shared_ptr<ui::Button>& createCSetBtn() const { return createCSetBtn_; }

  private:
    std::shared_ptr<ui::TextView> textV_;
    std::shared_ptr<ui::TextField> textF_;
    std::shared_ptr<ui::Button> createCSetBtn_;
};

class PracticeCSAddVC_iPad : public PracticeCSAddVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(PracticeCSAddVC::nibIdentifier()); }
};

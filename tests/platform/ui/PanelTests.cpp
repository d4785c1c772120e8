// Action sheets (their index order, look and answers) and an alert that holds a text field, as the
// practice screens ask for a question number.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/ui/ActionSheet.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Make.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextInput.h"
#include "platform/ui/ViewController.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

using namespace ui;
using testing::ElementsAre;
using testing_support::findByText;
using testing_support::tap;

namespace {

struct Answers : ActionSheetDelegate, AlertViewDelegate {
    std::vector<std::string> calls;
    std::function<void(AlertView&, int)> onAlert;
    void actionSheetClickedButton(ActionSheet& sheet, int i) override {
        calls.push_back("clicked " + std::to_string(i) +
                        (i == sheet.destructiveButtonIndex() ? " (destructive)" : ""));
    }
    void actionSheetWillDismiss(ActionSheet&, int i) override {
        calls.push_back("will " + std::to_string(i));
    }
    void actionSheetDidDismiss(ActionSheet&, int i) override { calls.push_back("did " + std::to_string(i)); }
    void alertViewClickedButton(AlertView& alert, int i) override {
        if (onAlert) onAlert(alert, i);
    }
};

class PanelTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        screen = ui::make<ViewController>();
        window()->setRootViewController(screen);
    }
    std::shared_ptr<View> screenRoot() const { return application().screenView(); }

    std::shared_ptr<ViewController> screen;
    std::shared_ptr<Answers> answers = std::make_shared<Answers>();
};

TEST_F(PanelTest, AnActionSheetNumbersDestructiveFirstAndCancelLastAndRisesFromTheBottom) {
    auto sheet = make<ActionSheet>("Are you sure you want to delete the deck?", answers, "Cancel", "Delete",
                                   std::vector<std::string>{});
    sheet->setActionSheetStyle(ActionSheetStyle::BlackOpaque);
    EXPECT_EQ(sheet->destructiveButtonIndex(), 0);
    EXPECT_EQ(sheet->cancelButtonIndex(), 1);
    EXPECT_EQ(sheet->firstOtherButtonIndex(), -1);

    auto report =
        make<ActionSheet>("", answers, "Cancel", "",
                          std::vector<std::string>{"Report wrong OA", "Report wrong formatting", "Other"});
    EXPECT_EQ(report->destructiveButtonIndex(), -1);
    EXPECT_EQ(report->firstOtherButtonIndex(), 0);
    EXPECT_EQ(report->buttonTitle(2), "Other");
    EXPECT_EQ(report->cancelButtonIndex(), 3);

    sheet->showInView(screen->view());
    std::weak_ptr<ActionSheet> weak = sheet;
    sheet.reset();  // a shown sheet keeps itself
    auto shown = weak.lock();
    ASSERT_TRUE(shown && shown->isVisible());
    // Across the screen's width, its bottom at the screen's bottom once it has risen.
    EXPECT_EQ(shown->frame().size.width, 320);
    EXPECT_EQ(shown->frame().maxY(), 480);
    EXPECT_GT(shown->presentedFrame(loop->now()).minY(), 479);
    EXPECT_LT(shown->button(0)->frame().minY(), shown->button(1)->frame().minY());  // cancel at the bottom
    EXPECT_EQ(shown->button(0)->backgroundColor(), Color::rgb(0.80, 0.10, 0.10));
    runFor(ActionSheet::kShowDuration);
    EXPECT_EQ(screenRoot()->hitTest({160, 100}) == screen->view(), false);  // the screen behind is covered

    tap(*findByText(screenRoot(), "Delete"));
    EXPECT_THAT(answers->calls, ElementsAre("clicked 0 (destructive)", "will 0"));
    shown.reset();
    runFor(ModalPanel::kDismissDuration);
    EXPECT_THAT(answers->calls, ElementsAre("clicked 0 (destructive)", "will 0", "did 0"));
    EXPECT_TRUE(weak.expired());
    EXPECT_FALSE(findByText(screenRoot(), "Are you sure you want to delete the deck?"));
}

TEST_F(PanelTest, OnTheTabletTheSheetStandsInTheMiddleOfItsView) {
    launch(Idiom::Tablet);
    window()->setRootViewController(screen);
    auto sheet = make<ActionSheet>("", answers, "Cancel", "",
                                   std::vector<std::string>{"Add Bookmark", "Add RSS-channel"});
    int extra = sheet->addButton("Later");
    EXPECT_EQ(extra, 3);  // after cancel
    sheet->showInView(screen->view());
    Rect area = screen->view()->convertTo(screen->view()->bounds(), nullptr);
    EXPECT_EQ(sheet->frame().size.width, ActionSheet::kTabletWidth);
    EXPECT_NEAR(sheet->convertTo(sheet->bounds(), nullptr).midY(), area.midY(), 1e-9);
    // Cancel stays at the bottom even with a button added after it.
    EXPECT_GT(sheet->button(2)->frame().minY(), sheet->button(3)->frame().minY());
    tap(*findByText(screenRoot(), "Add RSS-channel"));
    EXPECT_THAT(answers->calls, ElementsAre("clicked 1", "will 1"));
}

// The go-to alert: a number field inside the alert, which is moved 55 points down.
TEST_F(PanelTest, AnAlertCarriesATextFieldAddedToItAndTheAnswerReadsIt) {
    std::string asked;
    std::shared_ptr<TextField> field;
    answers->onAlert = [&](AlertView&, int index) {
        if (index == 1) asked = field->text();
        field->resignFirstResponder();
    };
    auto alert =
        make<AlertView>("Go to question number", " ", answers, "Cancel", std::vector<std::string>{"OK"});
    field = make<TextField>(Rect{20, 45, 245, 25});
    alert->addSubview(field);
    alert->setTransform(AffineTransform::translation(0, 55));
    alert->show();
    ASSERT_TRUE(field->becomeFirstResponder());
    EXPECT_TRUE(Keyboard::shared().isVisible());

    // The field lies between the message and the buttons, and stays where it was put.
    EXPECT_EQ(field->frame(), (Rect{20, 45, 245, 25}));
    EXPECT_GT(alert->button(1)->frame().minY(), field->frame().maxY());
    // The alert is 55 points below the middle of the screen.
    EXPECT_NEAR(alert->frame().midY(), 240 + 55, 1e-9);

    field->input()->displayDidEditText("12", 2, 0);
    tap(*alert->button(1));
    EXPECT_EQ(asked, "12");
    EXPECT_FALSE(Keyboard::shared().isVisible());
    runFor(ModalPanel::kDismissDuration);
    EXPECT_FALSE(alert->isVisible());
    EXPECT_EQ(alert->superview(), nullptr);
}

TEST_F(PanelTest, CancellingTheAlertTakesTheKeyboardAwayWithTheField) {
    auto alert =
        make<AlertView>("Go to question number", " ", answers, "Cancel", std::vector<std::string>{"OK"});
    auto field = make<TextField>(Rect{20, 45, 245, 25});
    alert->addSubview(field);
    alert->show();
    ASSERT_TRUE(field->becomeFirstResponder());
    tap(*alert->button(0));
    runFor(ModalPanel::kDismissDuration);
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_FALSE(Keyboard::shared().isVisible());
}

}  // namespace

// The custom section's editor and its keypad, opened from the timer screen: the digit rules, the
// presets, the count direction, and what the timer keeps on Done and on Cancel.

#include <gtest/gtest.h>

#include "Classes/timer/CustomEditKeyboardVC.h"
#include "Classes/timer/CustomEditVC.h"
#include "Classes/timer/CustomEditVC_iPad.h"
#include "platform/ui/Device.h"
#include "platform/ui/SegmentedControl.h"
#include "tests/Classes/timer/TimerScreenSupport.h"
#include "tests/support/ViewTestSupport.h"

namespace timer_test {
namespace {

class TimerEditor : public TimerScreenTest {
  protected:
    // The timer on a ready custom section of 37 questions in 4477 s (121 s each), from 1; the
    // editor open over it.
    void openEditor(ui::Idiom idiom = ui::Idiom::Phone) {
        start(idiom);
        rep->timer()->setCustomNumberOfQuestion(37);
        rep->timer()->setCustomTotalTime(37 * 121.0);
        tap(timer->changeModeBtn());
        tap(timer->changeModeBtn());
        tap(timer->customEditBtn());
        editor = std::dynamic_pointer_cast<CustomEditVC>(timer->mainChild());
        ASSERT_TRUE(editor);
    }
    // Taps the field's row, then the keys by their titles.
    void type(const std::shared_ptr<ui::Label>& field, std::initializer_list<const char*> keys) {
        tap(rowOver(field));
        for (const char* key : keys) tapText(key, 0.3);
    }
    // The key lying over a field's row.
    std::shared_ptr<ui::View> rowOver(const std::shared_ptr<ui::Label>& field) {
        for (const auto& view : editor->view()->subviews())
            if (std::dynamic_pointer_cast<ui::Control>(view) && view->frame().contains(field->center()))
                return view;
        ADD_FAILURE() << "no key over the field";
        return nullptr;
    }
    std::string shownValues() {
        return text(editor->numberOfQuestionsLbl()) + " " + text(editor->startNumberLbl()) + " " +
               text(editor->timePerQuestionLbl()) + " " + text(editor->totalTimeLbl());
    }

    std::shared_ptr<CustomEditVC> editor;
};

TEST_F(TimerEditor, DigitsFollowTheRulesOfEachField) {
    openEditor();
    EXPECT_EQ(shownValues(), "37 1 02:01 74:37");
    EXPECT_EQ(editor->view()->center(), (ui::Point{160, 250}));

    type(editor->numberOfQuestionsLbl(), {"1", "2", "3"});
    ASSERT_TRUE(editor->keyboardVC());
    EXPECT_EQ(editor->keyboardVC()->view()->center(), (ui::Point{160, 380}));
    EXPECT_EQ(editor->numberOfQuestionsLbl()->textColor(), ui::Color::yellowColor());
    // A second field does not open a second keypad.
    auto keypad = editor->keyboardVC();
    tap(rowOver(editor->startNumberLbl()));
    EXPECT_EQ(editor->keyboardVC(), keypad);
    tapText("Done");
    EXPECT_FALSE(editor->keyboardVC());
    EXPECT_EQ(editor->numberOfQuestionsLbl()->textColor(), editor->totalTimeLbl()->textColor());
    EXPECT_EQ(shownValues(), "23 1 02:01 46:23");  // the total follows the count

    type(editor->startNumberLbl(), {"1", "2", "3", "4", "Done"});
    type(editor->timePerQuestionLbl(), {"1", "3", "0", "Done"});
    EXPECT_EQ(shownValues(), "23 234 01:30 34:30");
    type(editor->numberOfQuestionsLbl(), {"Clear", "Done"});
    EXPECT_EQ(shownValues(), "0 234 01:30 00:00");
    // Each key clicked the keypad's own sound.
    int clicks = 0;
    for (const std::string& effect : ui::Device::current().takeEffects())
        clicks += effect.rfind("sound:", 0) == 0;
    EXPECT_EQ(clicks, 15);
}

TEST_F(TimerEditor, PresetsTakeTheFixedSectionsPaces) {
    openEditor();
    type(editor->timePerQuestionLbl(), {"2:01"});  // a preset closes the keypad
    EXPECT_FALSE(editor->keyboardVC());
    EXPECT_EQ(shownValues(), "37 1 02:01 74:59");  // just short of 4500 s
    type(editor->numberOfQuestionsLbl(), {"20"});
    type(editor->startNumberLbl(), {"10"});
    EXPECT_EQ(shownValues(), "20 10 02:01 40:32");
    type(editor->numberOfQuestionsLbl(), {"4", "1", "Done"});
    type(editor->timePerQuestionLbl(), {"1:49"});
    EXPECT_EQ(shownValues(), "41 10 01:49 74:59");
    // The presets' captions on the time keypad.
    tap(rowOver(editor->timePerQuestionLbl()));
    EXPECT_TRUE(shown("Quant"));
    EXPECT_TRUE(shown("Verbal"));
}

TEST_F(TimerEditor, TheCountDirectionSwitchesTheLimit) {
    openEditor();
    auto direction = editor->countDirectionSC();
    direction->setSelectedSegmentIndex(1);
    direction->sendActionsForControlEvents(ui::ControlEventValueChanged);
    EXPECT_EQ(shownValues(), "37 1 --:-- --:--");
    direction->setSelectedSegmentIndex(0);
    direction->sendActionsForControlEvents(ui::ControlEventValueChanged);
    EXPECT_EQ(shownValues(), "37 1 02:01 74:37");
    // Typing a time with the limit off turns it on.
    direction->setSelectedSegmentIndex(1);
    direction->sendActionsForControlEvents(ui::ControlEventValueChanged);
    type(editor->timePerQuestionLbl(), {"1", "0", "0", "Done"});
    EXPECT_EQ(shownValues(), "37 1 01:00 37:00");
    EXPECT_EQ(direction->selectedSegmentIndex(), 0);
}

TEST_F(TimerEditor, DoneKeepsTheValuesAndCancelRenewsTheSectionAlike) {
    openEditor();
    type(editor->numberOfQuestionsLbl(), {"2", "0", "Done"});
    tapText("Cancel", 1);
    EXPECT_FALSE(timer->mainChild());
    EXPECT_EQ(rep->timer()->customNumberOfQuestion(), 37);
    EXPECT_EQ(record()->totalNumber(), 37);
    auto before = record();

    tap(timer->customEditBtn());
    editor = std::dynamic_pointer_cast<CustomEditVC>(timer->mainChild());
    type(editor->numberOfQuestionsLbl(), {"2", "0", "Done"});
    type(editor->startNumberLbl(), {"5", "Done"});
    tapText("Done", 1);
    EXPECT_EQ(rep->timer()->customNumberOfQuestion(), 20);
    EXPECT_EQ(rep->timer()->customStartNumber(), 5);
    EXPECT_DOUBLE_EQ(rep->timer()->customTotalTime(), 20 * 121.0);
    EXPECT_NE(record(), before);
    EXPECT_EQ(text(timer->currentAndTotalNumbersLbl()), "#5 1/20");
}

TEST_F(TimerEditor, OnTheTabletTheEditorFillsTheHomeViewAndTheKeypadIsABand) {
    openEditor(ui::Idiom::Tablet);
    EXPECT_EQ(editor->nibName(), "CustomEditView-iPad");
    EXPECT_EQ(editor->view()->frame(), timer->view()->superview()->bounds());
    tap(rowOver(editor->numberOfQuestionsLbl()));
    auto band = editor->keyboardVC()->view();
    const ui::Rect home = timer->view()->superview()->bounds();
    EXPECT_EQ(band->frame(), (ui::Rect{0, home.size.height - 200, home.size.width, 200}));
    // The editor's back closes the keypad first.
    editor->back();
    runFor(1);
    EXPECT_FALSE(band->superview());
}

}  // namespace
}  // namespace timer_test

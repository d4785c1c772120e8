// The custom-set screens and the practice text backup without a display, opened from the filter
// editor as the user opens them: the create key's enabling and a new set, the set editor's rows,
// row delete and set delete, the add-questions screen, the backup's mail and restore, and the
// tablet's twins.

#include <gtest/gtest.h>

#include "Classes/core/MRepository.h"
#include "Classes/core/TextBackup.h"
#include "Classes/practice/CustomSets.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "Classes/practice/PracticeBackup.h"
#include "Classes/practice/PracticeCSAddQuestionsVC.h"
#include "Classes/practice/PracticeCSAddVC.h"
#include "Classes/practice/PracticeCSEditVC_iPad.h"
#include "Classes/practice/PracticeIEVC.h"
#include "Classes/practice/QuestionMarkup.h"
#include "Classes/practice/SetsFilterEditVC_iPad.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/Unicode.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextInput.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Toolbar.h"
#include "tests/Classes/core/ScreenBasesTestSupport.h"
#include "tests/support/ViewTestSupport.h"

namespace {

const std::string kTwoGoodOneBad =
    "#question# #type:PS# What is 3 x 4? #options# A) 7 B) 12 C) 14 D) 16 E) 34 #OA:B#"
    "#question# #type:PS# Four options only. #options# A) 1 B) 2 C) 3 D) 4 #OA:A#"
    "#question# #type:DS# Is n odd? (1) n + 1 is even. (2) n is prime. #options# #OA:A#";

class CustomSetScreens : public core_test::ScreenBasesTest {
  protected:
    void SetUp() override {
        ScreenBasesTest::SetUp();
        start(ui::Idiom::Phone);
    }
    void start(ui::Idiom idiom) {
        installHome(idiom);
        rep = std::make_shared<MRepository>();
        practice = MPracticeRepository::makeWithData();
        rep->setPracticeRep(practice);
        delegate->setRep(rep);
        editor =
            idiom == ui::Idiom::Tablet ? ui::make<SetsFilterEditVC_iPad>() : ui::make<SetsFilterEditVC>();
        runFor(1);
    }
    template <class T>
    std::shared_ptr<T> child() const {
        return std::dynamic_pointer_cast<T>(editor->openChildScreen());
    }
    // The set's row in the filter editor, reloaded and scrolled into view.
    std::shared_ptr<ui::TableViewCell> rowOf(const std::shared_ptr<MQSet>& set) {
        editor->setsFilterEditTV()->reloadData();
        auto& sets = practice->qSets();
        int row = int(std::find(sets.begin(), sets.end(), set) - sets.begin());
        editor->setsFilterEditTV()->scrollToRow({0, row}, ui::TableViewScrollPosition::Top, false);
        runFor(0.2);
        return editor->setsFilterEditTV()->cellForRow({0, row});
    }
    // Opens the set editor by the edit key of the set's row.
    std::shared_ptr<PracticeCSEditVC> openEditor(const std::shared_ptr<MQSet>& set) {
        auto cell = rowOf(set);
        if (!cell) return nullptr;
        testing_support::tap(*cell->viewWithTag(SetsFilterEditVC::kEditTag));
        runFor(1);
        return child<PracticeCSEditVC>();
    }
    // Opens the add-questions screen of the set editor.
    std::shared_ptr<PracticeCSAddQuestionsVC> openAddQuestions(PracticeCSEditVC& edit) {
        edit.openPracticeCSAddQuestions();
        runFor(1);
        return std::dynamic_pointer_cast<PracticeCSAddQuestionsVC>(edit.practiceCSAddQuestionsVC());
    }
    static std::string text(const std::shared_ptr<ui::Label>& label) {
        return label ? label->text() : "(none)";
    }
    static std::string partText(ui::TableView& table, int row, int tag) {
        auto cell = table.cellForRow({0, row});
        auto label = cell ? std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(tag)) : nullptr;
        return label ? label->text() : "(none)";
    }
    void closeChild(const std::function<void()>& done) {
        done();
        runFor(1);
    }

    std::shared_ptr<MRepository> rep;
    std::shared_ptr<MPracticeRepository> practice;
    std::shared_ptr<SetsFilterEditVC> editor;
};

TEST_F(CustomSetScreens, TheCreateKeyIsLookedAtOnlyAtItsMomentsAndNeedsNameDescriptionAndAFreeIdentifier) {
    editor->openPracticeCSAdd(nullptr);
    runFor(1);
    auto screen = child<PracticeCSAddVC>();
    ASSERT_TRUE(screen);
    auto& key = *screen->createCSetBtn();
    auto& name = *screen->textF();
    auto& description = *screen->textV();
    EXPECT_EQ(description.cornerRadius(), 8);
    EXPECT_FALSE(key.isEnabled());

    name.setText("Ratios");
    EXPECT_TRUE(screen->textFieldShouldReturn(name));
    EXPECT_FALSE(key.isEnabled());  // no description yet
    description.setText("My ratio questions");
    EXPECT_FALSE(key.isEnabled());  // not looked at while typing
    // A line break is refused, puts the keyboard away and looks at the key.
    EXPECT_TRUE(screen->textViewShouldChangeText(description, {0, 0}, "a"));
    EXPECT_FALSE(key.isEnabled());
    EXPECT_FALSE(screen->textViewShouldChangeText(description, {18, 0}, "\n"));
    EXPECT_TRUE(key.isEnabled());
    name.setText("");
    screen->textViewDidEndEditing(description);
    EXPECT_FALSE(key.isEnabled());
    name.setText("Ratios");
    // With every identifier held, the key stays off.
    auto kept = practice->customQSets();
    for (int uid = CustomSets::kFirstUID; uid <= CustomSets::kLastUID; ++uid)
        practice->customQSets().push_back(MQSet::make(uid, "", "", "", false));
    screen->textViewDidEndEditing(description);
    EXPECT_FALSE(key.isEnabled());
    practice->customQSets() = kept;
    screen->textViewDidEndEditing(description);
    ASSERT_TRUE(key.isEnabled());

    // The set is made and the editor lists it, without rebuilding the work set.
    std::size_t work = practice->workQSet()->questions().size();
    int rows = editor->setsFilterEditTV()->numberOfRows(0);
    testing_support::tap(key);
    runFor(1);
    EXPECT_FALSE(editor->openChildScreen());
    ASSERT_EQ(practice->customQSets().size(), 1u);
    auto set = practice->customQSets()[0];
    EXPECT_EQ(set->setUID(), 7001);
    EXPECT_EQ(set->setName(), "Ratios");
    EXPECT_EQ(practice->qSets().back(), set);
    EXPECT_EQ(editor->setsFilterEditTV()->numberOfRows(0), rows + 1);
    EXPECT_EQ(practice->workQSet()->questions().size(), work);
    auto cell = rowOf(set);
    ASSERT_TRUE(cell);
    EXPECT_FALSE(cell->viewWithTag(SetsFilterEditVC::kEditTag)->isHidden());
    EXPECT_EQ(cell->contentView()->tag(), 7001);
}

TEST_F(CustomSetScreens, TheSetEditorListsDeletesRenumbersAddsAndDeletesTheSet) {
    auto set = CustomSets::create(*practice, "Mine", "Mine");
    QuestionMarkup::addQuestions(set, kTwoGoodOneBad);
    QuestionMarkup::addQuestions(
        set, "#question# #type:CR# Third <b>one</b>. #options# A) a B) b C) c D) d E) e #OA:E#");
    ASSERT_EQ(set->questions().size(), 3u);
    practice->bookmarkQSet()->addQuestion(set->questions()[1]);
    auto edit = openEditor(set);
    ASSERT_TRUE(edit);
    auto& table = *edit->customSetTV();
    EXPECT_EQ(text(edit->nameLbl()), "Mine (3)");
    EXPECT_EQ(table.numberOfRows(0), 3);
    EXPECT_EQ(table.rowHeight(), 70);
    EXPECT_EQ(partText(table, 2, PracticeCSEditVC::kNumberTag), "3.");
    EXPECT_EQ(partText(table, 2, PracticeCSEditVC::kBodyTag), " Third one. ");
    auto image = std::dynamic_pointer_cast<ui::ImageView>(
        table.cellForRow({0, 1})->viewWithTag(PracticeCSEditVC::kTypeTag));
    EXPECT_EQ(image->image()->name(), "Section_DS.png");
    EXPECT_EQ(table.cellForRow({0, 0})->reuseIdentifier(), "any-cell");
    EXPECT_FALSE(edit->willSelectRow(table, {0, 0}));

    // The delete gesture on the second row: the third becomes number 2 once the table reloads.
    edit->commitEditingStyle(table, ui::TableViewCellEditingStyle::Delete, {0, 1});
    EXPECT_EQ(text(edit->nameLbl()), "Mine (2)");
    EXPECT_TRUE(practice->bookmarkQSet()->questions().empty());
    runFor(0.35);
    EXPECT_EQ(table.numberOfRows(0), 2);
    EXPECT_EQ(partText(table, 1, PracticeCSEditVC::kNumberTag), "2.");
    EXPECT_EQ(set->questions()[1]->key(), "7001_2_4");

    // Adding questions: the bad piece and the repeat are left out, the text stays.
    auto add = openAddQuestions(*edit);
    ASSERT_TRUE(add);
    EXPECT_EQ(text(add->nameLbl()), "Mine (2)");
    add->textV()->setText(kTwoGoodOneBad);
    add->addQuestions();
    EXPECT_EQ(text(add->nameLbl()), "Mine (3)");
    EXPECT_EQ(add->textV()->text(), kTwoGoodOneBad);
    closeChild([&] { add->doneClick(); });
    EXPECT_FALSE(edit->practiceCSAddQuestionsVC());
    EXPECT_EQ(text(edit->nameLbl()), "Mine (3)");
    EXPECT_EQ(table.numberOfRows(0), 3);

    // Deleting the set asks first; "Cancel" keeps it, "Delete" takes it away and closes.
    for (const char* choice : {"Cancel", "Delete"}) {
        edit->deleteCSet();
        runFor(0.5);
        auto found = testing_support::findByText(application().screenView(), PracticeCSEditVC::kDeleteTitle);
        ASSERT_TRUE(found) << choice;
        auto key = testing_support::findByText(application().screenView(), choice);
        ASSERT_TRUE(key) << choice;
        testing_support::tap(*key);
        runFor(1);
        EXPECT_EQ(practice->customQSets().empty(), std::string(choice) == "Delete") << choice;
    }
    EXPECT_TRUE(practice->customQSets().empty());
    EXPECT_EQ(std::find(practice->qSets().begin(), practice->qSets().end(), set), practice->qSets().end());
    EXPECT_FALSE(editor->openChildScreen());
}

TEST_F(CustomSetScreens, TextBeyondAMegabyteIsRefusedWithAMessageAndNotRead) {
    auto set = CustomSets::create(*practice, "Mine", "Mine");
    auto edit = openEditor(set);
    ASSERT_TRUE(edit);
    auto add = openAddQuestions(*edit);
    ASSERT_TRUE(add);
    auto& input = *add->textV()->input();
    input.setText(kTwoGoodOneBad);
    std::string filler(QuestionMarkup::kMaxTextLength - kTwoGoodOneBad.size(), ' ');
    // A paste up to the limit goes in; one byte more does not, and says why.
    struct Paste {
        std::string text;
        bool taken;
    } pastes[] = {{filler, true}, {"x", false}, {filler + filler, false}};
    auto messageShown = [&] {
        auto shown = testing_support::findByText(application().screenView(),
                                                 PracticeCSAddQuestionsVC::kTooLongMessage);
        if (shown) testing_support::tap(*testing_support::findByText(application().screenView(), "Ok"));
        runFor(1);
        return bool(shown);
    };
    for (const auto& paste : pastes) {
        std::string before = input.text();
        ui::Pasteboard::general().setString(paste.text);
        input.setSelectedRange({fnd::utf16Length(before), 0});
        input.paste(nullptr);
        EXPECT_EQ(input.text().size(), before.size() + (paste.taken ? paste.text.size() : 0)) << paste.taken;
        EXPECT_EQ(messageShown(), !paste.taken);
    }
    // Text may still be taken away, and a text that became too long otherwise is not read.
    EXPECT_TRUE(input.replace({0, 1}, ""));
    EXPECT_FALSE(messageShown());
    input.setText(kTwoGoodOneBad + filler + "x");
    add->addQuestions();
    EXPECT_TRUE(messageShown());
    EXPECT_TRUE(set->questions().empty());
    EXPECT_EQ(text(add->nameLbl()), "Mine (0)");
}

TEST_F(CustomSetScreens, TheBackupMailsTheWholeTextAndRestoresFromThePasteboard) {
    std::vector<std::string> opened;
    ui::Application::shared().setOnOpenURL([&](const std::string& address) { opened.push_back(address); });
    auto question = practice->qSets()[0]->questions()[0];
    question->addHistoryRecord(
        std::make_shared<MQSetHRecord>(fnd::Date(800000000), 42, std::make_shared<MQSetSimpleAnswer>(3)));
    editor->openPracticeIE(nullptr);
    runFor(1);
    auto screen = child<PracticeIEVC>();
    ASSERT_TRUE(screen);
    EXPECT_TRUE(screen->backupBtn()->currentBackgroundImage());
    EXPECT_EQ(text(screen->importLbl()), "0/0");

    testing_support::tap(*screen->backupBtn());
    ASSERT_EQ(opened.size(), 1u);
    const std::string head = TextBackup::kMailAddress;
    ASSERT_EQ(opened[0].rfind(head, 0), 0u);
    std::string backup = fnd::percentUnescape(opened[0].substr(head.size()));
    EXPECT_EQ(backup, PracticeBackup::backupText(practice->qSets()));

    struct Step {
        std::optional<std::string> pasted;
        const char* label;
        std::size_t records;
    } steps[] = {
        {std::nullopt, "0/0", 1}, {"no backup here", "0/0", 1}, {backup, "0/1", 1},  // already there
    };
    for (const auto& step : steps) {
        ui::Pasteboard::general().setString(step.pasted);
        testing_support::tap(*screen->clipboardBtn());
        EXPECT_EQ(text(screen->importLbl()), step.label);
        EXPECT_EQ(question->history().size(), step.records);
    }
    question->restoreHistory({});
    testing_support::tap(*screen->clipboardBtn());
    EXPECT_EQ(text(screen->importLbl()), "1/1");
    ASSERT_EQ(question->history().size(), 1u);
    EXPECT_EQ(question->history()[0]->time(), 42);
    closeChild([&] { screen->doneCancelClick(); });
    EXPECT_FALSE(editor->openChildScreen());
}

// The display draws no keyboard, so the add-questions bar offers no key to put one away; its
// other keys stay, on the phone and on the tablet.
TEST_F(CustomSetScreens, TheAddQuestionsBarHasNoKeyForAKeyboardTheDisplayDoesNotDraw) {
    for (ui::Idiom idiom : {ui::Idiom::Phone, ui::Idiom::Tablet}) {
        SCOPED_TRACE(int(idiom));
        start(idiom);
        auto set = CustomSets::create(*practice, "Mine", "Mine");
        auto edit = openEditor(set);
        ASSERT_TRUE(edit);
        auto add = openAddQuestions(*edit);
        ASSERT_TRUE(add && add->toolB());
        std::vector<std::string> actions;
        for (const auto& item : add->toolB()->items())
            if (!item->actionName().empty()) actions.push_back(item->actionName());
        EXPECT_EQ(actions, (std::vector<std::string>{"doneClick:", "addQuestions:"}));
        EXPECT_FALSE(testing_support::findByText(add->view(), "Hide Keyboard"));
        editor->back();
        runFor(1);
    }
}

TEST_F(CustomSetScreens, TheTabletOpensItsTwinsAndLeavingClosesEveryChild) {
    start(ui::Idiom::Tablet);
    editor->openPracticeCSAdd(nullptr);
    runFor(1);
    auto add = child<PracticeCSAddVC_iPad>();
    ASSERT_TRUE(add);
    EXPECT_EQ(add->nibIdentifier(), "PracticeCSAddView-iPad");
    EXPECT_TRUE(add->textF() && add->textV() && add->createCSetBtn());
    closeChild([&] { add->doneClick(); });
    EXPECT_TRUE(practice->customQSets().empty());  // cancelled

    editor->openPracticeIE(nullptr);
    runFor(1);
    auto backup = child<PracticeIEVC_iPad>();
    ASSERT_TRUE(backup);
    EXPECT_TRUE(backup->importLbl() && backup->clipboardBtn());
    closeChild([&] { backup->doneCancelClick(); });

    auto set = CustomSets::create(*practice, "Mine", "Mine");
    auto edit = std::dynamic_pointer_cast<PracticeCSEditVC_iPad>(openEditor(set));
    ASSERT_TRUE(edit);
    edit->openPracticeCSAddQuestions();
    runFor(1);
    auto questions =
        std::dynamic_pointer_cast<PracticeCSAddQuestionsVC_iPad>(edit->practiceCSAddQuestionsVC());
    ASSERT_TRUE(questions);
    EXPECT_EQ(text(questions->nameLbl()), "Mine (0)");
    editor->back();
    runFor(1);
    EXPECT_FALSE(edit->practiceCSAddQuestionsVC());
    EXPECT_FALSE(questions->isShown());
    EXPECT_FALSE(edit->isShown());
}

}  // namespace

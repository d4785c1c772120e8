// The practice review without a display: the list of sessions (rows, edit mode), a session's
// answers and the question screen opened on one of them in session mode, on the phone and the
// tablet; and the keyword editor opened from the question screen, whose lists the page's marks
// follow.

#include <gtest/gtest.h>

#include "Classes/core/MRepository.h"
#include "Classes/practice/KWEditVC.h"
#include "Classes/practice/MKeyWordsSet.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "Classes/practice/MQSetSimpleQuestion.h"
#include "Classes/practice/MSession.h"
#include "Classes/practice/MSessionRecord.h"
#include "Classes/practice/MSessions.h"
#include "Classes/practice/QuestionVC_iPad.h"
#include "Classes/practice/ReviewSessionVC_iPad.h"
#include "Classes/practice/ReviewVC_iPad.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/SegmentedControl.h"
#include "tests/Classes/core/ScreenBasesTestSupport.h"
#include "tests/support/ScriptedWebEngine.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using testing_support::ScriptedWebEngine;

class ReviewScreens : public core_test::ScreenBasesTest {
  protected:
    void SetUp() override {
        ScreenBasesTest::SetUp();
        ScriptedWebEngine::installForNewWebViews();
        rep = std::make_shared<MRepository>();
        practice = MPracticeRepository::makeWithData();
        rep->setPracticeRep(practice);
    }
    void TearDown() override {
        ScriptedWebEngine::reset();
        ScreenBasesTest::TearDown();
    }

    // The home screen of the device, with the repository.
    void install(ui::Idiom idiom) {
        installHome(idiom);
        delegate->setRep(rep);
    }
    // A question of the forum set (the one whose questions can be deleted), right answer C.
    std::shared_ptr<MQSetQuestion> question(int type, std::vector<std::string> tags = {},
                                            std::string body = "<p>Is n odd?</p>") {
        auto forum = practice->webQSet();
        auto q =
            MQSetSimpleQuestion::make(forum, int(forum->questions().size()) + 1, type, 3, std::move(tags),
                                      std::move(body), {"a", "b", "c", "d", "e"}, "", std::nullopt);
        forum->questions().push_back(q);
        return q;
    }
    struct Answer {
        std::shared_ptr<MQSetQuestion> question;
        int choice;
        double seconds;
    };
    // A session of these answers, then ten minutes later.
    std::shared_ptr<MSession> practise(const std::vector<Answer>& answers) {
        auto sessions = practice->sessions();
        sessions->startSession();
        for (const auto& a : answers)
            a.question->addHistoryRecord(std::make_shared<MQSetHRecord>(
                fnd::Date::now(), a.seconds, std::make_shared<MQSetSimpleAnswer>(a.choice)));
        auto session = sessions->currentSession();
        sessions->stopSession();
        runFor(600);
        return session;
    }
    // The older session of a right PS and a wrong DS answer; the newer of three SC, two right.
    void practiseTwoSessions() {
        older = practise({{question(1, {"Primes"}), 3, 30}, {question(2), 1, 40}});
        newer = practise(
            {{question(3, {"Pronouns", "Modifiers"}), 3, 75}, {question(3), 2, 20}, {question(3), 3, 50}});
    }

    template <class Screen = ReviewVC>
    std::shared_ptr<ReviewVC> openReview() {
        auto review = ui::make<Screen>(practice->sessions());
        runFor(1);
        return review;
    }
    // A tap on the row as a finger makes it.
    void tapRow(ui::TableView& table, int row) {
        auto cell = table.cellForRow({0, row});
        ASSERT_TRUE(cell) << row;
        testing_support::Finger finger(testing_support::rootOf(*cell));
        finger.down(testing_support::centreInRoot(*cell));
        runFor(0.2);
        finger.up();
        runFor(1);
    }
    static std::shared_ptr<ui::Label> label(const std::shared_ptr<ui::TableViewCell>& cell, int tag) {
        return cell ? std::dynamic_pointer_cast<ui::Label>(cell->viewWithTag(tag)) : nullptr;
    }
    static std::string text(const std::shared_ptr<ui::TableViewCell>& cell, int tag) {
        auto l = label(cell, tag);
        return l ? l->text() : "(none)";
    }
    static ScriptedWebEngine& page() { return *ScriptedWebEngine::engines().back(); }
    std::shared_ptr<ReviewSessionVC> sessionScreen(const ReviewVC& review) {
        return std::dynamic_pointer_cast<ReviewSessionVC>(review.reviewSessionVC());
    }

    std::shared_ptr<MRepository> rep;
    std::shared_ptr<MPracticeRepository> practice;
    std::shared_ptr<MSession> older, newer;
};

TEST_F(ReviewScreens, TheNewestSessionComesFirstWithItsRowOnPhoneAndTablet) {
    struct Device {
        ui::Idiom idiom;
        double countX;
        int bar, right, wrong;
    };
    for (Device d : {Device{ui::Idiom::Phone, 280, 225, 150, 75}, {ui::Idiom::Tablet, 728, 673, 448, 224}}) {
        install(d.idiom);
        practice->sessions()->removeSessionAtIndex(1);
        practice->sessions()->removeSessionAtIndex(0);
        practiseTwoSessions();
        auto review = d.idiom == ui::Idiom::Phone ? openReview() : openReview<ReviewVC_iPad>();
        EXPECT_EQ(postedBy(CommonViewController::notificationId(review.get())).front(),
                  "TipsEvent_ReviewOpened");
        auto& table = *review->reviewTV();
        ASSERT_EQ(table.numberOfRows(0), 2);
        EXPECT_EQ(table.rowHeight(), 80);

        auto first = table.cellForRow({0, 0});
        EXPECT_EQ(first->reuseIdentifier(), "any-cell");
        EXPECT_EQ(text(first, ReviewVC::kCountTag), "3");
        EXPECT_EQ(label(first, ReviewVC::kCountTag)->frame().origin.x, d.countX);
        EXPECT_EQ(text(first, ReviewVC::kFirstIndicatorTag), "SC");
        EXPECT_EQ(label(first, ReviewVC::kFirstIndicatorTag + 1)->alpha(), 0);
        EXPECT_EQ(text(first, ReviewVC::kAverageTag), "00:49  per question");
        EXPECT_EQ(text(first, ReviewVC::kDateTag), "10 min\nago");
        EXPECT_EQ(first->viewWithTag(ReviewVC::kBarTag)->frame().size.width, d.bar);
        EXPECT_EQ(first->viewWithTag(ReviewVC::kRightTag)->frame(), (ui::Rect{0, 0, double(d.right), 10}));
        EXPECT_EQ(first->viewWithTag(ReviewVC::kWrongTag)->frame(),
                  (ui::Rect{double(d.right), 0, double(d.wrong), 10}));
        EXPECT_EQ(text(first, ReviewVC::kWrongTag), "wrong");
        // The older session's picture is darker.
        auto second = table.cellForRow({0, 1});
        EXPECT_EQ(text(second, ReviewVC::kCountTag), "2");
        EXPECT_EQ(text(second, ReviewVC::kDateTag), "20 min\nago");
        EXPECT_GT(second->viewWithTag(ReviewVC::kPictureTag)->alpha(),
                  first->viewWithTag(ReviewVC::kPictureTag)->alpha());
        review->back();
        runFor(1);
    }
}

TEST_F(ReviewScreens, DeletingInEditModeRemovesThatSessionAndDetachesItsAnswers) {
    install(ui::Idiom::Phone);
    practiseTwoSessions();
    auto review = openReview();
    auto& table = *review->reviewTV();
    review->editDoneMode(review->editDoneBtn());
    EXPECT_TRUE(table.isEditing());
    EXPECT_EQ(review->editDoneBtn()->title(), "Done");
    runFor(1);
    // The older session is the second row: its minus, then its delete button.
    auto cell = table.cellForRow({0, 1});
    testing_support::tap(*cell->editingControl());
    runFor(0.5);
    testing_support::tap(*cell->deleteConfirmationButton());
    runFor(1);
    ASSERT_EQ(practice->sessions()->list().size(), 1u);
    EXPECT_EQ(practice->sessions()->list()[0], newer);
    EXPECT_EQ(table.numberOfRows(0), 1);
    EXPECT_EQ(table.visibleCells().size(), 1u);
    EXPECT_FALSE(cell->superview()) << testing_support::dumpTree(table);
    for (const auto& record : older->records()) EXPECT_FALSE(record->historyRecord()->isInSession());
    for (const auto& record : newer->records()) EXPECT_TRUE(record->historyRecord()->isInSession());
    review->editDoneMode(review->editDoneBtn());
    EXPECT_FALSE(table.isEditing());
    EXPECT_EQ(review->editDoneBtn()->title(), "Edit");
}

TEST_F(ReviewScreens, AnAnswerOpensTheQuestionScreenInSessionModeOnPhoneAndTablet) {
    struct Device {
        ui::Idiom idiom;
        const char* nib;
        double numberX;
        ui::Point check;
    };
    for (Device d : {Device{ui::Idiom::Phone, "ReviewSessionView", 10, {250, 34}},
                     {ui::Idiom::Tablet, "ReviewSessionView-iPad", 15, {440, 34}}}) {
        install(d.idiom);
        practiseTwoSessions();
        auto review = d.idiom == ui::Idiom::Phone ? openReview() : openReview<ReviewVC_iPad>();
        tapRow(*review->reviewTV(), 0);
        auto screen = sessionScreen(*review);
        ASSERT_TRUE(screen);
        EXPECT_EQ(screen->nibName(), d.nib);
        EXPECT_EQ(screen->sessionDateLbl()->text(), "10 min\nago");
        auto& table = *screen->sessionTV();
        ASSERT_EQ(table.numberOfRows(0), 3);
        auto first = table.cellForRow({0, 0});
        EXPECT_EQ(text(first, ReviewSessionVC::kNumberTag), "1.");
        EXPECT_EQ(label(first, ReviewSessionVC::kNumberTag)->frame().origin.x, d.numberX);
        EXPECT_EQ(text(first, ReviewSessionVC::kTimeTag), "01:15");
        EXPECT_EQ(text(first, ReviewSessionVC::kTagsTag), "Pronouns; Modifiers; ");
        EXPECT_EQ(text(first, ReviewSessionVC::kTypeTag), "SC");
        auto check = [&](int row) {
            auto view = table.cellForRow({0, row})->viewWithTag(ReviewSessionVC::kCheckTag);
            auto image = std::dynamic_pointer_cast<ui::ImageView>(view);
            return image && image->image() ? image->image()->name() : std::string("(none)");
        };
        EXPECT_EQ(check(0), "Section_right.png");
        EXPECT_EQ(check(1), "Section_wrong.png");
        EXPECT_EQ(table.cellForRow({0, 0})->viewWithTag(ReviewSessionVC::kCheckTag)->center(), d.check);

        // The second answer: a wrong B in 20 seconds, shown checked, with its time, nothing to submit.
        tapRow(table, 1);
        auto question = screen->questionVC();
        ASSERT_TRUE(question);
        EXPECT_EQ(bool(std::dynamic_pointer_cast<QuestionVC_iPad>(question)), d.idiom == ui::Idiom::Tablet);
        EXPECT_EQ(question->qSession(), newer);
        EXPECT_EQ(question->cursor(), 1);
        EXPECT_FALSE(table.indexPathForSelectedRow());
        EXPECT_EQ(question->timerLbl()->text(), "00:20");
        EXPECT_FALSE(question->randomQBtn()->isEnabled());
        const auto& scripts = page().scripts();
        EXPECT_NE(
            std::find(scripts.begin(), scripts.end(), "document.getElementById('radioB').checked=true;"),
            scripts.end());
        EXPECT_EQ(page().shown()->content.find("id=\"submit\""), std::string::npos);

        question->doneClick(nullptr);
        runFor(1);
        EXPECT_FALSE(screen->questionVC());
        EXPECT_TRUE(screen->isShown());
        review->back();
        runFor(1);
    }
}

TEST_F(ReviewScreens, DeletingASessionsLastQuestionClosesItsScreenAndTheListReloads) {
    install(ui::Idiom::Phone);
    practise({{question(1), 3, 30}});
    auto review = openReview();
    tapRow(*review->reviewTV(), 0);
    auto screen = sessionScreen(*review);
    ASSERT_TRUE(screen);
    tapRow(*screen->sessionTV(), 0);
    ASSERT_TRUE(screen->questionVC());
    page().submitForm("", "GET", {{"btnType", "deleteBtn"}});
    runFor(1);
    EXPECT_FALSE(screen->isShown());
    EXPECT_FALSE(review->reviewSessionVC());
    EXPECT_TRUE(practice->sessions()->list().empty());
    EXPECT_EQ(review->reviewTV()->numberOfRows(0), 0);
}

// ---- The keyword editor

class KeyWordEditor : public ReviewScreens {
  protected:
    void SetUp() override {
        ReviewScreens::SetUp();
        install(ui::Idiom::Phone);
        set = MQSet::make(7000, "Mine", "My questions", "Sets_myset.png", true);
        for (int type : {2, 5}) {
            auto q = MQSetSimpleQuestion::make(set, type, type, 1, {}, "<p>Is the sum of two primes odd?</p>",
                                               {"a", "b", "c", "d", "e"}, "", std::nullopt);
            set->questions().push_back(q);
        }
        set->setCursor(0);
        practice->sessions()->startSession();
        screen = ui::make<QuestionVC>(set);
        runFor(0.5);
    }
    std::shared_ptr<KWEditVC> openEditor() {
        screen->openKWEdit(nullptr);
        runFor(1);
        return std::dynamic_pointer_cast<KWEditVC>(screen->mainChild());
    }
    void typeAndReturn(KWEditVC& editor, const std::string& line) {
        editor.textV()->setText(line);
        EXPECT_FALSE(editor.textViewShouldChangeText(*editor.textV(), {0, 0}, "\n"));
    }
    std::vector<std::string> list(int type) { return *rep->keyWordsSet()->keyWordsForQType(type); }
    // The marked words of the page shown last.
    static bool marked(const std::string& word) {
        return page().shown()->content.find(">" + word + "</span>") != std::string::npos;
    }

    std::shared_ptr<MQSet> set;
    std::shared_ptr<QuestionVC> screen;
};

TEST_F(KeyWordEditor, ReturnStoresTheSharedListAndThePageMarksItOnDone) {
    auto editor = openEditor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(postedBy(CommonViewController::notificationId(editor.get())).front(),
              "TipsEvent_KeywordsSettingsOpened");
    // A DS question opens the shared PS/DS list on the PS segment.
    EXPECT_EQ(editor->qType(), 2);
    EXPECT_EQ(editor->qTypeSC()->selectedSegmentIndex(), 3);
    EXPECT_EQ(editor->textV()->text(), KWEditVC::lineForKeyWords(list(1)));
    EXPECT_EQ(editor->textV()->cornerRadius(), 8.0);

    typeAndReturn(*editor, "sum ;primes; (");
    EXPECT_EQ(list(1), (std::vector<std::string>{"sum", "primes", "("}));
    EXPECT_EQ(rep->keyWordsSet()->keyWordsForQType(1), rep->keyWordsSet()->keyWordsForQType(2));
    EXPECT_FALSE(marked("sum"));
    // Done shows the question again: the new words are marked, the pattern that does not compile
    // marks nothing, and the page is whole.
    editor->doneClick(nullptr);
    runFor(1);
    EXPECT_FALSE(screen->mainChild());
    EXPECT_TRUE(marked("sum"));
    EXPECT_TRUE(marked("primes"));
    EXPECT_FALSE(marked("odd"));
    EXPECT_NE(page().shown()->content.find("</html>"), std::string::npos);
}

TEST_F(KeyWordEditor, DoneOrASegmentSwitchDropsWhatWasTypedAndRCEditsTypeSix) {
    auto before = list(4);
    auto editor = openEditor();
    editor->textV()->setText("typed; but; not; stored; ");
    editor->qTypeSC()->setSelectedSegmentIndex(1);
    editor->changeQType(editor->qTypeSC());
    EXPECT_EQ(editor->qType(), 4);
    EXPECT_EQ(editor->textV()->text(), KWEditVC::lineForKeyWords(before));
    editor->textV()->setText("typed; ");
    editor->doneClick(nullptr);
    runFor(1);
    EXPECT_EQ(list(4), before);

    // RC, edited, is the list of type 6 too; a cleared line stores one empty keyword.
    editor = openEditor();
    editor->qTypeSC()->setSelectedSegmentIndex(0);
    editor->changeQType(editor->qTypeSC());
    EXPECT_EQ(editor->qType(), 5);
    typeAndReturn(*editor, "");
    EXPECT_EQ(list(5), std::vector<std::string>{""});
    EXPECT_EQ(list(6), std::vector<std::string>{""});
    EXPECT_EQ(editor->textV()->text(), "");
    typeAndReturn(*editor, "author; ");
    EXPECT_EQ(list(6), (std::vector<std::string>{"author", ""}));
}

// The words stand inside the drawn box, clear of its edge and its rounded corners, also when the
// line runs longer than the box and scrolls.
TEST_F(KeyWordEditor, TheLineStandsClearOfItsBoxsEdgeOnPhoneAndTablet) {
    std::shared_ptr<KWEditVC> editors[2];
    editors[0] = openEditor();
    install(ui::Idiom::Tablet);
    auto tablet = ui::make<QuestionVC_iPad>(set);
    runFor(0.5);
    tablet->openKWEdit(nullptr);
    runFor(1);
    editors[1] = std::dynamic_pointer_cast<KWEditVC>(tablet->mainChild());
    for (const auto& editor : editors) {
        ASSERT_TRUE(editor);
        SCOPED_TRACE(editor->nibName());
        const ui::View& text = *editor->textV();
        auto box = text.superview();
        ASSERT_TRUE(box);
        EXPECT_GT(box->borderWidth(), 0);
        EXPECT_GE(box->cornerRadius(), 8);
        EXPECT_EQ(text.borderWidth(), 0);
        ui::Rect inner = box->bounds().insetBy(4, 4);
        ui::Rect frame = text.frame();
        EXPECT_TRUE(inner.contains(frame.origin) && frame.maxX() <= inner.maxX() &&
                    frame.maxY() <= inner.maxY())
            << frame.minX() << "," << frame.minY() << " " << frame.width() << "x" << frame.height();
    }
}

TEST_F(KeyWordEditor, TheTabletOpensItsOwnEditor) {
    install(ui::Idiom::Tablet);
    auto tablet = ui::make<QuestionVC_iPad>(set);
    runFor(0.5);
    tablet->openKWEdit(nullptr);
    runFor(1);
    auto editor = std::dynamic_pointer_cast<KWEditVC_iPad>(tablet->mainChild());
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->nibName(), "KWEditView-iPad");
    EXPECT_EQ(editor->qTypeSC()->selectedSegmentIndex(), 3);
}

}  // namespace

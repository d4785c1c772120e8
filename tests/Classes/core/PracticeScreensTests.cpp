// The practice tool's screens without a display: the question screen's clock, answers, changes,
// bookmarks, shake, background time and leaving; the sets tool's counts, keys and scan; the filter
// editor's switches.

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>

#include "Classes/core/MRepository.h"
#include "Classes/forum_news/MForumScan.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQFilter.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "Classes/practice/MQSetSimpleQuestion.h"
#include "Classes/practice/MSession.h"
#include "Classes/practice/MSessions.h"
#include "Classes/practice/QuestionVC.h"
#include "Classes/practice/QuestionVC_iPad.h"
#include "Classes/practice/SetsFilterEditVC.h"
#include "Classes/practice/SetsVC.h"
#include "Classes/study_aids/CalculatorVC.h"
#include "Classes/study_aids/ScratchpadVC.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/Random.h"
#include "platform/foundation/URLSession.h"
#include "platform/ui/Accelerometer.h"
#include "platform/ui/Application.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/Control.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Toolbar.h"
#include "tests/Classes/core/ScreenBasesTestSupport.h"
#include "tests/support/FakeForum.h"
#include "tests/support/HTTPTestServer.h"
#include "tests/support/ScriptedWebEngine.h"
#include "tests/support/ViewTestSupport.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ScriptedWebEngine;

class PracticeScreens : public core_test::ScreenBasesTest {
  protected:
    void SetUp() override {
        ScreenBasesTest::SetUp();
        installHome(ui::Idiom::Phone);
        ScriptedWebEngine::installForNewWebViews();
        rep = std::make_shared<MRepository>();
        practice = MPracticeRepository::makeWithData();
        rep->setPracticeRep(practice);
        delegate->setRep(rep);
        fnd::Random::seed(7);
        set = MQSet::make(7000, "Mine", "My questions", "Sets_myset.png", true);
        for (int i = 1; i <= 4; ++i) {
            auto q = MQSetSimpleQuestion::make(set, i, 1, 1, {}, "<p>Q" + std::to_string(i) + "</p>",
                                               {"a", "b", "c", "d", "e"}, "", std::nullopt);
            set->questions().push_back(q);
        }
        set->setCursor(0);
    }
    void TearDown() override {
        ScriptedWebEngine::reset();
        ScreenBasesTest::TearDown();
    }

    // The question screen over the set on a fresh home screen of the idiom's device, not yet run.
    std::shared_ptr<QuestionVC> makeQuestionsOn(ui::Idiom idiom) {
        installHome(idiom);
        delegate->setRep(rep);
        practice->sessions()->startSession();
        return idiom == ui::Idiom::Tablet ? ui::make<QuestionVC_iPad>(set) : ui::make<QuestionVC>(set);
    }
    std::shared_ptr<QuestionVC> openQuestions(std::shared_ptr<MQSet> on = nullptr) {
        practice->sessions()->startSession();
        auto screen = ui::make<QuestionVC>(on ? on : set);
        runFor(0.5);
        return screen;
    }
    static ScriptedWebEngine& page() { return *ScriptedWebEngine::engines().back(); }
    void submit(const std::string& choice) {
        page().submitForm("", "GET", {{"answer", choice}});
        runFor(0.01);
    }
    std::string text(const std::shared_ptr<ui::Label>& label) { return label ? label->text() : "(none)"; }

    std::shared_ptr<MRepository> rep;
    std::shared_ptr<MPracticeRepository> practice;
    std::shared_ptr<MQSet> set;
};

TEST_F(PracticeScreens, TheClockTurnsYellowThenRedAndLetsTheDisplaySleepAfterFourMinutes) {
    auto screen = openQuestions();
    struct Moment {
        double at;
        ui::Color colour;
        bool awake;
    };
    double now = 0.5;
    for (Moment m : {Moment{89.9, ui::Color::whiteColor(), true},
                     {90.1, ui::Color::yellowColor(), true},
                     {119.9, ui::Color::yellowColor(), true},
                     {120.1, ui::Color::redColor(), true},
                     {239.9, ui::Color::redColor(), true},
                     {240.1, ui::Color::redColor(), false}}) {
        runFor(m.at - now);
        now = m.at;
        EXPECT_EQ(screen->timerLbl()->textColor(), m.colour) << m.at;
        EXPECT_EQ(ui::Application::shared().isIdleTimerDisabled(), m.awake) << m.at;
    }
    EXPECT_EQ(text(screen->timerLbl()), "04:01");
}

TEST_F(PracticeScreens, AnswersAreRecordedWithTheirTimeInTheSessionAndTheRate) {
    auto screen = openQuestions();
    auto first = set->questions()[0];
    auto began = screen->beginDate();
    runFor(12);
    // A script of the page submitting the form is not the person answering.
    page().submitForm("", "GET", {{"answer", "2"}}, false);
    runFor(0.01);
    EXPECT_FALSE(first->hasHistory());
    EXPECT_EQ(screen->questionMode(), QuestionVC::kUnanswered);
    submit("2");
    ASSERT_EQ(first->history().size(), 1u);
    EXPECT_EQ(first->history()[0]->date(), began);
    EXPECT_NEAR(first->history()[0]->time(), 12.5, 0.3);
    EXPECT_EQ(practice->sessions()->currentSession()->records().size(), 1u);
    EXPECT_EQ(screen->questionMode(), QuestionVC::kAnswered);
    EXPECT_EQ(text(screen->rateLbl()), "0 %");
    // The clock stopped, and a second answer to the same question is not taken.
    std::string stopped = text(screen->timerLbl());
    runFor(3);
    EXPECT_EQ(text(screen->timerLbl()), stopped);
    submit("1");
    EXPECT_EQ(first->history().size(), 1u);
    // The reveal ran with the record marked as the current one.
    EXPECT_NE(page().scripts().back().find(" - current answer"), std::string::npos);

    for (int i = 0; i < 2; ++i) {
        screen->changeQuestionAction(QuestionVC::kNext);
        runFor(0.5);
        submit("1");
    }
    EXPECT_EQ(text(screen->rateLbl()), "66 %");
    EXPECT_EQ(screen->unansweredQuestions().size(), 1u);
}

TEST_F(PracticeScreens, ChangesWrapAroundPickAtRandomAmongTheUnansweredAndGoToANumber) {
    auto screen = openQuestions();
    screen->changeQuestionAction(QuestionVC::kPrevious);
    EXPECT_EQ(screen->cursor(), 3);
    screen->changeQuestionAction(QuestionVC::kNext);
    EXPECT_EQ(screen->cursor(), 0);
    EXPECT_EQ(rep->setsShakeMode(), QuestionVC::kNext);

    // Three answered: every random pick lands on the fourth.
    for (int i = 0; i < 3; ++i) {
        submit("1");
        screen->changeQuestionAction(QuestionVC::kNext);
    }
    for (int i = 0; i < 5; ++i) {
        screen->changeQuestionAction(QuestionVC::kRandom);
        EXPECT_EQ(screen->cursor(), 3);
    }

    struct Entry {
        std::string typed;
        int cursor;
    };
    for (Entry e : {Entry{"0", 3}, {"2", 1}, {"99", 0}, {"two", 3}}) {
        screen->changeQuestionAction(QuestionVC::kGoTo);
        ASSERT_TRUE(screen->goToAlert());
        EXPECT_EQ(screen->goToAlert()->title(), "Go to question number");
        screen->numberField()->setText(e.typed);
        testing_support::tap(*screen->goToAlert()->button(1));
        runFor(0.5);
        EXPECT_EQ(screen->cursor(), e.cursor) << e.typed;
    }
}

TEST_F(PracticeScreens, RemovingTheLastBookmarkWhileViewingTheBookmarksClosesTheScreen) {
    auto bookmarks = practice->bookmarkQSet();
    bookmarks->addQuestion(set->questions()[0]);
    bookmarks->addQuestion(set->questions()[1]);
    bookmarks->setCursor(1);
    auto screen = openQuestions(bookmarks);
    EXPECT_FALSE(screen->bookmarkedIV()->isHidden());
    screen->addRemoveBookmark(nullptr);
    EXPECT_EQ(bookmarks->questions().size(), 1u);
    EXPECT_EQ(screen->cursor(), 0);
    screen->addRemoveBookmark(nullptr);
    EXPECT_EQ(postedBy(CommonViewController::notificationId(screen.get())).back(), "Done");
}

TEST_F(PracticeScreens, AShakeOfAtLeastTheThresholdRepeatsTheLastChangeOncePerInterval) {
    rep->setSetsShakeMode(QuestionVC::kNext);
    auto screen = openQuestions();
    // The first sample against a still filter deviates by nine tenths of itself.
    ui::Accelerometer::shared().deliver(2.39 / 0.9, 0, 0);
    EXPECT_EQ(screen->cursor(), 0);
    screen->back();
    runFor(1);

    auto again = openQuestions();
    ui::Accelerometer::shared().deliver(2.41 / 0.9, 0, 0);
    EXPECT_EQ(again->cursor(), 1);
    runFor(0.5);
    ui::Accelerometer::shared().deliver(-10, 0, 0);
    EXPECT_EQ(again->cursor(), 1);
    runFor(0.4);
    ui::Accelerometer::shared().deliver(10, 0, 0);
    EXPECT_EQ(again->cursor(), 2);
}

TEST_F(PracticeScreens, TheShakeMarkerShowsOnlyOnAPhoneWithShakingOn) {
    struct Case {
        ui::Idiom idiom;
        bool shaking;
        bool shown;
    };
    const Case table[] = {
        {ui::Idiom::Phone, true, true},
        {ui::Idiom::Phone, false, false},
        {ui::Idiom::Tablet, true, false},
    };
    for (const auto& c : table) {
        rep->setFSetsShake(c.shaking);
        std::shared_ptr<QuestionVC> screen = makeQuestionsOn(c.idiom);
        runFor(0.5);
        auto marker = testing_support::findByOutlet(*screen, "shakeToolBarLbl");
        ASSERT_TRUE(marker);
        EXPECT_EQ(!marker->isHidden(), c.shown) << int(c.idiom) << c.shaking;
        screen->back();
        runFor(1);
    }
}

TEST_F(PracticeScreens, TheHeadersTypeAndRateLeaveRoomBetweenThem) {
    // "SC" right-aligned against the left of "100 %": a few points apart, never touching.
    for (ui::Idiom idiom : {ui::Idiom::Phone, ui::Idiom::Tablet}) {
        std::shared_ptr<QuestionVC> screen = makeQuestionsOn(idiom);
        auto type = testing_support::findByOutlet(*screen, "typeLbl");
        auto rate = testing_support::findByOutlet(*screen, "rateLbl");
        ASSERT_TRUE(type && rate);
        EXPECT_GE(rate->frame().minX() - type->frame().maxX(), 4) << int(idiom);
        screen->back();
        runFor(1);
    }
}

TEST_F(PracticeScreens, TheCalculatorAndScratchpadKeysOpenTheStudyAidsPanels) {
    for (ui::Idiom idiom : {ui::Idiom::Phone, ui::Idiom::Tablet}) {
        std::shared_ptr<QuestionVC> screen = makeQuestionsOn(idiom);
        runFor(0.5);
        bool tablet = idiom == ui::Idiom::Tablet;

        // The phone's calculator covers the screen as its main child; the tablet's key toggles a
        // docked panel beside the question.
        screen->openCalculator(nullptr);
        auto calculator = std::dynamic_pointer_cast<CalculatorVC>(screen->calculatorVC());
        ASSERT_TRUE(calculator) << int(idiom);
        EXPECT_EQ(screen->mainChild() == calculator, !tablet) << int(idiom);
        runFor(0.5);
        if (tablet)
            screen->openCalculator(nullptr);
        else
            calculator->doneClick(nullptr);
        runFor(0.5);
        EXPECT_EQ(screen->calculatorVC(), nullptr) << int(idiom);
        EXPECT_FALSE(calculator->isShown()) << int(idiom);

        // The scratchpad's Done closes it here: the question screen does not keep the drawing.
        screen->openScratchpad(nullptr);
        auto pad = std::dynamic_pointer_cast<ScratchpadVC>(screen->scratchpadVC());
        ASSERT_TRUE(pad) << int(idiom);
        runFor(0.5);
        EXPECT_TRUE(pad->isShown()) << int(idiom);
        pad->doneClick(nullptr);
        runFor(0.5);
        EXPECT_EQ(screen->scratchpadVC(), nullptr) << int(idiom);
        screen->back();
        runFor(1);
    }
}

TEST_F(PracticeScreens, TimeInTheBackgroundDoesNotCountAndLeavingStopsEveryDelayedCall) {
    auto screen = openQuestions();
    runFor(9.6);
    auto& center = fnd::NotificationCenter::defaultCenter();
    center.post(AbstractAppDelegate::kDidEnterBackgroundNotification);
    runFor(100);
    center.post(ui::Application::kDidBecomeActiveNotification);
    runFor(0.5);
    EXPECT_EQ(text(screen->timerLbl()), "00:11");

    // A forum link opens its screen later; leaving first cancels it, and the clock.
    page().tapLink("https://forum.example.org/t/1");
    screen->back();
    std::string last = text(screen->timerLbl());
    runFor(5);
    EXPECT_EQ(text(screen->timerLbl()), last);
    EXPECT_FALSE(screen->mainChild());
}

TEST_F(PracticeScreens, ASessionIsReviewedWithItsRecordedChoicesAndTimes) {
    practice->sessions()->startSession();
    auto q = set->questions()[2];
    q->addHistoryRecord(
        std::make_shared<MQSetHRecord>(fnd::Date::now(), 75, std::make_shared<MQSetSimpleAnswer>(3)));
    auto session = practice->sessions()->currentSession();
    session->setCursor(0);
    auto screen = ui::make<QuestionVC>(session);
    runFor(0.5);
    EXPECT_EQ(text(screen->timerLbl()), "01:15");
    EXPECT_FALSE(screen->randomQBtn()->isEnabled());
    const auto& scripts = page().scripts();
    EXPECT_NE(std::find(scripts.begin(), scripts.end(), "document.getElementById('radioC').checked=true;"),
              scripts.end());
    EXPECT_EQ(page().shown()->content.find("id=\"submit\""), std::string::npos);
    screen->changeQuestionAction(QuestionVC::kRandom);
    EXPECT_EQ(screen->cursor(), 0);
}

TEST_F(PracticeScreens, AReportMailCarriesTheWholeQuestionAndNeedsASupportAddress) {
    auto q = MQSetSimpleQuestion::make(set, 9, 1, 1, {}, "<p>Is 3 + 4 = 7? A & B # 50%</p>",
                                       {"a", "b", "c", "d", "e"}, "", std::nullopt);
    EXPECT_EQ(QuestionVC::reportMail("", 0, *q), "");
    std::string link = QuestionVC::reportMail("help@example.org", 1, *q);
    const std::string head = "mailto://help@example.org?subject=Tovrida%20(v";
    ASSERT_EQ(link.substr(0, head.size()), head);
    auto body = link.find("&body=");
    ASSERT_NE(body, std::string::npos);
    EXPECT_EQ(link.find_first_of("&#?=+", body + 6), std::string::npos);
    std::string text = fnd::percentUnescape(link.substr(body + 6));
    EXPECT_EQ(text.rfind("Hi,\n\n There is a formatting problem for the question: \n", 0), 0u);
    EXPECT_NE(text.find(q->describeItself()), std::string::npos);
}

TEST_F(PracticeScreens, EachReportKeyOfTheSheetOpensItsOwnMailAndCancelOpensNone) {
    // A bundle of the program's files whose information names a support address.
    fs::path bundle = temporary / "bundle";
    fs::create_directories(bundle);
    for (const auto& entry : fs::directory_iterator(ORVA_SOURCE_RESOURCES))
        if (entry.path().filename() != "Info.json")
            fs::create_symlink(entry.path(), bundle / entry.path().filename());
    std::ofstream(bundle / "Info.json")
        << R"({"CFBundleVersion": "2.5", "SupportMailAddress": "help@maker.example"})";
    fnd::Paths::setResources(bundle);
    std::vector<std::string> opened;
    ui::Application::shared().setOnOpenURL([&](const std::string& address) { opened.push_back(address); });

    auto screen = openQuestions();
    const std::pair<const char*, const char*> table[] = {
        {"Report wrong OA", "There is a wrong OA for the question: \n"},
        {"Report wrong formatting", "There is a formatting problem for the question: \n"},
        {"Other", "There is the following problem for the question: \n"},
        {"Cancel", nullptr},
    };
    for (const auto& [key, lead] : table) {
        opened.clear();
        page().submitForm("", "GET", {{"btnType", "reportBtn"}});
        runFor(0.5);
        ASSERT_TRUE(screen->reportSheet()) << key;
        auto button = testing_support::findByText(screen->reportSheet(), key);
        ASSERT_TRUE(button) << key;
        testing_support::tap(*button);
        runFor(0.5);
        if (!lead) {
            EXPECT_TRUE(opened.empty()) << key;
            continue;
        }
        ASSERT_EQ(opened.size(), 1u) << key;
        std::string body = fnd::percentUnescape(opened[0].substr(opened[0].find("&body=") + 6));
        EXPECT_EQ(body.rfind(std::string("Hi,\n\n ") + lead, 0), 0u) << key;
    }
}

// ---- The sets tool and the filter editor

class SetsTool : public PracticeScreens {
  protected:
    std::shared_ptr<SetsVC> openTool() {
        auto tool = ui::make<SetsVC>();
        ScreenBasesTest::openTool(tool);
        runFor(1);
        return tool;
    }
    // A forum set with that many unanswered questions of each type PS, DS, SC, CR.
    void fillForumSet(int ps, int others) {
        auto forum = practice->webQSet();
        int number = 1;
        for (int type = 1; type <= 4; ++type)
            for (int i = 0; i < (type == 1 ? ps : others); ++i)
                forum->questions().push_back(MQSetSimpleQuestion::make(
                    forum, number++, type, 1, {}, "<p>q</p>", {"a", "b", "c", "d", "e"}, "", std::nullopt));
    }
    void SetUp() override {
        PracticeScreens::SetUp();
        // Saves end on their own threads.
        fnd::NotificationCenter::defaultCenter().addObserver(
            &savesDone_, std::string(MSubRepository::kSaveDoneNotification), nullptr,
            [this](const fnd::Notification&) { ++savesDone_; });
    }
    void TearDown() override {
        fnd::NotificationCenter::defaultCenter().removeObserver(&savesDone_);
        PracticeScreens::TearDown();
    }
    int saves() const { return savesDone_.load(); }

  private:
    std::atomic<int> savesDone_{0};
};

TEST_F(SetsTool, CountsAndTheKeysTheyEnable) {
    auto tool = openTool();
    int all = 0;
    for (const auto& s : practice->qSets()) all += int(s->questions().size());
    EXPECT_EQ(text(tool->totalNumberOfAllQuestionsLbl()), std::to_string(all));
    EXPECT_EQ(text(tool->workQSetNumberLbl()), std::to_string(practice->workQSet()->questions().size()));
    EXPECT_EQ(text(tool->bookmarkQSetNumberLbl()), "0");
    EXPECT_FALSE(tool->bookmarkQSetBtn()->isEnabled());
    EXPECT_FALSE(tool->reviewQSetBtn()->isEnabled());

    // A session with an answer, and a bookmark, enable their keys once the question screen closes.
    tool->openQuestion(nullptr);
    runFor(0.5);
    ASSERT_TRUE(tool->questionVC());
    submit("1");
    tool->questionVC()->addRemoveBookmark(nullptr);
    tool->questionVC()->doneClick(nullptr);
    runFor(1);
    EXPECT_FALSE(tool->questionVC());
    EXPECT_EQ(text(tool->reviewQSetNumberLbl()), "1");
    EXPECT_TRUE(tool->reviewQSetBtn()->isEnabled());
    EXPECT_TRUE(tool->bookmarkQSetBtn()->isEnabled());
    EXPECT_FALSE(practice->sessions()->currentSession());

    // With every set switched off the work set is empty and its key does nothing.
    for (const auto& s : practice->qSets()) s->setIsActive(false);
    practice->filter()->fillQSet(*practice->workQSet(), practice->qSets());
    tool->openQuestion(nullptr);
    EXPECT_FALSE(tool->questionVC());
}

// The tablet's dashboard is a column in the middle of the screen, upright and turned (the tool's
// view takes the home screen's size when the tablet turns, and when it opens turned): every key,
// count and note keeps its place in the column.
TEST_F(SetsTool, TheTabletsDashboardStaysInTheMiddleOfTheScreenUprightAndTurned) {
    installHome(ui::Idiom::Tablet);
    delegate->setRep(rep);
    auto tool = ui::make<SetsVC_iPad>();
    ScreenBasesTest::openTool(tool);
    runFor(1);
    auto view = tool->view();
    // The parts below the bar, in the view's coordinates.
    auto parts = [&] {
        std::vector<ui::Rect> found;
        std::function<void(const ui::View&)> walk = [&](const ui::View& v) {
            for (const auto& sub : v.subviews()) {
                ui::Rect r = v.convertTo(sub->frame(), view.get());
                if (r.minY() < ui::Toolbar::kHeight) continue;  // the bar and the title on it
                if (sub->subviews().empty() || std::dynamic_pointer_cast<ui::Control>(sub))
                    found.push_back(r);
                else
                    walk(*sub);
            }
        };
        walk(*view);
        return found;
    };
    view->setFrame({{0, 0}, {768, 1004}});
    const std::vector<ui::Rect> upright = parts();
    ASSERT_GT(upright.size(), 10u);
    for (ui::Size size : {ui::Size{1024, 748}, ui::Size{768, 1004}}) {
        SCOPED_TRACE(size.width);
        view->setFrame({{0, 0}, size});
        const std::vector<ui::Rect> now = parts();
        ASSERT_EQ(now.size(), upright.size());
        ui::Rect column = now.front();
        for (std::size_t i = 0; i < now.size(); ++i) {
            column = column.united(now[i]);
            EXPECT_NEAR(now[i].minX() - upright[i].minX(), (size.width - 768) / 2, 1e-9) << i;
            EXPECT_NEAR(now[i].minY(), upright[i].minY(), 1e-9) << i;
        }
        EXPECT_NEAR(column.midX(), size.width / 2, 1);
    }
}

TEST_F(SetsTool, EveryTypeAtItsLimitGetsTheAlertAndNothingStarts) {
    fillForumSet(100, 100);
    auto tool = openTool();
    tool->startStopScan(nullptr);
    ASSERT_TRUE(tool->limitAlert());
    EXPECT_EQ(tool->limitAlert()->title(), SetsVC::kLimitTitle);
    EXPECT_FALSE(tool->isScanning());
    EXPECT_EQ(tool->startStopScanBtn()->currentTitle(), "Start");
}

TEST_F(SetsTool, AScanWithoutAForumAddressEndsAtItsFirstPollAndSavesOnce) {
    fillForumSet(99, 100);
    auto tool = openTool();
    tool->startStopScan(nullptr);
    EXPECT_FALSE(tool->limitAlert());
    EXPECT_EQ(tool->startStopScanBtn()->currentTitle(), "Stop");
    // Only PS was under its limit; its connection fails, and the next poll ends the scan and saves.
    ASSERT_TRUE(runUntil([&] { return !tool->isScanning(); }, 5));
    ASSERT_TRUE(runUntil([&] { return saves() == 1; }, 5));
    runFor(1);
    EXPECT_EQ(tool->startStopScanBtn()->currentTitle(), "Start");
    EXPECT_EQ(saves(), 1);
    EXPECT_FALSE(ui::Application::shared().isIdleTimerDisabled());
}

TEST_F(SetsTool, LeavingCancelsThePendingPollSoTheToolSavesOnce) {
    fillForumSet(0, 0);
    auto tool = openTool();
    tool->startStopScan(nullptr);
    tool->back();
    runUntil([&] { return saves() >= 1; }, 5);
    runFor(2);
    EXPECT_EQ(saves(), 1);
    for (const auto& scanner : tool->scanners()) EXPECT_FALSE(scanner->shouldContinue());
}

TEST_F(SetsTool, TheFilterEditorSwitchesASetAndTheWorkSetFollows) {
    auto tool = openTool();
    tool->openSetsFilterEdit(nullptr);
    runFor(1);
    auto editor = std::dynamic_pointer_cast<SetsFilterEditVC>(tool->setsFilterEditVC());
    ASSERT_TRUE(editor);
    int before = int(practice->workQSet()->questions().size());
    EXPECT_EQ(text(editor->headerLbl()), "Filter: " + std::to_string(before));
    auto& table = *editor->setsFilterEditTV();
    EXPECT_EQ(table.numberOfSections(), 4);
    const auto& first = practice->qSets()[0];
    editor->didSelectRow(table, {0, 0});
    EXPECT_FALSE(first->isActive());
    int after = before - int(first->questions().size());
    EXPECT_EQ(int(practice->workQSet()->questions().size()), after);
    EXPECT_EQ(text(editor->headerLbl()), "Filter: " + std::to_string(after));
    runFor(0.2);
    auto cell = table.cellForRow({0, 0});
    ASSERT_TRUE(cell);
    EXPECT_TRUE(cell->viewWithTag(SetsFilterEditVC::kActiveTag)->isHidden());
    EXPECT_TRUE(cell->viewWithTag(SetsFilterEditVC::kEditTag)->isHidden());

    editor->doneClick(nullptr);
    runFor(1);
    EXPECT_FALSE(tool->setsFilterEditVC());
    EXPECT_EQ(text(tool->workQSetNumberLbl()), std::to_string(after));
}

// The tool's scanners read a local fake forum.
class ScanningSetsVC : public SetsVC {
  public:
    static inline std::string address;
    static inline std::shared_ptr<fnd::URLSession> session;

  protected:
    std::shared_ptr<MForumScan> makeScanner() const override { return MForumScan::make(address, session); }
};

class ForumScanning : public SetsTool {
  protected:
    void SetUp() override {
        SetsTool::SetUp();
        session->setNetworkCheck([] { return true; });
        ScanningSetsVC::address = server.url("/forum/");
        ScanningSetsVC::session = session;
        rep->setSetsAutoscanStopTime(0);
    }
    void TearDown() override {
        if (tool) tool->save();
        ScanningSetsVC::session.reset();
        SetsTool::TearDown();
    }
    void open() {
        tool = ui::make<ScanningSetsVC>();
        ScreenBasesTest::openTool(tool);
        runFor(1);
    }
    // Waits in real time for the forum's pages, the manual clock still.
    bool waitFor(const std::function<bool()>& done) { return runUntil(done, 0); }
    int ofType(int type) const {
        int n = 0;
        for (const auto& q : practice->webQSet()->questions()) n += q->questionType() == type;
        return n;
    }

    testing_support::HTTPTestServer server;
    testing_support::FakeForum forum{server};
    std::shared_ptr<fnd::URLSession> session = std::make_shared<fnd::URLSession>();
    std::shared_ptr<SetsVC> tool;
};

TEST_F(ForumScanning, AScannerStopsOnceUnansweredAndHarvestedReach121) {
    fillForumSet(99, 100);
    open();
    tool->startStopScan(nullptr);
    EXPECT_EQ(tool->startStopScanBtn()->currentTitle(), "Stop");
    auto ps = tool->scanners()[0];
    ASSERT_TRUE(waitFor([&] { return ps->autoScanQSet()->questions().size() >= 2; }));
    // Twenty more unanswered questions of the type: the next poll finds 121 and stops its scanner.
    fillForumSet(20, 0);
    runFor(0.6);
    EXPECT_FALSE(ps->shouldContinue());
    runFor(0.6);
    ASSERT_TRUE(runUntil([&] { return saves() == 1; }, 5));
    EXPECT_EQ(tool->startStopScanBtn()->currentTitle(), "Start");
    // The harvest is in the forum set: the 119 made here and at least the two seen.
    EXPECT_GE(ofType(1), 121);
}

// A scan that ends by itself leaves its result on show, "added/pages read", although each scanner
// empties its own counters when it stops; what it added belongs to the forum set.
TEST_F(ForumScanning, TheEndedScanShowsTheQuestionsItAddedAndThePagesItRead) {
    fillForumSet(0, 100);
    const std::size_t before = practice->webQSet()->questions().size();
    open();
    tool->startStopScan(nullptr);
    ASSERT_TRUE(waitFor([&] { return !tool->scanners()[0]->shouldContinue(); }));
    runFor(0.6);
    ASSERT_TRUE(runUntil([&] { return saves() == 1; }, 5));
    const auto& questions = practice->webQSet()->questions();
    ASSERT_EQ(questions.size(), before + 2);
    EXPECT_EQ(text(tool->totalNumberOfScannedThreadsLbl()), "2/" + std::to_string(server.requests().size()));
    for (std::size_t i = before; i < questions.size(); ++i)
        EXPECT_EQ(questions[i]->set(), practice->webQSet()) << questions[i]->key();
}

TEST_F(ForumScanning, StopMovesTheHarvestIntoTheWorkSetAndSaves) {
    fillForumSet(0, 100);
    open();
    tool->startStopScan(nullptr);
    auto ps = tool->scanners()[0];
    ASSERT_TRUE(waitFor([&] { return !ps->autoScanQSet()->questions().empty(); }));
    tool->startStopScan(nullptr);
    EXPECT_EQ(tool->startStopScanBtn()->currentTitle(), "Start");
    EXPECT_FALSE(tool->isScanning());
    int inWorkSet = 0;
    for (const auto& q : practice->workQSet()->questions()) inWorkSet += q->set() == practice->webQSet();
    EXPECT_GE(inWorkSet, 1);
    runFor(0.5);
    ASSERT_TRUE(runUntil([&] { return saves() == 1; }, 5));
}

}  // namespace

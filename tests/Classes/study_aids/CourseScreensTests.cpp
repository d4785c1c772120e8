// The courses tool from its home screen button: the providers' rows and their counts, the tablet's
// count placed by the home screen's width, a provider's page with its toolbar and links, the page
// opened from a question (its key titled "Back"), and leaving the tool. Then the maths review from
// the library and the feedback tool with its counter and links.

#include <gtest/gtest.h>

#include "Classes/core/MRepository.h"
#include "Classes/core/ToolButton.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/core/WebViewCustom.h"
#include "Classes/library_store/StartVC.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetSimpleQuestion.h"
#include "Classes/practice/MSessions.h"
#include "Classes/practice/QuestionVC.h"
#include "Classes/study_aids/CentersVC.h"
#include "Classes/study_aids/ConceptVC.h"
#include "Classes/study_aids/CourseVC.h"
#include "Classes/study_aids/CoursesVC_iPad.h"
#include "Classes/study_aids/FeedbackVC.h"
#include "Classes/study_aids/MConcept.h"
#include "Classes/study_aids/MConcepts.h"
#include "Classes/study_aids/MCourse.h"
#include "Classes/study_aids/MCourses.h"
#include "Classes/study_aids/MathVC_iPad.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Paths.h"
#include "platform/ui/Application.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/Toolbar.h"
#include "tests/Classes/study_aids/StudyAidsScreenTest.h"
#include "tests/support/ScriptedWebEngine.h"

namespace {

using testing_support::ScriptedWebEngine;

class CourseScreensTest : public study_aids_test::StudyAidsScreenTest {
  protected:
    // The tool of a home screen button, as its tap opens it.
    template <class T>
    std::shared_ptr<T> openTool(const std::string& className) {
        for (const auto& button : home->toolButtons())
            if (button->vcClass().name.starts_with(className)) home->showToolCommon(button);
        runFor(1);
        return std::dynamic_pointer_cast<T>(home->toolVC());
    }
    std::shared_ptr<ui::TableViewCell> row(CoursesVC& tool, int index) {
        return tool.cellForRow(*tool.coursesTV(), {0, index});
    }
    std::shared_ptr<CourseVC> choose(CoursesVC& tool, int index) {
        tool.didSelectRow(*tool.coursesTV(), {0, index});
        runFor(1);
        return tool.courseVC();
    }
    static const ui::WebDocument* shownPage() {
        auto& engines = ScriptedWebEngine::engines();
        return engines.empty() ? nullptr : engines.back()->shown();
    }
};

TEST_F(CourseScreensTest, RowsListTheProvidersWithTheirCentreCountsOnShadedRows) {
    auto tool = openTool<CoursesVC>("CoursesVC");
    ASSERT_TRUE(tool);
    EXPECT_EQ(tool->coursesTV()->numberOfRows(0), 5);
    struct Expected {
        const char* name;
        const char* count;
        bool icon;
    } rows[] = {{"Kaplan", "", false},
                {"Knewton", "online", true},
                {"Manhattan ORVA", "35", true},
                {"Princeton Review", "", false},
                {"Manhattan Review", "", false}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(rows[i].name);
        auto cell = row(*tool, i);
        EXPECT_EQ(text(cell->viewWithTag(CourseRows::kNameTag)), rows[i].name);
        EXPECT_EQ(text(cell->viewWithTag(CourseRows::kCentersCountTag)), rows[i].count);
        EXPECT_EQ(cell->viewWithTag(CourseRows::kCentersIconTag)->isHidden(), !rows[i].icon);
        EXPECT_EQ(cell->viewWithTag(111)->backgroundColor(),
                  i % 2 ? ui::Color::hsb(0.3, 0, 0.92) : ui::Color::whiteColor());
        EXPECT_TRUE(cell->imageView()->image());
    }
    // An empty centre list still shows its count.
    courses->courseForName("Manhattan ORVA")->setCenters(MCourse::Centers{});
    EXPECT_EQ(text(row(*tool, 2)->viewWithTag(CourseRows::kCentersCountTag)), "0");
}

TEST_F(CourseScreensTest, TheTabletPlacesTheCountByTheHomeScreensWidth) {
    start(ui::Idiom::Tablet);
    auto tool = openTool<CoursesVC_iPad>("CoursesVC_iPad");
    ASSERT_TRUE(tool);
    double width = home->view()->bounds().size.width;
    EXPECT_EQ(tool->coursesTV()->rowHeight(), 120);
    // The row as the table lays it out, as wide as the home screen.
    tool->coursesTV()->layoutSubviews();
    auto cell = tool->coursesTV()->cellForRow({0, 2});
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->viewWithTag(CourseRows::kCentersIconTag)->center(), (ui::Point{width - 103, 66.5}));
    EXPECT_EQ(cell->viewWithTag(CourseRows::kCentersCountTag)->frame(), (ui::Rect{width - 123, 42, 40, 15}));
    EXPECT_EQ(cell->viewWithTag(CourseRows::kNameTag)->frame(), (ui::Rect{145, 50, 220, 20}));
    auto page = choose(*tool, 2);
    EXPECT_EQ(page->nibIdentifier(), "CourseView-iPad");
    page->showCenters(nullptr);
    EXPECT_EQ(page->centersVC()->nibIdentifier(), "CentersView-iPad");
}

TEST_F(CourseScreensTest, APageShowsItsProviderAndOffersCentresOnlyWhereThereAreAny) {
    auto tool = openTool<CoursesVC>("CoursesVC");
    auto kaplan = choose(*tool, 0);
    ASSERT_TRUE(kaplan);
    EXPECT_EQ(titles(*kaplan->toolB()), (std::vector<std::string>{"Done"}));
    ASSERT_TRUE(shownPage());
    EXPECT_NE(shownPage()->content.find("<h1>Kaplan</h1>"), std::string::npos);
    EXPECT_EQ(shownPage()->url, fnd::URL::fileURL(fnd::Bundle::main().resourcePath()));
    // While the page is open no other row opens, nor the centre list.
    EXPECT_EQ(choose(*tool, 2), kaplan);
    tool->showCenters(nullptr);
    EXPECT_FALSE(tool->centersVC());
    kaplan->doneClick(nullptr);
    runFor(1);
    EXPECT_FALSE(tool->courseVC());
    EXPECT_FALSE(kaplan->isShown());

    auto orva = choose(*tool, 2);
    EXPECT_EQ(titles(*orva->toolB()), (std::vector<std::string>{"Done", "Test Centers"}));
    orva->showCenters(nullptr);
    runFor(1);
    ASSERT_TRUE(orva->centersVC());
    EXPECT_EQ(orva->centersVC()->list().centers().size(), 35u);
}

TEST_F(CourseScreensTest, APageWithoutItsFileOpensEmptyWithItsToolbar) {
    auto orva = courses->courseForName("Manhattan ORVA");
    orva->setFileName("Courses_Nowhere_index");
    auto page = ui::make<CourseVC>(orva);
    runFor(1);
    EXPECT_EQ(titles(*page->toolB()), (std::vector<std::string>{"Done", "Test Centers"}));
    EXPECT_EQ(shownPage(), nullptr);
    page->close();
}

TEST_F(CourseScreensTest, LinkTapsLeaveThePageAndStoreAddressesAlwaysOpenOutside) {
    auto page = ui::make<CourseVC>(courses->courseForName("Knewton"));
    runFor(1);
    auto& engine = *ScriptedWebEngine::engines().back();
    std::size_t shown = engine.documents().size();
    EXPECT_FALSE(engine.tapLink("http://127.0.0.1:8080/courses"));
    EXPECT_FALSE(engine.tapLink("javascript:alert(1)"));
    std::string store = "https://" + WebViewCustom::externalHosts().front() + "/app/1";
    EXPECT_FALSE(engine.request(fnd::URLRequest(fnd::URL(store))));
    // Only addresses of the schemes the device opens are handed on; the page stays.
    EXPECT_EQ(opened, (std::vector<std::string>{"http://127.0.0.1:8080/courses", store}));
    EXPECT_EQ(engine.documents().size(), shown);
    // The page's own loads go ahead.
    fnd::URLRequest own(fnd::URL::fileURL(fnd::Bundle::main().resourcePath() / "Courses_Kaplan_index.htm"));
    EXPECT_TRUE(engine.request(own));
    page->close();
}

TEST_F(CourseScreensTest, AQuestionOpensItsSetsCoursePageWithABackKey) {
    auto practice = MPracticeRepository::makeWithData();
    rep->setPracticeRep(practice);
    auto set = MQSet::make(7000, "Mine", "My questions", "Sets_myset.png", true);
    set->questions().push_back(MQSetSimpleQuestion::make(set, 1, 1, 1, {}, "<p>Q1</p>",
                                                         {"a", "b", "c", "d", "e"}, "", std::nullopt));
    set->setCursor(0);
    set->setCourse(courses->courseForName("Manhattan ORVA"));
    practice->sessions()->startSession();
    auto questions = ui::make<QuestionVC>(set);
    runFor(0.5);
    ScriptedWebEngine::engines().back()->tapLink("Events:openCourse");
    runFor(1);
    auto page = std::dynamic_pointer_cast<CourseVC>(questions->mainChild());
    ASSERT_TRUE(page);
    EXPECT_EQ(page->course(), courses->courseForName("Manhattan ORVA"));
    EXPECT_EQ(titles(*page->toolB()), (std::vector<std::string>{"Back", "Test Centers"}));
    page->doneClick(nullptr);
    runFor(1);
    EXPECT_FALSE(questions->mainChild());
    questions->close();
}

TEST_F(CourseScreensTest, LeavingTheToolClosesItsPageAndLetsTheDeviceSleep) {
    auto tool = openTool<CoursesVC>("CoursesVC");
    application().setIdleTimerDisabled(true);
    tool->doneClick(nullptr);
    runFor(1);
    EXPECT_FALSE(home->toolVC());
    EXPECT_FALSE(application().isIdleTimerDisabled());

    // A tool sent back with its page open closes the page first.
    tool = openTool<CoursesVC>("CoursesVC");
    auto page = choose(*tool, 1);
    tool->back();
    runFor(1);
    EXPECT_FALSE(tool->courseVC());
    EXPECT_FALSE(page->isShown());
    EXPECT_FALSE(tool->isShown());
}

TEST_F(CourseScreensTest, TheMathsReviewListsEightTopicsAndReloadsWhenAPageCloses) {
    int tips = 0;
    auto observer = std::make_shared<fnd::Object>();
    fnd::NotificationCenter::defaultCenter().addObserver(observer, MathVC::kOpenedEvent, nullptr,
                                                         [&tips](const fnd::Notification&) { ++tips; });
    auto library = openTool<StartVC>("StartVC");
    library->showMath(nullptr);
    runFor(1);
    auto math = std::dynamic_pointer_cast<MathVC>(library->mathVC());
    ASSERT_TRUE(math);
    EXPECT_EQ(tips, 1);
    EXPECT_EQ(math->mathTV()->numberOfRows(0), 8);
    EXPECT_EQ(math->mathTV()->rowHeight(), 74);
    const char* names[] = {"Number Theory",      "Percents",   "Absolute Value",
                           "Triangles",          "Circles",    "Coordinate Geometry",
                           "Standard Deviation", "Probability"};
    for (int i = 0; i < 8; ++i) {
        auto cell = math->cellForRow(*math->mathTV(), {0, i});
        EXPECT_EQ(text(cell->viewWithTag(MathVC::kNameTag)), names[i]);
        EXPECT_EQ(cell->viewWithTag(111)->backgroundColor(),
                  i % 2 ? ui::Color::hsb(0.3, 0, 0.92) : ui::Color::whiteColor());
    }
    math->didSelectRow(*math->mathTV(), {0, 3});
    runFor(1);
    ASSERT_TRUE(math->conceptVC());
    EXPECT_EQ(text(math->conceptVC()->fullNameLbl()), "Triangles");
    EXPECT_NE(ScriptedWebEngine::engines().back()->shown()->content.find("<h1>Triangles</h1>"),
              std::string::npos);
    math->conceptVC()->doneClick(nullptr);
    runFor(1);
    EXPECT_FALSE(math->conceptVC());

    // A topic whose page is missing shows its name over an empty page.
    rep->conceptSet()->concepts()[5]->setFileName("math_nowhere_index");
    std::size_t engines = ScriptedWebEngine::engines().size();
    math->didSelectRow(*math->mathTV(), {0, 5});
    runFor(1);
    EXPECT_EQ(text(math->conceptVC()->fullNameLbl()), "Coordinate Geometry");
    EXPECT_EQ(ScriptedWebEngine::engines().size(), engines + 1);
    EXPECT_EQ(ScriptedWebEngine::engines().back()->shown(), nullptr);
    math->conceptVC()->doneClick(nullptr);
    runFor(1);
    math->doneClick(nullptr);
    runFor(1);
    EXPECT_FALSE(library->mathVC());
    fnd::NotificationCenter::defaultCenter().removeObserver(observer.get());
}

TEST_F(CourseScreensTest, TheTabletsMathsReviewHasTallerRowsAndItsOwnPages) {
    start(ui::Idiom::Tablet);
    auto math = ui::make<MathVC_iPad>();
    runFor(1);
    EXPECT_EQ(math->mathTV()->rowHeight(), 94);
    auto cell = math->cellForRow(*math->mathTV(), {0, 0});
    EXPECT_EQ(cell->viewWithTag(MathVC::kNameTag)->frame(), (ui::Rect{115, 37, 220, 20}));
    math->didSelectRow(*math->mathTV(), {0, 0});
    runFor(1);
    EXPECT_EQ(math->conceptVC()->nibIdentifier(), "ConceptView-iPad");
    math->conceptVC()->doneClick(nullptr);
    runFor(1);
    math->close();
}

TEST_F(CourseScreensTest, FeedbackCountsEachOpeningAndOpensItsConfiguredLinks) {
    rep->setFeedbackOpenCounter(0);
    auto feedback = openTool<FeedbackVC>("FeedbackVC");
    ASSERT_TRUE(feedback);
    EXPECT_EQ(rep->feedbackOpenCounter(), 1);
    EXPECT_TRUE(feedback->rateBtn()->backgroundImageForState(ui::StateNormal));
    // Nothing is configured: nothing opens.
    feedback->rate(nullptr);
    feedback->tellus(nullptr);
    EXPECT_TRUE(opened.empty());
    feedback->doneClick(nullptr);
    runFor(1);
    EXPECT_FALSE(home->toolVC());
    openTool<FeedbackVC>("FeedbackVC");
    EXPECT_EQ(rep->feedbackOpenCounter(), 2);

    // With the addresses in the information file, both keys open their link.
    useInfoValues(R"("CFBundleVersion": "2.5", "SupportMailAddress": "help@example.org",
        "StoreWebAddress": "http://127.0.0.1:9", "StoreProductIdentifier": "42")");
    auto again = std::dynamic_pointer_cast<FeedbackVC>(home->toolVC());
    again->rate(nullptr);
    again->tellus(nullptr);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_TRUE(
        opened[0].starts_with("http://127.0.0.1:9/WebObjects/MZStore.woa/wa/viewContentsUserReviews?id=42&"));
    EXPECT_EQ(opened[1], "mailto://help@example.org?subject=Tovrida%20(v2.5)&body=Hello!");
}

}  // namespace

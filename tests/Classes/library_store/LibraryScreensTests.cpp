// The library's screens on the home screen: the sections and their headers, what a row opens (a
// set, the maths review, a link outside or, once the library has closed, the forum), the alert of
// a busy book, the contents' fonts by depth, and the page reader's scripts and font limits.

#include <gtest/gtest.h>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/FontAdjustVC.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/ToolButton.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/library_store/LibraryContents.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MStartItem.h"
#include "Classes/library_store/PageScripts.h"
#include "Classes/library_store/StartItemVC_iPad.h"
#include "Classes/library_store/StartSetVC_iPad.h"
#include "Classes/library_store/StartVC.h"
#include "Classes/study_aids/MathVC.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "tests/Classes/library_store/LibraryHomeTest.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ScriptedWebEngine.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using testing_support::ScriptedWebEngine;

class LibraryScreensTest : public library_test::LibraryHomeTest {
  protected:
    // The library as its home screen button opens it.
    std::shared_ptr<StartVC> openLibrary() {
        openTool("StartVC");
        runFor(1);
        return std::dynamic_pointer_cast<StartVC>(home->toolVC());
    }
    static std::string headerText(StartVC& library, int section) {
        auto header = library.viewForHeader(*library.startTV(), section);
        auto label =
            header ? testing_support::findByText(header, library.sections().headerText(section)) : nullptr;
        return label ? std::dynamic_pointer_cast<ui::Label>(label)->text() : "(none)";
    }
    void choose(StartVC& library, int section, int row) {
        library.didSelectRow(*library.startTV(), {section, row});
        runFor(1);
    }
};

TEST_F(LibraryScreensTest, SectionsFollowTheBooksAndCollapseWithTheirCountShown) {
    rep->eBooks().push_back(std::make_shared<MEBook>("plain"));
    auto library = openLibrary();
    ASSERT_TRUE(library);
    ASSERT_EQ(library->countSections(), 6);
    EXPECT_EQ(headerText(*library, 0), "Interactive Books [1]");
    EXPECT_EQ(headerText(*library, 1), "eBooks [3]");
    EXPECT_EQ(library->booksArray().back()->title(), LibraryContents::kMathTitle);

    // The header key flips its section; a key of no section changes nothing.
    auto header = std::dynamic_pointer_cast<ui::Button>(library->viewForHeader(*library->startTV(), 4));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->tag(), 4);
    library->collapseExpandSection(header);
    EXPECT_EQ(library->countRowsInSection(4), 0);
    EXPECT_EQ(headerText(*library, 4), "ORVA Resources (online) [21]");
    auto stray = ui::make<ui::Button>(ui::Rect{0, 0, 1, 1});
    stray->setTag(9);
    library->collapseExpandSection(stray);
    EXPECT_EQ(library->sections().flags(), (std::vector<bool>{true, true, true, true, false, true}));

    // Without interactive books the first section is "eBooks".
    library->doneClick(nullptr);
    runFor(1);
    rep->eBooks().clear();
    auto plain = openLibrary();
    ASSERT_EQ(plain->countSections(), 5);
    EXPECT_EQ(plain->titleForSection(0), "eBooks");
}

TEST_F(LibraryScreensTest, RowsOpenTheirSetTheMathsReviewOrTheirLink) {
    auto library = openLibrary();
    choose(*library, 1, 0);  // the study guide
    ASSERT_TRUE(library->startSetVC());
    EXPECT_EQ(library->startSetVC()->tocSet().size(), 13u);
    library->startSetVC()->doneClick(nullptr);
    runFor(1);
    EXPECT_FALSE(library->startSetVC());

    choose(*library, 1, 1);  // the last row of "eBooks"
    EXPECT_FALSE(library->startSetVC());
    auto math = std::dynamic_pointer_cast<MathVC>(library->mathVC());
    ASSERT_TRUE(math);
    fnd::NotificationCenter::defaultCenter().post("MNotificationMathDone", math);
    runFor(1);
    EXPECT_FALSE(library->mathVC());

    // Video and store rows ship without links: nothing happens.
    choose(*library, 2, 0);
    choose(*library, 3, 0);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(home->toolVC(), library);
    library->openURL("https://www.youtube.com/watch?v=1");
    EXPECT_EQ(opened, (std::vector<std::string>{"https://www.youtube.com/watch?v=1"}));
}

TEST_F(LibraryScreensTest, AForumLinkClosesTheLibraryBeforeTheForumOpens) {
    auto library = openLibrary();
    library->openURL("http://127.0.0.1:9/forum/viewtopic.php?t=2001");
    runFor(0.5);
    EXPECT_NE(home->toolVC(), library) << "the library has closed";
    EXPECT_FALSE(home->toolVC());
    runFor(0.2);
    ASSERT_TRUE(home->toolVC());
    EXPECT_TRUE(home->toolVC()->view()->superview());
    EXPECT_TRUE(opened.empty());
}

TEST_F(LibraryScreensTest, ABookBusyInTheStoreDoesNotOpen) {
    auto library = openLibrary();
    ASSERT_EQ(library->smartBooksArray().size(), 1u);
    rep->parsingProducts().insert("Sample");
    choose(*library, 0, 0);
    EXPECT_FALSE(library->startSetVC());
    EXPECT_TRUE(testing_support::findByText(window(), StartVC::kUpdatingTitle));
    EXPECT_FALSE(library->canUpdateStatistics());
    rep->parsingProducts().clear();
    EXPECT_TRUE(library->canOpenStartSet(*library->smartBooksArray()[0]));
    choose(*library, 0, 0);
    ASSERT_TRUE(library->startSetVC()) << "an interactive book reads as a set for now";
    EXPECT_TRUE(library->canUpdateStatistics()) << "the phone marks the statistics";
}

TEST_F(LibraryScreensTest, TheContentsSetTitlesByDepth) {
    auto set = LibraryContents::studyGuide();
    auto phone = ui::make<StartSetVC>(set);
    auto tablet = ui::make<StartSetVC_iPad>(set);
    struct Case {
        int depth;
        double x, width, size;
        bool italic;
    };
    for (const Case& c :
         {Case{0, 70, 240, 17, false}, Case{1, 95, 215, 16, false}, Case{2, 120, 190, 15, true}}) {
        EXPECT_EQ(phone->titleFrame(c.depth), (ui::Rect{c.x, 12, c.width, 40}));
        EXPECT_EQ(phone->titleFont(c.depth).size(), c.size);
        EXPECT_EQ(phone->titleFont(c.depth).slant() == ui::Font::Slant::Italic, c.italic);
        EXPECT_EQ(tablet->titleFrame(c.depth), (ui::Rect{c.x + 25, 12, c.width + 380, 40}));
        EXPECT_EQ(tablet->titleFont(c.depth).size(), c.size + 2);
    }
    EXPECT_EQ(phone->markerFrame(3), (ui::Rect{4, 4, 57, 57}));
    phone->close();
    tablet->close();
}

TEST_F(LibraryScreensTest, PagesGetTheirScriptsInOrderAndTheFontStaysWithinItsLimits) {
    auto set = LibraryContents::studyGuide();
    auto reader = ui::make<StartItemVC>(set->items()[0], set);
    runFor(1);
    EXPECT_EQ(reader->titleLbl()->text(), "Introduction");
    const auto& front = ScriptedWebEngine::engines();
    ASSERT_EQ(front.size(), 2u);
    // The first page loaded in the view that is now in front: Zepto, then the reader's script.
    auto scripts = std::find_if(front.begin(), front.end(), [](const auto& e) {
        return e->documents().size() == 1 &&
               e->documents()[0].url.absoluteString().ends_with("01_introduction.htm");
    });
    ASSERT_NE(scripts, front.end());
    ASSERT_GE((*scripts)->scripts().size(), 2u);
    EXPECT_EQ((*scripts)->scripts()[0], *rep->jQuery());
    EXPECT_EQ((*scripts)->scripts()[1], PageScripts::phoneScript(13));

    reader->changeFontSize(nullptr);
    ASSERT_TRUE(reader->fontAdjustVC());
    for (int i = 0; i < 10; ++i)
        fnd::NotificationCenter::defaultCenter().post(FontAdjustVC::kLargerNotification,
                                                      reader->fontAdjustVC());
    EXPECT_EQ(rep->baseFontSize(), 20);
    EXPECT_EQ(reader->webView()->stringByEvaluatingJavaScript(""), "");
    for (int i = 0; i < 20; ++i)
        fnd::NotificationCenter::defaultCenter().post(FontAdjustVC::kSmallerNotification,
                                                      reader->fontAdjustVC());
    EXPECT_EQ(rep->baseFontSize(), 7);
    reader->back();
    runFor(1);

    auto tablet = ui::make<StartItemVC_iPad>(set->items()[0], set);
    runFor(1);
    bool shortScript = false;
    for (const auto& engine : ScriptedWebEngine::engines())
        for (const auto& script : engine->scripts()) shortScript |= script == PageScripts::tabletScript(7);
    EXPECT_TRUE(shortScript);
    tablet->back();
    runFor(1);
}

TEST_F(LibraryScreensTest, LinksOfAPageStayInTheReaderOrLeaveOnlyForTheWeb) {
    auto set = LibraryContents::studyGuide();
    auto reader = ui::make<StartItemVC>(set->items()[0], set);
    runFor(1);
    auto base = *set->URLForFileName("02_format_of_exam", std::nullopt);
    struct Case {
        std::string link;
        bool shown;  // a page of the set comes forward
        std::vector<std::string> opened;
    };
    const Case cases[] = {
        {base.absoluteString(), true, {}},
        {"file:///etc/passwd", false, {}},
        {"javascript:alert(1)", false, {}},
        {"https://127.0.0.1:9/page", false, {"https://127.0.0.1:9/page"}},
    };
    for (const Case& c : cases) {
        opened.clear();
        auto before = reader->reader().item();
        EXPECT_FALSE(reader->webViewShouldStartLoad(*reader->webView(), fnd::URLRequest(fnd::URL(c.link)),
                                                    fnd::URLRequest::NavigationType::LinkClicked))
            << "the front view never follows a link";
        runFor(1);
        EXPECT_EQ(reader->reader().item() != before, c.shown) << c.link;
        EXPECT_EQ(opened, c.opened) << c.link;
    }
    EXPECT_EQ(reader->titleLbl()->text(), "The Format of the Exam");
    EXPECT_TRUE(reader->webViewShouldStartLoad(*reader->backWebView(), fnd::URLRequest(fnd::URL("file:///x")),
                                               fnd::URLRequest::NavigationType::Other));
    reader->back();
    runFor(1);
}

}  // namespace

// The interactive book's screens over the shipped Sample book, opened from the library on the home
// screen: the contents with a pie beside each page that holds questions, the reader's page bridge
// with a scripted page (answers recorded and shown at once, official-guide questions opened in the
// error log's section screen and the page brought up to date on return, neither bridge link handed
// out of the program) and the deletion of the book's answers.

#include <gtest/gtest.h>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/ToolButton.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/errorlog/MSection.h"
#include "Classes/errorlog/SectionVC_iPad.h"
#include "Classes/library_store/IBookCloudVC_iPad.h"
#include "Classes/library_store/IBookItemVC.h"
#include "Classes/library_store/IBookItemVC_iPad.h"
#include "Classes/library_store/IBookStatsView.h"
#include "Classes/library_store/IBookVC.h"
#include "Classes/library_store/IBookVC_iPad.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MIBHRecord.h"
#include "Classes/library_store/MIBIndex.h"
#include "Classes/library_store/MIBQuestion.h"
#include "Classes/library_store/MStartItem.h"
#include "Classes/library_store/StartVC.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/TableViewCell.h"
#include "tests/support/HomeScreenLaunch.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ScriptedWebEngine.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using testing_support::ScriptedWebEngine;

class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

class IBookScreensTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        AbstractAppDelegate::registerClasses();
        ScriptedWebEngine::installForNewWebViews();
        start(ui::Idiom::Phone);
    }
    void TearDown() override {
        ui::ModalPanel::setHost(nullptr);
        if (home) home->close();
        home.reset();
        ScriptedWebEngine::reset();
        ScreenTestEnvironment::TearDown();
    }
    void start(ui::Idiom idiom) {
        if (home) home->close();
        delegate = std::make_shared<StillDelegate>();
        launch(idiom, delegate);
        application().setOnOpenURL([this](const std::string& address) { opened.push_back(address); });
        ui::ModalPanel::setHost([] { return std::static_pointer_cast<ui::View>(window()); });
        rep = MRepository::makeWithData();
        rep->setDoNotShowTips(true);
        rep->setFeedbackOpenCounter(1);
        home = testing_support::showHomeScreen(*delegate, rep);
    }
    // The Sample book's contents, opened from the library.
    std::shared_ptr<StartSetVC> openSample() {
        for (const auto& button : home->toolButtons())
            if (button->vcClass().name.starts_with("StartVC")) home->showToolCommon(button);
        runFor(1);
        auto library = std::dynamic_pointer_cast<StartVC>(home->toolVC());
        library->didSelectRow(*library->startTV(), {0, 0});
        runFor(1);
        return library->startSetVC();
    }
    std::shared_ptr<MEBook> sample() const { return rep->findEBookByProductId("Sample"); }
    std::shared_ptr<MIBQuestion> question(const std::string& key) const {
        return sample()->ibIndex()->questionDict().at(key);
    }
    // The reader on a page of the contents, its pages answering the bridge's questions.
    std::shared_ptr<StartItemVC> openPage(StartSetVC& contents, const std::string& fileName) {
        for (const auto& item : contents.tocSet())
            if (item->fileName() == fileName) {
                contents.openStartItemVCAtIndexPath(item);
                break;
            }
        auto reader = contents.startItemVC();
        for (const auto& engine : ScriptedWebEngine::engines()) engine->answerWith(pageAnswers);
        runFor(1);
        return reader;
    }
    static ScriptedWebEngine& engineOf(const ui::WebView& web) {
        return *std::dynamic_pointer_cast<ScriptedWebEngine>(web.engine());
    }
    static std::vector<std::string> scriptsSince(const ScriptedWebEngine& engine, std::size_t from) {
        return {engine.scripts().begin() + std::ptrdiff_t(from), engine.scripts().end()};
    }
    static std::size_t count(const std::vector<std::string>& scripts, const std::string& script) {
        return std::size_t(std::count(scripts.begin(), scripts.end(), script));
    }
    std::shared_ptr<ui::ActionSheet> shownSheet() const {
        for (const auto& view : window()->subviews())
            if (auto sheet = std::dynamic_pointer_cast<ui::ActionSheet>(view); sheet && sheet->isVisible())
                return sheet;
        return nullptr;
    }

    std::function<std::string(const std::string&)> pageAnswers =
        [](const std::string& script) -> std::string {
        if (script == "getData();") return "Sample_1_1,Sample_1_2";
        if (script == "getDataForOGButton(1);") return "OG12_PS_PS_2|OG12_PS_PS_1";
        return "Ok";
    };
    std::shared_ptr<StillDelegate> delegate;
    std::shared_ptr<MRepository> rep;
    std::shared_ptr<ToolChooseVC> home;
    std::vector<std::string> opened;
};

TEST_F(IBookScreensTest, TheContentsShowAPieForEachPageWithQuestionsAndKeepTheErrorLogsFile) {
    question("Sample_1_1")->addIBHRecord(std::make_shared<MIBHRecord>(std::nullopt, 0, true, "B"));
    for (ui::Idiom idiom : {ui::Idiom::Phone, ui::Idiom::Tablet}) {
        start(idiom);
        question("Sample_1_1")->addIBHRecord(std::make_shared<MIBHRecord>(std::nullopt, 0, true, "B"));
        auto contents = openSample();
        bool tablet = idiom == ui::Idiom::Tablet;
        ASSERT_TRUE(tablet ? bool(std::dynamic_pointer_cast<IBookVC_iPad>(contents))
                           : bool(std::dynamic_pointer_cast<IBookVC>(contents)));
        EXPECT_EQ(contents->nibIdentifierForSet(*sample()), tablet ? "IBookView-iPad" : "IBookView");
        EXPECT_EQ(contents->nibIdentifierForSet(MEBook("plain")),
                  tablet ? "StartSetView-iPad" : "StartSetView");
        EXPECT_EQ(contents->rep(), std::static_pointer_cast<MSubRepository>(rep->trackerRep()));
        EXPECT_TRUE(testing_support::findByTag(contents->view(), 0));

        for (int row = 0; row < int(contents->tocSet().size()); ++row) {
            const std::string& file = contents->tocSet()[std::size_t(row)]->fileName();
            auto cell = contents->cellForRow(*contents->setTV(), {0, row});
            auto marker = std::dynamic_pointer_cast<ui::ImageView>(cell->viewWithTag(StartSetVC::kMarkerTag));
            ASSERT_TRUE(marker);
            auto pie = marker->subviews().empty()
                           ? nullptr
                           : std::dynamic_pointer_cast<IBookStatsView>(marker->subviews()[0]);
            if (file == "arithmetic.html") {
                ASSERT_TRUE(pie) << file;
                EXPECT_EQ(marker->subviews().size(), 1u) << "a reused row has one pie";
                EXPECT_EQ(pie->stats(), (MIBStats{2, 1, 0}));
                EXPECT_EQ(pie->frame(), marker->bounds());
                EXPECT_FALSE(marker->image());
            } else if (file == "word_problems.html") {
                ASSERT_TRUE(pie) << file;
                EXPECT_EQ(pie->stats(), (MIBStats{2, 0, 0}));
            } else {
                EXPECT_FALSE(pie) << file;
                ASSERT_TRUE(marker->image()) << file;
                EXPECT_EQ(marker->image()->name(), MStartItem::kPointerImage) << file;
            }
        }
        auto reader = openPage(*contents, "arithmetic.html");
        EXPECT_TRUE(tablet ? bool(std::dynamic_pointer_cast<IBookItemVC_iPad>(reader))
                           : bool(std::dynamic_pointer_cast<IBookItemVC>(reader)));
        contents->doneClick(nullptr);
        runFor(1);
    }
}

TEST_F(IBookScreensTest, AnAnswerTappedOnThePageIsRecordedAndShownAtOnce) {
    auto contents = openSample();
    auto reader = openPage(*contents, "arithmetic.html");
    ASSERT_TRUE(reader);
    ScriptedWebEngine& page = engineOf(*reader->webView());
    const auto& loaded = page.scripts();
    ASSERT_GE(count(loaded, "preprocess();"), 1u) << "the bridge runs after the page's load";
    EXPECT_EQ(count(loaded, "userAnswer('Sample_1_1', 'none');"), count(loaded, "preprocess();"));

    std::size_t before = page.scripts().size();
    EXPECT_FALSE(page.tapLink("booksQButton:Sample_1_1:right:B"));
    ASSERT_TRUE(question("Sample_1_1")->history());
    EXPECT_EQ(question("Sample_1_1")->history()->back()->answer(), "B");
    EXPECT_EQ(
        scriptsSince(page, before),
        (std::vector<std::string>{"preprocess();", "getData();", "userAnswer('Sample_1_1', 'right');",
                                  "userAnswer('Sample_1_2', 'none');", "stats('stat1',0.500000,0.000000);"}));

    // Nothing but a tapped, well-formed link of a known question records anything.
    fnd::URLRequest loaded2(fnd::URL("booksQButton:Sample_1_2:wrong:A"));
    loaded2.setNavigationType(fnd::URLRequest::NavigationType::Other);
    EXPECT_FALSE(page.request(loaded2));
    for (const char* link : {"booksQButton:Sample_1_2", "booksQButton:Sample_9_9:wrong:A", "ogButton:1x"})
        EXPECT_FALSE(page.tapLink(link)) << link;
    EXPECT_FALSE(question("Sample_1_2")->history());
    EXPECT_EQ(question("Sample_1_1")->history()->size(), 1u);
    EXPECT_FALSE(reader->sectionVC());
    EXPECT_TRUE(opened.empty()) << "no bridge link leaves the program";
}

TEST_F(IBookScreensTest, AnOfficialGuideLinkOpensItsQuestionsAndTheirAnswersShowOnReturn) {
    auto contents = openSample();
    auto reader = openPage(*contents, "arithmetic.html");
    ScriptedWebEngine& page = engineOf(*reader->webView());
    EXPECT_FALSE(page.tapLink("ogButton:1"));
    auto section = std::dynamic_pointer_cast<SectionVC>(reader->sectionVC());
    ASSERT_TRUE(section);
    // The section screen lists its questions by number.
    const auto& ps = rep->books()[0]->sections()[1]->questions();
    EXPECT_EQ(section->questions(), (std::vector<std::shared_ptr<MQuestion>>{ps[0], ps[1]}));

    std::size_t before = page.scripts().size();
    fnd::NotificationCenter::defaultCenter().post("Done", section);
    runFor(1);
    EXPECT_FALSE(reader->sectionVC());
    EXPECT_EQ(count(scriptsSince(page, before), "preprocess();"), 1u) << "the page is brought up to date";

    // A link whose keys name no question opens an empty section.
    EXPECT_FALSE(page.tapLink("ogButton:2"));
    section = std::dynamic_pointer_cast<SectionVC>(reader->sectionVC());
    ASSERT_TRUE(section);
    EXPECT_TRUE(section->questions().empty());
    EXPECT_TRUE(opened.empty());
    reader->doneClick(nullptr);
    runFor(1);
}

TEST_F(IBookScreensTest, TheTabletOpensTheTabletSectionScreenAndItsCalculatorKeyToggles) {
    start(ui::Idiom::Tablet);
    auto contents = openSample();
    auto reader = std::dynamic_pointer_cast<IBookItemVC_iPad>(openPage(*contents, "arithmetic.html"));
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->nibIdentifier(), "StartItemView-iPad");
    ScriptedWebEngine& page = engineOf(*reader->webView());
    EXPECT_EQ(count(page.scripts(), IBookItemVC_iPad::fontScript(13)),
              count(page.scripts(), "preprocess();"));
    EXPECT_FALSE(page.tapLink("ogButton:1"));
    EXPECT_TRUE(std::dynamic_pointer_cast<SectionVC_iPad>(reader->sectionVC()));
    fnd::NotificationCenter::defaultCenter().post("Done", reader->sectionVC());
    runFor(1);
    reader->openCalculator(nullptr);
    EXPECT_TRUE(reader->calculatorVC());
    reader->openCalculator(nullptr);
    EXPECT_FALSE(reader->calculatorVC());
}

TEST_F(IBookScreensTest, DeletingTheHistoryAsksAndKeepsOtherBooksAnswers) {
    rep->booksData()["Other_1_1"] = {std::make_shared<MIBHRecord>(std::nullopt, 0, true, "A")};
    auto contents = openSample();
    auto reader = openPage(*contents, "arithmetic.html");
    engineOf(*reader->webView()).tapLink("booksQButton:Sample_1_2:wrong:C");
    reader->doneClick(nullptr);
    runFor(1);
    auto book = std::dynamic_pointer_cast<IBookVC>(contents);
    ASSERT_TRUE(book);

    book->clearHistory(nullptr);
    auto sheet = shownSheet();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->title(), IBookVC::kClearTitle);
    EXPECT_EQ(sheet->buttonTitle(sheet->destructiveButtonIndex()), "Delete");
    testing_support::tap(*sheet->button(sheet->cancelButtonIndex()));
    runFor(1);
    EXPECT_TRUE(question("Sample_1_2")->history());

    book->clearHistory(nullptr);
    sheet = shownSheet();
    ASSERT_TRUE(sheet);
    testing_support::tap(*sheet->button(sheet->destructiveButtonIndex()));
    runFor(1);
    EXPECT_FALSE(question("Sample_1_2")->history());
    EXPECT_EQ(rep->booksData().count("Sample_1_2"), 0u);
    EXPECT_EQ(rep->booksData().count("Other_1_1"), 1u);
}

TEST_F(IBookScreensTest, ClosingTheContentsWritesTheAnswersAndTheCloudOpensOnce) {
    auto contents = openSample();
    auto reader = openPage(*contents, "arithmetic.html");
    engineOf(*reader->webView()).tapLink("booksQButton:Sample_1_1:right:B");
    EXPECT_EQ(rep->booksData().count("Sample_1_1"), 0u) << "the answers stay in the book until it closes";
    reader->doneClick(nullptr);
    runFor(1);

    auto book = std::dynamic_pointer_cast<IBookVC>(contents);
    book->showCloud(nullptr);
    auto cloud = std::dynamic_pointer_cast<IBookCloudVC>(book->ibookCloudVC());
    ASSERT_TRUE(cloud);
    EXPECT_EQ(cloud->ibIndex(), sample()->ibIndex());
    book->showCloud(nullptr);
    EXPECT_EQ(book->ibookCloudVC(), cloud) << "one cloud at a time";
    cloud->doneClick(nullptr);
    runFor(1);
    EXPECT_FALSE(book->ibookCloudVC());

    book->doneClick(nullptr);
    runFor(1);
    ASSERT_EQ(rep->booksData().count("Sample_1_1"), 1u);
    EXPECT_TRUE(rep->booksData().at("Sample_1_1").back()->isRight());
}

}  // namespace

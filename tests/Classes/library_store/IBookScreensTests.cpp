// The interactive book's screens over the shipped Sample book, opened from the library on the home
// screen: the contents with a pie beside each page that holds questions, the reader's page bridge
// with a scripted page (answers recorded and shown at once, official-guide questions opened in the
// error log's section screen and the page brought up to date on return, neither bridge link handed
// out of the program), the deletion of the book's answers, and the tag cloud's sizes, colours and
// area with a seeded random source.

#include <gtest/gtest.h>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/ToolButton.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MCloud.h"
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
#include "platform/foundation/Random.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"
#include "tests/Classes/library_store/LibraryHomeTest.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ScriptedWebEngine.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using testing_support::ScriptedWebEngine;

class IBookScreensTest : public library_test::LibraryHomeTest {
  protected:
    // The Sample book's contents, opened from the library.
    std::shared_ptr<StartSetVC> openSample() {
        openTool("StartVC");
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
        // A book whose index could not be read shows pointers.
        auto index = sample()->ibIndex();
        sample()->setIbIndex(nullptr);
        auto cell = contents->cellForRow(*contents->setTV(), {0, 3});
        auto marker = std::dynamic_pointer_cast<ui::ImageView>(cell->viewWithTag(StartSetVC::kMarkerTag));
        EXPECT_TRUE(marker->subviews().empty());
        EXPECT_TRUE(marker->image());
        sample()->setIbIndex(index);

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
    // A save meanwhile (the program going to the background) keeps them all the same.
    ASSERT_TRUE(delegate->save());
    auto saved = AbstractAppDelegate::loadRepositoryOfClass<MRepository>(AbstractAppDelegate::dataFilePath());
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->booksData().count("Sample_1_1"), 1u);
    EXPECT_EQ(saved->booksData().at("Sample_1_1").back()->answer(), "B");
    ASSERT_TRUE(saved->findEBookByProductId("Sample")->ibIndex());
    EXPECT_EQ(saved->findEBookByProductId("Sample")->ibIndex()->statsForKey("Sample_1_1"),
              (MIBStats{1, 1, 0}));
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

// ---- The tag cloud

// An index whose tags carry (questions, answered, wrong) questions; the answered ones come first.
std::shared_ptr<MIBIndex> taggedIndex(const std::vector<std::tuple<std::string, int, int, int>>& tags) {
    auto index = std::make_shared<MIBIndex>("Tags");
    int number = 0;
    for (const auto& [tag, count, answered, wrong] : tags)
        for (int i = 0; i < count; ++i) {
            auto q =
                std::make_shared<MIBQuestion>("Tags", "1", ++number, MIBQuestion::Tags{tag}, std::nullopt);
            if (i < answered) q->addIBHRecord(std::make_shared<MIBHRecord>(std::nullopt, 0, i >= wrong, "A"));
            index->addQuestion(q);
        }
    return index;
}

std::map<std::string, std::shared_ptr<MCloudTag>> drawn(const IBookCloudVC& screen) {
    std::map<std::string, std::shared_ptr<MCloudTag>> words;
    for (const auto& tag : screen.cloud()->tags()) words[tag->text()] = tag;
    return words;
}

TEST_F(IBookScreensTest, TheCloudSizesAndColoursEachTagByItsQuestionsAndAnswers) {
    fnd::Random::seed(5);
    // 136 questions are the most of one tag: a tag of one question comes out at size 3.
    auto index = taggedIndex({{"Ratios", 136, 3, 0},
                              {"Algebra", 17, 3, 2},
                              {"Lines", 1, 0, 0},
                              {"Percents", 3, 3, 1},
                              {"Words", 0, 0, 0}});
    auto cloud = ui::make<IBookCloudVC>(index);
    runFor(2);
    auto words = drawn(*cloud);
    ASSERT_EQ(words.size(), 4u);
    std::vector<std::string> order;
    for (const auto& tag : cloud->cloud()->tags()) order.push_back(tag->text());
    EXPECT_EQ(order, (std::vector<std::string>{"ALGEBRA", "LINES", "PERCENTS", "RATIOS"})) << "in text order";
    EXPECT_EQ(cloud->qSetCountMax(), 136u);
    const double hue = delegate->mainHue();
    struct Case {
        const char* text;
        float size, alpha;
        ui::Color color;
    };
    for (const Case& c :
         {Case{"RATIOS", 18, 1, ui::Color::hsb(hue, 1, 1)}, Case{"ALGEBRA", 9, 1, ui::Color::hsb(0, 0.5, 1)},
          Case{"PERCENTS", 7, 0.2f + 0.8f * 5 / 7.5f, ui::Color::hsb(hue, 0, 1)},
          Case{"LINES", 7, 0.2f + 0.8f * 3 / 7.5f, ui::Color::whiteColor()}}) {
        ASSERT_TRUE(words.count(c.text)) << c.text;
        EXPECT_EQ(words[c.text]->fontSize(), c.size) << c.text;
        EXPECT_FLOAT_EQ(words[c.text]->alpha(), c.alpha) << c.text;
        EXPECT_EQ(words[c.text]->color(), c.color) << c.text;
    }
    EXPECT_FLOAT_EQ(words["LINES"]->alpha(), 0.52f);
    EXPECT_EQ(cloud->leftScaleLbl()->textColor(), delegate->lightColor());
    EXPECT_EQ(cloud->rightScaleLbl()->textColor(), ui::Color::redColor());
    EXPECT_EQ(cloud->cloud()->size(), (ui::Size{320, home->view()->bounds().size.height - 59}));

    // The same seed places the same words at the same points.
    fnd::Random::seed(5);
    auto again = ui::make<IBookCloudVC>(index);
    runFor(2);
    for (const auto& [text, tag] : drawn(*again)) EXPECT_EQ(tag->center(), words[text]->center()) << text;
    auto empty = ui::make<IBookCloudVC>(nullptr);
    runFor(2);
    EXPECT_TRUE(empty->cloud()->tags().empty());
}

TEST_F(IBookScreensTest, TheCloudLeavesOutTheLaterTagsOnceTheyCoverTwoFifthsOfIt) {
    std::vector<std::tuple<std::string, int, int, int>> tags;
    for (char c = 'A'; c <= 'Z'; ++c) tags.emplace_back(std::string(8, c), 1, 0, 0);
    auto cloud = ui::make<IBookCloudVC>(taggedIndex(tags));
    runFor(2);
    const auto& shown = cloud->cloud()->tags();
    ASSERT_LT(shown.size(), tags.size());
    ASSERT_FALSE(shown.empty());
    ui::Size size = cloud->cloud()->cloudView()->bounds().size;
    double area = 0, before = 0;
    for (const auto& tag : shown) {
        before = area;
        area += tag->size().width * tag->size().height;
    }
    EXPECT_LT(before, 0.4 * size.width * size.height) << "the last tag was added below the limit";
    EXPECT_GE(area, 0.4 * size.width * size.height) << "and the next one was left out";
    EXPECT_EQ(shown.back()->text(), std::string(8, char('A' + shown.size() - 1)));
}

TEST_F(IBookScreensTest, TheTabletsCloudIsLargerStartsAnywhereButTheMarginAndIsDrawnAgainOnTurning) {
    start(ui::Idiom::Tablet);
    fnd::Random::seed(9);
    auto cloud = ui::make<IBookCloudVC_iPad>(taggedIndex({{"Ratios", 8, 0, 0}, {"Lines", 1, 0, 0}}));
    runFor(2);
    EXPECT_EQ(cloud->cloud()->size(), IBookCloudVC_iPad::kFirstCloudSize);
    EXPECT_EQ(cloud->view()->subviews().front(), cloud->cloud()->cloudView());
    EXPECT_EQ(drawn(*cloud)["RATIOS"]->fontSize(), 36);
    EXPECT_EQ(drawn(*cloud)["LINES"]->fontSize(), 18);
    int lowest = 1000, highest = 0;
    for (int i = 0; i < 2000; ++i) {
        int x = cloud->cloudBoundsX({200.7, 100}), y = cloud->cloudBoundsY({100, 90.5});
        lowest = std::min({lowest, x, y});
        highest = std::max(highest, x);
        EXPECT_LE(y, 59);
    }
    EXPECT_EQ(lowest, 30);
    EXPECT_EQ(highest, 169);
    auto first = cloud->cloud();
    fnd::NotificationCenter::defaultCenter().post(ToolChooseVC::kDidRotateNotification, home);
    EXPECT_NE(cloud->cloud(), first);
    EXPECT_FALSE(first->cloudView()->superview());
    EXPECT_EQ(cloud->cloud()->size().width, home->view()->bounds().size.width);
    EXPECT_EQ(drawn(*cloud).size(), 2u);

    // The phone's start points do not depend on the cloud's size.
    start(ui::Idiom::Phone);
    auto phone = ui::make<IBookCloudVC>(nullptr);
    for (int i = 0; i < 2000; ++i) {
        int x = phone->cloudBoundsX({50, 50}), y = phone->cloudBoundsY({50, 50});
        EXPECT_TRUE(x >= 30 && x < 290 && y >= 30 && y < 370) << x << "," << y;
    }
}

}  // namespace

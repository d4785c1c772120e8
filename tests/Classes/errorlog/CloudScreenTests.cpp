// The concept cloud screen over a synthetic key (test data) and the colour of a tag by each
// measure at the period's boundary; the backup screen's mails and restore from the pasteboard.

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/errorlog/BooksBackup.h"
#include "Classes/errorlog/BooksIEVC.h"
#include "Classes/errorlog/BooksVC.h"
#include "Classes/errorlog/CloudVC_iPad.h"
#include "Classes/errorlog/MCloud.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/Random.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Pasteboard.h"
#include "tests/Classes/errorlog/ErrorLogScreensSupport.h"
#include "tests/support/ViewTestSupport.h"

namespace {

const fnd::Date kStart = fnd::Date::fromUnix(1773583509);

class CloudScreenTest : public errorlog_test::ErrorLogScreensTest {
  protected:
    std::shared_ptr<BooksVC> openTool() {
        testing_support::tap(*testing_support::findByOutlet(*home, "booksBtn"));
        runFor(1);
        return std::dynamic_pointer_cast<BooksVC>(home->toolVC());
    }
    template <class Screen>
    std::shared_ptr<Screen> openChild(void (BooksVC::*open)(const ui::Responder::Sender&)) {
        tool = openTool();
        if (!tool) return nullptr;
        ((*tool).*open)(nullptr);
        runFor(1);
        return std::dynamic_pointer_cast<Screen>(tool->childVC());
    }
    std::shared_ptr<CloudVC> openCloud() { return openChild<CloudVC>(&BooksVC::showCloud); }
    // The drawn words by text.
    static std::map<std::string, std::shared_ptr<MCloudTag>> drawn(const CloudVC& screen) {
        std::map<std::string, std::shared_ptr<MCloudTag>> words;
        for (const auto& tag : screen.cloud()->tags()) words[tag->text()] = tag;
        return words;
    }
    std::shared_ptr<BooksVC> tool;
};

TEST_F(CloudScreenTest, TheCloudShowsTheKeysTagsSizedByCountWithoutTheDifficultyTags) {
    fnd::Random::seed(11);
    auto screen = openCloud();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->cloudType(), CloudVC::kPS);
    std::map<std::string, std::size_t> counts;
    for (const auto& b : rep->books())
        for (const auto& s : b->sections())
            for (const auto& q : s->questions())
                if (q->questionType() == 1 && q->conceptNames())
                    for (const auto& text : *q->conceptNames()) ++counts[text];
    ASSERT_EQ(screen->tagQDic().size(), counts.size());
    unsigned max = 0;
    for (const auto& [text, n] : counts) {
        EXPECT_EQ(screen->tagQDic().at(text).size(), n) << text;
        max = std::max(max, unsigned(n));
    }
    EXPECT_EQ(screen->qSetCountMax(), max);
    EXPECT_EQ(counts.count("Hard"), 1u);

    const auto& tags = screen->cloud()->tags();
    ui::Size cloud = screen->cloud()->cloudView()->bounds().size;
    double area = 0;
    for (const auto& tag : tags) {
        EXPECT_TRUE(tag->text() != "HARD" && tag->text() != "MEDIUM" && tag->text() != "EASY");
        area += tag->size().width * tag->size().height;
    }
    // Every other key is drawn until the words cover 40 % of the cloud.
    double cap = 0.4 * cloud.width * cloud.height;
    ASSERT_FALSE(tags.empty());
    double last = tags.back()->size().width * tags.back()->size().height;
    EXPECT_LT(area - last, cap);
    if (tags.size() < counts.size() - 3) {
        EXPECT_GE(area, cap);
    }
    for (const auto& [text, tag] : drawn(*screen)) {
        ui::Rect frame = tag->tagLbl()->frame();
        EXPECT_EQ(frame.maxX(), std::round(frame.maxX())) << text;
    }
}

TEST_F(CloudScreenTest, AWordsSizeIsTheCubeRootOfItsShareAndSmallWordsAreFainter) {
    auto screen = openCloud();
    ASSERT_TRUE(screen);
    unsigned max = screen->qSetCountMax();
    ASSERT_GT(max, 8u);
    int size = screen->tagFont(max);
    EXPECT_EQ(size, 18);
    EXPECT_EQ(screen->tagAlpha(size), 1.0f);
    size = screen->tagFont(1);
    int computed = int(18 * std::cbrt(1.0 / max));
    EXPECT_EQ(size, computed);
    EXPECT_FLOAT_EQ(screen->tagAlpha(size), 0.2f + 0.8f * computed / 7.5f);
    EXPECT_EQ(size, 7);
    for (const auto& [text, tag] : drawn(*screen)) EXPECT_GE(tag->fontSize(), 7) << text;
}

TEST_F(CloudScreenTest, TheKeysCycleTheirValuesAndLabelsAndTheLegendFollowsTheMeasure) {
    auto screen = openCloud();
    ASSERT_TRUE(screen);
    std::vector<std::string> seen;
    for (int i = 0; i < 5; ++i) {
        screen->changeType();
        seen.push_back(screen->cloudTypeLbl()->text());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"DS", "RC", "CR", "SC", "PS"}));
    seen.clear();
    for (int i = 0; i < 7; ++i) {
        screen->changeSource();
        seen.push_back(screen->sourceLbl()->text());
    }
    EXPECT_EQ(seen,
              (std::vector<std::string>{"OG12", "OG Q 2", "OG V 2", "OG11", "OG Q 1", "OG V 1", "all"}));
    seen.clear();
    for (int i = 0; i < 5; ++i) {
        screen->changePeriod();
        seen.push_back(screen->periodLbl()->text());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"launch", "24h", "week", "month", "all"}));

    struct Legend {
        std::string colorLabel, left, right, image;
    } legends[] = {{"time", "00:00", "03:00", "Cloud_scale_time.png"},
                   {"solved", "0%", "100%", "Cloud_scale_solved.png"},
                   {"answer", "right", "wrong", "Cloud_scale_wrong.png"}};
    for (const auto& legend : legends) {
        auto before = screen->cloud();
        screen->changeColor();
        EXPECT_NE(screen->cloud(), before);  // every change draws a new cloud
        EXPECT_EQ(screen->colorLbl()->text(), legend.colorLabel);
        EXPECT_EQ(screen->leftScaleLbl()->text(), legend.left);
        EXPECT_EQ(screen->rightScaleLbl()->text(), legend.right);
        EXPECT_EQ(screen->scaleIV()->image()->name(), legend.image);
    }
    EXPECT_EQ(screen->leftScaleLbl()->textColor(), AbstractAppDelegate::shared()->lightColor());
    EXPECT_EQ(screen->rightScaleLbl()->textColor(), ui::Color::redColor());

    // A value outside its cycle stays, and so does its label; the cloud is still drawn again.
    screen->setPeriod(100);
    screen->changePeriod();
    EXPECT_EQ(screen->period(), 100);
    EXPECT_EQ(screen->periodLbl()->text(), "all");
    // With no question of a type in the source the cloud is empty; the legend still follows.
    screen->setSource(5);  // OG Verbal 1, no key: no tags at all
    screen->setCloudType(CloudVC::kRC);
    screen->changeColor();
    EXPECT_TRUE(screen->cloud()->tags().empty());
    EXPECT_EQ(screen->leftScaleLbl()->text(), "00:00");

    screen->doneClick();
    runFor(1);
    EXPECT_FALSE(tool->childVC());
}

TEST_F(CloudScreenTest, StartPointsLieInsideTheMarginsOfEachDevice) {
    fnd::Random::seed(3);
    auto phone = openCloud();
    ASSERT_TRUE(phone);
    auto range = [](const CloudVC& screen, ui::Size size) {
        std::pair<int, int> xs{1 << 30, -1}, ys{1 << 30, -1};
        for (int i = 0; i < 4000; ++i) {
            int x = screen.cloudBoundsX(size), y = screen.cloudBoundsY(size);
            xs = {std::min(xs.first, x), std::max(xs.second, x)};
            ys = {std::min(ys.first, y), std::max(ys.second, y)};
        }
        return std::pair{xs, ys};
    };
    using Range = std::pair<std::pair<int, int>, std::pair<int, int>>;
    EXPECT_EQ(range(*phone, {768, 853}), (Range{{30, 289}, {30, 289}}));
    EXPECT_EQ(range(*phone, {100, 100}), (Range{{30, 289}, {30, 289}}));

    start(ui::Idiom::Tablet);
    auto tablet = openCloud();
    ASSERT_TRUE(std::dynamic_pointer_cast<CloudVC_iPad>(tablet));
    EXPECT_EQ(range(*tablet, {200.7, 100.2}), (Range{{30, 169}, {30, 69}}));
}

TEST_F(CloudScreenTest, TheTabletsFirstCloudStandsBehindTheKeysAndATurnDrawsAnew) {
    start(ui::Idiom::Tablet);
    auto screen = openCloud();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->cloud()->size(), (ui::Size{768, 853}));
    EXPECT_EQ(screen->view()->subviews().front(), screen->cloud()->cloudView());
    EXPECT_EQ(screen->tagFont(screen->qSetCountMax()), 36);
    auto first = screen->cloud();
    screen->didRotate();
    ASSERT_NE(screen->cloud(), first);
    EXPECT_FALSE(first->cloudView()->superview());
    EXPECT_EQ(screen->view()->subviews().back(), screen->cloud()->cloudView());
    EXPECT_FALSE(screen->cloud()->tags().empty());
}

// ---- The colour of a tag

std::shared_ptr<MQuestion> question(int right, std::optional<MQuestion::History> history) {
    return std::make_shared<MQuestion>(nullptr, nullptr, 1, 1, 1, right, nullptr, std::move(history));
}
std::shared_ptr<MQuestion> answered(int right, int answer, double secondsAfterStart, double time = 30) {
    return question(right, MQuestion::History{MHRecord::initWithDate(
                               fnd::Date(kStart.timeIntervalSinceReferenceDate() + secondsAfterStart), time,
                               answer, false)});
}

TEST(CloudColor, EachMeasureCountsOnlyAttemptsAfterThePeriodStart) {
    const double hue = 0.6;
    auto color = [&](const CloudColor::Questions& qs, int measure) {
        return CloudColor::colorFor(qs, measure, kStart, hue);
    };
    using ui::Color;
    // Answer: one of three wrong is white; all right the scheme's colour; all wrong red. An
    // attempt exactly at the start, an unscored question and an empty history do not count.
    CloudColor::Questions third = {answered(2, 2, 1), answered(2, 2, 1), answered(2, 3, 1),
                                   answered(2, 3, 0), answered(0, 3, 5), question(2, MQuestion::History{})};
    EXPECT_EQ(color(third, CloudColor::kAnswer), Color::hsb(hue, 0, 1));
    EXPECT_EQ(color({answered(2, 2, 1)}, CloudColor::kAnswer), Color::hsb(hue, 1, 1));
    EXPECT_EQ(color({answered(2, 1, 1), answered(2, 1, 1)}, CloudColor::kAnswer), Color::hsb(0, 1, 1));
    EXPECT_EQ(color({answered(2, 1, 0)}, CloudColor::kAnswer), Color::whiteColor());
    // Time: 90 s to under 2 minutes is yellow, 2 minutes and more red, stronger the more were slow.
    EXPECT_EQ(color({answered(2, 2, 1, 89.9), answered(2, 2, 1, 90)}, CloudColor::kTime),
              Color::hsb(0.15, std::sqrt(0.5), 1));
    EXPECT_EQ(color({answered(2, 2, 1, 119.9), answered(0, 2, 1, 120)}, CloudColor::kTime),
              Color::hsb(0.075, 1, 1));
    EXPECT_EQ(color({answered(2, 2, 0, 150), answered(2, 2, 1, 30)}, CloudColor::kTime), Color::whiteColor());
    // Solved: the share of all the tag's questions answered right in the period.
    EXPECT_EQ(color({answered(2, 2, 1), answered(2, 2, 0), answered(0, 1, 1), question(3, std::nullopt)},
                    CloudColor::kSolved),
              Color::hsb(hue, 0.25, 1));
    EXPECT_EQ(color({answered(2, 2, 1)}, 9), Color::whiteColor());
}

// ---- The backup screen

class BackupScreenTest : public CloudScreenTest {
  protected:
    void SetUp() override {
        CloudScreenTest::SetUp();
        ui::Application::shared().setOnOpenURL(
            [this](const std::string& address) { opened.push_back(address); });
    }
    std::string mailedBody(const std::shared_ptr<ui::Button>& button) {
        testing_support::tap(*button);
        runFor(0.1);
        if (opened.empty()) return "(nothing opened)";
        return fnd::percentUnescape(opened.back().substr(std::string(BooksBackup::kMailAddress).size()));
    }
    std::vector<std::string> opened;
};

TEST_F(BackupScreenTest, TheKeysMailTheReportAndTheBackupAndTheRestoreReadsThePasteboard) {
    auto first = section(0, "PS");
    first->questions()[0]->addHRecord(MHRecord::initWithDate(kStart, 75, 2, false));
    first->questions()[1]->addHRecord(MHRecord::initWithDate(kStart, 15, 4, true));
    auto screen = openChild<BooksIEVC>(&BooksVC::showBooksIE);
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->txtBtn()->tag(), BooksIEVC::kReportTag);
    EXPECT_EQ(screen->backupBtn()->tag(), BooksIEVC::kBackupTag);
    EXPECT_TRUE(screen->clipboardBtn()->currentBackgroundImage());

    EXPECT_EQ(mailedBody(screen->txtBtn()), BooksBackup::reportText(rep->books()));
    std::string backup = mailedBody(screen->backupBtn());
    EXPECT_EQ(backup, BooksBackup::backupText(rep->books()));
    EXPECT_EQ(opened.back().rfind("mailto:?subject=Tovrida&body=", 0), 0u);

    ui::Pasteboard::general().setString(std::nullopt);
    testing_support::tap(*screen->clipboardBtn());
    EXPECT_EQ(screen->importLbl()->text(), "0/0");
    book(0)->clearHistory();
    ui::Pasteboard::general().setString("some words first\n" + backup);
    testing_support::tap(*screen->clipboardBtn());
    EXPECT_EQ(screen->importLbl()->text(), "2/2");
    EXPECT_EQ(first->questions()[1]->lastAttempt()->answer(), 4);
    testing_support::tap(*screen->clipboardBtn());
    EXPECT_EQ(screen->importLbl()->text(), "0/2");

    screen->doneCancelClick();
    runFor(1);
    EXPECT_FALSE(tool->childVC());
}

}  // namespace

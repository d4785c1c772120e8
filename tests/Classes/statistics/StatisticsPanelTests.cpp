// The statistics panel: chart kinds and their captions, the no-data states, the answers per step's
// labels, the table's periods, the refresh on a timer, and a panel whose owner is done with it.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <thread>
#include <tuple>

#include "Classes/statistics/AccuracyScale.h"
#include "Classes/statistics/PlotView.h"
#include "Classes/statistics/StatisticsAndDateView.h"
#include "platform/foundation/Calendar.h"
#include "platform/ui/TextLayout.h"
#include "tests/Classes/statistics/StatisticsPanelSupport.h"

namespace statistics_test {
namespace {

constexpr int kPS = 1, kDS = 2, kSC = 3, kCR = 4;

// `count` answers of a type an hour apart up to `last` seconds before now, right as `right` says.
void answer(PracticeFixture& practice, int type, int count, double last, bool (*right)(int) = nullptr) {
    for (int i = 0; i < count; ++i) {
        const bool isRight = right ? right(i) : true;
        practice.addQuestion(type, 1, {{kNow - last - 3600.0 * (count - 1 - i), 60, isRight ? 1 : 2}});
    }
}

// The grid lines of a plot that divides its height into `parts`, in the plot's coordinates.
std::vector<double> gridLines(const ui::View& plot, int parts) {
    std::vector<double> lines;
    for (int part = 0; part <= parts; ++part) lines.push_back(plot.bounds().height() * part / parts);
    return lines;
}

class StatisticsPanel : public StatisticsPanelTest {
  protected:
    template <class Panel>
    void expectNotesClearOfTheGrid(const char* device) {
        SCOPED_TRACE(device);
        auto panel = computedPanel<Panel>(repository());
        for (auto [note, plot, parts] :
             {std::tuple{"noEnoughDataL", "successRateV", AccuracyScale::kGridParts},
              std::tuple{"noEnoughData2L", "numberOfSolvedV", StatisticsView::kStepsGridParts}}) {
            auto shownNote = label(*panel, note);
            ASSERT_FALSE(shownNote->isHidden()) << note;
            ui::Rect text = shownNote->frame();
            for (double line : gridLines(*outlet(*panel, plot), parts))
                EXPECT_FALSE(text.minY() < line && line < text.maxY())
                    << note << " crosses the line at " << line;
        }
        // No curve: no scale.
        for (const auto& mark : panel->scale().labels()) EXPECT_TRUE(mark->isHidden()) << mark->text();
    }

    std::vector<std::shared_ptr<PlotView>> plots(const StatisticsView& panel) {
        std::vector<std::shared_ptr<PlotView>> found;
        for (const auto& view : outlet(panel, "successRateV")->subviews())
            if (auto plot = std::dynamic_pointer_cast<PlotView>(view)) found.push_back(plot);
        return found;
    }
    bool shown(const StatisticsView& panel, const std::string& name) {
        return !label(panel, name)->isHidden();
    }
};

TEST_F(StatisticsPanel, TappingTheChartCyclesTheKindsAndTheRepositoryKeepsTheChoice) {
    answer(practice, kSC, 8, 600);
    answer(practice, kCR, 8, 300, [](int i) { return i % 2 == 0; });
    auto rep = repository();
    rep->setCurrentStatisticsType(2);
    auto panel = computedPanel<StatisticsView>(rep);

    // Answers only in SC and CR: their curves are drawn; the V mix and RC have no value anywhere,
    // so their captions show the name alone.
    EXPECT_EQ(label(*panel, "caption")->text(), "V");
    EXPECT_EQ(label(*panel, "caption1")->text(), "SC(100.0%)");
    EXPECT_EQ(label(*panel, "caption2")->text(), "RC");
    EXPECT_EQ(label(*panel, "caption3")->text().rfind("CR(", 0), 0u);
    EXPECT_EQ(plots(*panel).size(), 4u);
    EXPECT_TRUE(label(*panel, "noEnoughDataL")->isHidden());

    std::vector<int> kinds;
    for (int i = 0; i < 3; ++i) {
        testing_support::tap(*outlet(*panel, "successRateIV"));
        kinds.push_back(rep->currentStatisticsType());
    }
    EXPECT_EQ(kinds, (std::vector<int>{0, 1, 2}));
    // Kind 1 (Q) has no answers at all in PS and DS: nothing drawn, the note instead.
    testing_support::tap(*outlet(*panel, "successRateIV"));
    testing_support::tap(*outlet(*panel, "successRateIV"));
    EXPECT_EQ(rep->currentStatisticsType(), 1);
    EXPECT_TRUE(plots(*panel).empty());
    EXPECT_TRUE(shown(*panel, "noEnoughDataL"));
    for (const char* caption : {"caption", "caption1", "caption2", "caption3", "caption4"})
        EXPECT_FALSE(shown(*panel, caption)) << caption;

    // The choice is the repository's: a new panel opens on it.
    auto again = computedPanel<StatisticsView>(rep);
    EXPECT_EQ(label(*again, "caption")->text(), "Q");
}

TEST_F(StatisticsPanel, KindZeroNeedsEveryTypeForTheAllCurve) {
    answer(practice, kPS, 8, 0);
    answer(practice, kDS, 8, 0);
    answer(practice, kSC, 8, 0);
    answer(practice, kCR, 8, 0);
    auto panel = computedPanel<StatisticsView>(repository());
    // No RC answer: neither V nor All has a value, only Q.
    EXPECT_EQ(label(*panel, "caption")->text(), "All");
    EXPECT_EQ(label(*panel, "caption1")->text(), "Q(100.0%)");
    EXPECT_EQ(label(*panel, "caption2")->text(), "V");
    EXPECT_FALSE(shown(*panel, "caption3"));
}

TEST_F(StatisticsPanel, KindsOfTheOtherConfigurationDrawAndCycleAmongThemselves) {
    answer(practice, kSC, 8, 0);
    answer(practice, kCR, 8, 0);
    auto rep = repository();
    rep->setCurrentStatisticsType(6);
    auto panel = computedPanel<StatisticsView>(rep);
    // Four single curves, no mix; the curve on the field without aggregator shows its name only.
    EXPECT_FALSE(shown(*panel, "caption"));
    EXPECT_EQ(label(*panel, "caption1")->text(), "TC");
    EXPECT_EQ(label(*panel, "caption2")->text().rfind("MC(", 0), 0u);
    EXPECT_EQ(label(*panel, "caption3")->text().rfind("NE(", 0), 0u);
    EXPECT_EQ(label(*panel, "caption4")->text(), "QC");
    EXPECT_EQ(plots(*panel).size(), 4u);
    testing_support::tap(*outlet(*panel, "successRateIV"));
    EXPECT_EQ(rep->currentStatisticsType(), 6);

    std::vector<int> kinds;
    rep->setCurrentStatisticsType(3);
    for (int i = 0; i < 3; ++i) {
        testing_support::tap(*outlet(*panel, "successRateIV"));
        kinds.push_back(rep->currentStatisticsType());
    }
    EXPECT_EQ(kinds, (std::vector<int>{5, 4, 3}));
}

TEST_F(StatisticsPanel, AnUnknownStoredKindDrawsNoChartUntilATapBringsTheFirstKind) {
    answer(practice, kSC, 8, 0);
    auto rep = repository();
    rep->setCurrentStatisticsType(9);
    auto panel = computedPanel<StatisticsView>(rep);
    EXPECT_TRUE(plots(*panel).empty());
    testing_support::tap(*outlet(*panel, "successRateIV"));
    EXPECT_EQ(rep->currentStatisticsType(), 0);
    EXPECT_EQ(label(*panel, "caption")->text(), "All");
}

TEST_F(StatisticsPanel, WithoutAnswersEveryPartShowsItsNoDataState) {
    auto panel = computedPanel<StatisticsView>(repository());
    EXPECT_TRUE(shown(*panel, "noEnoughDataL"));
    EXPECT_TRUE(shown(*panel, "noEnoughData2L"));
    EXPECT_FALSE(shown(*panel, "stepL"));
    EXPECT_FALSE(shown(*panel, "totalTimeL"));
    EXPECT_FALSE(shown(*panel, "totalTimeCaptionL"));
    EXPECT_EQ(label(*panel, "captionN")->text(), "0");
    for (const char* cell : {"Type1TodayL", "Type57DayL", "AllOverallL", "AllTodayL"})
        EXPECT_EQ(label(*panel, cell)->text(), "0") << cell;
}

TEST_F(StatisticsPanel, StepAndTotalTimeFollowTheAnswers) {
    // Ten answers within the last hour, a minute each: the step is a minute.
    for (int i = 0; i < 10; ++i) practice.addQuestion(kPS, 1, {{kNow - 300 - 30.0 * i, 61, 1}});
    auto panel = computedPanel<StatisticsView>(repository());
    EXPECT_EQ(label(*panel, "stepL")->text(), "step is a minute");
    EXPECT_EQ(label(*panel, "totalTimeL")->text(), "10min");
    EXPECT_TRUE(shown(*panel, "totalTimeCaptionL"));

    EXPECT_EQ(StatisticsView::totalTimeText(59), std::nullopt);
    EXPECT_EQ(StatisticsView::totalTimeText(3599), "59min");
    EXPECT_EQ(StatisticsView::totalTimeText(3660), "1h: 1m");
    EXPECT_EQ(StatisticsView::totalTimeText(7200 + 25 * 60), "2h:25m");
}

TEST_F(StatisticsPanel, TableCountsTodayTheLastSevenDaysAndEverything) {
    const fnd::Date now(kNow);                                       // 12:00 in the device's zone (UTC here)
    practice.addQuestion(kSC, 1, {{kNow - 60, 60, 1}});              // today
    practice.addQuestion(kSC, 1, {{kNow - 12 * 3600 - 60, 60, 1}});  // yesterday 23:59
    practice.addQuestion(kCR, 1, {{kNow - 6 * 86400 - 12 * 3600, 60, 1}});  // six days back, 00:00
    practice.addQuestion(kCR, 1, {{kNow - 6 * 86400 - 12 * 3600 - 1, 60, 2}});
    errorLog.addQuestion(6, 1, {{kNow - 30, 60, 1}});  // RC, today
    auto panel = computedPanel<StatisticsView>(repository());
    auto text = [&](const char* cell) { return label(*panel, cell)->text(); };
    EXPECT_EQ(text("Type3TodayL"), "1");
    EXPECT_EQ(text("Type37DayL"), "2");
    EXPECT_EQ(text("Type27DayL"), "1");
    EXPECT_EQ(text("Type2OverallL"), "2");
    EXPECT_EQ(text("Type1TodayL"), "1");
    EXPECT_EQ(text("AllTodayL"), "2");
    EXPECT_EQ(text("All7DayL"), "4");
    EXPECT_EQ(text("AllOverallL"), "5");
}

TEST_F(StatisticsPanel, CaptionsMoveToTheFreeTopLeftWhenTheCurveReachesTheTopRight) {
    // Wrong answers first, then a run of right ones: the curves stay low on the left and climb
    // into the top-right corner.
    answer(practice, kPS, 60, 3600, [](int i) { return i >= 20; });
    answer(practice, kDS, 60, 3600, [](int i) { return i >= 20; });
    auto rep = repository();
    rep->setCurrentStatisticsType(1);
    auto panel = computedPanel<StatisticsView>(rep);
    // In the interface file the block of captions ends at the plot's right edge; it moves to the left
    // edge, and the legends follow their captions.
    auto mix = label(*panel, "caption");
    EXPECT_NEAR(mix->frame().origin.x, 16, 1e-9);
    EXPECT_NEAR(label(*panel, "caption1")->frame().origin.x, 96, 1e-9);
    EXPECT_EQ(plots(*panel).back()->legendFrame(), mix->frame());
}

TEST_F(StatisticsPanel, RefreshesWhileYoungAndKeepsOneChain) {
    answer(practice, kPS, 6, 60);  // five hours of answers: a refresh every minute
    auto panel = computedPanel<StatisticsView>(repository());
    auto solved = outlet(*panel, "numberOfSolvedV");
    auto histogram = solved->subviews().back();
    runFor(59);
    EXPECT_EQ(solved->subviews().back(), histogram);
    runFor(1.1);
    EXPECT_NE(solved->subviews().back(), histogram);  // drawn again

    // Drawings in between replace the pending refresh: still one chain.
    const std::size_t pending = loop->pendingTimerCount();
    panel->renderStatistics();
    panel->renderStatistics();
    runFor(61);
    EXPECT_EQ(loop->pendingTimerCount(), pending);
    panel->cancelPendingRequests();
    runFor(61);
    EXPECT_EQ(loop->pendingTimerCount(), pending - 1);
}

TEST_F(StatisticsPanel, AStoppedPanelNeitherDrawsAComputationUnderWayNorRefreshes) {
    answer(practice, kPS, 6, 60);
    auto rep = repository();
    auto panel = ui::make<StatisticsView>(ui::Rect{});
    panel->setRepository(rep);
    const std::size_t pending = loop->pendingTimerCount();
    panel->showStatistics();
    panel->stop();
    ASSERT_TRUE(runUntil([&] { return !panel->isComputing(); }));
    runFor(10);
    EXPECT_EQ(panel->aggregator(StatisticsView::kAllField), nullptr);
    EXPECT_TRUE(plots(*panel).empty());
    EXPECT_EQ(loop->pendingTimerCount(), pending);
    panel->showStatistics();
    panel->renderStatistics();
    EXPECT_FALSE(panel->isComputing());
}

TEST_F(StatisticsPanel, RequestsFromAnotherThreadAreComputedOnTheMainThread) {
    answer(practice, kPS, 6, 60);
    auto panel = ui::make<StatisticsView>(ui::Rect{});
    panel->setRepository(repository());
    std::thread([panel] { panel->showStatistics(); }).join();
    ASSERT_TRUE(runUntil([&] { return panel->aggregator(StatisticsView::kAllField) != nullptr; }));
    EXPECT_EQ(label(*panel, "Type4OverallL")->text(), "6");
}

// ---- The tablet pane's countdown

class TestDateCountdown : public StatisticsPanelTest {
  protected:
    std::shared_ptr<StatisticsAndDateView> pane(std::optional<double> secondsAhead) {
        rep = repository();
        if (secondsAhead) rep->setTestDate(fnd::Date(kNow + *secondsAhead));
        auto view = ui::make<StatisticsAndDateView>(ui::Rect{});
        view->setRepository(rep);
        view->showTestDateInfo();
        return view;
    }
    std::vector<std::string> shownLabels(const StatisticsAndDateView& view) {
        std::vector<std::string> names;
        for (const char* name :
             {"notificationL", "timerL", "timerDaysL", "normalTextL", "dateL", "passedTextL"})
            if (!label(view, name)->isHidden()) names.push_back(name);
        return names;
    }
    std::shared_ptr<MRepository> rep;
};

TEST_F(TestDateCountdown, CountsDownDaysAndTimeUntilTheDatePasses) {
    auto view = pane(86400 + 2 * 3600 + 3 * 60 + 4);
    EXPECT_EQ(label(*view, "timerDaysL")->text(), "1 day");
    EXPECT_EQ(label(*view, "timerL")->text(), "02:03:04");
    EXPECT_EQ(label(*view, "dateL")->text(), "May 14, 2026");
    EXPECT_EQ(shownLabels(*view), (std::vector<std::string>{"timerL", "timerDaysL", "normalTextL", "dateL"}));

    clock->setWallTime(kNow + 2 * 3600 + 3 * 60 + 4 - 0.2);  // the countdown redraws on its own
    runFor(0.2);
    EXPECT_EQ(label(*view, "timerDaysL")->text(), "1 day");
    EXPECT_EQ(label(*view, "timerL")->text(), "00:00:00");
    clock->setWallTime(kNow + 2 * 86400);
    runFor(0.25);
    EXPECT_EQ(shownLabels(*view), (std::vector<std::string>{"dateL", "passedTextL"}));
    const std::size_t pending = loop->pendingTimerCount();
    runFor(1);
    EXPECT_EQ(loop->pendingTimerCount(), pending);  // the chain has ended
}

TEST_F(TestDateCountdown, ShowsTheDaysOrTheMissingOrPassedDate) {
    EXPECT_EQ(label(*pane(2 * 86400), "timerDaysL")->text(), "2 days");
    EXPECT_EQ(shownLabels(*pane(std::nullopt)), (std::vector<std::string>{"notificationL"}));
    EXPECT_EQ(shownLabels(*pane(-1)), (std::vector<std::string>{"dateL", "passedTextL"}));
    auto now = pane(0);
    EXPECT_EQ(label(*now, "timerDaysL")->text(), "0 days");
    EXPECT_EQ(label(*now, "timerL")->text(), "00:00:00");
}

TEST_F(TestDateCountdown, CallingAgainKeepsOneCountdown) {
    auto view = pane(3 * 86400);
    runFor(0.3);
    const std::size_t pending = loop->pendingTimerCount();
    for (int i = 0; i < 5; ++i) view->showTestDateInfo();
    runFor(0.3);
    EXPECT_EQ(loop->pendingTimerCount(), pending);
    view->cancelPendingRequests();
    runFor(0.3);
    EXPECT_EQ(loop->pendingTimerCount(), pending - 1);
}

TEST_F(StatisticsPanel, WithoutAnswersTheNotesStandClearOfTheGridLines) {
    expectNotesClearOfTheGrid<StatisticsView>("phone");
    expectNotesClearOfTheGrid<StatisticsAndDateView>("tablet");
}

TEST_F(StatisticsPanel, TheAccuracyGridIsLabelledInPercentClearOfTheCaptions) {
    answer(practice, kSC, 8, 600);
    answer(practice, kCR, 8, 300, [](int i) { return i % 2 == 0; });
    auto rep = repository();
    rep->setCurrentStatisticsType(2);
    auto panel = computedPanel<StatisticsView>(rep);
    auto plot = outlet(*panel, "successRateV");
    const auto& marks = panel->scale().labels();
    ASSERT_EQ(marks.size(), 3u);
    std::vector<double> lines = gridLines(*plot, AccuracyScale::kGridParts);
    const char* texts[] = {"75%", "50%", "25%"};
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const auto& mark = marks[i];
        EXPECT_EQ(mark->text(), texts[i]);
        EXPECT_FALSE(mark->isHidden()) << mark->text();
        EXPECT_EQ(mark->superview(), plot->superview());
        // Beside its line, in the plot's coordinates, and never under a caption wherever the
        // caption block goes.
        ui::Rect r = mark->frame().offsetBy(-plot->frame().minX(), -plot->frame().minY());
        double line = lines[i + 1];
        EXPECT_LE(std::min(std::abs(r.minY() - line), std::abs(r.maxY() - line)), 2) << mark->text();
        const double block = 2 * label(*panel, "caption")->frame().height() + 6;
        EXPECT_TRUE(r.minY() >= block && r.maxY() <= plot->bounds().height() - block) << mark->text();
    }
}

// Where a label draws its text: as wide as the text (the frame's width at most, once wrapped), on
// its side of the frame.
ui::Rect textRect(const ui::Label& label) {
    const ui::Rect frame = label.frame();
    const ui::Size text =
        ui::TextLayout::size(label.text(), label.font(), label.numberOfLines() == 1 ? 0 : frame.width());
    const double width = std::min(text.width, frame.width());
    double x = frame.minX();
    if (label.textAlignment() == ui::TextAlignment::Center) x = frame.midX() - width / 2;
    if (label.textAlignment() == ui::TextAlignment::Right) x = frame.maxX() - width;
    return {x, frame.minY(), width, std::min(text.height, frame.height())};
}

// In either arrangement of the tablet's pane every text fits its label, every part lies on the
// pane, no two texts shown at once overlap, the captions and the scale stay on the chart, and the
// notes of a pane without answers stand between the grid's lines.
TEST_F(StatisticsPanel, TheTabletPaneInEachArrangementShowsEveryTextWholeAndApart) {
    answer(practice, kSC, 8, 600);
    answer(practice, kCR, 8, 300, [](int i) { return i % 2 == 0; });
    // Long answers more than a year ago: the step is a month and the total time runs to hundreds
    // of hours.
    for (int i = 0; i < 30; ++i)
        practice.addQuestion(kPS, 1, {{kNow - 86400.0 * 400 - 3600.0 * i, 36000, 1}});
    auto rep = repository();
    rep->setCurrentStatisticsType(2);
    rep->setTestDate(fnd::Date(kNow + 86400.0 * 180 + 3600));
    auto pane = computedPanel<StatisticsAndDateView>(rep);
    pane->showTestDateInfo();
    // The longest counts the table shows.
    for (const char* name : {"AllTodayL", "All7DayL", "AllOverallL", "Type1OverallL"})
        label(*pane, name)->setText("99999");
    auto blank = computedPanel<StatisticsAndDateView>(repositoryWith(PracticeFixture{}, ErrorLogFixture{}));
    using Arrangement = StatisticsAndDateView::Arrangement;
    for (Arrangement arrangement : {Arrangement::OneRow, Arrangement::TwoRows}) {
        SCOPED_TRACE(arrangement == Arrangement::OneRow ? "one row" : "two rows");
        pane->setArrangement(arrangement);
        blank->setArrangement(arrangement);
        EXPECT_EQ(pane->frame().size, StatisticsAndDateView::sizeFor(arrangement));
        const ui::Rect bounds = pane->bounds();
        std::vector<std::pair<std::string, ui::Rect>> texts;
        std::function<void(const ui::View&)> walk = [&](const ui::View& view) {
            for (const auto& sub : view.subviews()) {
                if (sub->isHidden()) continue;
                ui::Rect r = sub->superview()->convertTo(sub->frame(), pane.get());
                EXPECT_TRUE(bounds.contains(r.origin) && r.maxX() <= bounds.maxX() + 1e-9 &&
                            r.maxY() <= bounds.maxY() + 1e-9)
                    << r.minX() << "," << r.minY() << " " << r.width() << "x" << r.height();
                auto text = std::dynamic_pointer_cast<ui::Label>(sub);
                if (text && !text->text().empty()) {
                    const ui::Size need = ui::TextLayout::size(text->text(), text->font(),
                                                               text->numberOfLines() == 1 ? 0 : r.width());
                    if (!text->adjustsFontSizeToFitWidth()) {
                        EXPECT_LE(need.width, r.width() + 0.5) << text->text();
                    }
                    EXPECT_LE(need.height, r.height() + 0.5) << text->text();
                    texts.emplace_back(text->text(),
                                       sub->superview()->convertTo(textRect(*text), pane.get()));
                }
                walk(*sub);
            }
        };
        walk(*pane);
        ASSERT_GT(texts.size(), 30u);
        for (std::size_t i = 0; i < texts.size(); ++i)
            for (std::size_t j = i + 1; j < texts.size(); ++j)
                EXPECT_FALSE(texts[i].second.intersects(texts[j].second))
                    << texts[i].first << " / " << texts[j].first;
        // Without answers the notes stand between the grid's lines.
        for (auto [note, plot, parts] :
             {std::tuple{"noEnoughDataL", "successRateV", AccuracyScale::kGridParts},
              std::tuple{"noEnoughData2L", "numberOfSolvedV", StatisticsView::kStepsGridParts}}) {
            auto empty = label(*blank, note);
            ui::Rect text = textRect(*empty);
            EXPECT_LE(ui::TextLayout::size(empty->text(), empty->font(), text.width()).height,
                      empty->frame().height());
            for (double line : gridLines(*outlet(*blank, plot), parts))
                EXPECT_FALSE(text.minY() < line && line < text.maxY())
                    << note << " crosses the line at " << line;
        }
        // The scale's marks lie at the chart's lines of this arrangement.
        auto plot = outlet(*pane, "successRateV");
        ASSERT_EQ(pane->scale().labels().size(), 3u);
        EXPECT_NEAR(pane->scale().labels()[1]->frame().maxY() + 1, plot->frame().midY(), 1e-9);
    }
}

}  // namespace
}  // namespace statistics_test

#include "Classes/statistics/StatisticsView.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <utility>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/statistics/HistogramView.h"
#include "Classes/statistics/PlotView.h"
#include "Classes/statistics/StatAggregator.h"
#include "Classes/statistics/StatCounter.h"
#include "Classes/statistics/StatGenerator.h"
#include "Classes/statistics/StatSnapshot.h"
#include "Classes/statistics/StatSummator.h"
#include "Classes/statistics/StatViewDelegate.h"
#include "Classes/statistics/StatWorker.h"
#include "platform/foundation/Calendar.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/Timer.h"
#include "platform/foundation/WhileAlive.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Nib.h"

namespace {

using SV = StatisticsView;

// The question type of each aggregator field (1 to 6); 0 for a field that has no aggregator here.
constexpr int kFieldTypes[SV::kFieldCount] = {
    SV::Type::RC, SV::Type::CR, SV::Type::SC, SV::Type::PS, SV::Type::DS, 0, 0};
constexpr int kNextKind[SV::kKindCount] = {1, 2, 0, 5, 3, 4, 6};
constexpr const char* kRefreshAction = "renderStatistics";

std::string nameForType(int type) { return MQSet::nameForType(type).value_or(""); }

std::shared_ptr<StatSummator> mixOf(
    std::initializer_list<std::pair<std::shared_ptr<StatViewDelegate>, float>> parts) {
    auto mix = std::make_shared<StatSummator>();
    for (const auto& [series, weight] : parts) mix->addGenerator(series, weight);
    return mix;
}

ui::Size sizeOf(const std::shared_ptr<ui::View>& view) { return view ? view->frame().size : ui::Size{}; }
ui::Rect frameOf(const std::shared_ptr<ui::Label>& label) { return label ? label->frame() : ui::Rect{}; }
void hide(const std::shared_ptr<ui::Label>& label, bool hidden) {
    if (label) label->setHidden(hidden);
}

}  // namespace

StatisticsView::StatisticsView() = default;

StatisticsView::~StatisticsView() {
    if (auto loop = fnd::RunLoop::installedMain()) loop->cancelPerforms(requestTarget());
    if (savesTimer_) savesTimer_->invalidate();
}

template <int Column, int Row>
void StatisticsView::addTableOutlet(ui::ConnectionTable& table, const char* name) {
    table.outlet(name, &StatisticsView::setTableLabel<Column, Row>, &StatisticsView::tableLabel<Column, Row>);
}

const ui::ConnectionTable& StatisticsView::classConnections() {
    static const ui::ConnectionTable table = [] {
        ui::ConnectionTable t("StatisticsView", &ui::View::classConnections());
        t.outlet("content", &StatisticsView::content_)
            .outlet("successRateV", &StatisticsView::successRateV_)
            .outlet("numberOfSolvedV", &StatisticsView::numberOfSolvedV_)
            .outlet("successRateIV", &StatisticsView::successRateIV_)
            .outlet("numberOfSolvedIV", &StatisticsView::numberOfSolvedIV_)
            .outlet("caption", &StatisticsView::caption_)
            .outlet("caption1", &StatisticsView::caption1_)
            .outlet("caption2", &StatisticsView::caption2_)
            .outlet("caption3", &StatisticsView::caption3_)
            .outlet("caption4", &StatisticsView::caption4_)
            .outlet("captionN", &StatisticsView::captionN_)
            .outlet("stepL", &StatisticsView::stepL_)
            .outlet("noEnoughDataL", &StatisticsView::noEnoughDataL_)
            .outlet("noEnoughData2L", &StatisticsView::noEnoughData2L_)
            .outlet("totalTimeCaptionL", &StatisticsView::totalTimeCaptionL_)
            .outlet("totalTimeL", &StatisticsView::totalTimeL_)
            .action("switchPlotType:", &StatisticsView::switchPlotType);
        addTableOutlet<0, 0>(t, "Type1TodayL");
        addTableOutlet<0, 1>(t, "Type2TodayL");
        addTableOutlet<0, 2>(t, "Type3TodayL");
        addTableOutlet<0, 3>(t, "Type4TodayL");
        addTableOutlet<0, 4>(t, "Type5TodayL");
        addTableOutlet<0, 5>(t, "Type6TodayL");
        addTableOutlet<0, 6>(t, "AllTodayL");
        addTableOutlet<1, 0>(t, "Type17DayL");
        addTableOutlet<1, 1>(t, "Type27DayL");
        addTableOutlet<1, 2>(t, "Type37DayL");
        addTableOutlet<1, 3>(t, "Type47DayL");
        addTableOutlet<1, 4>(t, "Type57DayL");
        addTableOutlet<1, 5>(t, "Type67DayL");
        addTableOutlet<1, 6>(t, "All7DayL");
        addTableOutlet<2, 0>(t, "Type1OverallL");
        addTableOutlet<2, 1>(t, "Type2OverallL");
        addTableOutlet<2, 2>(t, "Type3OverallL");
        addTableOutlet<2, 3>(t, "Type4OverallL");
        addTableOutlet<2, 4>(t, "Type5OverallL");
        addTableOutlet<2, 5>(t, "Type6OverallL");
        addTableOutlet<2, 6>(t, "AllOverallL");
        return t;
    }();
    return table;
}

void StatisticsView::init(const ui::Rect& frame) {
    View::init(frame);
    worker_ = std::make_unique<StatWorker>();
    parts_ = ui::Nib::loadContents(nibIdentifier(), *this).objectsById;
    if (!content_) return;
    if (frame.size.isEmpty()) setFrame({frame.origin, content_->frame().size});
    content_->setFrame({{0, 0}, content_->frame().size});
    addSubview(content_);
    if (successRateV_) scale_.install(*successRateV_);
}

std::shared_ptr<ui::View> StatisticsView::part(const std::string& id) const {
    auto it = parts_.find(id);
    return it == parts_.end() ? nullptr : it->second;
}

void StatisticsView::partsMoved() {
    captionDx_ = captionDy_ = 0;
    if (successRateV_) scale_.install(*successRateV_);
    renderStatistics();
}

std::shared_ptr<MRepository> StatisticsView::repository() const {
    return repository_ ? repository_ : AbstractAppDelegate::sharedRep();
}

bool StatisticsView::isComputing() const { return worker_ && worker_->isBusy(); }

// ---- Computing

void StatisticsView::showStatisticsInThread() {
    if (stopped_) return;
    if (savesTimer_) savesTimer_->invalidate();
    savesTimer_ = nullptr;
    auto rep = repository();
    if (rep && rep->subRepsAreSaving()) {
        savesTimer_ = fnd::RunLoop::main().scheduleTimer(
            1.0, false, fnd::whileAlive(*this, &StatisticsView::showStatisticsInThread));
        return;
    }
    showStatistics();
}

void StatisticsView::showStatistics() {
    if (!fnd::Thread::isMainThread()) {
        fnd::RunLoop::main().post(fnd::whileAlive(*this, &StatisticsView::showStatistics));
        return;
    }
    if (stopped_) return;
    auto rep = repository();
    // The answers are copied here, where the models live; the worker reads only the copy.
    std::shared_ptr<const StatSnapshot> snapshot =
        rep ? StatSnapshot::take(*rep) : std::make_shared<StatSnapshot>();
    auto install = fnd::whileAlive(*this, &StatisticsView::install);
    worker_->submit([snapshot, install]() -> std::function<void()> {
        std::array<std::shared_ptr<const StatAggregator>, kFieldCount> aggregators;
        for (int field = 1; field <= kFieldCount; ++field) {
            if (field == kAllField)
                aggregators[field - 1] = std::make_shared<const StatAggregator>(*snapshot, 0);
            else if (kFieldTypes[field - 1] != 0)
                aggregators[field - 1] =
                    std::make_shared<const StatAggregator>(*snapshot, kFieldTypes[field - 1]);
        }
        return [install, aggregators = std::move(aggregators)]() mutable { install(std::move(aggregators)); };
    });
}

void StatisticsView::install(std::array<std::shared_ptr<const StatAggregator>, kFieldCount> aggregators) {
    if (stopped_) return;
    aggregators_ = std::move(aggregators);
    computed_ = true;
    renderStatistics();
    const fnd::Date now = fnd::Date::now();
    for (int column = 0; column < 3; ++column) {
        const int days = column == 0 ? 0 : column == 1 ? 6 : -1;
        for (int row = 0; row < kFieldCount; ++row)
            showTableValueForPeriod(days, aggregators_[row].get(), table_[column][row].get(), now);
    }
}

void StatisticsView::showTableValueForPeriod(int days, const StatAggregator* aggregator, ui::Label* label,
                                             fnd::Date now) {
    if (!aggregator || !label) return;
    label->setText(std::to_string(countForPeriod(days, *aggregator, now)));
}

int StatisticsView::countForPeriod(int days, const StatAggregator& aggregator, fnd::Date now) {
    const auto& records = aggregator.statRecords();
    if (days < 0) return static_cast<int>(records.size());
    const fnd::Calendar calendar = fnd::Calendar::current();
    fnd::DateComponents day = calendar.components(now.addingTimeInterval(-86400.0 * days));
    day.hour = day.minute = day.second = 0;
    const fnd::Date start = calendar.date(day).value_or(now);
    int count = 0;
    for (auto it = records.rbegin(); it != records.rend() && !(it->date() < start); ++it) ++count;
    return count;
}

void StatisticsView::cancelPendingRequests() { fnd::RunLoop::main().cancelPerforms(requestTarget()); }

void StatisticsView::stop() {
    stopped_ = true;
    cancelPendingRequests();
    if (worker_) worker_->cancelPending();
    if (savesTimer_) savesTimer_->invalidate();
    savesTimer_ = nullptr;
}

// ---- Drawing

std::optional<double> StatisticsView::refreshDelay(double coveredPeriod) {
    if (coveredPeriod < 10800) return 5.0;
    if (coveredPeriod < 432000) return 60.0;
    return std::nullopt;
}

std::optional<std::string> StatisticsView::totalTimeText(double seconds) {
    if (!(seconds >= 60)) return std::nullopt;
    char text[64];
    if (seconds < 3600) {
        std::snprintf(text, sizeof text, "%dmin", static_cast<int>(seconds / 60));
    } else {
        const int hours = static_cast<int>(seconds / 3600);
        std::snprintf(text, sizeof text, "%dh:%2dm", hours,
                      static_cast<int>((seconds - 3600.0 * hours) / 60));
    }
    return std::string(text);
}

void StatisticsView::renderStatistics() {
    if (stopped_ || !computed_) return;
    drawKind(repository() ? repository()->currentStatisticsType() : 0);

    const auto& all = aggregator(kAllField);
    const ui::Rect frame{{0, 0}, sizeOf(numberOfSolvedV_)};
    auto bars = std::make_shared<StatCounter>(all);
    auto mean = std::make_shared<StatCounter>(all);
    mean->setMean(true);

    if (statViewN_) statViewN_->removeFromSuperview();
    statViewN_ = ui::make<HistogramView>(frame, bars);
    statViewN_->setMainColor(histogramColor());
    if (numberOfSolvedV_) numberOfSolvedV_->addSubview(statViewN_);
    if (captionN_) captionN_->setText(std::to_string(bars->max()));

    const bool answered = bars->stepName().has_value();
    if (stepL_) {
        if (answered) stepL_->setText("step is a " + *bars->stepName());
        stepL_->setHidden(!answered);
    }
    hide(noEnoughData2L_, answered);
    const std::optional<std::string> total = answered && all ? totalTimeText(all->totalTime()) : std::nullopt;
    hide(totalTimeCaptionL_, !total);
    hide(totalTimeL_, !total);
    if (total && totalTimeL_) totalTimeL_->setText(*total);

    if (statViewNM_) statViewNM_->removeFromSuperview();
    statViewNM_ = ui::make<PlotView>(frame, mean);
    statViewNM_->setMainColor(meanColor());
    if (numberOfSolvedV_) numberOfSolvedV_->addSubview(statViewNM_);

    // One refresh chain at most: a drawing replaces the refresh that was pending.
    fnd::RunLoop::main().cancelPerforms(requestTarget(), kRefreshAction);
    const std::optional<double> delay = refreshDelay(all ? all->coveredPeriod(fnd::Date::now()) : 0);
    if (!delay) return;
    fnd::RunLoop::main().performAfterDelay(*delay, *this, kRefreshAction, &StatisticsView::renderStatistics);
}

int StatisticsView::nextKind(int kind) { return kind >= 0 && kind < kKindCount ? kNextKind[kind] : kQV; }

void StatisticsView::switchPlotType(const Sender&) {
    auto rep = repository();
    if (!rep || !computed_ || stopped_) return;
    drawKind(nextKind(rep->currentStatisticsType()));
}

void StatisticsView::drawKind(int kind) {
    if (kind < 0 || kind >= kKindCount) return;
    const auto& all = aggregator(kAllField);
    const double period = all ? all->coveredPeriod(fnd::Date::now()) : 0;
    auto curve = [&](int field) -> std::shared_ptr<StatViewDelegate> {
        auto generator = std::make_shared<StatGenerator>(aggregator(field), StatGenerator::cubicStatWeight);
        generator->setCoveredPeriod(period);
        return generator;
    };
    auto single = [&](int field, int type) { return Slot{nameForType(type), curve(field)}; };
    constexpr float kHalf = 0.5f, kThird = 0.33f;

    switch (kind) {
        case kQV: {
            auto q = mixOf({{curve(Field::PS), kHalf}, {curve(Field::DS), kHalf}});
            auto v =
                mixOf({{curve(Field::RC), kThird}, {curve(Field::CR), kThird}, {curve(Field::SC), kThird}});
            drawChart(Slot{"All", mixOf({{q, kHalf}, {v, kHalf}})}, {Slot{"Q", q}, Slot{"V", v}, {}, {}});
            break;
        }
        case kDS_PS: {
            Slot ds = single(Field::DS, Type::DS), ps = single(Field::PS, Type::PS);
            drawChart(Slot{"Q", mixOf({{ds.series, kHalf}, {ps.series, kHalf}})}, {ds, ps, {}, {}});
            break;
        }
        case kSC_RC_CR: {
            Slot sc = single(Field::SC, Type::SC), rc = single(Field::RC, Type::RC),
                 cr = single(Field::CR, Type::CR);
            drawChart(Slot{"V", mixOf({{rc.series, kThird}, {cr.series, kThird}, {sc.series, kThird}})},
                      {sc, rc, cr, {}});
            break;
        }
        case kQV_TELV: {
            auto q = mixOf({{curve(OtherField::MC), kThird},
                            {curve(OtherField::NE), kThird},
                            {curve(OtherField::QC), kThird}});
            auto v = mixOf({{curve(OtherField::SE), kThird},
                            {curve(OtherField::RC), kThird},
                            {curve(OtherField::TC), kThird}});
            drawChart(Slot{"All", mixOf({{q, kHalf}, {v, kHalf}})}, {Slot{"Q", q}, Slot{"V", v}, {}, {}});
            break;
        }
        case kMC_NE_QC: {
            Slot ne = single(OtherField::NE, Type::NE), mc = single(OtherField::MC, Type::MC),
                 qc = single(OtherField::QC, Type::QC);
            drawChart(Slot{"Q", mixOf({{ne.series, kThird}, {mc.series, kThird}, {qc.series, kThird}})},
                      {ne, mc, qc, {}});
            break;
        }
        case kRC_TC_SE: {
            Slot se = single(OtherField::SE, Type::SE), rc = single(OtherField::RC, Type::RC),
                 tc = single(OtherField::TC, Type::TC);
            drawChart(Slot{"V", mixOf({{se.series, kThird}, {rc.series, kThird}, {tc.series, kThird}})},
                      {se, rc, tc, {}});
            break;
        }
        case kTC_MC_NE_QC:
            // This kind draws the fifth field under the TC caption, where the RC-TC-SE kind draws
            // the sixth; it is kept as the program has always drawn it.
            drawChart(std::nullopt, {single(OtherField::RC, Type::TC), single(OtherField::MC, Type::MC),
                                     single(OtherField::NE, Type::NE), single(OtherField::QC, Type::QC)});
            break;
    }
    if (auto rep = repository()) rep->setCurrentStatisticsType(kind);
}

std::array<std::shared_ptr<ui::Label>*, 5> StatisticsView::captions() {
    return {&caption_, &caption1_, &caption2_, &caption3_, &caption4_};
}

std::array<std::shared_ptr<PlotView>*, 5> StatisticsView::plotViews() {
    return {&statView_, &statView1_, &statView2_, &statView3_, &statView4_};
}

void StatisticsView::drawChart(const std::optional<Slot>& mix,
                               const std::array<std::optional<Slot>, 4>& singles) {
    const ui::Rect frame{{0, 0}, sizeOf(successRateV_)};
    std::vector<std::shared_ptr<StatViewDelegate>> drawn;
    for (int position = 0; position < 5; ++position) {
        std::shared_ptr<PlotView>& view = *plotViews()[position];
        std::shared_ptr<ui::Label>& label = *captions()[position];
        if (view) view->removeFromSuperview();
        view = nullptr;
        const std::optional<Slot>& slot = position == 0 ? mix : singles[position - 1];
        if (!slot) {
            hide(label, true);
            continue;
        }
        view = ui::make<PlotView>(frame, slot->name, slot->series, curveColor(position), label);
        hide(label, false);
        drawn.push_back(slot->series);
    }
    finishDrawWithGenerators(drawn);
}

void StatisticsView::finishDrawWithGenerators(const std::vector<std::shared_ptr<StatViewDelegate>>& series) {
    const ui::Rect mixCaption = frameOf(caption_), firstCaption = frameOf(caption1_);
    const ui::Size block{2 * (firstCaption.origin.x - mixCaption.origin.x) + 6,
                         2 * mixCaption.size.height + 6};
    int corners = StatViewDelegate::kAllCorners;
    bool enough = false;
    for (const auto& s : series) {
        if (!s->isEnoughData()) continue;
        corners &= s->emptySpace(static_cast<float>(block.width), static_cast<float>(block.height));
        enough = true;
    }
    if (!enough) {
        for (auto* label : captions()) hide(*label, true);
        hide(noEnoughDataL_, false);
        scale_.setHidden(true);
        return;
    }
    adjustCaptions(corners, sizeOf(successRateV_), block);
    // The single curves first, so that the mix lies on top.
    for (int position : {1, 2, 3, 4, 0}) {
        const std::shared_ptr<PlotView>& view = *plotViews()[position];
        if (!view) continue;
        view->showLegend(frameOf(*captions()[position]));
        if (successRateV_) successRateV_->addSubview(view);
    }
    hide(noEnoughDataL_, true);
    scale_.setHidden(false);
}

void StatisticsView::adjustCaptions(int corners, ui::Size plot, ui::Size block) {
    // How far left and down the block goes from its place in the interface file (top right).
    double dx = 0, dy = 0;
    if (corners & StatViewDelegate::kTopRight) {
    } else if (corners & StatViewDelegate::kTopLeft) {
        dx = plot.width - block.width;
    } else if (corners & StatViewDelegate::kBottomLeft) {
        dx = plot.width - block.width, dy = plot.height - block.height;
    } else if (corners & StatViewDelegate::kBottomRight) {
        dy = plot.height - block.height;
    }
    const double stepX = dx - captionDx_, stepY = dy - captionDy_;
    for (auto* label : captions()) {
        if (!*label) continue;
        ui::Point centre = (*label)->center();
        (*label)->setCenter({centre.x - stepX, centre.y + stepY});
    }
    captionDx_ = dx;
    captionDy_ = dy;
}

// ---- Colours

ui::Color StatisticsView::statMainColor() { return ui::Color::hsb(0.27, 0.63, 0.93, 1); }

ui::Color StatisticsView::curveColor(int position) {
    switch (position) {
        case 1:
            return ui::Color::hsb(0.12, 1, 1, 1);
        case 2:
            return statMainColor();
        case 3:
            return ui::Color::hsb(0.12, 0, 0.7, 1);
        default:
            return ui::Color::hsb(0.12, 0, 1, 1);
    }
}

ui::Color StatisticsView::histogramColor() { return ui::Color::hsb(0.55, 0, 1, 0.8); }
ui::Color StatisticsView::meanColor() { return ui::Color::hsb(0.55, 0.14, 1, 0.8); }

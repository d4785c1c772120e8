#pragma once
// The statistics panel: accuracy curves of one chart kind with their captions, the answers per
// time step with their running mean, the total time, and a table of answer counts per question
// type for today, the last seven days and overall. Its layout is its own interface file, loaded
// when it is made, so that a screen's file (or code) can place the panel like any view.
//
// Computing: showStatistics() copies the answers on the main thread and aggregates them on a
// worker, one computation at a time; the result enters the panel on the main thread, which draws
// it (renderStatistics) and fills the table. While the answers are young the panel draws itself
// again on a timer, against the present time. The chart kind is the repository's
// currentStatisticsType; a tap on the chart switches to the next kind.

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Classes/statistics/AccuracyScale.h"
#include "platform/foundation/Date.h"
#include "platform/ui/Color.h"
#include "platform/ui/View.h"

class HistogramView;
class MRepository;
class PlotView;
class StatAggregator;
class StatViewDelegate;
class StatWorker;
namespace fnd {
class Timer;
}
namespace ui {
class ImageView;
class Label;
}  // namespace ui

class StatisticsView : public ui::View {
  public:
    // The chart kinds and how many there are.
    enum Kind {
        kQV = 0,
        kDS_PS = 1,
        kSC_RC_CR = 2,
        kQV_TELV = 3,
        kMC_NE_QC = 4,
        kRC_TC_SE = 5,
        kTC_MC_NE_QC = 6
    };
    static constexpr int kKindCount = 7;
    // The aggregator fields, which are also the rows of the table. The first three chart kinds read
    // them as named here; the seventh holds every answer.
    struct Field {
        enum : int { RC = 1, CR, SC, PS, DS, Sixth, All };
    };
    static constexpr int kFieldCount = 7;
    static constexpr int kAllField = Field::All;
    // The other chart kinds read fields 1 to 6 as the curves of the other configuration.
    struct OtherField {
        enum : int { QC = 1, MC, NE, SE, RC, TC };
    };
    // The question types whose names caption the curves (see MQSet::nameForType).
    struct Type {
        enum : int { PS = 1, DS, SC, CR, RC, TC = 7, SE, QC, NE, MC };
    };

    StatisticsView();
    ~StatisticsView() override;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    using View::init;
    // Loads the panel's interface file into the view; a view made without a size takes the file's.
    void init(const ui::Rect& frame) override;
    virtual std::string nibIdentifier() const { return "StatisticsPane"; }

    // The repository read (chart kind, answers); the shared application's when none is set.
    void setRepository(std::shared_ptr<MRepository> repository) { repository_ = std::move(repository); }
    std::shared_ptr<MRepository> repository() const;

    // Waits until neither sub-repository is saving (asking again every second), then
    // showStatistics(). Main thread.
    void showStatisticsInThread();
    // Computes the panel anew from the repository's answers and draws it. From another thread the
    // request is passed to the main thread.
    void showStatistics();
    // Draws the chart kind and the answers per step from the present aggregators against the
    // present time, and schedules the next refresh. Nothing before the first computation. Main
    // thread.
    void renderStatistics();
    // Draws the next chart kind (the chart's action).
    void switchPlotType(const Sender& sender);
    // Draws one chart kind and stores it as the repository's choice; a kind outside 0 to 6 draws
    // nothing.
    void drawKind(int kind);
    // The kind a tap brings; from a kind this version does not know (a damaged or newer file),
    // the first kind, so that the chart can always be brought back.
    static int nextKind(int kind);

    // Cancels the pending delayed requests aimed at the panel: the refresh (and the tablet pane's
    // countdown).
    void cancelPendingRequests();
    // The panel's owner is done with it: no more computing, drawing or refreshing, also for a
    // computation that is under way.
    void stop();
    bool isStopped() const { return stopped_; }
    // Whether a computation runs or waits.
    bool isComputing() const;

    // The seconds until the next refresh after a drawing over answers this old; none after 5 days.
    static std::optional<double> refreshDelay(double coveredPeriod);
    // "%dmin" or "%dh:%2dm" for the total time; nothing below a minute.
    static std::optional<std::string> totalTimeText(double seconds);
    // The answers of the aggregator at or after the local midnight that began the day `days` ago
    // (0 today, 6 the seventh day back); every answer for -1.
    static int countForPeriod(int days, const StatAggregator& aggregator, fnd::Date now);

    static ui::Color statMainColor();
    // The curve colours by position (0 the mix, 1 to 4 the single curves), the bars and the mean.
    static ui::Color curveColor(int position);
    static ui::Color histogramColor();
    static ui::Color meanColor();

    // The parts the answers-per-step grid (drawn in its frame picture) divides the plot's height
    // into; the empty-state notes stand clear of its lines.
    static constexpr int kStepsGridParts = 2;
    // The percentages beside the accuracy grid's lines.
    const AccuracyScale& scale() const { return scale_; }

    const std::shared_ptr<const StatAggregator>& aggregator(int field) const {
        return aggregators_[field - 1];
    }

  protected:
    // The target of the panel's delayed requests.
    const void* requestTarget() const { return this; }
    // The part of the panel's interface file with that id; null when there is none.
    std::shared_ptr<ui::View> part(const std::string& id) const;
    // The parts have been placed anew (another layout of the panel): the captions start again
    // from their places in the layout, the scale follows the chart, and the panel is drawn again.
    void partsMoved();
    // A drawn series and its caption's name.
    struct Slot {
        std::string name;
        std::shared_ptr<StatViewDelegate> series;
    };
    // Draws the mix (in statView) and up to four single curves (statView1 to 4).
    void drawChart(const std::optional<Slot>& mix, const std::array<std::optional<Slot>, 4>& singles);
    void finishDrawWithGenerators(const std::vector<std::shared_ptr<StatViewDelegate>>& series);
    // Moves the caption block to the first free corner: top right, top left, bottom left, bottom
    // right, else back to top right.
    void adjustCaptions(int corners, ui::Size plot, ui::Size block);
    void showTableValueForPeriod(int days, const StatAggregator* aggregator, ui::Label* label, fnd::Date now);
    // The new aggregators enter the panel; it is drawn and its table filled.
    void install(std::array<std::shared_ptr<const StatAggregator>, kFieldCount> aggregators);

    // The table's labels are outlets indexed [column][row]: the columns are today, 7 days and
    // overall, and the rows follow the fields.
    template <int Column, int Row>
    void setTableLabel(std::shared_ptr<ui::Label> label) {
        table_[Column][Row] = std::move(label);
    }
    template <int Column, int Row>
    std::shared_ptr<ui::Label> tableLabel() const {
        return table_[Column][Row];
    }

  private:
    template <int Column, int Row>
    static void addTableOutlet(ui::ConnectionTable& table, const char* name);
    std::array<std::shared_ptr<ui::Label>*, 5> captions();
    std::array<std::shared_ptr<PlotView>*, 5> plotViews();

    std::map<std::string, std::shared_ptr<ui::View>, std::less<>> parts_;
    std::shared_ptr<ui::View> content_;
    std::shared_ptr<ui::View> successRateV_;
    std::shared_ptr<ui::View> numberOfSolvedV_;
    std::shared_ptr<ui::ImageView> successRateIV_;
    std::shared_ptr<ui::ImageView> numberOfSolvedIV_;
    std::shared_ptr<ui::Label> caption_, caption1_, caption2_, caption3_, caption4_, captionN_;
    std::shared_ptr<PlotView> statView_, statView1_, statView2_, statView3_, statView4_;
    std::shared_ptr<HistogramView> statViewN_;
    std::shared_ptr<PlotView> statViewNM_;
    AccuracyScale scale_;
    std::shared_ptr<ui::Label> stepL_, noEnoughDataL_, noEnoughData2L_, totalTimeCaptionL_, totalTimeL_;
    std::array<std::array<std::shared_ptr<ui::Label>, kFieldCount>, 3> table_;
    std::shared_ptr<MRepository> repository_;
    std::array<std::shared_ptr<const StatAggregator>, kFieldCount> aggregators_;
    bool computed_ = false;
    double captionDx_ = 0, captionDy_ = 0;
    std::unique_ptr<StatWorker> worker_;
    std::shared_ptr<fnd::Timer> savesTimer_;
    bool stopped_ = false;
};

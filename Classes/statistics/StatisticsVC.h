#pragma once
// The phone's statistics tool: the statistics panel in a scroll view, computed when the tool opens.
// Leaving it ends the panel's work, also a computation under way and its refreshes.

#include <memory>
#include <string>

#include "Classes/core/ToolViewController.h"

class StatisticsView;
namespace ui {
class ScrollView;
}

class StatisticsVC : public ToolViewController {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "StatisticsView"; }
    // The panel goes into the scroll view, which scrolls over its whole height, and starts
    // computing once no sub-repository is saving.
    void viewDidLoad() override;
    // Posts "ToolDoneNotification" with the screen.
    void doneClick(const Sender& sender);
    void back() override;

    const std::shared_ptr<StatisticsView>& statPaneV() const { return statPaneV_; }

  private:
    std::shared_ptr<ui::ScrollView> statSV_;
    std::shared_ptr<StatisticsView> statPaneV_;
};

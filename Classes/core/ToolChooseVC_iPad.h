#pragma once
// The tablet's home screen: twelve grid buttons (the statistics stand beside the grid), the
// test-date button, every orientation.

#include <memory>
#include <string>

#include "Classes/core/ToolChooseVC.h"
#include "platform/ui/ScrollView.h"

class StatisticsAndDateView;

class ToolChooseVC_iPad : public ToolChooseVC {
  public:
    static constexpr const char* kOrientationChangedNotification = "MNotificationOrientationChanged";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(ToolChooseVC::nibIdentifier()); }
    std::string toolScreenName(const std::string& name) const override { return name + "_iPad"; }
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) override;
    void willAnimateRotationToInterfaceOrientation(ui::InterfaceOrientation orientation,
                                                   double duration) override;

    // The statistics pane goes into its scroll view, computes and starts its countdown.
    void viewDidLoad() override;
    // The pane's countdown starts again before the button closes.
    void closeAnimationOfButton(const std::shared_ptr<ToolButton>& button) override;
    // Has the main thread compute the pane anew (canUpdate) or draw it again; while a tool is open,
    // the pane's pending refresh and countdown are cancelled.
    void updateStatistcs(bool canUpdate) override;

    const std::shared_ptr<ui::ScrollView>& statSV() const { return statSV_; }
    const std::shared_ptr<StatisticsAndDateView>& statPaneV() const { return statPaneV_; }

  protected:
    std::shared_ptr<TipVC> makeTipVC(const std::shared_ptr<MTip>& tip) override;
    // The pane makes room for the band while it shows and takes the room back after.
    void tipBandChanged() override { placePane(); }

  private:
    // Puts the pane's scroll view where the screen's present size and the tip band leave room
    // for it, and the pane, in the arrangement that fits there, in the middle of it.
    void placePane();
    // The main thread's part of updateStatistcs.
    void refreshStatistics(bool canUpdate);

    std::shared_ptr<ui::ScrollView> statSV_;
    std::shared_ptr<StatisticsAndDateView> statPaneV_;
};

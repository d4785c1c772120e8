#pragma once
// The option screen of the official-guide tracker: how long a question's last answer stays in
// view in the tracker rows, and whether a running question stopwatch stops while the program is
// in the background. Both are edited on copies that only the done key writes to the repository;
// the cancel key leaves the repository as it was.

#include <array>
#include <memory>
#include <string>

#include "Classes/core/OptionsViewController.h"
#include "platform/ui/SegmentedControl.h"

class BooksSettingsVC : public OptionsViewController {
  public:
    // The seconds each segment of the visibility control stands for: an hour, a day, a week,
    // thirty days, and no limit.
    static constexpr std::array<int, 5> kShowTimes = {3600, 86400, 604800, 2592000, 0};
    // The tags of the done and cancel keys in the interface file.
    static constexpr int kDoneTag = 1;
    static constexpr int kCancelTag = -1;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    static void registerOwners();

    std::string nibIdentifier() const override { return "BooksSettingsView"; }

    static std::string optionTitle() { return "OG Tracker"; }
    static std::shared_ptr<const ui::Image> optionImage();

    using OptionsViewController::init;
    // Copies the repository's two settings, then shows the screen.
    void init() override;
    void viewDidLoad() override;
    // The copies into the controls; a visibility period that no segment stands for selects none.
    void updateViews();
    // The actions of the two controls: the chosen segment into the copy.
    void segmentedControlChange(const ui::ConnectionTable::Sender& sender);
    void stopTrackerChange(const ui::ConnectionTable::Sender& sender);
    // The done key (the copies are written, then "Done") and the cancel key ("Cancel").
    void doneCancelClick(const ui::ConnectionTable::Sender& sender);

    // The working copies.
    int showTime() const { return showTime_; }
    bool stopTrackerInBackground() const { return stopTrackerInBackground_; }

    const std::shared_ptr<ui::SegmentedControl>& showTimeSC() const { return showTimeSC_; }
    // Segment 0 stops the stopwatch in the background, 1 keeps it running.
    const std::shared_ptr<ui::SegmentedControl>& stopTrackerSC() const { return stopTrackerSC_; }

  private:
    std::shared_ptr<ui::SegmentedControl> showTimeSC_;
    std::shared_ptr<ui::SegmentedControl> stopTrackerSC_;
    int showTime_ = 0;
    bool stopTrackerInBackground_ = false;
};

class BooksSettingsVC_iPad : public BooksSettingsVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(BooksSettingsVC::nibIdentifier()); }
};

#pragma once
// The editor of the user's test date (the repository's testDate): a switch for whether there is
// one, a date picker for the day and a time picker for the time of day. Done stores what the editor
// shows; Cancel changes nothing. The switch opens on whether a date is stored, so that Done on an
// editor opened only to look keeps the date.

#include <memory>
#include <string>

#include "Classes/core/ToolViewController.h"

namespace ui {
class DatePicker;
class Switch;
class View;
}  // namespace ui

class EditTestDateVC : public ToolViewController {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "TestDateView"; }
    // Both pickers show the stored date, or now; the switch and the pickers show whether one is
    // stored.
    void viewDidLoad() override;
    // The pickers show while the switch is on.
    void dateOnOffSwitched(const Sender& sender);
    // Stores the day of the date picker at the time of the time picker (seconds 0), or no date
    // when the switch is off, and posts "ToolDoneNotification".
    void doneClick(const Sender& sender);
    // Posts "ToolDoneNotification" and changes nothing.
    void cancelClick(const Sender& sender);

    const std::shared_ptr<ui::DatePicker>& datePicker() const { return datePicker_; }
    const std::shared_ptr<ui::DatePicker>& timePicker() const { return timePicker_; }
    const std::shared_ptr<ui::Switch>& dateOnOffSwitcher() const { return dateOnOffSwitcher_; }
    const std::shared_ptr<ui::View>& dateTimeV() const { return dateTimeV_; }

  private:
    void showPickers(bool shown);

    std::shared_ptr<ui::DatePicker> datePicker_, timePicker_;
    std::shared_ptr<ui::Switch> dateOnOffSwitcher_;
    std::shared_ptr<ui::View> dateTimeV_;
};

class EditTestDateVC_iPad : public EditTestDateVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(EditTestDateVC::nibIdentifier()); }
};

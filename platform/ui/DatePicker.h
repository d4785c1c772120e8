#pragma once
// A date picker: wheels for the parts of a date in the device's calendar and time zone. In date
// mode the wheels are month, day and year; in time mode hour, minute and AM/PM; in date-and-time
// mode the day (with its weekday, "Today" for today), hour, minute and AM/PM. Turning a wheel
// changes that part and keeps the others (a day past the month's end becomes its last day). The
// date stays within the minimum and maximum: a turn past them goes back to the nearest allowed
// date, and rows that no allowed date has are faded. A change the person makes sends the
// value-changed event.

#include <memory>
#include <optional>
#include <vector>

#include "platform/foundation/Date.h"
#include "platform/ui/Control.h"

namespace ui {

class NibProperties;
class PickerWheel;

// Numbered as stored values expect.
enum class DatePickerMode { Time = 0, Date = 1, DateAndTime = 2 };

class DatePicker : public Control {
  public:
    static constexpr double kHeight = 216;

    using View::init;
    void init(const Rect& frame) override;

    DatePickerMode datePickerMode() const { return mode_; }
    void setDatePickerMode(DatePickerMode mode);

    fnd::Date date() const { return date_; }
    // Kept within the minimum and maximum; from code no event is sent.
    void setDate(fnd::Date date, bool animated = false);
    std::optional<fnd::Date> minimumDate() const { return minimum_; }
    void setMinimumDate(std::optional<fnd::Date> date);
    std::optional<fnd::Date> maximumDate() const { return maximum_; }
    void setMaximumDate(std::optional<fnd::Date> date);

    // The parts of a date the wheels show, left to right.
    enum class Part { Month, Day, Year, DayOfYear, Hour, Minute, Meridiem };
    std::vector<Part> parts() const;
    // The wheel of a part; null when the mode has none.
    std::shared_ptr<PickerWheel> wheel(Part part) const;
    // Turns a part's wheel by some rows as the person would, with the value-changed event.
    void turn(Part part, int rows);

    void layoutSubviews() override;

    // Interface-file properties: "datePickerMode" ("time", "date", "dateAndTime").
    static void applyNibProperties(DatePicker& picker, NibProperties& properties);

  private:
    struct Column {
        Part part;
        std::shared_ptr<PickerWheel> wheel;
    };
    void build();
    // A part was turned (by the wheel `turning`, which settles by itself, or from code).
    void turned(Part part, int rows, const PickerWheel* turning);
    void reloadWheels(const PickerWheel* except);
    fnd::Date clamped(fnd::Date date) const;
    // The date with the part turned by `rows`, the other parts kept; nothing past a wheel's end.
    std::optional<fnd::Date> stepped(Part part, int rows) const;

    DatePickerMode mode_ = DatePickerMode::DateAndTime;
    fnd::Date date_;
    std::optional<fnd::Date> minimum_;
    std::optional<fnd::Date> maximum_;
    std::vector<Column> columns_;
    std::shared_ptr<View> band_;
};

}  // namespace ui

#include "platform/ui/DatePicker.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "platform/foundation/Calendar.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/ui/Make.h"
#include "platform/ui/NibProperties.h"
#include "platform/ui/PickerWheel.h"

namespace ui {

namespace {

using Part = DatePicker::Part;

constexpr double kMargin = 10;  // between the picker's edge and its wheels
constexpr double kGap = 2;      // between wheels

constexpr std::array<std::pair<DatePickerMode, const char*>, 3> kModeNames{{
    {DatePickerMode::Time, "time"},
    {DatePickerMode::Date, "date"},
    {DatePickerMode::DateAndTime, "dateAndTime"},
}};

struct Layout {
    Part part;
    double share;  // of the width for wheels
    TextAlignment alignment;
};

std::vector<Layout> layoutOf(DatePickerMode mode) {
    switch (mode) {
        case DatePickerMode::Date:
            return {{Part::Month, 0.46, TextAlignment::Left},
                    {Part::Day, 0.2, TextAlignment::Center},
                    {Part::Year, 0.34, TextAlignment::Center}};
        case DatePickerMode::Time:
            return {{Part::Hour, 0.34, TextAlignment::Right},
                    {Part::Minute, 0.33, TextAlignment::Center},
                    {Part::Meridiem, 0.33, TextAlignment::Center}};
        case DatePickerMode::DateAndTime:
            break;
    }
    return {{Part::DayOfYear, 0.44, TextAlignment::Right},
            {Part::Hour, 0.18, TextAlignment::Right},
            {Part::Minute, 0.2, TextAlignment::Center},
            {Part::Meridiem, 0.18, TextAlignment::Center}};
}

int wrap(int value, int count) { return ((value % count) + count) % count; }

int daysInMonth(const fnd::Calendar& calendar, int year, int month) {
    for (int day = 31; day > 28; --day)
        if (calendar.date({year, month, day, 12, 0, 0})) return day;
    return 28;
}

// What identifies a part's row: two dates with the same key show the same row of that part.
std::array<int, 6> rowKey(Part part, const fnd::DateComponents& c) {
    switch (part) {
        case Part::Year:
            return {c.year, 0, 0, 0, 0, 0};
        case Part::Month:
            return {c.year, c.month, 0, 0, 0, 0};
        case Part::Day:
        case Part::DayOfYear:
            return {c.year, c.month, c.day, 0, 0, 0};
        case Part::Meridiem:
            return {c.year, c.month, c.day, c.hour >= 12, 0, 0};
        case Part::Hour:
            return {c.year, c.month, c.day, c.hour, 0, 0};
        case Part::Minute:
            break;
    }
    return {c.year, c.month, c.day, c.hour, c.minute, 0};
}

std::string number(int value, bool twoDigits) {
    char text[16];
    std::snprintf(text, sizeof text, twoDigits ? "%02d" : "%d", value);
    return text;
}

}  // namespace

void DatePicker::init(const Rect& frame) {
    Control::init(frame);
    setBackgroundColor(Color::rgb(0.2, 0.21, 0.25));
    setClipsToBounds(true);
    date_ = fnd::Date::now();
    build();
}

void DatePicker::setDatePickerMode(DatePickerMode mode) {
    if (mode == mode_) return;
    mode_ = mode;
    build();
}

void DatePicker::setDate(fnd::Date date, bool animated) {
    date_ = clamped(date);
    (void)animated;  // the wheels jump to the new rows
    reloadWheels(nullptr);
}

void DatePicker::setMinimumDate(std::optional<fnd::Date> date) {
    minimum_ = date;
    setDate(date_);
}

void DatePicker::setMaximumDate(std::optional<fnd::Date> date) {
    maximum_ = date;
    setDate(date_);
}

fnd::Date DatePicker::clamped(fnd::Date date) const {
    // Should the limits cross, the minimum wins.
    if (maximum_ && date > *maximum_) date = *maximum_;
    if (minimum_ && date < *minimum_) date = *minimum_;
    return date;
}

std::vector<Part> DatePicker::parts() const {
    std::vector<Part> parts;
    for (const Column& column : columns_) parts.push_back(column.part);
    return parts;
}

std::shared_ptr<PickerWheel> DatePicker::wheel(Part part) const {
    for (const Column& column : columns_)
        if (column.part == part) return column.wheel;
    return nullptr;
}

void DatePicker::build() {
    for (const Column& column : columns_) column.wheel->removeFromSuperview();
    columns_.clear();
    if (band_) band_->removeFromSuperview();
    for (const Layout& l : layoutOf(mode_)) {
        auto wheel = ui::make<PickerWheel>(Rect{});
        wheel->setTextAlignment(l.alignment);
        std::weak_ptr<DatePicker> weak = sharedAs<DatePicker>();
        const PickerWheel* raw = wheel.get();
        Part part = l.part;
        wheel->setOnTurn([weak, part, raw](int rows) {
            if (auto picker = weak.lock()) picker->turned(part, rows, raw);
        });
        addSubview(wheel);
        columns_.push_back({l.part, wheel});
    }
    // The band across the wheels that marks the selected rows.
    band_ = ui::make<View>(Rect{});
    band_->setBackgroundColor(Color::rgb(0.45, 0.5, 0.75, 0.25));
    band_->setBorderWidth(1);
    band_->setBorderColor(Color::rgb(0.35, 0.38, 0.55, 0.8));
    band_->setCornerRadius(3);
    band_->setUserInteractionEnabled(false);
    addSubview(band_);
    layoutSubviews();
}

void DatePicker::layoutSubviews() {
    if (!band_) return;  // not made yet
    Size size = bounds().size;
    std::vector<Layout> layout = layoutOf(mode_);
    double room = size.width - 2 * kMargin - kGap * double(layout.size() - 1);
    double x = kMargin;
    for (std::size_t i = 0; i < columns_.size() && i < layout.size(); ++i) {
        double width = room * layout[i].share;
        columns_[i].wheel->setFrame({x, kMargin, width, std::max(0.0, size.height - 2 * kMargin)});
        x += width + kGap;
    }
    double row = PickerWheel::kRowHeight;
    band_->setFrame({kMargin - 2, size.height / 2 - row / 2, size.width - 2 * kMargin + 4, row});
    reloadWheels(nullptr);
}

std::optional<fnd::Date> DatePicker::stepped(Part part, int rows) const {
    fnd::Calendar calendar = fnd::Calendar::current();
    fnd::DateComponents c = calendar.components(date_);
    switch (part) {
        case Part::Month:
            c.month = wrap(c.month - 1 + rows, 12) + 1;
            c.day = std::min(c.day, daysInMonth(calendar, c.year, c.month));
            break;
        case Part::Day:
            c.day = std::min(wrap(c.day - 1 + rows, 31) + 1, daysInMonth(calendar, c.year, c.month));
            break;
        case Part::Year:
            c.year += rows;
            if (c.year < 1 || c.year > 9999) return std::nullopt;
            c.day = std::min(c.day, daysInMonth(calendar, c.year, c.month));
            break;
        case Part::DayOfYear: {
            // From noon, so that a day of a daylight-saving change still counts as one.
            std::optional<fnd::Date> noon = calendar.date({c.year, c.month, c.day, 12, 0, 0});
            if (!noon) return std::nullopt;
            fnd::DateComponents d = calendar.components(noon->addingTimeInterval(rows * 86400.0));
            c.year = d.year;
            c.month = d.month;
            c.day = d.day;
            break;
        }
        case Part::Hour:
            c.hour = wrap(c.hour % 12 + rows, 12) + (c.hour >= 12 ? 12 : 0);
            break;
        case Part::Minute:
            c.minute = wrap(c.minute + rows, 60);
            break;
        case Part::Meridiem: {
            int half = (c.hour >= 12 ? 1 : 0) + rows;
            if (half < 0 || half > 1) return std::nullopt;
            c.hour = c.hour % 12 + 12 * half;
            break;
        }
    }
    return calendar.date(c);
}

void DatePicker::reloadWheels(const PickerWheel* except) {
    fnd::Calendar calendar = fnd::Calendar::current();
    fnd::DateComponents now = calendar.components(date_);
    fnd::DateComponents today = calendar.components(fnd::Date::now());
    auto formatter = std::make_shared<fnd::DateFormatter>("MMMM");
    auto dayFormatter = std::make_shared<fnd::DateFormatter>("EEE MMM d");
    for (const Column& column : columns_) {
        Part part = column.part;
        std::weak_ptr<DatePicker> weak = sharedAs<DatePicker>();
        column.wheel->setSource([weak, part, calendar, now, today, formatter,
                                 dayFormatter](int k) -> std::optional<PickerWheel::Row> {
            auto picker = weak.lock();
            if (!picker) return std::nullopt;
            std::optional<fnd::Date> date = picker->stepped(part, k);
            if (!date) return std::nullopt;
            fnd::DateComponents c = calendar.components(*date);
            // A row is faded when the limits move a date of that row to another row.
            bool enabled = rowKey(part, calendar.components(picker->clamped(*date))) == rowKey(part, c);
            switch (part) {
                case Part::Month:
                    return PickerWheel::Row{formatter->stringFromDate(*date), enabled};
                case Part::Day: {
                    int day = wrap(now.day - 1 + k, 31) + 1;  // past the month's end too, faded
                    return PickerWheel::Row{number(day, false), enabled && day == c.day};
                }
                case Part::Year:
                    return PickerWheel::Row{number(c.year, false), enabled};
                case Part::DayOfYear: {
                    bool isToday = c.year == today.year && c.month == today.month && c.day == today.day;
                    return PickerWheel::Row{isToday ? "Today" : dayFormatter->stringFromDate(*date), enabled};
                }
                case Part::Hour:
                    return PickerWheel::Row{number(c.hour % 12 == 0 ? 12 : c.hour % 12, false), enabled};
                case Part::Minute:
                    return PickerWheel::Row{number(c.minute, true), enabled};
                case Part::Meridiem:
                    return PickerWheel::Row{c.hour >= 12 ? "PM" : "AM", enabled};
            }
            return std::nullopt;
        });
        if (column.wheel.get() != except) column.wheel->reload();
    }
}

void DatePicker::turn(Part part, int rows) { turned(part, rows, nullptr); }

void DatePicker::turned(Part part, int rows, const PickerWheel* turning) {
    std::shared_ptr<Control> keep = sharedAs<Control>();
    fnd::Date before = date_;
    if (std::optional<fnd::Date> date = stepped(part, rows)) date_ = clamped(*date);
    reloadWheels(turning);
    if (date_ != before) sendActionsForControlEvents(ControlEventValueChanged);
}

void DatePicker::applyNibProperties(DatePicker& picker, NibProperties& p) {
    if (auto v = p.choice("datePickerMode", kModeNames)) picker.setDatePickerMode(*v);
}

}  // namespace ui

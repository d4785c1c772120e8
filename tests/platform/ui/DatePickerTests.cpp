// Date pickers: the wheels of each mode in the device's calendar, turning them, and the limits.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/foundation/Calendar.h"
#include "platform/foundation/TimeZone.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/Make.h"
#include "platform/ui/PickerWheel.h"
#include "platform/ui/ViewController.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

using namespace ui;
using Part = DatePicker::Part;
using testing::ElementsAre;

namespace {

class Watcher : public ViewController {
  public:
    static const ConnectionTable& classConnections() {
        static const ConnectionTable table = ConnectionTable("Watcher", &ViewController::classConnections())
                                                 .action("dateChanged:", &Watcher::dateChanged);
        return table;
    }
    const ConnectionTable& connections() const override { return classConnections(); }
    void dateChanged(const Sender&) { ++changes; }
    int changes = 0;
};

class DatePickerTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        fnd::TimeZone::setCurrent(*fnd::TimeZone::named("America/New_York"));
        watcher = ui::make<Watcher>();
        window()->setRootViewController(watcher);
        picker = ui::make<DatePicker>(Rect{0, 200, 320, DatePicker::kHeight});
        picker->addTarget(watcher, "dateChanged:", ControlEventValueChanged);
        watcher->view()->addSubview(picker);
    }

    static fnd::Date at(int year, int month, int day, int hour = 0, int minute = 0) {
        return *fnd::Calendar::current().date({year, month, day, hour, minute, 0});
    }
    static fnd::DateComponents parts(fnd::Date date) { return fnd::Calendar::current().components(date); }
    // The text of a wheel's selected row (the one in the middle).
    std::string shown(Part part) const {
        auto wheel = picker->wheel(part);
        for (const auto& row : wheel->visibleRows())
            if (std::abs(row->center().y - wheel->bounds().size.height / 2) < 1) return row->text();
        return "?";
    }
    // Every row of a wheel in view, top to bottom, faded ones in brackets.
    std::vector<std::string> rows(Part part) const {
        std::vector<std::string> out;
        for (const auto& row : picker->wheel(part)->visibleRows())
            out.push_back(row->textColor() == Color::blackColor() ? row->text() : "(" + row->text() + ")");
        return out;
    }

    std::shared_ptr<Watcher> watcher;
    std::shared_ptr<DatePicker> picker;
};

TEST_F(DatePickerTest, EachModeShowsItsPartsOfTheDateInTheDevicesZone) {
    fnd::Date date = at(2026, 3, 14, 21, 5);  // 01:05 the next day in UTC
    picker->setDate(date);
    EXPECT_EQ(picker->date(), date);

    picker->setDatePickerMode(DatePickerMode::Date);
    EXPECT_THAT(picker->parts(), ElementsAre(Part::Month, Part::Day, Part::Year));
    EXPECT_EQ(shown(Part::Month), "March");
    EXPECT_EQ(shown(Part::Day), "14");
    EXPECT_EQ(shown(Part::Year), "2026");
    EXPECT_THAT(rows(Part::Day), ElementsAre("12", "13", "14", "15", "16"));

    picker->setDatePickerMode(DatePickerMode::Time);
    EXPECT_THAT(picker->parts(), ElementsAre(Part::Hour, Part::Minute, Part::Meridiem));
    EXPECT_EQ(shown(Part::Hour), "9");
    EXPECT_EQ(shown(Part::Minute), "05");
    EXPECT_THAT(rows(Part::Meridiem), ElementsAre("AM", "PM"));  // no rows past the ends

    picker->setDatePickerMode(DatePickerMode::DateAndTime);
    EXPECT_THAT(picker->parts(), ElementsAre(Part::DayOfYear, Part::Hour, Part::Minute, Part::Meridiem));
    EXPECT_EQ(shown(Part::DayOfYear), "Sat Mar 14");
    picker->setDate(fnd::Date::now());
    EXPECT_EQ(shown(Part::DayOfYear), "Today");
    EXPECT_EQ(picker->wheel(Part::Year), nullptr);
}

TEST_F(DatePickerTest, TurningAWheelChangesItsPartAndKeepsTheOthers) {
    picker->setDatePickerMode(DatePickerMode::Date);
    picker->setDate(at(2026, 1, 31, 9, 30));
    picker->turn(Part::Month, 1);  // no 31 February: the last day of it
    EXPECT_EQ(picker->date(), at(2026, 2, 28, 9, 30));
    EXPECT_THAT(rows(Part::Day), ElementsAre("26", "27", "28", "(29)", "(30)"));
    picker->turn(Part::Day, 2);  // to 30, which February lacks: still the 28th
    EXPECT_EQ(picker->date(), at(2026, 2, 28, 9, 30));
    picker->turn(Part::Day, 5);  // the day wheel turns round after 31
    EXPECT_EQ(picker->date(), at(2026, 2, 2, 9, 30));
    picker->turn(Part::Month, -2);  // the month wheel turns round; the year stays
    EXPECT_EQ(picker->date(), at(2026, 12, 2, 9, 30));
    EXPECT_EQ(watcher->changes, 3);

    picker->setDatePickerMode(DatePickerMode::Time);
    picker->setDate(at(2026, 5, 1, 23, 58));
    picker->turn(Part::Hour, 1);  // 11 PM to 12 PM on the hour wheel: noon, the same day
    EXPECT_EQ(picker->date(), at(2026, 5, 1, 12, 58));
    picker->turn(Part::Minute, 3);
    EXPECT_EQ(picker->date(), at(2026, 5, 1, 12, 1));
    picker->turn(Part::Meridiem, 1);  // past PM: nothing
    EXPECT_EQ(picker->date(), at(2026, 5, 1, 12, 1));
    picker->turn(Part::Meridiem, -1);
    EXPECT_EQ(picker->date(), at(2026, 5, 1, 0, 1));
    EXPECT_EQ(watcher->changes, 6);
}

TEST_F(DatePickerTest, TheDateStaysWithinTheLimitsAndRowsPastThemAreFaded) {
    picker->setDatePickerMode(DatePickerMode::Date);
    fnd::Date first = at(2026, 1, 10, 8, 0), last = at(2027, 6, 20, 18, 0);
    picker->setDate(at(2026, 3, 1, 8, 0));
    picker->setMinimumDate(first);
    picker->setMaximumDate(last);

    picker->setDate(at(2030, 1, 1));
    EXPECT_EQ(picker->date(), last);
    picker->setDate(at(2020, 1, 1));
    EXPECT_EQ(picker->date(), first);
    EXPECT_EQ(watcher->changes, 0);  // dates set from code send no event
    EXPECT_THAT(rows(Part::Year), ElementsAre("(2024)", "(2025)", "2026", "2027", "(2028)"));
    // In January 2026 the days before the 10th are out of reach.
    EXPECT_THAT(rows(Part::Day), ElementsAre("(8)", "(9)", "10", "11", "12"));

    // A turn past a limit goes back to the limit: a change when the date was elsewhere.
    picker->turn(Part::Day, -5);
    EXPECT_EQ(picker->date(), first);
    EXPECT_EQ(watcher->changes, 0);
    picker->turn(Part::Year, 3);
    EXPECT_EQ(picker->date(), last);
    EXPECT_EQ(watcher->changes, 1);
    picker->turn(Part::Month, 1);  // July 2027 is past the maximum
    EXPECT_EQ(picker->date(), last);

    // Lifting a limit lets the date go further; limits that cross keep the minimum.
    picker->setMaximumDate(std::nullopt);
    picker->turn(Part::Year, 1);
    EXPECT_EQ(parts(picker->date()).year, 2028);
    picker->setMaximumDate(at(2025, 1, 1));
    EXPECT_EQ(picker->date(), first);
}

TEST_F(DatePickerTest, ADragTurnsAWheelByTheRowsItPassedAndATapTurnsToTheRowTapped) {
    picker->setDatePickerMode(DatePickerMode::Time);
    picker->setDate(at(2026, 7, 4, 10, 15));
    std::shared_ptr<PickerWheel> minutes = picker->wheel(Part::Minute);
    testing_support::drag(*minutes, {0, -2.2 * PickerWheel::kRowHeight});  // up by a little over two rows
    EXPECT_EQ(picker->date(), at(2026, 7, 4, 10, 17));
    EXPECT_EQ(watcher->changes, 1);
    // The rest of the turn settles into place.
    EXPECT_TRUE(minutes->visibleRows().front()->isAnimating(AnimatedProperty::Center));
    runFor(PickerWheel::kSettleDuration);
    EXPECT_EQ(shown(Part::Minute), "17");

    testing_support::Finger finger(application().screenView());
    ui::Point middle = testing_support::centreInRoot(*minutes);
    finger.down({middle.x, middle.y - PickerWheel::kRowHeight});  // the row above the middle one
    finger.up();
    EXPECT_EQ(picker->date(), at(2026, 7, 4, 10, 16));
    EXPECT_EQ(watcher->changes, 2);
}

TEST_F(DatePickerTest, TheWheelTurnsAWheelARowPerRowHeightOfMovement) {
    picker->setDatePickerMode(DatePickerMode::Time);
    picker->setDate(at(2026, 7, 4, 10, 15));
    testing_support::Finger pointer(application().screenView());
    ui::Point minutes = testing_support::centreInRoot(*picker->wheel(Part::Minute));
    pointer.wheel(minutes, {0, 2 * PickerWheel::kRowHeight});
    EXPECT_EQ(picker->date(), at(2026, 7, 4, 10, 17));
    // Small movements, as a trackpad sends, add up to a row.
    for (int i = 0; i < 4; ++i) pointer.wheel(minutes, {0, -PickerWheel::kRowHeight / 3});
    EXPECT_EQ(picker->date(), at(2026, 7, 4, 10, 16));
    EXPECT_EQ(watcher->changes, 2);
}

}  // namespace

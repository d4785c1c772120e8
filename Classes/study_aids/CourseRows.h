#pragma once
// The rows of the courses tool, built in code: the provider's icon and name, and at the right how
// many test centres it has (with the centres icon): a count for a provider with centres, "online"
// for the provider that teaches online, nothing for the others. Odd rows are light grey. The tablet
// places the count by the home screen's width.

#include <memory>
#include <optional>
#include <string>

#include "platform/ui/Point.h"
#include "platform/ui/Rect.h"

class MCourse;
namespace ui {
struct Color;
class TableViewCell;
}  // namespace ui

class CourseRows {
  public:
    static constexpr const char* kCellIdentifier = "any-cell";
    enum Tag { kNameTag = 201, kCentersIconTag = 210, kCentersCountTag = 220 };
    static constexpr const char* kCentersImage = "Courses_Centers_N.png";
    static constexpr const char* kOnlineCompany = "Knewton";
    static constexpr const char* kOnlineText = "online";

    struct Layout {
        ui::Rect companyNameFrame;
        ui::Point centersNIVCenter;
        ui::Rect centersNLblFrame;
        double rowHeight;

        static Layout phone();
        // The count sits 103 points (its icon) and 123 points (its label) before the home screen's
        // right edge, `homeWidth` wide.
        static Layout tablet(double homeWidth);
    };

    static std::shared_ptr<ui::TableViewCell> newCell(double width, const Layout& layout,
                                                      const ui::Color& countColor);
    static void fill(ui::TableViewCell& cell, const MCourse& course, int row);
    // The count's text, or nothing when the row shows no count and no icon.
    static std::optional<std::string> countText(const MCourse& course);
};

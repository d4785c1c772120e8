#pragma once
// The rows of a centre list, built in code: the provider's icon at the left, then the address, the
// city line and the telephone line (with the provider's Skype name when it has one), and the
// distance at the top right, empty until the user's position is known. Places and font sizes
// differ between the phone and the tablet, whose rows reach to the home screen's width.

#include <memory>
#include <string>

#include "platform/ui/Rect.h"

class MCenter;
class MCourse;
namespace ui {
class Color;
class TableViewCell;
}  // namespace ui

class CenterRows {
  public:
    static constexpr const char* kCellIdentifier = "any-cell";
    enum Tag { kCityZipCountryTag = 201, kAddressTag = 202, kTelSkypeTag = 203, kDistanceTag = 300 };
    static constexpr double kRowHeight = 80;
    static constexpr double kHeaderHeight = 40;
    static constexpr double kTelSkypeAlpha = 0.7;

    struct Layout {
        ui::Rect addressFrame, cityZipCountryFrame, telSkypeFrame, distanceFrame;
        int addressFontSize, cityZipCountryFontSize, telSkypeFontSize, distanceFontSize;

        static Layout phone();
        // The texts reach to 15 points before the home screen's right edge, `homeWidth` wide.
        static Layout tablet(double homeWidth);
    };

    static std::shared_ptr<ui::TableViewCell> newCell(double width, const Layout& layout,
                                                      const ui::Color& distanceColor);
    static void fill(ui::TableViewCell& cell, const MCenter& center, const MCourse* course,
                     const std::string& distance);

    // "City, code, country"; the telephone, with " skype: NAME" when the provider has a Skype name.
    static std::string cityLine(const MCenter& center);
    static std::string telSkypeLine(const MCenter& center, const MCourse* course);
    // A section's header text: "Canada [2]".
    static std::string headerText(const std::string& country, int count);
};

#pragma once
// The rows and section headers of the library's start screen: a book row (icon, title, and the
// description at the height its text needs), a link row (icon, bold short name, grey description,
// shaded by parity), and the header of a collapsible section. The places and font sizes differ
// between the phone and the tablet (Layout).

#include <memory>
#include <string>

#include "platform/ui/Point.h"
#include "platform/ui/Rect.h"

class MResources;
class MStartSet;
namespace ui {
class Button;
class Font;
class Label;
class Responder;
class TableViewCell;
class View;
}  // namespace ui

class LibraryCells {
  public:
    static constexpr const char* kBookCellIdentifier = "library-cell";
    static constexpr const char* kResourceCellIdentifier = "resource-cell";
    static constexpr const char* kDefaultBookImage = "Product_IB_example.png";
    static constexpr const char* kHeaderBackground = "Common_sectionHeader_bg.png";
    static constexpr const char* kHeaderOpen = "Common_sectionHeader_open.png";
    static constexpr const char* kHeaderClosed = "Common_sectionHeader_close.png";
    static constexpr const char* kHeaderAction = "collapseExpandSection:";
    enum Tag {
        kBackgroundTag = 111,
        kIconTag = 200,
        kTitleTag = 201,
        kDescriptionTag = 202,
        kShortNameTag = 300,
        kLongNameTag = 301
    };
    static constexpr double kHeaderHeight = 40;

    struct Layout {
        int largeFontSize, normalFontSize, titleFontSize, descriptionFontSize;
        ui::Rect shortNameFrame, longNameFrame, titleFrame, descriptionFrame;
        ui::Point iconCenter;
        double bookRowHeight, linkRowHeight;

        static Layout phone();
        // The tablet's texts reach to 10 points before the right edge of the home screen's view.
        static Layout tablet(double homeWidth);
    };

    static std::shared_ptr<ui::TableViewCell> bookCell(double width, const Layout& layout);
    static void fillBookCell(ui::TableViewCell& cell, const MStartSet& set, const Layout& layout);
    static std::shared_ptr<ui::TableViewCell> resourceCell(const std::string& identifier, double width,
                                                           const Layout& layout);
    static void fillResourceCell(ui::TableViewCell& cell, const MResources& resources, int row,
                                 const Layout& layout);
    // The header of a section: a key tagged with the section's number that sends kHeaderAction to
    // the target when touched up.
    static std::shared_ptr<ui::Button> sectionHeader(int section, const std::string& text, bool expanded,
                                                     const std::shared_ptr<ui::Responder>& target);

    // A new row: its first subview tagged kBackgroundTag, no text of its own, a grey selection, its
    // content as wide as the table.
    static std::shared_ptr<ui::TableViewCell> newCell(const std::string& identifier, double width);
    // Odd rows light grey, even rows white (the background view and the cell).
    static void shadeByParity(ui::TableViewCell& cell, int row);
    // A clear label of the row that shrinks its text to fit, down to the minimum size.
    static std::shared_ptr<ui::Label> addLabel(ui::View& content, int tag, const ui::Rect& frame,
                                               const ui::Font& font, double minimumSize, int lines);

    // A frame at the height the text needs in the font, at most the frame's own.
    static ui::Rect fittedFrame(const std::string& text, const ui::Font& font, const ui::Rect& frame);
};

#pragma once
// A screen (made with ui::make) that holds one of each control of the UI layer, for tests of the browser
// display and for looking at the controls: labels, buttons, an image view, a paging scroll view, a page
// control, a segmented control, a switch, a toolbar, an activity indicator, a grouped table, a web
// view, a drawn view, and a button that shows an alert. The toolbar's "More" key turns to the
// pages of text entry and lists (see GalleryPages), of dates, of tables and patterns (see
// GalleryTablesPage), of drawing (see GalleryDrawingPage) and of the map and location (see
// GalleryMapPage), and back.

#include <memory>

#include "platform/ui/Color.h"
#include "platform/ui/Image.h"
#include "platform/ui/Size.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewController.h"

namespace testing_support {

class Gallery : public ui::ViewController {
  public:
    // Lays the gallery out in the application's frame of the device's screen (below the status bar).
    void loadView() override;

    // Tags of the controls in the gallery's tree.
    enum Tag {
        TitleTag = 1,
        RoundedButtonTag,
        ImageButtonTag,
        ImageViewTag,
        PagesTag,
        PageControlTag,
        SegmentedTag,
        SwitchTag,
        SpinnerTag,
        TableTag,
        WebTag,
        DrawingTag,
        AlertButtonTag,
        ToolbarTag,
        StatusTag,  // a label that tells what the last control did
        // The page of text entry and lists.
        TextPageTag,
        NameFieldTag,
        PasswordFieldTag,
        SearchTag,
        NotesTag,
        SheetButtonTag,
        GoToButtonTag,
        AddRowButtonTag,
        EditButtonTag,
        ListTag,
        // The page of dates.
        DatePageTag,
        DateModeTag,
        DatePickerTag,
        DateLimitsTag,
        // The page of tables and patterns.
        TablesPageTag,
        // The page of drawing.
        DrawingPageTag,
        // The page of the map and location.
        MapPageTag,
    };
    // The titles of the pages the "More" key turns to, in turn.
    static constexpr const char* kPageTitles[] = {
        "Gallery", "Text and lists", "Dates", "Tables and patterns", "Drawing", "Map and location"};

    // Turns to the next page (after the last, back to the first).
    void turnPage();

    // A small picture made here, so the gallery needs no files: a round key of the colour (green
    // unless given) with a white bar across.
    static std::shared_ptr<const ui::Image> tile(double side,
                                                 const ui::Color& colour = ui::Color::hsb(0.27, 0.63, 0.70));

  private:
    struct Parts;
    void build(ui::Size size);

    std::shared_ptr<ui::View> root_;
    std::shared_ptr<Parts> parts_;
};

}  // namespace testing_support

#pragma once
// The gallery's page of drawing: a sketch pad to draw on with a finger, white on black, and a key
// that clears it. Finished strokes go into a sheet a little larger than the pad, which the pad
// shows cut to its own place; the stroke in progress is drawn over it at each move, so the display
// gets only the tiles the finger crossed. What happens is said through `say`.

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/Size.h"
#include "platform/ui/View.h"

namespace testing_support {

class GalleryDrawingPage {
  public:
    enum Tag {
        SketchTag = 60,
        ClearButtonTag,
    };
    // Points of the sheet beyond the pad on every side.
    static constexpr double kSheetMargin = 30;

    GalleryDrawingPage(ui::Size size, std::function<void(const std::string&)> say);
    ~GalleryDrawingPage();

    const std::shared_ptr<ui::View>& view() const { return view_; }

  private:
    std::shared_ptr<ui::View> view_;
};

}  // namespace testing_support

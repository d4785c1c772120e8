#pragma once
// The gallery's page of the map and the device's location: a map of four capitals (red and purple
// pins with callouts) and a green pin where the device is, which follows the location updates
// (the display page's Location control moves it) while the page shows. What happens is said
// through `say`: selections, positions and location failures.

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/Size.h"
#include "platform/ui/View.h"

namespace testing_support {

class GalleryMapPage {
  public:
    enum Tag {
        MapTag = 70,
        PinTag = 80,  // plus the place's index; the device's pin is PinTag + kPlaceCount
    };
    static constexpr int kPlaceCount = 4;

    GalleryMapPage(ui::Size size, std::function<void(const std::string&)> say);
    ~GalleryMapPage();

    const std::shared_ptr<ui::View>& view() const { return view_; }
    // Location updates run while the page shows.
    void setShown(bool shown);

  private:
    struct Parts;
    std::shared_ptr<Parts> parts_;
    std::shared_ptr<ui::View> view_;
};

}  // namespace testing_support

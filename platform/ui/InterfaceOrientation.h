#pragma once
// Interface orientations: which way up the program's interface is drawn. The window stays in the
// device's portrait coordinates; an interface turned to a landscape orientation is a view turned a
// quarter turn about the screen's centre, with the screen's long side as its width.

#include <optional>

#include "platform/ui/AffineTransform.h"
#include "platform/ui/Device.h"
#include "platform/ui/Rect.h"

namespace ui {

// Numbered as stored values expect. A device turned to its left shows the interface turned right.
enum class InterfaceOrientation {
    Portrait = 1,
    PortraitUpsideDown = 2,
    LandscapeRight = 3,
    LandscapeLeft = 4,
};

inline bool isPortrait(InterfaceOrientation o) {
    return o == InterfaceOrientation::Portrait || o == InterfaceOrientation::PortraitUpsideDown;
}
inline bool isLandscape(InterfaceOrientation o) { return !isPortrait(o); }

// The interface orientation that follows a device orientation; nothing for face up, face down and
// unknown, which leave the interface as it is.
std::optional<InterfaceOrientation> interfaceOrientationFor(DeviceOrientation orientation);

// The turn that draws an interface of that orientation upright on the portrait screen: exactly a
// quarter turn clockwise for landscape right, anticlockwise for landscape left, a half turn upside down.
AffineTransform interfaceTransform(InterfaceOrientation orientation);

// The interface's own size on a screen of that portrait size (width and height swapped in landscape).
Size interfaceSize(InterfaceOrientation orientation, Size screen);

// Where a view goes on the portrait screen to show the rectangle `frame` of the turned interface:
// its centre in screen coordinates, its bounds' size (the rectangle's) and its transform.
struct InterfacePlacement {
    Point center;
    Size size;
    AffineTransform transform;
};
InterfacePlacement placeInInterface(const Rect& frame, InterfaceOrientation orientation, Size screen);

}  // namespace ui

#include "platform/ui/InterfaceOrientation.h"

namespace ui {

std::optional<InterfaceOrientation> interfaceOrientationFor(DeviceOrientation orientation) {
    switch (orientation) {
        case DeviceOrientation::Portrait:
            return InterfaceOrientation::Portrait;
        case DeviceOrientation::PortraitUpsideDown:
            return InterfaceOrientation::PortraitUpsideDown;
        case DeviceOrientation::LandscapeLeft:
            return InterfaceOrientation::LandscapeRight;
        case DeviceOrientation::LandscapeRight:
            return InterfaceOrientation::LandscapeLeft;
        default:
            return std::nullopt;
    }
}

AffineTransform interfaceTransform(InterfaceOrientation orientation) {
    // Written out rather than from angles, so that quarter turns stay exact.
    switch (orientation) {
        case InterfaceOrientation::Portrait:
            return {};
        case InterfaceOrientation::PortraitUpsideDown:
            return {-1, 0, 0, -1, 0, 0};
        case InterfaceOrientation::LandscapeRight:
            return {0, 1, -1, 0, 0, 0};
        case InterfaceOrientation::LandscapeLeft:
            return {0, -1, 1, 0, 0, 0};
    }
    return {};
}

Size interfaceSize(InterfaceOrientation orientation, Size screen) {
    return isLandscape(orientation) ? Size{screen.height, screen.width} : screen;
}

InterfacePlacement placeInInterface(const Rect& frame, InterfaceOrientation orientation, Size screen) {
    Size turned = interfaceSize(orientation, screen);
    AffineTransform turn = interfaceTransform(orientation);
    Rect f = frame.standardized();
    Point fromCentre = f.mid() - Point{turned.width / 2, turned.height / 2};
    Point center = Point{screen.width / 2, screen.height / 2} + turn.applyToVector(fromCentre);
    return {center, f.size, turn};
}

}  // namespace ui

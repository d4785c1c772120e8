#include "platform/ui/Touch.h"

#include "platform/ui/View.h"

namespace ui {

Touch::Touch(int identifier, std::shared_ptr<View> view, std::shared_ptr<View> root, Point location,
             double time)
    : id_(identifier), view_(view), root_(root), location_(location), previous_(location), time_(time) {}

Point Touch::convert(Point rootPoint, const View* view) const {
    if (!view) return rootPoint;
    auto root = root_.lock();
    return view->convertFrom(rootPoint, root.get());
}

Point Touch::locationIn(const View* view) const { return convert(location_, view); }

Point Touch::previousLocationIn(const View* view) const { return convert(previous_, view); }

void Touch::update(TouchPhase phase, Point location, double time) {
    phase_ = phase;
    previous_ = location_;
    location_ = location;
    time_ = time;
}

}  // namespace ui

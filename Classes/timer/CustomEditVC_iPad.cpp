#include "Classes/timer/CustomEditVC_iPad.h"

#include "platform/ui/View.h"

const ui::ConnectionTable& CustomEditVC_iPad::classConnections() {
    static const ui::ConnectionTable table("CustomEditVC_iPad", &CustomEditVC::classConnections());
    return table;
}

void CustomEditVC_iPad::placeForEntrance() {
    auto home = homeView();
    if (!home) return;
    home->addSubview(view());
    ui::Rect frame = home->bounds();
    frame.origin.x += frame.size.width;
    view()->setFrame(frame);
}

ui::Point CustomEditVC_iPad::restPoint() const {
    auto home = homeView();
    if (!home) return {};
    return {home->bounds().size.width / 2, home->bounds().size.height / 2};
}

ui::Point CustomEditVC_iPad::outPoint() const {
    auto home = homeView();
    if (!home) return {};
    return {home->bounds().size.width * 1.5, home->bounds().size.height / 2};
}

#include "Classes/statistics/HistogramView.h"

#include <cmath>

#include "platform/graphics/Context.h"

void HistogramView::drawRect(const ui::Rect&) {
    gfx::Context* c = gfx::Context::current();
    if (!c || !delegate()) return;
    const double base = std::round(frame().size.height);
    const ui::Size window = windowSize();
    c->beginPath();
    // The last column (x = width) is left out: a bar there would stand on the plot's edge.
    for (double x = firstColumn(); x < window.width; ++x) {
        double y = yFor(x);
        if (y >= 0 && y <= window.height) {
            c->moveTo(x, base);
            c->lineTo(x, y);
        }
    }
    c->setLineWidth(1);
    c->setStrokeColor(mainColor());
    c->strokePath();
}

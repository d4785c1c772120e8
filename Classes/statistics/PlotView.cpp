#include "Classes/statistics/PlotView.h"

#include <cmath>
#include <cstdio>

#include "platform/graphics/Context.h"
#include "platform/ui/Label.h"

namespace {

constexpr double kShadowOffset = 4;
constexpr double kCurveWidth = 1.5;
// The legend stroke starts this far left of its caption and runs for this share of its width.
constexpr double kLegendGap = 3;
constexpr double kLegendShare = 0.19;

}  // namespace

void PlotView::init(const ui::Rect& frame, std::shared_ptr<StatViewDelegate> series) {
    DrawnView::init(frame);
    setBackgroundColor(ui::Color::white(1, 0));
    series_ = std::move(series);
    windowSize_ = frame.size;
    if (series_)
        series_->setupWindow(static_cast<float>(windowSize_.width), static_cast<float>(windowSize_.height));
}

void PlotView::init(const ui::Rect& frame, const std::string& name, std::shared_ptr<StatViewDelegate> series,
                    const ui::Color& color, const std::shared_ptr<ui::Label>& caption) {
    init(frame, std::move(series));
    setMainColor(color);
    if (!caption) return;
    caption->setTextColor(mainColor_);
    float last = series_ ? series_->lastValue() : -1.0f;
    if (last >= 0) {
        char text[64];
        std::snprintf(text, sizeof text, "(%2.1f%%)", static_cast<double>(last));
        caption->setText(name + text);
    } else {
        caption->setText(name);
    }
}

void PlotView::setMainColor(const ui::Color& color) {
    mainColor_ = color;
    setNeedsDisplay();
}

void PlotView::showLegend(const ui::Rect& captionFrame) {
    legendFrame_ = captionFrame;
    setNeedsDisplay();
}

double PlotView::yFor(double x) const {
    return std::round(frame().size.height - static_cast<double>(series_->valueFor(static_cast<float>(x))));
}

double PlotView::firstColumn() const { return std::trunc(static_cast<double>(series_->startPoint())); }

void PlotView::drawRect(const ui::Rect&) {
    gfx::Context* c = gfx::Context::current();
    if (!c || !series_) return;
    const double start = static_cast<double>(series_->startPoint());
    const double first = firstColumn();
    // The walk over the columns: the first point as it is, then every column whose value lies in
    // the plot; the line joins across the columns left out.
    auto walk = [&](double offset) {
        c->beginPath();
        c->moveTo(start, yFor(start) + offset);
        for (double x = first + 1; x <= windowSize_.width; ++x) {
            double y = yFor(x);
            if (y >= 0 && y <= windowSize_.height) c->lineTo(x, y + offset);
        }
    };
    walk(kShadowOffset);
    c->setLineWidth(1);
    c->setStrokeColor(0, 0, 0, 0.1);
    c->strokePath();

    walk(0);
    if (legendFrame_.size.width != 0) {
        const ui::Rect own = frame();
        double y = (legendFrame_.origin.y - own.origin.y) + legendFrame_.size.height / 2;
        double x0 = (legendFrame_.origin.x - own.origin.x) - kLegendGap;
        c->moveTo(x0, y);
        c->lineTo(x0 - kLegendShare * legendFrame_.size.width, y);
    }
    c->setLineWidth(kCurveWidth);
    c->setStrokeColor(mainColor_);
    c->strokePath();
}

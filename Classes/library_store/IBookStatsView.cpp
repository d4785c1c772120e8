#include "Classes/library_store/IBookStatsView.h"

#include <cmath>
#include <numbers>

#include "platform/graphics/Context.h"
#include "platform/ui/Color.h"

namespace {

constexpr double kTurn = 2 * std::numbers::pi;

struct Sector {
    double angle;
    ui::Color stroke, fill;
};

}  // namespace

void IBookStatsView::init(const ui::Rect& frame, MIBStats stats) {
    ui::DrawnView::init(frame);
    stats_ = stats;
    setBackgroundColor(ui::Color::clear());
}

void IBookStatsView::drawRect(const ui::Rect&) {
    gfx::Context* context = gfx::Context::current();
    if (!context) return;
    ui::Rect b = bounds();
    drawPie(*context, b.origin.x + b.size.width / 2, b.origin.y + b.size.height / 2, stats_);
}

void IBookStatsView::drawPie(gfx::Context& c, double centreX, double centreY, const MIBStats& stats) {
    double right = 0, wrong = 0;
    if (stats.numberOfTotal >= 1) {
        right = kTurn * stats.numberOfRight / stats.numberOfTotal;
        wrong = kTurn * stats.numberOfWrong / stats.numberOfTotal;
    }
    const Sector sectors[] = {
        {kTurn - right - wrong, ui::Color::rgb(0.6, 0.6, 0.6, 0.4), ui::Color::rgb(0.6, 0.6, 0.6, 0.2)},
        {wrong, ui::Color::rgb(0.9, 0, 0, 0.5), ui::Color::rgb(0.9, 0, 0, 0.3)},
        {right, ui::Color::rgb(0.2, 0.8, 0, 0.5), ui::Color::rgb(0.2, 0.8, 0, 0.4)},
    };
    c.save();
    c.setAntialias(true);
    c.setLineWidth(1);
    double start = -std::numbers::pi / 2;
    for (const Sector& sector : sectors) {
        const double end = start - sector.angle;
        if (sector.angle > kSmallestAngle) {
            const double middle = start - sector.angle / 2;
            const double x = centreX + kOffset * std::cos(middle), y = centreY + kOffset * std::sin(middle);
            const bool wedge = sector.angle + kSmallestAngle < kTurn;
            // The path is used up by each of fill and stroke, so it is laid twice.
            for (int pass = 0; pass < 2; ++pass) {
                c.beginPath();
                if (wedge) c.moveTo(x, y);
                c.addArc(x, y, kRadius, start, end, false);
                c.closePath();
                if (pass == 0) {
                    c.setFillColor(sector.fill);
                    c.fillPath();
                } else {
                    c.setStrokeColor(sector.stroke);
                    c.strokePath();
                }
            }
        }
        start = end;
    }
    c.restore();
}

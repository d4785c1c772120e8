#include "platform/maps/MapScaleBar.h"

#include <cmath>
#include <cstdio>

#include "platform/foundation/Locale.h"
#include "platform/ui/Make.h"

namespace maps {

void MapScaleBar::init(const ui::Rect& frame) {
    View::init(frame);
    setBackgroundColor(ui::Color::clear());
    setUserInteractionEnabled(false);
    label_ = ui::make<ui::Label>(ui::Rect{0, 0, kWidth, 14});
    label_->setFont(ui::Font::boldSystem(10));
    label_->setTextColor(ui::Color::white(0.2));
    label_->setBackgroundColor(ui::Color::clear());
    addSubview(label_);
    bar_ = ui::make<ui::View>(ui::Rect{0, 16, kLongest, 4});
    bar_->setBackgroundColor(ui::Color::white(0.2));
    bar_->setBorderColor(ui::Color::whiteColor());
    bar_->setBorderWidth(0.5);
    addSubview(bar_);
}

void MapScaleBar::setMetresPerPoint(double metres) {
    Scale scale = scaleFor(metres, kLongest, fnd::Locale::current().usesMetricSystem());
    bool shown = scale.metres > 0;
    setHidden(!shown);
    if (!shown) return;
    label_->setText(scale.text);
    bar_->setFrame({0, 16, scale.metres / metres, 4});
}

MapScaleBar::Scale MapScaleBar::scaleFor(double metresPerPoint, double points, bool metric) {
    if (metric) {
        double metres = roundDistance(metresPerPoint, points);
        return {metres, metres > 0 ? distanceText(metres) : ""};
    }
    char text[32];
    double miles = roundDistance(metresPerPoint / kMetresPerMile, points);
    if (miles >= 0.1 - 1e-12) {
        std::snprintf(text, sizeof text, "%g mi", miles);
        return {miles * kMetresPerMile, text};
    }
    double feet = roundDistance(metresPerPoint / kMetresPerFoot, points);
    if (!(feet > 0)) return {};
    std::snprintf(text, sizeof text, "%g ft", feet);
    return {feet * kMetresPerFoot, text};
}

double MapScaleBar::roundDistance(double metresPerPoint, double points) {
    if (!(metresPerPoint > 0) || !std::isfinite(metresPerPoint) || !(points > 0)) return 0;
    double most = metresPerPoint * points;
    double power = std::pow(10.0, std::floor(std::log10(most)));
    for (double factor : {5.0, 2.0, 1.0})
        if (factor * power <= most * (1 + 1e-9)) return factor * power;
    return power;
}

std::string MapScaleBar::distanceText(double metres) {
    char text[32];
    if (metres >= 1000)
        std::snprintf(text, sizeof text, "%g km", metres / 1000);
    else
        std::snprintf(text, sizeof text, "%g m", metres);
    return text;
}

}  // namespace maps

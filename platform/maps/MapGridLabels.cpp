#include "platform/maps/MapGridLabels.h"

#include <algorithm>
#include <cmath>

#include "platform/maps/MapTileView.h"
#include "platform/ui/Make.h"

namespace maps {

namespace {

const ui::Color kText = ui::Color::rgb(0.22, 0.30, 0.42);
const ui::Color kGround = ui::Color::rgb(1, 1, 1, 0.72);

// The multiples of `step` from `low` to `high`, at most `most` of them.
std::vector<double> multiples(double step, double low, double high, std::size_t most) {
    std::vector<double> out;
    for (double v = std::ceil(low / step) * step; v <= high && out.size() < most; v += step) out.push_back(v);
    return out;
}

std::vector<std::shared_ptr<ui::Label>> shownOf(const std::vector<std::shared_ptr<ui::Label>>& pool) {
    std::vector<std::shared_ptr<ui::Label>> shown;
    for (const auto& label : pool)
        if (!label->isHidden()) shown.push_back(label);
    return shown;
}

}  // namespace

void MapGridLabels::init(const ui::Rect& frame) {
    View::init(frame);
    setBackgroundColor(ui::Color::clear());
    setUserInteractionEnabled(false);
    setClipsToBounds(true);
}

ui::Label& MapGridLabels::labelAt(std::vector<std::shared_ptr<ui::Label>>& pool, std::size_t index,
                                  const std::string& text) {
    while (pool.size() <= index) {
        auto label = ui::make<ui::Label>(ui::Rect{});
        label->setFont(ui::Font::system(kFontSize));
        label->setTextColor(kText);
        label->setBackgroundColor(kGround);
        label->setCornerRadius(3);
        label->setTextAlignment(ui::TextAlignment::Center);
        addSubview(label);
        pool.push_back(label);
    }
    ui::Label& label = *pool[index];
    label.setText(text);
    label.setHidden(false);
    return label;
}

void MapGridLabels::hideFrom(std::vector<std::shared_ptr<ui::Label>>& pool, std::size_t shown) {
    for (std::size_t i = shown; i < pool.size(); ++i) pool[i]->setHidden(true);
}

void MapGridLabels::update(const MapProjection& projection, ui::Point origin, double zoom) {
    const ui::Size size = bounds().size;
    const ui::Size view = projection.viewSize();
    const Coordinate center = projection.center();
    const double kx = projection.pointsPerDegreeLongitude(), ky = projection.pointsPerDegreeLatitude();
    if (!(zoom > 0) || size.isEmpty()) return;
    // The tiles' lines; named every one, or every few when they are drawn close.
    const double step = MapTileView::graticuleStep(ky);
    const double spacing = step * std::min(kx, ky) * zoom;
    const double named = step * std::max(1.0, std::ceil(kLeastLabelSpacing / spacing));
    const std::size_t most = std::size_t(std::max(size.width, size.height) / kLeastLabelSpacing) + 2;
    // Screen places of a latitude and a longitude.
    auto yOf = [&](double latitude) {
        return origin.y + zoom * (view.height / 2 - (latitude - center.latitude) * ky);
    };
    auto xOf = [&](double longitude) {
        return origin.x + zoom * (view.width / 2 + (longitude - center.longitude) * kx);
    };
    const double north = center.latitude + (view.height / 2 + origin.y / zoom) / ky;
    const double south = center.latitude - (size.height / zoom - origin.y / zoom - view.height / 2) / ky;
    const double west = center.longitude - (view.width / 2 + origin.x / zoom) / kx;
    const double east = center.longitude + (size.width / zoom - origin.x / zoom - view.width / 2) / kx;

    // Latitudes at the right edge, above the band of the longitudes.
    const double band = size.height - kInset - kLabelHeight;
    auto clear = [this](const ui::Rect& frame) {
        return keepClear_.isEmpty() || !frame.intersects(keepClear_);
    };
    std::size_t shown = 0;
    std::vector<double> parallels = multiples(named, std::max(south, -90.0), std::min(north, 90.0), most);
    for (auto it = parallels.rbegin(); it != parallels.rend(); ++it) {
        double y = yOf(*it);
        double value = std::fabs(*it) < step / 2 ? 0 : *it;
        ui::Label& label = labelAt(latitudes_, shown, MapTileView::degreeLabel(value, step, true));
        double width = label.sizeThatFits({}).width + 6;
        ui::Rect frame{size.width - kInset - width, y - kLabelHeight / 2, width, kLabelHeight};
        if (frame.origin.y < kInset || frame.maxY() > band - kInset || !clear(frame)) {
            label.setHidden(true);
            continue;
        }
        label.setFrame(frame);
        ++shown;
    }
    hideFrom(latitudes_, shown);

    // Longitudes along the bottom, below the latitudes' column.
    shown = 0;
    for (double m : multiples(named, west, east, most)) {
        // Beyond the date line a longitude is named as the earth has it.
        double value = std::remainder(m, 360.0);
        if (std::fabs(value) < step / 2) value = 0;
        ui::Label& label = labelAt(longitudes_, shown, MapTileView::degreeLabel(value, step, false));
        double width = label.sizeThatFits({}).width + 6;
        ui::Rect frame{xOf(m) - width / 2, band, width, kLabelHeight};
        if (frame.origin.x < kInset || frame.maxX() > size.width - kInset || !clear(frame)) {
            label.setHidden(true);
            continue;
        }
        label.setFrame(frame);
        ++shown;
    }
    hideFrom(longitudes_, shown);
}

std::vector<std::shared_ptr<ui::Label>> MapGridLabels::latitudeLabels() const { return shownOf(latitudes_); }

std::vector<std::shared_ptr<ui::Label>> MapGridLabels::longitudeLabels() const {
    return shownOf(longitudes_);
}

}  // namespace maps

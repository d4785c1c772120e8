#pragma once
// The scale of a map: a bar as long as a round distance on the ground at the map's centre, with the
// distance written over it in the units of the device's locale: "500 m", "2 km", "1000 km" where
// it measures in metres, "200 ft", "0.5 mi", "500 mi" where it does not.

#include <memory>
#include <string>

#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace maps {

class MapScaleBar : public ui::View {
  public:
    static constexpr double kLongest = 100;  // points
    static constexpr double kWidth = kLongest + 10, kHeight = 26;

    void init(const ui::Rect& frame) override;
    // Shows the scale for that many metres on the ground per point of the map.
    void setMetresPerPoint(double metres);

    static constexpr double kMetresPerMile = 1609.344;
    static constexpr double kMetresPerFoot = 0.3048;

    struct Scale {
        double metres = 0;  // 0: no distance fits
        std::string text;
    };
    // The longest round distance that fits in `points`, in metres and kilometres or in feet (below
    // a tenth of a mile) and miles.
    static Scale scaleFor(double metresPerPoint, double points, bool metric);

    // The longest round distance (1, 2 or 5 times a power of ten of the unit) that fits in
    // `points`, for that many units per point.
    static double roundDistance(double metresPerPoint, double points);
    // The distance as a person reads it: "20 m", "500 m", "1 km", "200 km", "5000 km".
    static std::string distanceText(double metres);

    const std::shared_ptr<ui::Label>& label() const { return label_; }
    const std::shared_ptr<ui::View>& bar() const { return bar_; }

  private:
    std::shared_ptr<ui::Label> label_;
    std::shared_ptr<ui::View> bar_;
};

}  // namespace maps

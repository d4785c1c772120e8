#pragma once
// One pin of the centre map: a test centre (title its city, subtitle its address), or the user's
// own position, which has no centre.

#include <memory>

#include "platform/location/Location.h"
#include "platform/maps/Annotation.h"

class MCenter;

class AddressAnnotation : public maps::Annotation {
  public:
    explicit AddressAnnotation(const loc::Location& location)
        : maps::Annotation(maps::Coordinate{location.latitude(), location.longitude()}) {}

    // The centre the pin stands for; null for the user's pin.
    const std::shared_ptr<MCenter>& center() const { return center_; }
    void setCenter(std::shared_ptr<MCenter> center) { center_ = std::move(center); }

  private:
    std::shared_ptr<MCenter> center_;
};

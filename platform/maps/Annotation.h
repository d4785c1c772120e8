#pragma once
// One place marked on a map: its coordinate, the title and subtitle its callout shows, and an
// opaque pointer to whatever the caller marks with it (the map never looks at it). A caller may
// also derive its own annotation class from it. Set the coordinate before the annotation is added.

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/maps/MapProjection.h"

namespace maps {

class Annotation : public fnd::Object {
  public:
    Annotation() = default;
    // A coordinate off the globe is moved onto it (and logged).
    explicit Annotation(Coordinate coordinate);

    const Coordinate& coordinate() const { return coordinate_; }
    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }
    const std::string& subtitle() const { return subtitle_; }
    void setSubtitle(std::string subtitle) { subtitle_ = std::move(subtitle); }
    const std::shared_ptr<void>& userData() const { return userData_; }
    void setUserData(std::shared_ptr<void> data) { userData_ = std::move(data); }

  private:
    Coordinate coordinate_;
    std::string title_;
    std::string subtitle_;
    std::shared_ptr<void> userData_;
};

}  // namespace maps

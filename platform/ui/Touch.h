#pragma once
// One finger on the screen, from the moment it touches to the moment it lifts. It stays with the
// view hit where it began; its locations are kept in the coordinates of the tree's root and are
// converted with a view's geometry at the moment they are asked for.

#include <memory>

#include "platform/ui/Point.h"

namespace ui {

class View;

enum class TouchPhase { Began, Moved, Ended, Cancelled };

class Touch {
  public:
    Touch(int identifier, std::shared_ptr<View> view, std::shared_ptr<View> root, Point location,
          double time);

    int identifier() const { return id_; }
    TouchPhase phase() const { return phase_; }
    double timestamp() const { return time_; }
    // The view the touch began on; null when that view has gone.
    std::shared_ptr<View> view() const { return view_.lock(); }

    // The location in the view's present coordinates; in the root's coordinates for null.
    Point locationIn(const View* view) const;
    // The location before the last move, likewise.
    Point previousLocationIn(const View* view) const;

    // The touch router's updates; setView hands the touch to a view that takes it over.
    void update(TouchPhase phase, Point location, double time);
    void setView(std::weak_ptr<View> view) { view_ = std::move(view); }

  private:
    Point convert(Point rootPoint, const View* view) const;

    int id_;
    std::weak_ptr<View> view_;
    std::weak_ptr<View> root_;
    Point location_;
    Point previous_;
    double time_;
    TouchPhase phase_ = TouchPhase::Began;
};

}  // namespace ui

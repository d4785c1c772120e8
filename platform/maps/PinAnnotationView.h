#pragma once
// The usual mark of a place: a pin of one of three colours whose needle's tip stands on the
// annotation's point, that may drop in from above when it appears.

#include "platform/maps/AnnotationView.h"
#include "platform/ui/ImageView.h"

namespace maps {

enum class PinColor { Red, Green, Purple };

class PinAnnotationView : public AnnotationView {
  public:
    static constexpr double kWidth = 18, kHeight = 40;
    static constexpr double kDropDuration = 0.3;

    using AnnotationView::init;
    void init(std::shared_ptr<Annotation> annotation, std::string reuseIdentifier) override;

    PinColor pinColor() const { return color_; }
    void setPinColor(PinColor color);
    bool animatesDrop() const { return animatesDrop_; }
    void setAnimatesDrop(bool drops) { animatesDrop_ = drops; }

    ui::Point calloutAnchor() const override;
    void didAppear(ui::Point place, double mapTop) override;

  private:
    PinColor color_ = PinColor::Red;
    bool animatesDrop_ = false;
    std::shared_ptr<ui::ImageView> picture_;
};

}  // namespace maps

#include "platform/maps/PinAnnotationView.h"

#include <array>
#include <numbers>

#include "platform/graphics/Context.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Device.h"
#include "platform/ui/Make.h"

namespace maps {

namespace {

constexpr double kHeadRadius = 7;

// The pin's picture in a colour, drawn once per colour.
std::shared_ptr<const ui::Image> pinPicture(PinColor color) {
    static std::array<std::shared_ptr<const ui::Image>, 3> pictures;
    auto& picture = pictures[static_cast<std::size_t>(color)];
    if (picture) return picture;
    static const ui::Color heads[] = {ui::Color::rgb(0.86, 0.13, 0.12), ui::Color::rgb(0.16, 0.66, 0.22),
                                      ui::Color::rgb(0.56, 0.27, 0.78)};
    const ui::Color& head = heads[static_cast<std::size_t>(color)];
    const double w = PinAnnotationView::kWidth, h = PinAnnotationView::kHeight, cx = w / 2;
    gfx::Context c(w, h, ui::Device::current().screenScale());
    c.setStrokeColor(0.25, 0.25, 0.28, 1);
    c.setLineWidth(1.5);
    c.setLineCap(gfx::LineCap::Round);
    c.beginPath();
    c.moveTo(cx, kHeadRadius * 2);
    c.lineTo(cx, h - 1);
    c.strokePath();
    c.setFillColor(head);
    c.beginPath();
    c.addArc(cx, kHeadRadius + 1, kHeadRadius, 0, 2 * std::numbers::pi, true);
    c.fillPath();
    c.setFillColor(1, 1, 1, 0.55);  // a highlight, up and to the left
    c.beginPath();
    c.addArc(cx - 2.5, kHeadRadius - 1.5, 2.2, 0, 2 * std::numbers::pi, true);
    c.fillPath();
    picture = ui::Image::fromBitmap(c.takeBitmap(), c.scale());
    return picture;
}

}  // namespace

void PinAnnotationView::init(std::shared_ptr<Annotation> annotation, std::string reuseIdentifier) {
    AnnotationView::init(std::move(annotation), std::move(reuseIdentifier));
    setFrame({0, 0, kWidth, kHeight});
    setBackgroundColor(ui::Color::clear());
    // The tip of the needle, at the bottom middle, stands on the point.
    setCenterOffset({0, -kHeight / 2});
    picture_ = ui::make<ui::ImageView>(pinPicture(color_));
    picture_->setFrame({0, 0, kWidth, kHeight});
    picture_->setUserInteractionEnabled(false);
    addSubview(picture_);
}

void PinAnnotationView::setPinColor(PinColor color) {
    color_ = color;
    if (picture_) picture_->setImage(pinPicture(color));
}

ui::Point PinAnnotationView::calloutAnchor() const { return {kWidth / 2, 1}; }

void PinAnnotationView::didAppear(ui::Point place, double mapTop) {
    if (!animatesDrop_) return;
    setCenter({place.x, mapTop - kHeight});
    ui::Animation::begin("PinDrop");
    ui::Animation::setDuration(kDropDuration);
    ui::Animation::setCurve(ui::AnimationCurve::EaseIn);
    setCenter(place);
    ui::Animation::commit();
}

}  // namespace maps

#include "platform/maps/CalloutView.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/ui/AffineTransform.h"
#include "platform/ui/Make.h"

namespace maps {

namespace {

const ui::Color kBubble = ui::Color::white(0.12, 0.88);

std::shared_ptr<ui::Label> line(const ui::Font& font, const ui::Color& color) {
    auto label = ui::make<ui::Label>(ui::Rect{});
    label->setFont(font);
    label->setTextColor(color);
    label->setBackgroundColor(ui::Color::clear());
    label->setUserInteractionEnabled(false);
    return label;
}

}  // namespace

void CalloutView::init(const ui::Rect& frame) {
    View::init(frame);
    setBackgroundColor(ui::Color::clear());
    // A square turned a quarter of a right angle: its lower corner, kArrow below its centre, is the tip.
    arrow_ = ui::make<ui::View>(ui::Rect{0, 0, kArrow * std::sqrt(2.0), kArrow * std::sqrt(2.0)});
    arrow_->setBackgroundColor(kBubble);
    arrow_->setTransform(ui::AffineTransform::rotation(std::numbers::pi / 4));
    addSubview(arrow_);
    bubble_ = ui::make<ui::View>(ui::Rect{0, 0, kMinimumWidth, kHeight});
    bubble_->setBackgroundColor(kBubble);
    bubble_->setCornerRadius(8);
    bubble_->setClipsToBounds(true);
    addSubview(bubble_);
    title_ = line(ui::Font::boldSystem(15), ui::Color::whiteColor());
    subtitle_ = line(ui::Font::system(12), ui::Color::white(0.85));
    bubble_->addSubview(title_);
    bubble_->addSubview(subtitle_);
}

void CalloutView::show(const std::string& title, const std::string& subtitle,
                       std::shared_ptr<ui::View> accessory, ui::Point anchor, double left, double right) {
    if (accessory_ && accessory_ != accessory) accessory_->removeFromSuperview();
    accessory_ = std::move(accessory);
    title_->setText(title);
    subtitle_->setText(subtitle);
    double textLeft = kInset;
    if (accessory_) {
        double side = kHeight - 12;
        accessory_->setFrame({6, 6, side, side});
        accessory_->setUserInteractionEnabled(false);
        bubble_->addSubview(accessory_);
        textLeft = 6 + side + 8;
    }
    double textWidth =
        std::max(title_->sizeThatFits({1e4, 20}).width, subtitle_->sizeThatFits({1e4, 16}).width);
    double room = std::max(kMinimumWidth, right - left - 10);
    double width = std::clamp(textLeft + textWidth + kInset, kMinimumWidth, room);
    bool two = !subtitle.empty();
    title_->setFrame({textLeft, two ? 5.0 : 0.0, width - textLeft - kInset, two ? 19.0 : kHeight});
    subtitle_->setFrame({textLeft, 24, width - textLeft - kInset, 15});
    subtitle_->setHidden(!two);

    // The bubble above the anchor, kept between the bounds; the arrow stays over the anchor.
    double x = std::clamp(anchor.x - width / 2, left + 5, std::max(left + 5, right - 5 - width));
    setFrame({x, anchor.y - kHeight - kArrow, width, kHeight + kArrow});
    bubble_->setFrame({0, 0, width, kHeight});
    arrow_->setCenter({std::clamp(anchor.x - x, 12.0, width - 12), kHeight});
}

}  // namespace maps

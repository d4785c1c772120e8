#include "platform/ui/PickerWheel.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Animation.h"
#include "platform/ui/Make.h"
#include "platform/ui/Touch.h"

namespace ui {

namespace {
constexpr double kSidePadding = 8;
}

void PickerWheel::init(const Rect& frame) {
    View::init(frame);
    setClipsToBounds(true);
    setBackgroundColor(Color::whiteColor());
}

void PickerWheel::setSource(RowSource source) { source_ = std::move(source); }

void PickerWheel::setTextAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    for (const auto& label : labels_) label->setTextAlignment(alignment);
}

int PickerWheel::reach() const { return int(std::ceil(bounds().size.height / kRowHeight / 2)) + 1; }

void PickerWheel::reload(bool settle) {
    place(offset_);
    if (!settle || offset_ == 0) {
        offset_ = 0;
        place(0);
        return;
    }
    offset_ = 0;
    Animation::begin("PickerWheelSettle");
    Animation::setDuration(kSettleDuration);
    Animation::setCurve(AnimationCurve::EaseOut);
    place(0);
    Animation::commit();
}

void PickerWheel::place(double offset) {
    int n = reach();
    std::size_t count = std::size_t(2 * n + 1);
    while (labels_.size() < count) {
        auto label = ui::make<Label>(Rect{});
        label->setFont(Font::boldSystem(20));
        label->setAdjustsFontSizeToFitWidth(true);  // a weekday and date in a narrow wheel
        label->setMinimumFontSize(12);
        label->setTextAlignment(alignment_);
        label->setUserInteractionEnabled(false);
        addSubview(label);
        labels_.push_back(label);
    }
    Size size = bounds().size;
    double middle = size.height / 2;
    for (int k = -n; k <= n; ++k) {
        const std::shared_ptr<Label>& label = labels_[std::size_t(k + n)];
        std::optional<Row> row = source_ ? source_(k) : std::nullopt;
        label->setHidden(!row);
        if (!row) continue;
        label->setText(row->text);
        label->setTextColor(row->enabled ? Color::blackColor() : Color::white(0.68));
        label->setBounds({{0, 0}, {std::max(0.0, size.width - 2 * kSidePadding), kRowHeight}});
        label->setCenter({size.width / 2, middle + k * kRowHeight + offset});
    }
}

std::vector<std::shared_ptr<Label>> PickerWheel::visibleRows() const {
    std::vector<std::shared_ptr<Label>> rows;
    Rect inside = bounds();
    for (const auto& label : labels_)
        if (!label->isHidden() && inside.intersects(label->frame())) rows.push_back(label);
    std::sort(rows.begin(), rows.end(),
              [](const auto& a, const auto& b) { return a->center().y < b->center().y; });
    return rows;
}

void PickerWheel::touchesBegan(const Touches& touches) {
    if (touches.empty()) return;
    tracking_ = true;
    startY_ = touches.front()->locationIn(this).y - offset_;
    travelled_ = 0;
}

void PickerWheel::touchesMoved(const Touches& touches) {
    if (!tracking_ || touches.empty()) return;
    Point at = touches.front()->locationIn(this);
    offset_ = at.y - startY_;
    travelled_ = std::max(travelled_, std::abs(offset_));
    place(offset_);
}

void PickerWheel::touchesEnded(const Touches& touches) {
    if (!tracking_ || touches.empty()) return;
    tracking_ = false;
    int rows;
    if (travelled_ < kTapSlop) {
        offset_ = 0;
        rows =
            int(std::lround((touches.front()->locationIn(this).y - bounds().size.height / 2) / kRowHeight));
    } else {
        rows = int(std::lround(-offset_ / kRowHeight));
        offset_ += rows * kRowHeight;  // what is left once the new row is in the middle
    }
    std::shared_ptr<View> keep = sharedAs<View>();
    if (onTurn_) onTurn_(rows);
    reload(true);
}

bool PickerWheel::scrollWheel(double, double dy) {
    if (dy == 0 || tracking_) return false;
    wheelPart_ += dy;
    int rows = int(wheelPart_ / kRowHeight);
    if (rows == 0) return true;
    wheelPart_ -= rows * kRowHeight;
    std::shared_ptr<View> keep = sharedAs<View>();
    if (onTurn_) onTurn_(rows);
    reload(true);
    return true;
}

void PickerWheel::touchesCancelled(const Touches&) {
    if (!tracking_) return;
    tracking_ = false;
    reload(true);
}

}  // namespace ui

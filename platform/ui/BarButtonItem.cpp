#include "platform/ui/BarButtonItem.h"

#include <cmath>

namespace ui {

std::shared_ptr<BarButtonItem> BarButtonItem::withTitle(std::string title, BarButtonItemStyle style) {
    auto item = std::make_shared<BarButtonItem>();
    item->title_ = std::move(title);
    item->style_ = style;
    return item;
}

std::shared_ptr<BarButtonItem> BarButtonItem::withImage(std::shared_ptr<const Image> image,
                                                        BarButtonItemStyle style) {
    auto item = std::make_shared<BarButtonItem>();
    item->image_ = std::move(image);
    item->style_ = style;
    return item;
}

std::shared_ptr<BarButtonItem> BarButtonItem::withSystemItem(BarButtonSystemItem kind) {
    auto item = std::make_shared<BarButtonItem>();
    item->system_ = true;
    item->systemItem_ = kind;
    item->style_ = BarButtonItemStyle::Bordered;
    // The platform's own keys, as text in the display's fonts.
    switch (kind) {
        case BarButtonSystemItem::Done:
            item->title_ = "Done";
            item->style_ = BarButtonItemStyle::Done;
            break;
        case BarButtonSystemItem::Cancel:
            item->title_ = "Cancel";
            break;
        case BarButtonSystemItem::Edit:
            item->title_ = "Edit";
            break;
        case BarButtonSystemItem::Save:
            item->title_ = "Save";
            item->style_ = BarButtonItemStyle::Done;
            break;
        case BarButtonSystemItem::Add:
            item->title_ = "+";
            item->style_ = BarButtonItemStyle::Plain;
            break;
        case BarButtonSystemItem::Refresh:
            item->title_ = "\u21BB";
            item->style_ = BarButtonItemStyle::Plain;
            break;
        case BarButtonSystemItem::FlexibleSpace:
        case BarButtonSystemItem::FixedSpace:
            item->style_ = BarButtonItemStyle::Plain;
            break;
    }
    return item;
}

std::shared_ptr<BarButtonItem> BarButtonItem::withCustomView(std::shared_ptr<View> view) {
    auto item = std::make_shared<BarButtonItem>();
    item->customView_ = std::move(view);
    return item;
}

std::shared_ptr<BarButtonItem> BarButtonItem::fixedSpace(double width) {
    auto item = withSystemItem(BarButtonSystemItem::FixedSpace);
    item->setWidth(width);
    return item;
}

std::shared_ptr<BarButtonItem> BarButtonItem::flexibleSpace() {
    return withSystemItem(BarButtonSystemItem::FlexibleSpace);
}

void BarButtonItem::changed() const {
    if (changed_) changed_();
}

void BarButtonItem::setTitle(std::string title) {
    title_ = std::move(title);
    changed();
}

void BarButtonItem::setImage(std::shared_ptr<const Image> image) {
    image_ = std::move(image);
    changed();
}

void BarButtonItem::setStyle(BarButtonItemStyle style) {
    style_ = style;
    changed();
}

void BarButtonItem::setWidth(double width) {
    width_ = std::isfinite(width) && width > 0 ? width : 0;
    changed();
}

void BarButtonItem::setEnabled(bool enabled) {
    enabled_ = enabled;
    changed();
}

void BarButtonItem::setAction(Action action, std::weak_ptr<const void> target, bool hasTarget) {
    action_ = std::move(action);
    target_ = std::move(target);
    hasTarget_ = hasTarget;
}

void BarButtonItem::perform() {
    if (!enabled_ || !action_) return;
    std::shared_ptr<const void> target = target_.lock();
    if (hasTarget_ && !target) return;
    Action action = action_;  // the action may replace itself
    action(sharedAs<BarButtonItem>());
}

}  // namespace ui

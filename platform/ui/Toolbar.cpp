#include "platform/ui/Toolbar.h"

#include <algorithm>

#include "platform/ui/Animation.h"
#include "platform/ui/Button.h"
#include "platform/ui/Make.h"

namespace ui {

namespace {
constexpr double kKeyHeight = 30;
const Color kDoneColor = Color::rgb(0.2, 0.42, 0.86);

bool bordered(const BarButtonItem& item) { return item.style() != BarButtonItemStyle::Plain; }
}  // namespace

void Toolbar::init(const Rect& frame) {
    View::init(frame);
    setBackgroundColor(tint_);
}

void Toolbar::setTintColor(const Color& color) {
    tint_ = color;
    setBackgroundColor(color);
    rebuild(false);
}

void Toolbar::setItems(std::vector<std::shared_ptr<BarButtonItem>> items, bool animated) {
    for (auto& item : items_) item->setChangeHandler(nullptr);
    std::erase(items, nullptr);
    items_ = std::move(items);
    std::weak_ptr<Toolbar> weak = sharedAs<Toolbar>();
    for (auto& item : items_)
        item->setChangeHandler([weak] {
            if (auto self = weak.lock()) self->rebuild(false);
        });
    rebuild(animated);
}

std::shared_ptr<View> Toolbar::makeKey(const std::shared_ptr<BarButtonItem>& item) const {
    if (item->customView()) return item->customView();
    auto key = make<Button>(Rect{});
    key->setTitle(item->title());
    key->setImage(item->image());
    key->setEnabled(item->isEnabled());
    key->setTitleColor(Color::white(1, 0.4), StateDisabled);
    key->titleLabel()->setFont(bordered(*item) ? Font::boldSystem(12) : Font::boldSystem(20));
    if (bordered(*item)) {
        key->setBackgroundColor(item->style() == BarButtonItemStyle::Done
                                    ? kDoneColor
                                    : Color::interpolate(tint_, Color::blackColor(), 0.2));
        key->setCornerRadius(5);
        key->setBorderWidth(1);
        key->setBorderColor(Color::interpolate(tint_, Color::blackColor(), 0.5));
    }
    std::weak_ptr<BarButtonItem> weakItem = item;
    key->addAction(ControlEventTouchUpInside, [weakItem](auto&) {
        if (auto i = weakItem.lock()) i->perform();
    });
    return key;
}

double Toolbar::widthOf(const BarButtonItem& item, const View* view) const {
    if (item.isFlexibleSpace()) return 0;
    if (item.width() > 0) return item.width();
    if (item.isFixedSpace()) return 0;
    if (item.customView()) return view->frame().size.width;
    if (item.image()) return item.image()->size().width + (bordered(item) ? 20 : 10);
    Font font = bordered(item) ? Font::boldSystem(12) : Font::boldSystem(20);
    return std::max(font.widthOf(item.title()) + (bordered(item) ? 20 : 10), bordered(item) ? 30.0 : 20.0);
}

void Toolbar::rebuild(bool animated) {
    for (auto& view : views_)
        if (view) view->removeFromSuperview();
    views_.clear();
    for (auto& item : items_) {
        std::shared_ptr<View> view = item->isSpace() ? nullptr : makeKey(item);
        if (view) {
            if (animated) view->setAlpha(0);
            addSubview(view);
        }
        views_.push_back(view);
    }
    layoutSubviews();
    if (!animated) return;
    Animation::begin();
    for (auto& view : views_)
        if (view) view->setAlpha(1);
    Animation::commit();
}

void Toolbar::layoutSubviews() {
    Size bar = bounds().size;
    double used = 0;
    int flexible = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        used += widthOf(*items_[i], views_[i].get());
        if (items_[i]->isFlexibleSpace()) ++flexible;
        if (i > 0 && views_[i] && views_[i - 1]) used += kGap;
    }
    double share = flexible > 0 ? std::max(0.0, (bar.width - 2 * kMargin - used) / flexible) : 0;
    double x = kMargin;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (i > 0 && views_[i] && views_[i - 1]) x += kGap;
        double width = items_[i]->isFlexibleSpace() ? share : widthOf(*items_[i], views_[i].get());
        if (auto& view = views_[i]) {
            double height = items_[i]->customView() ? view->frame().size.height : kKeyHeight;
            view->setFrame({x, (bar.height - height) / 2, width, height});
        }
        x += width;
    }
}

std::shared_ptr<View> Toolbar::viewForItem(const BarButtonItem* item) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item) return views_[i];
    return nullptr;
}

}  // namespace ui

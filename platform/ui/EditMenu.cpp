#include "platform/ui/EditMenu.h"

#include <algorithm>

#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Touch.h"
#include "platform/ui/View.h"

namespace ui {

namespace {

constexpr double kPadding = 12;
constexpr double kGap = 10;       // between the selection and the menu
constexpr double kMargin = 4;     // from the host's edges
constexpr double kTopLimit = 24;  // below the status bar

Color highlightColor() { return Color::rgb(0.2, 0.45, 0.9); }

// One item: its title on a box that highlights while touched and chooses the item when the
// finger lifts on it.
class MenuItemView : public View {
  public:
    void setItem(const MenuItem& item, const Font& font) {
        action_ = item.action;
        auto label = ui::make<Label>(bounds());
        label->setText(item.title);
        label->setFont(font);
        label->setTextColor(Color::whiteColor());
        label->setTextAlignment(TextAlignment::Center);
        label->setUserInteractionEnabled(false);
        addSubview(label);
    }
    const std::string& action() const { return action_; }

    void touchesBegan(const Touches&) override { setBackgroundColor(highlightColor()); }
    void touchesMoved(const Touches& touches) override {
        setBackgroundColor(inside(touches) ? highlightColor() : Color::clear());
    }
    void touchesEnded(const Touches& touches) override {
        setBackgroundColor(Color::clear());
        if (inside(touches)) EditMenu::shared().choose(action_);
    }
    void touchesCancelled(const Touches&) override { setBackgroundColor(Color::clear()); }

  private:
    bool inside(const Touches& touches) const {
        return !touches.empty() && bounds().contains(touches.front()->locationIn(this));
    }
    std::string action_;
};

}  // namespace

EditMenu& EditMenu::shared() {
    static EditMenu menu;
    return menu;
}

void EditMenu::reset() {
    setMenuVisible(false);
    items_.clear();
    host_.reset();
    selected_.reset();
    text_.clear();
    rect_ = {};
    listener_ = nullptr;
}

const std::vector<MenuItem>& EditMenu::standardItems() {
    static const std::vector<MenuItem> items{
        {"Cut", "cut:"},
        {"Copy", "copy:"},
        {"Paste", "paste:"},
        {"Select", "select:"},
        {"Select All", "selectAll:"},
    };
    return items;
}

void EditMenu::setMenuItems(std::vector<MenuItem> items) { items_ = std::move(items); }

void EditMenu::setHost(std::weak_ptr<View> host) {
    setMenuVisible(false);
    host_ = std::move(host);
}

void EditMenu::selectionChanged(const std::shared_ptr<View>& view, std::string text, const Rect& rect) {
    if (!view) return;
    if (text.empty()) {
        if (selected_.lock() == view) {
            selected_.reset();
            text_.clear();
            setMenuVisible(false);
        }
        return;
    }
    // The display repeats a selection at times (a focus, a lifted finger): the menu put away from
    // it stays away.
    if (selected_.lock() == view && text_ == text && rect_ == rect) return;
    selected_ = view;
    text_ = std::move(text);
    rect_ = rect;
    setMenuVisible(true);
}

void EditMenu::endSelection() {
    std::shared_ptr<View> view = selected_.lock();
    selected_.reset();
    text_.clear();
    setMenuVisible(false);
    if (view && listener_) listener_(view->elementId());
}

std::shared_ptr<View> EditMenu::selectedView() const { return selected_.lock(); }

std::string EditMenu::selectedTextIn(const View& view) const {
    return selected_.lock().get() == &view ? text_ : std::string();
}

void EditMenu::setOnSelectionEnded(std::function<void(std::uint64_t)> listener) {
    listener_ = std::move(listener);
}

void EditMenu::userInteractionDisabled(const View& view) {
    std::shared_ptr<View> selected = selected_.lock();
    if (selected && selected->isDescendantOf(&view)) endSelection();
}

std::vector<MenuItem> EditMenu::offeredItems() const {
    std::shared_ptr<View> view = selected_.lock();
    if (!view || text_.empty()) return {};
    std::vector<MenuItem> offered;
    for (const auto* list : {&standardItems(), &items_})
        for (const MenuItem& item : *list)
            if (view->canPerformAction(item.action, nullptr)) offered.push_back(item);
    return offered;
}

void EditMenu::setMenuVisible(bool visible) {
    if (menu_) {
        std::shared_ptr<View> old = std::move(menu_);
        old->removeFromSuperview();
    }
    if (!visible) return;
    std::shared_ptr<View> view = selected_.lock();
    std::shared_ptr<View> host = host_.lock();
    if (!view || !host) return;
    std::vector<MenuItem> items = offeredItems();
    if (items.empty()) return;
    menu_ = compose(items, *host, *view);
    host->addSubview(menu_);
}

std::shared_ptr<View> EditMenu::compose(const std::vector<MenuItem>& items, View& host,
                                        const View& selected) {
    Font font = Font::boldSystem(14);
    std::vector<double> widths;
    double total = 0;
    for (const MenuItem& item : items) {
        widths.push_back(font.widthOf(item.title) + 2 * kPadding);
        total += widths.back();
    }
    total += double(items.size() - 1);  // one-point separators

    Rect target = selected.convertTo(rect_, &host);
    Size area = host.bounds().size;
    double x =
        std::clamp(target.midX() - total / 2, kMargin, std::max(kMargin, area.width - total - kMargin));
    double y = target.minY() - kGap - kItemHeight;
    if (y < kTopLimit) y = target.maxY() + kGap;
    y = std::clamp(y, kTopLimit, std::max(kTopLimit, area.height - kItemHeight - kMargin));

    auto menu = ui::make<View>(Rect{x, y, total, kItemHeight});
    menu->setBackgroundColor(Color::white(0.1, 0.95));
    menu->setCornerRadius(7);
    menu->setClipsToBounds(true);
    double at = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            auto separator = ui::make<View>(Rect{at, 0, 1, kItemHeight});
            separator->setBackgroundColor(Color::white(0.45));
            separator->setUserInteractionEnabled(false);
            menu->addSubview(separator);
            at += 1;
        }
        auto itemView = ui::make<MenuItemView>(Rect{at, 0, widths[i], kItemHeight});
        itemView->setItem(items[i], font);
        menu->addSubview(itemView);
        at += widths[i];
    }
    return menu;
}

void EditMenu::choose(const std::string& action) {
    std::shared_ptr<View> view = selected_.lock();
    std::vector<MenuItem> offered = offeredItems();
    bool allowed =
        std::any_of(offered.begin(), offered.end(), [&](const MenuItem& i) { return i.action == action; });
    std::shared_ptr<View> sender = menu_;
    if (menu_) {
        for (const auto& sub : menu_->subviews()) {
            auto item = std::dynamic_pointer_cast<MenuItemView>(sub);
            if (item && item->action() == action) sender = item;
        }
    }
    setMenuVisible(false);
    if (!view || !allowed) return;
    if (std::shared_ptr<Responder> target = view->targetForAction(action))
        target->performAction(action, sender);
}

}  // namespace ui

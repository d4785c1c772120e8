#include "platform/ui/Toolbar.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "platform/ui/Animation.h"
#include "platform/ui/Button.h"
#include "platform/ui/Make.h"
#include "platform/ui/NibProperties.h"

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
    for (auto& item : items_) item->setOnChange(nullptr);
    std::erase(items, nullptr);
    items_ = std::move(items);
    std::weak_ptr<Toolbar> weak = sharedAs<Toolbar>();
    for (auto& item : items_)
        item->setOnChange([weak] {
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
    // The key may outlive its item (a like item takes its place), so it asks the bar for its item.
    std::weak_ptr<const Toolbar> weakBar = std::dynamic_pointer_cast<const Toolbar>(weak_from_this().lock());
    key->addAction(ControlEventTouchUpInside, [weakBar](const std::shared_ptr<Control>& sender) {
        auto bar = weakBar.lock();
        auto i = bar ? bar->itemOfKey(sender.get()) : nullptr;
        if (!i || !i->isEnabled()) return;
        i->perform();
        // A named action goes up the responder chain from the bar, with the item as sender.
        if (i->actionName().empty()) return;
        if (auto target = sender->targetForAction(i->actionName())) target->performAction(i->actionName(), i);
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

Toolbar::KeyLook Toolbar::lookOf(const BarButtonItem& item) {
    const auto& image = item.image();
    std::string picture = !image ? std::string()
                          : image->name().empty()
                              ? std::to_string(reinterpret_cast<std::uintptr_t>(image.get()))
                              : image->name();
    return {item.title(),     picture,           item.style(),           item.width(),
            item.isEnabled(), item.actionName(), item.customView().get()};
}

std::shared_ptr<BarButtonItem> Toolbar::itemOfKey(const View* key) const {
    for (std::size_t i = 0; i < views_.size(); ++i)
        if (views_[i].get() == key) return items_[i];
    return nullptr;
}

// A key whose item is replaced by one that looks and acts the same at the same place is kept as it
// is: screens that set their bar's items anew for every page change only what differs.
void Toolbar::rebuild(bool animated) {
    std::vector<std::shared_ptr<View>> old = std::move(views_);
    std::vector<KeyLook> oldLooks = std::move(looks_);
    views_.clear();
    looks_.clear();
    std::vector<std::shared_ptr<View>> made;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const auto& item = items_[i];
        std::shared_ptr<View> view;
        KeyLook look = lookOf(*item);
        bool custom = item->customView() != nullptr;
        if (!item->isSpace() && !custom && i < old.size() && old[i] && oldLooks[i] == look) {
            view = std::move(old[i]);
        } else if (!item->isSpace()) {
            view = makeKey(item);
            if (animated) view->setAlpha(0);
            addSubview(view);
            made.push_back(view);
        }
        views_.push_back(view);
        looks_.push_back(std::move(look));
    }
    for (auto& view : old)
        if (view && view->superview().get() == this &&
            std::find(views_.begin(), views_.end(), view) == views_.end())
            view->removeFromSuperview();
    layoutSubviews();
    if (!animated) return;
    Animation::begin();
    for (auto& view : made) view->setAlpha(1);
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

void Toolbar::applyNibProperties(Toolbar& toolbar, NibProperties& p) {
    static constexpr std::array<std::pair<BarButtonItemStyle, const char*>, 3> kStyles{{
        {BarButtonItemStyle::Plain, "plain"},
        {BarButtonItemStyle::Bordered, "bordered"},
        {BarButtonItemStyle::Done, "done"},
    }};
    static constexpr std::array<std::pair<BarButtonSystemItem, const char*>, 8> kSystemItems{{
        {BarButtonSystemItem::Done, "done"},
        {BarButtonSystemItem::Cancel, "cancel"},
        {BarButtonSystemItem::Edit, "edit"},
        {BarButtonSystemItem::Save, "save"},
        {BarButtonSystemItem::Add, "add"},
        {BarButtonSystemItem::Refresh, "refresh"},
        {BarButtonSystemItem::FlexibleSpace, "flexibleSpace"},
        {BarButtonSystemItem::FixedSpace, "fixedSpace"},
    }};
    if (auto v = p.color("tintColor")) toolbar.setTintColor(*v);
    auto entries = p.objects("items");
    if (!entries) return;
    std::vector<std::shared_ptr<BarButtonItem>> items;
    for (NibProperties& e : *entries) {
        std::shared_ptr<BarButtonItem> item;
        if (auto system = e.choice("system", kSystemItems))
            item = BarButtonItem::withSystemItem(*system);
        else if (auto image = e.image("image"))
            item = BarButtonItem::withImage(*image);
        else
            item = BarButtonItem::withTitle(e.string("title").value_or(""));
        if (auto v = e.choice("style", kStyles)) item->setStyle(*v);
        if (auto v = e.number("width")) item->setWidth(*v);
        if (auto v = e.integer("tag")) item->setTag(*v);
        if (auto v = e.boolean("enabled")) item->setEnabled(*v);
        if (auto v = e.string("action")) item->setActionName(*v);
        for (const std::string& key : e.unreadKeys()) e.problem(key, "not a property of a bar item");
        items.push_back(item);
    }
    toolbar.setItems(std::move(items));
}

}  // namespace ui

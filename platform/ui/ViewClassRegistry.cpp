#include "platform/ui/ViewClassRegistry.h"

#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/Button.h"
#include "platform/ui/Control.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/DrawnView.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/View.h"
#include "platform/ui/WebView.h"

namespace ui {

namespace {

// The box properties every view has.
void applyViewProperties(View& view, NibProperties& p) {
    if (auto v = p.color("backgroundColor")) view.setBackgroundColor(*v);
    if (auto v = p.image("backgroundPattern")) view.setBackgroundPattern(*v);
    if (auto v = p.image("backgroundImage")) view.setBackgroundImage(*v);
    if (auto v = p.number("alpha")) view.setAlpha(*v);
    if (auto v = p.boolean("hidden")) view.setHidden(*v);
    if (auto v = p.boolean("userInteractionEnabled")) view.setUserInteractionEnabled(*v);
    if (auto v = p.boolean("clipsToBounds")) view.setClipsToBounds(*v);
    if (auto v = p.boolean("autoresizesSubviews")) view.setAutoresizesSubviews(*v);
    if (auto v = p.number("cornerRadius")) view.setCornerRadius(*v);
    if (auto v = p.number("borderWidth")) view.setBorderWidth(*v);
    if (auto v = p.color("borderColor")) view.setBorderColor(*v);
}

}  // namespace

ViewClassRegistry& ViewClassRegistry::shared() {
    static ViewClassRegistry registry;
    return registry;
}

ViewClassRegistry::ViewClassRegistry() {
    registerClass<View>("View", "", std::function<void(View&, NibProperties&)>(applyViewProperties));
    registerClass<Control>("Control", "View",
                           std::function<void(Control&, NibProperties&)>(Control::applyNibProperties));
    registerClass<Label>("Label", "View",
                         std::function<void(Label&, NibProperties&)>(Label::applyNibProperties));
    registerOwn<Button>("Button", "Control", Button::applyNibProperties);
    registerOwn<ImageView>("ImageView", "View", ImageView::applyNibProperties);
    registerOwn<ScrollView>("ScrollView", "View", ScrollView::applyNibProperties);
    registerOwn<TableView>("TableView", "ScrollView", TableView::applyNibProperties);
    registerOwn<TableViewCell>("TableViewCell", "View", TableViewCell::applyNibProperties);
    registerOwn<PageControl>("PageControl", "Control", PageControl::applyNibProperties);
    registerOwn<SegmentedControl>("SegmentedControl", "Control", SegmentedControl::applyNibProperties);
    registerOwn<Switch>("Switch", "Control", Switch::applyNibProperties);
    registerOwn<Toolbar>("Toolbar", "View", Toolbar::applyNibProperties);
    registerOwn<ActivityIndicator>("ActivityIndicator", "View", ActivityIndicator::applyNibProperties);
    registerOwn<WebView>("WebView", "View", WebView::applyNibProperties);
    registerClass<DrawnView>("DrawnView", "View");
    registerOwn<TextField>("TextField", "Control", TextField::applyNibProperties);
    registerOwn<TextView>("TextView", "View", TextView::applyNibProperties);
    registerOwn<SearchBar>("SearchBar", "View", SearchBar::applyNibProperties);
    registerOwn<DatePicker>("DatePicker", "Control", DatePicker::applyNibProperties);
}

void ViewClassRegistry::add(Entry entry) {
    std::lock_guard lock(mutex_);
    std::string name = entry.name;
    classes_[name] = std::make_shared<const Entry>(std::move(entry));
}

std::shared_ptr<const ViewClassRegistry::Entry> ViewClassRegistry::find(std::string_view name) const {
    std::lock_guard lock(mutex_);
    auto it = classes_.find(name);
    return it == classes_.end() ? nullptr : it->second;
}

bool ViewClassRegistry::contains(std::string_view name) const { return find(name) != nullptr; }

std::shared_ptr<View> ViewClassRegistry::make(std::string_view name, const Rect& frame) const {
    auto entry = find(name);
    return entry ? entry->make(frame) : nullptr;
}

void ViewClassRegistry::applyProperties(std::string_view name, View& view, NibProperties& properties) const {
    // The chain from the class up to the root, then applied root first. A chain that loops or
    // names an unregistered base ends there.
    std::vector<std::shared_ptr<const Entry>> chain;
    for (auto e = find(name); e && chain.size() < 32; e = e->base.empty() ? nullptr : find(e->base)) {
        chain.push_back(e);
        if (!e->base.empty() && !find(e->base)) {
            properties.problem(
                "", "the class \"" + e->name + "\" names an unknown base class \"" + e->base + "\"");
            break;
        }
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        if ((*it)->apply) (*it)->apply(view, properties);
}

}  // namespace ui

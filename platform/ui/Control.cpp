#include "platform/ui/Control.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/ui/NibProperties.h"
#include "platform/ui/Touch.h"

namespace ui {

namespace {

constexpr std::array<std::pair<ControlEvent, const char*>, 14> kEventNames{{
    {ControlEventTouchDown, "touchDown"},
    {ControlEventTouchDownRepeat, "touchDownRepeat"},
    {ControlEventTouchDragInside, "touchDragInside"},
    {ControlEventTouchDragOutside, "touchDragOutside"},
    {ControlEventTouchDragEnter, "touchDragEnter"},
    {ControlEventTouchDragExit, "touchDragExit"},
    {ControlEventTouchUpInside, "touchUpInside"},
    {ControlEventTouchUpOutside, "touchUpOutside"},
    {ControlEventTouchCancel, "touchCancel"},
    {ControlEventValueChanged, "valueChanged"},
    {ControlEventEditingDidBegin, "editingDidBegin"},
    {ControlEventEditingChanged, "editingChanged"},
    {ControlEventEditingDidEnd, "editingDidEnd"},
    {ControlEventEditingDidEndOnExit, "editingDidEndOnExit"},
}};

}  // namespace

std::optional<ControlEvent> Control::eventNamed(std::string_view name) {
    for (const auto& [event, n] : kEventNames)
        if (name == n) return event;
    return std::nullopt;
}

const char* Control::eventName(ControlEvent event) {
    for (const auto& [e, n] : kEventNames)
        if (e == event) return n;
    return "";
}

void Control::describe(PrimitiveProperties& p) const {
    View::describe(p);
    p.emplace_back("taps", enabled_ && isUserInteractionEnabled());
}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (!enabled) highlighted_ = false;
    changed();
    stateChanged();
}

void Control::setSelected(bool selected) {
    if (!update(selected_, selected)) return;
    changed();
    stateChanged();
}

void Control::setHighlighted(bool highlighted) {
    if (!update(highlighted_, highlighted)) return;
    changed();
    stateChanged();
}

unsigned Control::state() const {
    return (highlighted_ ? StateHighlighted : 0u) | (enabled_ ? 0u : StateDisabled) |
           (selected_ ? StateSelected : 0u);
}

// ---- Actions

int Control::add(Entry entry) {
    if (entry.events == 0) return 0;
    entry.id = nextEntry_++;
    entries_.push_back(std::move(entry));
    return entries_.back().id;
}

void Control::addTarget(const std::shared_ptr<Responder>& target, std::string action, unsigned events) {
    if (action.empty() || events == 0) return;
    for (auto& entry : entries_) {
        if (!entry.function && entry.hasTarget == bool(target) && entry.target.lock() == target &&
            entry.action == action) {
            entry.events |= events;
            return;
        }
    }
    add({0, events, target, bool(target), std::move(action), nullptr});
}

void Control::removeTarget(const Responder* target, const std::string& action, unsigned events) {
    for (auto& entry : entries_) {
        if (entry.function) continue;
        bool targetMatches = !target || entry.target.lock().get() == target;
        if (targetMatches && (action.empty() || entry.action == action)) entry.events &= ~events;
    }
    std::erase_if(entries_, [](const Entry& e) { return e.events == 0; });
}

std::vector<std::string> Control::actionsForTarget(const Responder* target, ControlEvent event) const {
    std::vector<std::string> actions;
    for (const auto& entry : entries_)
        if (!entry.function && (entry.events & event) && entry.target.lock().get() == target)
            actions.push_back(entry.action);
    return actions;
}

int Control::addAction(unsigned events, Action action) {
    if (!action) return 0;
    return add({0, events, {}, false, {}, std::move(action)});
}

int Control::addAction(unsigned events, Action action, std::weak_ptr<const void> owner) {
    if (!action) return 0;
    return add({0, events, std::move(owner), true, {}, std::move(action)});
}

void Control::removeAction(int id) {
    std::erase_if(entries_, [id](const Entry& e) { return e.id == id; });
}

bool Control::hasActions(unsigned events) const {
    return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return (e.events & events) && !(e.hasTarget && e.target.expired());
    });
}

void Control::sendActionsForControlEvents(unsigned events) {
    std::erase_if(entries_, [](const Entry& e) { return e.function && e.hasTarget && e.target.expired(); });
    std::shared_ptr<Control> self = sharedAs<Control>();  // an action may take the control away
    std::vector<Entry> entries = entries_;                // or change the actions
    for (const auto& entry : entries) {
        if (!(entry.events & events)) continue;
        std::shared_ptr<const void> target = entry.target.lock();
        if (entry.hasTarget && !target) continue;
        if (entry.function) {
            entry.function(self);
            continue;
        }
        std::shared_ptr<Responder> responder =
            entry.hasTarget
                ? std::const_pointer_cast<Responder>(std::static_pointer_cast<const Responder>(target))
                : targetForAction(entry.action);
        if (responder) responder->performAction(entry.action, self);
    }
}

// ---- Tracking

bool Control::isNear(Point p) const { return bounds().insetBy(-kTouchSlop, -kTouchSlop).contains(p); }

std::shared_ptr<Touch> Control::trackedAmong(const Touches& touches) const {
    for (const auto& t : touches)
        if (t == tracking_) return t;
    return nullptr;
}

void Control::touchesBegan(const Touches& touches) {
    if (!enabled_ || tracking_ || touches.empty()) return;
    std::shared_ptr<Touch> touch = touches.front();
    if (!beginTracking(touch->locationIn(this))) return;
    std::shared_ptr<Control> keep = sharedAs<Control>();
    tracking_ = touch;
    touchInside_ = true;
    setHighlighted(true);
    sendActionsForControlEvents(ControlEventTouchDown);
}

void Control::touchesMoved(const Touches& touches) {
    std::shared_ptr<Touch> touch = trackedAmong(touches);
    if (!touch) return;
    std::shared_ptr<Control> keep = sharedAs<Control>();
    Point p = touch->locationIn(this);
    bool inside = isNear(p);
    bool was = touchInside_;
    touchInside_ = inside;
    setHighlighted(inside);
    continueTracking(p, inside);
    if (inside != was)
        sendActionsForControlEvents(inside ? ControlEventTouchDragEnter : ControlEventTouchDragExit);
    sendActionsForControlEvents(inside ? ControlEventTouchDragInside : ControlEventTouchDragOutside);
}

void Control::touchesEnded(const Touches& touches) {
    std::shared_ptr<Touch> touch = trackedAmong(touches);
    if (!touch) return;
    std::shared_ptr<Control> keep = sharedAs<Control>();
    Point p = touch->locationIn(this);
    bool inside = isNear(p);
    tracking_.reset();
    touchInside_ = inside;
    setHighlighted(false);
    endTracking(p, inside);
    sendActionsForControlEvents(inside ? ControlEventTouchUpInside : ControlEventTouchUpOutside);
}

void Control::touchesCancelled(const Touches& touches) {
    if (!trackedAmong(touches)) return;
    std::shared_ptr<Control> keep = sharedAs<Control>();
    tracking_.reset();
    touchInside_ = false;
    setHighlighted(false);
    cancelTracking();
    sendActionsForControlEvents(ControlEventTouchCancel);
}

void Control::applyNibProperties(Control& control, NibProperties& properties) {
    if (auto enabled = properties.boolean("enabled")) control.setEnabled(*enabled);
    if (auto selected = properties.boolean("selected")) control.setSelected(*selected);
}

}  // namespace ui

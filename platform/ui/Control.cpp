#include "platform/ui/Control.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/ui/NibProperties.h"
#include "platform/ui/Touch.h"

namespace ui {

namespace {

constexpr std::array<std::pair<ControlEvent, const char*>, 11> kEventNames{{
    {ControlEventTouchDown, "touchDown"},
    {ControlEventTouchDragInside, "touchDragInside"},
    {ControlEventTouchDragOutside, "touchDragOutside"},
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

void Control::setEnabled(bool enabled) {
    if (!update(enabled_, enabled)) return;
    if (!enabled) setHighlighted(false);
    changed();
}

void Control::setSelected(bool selected) {
    if (update(selected_, selected)) changed();
}

void Control::setHighlighted(bool highlighted) {
    if (update(highlighted_, highlighted)) changed();
}

void Control::addTarget(const std::shared_ptr<Responder>& target, std::string action, unsigned events) {
    if (action.empty() || events == 0) return;
    for (auto& entry : targets_) {
        if (entry.hasTarget == bool(target) && entry.target.lock() == target && entry.action == action) {
            entry.events |= events;
            return;
        }
    }
    targets_.push_back({target, bool(target), std::move(action), events});
}

void Control::removeTarget(const Responder* target, const std::string& action, unsigned events) {
    for (auto& entry : targets_) {
        bool targetMatches = !target || entry.target.lock().get() == target;
        if (targetMatches && (action.empty() || entry.action == action)) entry.events &= ~events;
    }
    std::erase_if(targets_, [](const TargetAction& e) { return e.events == 0; });
}

std::vector<std::string> Control::actionsForTarget(const Responder* target, ControlEvent event) const {
    std::vector<std::string> actions;
    for (const auto& entry : targets_)
        if ((entry.events & event) && entry.target.lock().get() == target) actions.push_back(entry.action);
    return actions;
}

void Control::sendActionsForControlEvents(unsigned events) {
    std::shared_ptr<Control> self = sharedAs<Control>();  // an action may take the control away
    std::vector<TargetAction> entries = targets_;
    for (const auto& entry : entries) {
        if (!(entry.events & events)) continue;
        std::shared_ptr<Responder> target =
            entry.hasTarget ? entry.target.lock() : targetForAction(entry.action);
        if (target) target->performAction(entry.action, self);
    }
}

bool Control::isNear(const Touch& touch) const {
    return bounds().insetBy(-kTouchSlop, -kTouchSlop).contains(touch.locationIn(this));
}

void Control::touchesBegan(const Touches& touches) {
    if (!enabled_ || touches.empty()) return;
    tracking_ = true;
    setHighlighted(true);
    sendActionsForControlEvents(ControlEventTouchDown);
}

void Control::touchesMoved(const Touches& touches) {
    if (!tracking_ || touches.empty()) return;
    bool near = isNear(*touches.front());
    setHighlighted(near);
    sendActionsForControlEvents(near ? ControlEventTouchDragInside : ControlEventTouchDragOutside);
}

void Control::touchesEnded(const Touches& touches) {
    if (!tracking_ || touches.empty()) return;
    tracking_ = false;
    setHighlighted(false);
    bool near = isNear(*touches.front());
    sendActionsForControlEvents(near ? ControlEventTouchUpInside : ControlEventTouchUpOutside);
}

void Control::touchesCancelled(const Touches&) {
    if (!tracking_) return;
    tracking_ = false;
    setHighlighted(false);
    sendActionsForControlEvents(ControlEventTouchCancel);
}

void Control::applyNibProperties(Control& control, NibProperties& properties) {
    if (auto enabled = properties.boolean("enabled")) control.setEnabled(*enabled);
    if (auto selected = properties.boolean("selected")) control.setSelected(*selected);
}

}  // namespace ui

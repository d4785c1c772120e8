#pragma once
// A control: a view that turns touches into control events and sends each event's actions. An
// action goes to a target by name (as interface files connect them; a null target sends it to the
// first responder from the control up that declares it) or runs a function. The control follows
// the first finger that touches it: it is highlighted while the finger is on it or near it (within
// 70 points of the bounds, as a fingertip covers more than the point it reports), and a lift there
// is a touch-up-inside. Subclasses that take over raw touches pass them on to the control's own
// handlers, so that taps still make events.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/WhileAlive.h"
#include "platform/ui/View.h"

namespace ui {

class NibProperties;

// Control events, as a mask.
enum ControlEvent : unsigned {
    ControlEventTouchDown = 1u << 0,
    ControlEventTouchDownRepeat = 1u << 1,
    ControlEventTouchDragInside = 1u << 2,
    ControlEventTouchDragOutside = 1u << 3,
    ControlEventTouchDragEnter = 1u << 4,
    ControlEventTouchDragExit = 1u << 5,
    ControlEventTouchUpInside = 1u << 6,
    ControlEventTouchUpOutside = 1u << 7,
    ControlEventTouchCancel = 1u << 8,
    ControlEventValueChanged = 1u << 12,
    ControlEventEditingDidBegin = 1u << 16,
    ControlEventEditingChanged = 1u << 17,
    ControlEventEditingDidEnd = 1u << 18,
    ControlEventEditingDidEndOnExit = 1u << 19,
    ControlEventAllTouchEvents = 0x0FFFu,
    ControlEventAllEvents = 0xFFFFFFFFu,
};

// States of a control, combined as flags; Normal is none of them.
enum ControlState : unsigned {
    StateNormal = 0,
    StateHighlighted = 1u << 0,
    StateDisabled = 1u << 1,
    StateSelected = 1u << 2,
};

class Control : public View {
  public:
    using Action = std::function<void(const std::shared_ptr<Control>& sender)>;
    // How far around its bounds a finger still counts as on the control.
    static constexpr double kTouchSlop = 70;

    // The event of a name in interface files ("touchUpInside", "valueChanged", ...); nothing for
    // an unknown name.
    static std::optional<ControlEvent> eventNamed(std::string_view name);
    static const char* eventName(ControlEvent event);

    bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);
    bool isSelected() const { return selected_; }
    virtual void setSelected(bool selected);
    bool isHighlighted() const { return highlighted_; }
    virtual void setHighlighted(bool highlighted);
    unsigned state() const;
    bool isTracking() const { return tracking_ != nullptr; }
    bool isTouchInside() const { return touchInside_; }

    // Sends `action` to `target` on any of the events. The target is held weakly; a null target
    // sends the action to the first responder from the control up that declares it.
    void addTarget(const std::shared_ptr<Responder>& target, std::string action, unsigned events);
    // Removes the matching entries; a null target or an empty action matches any.
    void removeTarget(const Responder* target, const std::string& action, unsigned events);
    // The actions sent to a target on an event.
    std::vector<std::string> actionsForTarget(const Responder* target, ControlEvent event) const;

    // Runs a function on any of the events. With an owner, it runs only while the owner lives.
    // Answers an id for removeAction.
    int addAction(unsigned events, Action action);
    int addAction(unsigned events, Action action, std::weak_ptr<const void> owner);
    // Calls one of the target's member functions on any of the events, while the target lives.
    template <class Target, class T, class... A>
    int addAction(unsigned events, Target& target, void (T::*method)(A...)) {
        return addAction(events, fnd::whileAlive(target, method), target.template weakAs<T>());
    }
    void removeAction(int id);
    bool hasActions(unsigned events) const;

    // Sends the actions of the events, in the order they were added.
    void sendActionsForControlEvents(unsigned events);

    // Adds "taps" (the control is enabled and takes touches), so that the display shows a hand
    // over it.
    void describe(PrimitiveProperties& properties) const override;

    void touchesBegan(const Touches& touches) override;
    void touchesMoved(const Touches& touches) override;
    void touchesEnded(const Touches& touches) override;
    void touchesCancelled(const Touches& touches) override;

    // Interface-file properties: "enabled", "selected".
    static void applyNibProperties(Control& control, NibProperties& properties);

  protected:
    // The subclass's part of tracking, at points in the control's coordinates. beginTracking
    // answers whether to follow the touch at all.
    virtual bool beginTracking(Point) { return true; }
    virtual void continueTracking(Point, bool /*inside*/) {}
    virtual void endTracking(Point, bool /*inside*/) {}
    virtual void cancelTracking() {}
    // The look follows a change of enabled, selected or highlighted.
    virtual void stateChanged() {}

  private:
    // An action by name for a target, or a function.
    struct Entry {
        int id;
        unsigned events;
        std::weak_ptr<const void> target;  // a Responder for named actions
        bool hasTarget;
        std::string action;
        Action function;
    };
    int add(Entry entry);
    bool isNear(Point point) const;
    std::shared_ptr<Touch> trackedAmong(const Touches& touches) const;

    bool enabled_ = true;
    bool selected_ = false;
    bool highlighted_ = false;
    std::shared_ptr<Touch> tracking_;
    bool touchInside_ = false;
    std::vector<Entry> entries_;
    int nextEntry_ = 1;
};

}  // namespace ui

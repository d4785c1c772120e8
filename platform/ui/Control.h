#pragma once
// A control: a view that turns touches into control events and sends each event's actions to
// their targets by name. Touches are tracked from the moment a finger goes down on the control:
// it is highlighted while the finger is on it or near it, and a lift there is a touch-up-inside.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/View.h"

namespace ui {

class NibProperties;

// Control events, as a mask.
enum ControlEvent : unsigned {
    ControlEventTouchDown = 1u << 0,
    ControlEventTouchDragInside = 1u << 2,
    ControlEventTouchDragOutside = 1u << 3,
    ControlEventTouchUpInside = 1u << 6,
    ControlEventTouchUpOutside = 1u << 7,
    ControlEventTouchCancel = 1u << 8,
    ControlEventValueChanged = 1u << 12,
    ControlEventEditingDidBegin = 1u << 16,
    ControlEventEditingChanged = 1u << 17,
    ControlEventEditingDidEnd = 1u << 18,
    ControlEventEditingDidEndOnExit = 1u << 19,
};

class Control : public View {
  public:
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
    bool isTracking() const { return tracking_; }

    // Sends `action` to `target` on any of the events. The target is held weakly; a null target
    // sends the action to the first responder from the control up that declares it.
    void addTarget(const std::shared_ptr<Responder>& target, std::string action, unsigned events);
    // Removes the matching entries; a null target or an empty action matches any.
    void removeTarget(const Responder* target, const std::string& action, unsigned events);
    // The actions sent to a target on an event.
    std::vector<std::string> actionsForTarget(const Responder* target, ControlEvent event) const;

    // Sends the actions of the events to their targets, in the order they were added.
    void sendActionsForControlEvents(unsigned events);

    void touchesBegan(const Touches& touches) override;
    void touchesMoved(const Touches& touches) override;
    void touchesEnded(const Touches& touches) override;
    void touchesCancelled(const Touches& touches) override;

    // Interface-file properties: "enabled", "selected".
    static void applyNibProperties(Control& control, NibProperties& properties);

  private:
    struct TargetAction {
        std::weak_ptr<Responder> target;
        bool hasTarget;
        std::string action;
        unsigned events;
    };
    bool isNear(const Touch& touch) const;

    bool enabled_ = true;
    bool selected_ = false;
    bool highlighted_ = false;
    bool tracking_ = false;
    std::vector<TargetAction> targets_;
};

}  // namespace ui

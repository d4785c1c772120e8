#pragma once
// An on/off switch of the platform's fixed size. A tap turns it over; a drag leaves it on the side
// the thumb was let go; either sends value changed when the value changed. Setting it from code
// sends nothing.

#include <memory>

#include "platform/ui/Control.h"
#include "platform/ui/Label.h"

namespace ui {

class NibProperties;

class Switch : public Control {
  public:
    static constexpr double kWidth = 94;
    static constexpr double kHeight = 27;

    using Control::init;
    // Keeps the frame's origin; the size is always the switch's own.
    void init(const Rect& frame) override;

    bool isOn() const { return on_; }
    void setOn(bool on, bool animated = false);
    const Color& onTintColor() const { return tint_; }
    void setOnTintColor(const Color& color);

    Size sizeThatFits(Size) const override { return {kWidth, kHeight}; }
    void layoutSubviews() override;

    // Interface-file properties: "on", "onTintColor".
    static void applyNibProperties(Switch& control, NibProperties& properties);

  protected:
    bool beginTracking(Point point) override;
    void endTracking(Point point, bool inside) override;

  private:
    void show();

    bool on_ = false;
    Color tint_ = Color::rgb(0.0, 0.5, 0.95);
    double trackStartX_ = 0;
    std::shared_ptr<View> track_;
    std::shared_ptr<Label> onLabel_;
    std::shared_ptr<Label> offLabel_;
    std::shared_ptr<View> thumb_;
};

}  // namespace ui

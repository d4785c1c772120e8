#pragma once
// A button: a title and an image side by side, centred, over a background image, each chosen by
// the button's state (normal, highlighted, disabled, selected and their combinations). A state
// without its own value shows the normal state's. Rounded-rectangle buttons draw their own white
// rounded box; custom buttons show only what they are given.
//
// Feedback: while highlighted the images show darker, while disabled paler, unless that state has
// images of its own (adjustsImageWhenHighlighted, adjustsImageWhenDisabled, both on by default);
// with showsTouchWhenHighlighted a soft glow shows at the centre while the finger is down.

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/Control.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

namespace ui {

class NibProperties;

enum class ButtonType { Custom, RoundedRect };

class Button : public Control {
  public:
    using Control::init;
    // A custom button.
    void init(const Rect& frame) override;
    void init(ButtonType type);
    static std::shared_ptr<Button> withType(ButtonType type);

    ButtonType buttonType() const { return type_; }

    void setTitle(const std::string& title, unsigned state = StateNormal);
    // The state's title, else the normal one; empty when none.
    std::string titleForState(unsigned state) const;
    std::string currentTitle() const { return titleForState(state()); }
    void setTitleColor(const Color& color, unsigned state = StateNormal);
    Color titleColorForState(unsigned state) const;
    Color currentTitleColor() const { return titleColorForState(state()); }
    void setImage(std::shared_ptr<const Image> image, unsigned state = StateNormal);
    std::shared_ptr<const Image> imageForState(unsigned state) const;
    std::shared_ptr<const Image> currentImage() const { return imageForState(state()); }
    // Replaces the view's one background image with one per state; null removes a state's.
    void setBackgroundImage(std::shared_ptr<const Image> image, unsigned state = StateNormal);
    std::shared_ptr<const Image> backgroundImageForState(unsigned state) const;
    std::shared_ptr<const Image> currentBackgroundImage() const { return backgroundImageForState(state()); }

    bool adjustsImageWhenHighlighted() const { return adjustsHighlighted_; }
    void setAdjustsImageWhenHighlighted(bool on);
    bool adjustsImageWhenDisabled() const { return adjustsDisabled_; }
    void setAdjustsImageWhenDisabled(bool on);
    bool showsTouchWhenHighlighted() const { return showsTouch_; }
    void setShowsTouchWhenHighlighted(bool on);
    // The glow; null until the button first shows touches.
    const std::shared_ptr<View>& touchGlow() const { return glow_; }

    // The parts, for their font and the like; their text, colour and image follow the state.
    const std::shared_ptr<Label>& titleLabel() const { return title_; }
    const std::shared_ptr<ImageView>& imageView() const { return image_; }

    void layoutSubviews() override;
    Size sizeThatFits(Size size) const override;

    // Interface-file properties: "buttonType" ("custom", "roundedRect"); for the normal state
    // "title", "titleColor", "image", "backgroundImage", and the same with "highlighted" or
    // "selected" before them ("highlightedTitle", "selectedBackgroundImage", ...); "font" of the title;
    // "adjustsImageWhenHighlighted", "adjustsImageWhenDisabled", "showsTouchWhenHighlighted".
    static void applyNibProperties(Button& button, NibProperties& properties);

  protected:
    void stateChanged() override;

  private:
    template <class T>
    static std::optional<T> lookup(const std::map<unsigned, T>& values, unsigned state);
    void refresh();
    ImageAdjustment adjustmentFor(const std::map<unsigned, std::shared_ptr<const Image>>& images,
                                  unsigned state) const;
    void applyType(ButtonType type);

    ButtonType type_ = ButtonType::Custom;
    std::map<unsigned, std::string> titles_;
    std::map<unsigned, Color> titleColors_;
    std::map<unsigned, std::shared_ptr<const Image>> images_;
    std::map<unsigned, std::shared_ptr<const Image>> backgrounds_;
    std::shared_ptr<Label> title_;
    std::shared_ptr<ImageView> image_;
    std::shared_ptr<View> glow_;
    bool adjustsHighlighted_ = true;
    bool adjustsDisabled_ = true;
    bool showsTouch_ = false;
};

}  // namespace ui

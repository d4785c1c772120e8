#pragma once
// A view: a rectangle of the screen in a retained tree. Its geometry is its centre (in the
// superview's coordinates), its bounds (origin and size, in its own coordinates) and a transform
// applied about its centre; its frame is derived from these. Subviews are ordered back to front.
// Changes of animatable properties inside an animation block are animated (see Animation); every
// change is noted for the change log, which passes the tree on to the display.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ui/AffineTransform.h"
#include "platform/ui/Color.h"
#include "platform/ui/Image.h"
#include "platform/ui/PrimitiveKind.h"
#include "platform/ui/PrimitiveValue.h"
#include "platform/ui/PropertyAnimation.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Responder.h"

namespace ui {

class ChangeLog;

// Which of a view's margins and sizes follow a change of its superview's size.
enum Autoresizing : unsigned {
    AutoresizingNone = 0,
    FlexibleLeftMargin = 1,
    FlexibleWidth = 2,
    FlexibleRightMargin = 4,
    FlexibleTopMargin = 8,
    FlexibleHeight = 16,
    FlexibleBottomMargin = 32,
};

// How a view's images show: as they are, darker (a pressed button's) or paler (a disabled one's).
enum class ImageAdjustment { None, Darker, Paler };

class View : public Responder {
  public:
    View();
    ~View() override;

    // The initialiser with a frame; the one without gives an empty frame.
    virtual void init(const Rect& frame);
    void init() { init(Rect{}); }

    // The element id in the change log: unique in the process, never reused.
    std::uint64_t elementId() const { return id_; }

    // Geometry. With a transform other than the identity the frame is the bounding box of the
    // transformed view; setting it then sets the centre and the untransformed size.
    Rect frame() const;
    void setFrame(const Rect& frame);
    Rect bounds() const { return {origin_, size_}; }
    void setBounds(const Rect& bounds);
    Point center() const { return center_; }
    void setCenter(Point center);
    const AffineTransform& transform() const { return transform_; }
    void setTransform(const AffineTransform& transform);

    double alpha() const { return alpha_; }
    void setAlpha(double alpha);  // clamped to 0..1
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    int tag() const { return tag_; }
    void setTag(int tag);
    const Color& backgroundColor() const { return background_; }
    void setBackgroundColor(const Color& color);
    // An image tiled from the top-left corner at its size in points, over the background colour and
    // under the background image; null for none.
    const std::shared_ptr<const Image>& backgroundPattern() const { return backgroundPattern_; }
    void setBackgroundPattern(std::shared_ptr<const Image> image);
    // An image drawn over the background, stretched to the bounds (by its caps when stretchable).
    const std::shared_ptr<const Image>& backgroundImage() const { return backgroundImage_; }
    void setBackgroundImage(std::shared_ptr<const Image> image);
    // Applies to the background pattern and image, and to an image view's image.
    ImageAdjustment imageAdjustment() const { return imageAdjustment_; }
    void setImageAdjustment(ImageAdjustment adjustment);
    double borderWidth() const { return borderWidth_; }
    void setBorderWidth(double width);
    const Color& borderColor() const { return borderColor_; }
    void setBorderColor(const Color& color);
    double cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(double radius);
    bool clipsToBounds() const { return clips_; }
    void setClipsToBounds(bool clips);
    bool isUserInteractionEnabled() const { return interactive_; }
    // Switching it off ends a text selection in the view or below it (and hides the edit menu).
    void setUserInteractionEnabled(bool enabled);
    unsigned autoresizingMask() const { return autoresizingMask_; }
    void setAutoresizingMask(unsigned mask) { autoresizingMask_ = mask; }
    bool autoresizesSubviews() const { return autoresizesSubviews_; }
    void setAutoresizesSubviews(bool on) { autoresizesSubviews_ = on; }

    // The tree. Adding a view that has a superview moves it; a view cannot be added to itself or
    // to one of its own descendants (such a call is ignored).
    const std::vector<std::shared_ptr<View>>& subviews() const { return subviews_; }
    std::shared_ptr<View> superview() const;
    void addSubview(const std::shared_ptr<View>& view);  // on top
    void insertSubview(const std::shared_ptr<View>& view, std::size_t index);
    void insertSubviewAbove(const std::shared_ptr<View>& view, const View* sibling);
    void insertSubviewBelow(const std::shared_ptr<View>& view, const View* sibling);
    void exchangeSubviews(std::size_t first, std::size_t second);
    void bringSubviewToFront(const View* view);
    void sendSubviewToBack(const View* view);
    void removeFromSuperview();
    bool isDescendantOf(const View* view) const;  // true for the view itself
    // The view itself when it has the tag, else the first match depth-first in subview order.
    std::shared_ptr<View> viewWithTag(int tag);
    // The topmost ancestor (the view itself when it has no superview).
    const View* topmost() const;

    // Places the subviews after the view's size changed (after their autoresizing); kinds of view
    // whose parts follow their size override it. It runs at once, within the size change.
    virtual void layoutSubviews() {}
    // The bounds' size has changed (before the subviews are laid out again).
    virtual void boundsSizeChanged() {}
    // The view that takes the subviews an interface file gives this one: itself, or a part of it
    // (a table cell's content view).
    virtual View& nibContentView() { return *this; }

    // The size the view would like within the given size; by default its present size.
    virtual Size sizeThatFits(Size size) const;
    void sizeToFit();

    // Drawn views: mark the content for drawing again; drawRect is the drawing hook, run with the
    // drawing context of the drawn-view support.
    void setNeedsDisplay();
    bool needsDisplay() const { return needsDisplay_; }
    void clearNeedsDisplay() { needsDisplay_ = false; }
    virtual void drawRect(const Rect& rect);

    // Coordinate conversion through the present geometry. A null view stands for the root of this
    // view's tree; views of different trees convert as if their roots coincided.
    Point convertTo(Point point, const View* view) const;
    Point convertFrom(Point point, const View* view) const;
    Rect convertTo(const Rect& rect, const View* view) const;
    Rect convertFrom(const Rect& rect, const View* view) const;

    // Hit-testing in the view's own coordinates: hidden views, views that do not take touches and
    // views of alpha below 0.01 are passed over with their subviews; the frontmost subview wins.
    virtual std::shared_ptr<View> hitTest(Point point);
    virtual bool pointInside(Point point) const;

    // The responder after the view: its controller when one is set, else its superview.
    std::shared_ptr<Responder> nextResponder() const override;
    void setController(std::weak_ptr<Responder> controller) { controller_ = std::move(controller); }
    std::shared_ptr<Responder> controller() const { return controller_.lock(); }

    // What the display shows at a run-loop time, animations included.
    Point presentedCenter(double time) const;
    Size presentedSize(double time) const;
    Point presentedOrigin(double time) const;
    AffineTransform presentedTransform(double time) const;
    double presentedAlpha(double time) const;
    Color presentedBackgroundColor(double time) const;
    // The frame shown at that time (bounding box, as frame()).
    Rect presentedFrame(double time) const;
    bool isAnimating(AnimatedProperty property) const { return animation(property) != nullptr; }

    // The element kind and properties in the change log. Kinds other than a box add their own
    // properties after the box's and call changed() when one of them changes.
    virtual PrimitiveKind primitiveKind() const { return PrimitiveKind::Box; }
    virtual void describe(PrimitiveProperties& properties) const;

  protected:
    // Notes a change of a described property for the change log.
    void changed();
    // Has the change log pass the property on at the end of the turn even when its value is the
    // one it passed on last (the display changed it on its own side: an edit that was refused).
    void resend(const char* property);
    // Sets a field; answers whether its value changed.
    template <class T>
    static bool update(T& field, const T& value) {
        if (field == value) return false;
        field = value;
        return true;
    }

  private:
    friend class Animation;
    friend class ChangeLog;

    // Assigns an animatable property: animated inside a block, else at once, superseding.
    template <class T>
    void assign(AnimatedProperty property, T& field, const T& value);
    AnimatedValue modelValue(AnimatedProperty property) const;
    AnimatedValue presented(AnimatedProperty property, double time) const;
    const std::shared_ptr<PropertyAnimation>& animation(AnimatedProperty property) const {
        return animations_[static_cast<std::size_t>(property)];
    }
    std::shared_ptr<PropertyAnimation>& animation(AnimatedProperty property) {
        return animations_[static_cast<std::size_t>(property)];
    }
    void forgetAnimation(const Animation* animation);
    void setSize(Size size);
    void autoresize(Size oldSuperSize, Size newSuperSize);
    void subviewsChanged();
    void detach(const View* view);
    Point toSuperview(Point p) const;
    Point fromSuperview(Point p) const;

    std::uint64_t id_;
    Point center_;
    Point origin_;
    Size size_;
    AffineTransform transform_;
    double alpha_ = 1;
    bool hidden_ = false;
    int tag_ = 0;
    Color background_;
    std::shared_ptr<const Image> backgroundPattern_;
    std::shared_ptr<const Image> backgroundImage_;
    ImageAdjustment imageAdjustment_ = ImageAdjustment::None;
    double borderWidth_ = 0;
    Color borderColor_ = Color::blackColor();
    double cornerRadius_ = 0;
    bool clips_ = false;
    bool interactive_ = true;
    unsigned autoresizingMask_ = AutoresizingNone;
    bool autoresizesSubviews_ = true;
    bool needsDisplay_ = false;

    std::vector<std::shared_ptr<View>> subviews_;
    View* superview_ = nullptr;  // cleared by the superview when it lets go or ends
    std::weak_ptr<Responder> controller_;

    std::array<std::shared_ptr<PropertyAnimation>, kAnimatedPropertyCount> animations_;

    // Change-log bookkeeping.
    std::uint64_t loggedGeneration_ = 0;  // the log generation this view is queued in
    bool subviewsChanged_ = false;
    unsigned forced_ = 0;              // properties to pass on even when unchanged (a superseded animation)
    std::vector<const char*> resent_;  // likewise, by name (see resend)
};

}  // namespace ui

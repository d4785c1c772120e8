#pragma once
// An item of a toolbar: a key with a title or an image, one of the platform's own keys, a custom
// view, or a space (fixed width, or flexible: the flexible spaces share what the others leave).
// A tap on the item's key runs its action with the item as sender.

#include <functional>
#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/ui/Image.h"

namespace ui {

class View;

enum class BarButtonItemStyle { Plain, Bordered, Done };
enum class BarButtonSystemItem { Done, Cancel, Edit, Save, Add, Refresh, FlexibleSpace, FixedSpace };

class BarButtonItem : public fnd::Object {
  public:
    using Action = std::function<void(const std::shared_ptr<BarButtonItem>& sender)>;

    static std::shared_ptr<BarButtonItem> withTitle(std::string title,
                                                    BarButtonItemStyle style = BarButtonItemStyle::Bordered);
    static std::shared_ptr<BarButtonItem> withImage(std::shared_ptr<const Image> image,
                                                    BarButtonItemStyle style = BarButtonItemStyle::Plain);
    static std::shared_ptr<BarButtonItem> withSystemItem(BarButtonSystemItem item);
    static std::shared_ptr<BarButtonItem> withCustomView(std::shared_ptr<View> view);
    static std::shared_ptr<BarButtonItem> fixedSpace(double width);
    static std::shared_ptr<BarButtonItem> flexibleSpace();

    const std::string& title() const { return title_; }
    void setTitle(std::string title);
    const std::shared_ptr<const Image>& image() const { return image_; }
    void setImage(std::shared_ptr<const Image> image);
    BarButtonItemStyle style() const { return style_; }
    void setStyle(BarButtonItemStyle style);
    // The width the item takes; 0 lets a key size itself to its title or image.
    double width() const { return width_; }
    void setWidth(double width);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }
    const std::shared_ptr<View>& customView() const { return customView_; }
    bool isSystemItem() const { return system_; }
    BarButtonSystemItem systemItem() const { return systemItem_; }
    bool isFlexibleSpace() const { return system_ && systemItem_ == BarButtonSystemItem::FlexibleSpace; }
    bool isFixedSpace() const { return system_ && systemItem_ == BarButtonSystemItem::FixedSpace; }
    bool isSpace() const { return isFlexibleSpace() || isFixedSpace(); }

    // The action; with a target it runs only while the target lives.
    void setAction(Action action) { setAction(std::move(action), {}, false); }
    void setAction(Action action, std::weak_ptr<const void> target) {
        setAction(std::move(action), std::move(target), true);
    }
    // An action by name, sent up the responder chain from the bar that shows the item.
    const std::string& actionName() const { return actionName_; }
    void setActionName(std::string name) { actionName_ = std::move(name); }
    // Runs the action (the toolbar's key calls it when tapped).
    void perform();

    // The toolbar showing the item hears of its changes.
    void setOnChange(std::function<void()> handler) { changed_ = std::move(handler); }

  private:
    void setAction(Action action, std::weak_ptr<const void> target, bool hasTarget);
    void changed() const;

    std::string title_;
    std::shared_ptr<const Image> image_;
    BarButtonItemStyle style_ = BarButtonItemStyle::Plain;
    double width_ = 0;
    bool enabled_ = true;
    int tag_ = 0;
    std::shared_ptr<View> customView_;
    bool system_ = false;
    BarButtonSystemItem systemItem_ = BarButtonSystemItem::Done;
    Action action_;
    std::weak_ptr<const void> target_;
    bool hasTarget_ = false;
    std::string actionName_;
    std::function<void()> changed_;
};

}  // namespace ui

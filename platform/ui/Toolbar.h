#pragma once
// A toolbar: a bar of items laid out from left to right, the flexible spaces sharing the width
// the other items leave. Keys show their item's title or image, in a bordered box for bordered
// and done items, and run the item's action when tapped. The bar takes its tint colour.

#include <memory>
#include <vector>

#include "platform/ui/BarButtonItem.h"
#include "platform/ui/View.h"

namespace ui {

class NibProperties;

class Toolbar : public View {
  public:
    static constexpr double kHeight = 44;
    static constexpr double kMargin = 6;  // at each end
    static constexpr double kGap = 10;    // between two keys

    using View::init;
    void init(const Rect& frame) override;

    const std::vector<std::shared_ptr<BarButtonItem>>& items() const { return items_; }
    // Animated, the new keys fade in.
    void setItems(std::vector<std::shared_ptr<BarButtonItem>> items, bool animated = false);
    const Color& tintColor() const { return tint_; }
    void setTintColor(const Color& color);

    // The view that shows an item; null for spaces and for items not on the bar.
    std::shared_ptr<View> viewForItem(const BarButtonItem* item) const;

    void layoutSubviews() override;

    // Interface-file properties: "tintColor", and "items": an array of objects, each one of
    // {"title": ..., "style": "plain"/"bordered"/"done"}, {"image": ...}, {"system": "done",
    // "cancel", "edit", "save", "add", "refresh", "flexibleSpace" or "fixedSpace"}, with an optional
    // "width", "tag", "enabled" and "action": the name of an action sent up the responder chain
    // from the bar (to the screen that owns it) with the item as sender.
    static void applyNibProperties(Toolbar& toolbar, NibProperties& properties);

  private:
    std::shared_ptr<View> makeKey(const std::shared_ptr<BarButtonItem>& item) const;
    double widthOf(const BarButtonItem& item, const View* view) const;
    void rebuild(bool animated);

    // What a key looks like and does, to keep a key whose item is replaced by a like one.
    struct KeyLook {
        std::string title;
        std::string image;  // the picture's name, or its address where it has none
        BarButtonItemStyle style;
        double width;
        bool enabled;
        std::string actionName;
        const View* customView;
        bool operator==(const KeyLook&) const = default;
    };
    static KeyLook lookOf(const BarButtonItem& item);
    // The item a key stands for now.
    std::shared_ptr<BarButtonItem> itemOfKey(const View* key) const;

    std::vector<std::shared_ptr<BarButtonItem>> items_;
    std::vector<std::shared_ptr<View>> views_;  // one per item; null for spaces
    std::vector<KeyLook> looks_;                // of each key as it was made
    Color tint_ = Color::rgb(0.43, 0.52, 0.62);
};

}  // namespace ui

#pragma once
// A search bar: a bar with a rounded search field and, when asked for, a cancel key beside it. The
// delegate is told as editing begins and ends, every time the person changes the text, when the
// keyboard's search (return) key is pressed and when the cancel key is tapped. First responder
// status is its field's.

#include <memory>
#include <string>

#include "platform/ui/Keyboard.h"
#include "platform/ui/TextRange.h"
#include "platform/ui/View.h"

namespace ui {

class Label;
class NibProperties;
class SearchBar;
class Button;
class TextField;

class SearchBarDelegate {
  public:
    virtual ~SearchBarDelegate() = default;
    virtual bool searchBarShouldBeginEditing(SearchBar&) { return true; }
    virtual void searchBarTextDidBeginEditing(SearchBar&) {}
    virtual bool searchBarShouldEndEditing(SearchBar&) { return true; }
    virtual void searchBarTextDidEndEditing(SearchBar&) {}
    virtual bool searchBarShouldChangeText(SearchBar&, TextRange, const std::string&) { return true; }
    // After each change the person makes, with the new text.
    virtual void searchBarTextDidChange(SearchBar&, const std::string& /*text*/) {}
    virtual void searchBarSearchButtonClicked(SearchBar&) {}
    virtual void searchBarCancelButtonClicked(SearchBar&) {}
};

// Numbered as stored values expect.
enum class BarStyle { Default = 0, Black = 1, BlackTranslucent = 2 };

class SearchBar : public View {
  public:
    static constexpr double kHeight = 44;

    using View::init;
    void init(const Rect& frame) override;

    const std::string& text() const;
    // From code: the delegate is not told.
    void setText(std::string text);
    const std::string& placeholder() const;
    void setPlaceholder(std::string placeholder);
    BarStyle barStyle() const { return style_; }
    void setBarStyle(BarStyle style);
    bool isTranslucent() const { return translucent_; }
    void setTranslucent(bool translucent);
    bool showsCancelButton() const { return showsCancel_; }
    void setShowsCancelButton(bool shows);
    // The field's keyboard; its other settings (return key, keyboard appearance) are set on it.
    KeyboardType keyboardType() const;
    void setKeyboardType(KeyboardType type);

    std::shared_ptr<SearchBarDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<SearchBarDelegate> delegate) { delegate_ = std::move(delegate); }

    const std::shared_ptr<TextField>& textField() const { return field_; }
    const std::shared_ptr<Button>& cancelKey() const { return cancel_; }

    // The field's.
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;

    void layoutSubviews() override { layout(); }

    // Interface-file properties: "text", "placeholder", "barStyle" ("default", "black",
    // "blackTranslucent"), "translucent", "showsCancelButton", "keyboardType".
    static void applyNibProperties(SearchBar& bar, NibProperties& properties);

  private:
    struct FieldDelegate;
    void layout();
    void applyStyle();

    std::shared_ptr<TextField> field_;
    std::shared_ptr<Button> cancel_;
    std::shared_ptr<FieldDelegate> fieldDelegate_;
    std::weak_ptr<SearchBarDelegate> delegate_;
    BarStyle style_ = BarStyle::Default;
    bool translucent_ = false;
    bool showsCancel_ = false;
};

}  // namespace ui

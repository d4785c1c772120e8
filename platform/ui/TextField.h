#pragma once
// A text field: one line of text entry with a placeholder, in a border of its style, with a clear
// key where its mode shows one. A tap makes it first responder (its delegate may refuse), which
// begins editing: the display's keyboard focus goes to its input and the keyboard comes up.
// Editing sends the editing control events (began, changed, ended, and ended-on-exit for the return
// key when the delegate allows it) and tells the delegate.

#include <memory>
#include <string>

#include "platform/ui/Control.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextRange.h"

namespace ui {

class NibProperties;
class TextField;
class TextInput;
class Button;

class TextFieldDelegate {
  public:
    virtual ~TextFieldDelegate() = default;
    virtual bool textFieldShouldBeginEditing(TextField&) { return true; }
    virtual void textFieldDidBeginEditing(TextField&) {}
    virtual bool textFieldShouldEndEditing(TextField&) { return true; }
    virtual void textFieldDidEndEditing(TextField&) {}
    // The person replaces the range (UTF-16 units of the present text) by the text.
    virtual bool textFieldShouldChangeCharacters(TextField&, TextRange, const std::string&) { return true; }
    virtual bool textFieldShouldClear(TextField&) { return true; }
    virtual bool textFieldShouldReturn(TextField&) { return true; }
};

enum class TextBorderStyle { None = 0, Line = 1, Bezel = 2, RoundedRect = 3 };
// When the clear key shows (and only while there is text).
enum class TextFieldViewMode { Never = 0, WhileEditing = 1, UnlessEditing = 2, Always = 3 };
enum class TextAutocapitalization { None = 0, Words = 1, Sentences = 2, AllCharacters = 3 };
enum class TextAutocorrection { Default = 0, No = 1, Yes = 2 };

class TextField : public Control {
  public:
    static constexpr double kClearKeySize = 19;

    using View::init;
    void init(const Rect& frame) override;

    const std::string& text() const;
    // From code: no delegate call and no control event.
    void setText(std::string text);
    const std::string& placeholder() const;
    void setPlaceholder(std::string placeholder);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    const Color& textColor() const;
    void setTextColor(const Color& color);
    TextAlignment textAlignment() const;
    void setTextAlignment(TextAlignment alignment);
    TextBorderStyle borderStyle() const { return border_; }
    void setBorderStyle(TextBorderStyle style);
    TextFieldViewMode clearButtonMode() const { return clearMode_; }
    void setClearButtonMode(TextFieldViewMode mode);
    // A smaller font, down to the minimum size, while the text is wider than the field.
    bool adjustsFontSizeToFitWidth() const { return shrinks_; }
    void setAdjustsFontSizeToFitWidth(bool on);
    double minimumFontSize() const { return minimumFontSize_; }
    void setMinimumFontSize(double size);
    // The font the text is shown in.
    Font displayedFont() const;

    // What the display's keyboard offers.
    bool isSecureTextEntry() const;
    void setSecureTextEntry(bool secure);
    KeyboardType keyboardType() const;
    void setKeyboardType(KeyboardType type);
    ReturnKeyType returnKeyType() const;
    void setReturnKeyType(ReturnKeyType type);
    // Kept for the program's settings; the display's own keyboard decides these.
    KeyboardAppearance keyboardAppearance() const { return appearance_; }
    void setKeyboardAppearance(KeyboardAppearance appearance) { appearance_ = appearance; }
    TextAutocapitalization autocapitalizationType() const { return capitalization_; }
    void setAutocapitalizationType(TextAutocapitalization type) { capitalization_ = type; }
    TextAutocorrection autocorrectionType() const { return correction_; }
    void setAutocorrectionType(TextAutocorrection type) { correction_ = type; }
    bool enablesReturnKeyAutomatically() const { return returnNeedsText_; }
    void setEnablesReturnKeyAutomatically(bool on) { returnNeedsText_ = on; }

    std::shared_ptr<TextFieldDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<TextFieldDelegate> delegate) { delegate_ = std::move(delegate); }

    bool isEditing() const { return editing_; }
    TextRange selectedRange() const;
    void setSelectedRange(TextRange range);
    // The input element inside, where the display's typing arrives.
    const std::shared_ptr<TextInput>& input() const { return input_; }
    // The clear key (for tests and the gallery); hidden when its mode does not show it now.
    const std::shared_ptr<Button>& clearKey() const { return clearKey_; }

    bool canBecomeFirstResponder() override;
    bool becomeFirstResponder() override;
    bool canResignFirstResponder() override;
    bool takesTypedText() const override { return true; }

    void setEnabled(bool enabled) override;
    void layoutSubviews() override { layout(); }

    // Interface-file properties: those of text entry (see TextInput::applyNibProperties),
    // "borderStyle" ("none", "line", "bezel", "roundedRect"), "clearButtonMode" ("never",
    // "whileEditing", "unlessEditing", "always"), "adjustsFontSizeToFitWidth", "minimumFontSize".
    static void applyNibProperties(TextField& field, NibProperties& properties);

  protected:
    void didBecomeFirstResponder() override;
    void didResignFirstResponder() override;
    // A tap that lifts on the field begins editing.
    void endTracking(Point point, bool inside) override;

  private:
    void layout();
    void returnPressed();
    void clear();

    std::shared_ptr<TextInput> input_;
    std::shared_ptr<Button> clearKey_;
    Font font_ = Font::system(17);
    TextBorderStyle border_ = TextBorderStyle::None;
    TextFieldViewMode clearMode_ = TextFieldViewMode::Never;
    bool shrinks_ = false;
    double minimumFontSize_ = 0;
    KeyboardAppearance appearance_ = KeyboardAppearance::Default;
    TextAutocapitalization capitalization_ = TextAutocapitalization::Sentences;
    TextAutocorrection correction_ = TextAutocorrection::Default;
    bool returnNeedsText_ = false;
    std::weak_ptr<TextFieldDelegate> delegate_;
    bool editing_ = false;
};

}  // namespace ui

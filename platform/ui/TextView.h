#pragma once
// A text view: several lines of text, editable or only selectable, that scroll within its bounds on
// the display. When editable, a tap makes it first responder (its delegate may refuse) and the
// keyboard comes up; the return key types a line break, which the delegate may refuse as any
// other change.

#include <memory>
#include <string>

#include "platform/ui/Keyboard.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextRange.h"
#include "platform/ui/View.h"

namespace ui {

class NibProperties;
class TextInput;
class TextView;

class TextViewDelegate {
  public:
    virtual ~TextViewDelegate() = default;
    virtual bool textViewShouldBeginEditing(TextView&) { return true; }
    virtual void textViewDidBeginEditing(TextView&) {}
    virtual bool textViewShouldEndEditing(TextView&) { return true; }
    virtual void textViewDidEndEditing(TextView&) {}
    // The person replaces the range (UTF-16 units of the present text) by the text ("\n" for the
    // return key).
    virtual bool textViewShouldChangeText(TextView&, TextRange, const std::string&) { return true; }
    virtual void textViewDidChange(TextView&) {}
    virtual void textViewDidChangeSelection(TextView&) {}
};

class TextView : public View {
  public:
    using View::init;
    void init(const Rect& frame) override;

    const std::string& text() const;
    // From code: no delegate call.
    void setText(std::string text);
    const Font& font() const;
    void setFont(const Font& font);
    const Color& textColor() const;
    void setTextColor(const Color& color);
    TextAlignment textAlignment() const;
    void setTextAlignment(TextAlignment alignment);
    bool isEditable() const;
    void setEditable(bool editable);
    KeyboardType keyboardType() const;
    void setKeyboardType(KeyboardType type);
    ReturnKeyType returnKeyType() const;
    void setReturnKeyType(ReturnKeyType type);

    std::shared_ptr<TextViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<TextViewDelegate> delegate) { delegate_ = std::move(delegate); }

    TextRange selectedRange() const;
    void setSelectedRange(TextRange range);
    // The input element inside, where the display's typing arrives.
    const std::shared_ptr<TextInput>& input() const { return input_; }

    bool canBecomeFirstResponder() override;
    bool becomeFirstResponder() override;
    bool canResignFirstResponder() override;
    bool takesTypedText() const override { return true; }

    void touchesEnded(const Touches& touches) override;

    // Interface-file properties: those of text entry (see TextInput::applyNibProperties).
    static void applyNibProperties(TextView& view, NibProperties& properties);

  protected:
    void didBecomeFirstResponder() override;
    void didResignFirstResponder() override;

  private:
    std::shared_ptr<TextInput> input_;
    std::weak_ptr<TextViewDelegate> delegate_;
};

}  // namespace ui

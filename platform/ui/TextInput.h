#pragma once
// The input element: one or several lines of text entry that the display shows as an input of its
// own, which the person types into. It keeps the text and the selection (in UTF-16 units) and
// takes what the display reports through its owner's hooks: the owner (a text field, a text view)
// says whether editing may begin and whether a change may be made, and hears of changes and of
// the return key. An edit the owner refuses is undone on the display: the text this side keeps is
// sent again.
//
// A selection made on the display shows the edit menu (through the application) with what the
// input allows: copy and cut of a selection (not of secure text; cut only while editing), paste
// while editing when the pasteboard holds text, select all while not all is selected. See
// CHANGELOG_SCHEMA.md, "Text coming back", for the display's side.

#include <functional>
#include <string>

#include "platform/ui/Font.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextInputClient.h"
#include "platform/ui/TextRange.h"
#include "platform/ui/View.h"

namespace ui {

class NibProperties;

class TextInput : public View, public TextInputClient {
  public:
    struct Hooks {
        // The person typed or tapped while the input was not being edited: whether editing begins.
        std::function<bool()> beginEditing;
        // Whether the person may replace the range by the text.
        std::function<bool(TextRange range, const std::string& text)> shouldChange;
        // The person changed the text / moved the selection, or pressed the return key.
        std::function<void()> didChange;
        std::function<void()> didChangeSelection;
        std::function<void()> returnPressed;
    };
    void setHooks(Hooks hooks) { hooks_ = std::move(hooks); }

    // The text. Setting it from code calls no hook and puts the caret at the end.
    const std::string& text() const { return text_; }
    void setText(std::string text);
    // UTF-16 units.
    std::size_t length() const { return units_.size(); }

    const std::string& placeholder() const { return placeholder_; }
    void setPlaceholder(std::string placeholder);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    const Color& textColor() const { return color_; }
    void setTextColor(const Color& color);
    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment alignment);
    bool isMultiline() const { return multiline_; }
    void setMultiline(bool multiline);
    bool isSecure() const { return secure_; }
    void setSecure(bool secure);
    KeyboardType keyboardType() const { return keyboard_; }
    void setKeyboardType(KeyboardType type);
    ReturnKeyType returnKeyType() const { return returnKey_; }
    void setReturnKeyType(ReturnKeyType type);
    bool isEditable() const { return editable_; }
    void setEditable(bool editable);
    // Whether the display's keyboard focus is in it (its owner is being edited). Losing it ends a
    // selection's edit menu.
    bool isFocused() const { return focused_; }
    void setFocused(bool focused);

    // Clamped to the text.
    TextRange selectedRange() const { return selection_; }
    void setSelectedRange(TextRange range);
    std::string selectedText() const { return textIn(selection_); }
    std::string textIn(TextRange range) const;

    // Replaces the range (clamped) by the text as the person's typing would: the owner may refuse.
    // The caret goes after the new text. Answers whether the text changed.
    bool replace(TextRange range, const std::string& text);

    // What the display reports.
    void displayDidEditText(const std::string& value, std::size_t selectionStart,
                            std::size_t selectionLength) override;
    // A selection whose text is not this side's text in that range was made before the display
    // had this side's latest value: it is answered with this side's selection instead.
    void displayDidChangeSelection(std::size_t start, std::size_t length, const std::string& text) override;
    void displayDidPressReturn() override;

    // The edit menu's actions.
    static const ConnectionTable& classConnections();
    const ConnectionTable& connections() const override { return classConnections(); }
    bool canPerformAction(const std::string& action, const Sender& sender) override;
    void cut(const Sender& sender);
    void copy(const Sender& sender);
    void paste(const Sender& sender);
    void selectAll(const Sender& sender);

    PrimitiveKind primitiveKind() const override { return PrimitiveKind::Input; }
    void describe(PrimitiveProperties& properties) const override;

    // The interface-file properties of text entry, read by the views made with an input: "text",
    // "placeholder", "font", "textColor", "textAlignment", "secureTextEntry", "keyboardType" and
    // "returnKeyType" (the change log's names), "editable".
    static void applyNibProperties(TextInput& input, NibProperties& properties);

  private:
    // Sets the text (UTF-16) and the selection and notes them for the display.
    void store(std::u16string units, TextRange selection);
    TextRange clamp(TextRange range) const;
    bool beginEditingIfNeeded();
    // The display shows the text and selection of this side again.
    void answerDisplay();
    void showMenuForSelection();

    Hooks hooks_;
    std::u16string units_;
    std::string text_;
    std::string placeholder_;
    Font font_ = Font::system(17);
    Color color_ = Color::blackColor();
    TextAlignment alignment_ = TextAlignment::Left;
    bool multiline_ = false;
    bool secure_ = false;
    KeyboardType keyboard_ = KeyboardType::Default;
    ReturnKeyType returnKey_ = ReturnKeyType::Default;
    bool editable_ = true;
    bool focused_ = false;
    TextRange selection_;
};

}  // namespace ui

#pragma once
// A label: text in one font and colour, aligned in its bounds, on one line or several.

#include <string>

#include "platform/ui/Font.h"
#include "platform/ui/View.h"

namespace ui {

class NibProperties;

enum class TextAlignment { Left, Center, Right };
enum class LineBreakMode { WordWrap, CharacterWrap, Clip, TruncateHead, TruncateTail, TruncateMiddle };

class Label : public View {
  public:
    const std::string& text() const { return text_; }
    void setText(std::string text);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    const Color& textColor() const { return textColor_; }
    void setTextColor(const Color& color);
    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment alignment);
    // The most lines shown; 0 for no limit.
    int numberOfLines() const { return lines_; }
    void setNumberOfLines(int lines);
    LineBreakMode lineBreakMode() const { return lineBreak_; }
    void setLineBreakMode(LineBreakMode mode);

    PrimitiveKind primitiveKind() const override { return PrimitiveKind::Text; }
    void describe(PrimitiveProperties& properties) const override;

    // Interface-file properties: "text", "font", "textColor", "textAlignment" ("left", "center",
    // "right"), "numberOfLines", "lineBreakMode" (the change log's names).
    static void applyNibProperties(Label& label, NibProperties& properties);

  private:
    std::string text_;
    Font font_ = Font::system(17);
    Color textColor_ = Color::blackColor();
    TextAlignment alignment_ = TextAlignment::Left;
    int lines_ = 1;
    LineBreakMode lineBreak_ = LineBreakMode::TruncateTail;
};

}  // namespace ui

#pragma once
// A label: text on one or more lines, in a font and colour, aligned left, centred or right. The
// text block is centred vertically. A one-line label that shrinks to fit draws its text in a
// smaller font when the text is wider than the label, down to the minimum font size. A label lets
// touches through to the views behind it.

#include <array>
#include <string>
#include <utility>

#include "platform/ui/Font.h"
#include "platform/ui/View.h"

namespace ui {

class NibProperties;

enum class TextAlignment { Left, Center, Right };
enum class LineBreakMode { WordWrap, CharacterWrap, Clip, TruncateHead, TruncateTail, TruncateMiddle };
enum class BaselineAdjustment { AlignBaselines, AlignCenters, None };

// Alignments' names in the change log and in interface files.
inline constexpr std::array<std::pair<TextAlignment, const char*>, 3> kTextAlignmentNames{{
    {TextAlignment::Left, "left"},
    {TextAlignment::Center, "center"},
    {TextAlignment::Right, "right"},
}};
const char* textAlignmentName(TextAlignment alignment);

class Label : public View {
  public:
    using View::init;
    void init(const Rect& frame) override;

    const std::string& text() const { return text_; }
    void setText(std::string text);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    const Color& textColor() const { return textColor_; }
    void setTextColor(const Color& color);
    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment alignment);
    // 0: as many lines as the text needs.
    int numberOfLines() const { return lines_; }
    void setNumberOfLines(int lines);
    LineBreakMode lineBreakMode() const { return lineBreak_; }
    void setLineBreakMode(LineBreakMode mode);
    bool adjustsFontSizeToFitWidth() const { return shrinks_; }
    void setAdjustsFontSizeToFitWidth(bool on);
    double minimumFontSize() const { return minimumFontSize_; }
    void setMinimumFontSize(double size);
    BaselineAdjustment baselineAdjustment() const { return baseline_; }
    void setBaselineAdjustment(BaselineAdjustment adjustment) { baseline_ = adjustment; }
    const Color& shadowColor() const { return shadowColor_; }
    void setShadowColor(const Color& color);
    Size shadowOffset() const { return shadowOffset_; }
    void setShadowOffset(Size offset);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // A highlighted label (in a selected table row) shows the highlighted colour when it has one.
    bool isHighlighted() const { return highlighted_; }
    void setHighlighted(bool highlighted);
    const Color& highlightedTextColor() const { return highlightedColor_; }
    void setHighlightedTextColor(const Color& color);

    // The font the text is shown in: the font, or a smaller one when the label shrinks to fit.
    Font displayedFont() const;
    // The colour the text is shown in.
    Color displayedTextColor() const;

    Size sizeThatFits(Size size) const override;
    PrimitiveKind primitiveKind() const override { return PrimitiveKind::Text; }
    void describe(PrimitiveProperties& properties) const override;

    // Interface-file properties: "text", "font", "textColor", "textAlignment" ("left", "center",
    // "right"), "numberOfLines", "lineBreakMode" (the change log's names),
    // "adjustsFontSizeToFitWidth", "minimumFontSize", "shadowColor", "shadowOffset" ([width,
    // height]), "highlightedTextColor", "enabled".
    static void applyNibProperties(Label& label, NibProperties& properties);

  private:
    template <class T>
    void set(T& field, const T& value);

    std::string text_;
    Font font_ = Font::system(17);
    Color textColor_ = Color::blackColor();
    TextAlignment alignment_ = TextAlignment::Left;
    int lines_ = 1;
    LineBreakMode lineBreak_ = LineBreakMode::TruncateTail;
    bool shrinks_ = false;
    double minimumFontSize_ = 0;
    BaselineAdjustment baseline_ = BaselineAdjustment::AlignBaselines;
    Color shadowColor_;
    Size shadowOffset_{0, -1};
    bool enabled_ = true;
    bool highlighted_ = false;
    Color highlightedColor_;
    bool hasHighlightedColor_ = false;
};

}  // namespace ui

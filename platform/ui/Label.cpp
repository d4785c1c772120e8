#include "platform/ui/Label.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "platform/ui/NibProperties.h"
#include "platform/ui/TextLayout.h"

namespace ui {

namespace {

constexpr std::array<std::pair<LineBreakMode, const char*>, 6> kLineBreaks{{
    {LineBreakMode::WordWrap, "wordWrap"},
    {LineBreakMode::CharacterWrap, "charWrap"},
    {LineBreakMode::Clip, "clip"},
    {LineBreakMode::TruncateHead, "truncateHead"},
    {LineBreakMode::TruncateTail, "truncateTail"},
    {LineBreakMode::TruncateMiddle, "truncateMiddle"},
}};

template <class E, std::size_t N>
const char* nameOf(const std::array<std::pair<E, const char*>, N>& names, E value) {
    for (const auto& [v, n] : names)
        if (v == value) return n;
    return names[0].second;
}

}  // namespace

const char* textAlignmentName(TextAlignment alignment) { return nameOf(kTextAlignmentNames, alignment); }

void Label::init(const Rect& frame) {
    View::init(frame);
    setUserInteractionEnabled(false);
}

template <class T>
void Label::set(T& field, const T& value) {
    if (update(field, value)) changed();
}

void Label::setText(std::string text) { set(text_, text); }
void Label::setFont(const Font& font) { set(font_, font); }
void Label::setTextColor(const Color& color) { set(textColor_, color); }
void Label::setTextAlignment(TextAlignment alignment) { set(alignment_, alignment); }
void Label::setNumberOfLines(int lines) { set(lines_, std::max(0, lines)); }
void Label::setLineBreakMode(LineBreakMode mode) { set(lineBreak_, mode); }
void Label::setAdjustsFontSizeToFitWidth(bool on) { set(shrinks_, on); }
void Label::setMinimumFontSize(double size) {
    if (std::isfinite(size)) set(minimumFontSize_, std::max(0.0, size));
}
void Label::setShadowColor(const Color& color) { set(shadowColor_, color); }
void Label::setShadowOffset(Size offset) { set(shadowOffset_, offset); }
void Label::setEnabled(bool enabled) { set(enabled_, enabled); }
void Label::setHighlighted(bool highlighted) { set(highlighted_, highlighted); }
void Label::setHighlightedTextColor(const Color& color) {
    hasHighlightedColor_ = true;
    set(highlightedColor_, color);
}

Font Label::displayedFont() const {
    if (!shrinks_ || lines_ != 1 || text_.empty()) return font_;
    double available = bounds().size.width;
    double width = font_.widthOf(text_);
    if (width <= available || width <= 0) return font_;
    // Widths grow in proportion to the size; a tenth of a point less keeps clear of rounding.
    double fitting = std::floor(font_.size() * available / width * 10) / 10;
    double smallest = minimumFontSize_ > 0 ? std::min(minimumFontSize_, font_.size()) : 1.0;
    return font_.withSize(std::max(smallest, fitting));
}

Color Label::displayedTextColor() const {
    if (highlighted_ && hasHighlightedColor_) return highlightedColor_;
    if (!enabled_) return textColor_.withAlpha(textColor_.alpha * 0.5);
    return textColor_;
}

Size Label::sizeThatFits(Size size) const {
    double width = lines_ == 1 ? 0 : size.width;
    return TextLayout::size(text_, font_, width, lines_);
}

void Label::describe(PrimitiveProperties& p) const {
    View::describe(p);
    p.emplace_back("text", text_);
    p.emplace_back("font", displayedFont());
    p.emplace_back("color", displayedTextColor());
    p.emplace_back("align", textAlignmentName(alignment_));
    p.emplace_back("lines", lines_);
    p.emplace_back("lineBreak", nameOf(kLineBreaks, lineBreak_));
    p.emplace_back("shadowColor", shadowColor_);
    p.emplace_back("shadowOffset", shadowOffset_);
}

void Label::applyNibProperties(Label& label, NibProperties& p) {
    if (auto v = p.string("text")) label.setText(*v);
    if (auto v = p.font("font")) label.setFont(*v);
    if (auto v = p.color("textColor")) label.setTextColor(*v);
    if (auto v = p.choice("textAlignment", kTextAlignmentNames)) label.setTextAlignment(*v);
    if (auto v = p.integer("numberOfLines")) label.setNumberOfLines(*v);
    if (auto v = p.choice("lineBreakMode", kLineBreaks)) label.setLineBreakMode(*v);
    if (auto v = p.boolean("adjustsFontSizeToFitWidth")) label.setAdjustsFontSizeToFitWidth(*v);
    if (auto v = p.number("minimumFontSize")) label.setMinimumFontSize(*v);
    if (auto v = p.color("shadowColor")) label.setShadowColor(*v);
    if (auto v = p.size("shadowOffset")) label.setShadowOffset(*v);
    if (auto v = p.color("highlightedTextColor")) label.setHighlightedTextColor(*v);
    if (auto v = p.boolean("enabled")) label.setEnabled(*v);
}

}  // namespace ui

#include "platform/ui/Label.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/ui/NibProperties.h"

namespace ui {

namespace {

constexpr std::array<std::pair<TextAlignment, const char*>, 3> kAlignments{{
    {TextAlignment::Left, "left"},
    {TextAlignment::Center, "center"},
    {TextAlignment::Right, "right"},
}};

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

template <class E, std::size_t N>
std::optional<E> valueOf(const std::array<std::pair<E, const char*>, N>& names, const std::string& name) {
    for (const auto& [v, n] : names)
        if (name == n) return v;
    return std::nullopt;
}

}  // namespace

void Label::setText(std::string text) {
    if (update(text_, text)) changed();
}

void Label::setFont(const Font& font) {
    if (update(font_, font)) changed();
}

void Label::setTextColor(const Color& color) {
    if (update(textColor_, color)) changed();
}

void Label::setTextAlignment(TextAlignment alignment) {
    if (update(alignment_, alignment)) changed();
}

void Label::setNumberOfLines(int lines) {
    if (update(lines_, std::max(0, lines))) changed();
}

void Label::setLineBreakMode(LineBreakMode mode) {
    if (update(lineBreak_, mode)) changed();
}

void Label::describe(PrimitiveProperties& p) const {
    View::describe(p);
    p.emplace_back("text", text_);
    p.emplace_back("font", font_);
    p.emplace_back("color", textColor_);
    p.emplace_back("align", nameOf(kAlignments, alignment_));
    p.emplace_back("lines", lines_);
    p.emplace_back("lineBreak", nameOf(kLineBreaks, lineBreak_));
}

void Label::applyNibProperties(Label& label, NibProperties& p) {
    if (auto v = p.string("text")) label.setText(*v);
    if (auto v = p.font("font")) label.setFont(*v);
    if (auto v = p.color("textColor")) label.setTextColor(*v);
    if (auto v = p.string("textAlignment")) {
        if (auto a = valueOf(kAlignments, *v))
            label.setTextAlignment(*a);
        else
            p.problem("textAlignment", "expected \"left\", \"center\" or \"right\"");
    }
    if (auto v = p.integer("numberOfLines")) label.setNumberOfLines(*v);
    if (auto v = p.string("lineBreakMode")) {
        if (auto m = valueOf(kLineBreaks, *v))
            label.setLineBreakMode(*m);
        else
            p.problem("lineBreakMode", "not a line-break mode: \"" + *v + "\"");
    }
}

}  // namespace ui

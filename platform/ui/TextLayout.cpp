#include "platform/ui/TextLayout.h"

#include <algorithm>

namespace ui {

namespace {

// Length in bytes of the UTF-8 character that starts at s[i].
std::size_t characterLength(std::string_view s, std::size_t i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    return std::min(n, s.size() - i);
}

// Breaks one paragraph (no "\n") into lines of at most `width`.
void breakParagraph(std::string_view text, const Font& font, double width, std::vector<std::string>& out) {
    while (!text.empty()) {
        if (width <= 0 || font.widthOf(text) <= width) {
            out.emplace_back(text);
            return;
        }
        // The longest prefix that fits, one character at a time.
        std::size_t fits = 0, lastBlank = std::string_view::npos;
        for (std::size_t i = 0; i < text.size();) {
            std::size_t next = i + characterLength(text, i);
            if (font.widthOf(text.substr(0, next)) > width) break;
            if (text[i] == ' ') lastBlank = i;
            fits = next;
            i = next;
        }
        std::size_t cut;
        std::size_t resume;
        if (lastBlank != std::string_view::npos && lastBlank > 0) {
            cut = lastBlank;
            resume = lastBlank + 1;
        } else {
            cut = std::max<std::size_t>(fits, characterLength(text, 0));  // at least one character
            resume = cut;
        }
        out.emplace_back(text.substr(0, cut));
        text.remove_prefix(resume);
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    }
}

}  // namespace

std::vector<std::string> TextLayout::lines(std::string_view text, const Font& font, double width,
                                           int maxLines) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find('\n', start);
        std::string_view paragraph = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (paragraph.empty())
            out.emplace_back();
        else
            breakParagraph(paragraph, font, width, out);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    if (maxLines > 0 && out.size() > std::size_t(maxLines)) out.resize(std::size_t(maxLines));
    return out;
}

Size TextLayout::size(std::string_view text, const Font& font, double width, int maxLines) {
    if (text.empty()) return {};
    std::vector<std::string> ls = lines(text, font, width, maxLines);
    double widest = 0;
    for (const auto& l : ls) widest = std::max(widest, font.widthOf(l));
    if (width > 0) widest = std::min(widest, width);
    return {widest, font.lineHeight() * double(ls.size())};
}

}  // namespace ui

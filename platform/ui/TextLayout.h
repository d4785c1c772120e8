#pragma once
// Breaks text into lines as the display does: at "\n", and where a line would pass the width, after
// the last blank that fits (a word wider than the width is cut at a character). Widths are those
// of the font's plain advances.

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/Font.h"
#include "platform/ui/Size.h"

namespace ui {

class TextLayout {
  public:
    // The lines of the text within `width` (no limit when 0 or less); at most `maxLines` of them
    // when that is above 0.
    static std::vector<std::string> lines(std::string_view text, const Font& font, double width,
                                          int maxLines = 0);
    // The size of those lines: the widest line's width, and the line height times their number.
    static Size size(std::string_view text, const Font& font, double width, int maxLines = 0);
};

}  // namespace ui

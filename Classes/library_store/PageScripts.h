#pragma once
// The scripts the page reader runs in a page once it has loaded, after the repository's Zepto
// library: on the phone the pictures are fitted to the screen, the text takes the reader's font
// size and wide margins and indents are narrowed to the small screen; on the tablet only the font
// size and the room below the text are set.

#include <string>

class PageScripts {
  public:
    // The size the phone fits pictures into.
    static constexpr int kImageWidth = 290;
    static constexpr int kImageHeight = 350;
    // The limits of the margin clamps, in CSS pixels.
    static constexpr int kParagraphMargin = 8;
    static constexpr int kParagraphIndent = 7;
    static constexpr int kListMargin = 0;
    static constexpr int kQuoteMargin = 10;
    static constexpr int kBodyMargin = 10;
    static constexpr int kBottomMargin = 50;

    // "document.body.style.fontSize='<size>pt';"
    static std::string fontSizeScript(int size);
    // The phone's script: the picture fitting, the font size and the clamps.
    static std::string phoneScript(int fontSize);
    // The tablet's script: the font size and the bottom margin.
    static std::string tabletScript(int fontSize);
};

#pragma once
// The page of one news item: a header with the item's title and date over a background picture as
// wide as the screen ("news_item_background-<width>.png" of the bundle's images), the item's body,
// and its link. Everything from the feed is made safe for the page: the title and the link's text
// are escaped, the body passes the HTML cleaner, and the link is a link only for an http or https
// address. Pure text work.

#include <string>
#include <string_view>

class MItem;

class ItemPage {
  public:
    // Links up to this many characters show whole; longer ones show their first kLinkHead
    // characters, "..." and their last kLinkTail.
    static constexpr std::size_t kShortLink = 34;
    static constexpr std::size_t kLinkHead = 20;
    static constexpr std::size_t kLinkTail = 10;

    // The whole XHTML document, for a header `headerWidth` points wide (320, 768 or 1024).
    static std::string html(const MItem& item, int headerWidth);
    // The date as "dd MMM yyyy" in English; empty for an item without one.
    static std::string dateText(const MItem& item);
    // The "link: ..." paragraph.
    static std::string linkParagraph(std::string_view link);
    // The text a link shows.
    static std::string linkText(std::string_view link);
};

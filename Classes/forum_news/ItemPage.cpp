#include "Classes/forum_news/ItemPage.h"

#include "Classes/forum_news/HTMLCleaner.h"
#include "Classes/forum_news/MItem.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/Unicode.h"

namespace {

// Element text from a feed: no markup of its own, but the entities feeds write ("&amp;") still
// show as what they stand for.
std::string escapeText(std::string_view text) { return HTMLCleaner::escapeAttribute(text); }

std::string style(int width) {
    std::string w = std::to_string(width);
    return "body { font-family: arial, sans-serif; font-size: 13pt; margin: 0; padding: 0; }\n"
           "table.rssheader { width: " +
           w +
           "px; border-collapse: collapse; "
           "background-image: url(images/news_item_background-" +
           w +
           ".png); background-repeat: no-repeat; }\n"
           "tr.title td { font-size: 14pt; font-weight: bold; text-align: center; height: 100px; padding: 0 "
           "12px; }\n"
           "tr.date td { font-size: 8pt; font-weight: bold; color: white; text-align: right; height: 20px; "
           "padding: 0 10px; }\n"
           "p { text-align: justify; font-size: 12pt; margin: 10px; }\n"
           "a { font-size: 12pt; text-decoration: underline; color: #459926; }\n";
}

}  // namespace

std::string ItemPage::dateText(const MItem& item) {
    if (!item.pubDate()) return {};
    return fnd::DateFormatter("dd MMM yyyy", fnd::Locale("en_US")).stringFromDate(*item.pubDate());
}

std::string ItemPage::linkText(std::string_view link) {
    std::size_t length = fnd::utf16Length(link);
    if (length <= kShortLink) return std::string(link);
    std::string_view tail = link.substr(fnd::utf8OffsetOfUtf16(link, length - kLinkTail));
    return fnd::utf16Prefix(link, kLinkHead) + "..." + std::string(tail);
}

std::string ItemPage::linkParagraph(std::string_view link) {
    std::string text = escapeText(linkText(link));
    if (!HTMLCleaner::isWebAddress(link)) return "<p>link: " + text + "</p>";
    return "<p>link: <a href=\"" + HTMLCleaner::escapeAttribute(link) + "\">" + text + "</a></p>";
}

std::string ItemPage::html(const MItem& item, int headerWidth) {
    std::string body =
        "<table class=\"rssheader\"><tr class=\"title\"><td>" + escapeText(item.shortTitle()) + "</td></tr>";
    body += "<tr class=\"date\"><td><span class=\"date\">" + dateText(item) + "</span></td></tr></table>";
    body += "<p>" + HTMLCleaner::clean(MItem::simpleHTML(item.description().value_or(""))) + "</p>";
    body += linkParagraph(item.link().value_or(""));
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
           "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\n"
           "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head>"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />"
           "<meta name=\"viewport\" content=\"width=" +
           std::to_string(headerWidth) +
           "\" />"
           "<title></title><style type=\"text/css\">\n" +
           style(headerWidth) + "</style></head><body>" + body + "</body></html>";
}

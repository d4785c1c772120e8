#include "Classes/forum_news/MItem.h"

#include "Classes/forum_news/FeedCoding.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Unicode.h"

using ostrand::Regex;

void MItem::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    FeedCoding::encodeString(coder, "kTitle", title_);
    FeedCoding::encodeString(coder, "kDescription", description_);
    FeedCoding::encodeString(coder, "kGuid", guid_);
    if (pubDate_) coder.encodeDate("kPubDate", *pubDate_);
    FeedCoding::encodeString(coder, "kLink", link_);
    coder.encodeBool("kIsRead", isRead_);
}

void MItem::initWithCoder(fnd::KeyedUnarchiver& coder) {
    title_ = coder.decodeString("kTitle");
    description_ = coder.decodeString("kDescription");
    guid_ = coder.decodeString("kGuid");
    pubDate_ = coder.decodeDate("kPubDate");
    link_ = coder.decodeString("kLink");
    isRead_ = coder.decodeBool("kIsRead");
}

namespace {

// Every tag, from '<' to the next '>' across lines, becomes a blank; a '<' that no '>' follows is
// text. One pass: once no '>' is left, the rest is copied as it is.
std::string tagsToBlanks(std::string_view html) {
    std::string text;
    text.reserve(html.size());
    std::size_t i = 0;
    while (i < html.size()) {
        std::size_t open = html.find('<', i);
        if (open == std::string_view::npos) break;
        std::size_t close = html.find('>', open + 1);
        if (close == std::string_view::npos) break;
        text.append(html.substr(i, open - i));
        text += ' ';
        i = close + 1;
    }
    text.append(html.substr(i));
    return text;
}

}  // namespace

std::string MItem::htmlToText(std::string_view html) {
    std::string text = tagsToBlanks(html);
    Regex::replaceAllInPlace(text, "\\r\\n|\\r|\\n", " ");
    Regex::replaceAllInPlace(text, "&nbsp;", " ");
    Regex::replaceAllInPlace(text, "&#39;", "'");
    Regex::replaceAllInPlace(text, "\\s\\s+", " ");
    Regex::replaceAllInPlace(text, "^\\s", "");
    return text;
}

std::string MItem::simpleHTML(std::string_view html) {
    std::string text = Regex::replaceAll(html, "<p.*?>", "<p>");
    Regex::replaceAllInPlace(text, "<span\\s+[^>]*\\s*style=\"text-decoration:underline\"[^>]*>(.*?)</span>",
                             "<u>$1</u>");
    Regex::replaceAllInPlace(text, "<span[^>]*>", "<span>");
    Regex::replaceAllInPlace(text, "<font.*?>", "");
    Regex::replaceAllInPlace(text, "</font>", "");
    return text;
}

std::string MItem::shortTitle() const {
    std::string text = txtTitle();
    // A trailing link goes, with whatever follows it on its line.
    auto link = Regex::firstMatchGroups(text, "http.*(\\s|.$)");
    if (!link.empty()) {
        std::size_t at = text.find(link[0]);
        if (at != std::string::npos) {
            std::size_t lineEnd = text.find('\n', at);
            text.erase(at, lineEnd == std::string::npos ? std::string::npos : lineEnd - at);
        }
    }
    if (fnd::utf16Length(text) > kShortTitleLength) text = fnd::utf16Prefix(text, kShortTitleLength) + "...";
    return text;
}

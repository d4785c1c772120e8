#include "Classes/forum_news/HTMLCleaner.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <utility>
#include <vector>

namespace {

constexpr std::array kKept{"a",     "b",    "big",    "blockquote", "br",  "caption", "center", "code",  "dd",
                           "div",   "dl",   "dt",     "em",         "h1",  "h2",      "h3",     "h4",    "h5",
                           "h6",    "hr",   "i",      "img",        "li",  "ol",      "p",      "pre",   "s",
                           "small", "span", "strike", "strong",     "sub", "sup",     "table",  "tbody", "td",
                           "tfoot", "th",   "thead",  "tr",         "tt",  "u",       "ul"};
// Dropped with everything inside them.
constexpr std::array kDropped{"applet", "embed", "form",     "frame",    "frameset", "head",
                              "iframe", "math",  "noscript", "object",   "script",   "select",
                              "style",  "svg",   "template", "textarea", "title"};
constexpr std::array kVoid{"br", "hr", "img"};
// Dropped elements that never have content or an end tag.
constexpr std::array kDroppedVoid{"embed", "frame"};
// Dropped elements whose content is code or plain text, never markup: as in a browser, one left open
// takes the rest of the text with it, which must not be shown as text.
constexpr std::array kRawText{"script", "style", "textarea", "title"};

template <std::size_t N>
bool contains(const std::array<const char*, N>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

std::string lower(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

bool isNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == ':' || c == '_';
}

std::string escapeAttribute(std::string_view value) {
    std::string out;
    for (char c : value) {
        switch (c) {
            case '"':
                out += "&quot;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

bool isWebAddress(std::string_view value) {
    std::string v = lower(value);
    v.erase(std::remove_if(v.begin(), v.end(), [](unsigned char c) { return std::isspace(c) || c < 0x20; }),
            v.end());
    return v.starts_with("http://") || v.starts_with("https://");
}

// A colour and nothing else: "color:#000000", "color: red".
bool isColourStyle(std::string_view value) {
    std::string v = lower(value);
    if (!v.starts_with("color:")) return false;
    return std::all_of(v.begin() + 6, v.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '#' || c == ' ' || c == ';' || c == ',' || c == '(' || c == ')' ||
               c == '.' || c == '%';
    });
}

bool keepsAttribute(std::string_view tag, std::string_view name, std::string_view value) {
    if (tag == "a") return name == "href" ? isWebAddress(value) : name == "title";
    if (tag == "img")
        return name == "src" ? isWebAddress(value) : name == "alt" || name == "width" || name == "height";
    if (tag == "span" || tag == "div" || tag == "p")
        return name == "class" || (name == "style" && isColourStyle(value));
    if (tag == "td" || tag == "th") return name == "colspan" || name == "rowspan" || name == "align";
    if (tag == "table") return name == "border" || name == "cellpadding" || name == "cellspacing";
    return false;
}

struct Tag {
    std::string name;
    bool closing = false;
    bool selfClosing = false;  // written "<name ... />"
    std::vector<std::pair<std::string, std::string>> attributes;
    std::size_t end = 0;  // just past '>'
};

enum class Read { Tag, NotATag, RunsOff };

// Reads a tag starting at html[at] == '<'. NotATag when no tag begins there; RunsOff when one begins
// but the text ends before it does (no '>' or no closing quote follows).
Read readTag(std::string_view html, std::size_t at, Tag& tag) {
    std::size_t i = at + 1;
    tag = Tag{};
    if (i < html.size() && html[i] == '/') tag.closing = true, ++i;
    std::size_t nameStart = i;
    while (i < html.size() && isNameChar(html[i])) ++i;
    if (i == nameStart || !std::isalpha(static_cast<unsigned char>(html[nameStart]))) return Read::NotATag;
    tag.name = lower(html.substr(nameStart, i - nameStart));
    while (i < html.size()) {
        bool slash = false;
        while (i < html.size() && (std::isspace(static_cast<unsigned char>(html[i])) || html[i] == '/'))
            slash = html[i++] == '/';
        if (i >= html.size()) return Read::RunsOff;
        if (html[i] == '>') {
            tag.selfClosing = slash;
            tag.end = i + 1;
            return Read::Tag;
        }
        std::size_t attrStart = i;
        while (i < html.size() && html[i] != '=' && html[i] != '>' && html[i] != '/' &&
               !std::isspace(static_cast<unsigned char>(html[i])))
            ++i;
        std::string name = lower(html.substr(attrStart, i - attrStart));
        while (i < html.size() && std::isspace(static_cast<unsigned char>(html[i]))) ++i;
        std::string value;
        if (i < html.size() && html[i] == '=') {
            ++i;
            while (i < html.size() && std::isspace(static_cast<unsigned char>(html[i]))) ++i;
            if (i < html.size() && (html[i] == '"' || html[i] == '\'')) {
                char quote = html[i++];
                std::size_t close = html.find(quote, i);
                if (close == std::string_view::npos) return Read::RunsOff;
                value = std::string(html.substr(i, close - i));
                i = close + 1;
            } else {
                std::size_t valueStart = i;
                while (i < html.size() && html[i] != '>' &&
                       !std::isspace(static_cast<unsigned char>(html[i])))
                    ++i;
                value = std::string(html.substr(valueStart, i - valueStart));
            }
        }
        if (!name.empty()) tag.attributes.emplace_back(std::move(name), std::move(value));
    }
    return Read::RunsOff;
}

// Where the end tags of the dropped elements stand, found in one pass over the text, so that each
// dropped element finds its end without searching the rest of the text again.
class EndTags {
  public:
    explicit EndTags(std::string_view html) {
        for (std::size_t at = html.find("</"); at != std::string_view::npos; at = html.find("</", at + 2)) {
            std::size_t i = at + 2;
            while (i < html.size() && isNameChar(html[i])) ++i;
            std::string name = lower(html.substr(at + 2, i - at - 2));
            if (contains(kDropped, name)) positions_[name].push_back(at);
        }
    }
    // The first end tag of the element at or after `from`, or npos.
    std::size_t next(const std::string& name, std::size_t from) const {
        auto found = positions_.find(name);
        if (found == positions_.end()) return std::string_view::npos;
        auto it = std::lower_bound(found->second.begin(), found->second.end(), from);
        return it == found->second.end() ? std::string_view::npos : *it;
    }

  private:
    std::map<std::string, std::vector<std::size_t>> positions_;
};

}  // namespace

std::string HTMLCleaner::clean(std::string_view html) {
    std::string out;
    out.reserve(html.size());
    const EndTags endTags(html);
    // Once a tag runs off the end of the text, no later one can end either: the rest is text.
    bool tagsEnded = false;
    std::size_t i = 0;
    while (i < html.size()) {
        char c = html[i];
        if (c == '>') {
            out += "&gt;";
            ++i;
            continue;
        }
        if (c != '<') {
            out += c;
            ++i;
            continue;
        }
        if (html.substr(i, 4) == "<!--") {
            std::size_t end = html.find("-->", i + 4);
            i = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        if (i + 1 < html.size() && (html[i + 1] == '!' || html[i + 1] == '?')) {
            std::size_t end = html.find('>', i);
            i = end == std::string_view::npos ? html.size() : end + 1;
            continue;
        }
        Tag tag;
        Read read = tagsEnded ? Read::RunsOff : readTag(html, i, tag);
        if (read != Read::Tag) {
            tagsEnded = tagsEnded || read == Read::RunsOff;
            out += "&lt;";
            ++i;
            continue;
        }
        i = tag.end;
        if (contains(kDropped, tag.name)) {
            // An element without content ends with its tag; one whose end tag never comes drops only
            // its start tag (code and plain text excepted). Otherwise everything up to the matching
            // end tag goes.
            if (tag.closing || tag.selfClosing || contains(kDroppedVoid, tag.name)) continue;
            std::size_t end = endTags.next(tag.name, i);
            if (end == std::string_view::npos) {
                if (contains(kRawText, tag.name)) return out;
                continue;
            }
            std::size_t close = html.find('>', end);
            i = close == std::string_view::npos ? html.size() : close + 1;
            continue;
        }
        if (!contains(kKept, tag.name)) continue;
        if (tag.closing) {
            if (!contains(kVoid, tag.name)) out += "</" + tag.name + ">";
            continue;
        }
        out += "<" + tag.name;
        for (const auto& [name, value] : tag.attributes)
            if (keepsAttribute(tag.name, name, value))
                out += " " + name + "=\"" + escapeAttribute(value) + "\"";
        out += contains(kVoid, tag.name) ? " />" : ">";
    }
    return out;
}

std::string HTMLCleaner::escapeAttribute(std::string_view value) { return ::escapeAttribute(value); }

bool HTMLCleaner::isWebAddress(std::string_view value) { return ::isWebAddress(value); }

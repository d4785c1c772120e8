#include "platform/display/PageBridge.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

#include "platform/display/AccessPolicy.h"
#include "platform/foundation/HTMLEscaping.h"
#include "platform/foundation/Log.h"

namespace display {

namespace {

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

char lowerASCII(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether the text at `at` reads `lower` (written in lower case) in any case of its letters. Pages
// are searched as they stand: lowered copies of the whole page, three for every page shown, were a
// third of the bridge's time over it.
bool readsAt(std::string_view text, std::size_t at, std::string_view lower) {
    if (at > text.size() || text.size() - at < lower.size()) return false;
    for (std::size_t i = 0; i < lower.size(); ++i)
        if (lowerASCII(text[at + i]) != lower[i]) return false;
    return true;
}

bool endsTagName(std::string_view text, std::size_t at) {
    if (at >= text.size()) return false;
    char c = text[at];
    return c == '>' || c == '/' || std::isspace(static_cast<unsigned char>(c));
}

// Where the first element `<name ...>` of the text opens, in any case, or npos.
std::size_t findTag(std::string_view text, std::string_view name, std::size_t from = 0) {
    for (std::size_t at = text.find('<', from); at != std::string_view::npos; at = text.find('<', at + 1))
        if (readsAt(text, at, name) && endsTagName(text, at + name.size())) return at;
    return std::string_view::npos;
}

// Just after the '>' that closes the tag opening at `at`, or npos.
std::size_t afterTag(std::string_view text, std::size_t at) {
    if (at == std::string_view::npos) return at;
    std::size_t close = text.find('>', at);
    return close == std::string_view::npos ? close : close + 1;
}

bool charsetCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.' || c == ':';
}

// A name of a character set as it may stand in a header, or empty.
std::string cleanCharset(std::string_view name) {
    if (name.empty() || name.size() > 40 || !std::all_of(name.begin(), name.end(), charsetCharacter))
        return {};
    return lowered(name);
}

}  // namespace

PageBridge::PageBridge(const std::filesystem::path& webFolder) {
    std::ifstream in(webFolder / "bridge.js", std::ios::binary);
    script_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    // The file is one function expression; the call with the serial follows it. Its opening
    // comment is for the reader of the file, not for every page.
    while (script_.starts_with("//")) {
        std::size_t end = script_.find('\n');
        script_.erase(0, end == std::string::npos ? end : end + 1);
    }
    while (!script_.empty() &&
           (std::isspace(static_cast<unsigned char>(script_.back())) || script_.back() == ';'))
        script_.pop_back();
    if (script_.empty())
        fnd::Log::error("display: no bridge script in ", webFolder.string(), ": web views will not answer");
    std::ifstream shell(webFolder / "frame.html", std::ios::binary);
    shell_.assign(std::istreambuf_iterator<char>(shell), std::istreambuf_iterator<char>());
}

PageBridge PageBridge::withScript(std::string script) {
    PageBridge bridge;
    bridge.script_ = std::move(script);
    return bridge;
}

std::size_t PageBridge::insertionPoint(std::string_view html) {
    if (std::size_t at = afterTag(html, findTag(html, "<head")); at != std::string::npos) return at;
    if (std::size_t at = afterTag(html, findTag(html, "<html")); at != std::string::npos) return at;
    // Past a byte order mark, blanks, declarations, the document type and comments.
    std::size_t at = html.starts_with("\xef\xbb\xbf") ? 3 : 0;
    while (true) {
        while (at < html.size() && std::isspace(static_cast<unsigned char>(html[at]))) ++at;
        std::size_t end = std::string::npos;
        if (readsAt(html, at, "<?"))
            end = html.find("?>", at), end = end == std::string::npos ? end : end + 2;
        else if (readsAt(html, at, "<!--"))
            end = html.find("-->", at), end = end == std::string::npos ? end : end + 3;
        else if (readsAt(html, at, "<!doctype"))
            end = afterTag(html, at);
        else
            return at;
        if (end == std::string::npos) return at;
        at = end;
    }
}

std::string PageBridge::declaredCharset(std::string_view html) {
    std::string lower = lowered(html.substr(0, 1024));
    for (std::size_t meta = findTag(lower, "<meta"); meta != std::string::npos;
         meta = findTag(lower, "<meta", meta + 1)) {
        std::size_t close = lower.find('>', meta);
        std::string tag = lower.substr(meta, close == std::string::npos ? close : close - meta);
        std::size_t at = tag.find("charset");
        if (at == std::string::npos) continue;
        at += 7;
        while (at < tag.size() && std::isspace(static_cast<unsigned char>(tag[at]))) ++at;
        if (at >= tag.size() || tag[at] != '=') continue;
        ++at;
        while (at < tag.size() &&
               (std::isspace(static_cast<unsigned char>(tag[at])) || tag[at] == '"' || tag[at] == '\''))
            ++at;
        std::size_t end = at;
        while (end < tag.size() && charsetCharacter(tag[end])) ++end;
        if (std::string name = cleanCharset(std::string_view(tag).substr(at, end - at)); !name.empty())
            return name;
    }
    return {};
}

bool PageBridge::addBase(std::string& html, std::string_view address) {
    if (findTag(html, "<base") != std::string::npos) return false;
    html.insert(insertionPoint(html), "<base href=\"" + escapeHTML(address) + "\">");
    return true;
}

std::string PageBridge::escapeHTML(std::string_view text) { return fnd::escapeHTML(text); }

std::string PageBridge::snippet(const ui::WebDocument& document, bool withBase,
                                const std::string& nonce) const {
    std::string out;
    if (withBase) out += "<base href=\"" + escapeHTML(document.url.absoluteString()) + "\">";
    std::string opening = nonce.empty() ? "<script>" : "<script nonce=\"" + nonce + "\">";
    if (!script_.empty()) out += opening + script_ + "(" + std::to_string(document.serial) + ");</script>";
    return out;
}

std::string PageBridge::inertPolicy(const std::string& nonce) {
    // Nothing is fetched (no scripts, frames, styles, fonts or pictures from any address, this
    // server's included), no form goes anywhere, and the base address cannot be changed; only the
    // bridge runs, inline styles apply and pictures written into the page as data show. The
    // bridge's evaluations need eval, which stays off: the program runs no script in such pages.
    return "default-src 'none'; script-src 'nonce-" + nonce +
           "'; style-src 'unsafe-inline'; img-src data:; font-src data:; base-uri 'none'; form-action 'none'";
}

PageBridge::Served PageBridge::prepare(const ui::WebDocument& document) const {
    Served served;
    std::string type = lowered(document.mimeType.empty() ? "text/html" : document.mimeType);
    std::string charset = cleanCharset(document.textEncoding);
    if (charset.empty()) charset = declaredCharset(document.content);
    if (charset.empty()) charset = "utf-8";  // what the program's own pages are written in
    served.contentType = "text/html; charset=" + charset;
    std::string nonce;
    if (document.inertContent) {
        nonce = AccessPolicy::makeToken();
        served.contentPolicy = inertPolicy(nonce);
    }

    if (type == "text/html" || type == "application/xhtml+xml") {
        // An outside page's links and pictures resolve against where it came from, unless it
        // names a base itself.
        std::string scheme = document.url.scheme();
        bool outside = scheme == "http" || scheme == "https";
        bool ownBase = outside && findTag(document.content, "<base") != std::string::npos;
        served.body = document.content;
        served.body.insert(insertionPoint(served.body), snippet(document, outside && !ownBase, nonce));
        served.ok = true;
    } else if (type.starts_with("text/")) {
        served.body = "<!DOCTYPE html><html><head>" + snippet(document, false, nonce) +
                      "</head><body><pre style=\"white-space: pre-wrap\">" + escapeHTML(document.content) +
                      "</pre></body></html>";
        served.ok = true;
    } else {
        served.error = "a document of type " + type + " cannot be shown";
    }
    return served;
}

}  // namespace display

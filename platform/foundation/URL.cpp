#include "platform/foundation/URL.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/foundation/PercentEscaping.h"

namespace fnd {

namespace {

bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

void appendEscaped(std::string& out, unsigned char byte) {
    static const char digits[] = "0123456789ABCDEF";
    out += '%';
    out += digits[byte >> 4];
    out += digits[byte & 0xF];
}

// Bytes that cannot stand in an address as they are.
bool needsEscape(unsigned char c) {
    if (c <= 0x20 || c >= 0x7F) return true;
    switch (c) {
        case '"':
        case '<':
        case '>':
        case '\\':
        case '^':
        case '`':
        case '{':
        case '|':
        case '}':
            return true;
        default:
            return false;
    }
}

std::string cleanText(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (c == '\t' || c == '\n' || c == '\r') continue;
        if (needsEscape(c))
            appendEscaped(out, c);
        else
            out += ch;
    }
    return out;
}

// RFC 3986 5.2.4: removes "." and ".." segments.
std::string removeDotSegments(std::string_view in) {
    std::string out;
    while (!in.empty()) {
        if (in.starts_with("../")) {
            in.remove_prefix(3);
        } else if (in.starts_with("./")) {
            in.remove_prefix(2);
        } else if (in.starts_with("/./")) {
            in.remove_prefix(2);
        } else if (in == "/.") {
            in = "/";
        } else if (in.starts_with("/../") || in == "/..") {
            in = in.size() == 3 ? std::string_view("/") : in.substr(3);
            auto slash = out.rfind('/');
            out.erase(slash == std::string::npos ? 0 : slash);
        } else if (in == "." || in == "..") {
            in = {};
        } else {
            auto next = in.find('/', 1);
            if (next == std::string_view::npos) next = in.size();
            out += in.substr(0, next);
            in.remove_prefix(next);
        }
    }
    return out;
}

}  // namespace

URL::URL(std::string_view text) : text_(cleanText(text)) { split(); }

URL::URL(std::string_view text, const URL& base) : URL(text) {
    if (!scheme_.empty() || base.isEmpty()) return;
    const URL ref = std::move(*this);
    scheme_ = base.scheme_;
    if (ref.authority_) {
        authority_ = ref.authority_;
        path_ = removeDotSegments(ref.path_);
        query_ = ref.query_;
    } else {
        authority_ = base.authority_;
        if (ref.path_.empty()) {
            path_ = base.path_;
            query_ = ref.query_ ? ref.query_ : base.query_;
        } else {
            if (ref.path_.front() == '/') {
                path_ = removeDotSegments(ref.path_);
            } else {
                std::string merged;
                if (base.authority_ && base.path_.empty()) {
                    merged = "/" + ref.path_;
                } else {
                    auto slash = base.path_.rfind('/');
                    merged = (slash == std::string::npos ? std::string() : base.path_.substr(0, slash + 1)) +
                             ref.path_;
                }
                path_ = removeDotSegments(merged);
            }
            query_ = ref.query_;
        }
    }
    fragment_ = ref.fragment_;

    text_.clear();
    if (!scheme_.empty()) text_ += scheme_ + ":";
    if (authority_) text_ += "//" + *authority_;
    text_ += path_;
    if (query_) text_ += "?" + *query_;
    if (fragment_) text_ += "#" + *fragment_;
}

void URL::split() {
    std::string_view rest = text_;
    // A scheme is a letter, then letters, digits, "+", "-" or ".", then ":".
    auto colon = rest.find(':');
    if (colon != std::string_view::npos && colon > 0 && isAlpha(rest[0]) &&
        std::all_of(rest.begin(), rest.begin() + colon,
                    [](char c) { return isAlpha(c) || isDigit(c) || c == '+' || c == '-' || c == '.'; })) {
        scheme_ = std::string(rest.substr(0, colon));
        rest.remove_prefix(colon + 1);
    }
    if (auto hash = rest.find('#'); hash != std::string_view::npos) {
        fragment_ = std::string(rest.substr(hash + 1));
        rest = rest.substr(0, hash);
    }
    if (auto question = rest.find('?'); question != std::string_view::npos) {
        query_ = std::string(rest.substr(question + 1));
        rest = rest.substr(0, question);
    }
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        auto slash = rest.find('/');
        if (slash == std::string_view::npos) slash = rest.size();
        authority_ = std::string(rest.substr(0, slash));
        rest.remove_prefix(slash);
    }
    path_ = std::string(rest);
}

URL URL::fileURL(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path absolute = path.is_absolute() ? path : std::filesystem::absolute(path, ec);
    std::string raw = absolute.generic_string();
    if (!raw.ends_with('/') && std::filesystem::is_directory(absolute, ec)) raw += '/';
    std::string text = "file://";
    for (char ch : raw) {
        auto c = static_cast<unsigned char>(ch);
        bool keep = isAlpha(ch) || isDigit(ch) ||
                    std::string_view("-._~/!$&'()*+,;=:@").find(ch) != std::string_view::npos;
        if (keep)
            text += ch;
        else
            appendEscaped(text, c);
    }
    return URL(text);
}

std::string URL::scheme() const {
    std::string s = scheme_;
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::string URL::resourceSpecifier() const {
    return scheme_.empty() ? text_ : text_.substr(scheme_.size() + 1);
}

std::string URL::host() const {
    if (!authority_) return {};
    std::string_view hostPort = *authority_;
    if (auto at = hostPort.rfind('@'); at != std::string_view::npos) hostPort.remove_prefix(at + 1);
    if (hostPort.starts_with('[')) {
        auto close = hostPort.find(']');
        return std::string(
            hostPort.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    }
    return std::string(hostPort.substr(0, hostPort.find(':')));
}

std::optional<int> URL::port() const {
    if (!authority_) return std::nullopt;
    std::string_view hostPort = *authority_;
    if (auto at = hostPort.rfind('@'); at != std::string_view::npos) hostPort.remove_prefix(at + 1);
    if (hostPort.starts_with('[')) {
        auto close = hostPort.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        hostPort.remove_prefix(close + 1);
    }
    auto colon = hostPort.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    std::string_view digits = hostPort.substr(colon + 1);
    if (digits.empty() || digits.size() > 5 || !std::all_of(digits.begin(), digits.end(), isDigit))
        return std::nullopt;
    int value = std::stoi(std::string(digits));
    if (value > 65535) return std::nullopt;
    return value;
}

std::string URL::path() const { return percentDecodeBytes(path_); }
std::string URL::query() const { return query_.value_or(""); }
std::string URL::fragment() const { return fragment_.value_or(""); }

bool URL::isFileURL() const { return scheme() == "file"; }

std::filesystem::path URL::filePath() const {
    if (!isFileURL()) return {};
    return std::filesystem::path(path());
}

}  // namespace fnd

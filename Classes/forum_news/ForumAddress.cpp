#include "Classes/forum_news/ForumAddress.h"

#include <algorithm>
#include <cctype>

#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/URL.h"

namespace {

constexpr const char* kTopicFeedLink = R"(content=topic_posts&amp;t=\d{1,7}")";
constexpr const char* kSubForumFeedLink = R"(content=topics&amp;f%5B%5D=\d{1,7}")";

// The number in a feed link found by the pattern, when the head holds one.
std::optional<std::string> numberIn(std::string_view head, const char* pattern) {
    auto link = ostrand::Regex::firstMatch(head, pattern);
    if (!link) return std::nullopt;
    return ostrand::Regex::firstMatch(*link, R"(\d{1,7}(?="))");
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The address without its scheme: from the first ":" on.
std::string_view withoutScheme(std::string_view address) {
    std::size_t colon = address.find(':');
    return colon == std::string_view::npos ? address : address.substr(colon + 1);
}

}  // namespace

std::string ForumAddress::folder(std::string address) {
    if (!address.empty() && address.back() != '/') address += '/';
    return address;
}

std::string ForumAddress::configured() { return folder(fnd::Bundle::main().infoValue(kInfoKey)); }

bool ForumAddress::isRoot(std::string_view address, const std::string& base) {
    if (base.empty()) return false;
    std::string_view root = withoutScheme(base);
    std::string_view rest = withoutScheme(address);
    if (!rest.starts_with(root)) return false;
    rest.remove_prefix(root.size());
    return rest.empty() || rest.front() == '?';
}

bool ForumAddress::isLoginTarget(std::string_view address, const std::string& base) {
    if (base.empty()) return false;
    fnd::URL url{address}, target{loginTarget(base)};
    return lower(url.scheme()) == lower(target.scheme()) && lower(url.host()) == lower(target.host()) &&
           url.port() == target.port() && url.path() == target.path() && url.query() == target.query();
}

ForumAddress::Head ForumAddress::readHead(std::string_view headHTML) {
    return {numberIn(headHTML, kTopicFeedLink), numberIn(headHTML, kSubForumFeedLink)};
}

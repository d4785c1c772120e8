#include "platform/display/AccessPolicy.h"

#include <sys/random.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <random>

#include "platform/display/ServedFiles.h"

namespace display {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

AccessPolicy::AccessPolicy(std::string token, unsigned short port) : token_(std::move(token)), port_(port) {}

std::string AccessPolicy::makeToken() {
    std::array<unsigned char, 16> bytes{};
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        ssize_t n = ::getrandom(bytes.data() + filled, bytes.size() - filled, 0);
        if (n <= 0) break;
        filled += static_cast<std::size_t>(n);
    }
    if (filled < bytes.size()) {
        // getrandom is missing only on very old kernels; the library's device source is the next best.
        std::random_device device;
        for (auto& b : bytes) b = static_cast<unsigned char>(device());
    }
    static const char digits[] = "0123456789abcdef";
    std::string token;
    for (unsigned char b : bytes) {
        token += digits[b >> 4];
        token += digits[b & 15];
    }
    return token;
}

bool AccessPolicy::hostAllowed(std::string_view host) const {
    std::string_view name = host;
    std::string_view port;
    if (auto colon = host.rfind(':'); colon != std::string_view::npos && host.back() != ']') {
        name = host.substr(0, colon);
        port = host.substr(colon + 1);
    }
    if (port.empty()) {
        if (port_ != 80) return false;
    } else if (port != std::to_string(port_)) {
        return false;
    }
    return name == "127.0.0.1" || name == "[::1]" || equalsIgnoringCase(name, "localhost");
}

bool AccessPolicy::originAllowed(std::string_view origin) const {
    constexpr std::string_view scheme = "http://";
    if (origin.size() <= scheme.size() || !equalsIgnoringCase(origin.substr(0, scheme.size()), scheme))
        return false;
    return hostAllowed(origin.substr(scheme.size()));
}

bool AccessPolicy::matches(std::string_view candidate) const {
    // Compared without an early exit, so the time taken tells nothing of how much matched.
    if (candidate.size() != token_.size() || token_.empty()) return false;
    unsigned char difference = 0;
    for (std::size_t i = 0; i < token_.size(); ++i)
        difference |= static_cast<unsigned char>(candidate[i] ^ token_[i]);
    return difference == 0;
}

bool AccessPolicy::tokenInTarget(std::string_view target) const {
    auto question = target.find('?');
    if (question == std::string_view::npos) return false;
    std::string_view query = target.substr(question + 1);
    if (auto hash = query.find('#'); hash != std::string_view::npos) query = query.substr(0, hash);
    while (!query.empty()) {
        auto amp = query.find('&');
        std::string_view pair = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view{} : query.substr(amp + 1);
        auto eq = pair.find('=');
        if (eq == std::string_view::npos || pair.substr(0, eq) != "token") continue;
        auto value = ServedFiles::percentDecode(pair.substr(eq + 1));
        if (value && matches(*value)) return true;
    }
    return false;
}

bool AccessPolicy::tokenInCookies(std::string_view cookieHeader) const {
    const std::string name = cookieName();
    while (!cookieHeader.empty()) {
        auto semi = cookieHeader.find(';');
        std::string_view pair = trim(cookieHeader.substr(0, semi));
        cookieHeader = semi == std::string_view::npos ? std::string_view{} : cookieHeader.substr(semi + 1);
        auto eq = pair.find('=');
        if (eq != std::string_view::npos && trim(pair.substr(0, eq)) == name &&
            matches(trim(pair.substr(eq + 1))))
            return true;
    }
    return false;
}

bool AccessPolicy::cookieRequestSiteAllowed(std::string_view secFetchSite) {
    return secFetchSite.empty() || secFetchSite == "same-origin" || secFetchSite == "none";
}

std::string AccessPolicy::cookieName() const { return "orvakit_" + std::to_string(port_); }

std::string AccessPolicy::setCookieHeader() const {
    // HttpOnly: no script of any page reads it. SameSite=Strict: requests started by other sites,
    // and by the sandboxed frames of web views, go without it.
    return cookieName() + "=" + token_ + "; Path=/; HttpOnly; SameSite=Strict";
}

}  // namespace display

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/display/AccessPolicy.h"

namespace display {
namespace {

using Check = std::function<bool(const std::string&)>;

void expectAccepted(const Check& check, const std::vector<std::string>& accepted,
                    const std::vector<std::string>& refused) {
    for (auto& value : accepted) EXPECT_TRUE(check(value)) << value;
    for (auto& value : refused) EXPECT_FALSE(check(value)) << value;
}

TEST(AccessPolicyTest, HostMustNameTheLoopbackWithThePort) {
    AccessPolicy policy("t0k3n", 8123);
    expectAccepted([&](auto& h) { return policy.hostAllowed(h); },
                   {"127.0.0.1:8123", "localhost:8123", "LocalHost:8123", "[::1]:8123"},
                   // Rebinding: a foreign name that resolves to the loopback; or another port.
                   {"evil.example:8123", "localhost.evil.example:8123", "127.0.0.1.nip.io:8123",
                    "127.0.0.1:8124", "127.0.0.1", "[::1]", "", ":8123"});
    // Without a port only on the default one.
    AccessPolicy onDefault("t", 80);
    expectAccepted([&](auto& h) { return onDefault.hostAllowed(h); }, {"localhost", "[::1]", "127.0.0.1:80"},
                   {"localhost:8080"});
}

TEST(AccessPolicyTest, OriginMustBeTheDisplaysOwn) {
    AccessPolicy policy("t0k3n", 8123);
    expectAccepted([&](auto& o) { return policy.originAllowed(o); },
                   {"http://127.0.0.1:8123", "http://localhost:8123"},
                   {"null" /* a sandboxed frame */, "", "http://evil.example:8123", "http://127.0.0.1:9999",
                    "https://127.0.0.1:8123", "http://"});
}

TEST(AccessPolicyTest, TokenFromQueryOrCookie) {
    AccessPolicy policy("abc123", 8123);
    expectAccepted([&](auto& t) { return policy.tokenInTarget(t); },
                   {"/?token=abc123", "/ws?x=1&token=abc123", "/?token=%61bc123"},
                   {"/", "/?token=", "/?token=abc12", "/?token=abc1234", "/?xtoken=abc123", "/abc123"});
    // Another program's cookie on another port does not count here.
    expectAccepted([&](auto& c) { return policy.tokenInCookies(c); },
                   {"orvakit_8123=abc123", "a=b; orvakit_8123=abc123; c=d"},
                   {"orvakit_8124=abc123", "orvakit_8123=wrong", ""});

    // An empty token never matches.
    AccessPolicy empty("", 8123);
    EXPECT_FALSE(empty.tokenInTarget("/?token="));
    EXPECT_FALSE(empty.tokenInCookies("orvakit_8123="));

    EXPECT_EQ(policy.setCookieHeader(), "orvakit_8123=abc123; Path=/; HttpOnly; SameSite=Strict");
}

TEST(AccessPolicyTest, CookieOnlyFromTheDisplayOrTheAddressBar) {
    expectAccepted([](auto& s) { return AccessPolicy::cookieRequestSiteAllowed(s); },
                   {"", "same-origin", "none"}, {"cross-site", "same-site"});
}

TEST(AccessPolicyTest, TokensAreFreshAndLong) {
    std::string a = AccessPolicy::makeToken(), b = AccessPolicy::makeToken();
    EXPECT_EQ(a.size(), 32u);
    EXPECT_EQ(a.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_NE(a, b);
}

}  // namespace
}  // namespace display

#include <gtest/gtest.h>

#include "platform/display/AccessPolicy.h"

namespace display {
namespace {

TEST(AccessPolicyTest, HostMustNameTheLoopbackWithThePort) {
    AccessPolicy policy("t0k3n", 8123);
    EXPECT_TRUE(policy.hostAllowed("127.0.0.1:8123"));
    EXPECT_TRUE(policy.hostAllowed("localhost:8123"));
    EXPECT_TRUE(policy.hostAllowed("LocalHost:8123"));
    EXPECT_TRUE(policy.hostAllowed("[::1]:8123"));

    // Rebinding: a foreign name that resolves to the loopback.
    EXPECT_FALSE(policy.hostAllowed("evil.example:8123"));
    EXPECT_FALSE(policy.hostAllowed("localhost.evil.example:8123"));
    EXPECT_FALSE(policy.hostAllowed("127.0.0.1.nip.io:8123"));
    EXPECT_FALSE(policy.hostAllowed("127.0.0.1:8124"));
    EXPECT_FALSE(policy.hostAllowed("127.0.0.1"));
    EXPECT_FALSE(policy.hostAllowed("[::1]"));
    EXPECT_FALSE(policy.hostAllowed(""));
    EXPECT_FALSE(policy.hostAllowed(":8123"));

    // Without a port only on the default one.
    AccessPolicy onDefault("t", 80);
    EXPECT_TRUE(onDefault.hostAllowed("localhost"));
    EXPECT_TRUE(onDefault.hostAllowed("[::1]"));
}

TEST(AccessPolicyTest, OriginMustBeTheDisplaysOwn) {
    AccessPolicy policy("t0k3n", 8123);
    EXPECT_TRUE(policy.originAllowed("http://127.0.0.1:8123"));
    EXPECT_TRUE(policy.originAllowed("http://localhost:8123"));
    EXPECT_FALSE(policy.originAllowed("null"));  // a sandboxed frame
    EXPECT_FALSE(policy.originAllowed(""));
    EXPECT_FALSE(policy.originAllowed("http://evil.example:8123"));
    EXPECT_FALSE(policy.originAllowed("http://127.0.0.1:9999"));
    EXPECT_FALSE(policy.originAllowed("https://127.0.0.1:8123"));
    EXPECT_FALSE(policy.originAllowed("http://"));
}

TEST(AccessPolicyTest, TokenFromQueryOrCookie) {
    AccessPolicy policy("abc123", 8123);
    EXPECT_TRUE(policy.tokenInTarget("/?token=abc123"));
    EXPECT_TRUE(policy.tokenInTarget("/ws?x=1&token=abc123"));
    EXPECT_TRUE(policy.tokenInTarget("/?token=%61bc123"));
    EXPECT_FALSE(policy.tokenInTarget("/"));
    EXPECT_FALSE(policy.tokenInTarget("/?token="));
    EXPECT_FALSE(policy.tokenInTarget("/?token=abc12"));
    EXPECT_FALSE(policy.tokenInTarget("/?token=abc1234"));
    EXPECT_FALSE(policy.tokenInTarget("/?xtoken=abc123"));
    EXPECT_FALSE(policy.tokenInTarget("/abc123"));

    EXPECT_TRUE(policy.tokenInCookies("orvakit_8123=abc123"));
    EXPECT_TRUE(policy.tokenInCookies("a=b; orvakit_8123=abc123; c=d"));
    // Another program's cookie on another port does not count here.
    EXPECT_FALSE(policy.tokenInCookies("orvakit_8124=abc123"));
    EXPECT_FALSE(policy.tokenInCookies("orvakit_8123=wrong"));
    EXPECT_FALSE(policy.tokenInCookies(""));

    // An empty token never matches.
    AccessPolicy empty("", 8123);
    EXPECT_FALSE(empty.tokenInTarget("/?token="));
    EXPECT_FALSE(empty.tokenInCookies("orvakit_8123="));

    EXPECT_EQ(policy.setCookieHeader(), "orvakit_8123=abc123; Path=/; HttpOnly; SameSite=Strict");
}

TEST(AccessPolicyTest, CookieOnlyFromTheDisplayOrTheAddressBar) {
    EXPECT_TRUE(AccessPolicy::cookieRequestSiteAllowed(""));
    EXPECT_TRUE(AccessPolicy::cookieRequestSiteAllowed("same-origin"));
    EXPECT_TRUE(AccessPolicy::cookieRequestSiteAllowed("none"));
    EXPECT_FALSE(AccessPolicy::cookieRequestSiteAllowed("cross-site"));
    EXPECT_FALSE(AccessPolicy::cookieRequestSiteAllowed("same-site"));
}

TEST(AccessPolicyTest, TokensAreFreshAndLong) {
    std::string a = AccessPolicy::makeToken(), b = AccessPolicy::makeToken();
    EXPECT_EQ(a.size(), 32u);
    EXPECT_EQ(a.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_NE(a, b);
}

}  // namespace
}  // namespace display

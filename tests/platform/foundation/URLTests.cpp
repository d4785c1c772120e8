#include <gtest/gtest.h>

#include <string>

#include "platform/foundation/URL.h"
#include "platform/foundation/URLRequest.h"
#include "platform/foundation/URLResponse.h"
#include "tests/support/TestEnvironment.h"

namespace {

using fnd::URL;
using URLTest = testing_support::TestEnvironment;

TEST_F(URLTest, WebAddressesSplitIntoTheirParts) {
    URL url("http://user:pw@Forum.Example.org:8080/forum/view%20topic.php?t=12&x=%41#post-3");
    EXPECT_EQ(url.scheme(), "http");
    EXPECT_EQ(url.host(), "Forum.Example.org");
    EXPECT_EQ(url.port(), 8080);
    EXPECT_EQ(url.path(), "/forum/view topic.php");
    EXPECT_EQ(url.query(), "t=12&x=%41");
    EXPECT_EQ(url.fragment(), "post-3");
    EXPECT_EQ(url.resourceSpecifier(),
              "//user:pw@Forum.Example.org:8080/forum/view%20topic.php?t=12&x=%41#post-3");

    URL v6("HTTPS://[::1]:443/");
    EXPECT_EQ(v6.scheme(), "https");
    EXPECT_EQ(v6.host(), "::1");
    EXPECT_EQ(v6.port(), 443);

    EXPECT_EQ(URL("http://h/").port(), std::nullopt);
    EXPECT_EQ(URL("http://h:99999/").port(), std::nullopt);
    EXPECT_EQ(URL("http://h:8x/").port(), std::nullopt);
    EXPECT_TRUE(URL("http://h/p?").hasQuery());
    EXPECT_FALSE(URL("http://h/p").hasQuery());
    EXPECT_EQ(URL("http://h/p?").query(), "");
}

TEST_F(URLTest, ProgramSchemesKeepTheirTextAndCanBeSplit) {
    URL course("Events:openCourse");
    EXPECT_EQ(course.absoluteString(), "Events:openCourse");
    EXPECT_EQ(course.scheme(), "events");
    EXPECT_EQ(course.resourceSpecifier(), "openCourse");
    EXPECT_EQ(course.host(), "");

    URL button("ogButton:12");
    EXPECT_EQ(button.absoluteString(), "ogButton:12");
    EXPECT_EQ(button.scheme(), "ogbutton");
    EXPECT_EQ(button.resourceSpecifier(), "12");

    // A form on a page posts to its own address with the checked option as the query.
    URL answer("file:///book/q.htm?answer=3");
    EXPECT_EQ(answer.query(), "answer=3");
}

TEST_F(URLTest, OddTextStillGivesAnAddress) {
    URL spaced("  http://h/a b\n/\xC3\xBC\"<>  ");
    EXPECT_EQ(spaced.absoluteString(), "http://h/a%20b/%C3%BC%22%3C%3E");
    EXPECT_EQ(spaced.path(), "/a b/\xC3\xBC\"<>");

    EXPECT_TRUE(URL("").isEmpty());
    EXPECT_TRUE(URL(" \t\n").isEmpty());
    EXPECT_EQ(URL(":::").scheme(), "");
    EXPECT_EQ(URL("%zz%4").path(), "%zz%4");  // broken escapes stay as text
    EXPECT_EQ(URL("http://[::1").host(), "::1");
    EXPECT_EQ(URL("1http://h/").scheme(), "");

    std::string everyByte;
    for (int c = 0; c < 256; ++c) everyByte += static_cast<char>(c);
    URL odd(everyByte);
    for (char c : odd.absoluteString()) EXPECT_TRUE(c > 0x20 && c < 0x7F) << int(c);
    EXPECT_FALSE(URL(everyByte, URL("http://h/a/")).absoluteString().empty());
}

TEST_F(URLTest, RelativeAddressesResolveAgainstTheirBase) {
    URL base("http://a/b/c/d;p?q");
    const std::pair<const char*, const char*> cases[] = {
        {"g:h", "g:h"},
        {"g", "http://a/b/c/g"},
        {"./g", "http://a/b/c/g"},
        {"g/", "http://a/b/c/g/"},
        {"/g", "http://a/g"},
        {"//g", "http://g"},
        {"?y", "http://a/b/c/d;p?y"},
        {"g?y", "http://a/b/c/g?y"},
        {"#s", "http://a/b/c/d;p?q#s"},
        {"g#s", "http://a/b/c/g#s"},
        {"", "http://a/b/c/d;p?q"},
        {".", "http://a/b/c/"},
        {"..", "http://a/b/"},
        {"../g", "http://a/b/g"},
        {"../..", "http://a/"},
        {"../../../g", "http://a/g"},
        {"Events:openCourse", "Events:openCourse"},
    };
    for (const auto& [reference, expected] : cases)
        EXPECT_EQ(URL(reference, base).absoluteString(), expected) << reference;

    EXPECT_EQ(URL("a", URL("http://127.0.0.1")).absoluteString(), "http://127.0.0.1/a");
    EXPECT_EQ(URL("x.htm", URL()).absoluteString(), "x.htm");
}

TEST_F(URLTest, FileAddressesRoundTripAndResolveInsideTheirFolder) {
    auto folder = documents / "My Book #2" / "\xC3\xA9tudes";
    std::filesystem::create_directories(folder);

    URL base = URL::fileURL(folder);
    EXPECT_TRUE(base.isFileURL());
    EXPECT_TRUE(base.absoluteString().ends_with("/My%20Book%20%232/%C3%A9tudes/")) << base.absoluteString();
    EXPECT_EQ(base.filePath(), folder.string() + "/");

    URL page("chapter 2.htm#sec-1", base);
    EXPECT_EQ(page.filePath(), folder / "chapter 2.htm");
    EXPECT_EQ(page.fragment(), "sec-1");
    EXPECT_EQ(URL("../cover.png", base).filePath(), documents / "My Book #2" / "cover.png");

    URL missing = URL::fileURL("/no/such/place");
    EXPECT_EQ(missing.absoluteString(), "file:///no/such/place");
    EXPECT_EQ(URL("http://h/x").filePath(), std::filesystem::path());
}

TEST_F(URLTest, RequestsAndRepliesCarryTheirFields) {
    fnd::URLRequest request(URL("http://h/login"));
    EXPECT_EQ(request.method(), "GET");
    EXPECT_EQ(request.navigationType(), fnd::URLRequest::NavigationType::Other);

    request.setHeaderValue("User-Agent", "one");
    request.headers().add("user-agent", "two");
    request.setHeaderValue("USER-AGENT", "three");  // replaces both
    EXPECT_EQ(request.headerValue("user-agent"), "three");
    EXPECT_EQ(request.headers().size(), 1u);
    EXPECT_EQ(request.headerValue("My-Agent"), std::nullopt);

    request.setFormBody("username=a%26b&login=Login");
    EXPECT_EQ(request.method(), "POST");
    EXPECT_EQ(request.headerValue("content-type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(request.body(), "username=a%26b&login=Login");

    fnd::HTTPHeaders headers;
    headers.add("Content-Type", " Text/JSON ; charset=utf-8");
    headers.add("Set-Cookie", "a=1");
    headers.add("Set-Cookie", "b=2");
    fnd::URLResponse response(URL("http://h/"), 200, headers);
    EXPECT_EQ(response.mimeType(), "text/json");
    EXPECT_EQ(response.headers().value("set-cookie"), "a=1");
    EXPECT_EQ(fnd::URLResponse().mimeType(), "");
}

}  // namespace

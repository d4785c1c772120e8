#include <gtest/gtest.h>

#include "platform/foundation/PercentEscaping.h"
#include "tests/support/TestEnvironment.h"

namespace {

using PercentEscaping = testing_support::TestEnvironment;

TEST_F(PercentEscaping, ValueEscapingKeepsAddressCharactersButNotTheSeparators) {
    EXPECT_EQ(fnd::percentEscapeValue("user@example.com"), "user@example.com");
    EXPECT_EQ(fnd::percentEscapeValue("a?b=c&d+e;f#g\nh"), "a%3Fb%3Dc%26d%2Be%3Bf%23g%0Ah");
    EXPECT_EQ(fnd::percentEscapeValue("a b%\"<>[]{}|\\^`"), "a%20b%25%22%3C%3E%5B%5D%7B%7D%7C%5C%5E%60");
    EXPECT_EQ(fnd::percentEscapeValue("!$'()*,-./:@_~"), "!$'()*,-./:@_~");
    EXPECT_EQ(fnd::percentEscapeValue("Größe €"), "Gr%C3%B6%C3%9Fe%20%E2%82%AC");
    EXPECT_EQ(fnd::percentEscapeValue(""), "");
}

TEST_F(PercentEscaping, StrictEscapingLeavesOnlyUnreservedCharacters) {
    std::string body = "Set A&B #1 + x=y? 100%\r\nnext-line_ok.~";
    EXPECT_EQ(fnd::percentEscapeStrict(body),
              "Set%20A%26B%20%231%20%2B%20x%3Dy%3F%20100%25%0D%0Anext-line_ok.~");
    EXPECT_EQ(fnd::percentEscapeStrict("!$'()*,/:@"), "%21%24%27%28%29%2A%2C%2F%3A%40");
    // Every byte, whatever it is, comes back unchanged.
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    std::string escaped = fnd::percentEscapeStrict(all);
    EXPECT_EQ(
        escaped.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~%"),
        std::string::npos);
    std::string text = "Timer-Set #2 & more-0-1-A;\nBooks-OG12-PS-?=+;";
    EXPECT_EQ(fnd::percentUnescape(fnd::percentEscapeStrict(text)), text);
    EXPECT_EQ(fnd::percentUnescape(fnd::percentEscapeValue(text)), text);
}

TEST_F(PercentEscaping, StrictEscapingKeepsTheCharactersAskedFor) {
    EXPECT_EQ(fnd::percentEscapeStrict("5 Main St/Suite #4 & 6@40.1,-73.9", "/@,"),
              "5%20Main%20St/Suite%20%234%20%26%206@40.1,-73.9");
    EXPECT_EQ(fnd::percentEscapeStrict("a?b", ""), "a%3Fb");
}

TEST_F(PercentEscaping, WholeAddressEscapingLeavesTheAddressPunctuation) {
    struct Row {
        const char* text;
        const char* escaped;
    } rows[] = {
        {"tel://+1 (212) 555-0148", "tel://+1%20(212)%20555-0148"},
        {"skype://centres.desk?call", "skype://centres.desk?call"},
        {"a\"b<c>d%e\\f^g`h{i|j}k[l]m", "a%22b%3Cc%3Ed%25e%5Cf%5Eg%60h%7Bi%7Cj%7Dk%5Bl%5Dm"},
        {"x\ty\x7fz", "x%09y%7Fz"},
        {"Montr\xc3\xa9"
         "al",
         "Montr%C3%A9al"},
        {"!$&'*+,;=:@/?#~", "!$&'*+,;=:@/?#~"},
    };
    for (const Row& row : rows) EXPECT_EQ(fnd::percentEscapeURL(row.text), row.escaped) << row.text;
}

TEST_F(PercentEscaping, UnescapingLeavesMalformedEscapesAndRepairsUtf8) {
    EXPECT_EQ(fnd::percentUnescape("a%20b%2Bc+d"), "a b+c+d");
    EXPECT_EQ(fnd::percentUnescape("%C3%A9t%c3%a9"), "été");
    EXPECT_EQ(fnd::percentUnescape("100%"), "100%");
    EXPECT_EQ(fnd::percentUnescape("%zz%4"), "%zz%4");
    EXPECT_EQ(fnd::percentUnescape("%%41"), "%A");
    // Bytes that are no UTF-8 become U+FFFD; the text around them stays.
    EXPECT_EQ(fnd::percentUnescape("a%FFb"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(fnd::percentUnescape("%C3"), "\xEF\xBF\xBD");
    EXPECT_EQ(fnd::percentUnescape(std::string("raw\xC3(")), "raw\xEF\xBF\xBD(");
    EXPECT_EQ(fnd::percentUnescape("a%00b"), std::string("a\0b", 3));
    // Parts of addresses decode to their bytes as they are.
    EXPECT_EQ(fnd::percentDecodeBytes("a%FFb%2"),
              "a\xff"
              "b%2");
}

}  // namespace

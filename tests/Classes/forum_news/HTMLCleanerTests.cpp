#include <gtest/gtest.h>

#include "Classes/forum_news/HTMLCleaner.h"

namespace {

TEST(HTMLCleaner, KeepsFormattingAndDropsWhatCouldAct) {
    EXPECT_EQ(HTMLCleaner::clean("<p class=\"x\" onclick=\"a()\">One<br>two<BR/><b>three</b></p>"),
              "<p class=\"x\">One<br />two<br /><b>three</b></p>");
    EXPECT_EQ(HTMLCleaner::clean("a<!-- note --><iframe src=\"http://h/\">inner</iframe>b<FORM action=\"/x\">"
                                 "<input name=\"p\"></form>c<style>p{}</style>d"),
              "abcd");
    EXPECT_EQ(HTMLCleaner::clean(
                  "<a href=\" JavaScript:go()\" title=\"t\">x</a><a href=\"https://h/p?a=1&amp;b=2\">y</a>"),
              "<a title=\"t\">x</a><a href=\"https://h/p?a=1&amp;b=2\">y</a>");
    EXPECT_EQ(HTMLCleaner::clean(
                  "<img src=\"data:image/png;base64,AA\" onerror=\"x()\"><img src='http://h/i.png' alt=a>"),
              "<img /><img src=\"http://h/i.png\" alt=\"a\" />");
    EXPECT_EQ(
        HTMLCleaner::clean(
            "<span style=\"background:url(javascript:x)\">s</span><span style=\"color:#000000\">c</span>"),
        "<span>s</span><span style=\"color:#000000\">c</span>");
    // Unknown elements lose their tags only; a stray angle bracket stays text.
    EXPECT_EQ(HTMLCleaner::clean("<marquee>x < 3</marquee> and y > 2 <"), "x &lt; 3 and y &gt; 2 &lt;");
    // An element left open takes the rest with it.
    EXPECT_EQ(HTMLCleaner::clean("ok<script>never closed"), "ok");
}

}  // namespace

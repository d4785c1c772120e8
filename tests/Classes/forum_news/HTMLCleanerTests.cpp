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
}

TEST(HTMLCleaner, DroppedElementsEndWhereTheyEnd) {
    const struct {
        const char* html;
        const char* cleaned;
    } cases[] = {
        // Elements without content or end tag take nothing after them.
        {"<p>before</p><embed src=\"http://h/v.swf\"><p>after</p>", "<p>before</p><p>after</p>"},
        {"a<EMBED src=\"v\" />b<svg width=\"2\"/>c<iframe src=\"x\"/>d", "abcd"},
        // An element whose end tag never comes drops only itself...
        {"<head><meta charset=\"utf-8\"><p>body text</p>", "<p>body text</p>"},
        {"x<object data=\"y\">fallback", "xfallback"},
        // ...but code and plain text are never shown: an open script takes the rest with it.
        {"ok<script>never closed", "ok"},
        {"<style>p{}</style>kept<title>t", "kept"},
        // The end tag found is the next one of that element, in any letter case.
        {"<iframe>a</IFRAME >b<iframe>c</iframe>d", "bd"},
        // A tag that runs off the end is text, and so is every '<' after it.
        {"x<a href=\"http://h/ <b>y</b>", "x&lt;a href=\"http://h/ &lt;b&gt;y&lt;/b&gt;"},
    };
    for (const auto& c : cases) EXPECT_EQ(HTMLCleaner::clean(c.html), c.cleaned) << c.html;
}

}  // namespace

// The forum scanner's reading of one topic page of about 100 KB: a problem-solving question in the
// first post, then a long discussion of replies, as a busy topic looks.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "Classes/forum_news/ForumPageReader.h"

namespace {

std::string topicPage(std::size_t targetBytes) {
    std::mt19937 random(7);
    const char* words[] = {"ratio", "integer", "remainder", "so",     "the",      "of",
                           "is",    "and",     "which",     "value",  "positive", "we",
                           "get",   "both",    "sides",     "divide", "multiply", "answer"};
    auto sentence = [&](int count) {
        std::string s;
        for (int i = 0; i < count; ++i) s += (i ? " " : "") + std::string(words[random() % std::size(words)]);
        return s;
    };
    std::string page =
        "<!DOCTYPE html>\n<html dir=\"ltr\" lang=\"en-gb\">\n<head>\n<meta charset=\"utf-8\" />\n"
        "<title>Ratio of two tanks - Study Forum</title>\n"
        "<link rel=\"alternate\" type=\"application/atom+xml\" title=\"Feed - Topic\" "
        "href=\"http://127.0.0.1/forum/feed.php?f=140&amp;content=topic_posts&amp;t=120456\" />\n</head>\n"
        "<body class=\"section-viewtopic\">\n<div id=\"wrap\">\n"
        "<div class=\"topic-tags\">Tags: <span id=\"tags\">ratios, algebra, source: drills</span></div>\n"
        "<div id=\"p1\" class=\"post bg2\"><div class=\"inner\"><div class=\"postbody\">\n"
        "<div class=\"content\">Hi all,<br />Tank P holds x^{2} litres and tank Q holds \\frac{3}{\\sqrt{2}} "
        "times as much.<br />what is the ratio of the water in P to the water in Q?<br /><br />"
        "(A) 1:2<br />(B) 2:3<br />(C) \\sqrt{2}:3<br />(D) 3:4<br />(E) 4:5<br /><br />OA is C</div>\n"
        "</div></div></div>\n";
    for (int post = 2; page.size() < targetBytes; ++post) {
        page += "<div id=\"p" + std::to_string(post) + "\" class=\"post bg" + std::to_string(post % 2 + 1) +
                "\"><div class=\"inner\"><div class=\"postbody\">\n<p class=\"author\">by <strong>member" +
                std::to_string(post) +
                "</strong> &raquo; Wed Mar 04, 2026 8:40 am</p>\n<div class=\"content\">";
        for (int line = 0; line < 6; ++line) page += sentence(12) + "<br />";
        page += "</div>\n</div></div></div>\n";
    }
    page += "</div>\n</body>\n</html>\n";
    return page;
}

void BM_ReadTopicPage(benchmark::State& state) {
    const std::string page = topicPage(100 * 1024);
    const std::string base = "http://127.0.0.1/forum/";
    for (auto _ : state) {
        ForumPageReader::Page result = ForumPageReader::readPage(page, ForumPageReader::kPS, base);
        if (!result.question) state.SkipWithError("the page gave no question");
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_ReadTopicPage)->Unit(benchmark::kMillisecond);

}  // namespace

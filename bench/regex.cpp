// The regular-expression layer over a forum page of about 100 KB, as the forum scanner reads one:
// a topic list, then the posts of a topic with quotes, statements of the answer and a tag line.
#include "Ostrand_Library/Classes/Regex.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

using ostrand::Regex;
using ostrand::RegexOptions;

// A made-up page of the same build as the forum's: same markup, invented words.
std::string forumPage(std::size_t targetBytes) {
    std::mt19937 random(2024);
    const char* words[] = {"ratio", "integer",     "remainder", "sentence", "argument", "passage",
                           "sum",   "probability", "the",       "of",       "is",       "and",
                           "which", "value",       "positive",  "author"};
    auto sentence = [&](int count) {
        std::string s;
        for (int i = 0; i < count; ++i) {
            if (i) s += ' ';
            s += words[random() % std::size(words)];
        }
        return s;
    };
    std::string page =
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\">\n<html><head>\n"
        "<title>Study Forum &bull; View topic</title>\n"
        "<link rel=\"alternate\" type=\"application/atom+xml\" title=\"Feed - Topic\" "
        "href=\"./feed.php?f=3&amp;t=120456\" />\n</head>\n<body>\n<div id=\"wrap\">\n";
    page += "<ul class=\"topiclist topics\">\n";
    for (int t = 0; t < 60; ++t) {
        page += "\t<li class=\"row bg" + std::to_string(t % 2 + 1) + "\"><dl class=\"icon\"><dt>";
        page += "<a href=\"./viewtopic.php?f=3&amp;t=" + std::to_string(120000 + t * 7) +
                "\" class=\"topictitle\">" + sentence(5) + "</a>";
        page += "<br />by <a href=\"./memberlist.php?mode=viewprofile&amp;u=" + std::to_string(500 + t) +
                "\">user" + std::to_string(t) + "</a></dt>\n\t<dd class=\"posts\">" +
                std::to_string(random() % 40) + "</dd></dl></li>\n";
    }
    page += "</ul>\n";
    int post = 0;
    while (page.size() + 400 < targetBytes) {
        ++post;
        page += "<div id=\"p" + std::to_string(900000 + post) + "\" class=\"post bg" +
                std::to_string(post % 2 + 1) + "\">\n<div class=\"inner\"><div class=\"postbody\">\n";
        page += "<h3><a href=\"#p" + std::to_string(900000 + post) + "\">Re: " + sentence(4) + "</a></h3>\n";
        page += "<div class=\"content\">";
        if (post % 5 == 0)
            page += "<blockquote><div><cite>user wrote:</cite>" + sentence(25) + "</div></blockquote>";
        for (int line = 0; line < 4; ++line) page += sentence(18) + "<br />\n";
        page += "A) " + sentence(3) + "<br />B) " + sentence(3) + "<br />C) " + sentence(3) + "<br />\n";
        if (post % 7 == 3) page += "OA is " + std::string(1, static_cast<char>('A' + post % 5)) + "<br />\n";
        page += "<span style=\"color: #0000FF\">" + sentence(6) + "</span></div>\n</div></div></div>\n";
    }
    page += "<span id=\"tags\">Algebra, Number Properties, Ratios</span>\n</div>\n</body></html>\n";
    return page;
}

const std::string& page() {
    static const std::string text = forumPage(100 * 1024);
    return text;
}

void FirstMatchNearTheEnd(benchmark::State& state) {
    for (auto _ : state) {
        auto tags = Regex::firstMatchGroups(page(), "<span\\sid=\"tags\">([^<]*)</span>");
        benchmark::DoNotOptimize(tags);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page().size()));
}
BENCHMARK(FirstMatchNearTheEnd)->Unit(benchmark::kMicrosecond);

void FirstMatchOfTheAnswerStatements(benchmark::State& state) {
    const char* pattern =
        "(OA\\sis\\s\"?\\(?[A-E]|OA\\s?:\\s?[A-E]|OA\\sis\\s\\([A-E]|OA\\shere\\sis\\s[A-E]|"
        "OA\\sanswer\\sis\\s\"?\\(?[A-E]|class=\"spoiler-hidden\">[A-E])";
    for (auto _ : state) {
        auto match = Regex::firstMatch(page(), pattern);
        benchmark::DoNotOptimize(match);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page().size()));
}
BENCHMARK(FirstMatchOfTheAnswerStatements)->Unit(benchmark::kMicrosecond);

void AllMatchesWithGroups(benchmark::State& state) {
    std::size_t found = 0;
    for (auto _ : state) {
        auto rows = Regex::allMatchGroups(
            page(),
            "<a href=\"\\./viewtopic\\.php\\?f=(\\d+)&amp;t=(\\d{1,7})\" class=\"topictitle\">([^<]*)</a>");
        found = rows.size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["matches"] = static_cast<double>(found);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page().size()));
}
BENCHMARK(AllMatchesWithGroups)->Unit(benchmark::kMicrosecond);

void AllPostsDotAll(benchmark::State& state) {
    std::size_t found = 0;
    for (auto _ : state) {
        auto posts = Regex::allMatchGroups(page(), "(?s)<div class=\"content\">(.*?)</div>");
        found = posts.size();
        benchmark::DoNotOptimize(posts);
    }
    state.counters["matches"] = static_cast<double>(found);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page().size()));
}
BENCHMARK(AllPostsDotAll)->Unit(benchmark::kMicrosecond);

void ReplaceAllTags(benchmark::State& state) {
    for (auto _ : state) {
        auto text = Regex::replaceAll(page(), "<[^<]*>", "");
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page().size()));
}
BENCHMARK(ReplaceAllTags)->Unit(benchmark::kMicrosecond);

void ReplaceAllWithGroupReference(benchmark::State& state) {
    for (auto _ : state) {
        std::string text = page();
        int n = Regex::replaceAllInPlace(text, "(?i)(\\bratio\\b)", "<span class=\"kwselected\">$1</span>");
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page().size()));
}
BENCHMARK(ReplaceAllWithGroupReference)->Unit(benchmark::kMicrosecond);

void SplitLines(benchmark::State& state) {
    for (auto _ : state) {
        auto lines = Regex::split(page(), "<br\\s/>");
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page().size()));
}
BENCHMARK(SplitLines)->Unit(benchmark::kMicrosecond);

// What every search of the page costs before any matching: the page converted to UTF-16 for the
// engine and a matcher made.
void FixedCostOfAPageSearch(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Regex::isMatched(page(), "\\A<"));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page().size()));
}
BENCHMARK(FixedCostOfAPageSearch)->Unit(benchmark::kMicrosecond);

// What the cache saves: a short search with its pattern found in the cache, and compiled anew.
const char* kTopicPattern = "(?<=t=)\\d{1,7}\\Z";

void ShortSearchCached(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Regex::firstMatch("./viewtopic.php?f=3&t=120456", kTopicPattern));
}
BENCHMARK(ShortSearchCached);

void ShortSearchCompiledEachTime(benchmark::State& state) {
    for (auto _ : state) {
        Regex::clearCache();
        benchmark::DoNotOptimize(Regex::firstMatch("./viewtopic.php?f=3&t=120456", kTopicPattern));
    }
}
BENCHMARK(ShortSearchCompiledEachTime);

}  // namespace

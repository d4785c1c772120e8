// The feed and forum cleaner over hostile bodies of about a megabyte and over a forum page of about
// 100 KB, and the list title's text conversion over a title full of unclosed '<'.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "Classes/forum_news/HTMLCleaner.h"
#include "Classes/forum_news/MItem.h"

namespace {

std::string repeated(const std::string& piece, int times) {
    std::string text;
    text.reserve(piece.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

// A forum topic page, repeated up to about 100 KB.
std::string forumPage() {
    std::ifstream in(std::string(ORVA_SOURCE_RESOURCES) + "/../tests/fixtures/forum/ps-5101.html");
    std::ostringstream page;
    page << in.rdbuf();
    std::string one = page.str();
    std::string text;
    while (text.size() < 100'000) text += one;
    return text;
}

void BM_CleanDroppedElements(benchmark::State& state) {
    // 20,000 frames with content, about 1.2 MB.
    const std::string body = repeated("<p>Text</p><iframe src=\"http://h/x\">fallback text</iframe>", 20'000);
    for (auto _ : state) benchmark::DoNotOptimize(HTMLCleaner::clean(body));
}
BENCHMARK(BM_CleanDroppedElements)->Unit(benchmark::kMillisecond);

void BM_CleanUnclosedTags(benchmark::State& state) {
    // 100,000 '<' that never close, about 900 KB.
    const std::string body = repeated("<a title ", 100'000);
    for (auto _ : state) benchmark::DoNotOptimize(HTMLCleaner::clean(body));
}
BENCHMARK(BM_CleanUnclosedTags)->Unit(benchmark::kMillisecond);

void BM_CleanForumPage(benchmark::State& state) {
    const std::string page = forumPage();
    for (auto _ : state) benchmark::DoNotOptimize(HTMLCleaner::clean(page));
}
BENCHMARK(BM_CleanForumPage)->Unit(benchmark::kMillisecond);

void BM_TitleTextWithUnclosedTags(benchmark::State& state) {
    const std::string title = repeated("a < b ", 10'000);
    for (auto _ : state) benchmark::DoNotOptimize(MItem::htmlToText(title));
}
BENCHMARK(BM_TitleTextWithUnclosedTags)->Unit(benchmark::kMillisecond);

}  // namespace

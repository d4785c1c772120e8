// Any bytes as a forum topic page, read as each of the four question types, and through the HTML
// cleaner: nothing crashes, a question has a known answer and an address of the forum, and the
// cleaner's output has no script and cleans to itself.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Classes/forum_news/ForumPageReader.h"
#include "Classes/forum_news/HTMLCleaner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string base = "http://127.0.0.1/forum/";
    for (std::int32_t type = ForumPageReader::kPS; type <= ForumPageReader::kCR; ++type) {
        ForumPageReader::Page page = ForumPageReader::readPage(bytes, type, base);
        if (page.kind != ForumPageReader::Page::Kind::Topic && page.question) std::abort();
        if (!page.question) continue;
        if (page.question->rightAnswer < 1 || page.question->rightAnswer > 5) std::abort();
        if (page.question->threadURL && page.question->threadURL->rfind(base, 0) != 0) std::abort();
        if (type != ForumPageReader::kDS && page.question->answerOptions.size() != 5) std::abort();
    }
    std::string clean = HTMLCleaner::clean(bytes);
    std::string lower = clean;
    for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (lower.find("<script") != std::string::npos || lower.find("<iframe") != std::string::npos)
        std::abort();
    if (HTMLCleaner::clean(clean) != clean) std::abort();
    return 0;
}

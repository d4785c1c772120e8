// Answer-key files are the user's own text: any bytes must read as a file or as a clear error, and
// a file that passes the checks must give every book's rows in order and within their sections.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Classes/errorlog/AnswerKeyFile.h"
#include "Classes/errorlog/AnswerKeyValidator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string error;
    auto file = AnswerKeyFile::parse(input, &error);
    if (!file) {
        if (error.empty()) __builtin_trap();
        return 0;
    }
    const BookSkeleton* book = BookSkeleton::named(file->book);
    if (!book) return 0;
    AnswerKeyValidator::Result result = AnswerKeyValidator::check(*book, *file);
    if (!result.ok()) return 0;
    if (result.sections.size() != book->sections.size()) __builtin_trap();
    for (std::size_t s = 0; s < book->sections.size(); ++s) {
        const BookSkeleton::Section& section = book->sections[s];
        if (static_cast<int>(result.sections[s].size()) != section.rows()) __builtin_trap();
        for (const BookSkeleton::Row& row : result.sections[s]) {
            if (row.page < section.startPage || row.page > section.endPage) __builtin_trap();
            if (row.answer < 0 || row.answer > 5 || row.type < 1 || row.type > 6) __builtin_trap();
        }
    }
    return 0;
}

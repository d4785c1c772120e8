#include "Classes/errorlog/AnswerKeyFile.h"

#include <charconv>

#include "Classes/errorlog/MBook.h"

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::optional<int> positive(std::string_view text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 1 || value > 9999)
        return std::nullopt;
    return value;
}

}  // namespace

int AnswerKeyFile::typeCode(std::string_view text) {
    for (int code = 1; code <= 6; ++code)
        if (MBook::nameForType(code) == text) return code;
    return 0;
}

std::optional<AnswerKeyFile> AnswerKeyFile::parse(std::string_view text, std::string* error) {
    AnswerKeyFile file;
    int lineNumber = 0;
    auto fail = [&](const std::string& why) -> std::optional<AnswerKeyFile> {
        if (error) *error = "line " + std::to_string(lineNumber) + ": " + why;
        return std::nullopt;
    };
    bool haveBook = false;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // editors may add a byte-order mark
    for (std::string_view raw : split(text, '\n')) {
        ++lineNumber;
        std::string_view line = trimmed(raw);
        if (line.empty() || line.front() == '#') continue;
        std::vector<std::string_view> fields = split(line, '\t');
        for (auto& field : fields) field = trimmed(field);
        if (!haveBook) {
            if (fields.size() != 2 || fields[0] != "book" || fields[1].empty())
                return fail("the first line must be \"book<TAB>short name\"");
            file.book = fields[1];
            haveBook = true;
            continue;
        }
        if (fields.size() != 6) return fail("a row has 6 fields separated by tabs");
        Line row;
        row.lineNumber = lineNumber;
        row.section = fields[0];
        std::optional<int> number = positive(fields[1]);
        if (!number) return fail("the number is not a whole number from 1");
        row.number = *number;
        if (fields[2] != "?") {
            row.type = typeCode(fields[2]);
            if (!*row.type) return fail("unknown question type \"" + std::string(fields[2]) + "\"");
        }
        if (fields[3] != "?") {
            row.page = positive(fields[3]);
            if (!row.page) return fail("the page is not a whole number from 1 or \"?\"");
        }
        if (fields[4] != "?") {
            if (fields[4].size() != 1 || fields[4][0] < 'A' || fields[4][0] > 'E')
                return fail("the answer is not one of A to E or \"?\"");
            row.answer = fields[4][0] - 'A' + 1;
        }
        if (fields[5] == "?") {
            row.tags = Tags::Unknown;
        } else if (fields[5] == "-") {
            row.tags = Tags::None;
        } else {
            row.tags = Tags::List;
            for (std::string_view tag : split(fields[5], ';')) {
                tag = trimmed(tag);
                if (tag.empty()) return fail("an empty tag");
                row.tagList.emplace_back(tag);
            }
        }
        file.lines.push_back(std::move(row));
    }
    if (!haveBook) return fail("no \"book\" line");
    return file;
}

std::string AnswerKeyFile::skeletonText(const BookSkeleton& book) {
    std::string text = "# Answer key of \"" + std::string(book.shortName) +
                       "\": numbers and types only. Fill in the pages, right answers and tags from\n"
                       "# the printed book (see README.md), then put the file in the documents folder's\n"
                       "# AnswerKeys folder.\n"
                       "book\t" +
                       book.shortName + "\n";
    for (const BookSkeleton::Section& section : book.sections) {
        text += "# section\tnumber\ttype\tpage\tanswer\ttags\n";
        std::vector<BookSkeleton::Row> rows = BookSkeleton::skeletonRows(section);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            bool passageTypeOpen = section.passageSizes.size() > 0 && i > 0;
            text += std::string(section.shortName) + "\t" + std::to_string(rows[i].number) + "\t" +
                    (passageTypeOpen ? "?" : *MBook::nameForType(rows[i].type)) + "\t?\t?\t?\n";
        }
    }
    return text;
}

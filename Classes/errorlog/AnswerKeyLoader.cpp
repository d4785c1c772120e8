#include "Classes/errorlog/AnswerKeyLoader.h"

#include <fstream>
#include <sstream>

#include "Classes/errorlog/AnswerKeyFile.h"
#include "Classes/errorlog/AnswerKeyValidator.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Paths.h"

namespace fs = std::filesystem;

namespace {

// Larger than any key; a bigger file is not one.
constexpr std::uintmax_t kMaxFileSize = 4 * 1024 * 1024;

}  // namespace

fs::path AnswerKeyLoader::userKeyPath(const BookSkeleton& book) {
    return fnd::Paths::documents() / kFolderName / book.keyFileName;
}

fs::path AnswerKeyLoader::shippedKeyPath(const BookSkeleton& book) {
    return fnd::Paths::resources() / kFolderName / book.keyFileName;
}

std::optional<std::vector<std::vector<BookSkeleton::Row>>> AnswerKeyLoader::rowsFromFile(
    const BookSkeleton& book, const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    auto reject = [&](const std::string& why) {
        fnd::Log::error("the answer key ", path.string(), " is not used: ", why);
        return std::nullopt;
    };
    std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size > kMaxFileSize) return reject("it cannot be read or is too large");
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in && !in.eof()) return reject("it cannot be read");

    std::string error;
    std::optional<AnswerKeyFile> file = AnswerKeyFile::parse(text.str(), &error);
    if (!file) return reject(error);
    AnswerKeyValidator::Result result = AnswerKeyValidator::check(book, *file);
    if (!result.ok()) {
        std::string why;
        for (const std::string& problem : result.problems) why += (why.empty() ? "" : "; ") + problem;
        return reject(why);
    }
    return std::move(result.sections);
}

std::vector<std::vector<BookSkeleton::Row>> AnswerKeyLoader::rowsForBook(const BookSkeleton& book) {
    if (auto rows = rowsFromFile(book, userKeyPath(book))) return std::move(*rows);
    if (auto rows = rowsFromFile(book, shippedKeyPath(book))) return std::move(*rows);
    std::vector<std::vector<BookSkeleton::Row>> sections;
    for (const BookSkeleton::Section& section : book.sections)
        sections.push_back(BookSkeleton::skeletonRows(section));
    return sections;
}

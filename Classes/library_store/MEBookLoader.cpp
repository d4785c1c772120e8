#include "Classes/library_store/MEBookLoader.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "Classes/library_store/MContainerReader.h"
#include "Classes/library_store/MContentReader.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MProductInfo.h"
#include "Classes/library_store/MStartItem.h"
#include "Classes/library_store/MTocReader.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"

namespace fs = std::filesystem;

namespace {

// The largest file of a book read into memory for parsing.
constexpr std::uintmax_t kMaxParsedFile = 16u << 20;

std::optional<std::string> readFile(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec) || fs::file_size(path, ec) > kMaxParsedFile) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Text appended after a "/" (never as a path that replaces the folder), normalised.
fs::path under(const fs::path& folder, const std::string& relative) {
    return fs::path(folder.string() + "/" + relative).lexically_normal();
}

// A package without a container, a package file, a spine or a page that the reading order
// names gives no book to read: installing it would only replace a readable one with an empty one.
bool hasPages(const MEBook& book) {
    return std::any_of(book.items().begin(), book.items().end(),
                       [](const auto& page) { return !page->fileName().empty(); });
}

}  // namespace

void MEBookLoader::loadData(const fs::path& folder, const MProductInfo& info) {
    currentBook_ = std::make_shared<MEBook>(info.productId());
    currentBook_->setImageName(info.buildIconNameForType(1, std::nullopt).value_or(""));
    currentBook_->setTitle(info.title());
    currentBook_->setDescription(info.description().value_or(""));
    currentBook_->setVersion(info.version());
    currentBook_->setSmartBookMode(info.smartBookMode());
    currentBook_->items().clear();
    bookFolder_ = folder.lexically_normal();
    rootPath_ = bookFolder_;
    leftFolder_ = false;

    MContainerReader(*this).parseData(readBookFile("META-INF/container.xml"));

    if (currentBook_->title().empty() || leftFolder_ || !hasPages(*currentBook_)) {
        if (leftFolder_)
            fnd::Log::error("the e-book ", info.productId(), " names a package outside its folder");
        else if (!currentBook_->title().empty())
            fnd::Log::error("the e-book ", info.productId(), " has no readable pages");
        currentBook_.reset();
        return;
    }
    fnd::RunLoop::main().performAndWait([this] { insertEBook(); });
}

std::optional<std::string> MEBookLoader::readBookFile(const std::string& relativeToRoot) const {
    fs::path path = under(rootPath_, relativeToRoot);
    if (!MEBook::isInsideFolder(path, bookFolder_)) return std::nullopt;
    return readFile(path);
}

void MEBookLoader::containerReaderFoundPath(MContainerReader&, const std::string& path) {
    fs::path package = under(bookFolder_, path);
    if (path.starts_with('/') || !MEBook::isInsideFolder(package, bookFolder_) || package == bookFolder_) {
        leftFolder_ = true;
        return;
    }
    std::string dataPath;
    if (std::size_t slash = path.rfind('/'); slash == std::string::npos)
        dataPath.clear();
    else if (slash + 1 == path.size())
        dataPath = path;  // a path ending in "/" stays whole
    else
        dataPath = path.substr(0, slash + 1);
    if (!dataPath.empty()) rootPath_ = under(rootPath_, dataPath);
    currentBook_->setDataPath(dataPath);
    MContentReader(*this).parseData(readFile(package));
}

void MEBookLoader::contentReaderFoundToc(MContentReader&, const std::string& path) {
    MTocReader(*this).parseData(readBookFile(path));
}

void MEBookLoader::insertEBook() {
    auto at = static_cast<std::size_t>(std::max(0, index_));
    list_.insert(list_.begin() + static_cast<std::ptrdiff_t>(std::min(at, list_.size())), currentBook_);
}

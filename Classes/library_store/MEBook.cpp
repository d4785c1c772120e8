#include "Classes/library_store/MEBook.h"

#include <algorithm>
#include <iterator>
#include <mutex>

#include "Classes/core/MRepository.h"
#include "Classes/library_store/MIBIndex.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

namespace fs = std::filesystem;

namespace {

// Text that may stand in an address as it is: printable ASCII but for blanks, quotes and the
// characters an address never holds unescaped.
bool isURLText(std::string_view text) {
    for (unsigned char c : text)
        if (c <= 0x20 || c >= 0x7f ||
            std::string_view("\"<>\\^`{|}").find(static_cast<char>(c)) != std::string_view::npos)
            return false;
    return true;
}

}  // namespace

MEBook::MEBook() { registerArchiveClass(); }

MEBook::MEBook(std::string productId) : productId_(std::move(productId)) { registerArchiveClass(); }

void MEBook::registerArchiveClass() {
    static std::once_flag once;
    std::call_once(once, [] {
        MStartSet::registerArchiveClass();
        fnd::ClassRegistry::shared().registerClass<MEBook>("MEBook", {"MStartSet", "NSObject"});
    });
}

bool MEBook::isInsideFolder(const fs::path& path, const fs::path& folder) {
    fs::path normal = path.lexically_normal();
    fs::path root = folder.lexically_normal();
    if (!normal.is_absolute() || !root.is_absolute()) return false;
    auto [rootEnd, pathAt] = std::mismatch(root.begin(), root.end(), normal.begin(), normal.end());
    // A trailing separator of the folder reads as an empty last part.
    return rootEnd == root.end() || (std::next(rootEnd) == root.end() && rootEnd->empty());
}

std::optional<fnd::URL> MEBook::URLForFileName(const std::string& fileName,
                                               const std::optional<std::string>& anchor) const {
    if (!isURLText(fileName) || (anchor && !isURLText(*anchor))) return std::nullopt;
    fs::path folder = MRepository::dataFolderPathForEBook(productId_);
    if (folder.empty()) return std::nullopt;
    fnd::URL base = fnd::URL::fileURL((folder / dataPath_).string() + "/");
    std::string relative = anchor ? fileName + "#" + *anchor : fileName;
    fnd::URL url(relative, base);
    if (!url.isFileURL() || !isInsideFolder(url.filePath(), folder)) return std::nullopt;
    return url;
}

void MEBook::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeString("productId", productId_);
    coder.encodeString("dataPath", dataPath_);
    coder.encodeString("subTitle", subTitle_);
    coder.encodeString("author", author_);
    coder.encodeInt32("version", version_);
    coder.encodeInt32("smartBookMode", smartBookMode_);
    MStartSet::encodeWithCoder(coder);
}

void MEBook::initWithCoder(fnd::KeyedUnarchiver& coder) {
    productId_ = coder.decodeString("productId").value_or("");
    dataPath_ = coder.decodeString("dataPath").value_or("");
    subTitle_ = coder.decodeString("subTitle").value_or("");
    author_ = coder.decodeString("author").value_or("");
    version_ = coder.containsValueForKey("version") ? coder.decodeInt32("version") : 1;
    smartBookMode_ = coder.containsValueForKey("smartBookMode") ? coder.decodeInt32("smartBookMode") : 0;
    MStartSet::initWithCoder(coder);
}

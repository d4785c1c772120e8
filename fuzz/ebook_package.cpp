// Any bytes as an unpacked e-book: the input is split at its first two NUL bytes into the container
// file, the package file and the table of contents, which the loader reads. Reading never crashes,
// every table-of-contents page lies in the reading order's files, and every page address that the
// book answers lies inside its folder.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MEBookLoader.h"
#include "Classes/library_store/MProductInfo.h"
#include "Classes/library_store/MStartItem.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fs::path documents =
        fs::temp_directory_path() / ("fuzz_ebook_package_" + std::to_string(::getpid()));
    static const bool ready = [] {
        fnd::Paths::setDocuments(documents);
        fnd::RunLoop::setMain(std::make_shared<fnd::RunLoop>());
        return true;
    }();
    (void)ready;
    const fs::path folder = documents / "eBooks" / "fuzz.book";
    std::error_code ec;
    fs::remove_all(documents, ec);

    std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (int i = 0; i < 2; ++i) {
        std::size_t nul = input.find('\0', start);
        if (nul == std::string::npos) break;
        parts.push_back(input.substr(start, nul - start));
        start = nul + 1;
    }
    parts.push_back(input.substr(start));
    // With one part it is the package, found through a fixed container.
    if (parts.size() == 1)
        parts.insert(parts.begin(), R"(<container><rootfile full-path="OPS/p.opf"/></container>)");
    fs::create_directories(folder / "META-INF");
    fs::create_directories(folder / "OPS");
    std::ofstream(folder / "META-INF/container.xml") << parts[0];
    std::ofstream(folder / "OPS/p.opf") << parts[1];
    if (parts.size() > 2) std::ofstream(folder / "OPS/toc.ncx") << parts[2];

    std::vector<std::shared_ptr<MEBook>> list;
    MEBookLoader loader(list);
    loader.loadData(folder, MProductInfo("fuzz.book", 1, 1, "Fuzz", "", "", ""));
    if (auto book = loader.currentBook()) {
        std::set<std::string> files;
        for (const auto& page : book->items())
            if (!page->isHidden()) files.insert(page->fileName());
        for (const auto& page : book->items()) {
            if (!files.count(page->fileName())) std::abort();
            if (auto url = book->URLForFileName(page->fileName(), page->anchor()))
                if (!MEBook::isInsideFolder(url->filePath(), folder)) std::abort();
        }
    }
    fs::remove_all(documents, ec);
    return 0;
}

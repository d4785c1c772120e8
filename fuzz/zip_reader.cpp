// Any bytes as a downloaded zip archive: opening and unpacking either succeed or fail, never
// crash, never write outside the target folder, and never write more than the limits allow.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "Classes/library_store/ZipArchive.h"

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fs::path root =
        fs::temp_directory_path() / ("fuzz_zip_reader_" + std::to_string(::getpid()));
    const fs::path archive = root / "input.zip";
    const fs::path target = root / "out" / "book";
    std::error_code ec;
    fs::remove_all(root, ec);
    fs::create_directories(root);
    std::ofstream(archive, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    ZipArchive zip;
    zip.setLimits({.maxEntryBytes = 1 << 20, .maxTotalBytes = 4 << 20, .maxEntries = 200});
    if (zip.UnzipOpenFile(archive)) {
        zip.UnzipFileTo(target, true);
        zip.UnzipCloseFile();
    }
    // Nothing but the archive and the target folder may exist under the root.
    for (const auto& entry : fs::directory_iterator(root)) {
        std::string name = entry.path().filename().string();
        if (name != "input.zip" && name != "out") std::abort();
    }
    if (fs::exists(root / "out")) {
        for (const auto& entry : fs::directory_iterator(root / "out"))
            if (entry.path().filename() != "book") std::abort();
        std::uintmax_t total = 0;
        for (const auto& entry : fs::recursive_directory_iterator(target))
            if (entry.is_regular_file()) total += entry.file_size();
        if (total > (4u << 20)) std::abort();
    }
    fs::remove_all(root, ec);
    return 0;
}

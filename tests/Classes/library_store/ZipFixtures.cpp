#include "tests/Classes/library_store/ZipFixtures.h"

#include <minizip/zip.h>

#include <fstream>
#include <iterator>

namespace zip_fixtures {

bool writeZip(const std::filesystem::path& path, const Entries& entries, bool store) {
    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    if (!zip) return false;
    bool ok = true;
    for (const auto& [name, content] : entries) {
        zip_fileinfo info{};
        info.tmz_date = {0, 0, 12, 15, 5, 2020};
        ok = ok && zipOpenNewFileInZip(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                       store ? 0 : Z_DEFLATED, store ? 0 : Z_DEFAULT_COMPRESSION) == ZIP_OK;
        ok = ok && zipWriteInFileInZip(zip, content.data(), static_cast<unsigned>(content.size())) == ZIP_OK;
        ok = ok && zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void damageCrc(const std::filesystem::path& path) {
    std::string bytes = readBytes(path);
    std::size_t local = bytes.find(std::string("PK\x03\x04", 4));
    std::size_t central = bytes.find(std::string("PK\x01\x02", 4));
    if (local == std::string::npos || central == std::string::npos) return;
    bytes[local + 14] = static_cast<char>(bytes[local + 14] ^ 0x5a);
    bytes[central + 16] = static_cast<char>(bytes[central + 16] ^ 0x5a);
    writeBytes(path, bytes);
}

void setRecordedSize(const std::filesystem::path& path, std::uint32_t size) {
    std::string bytes = readBytes(path);
    for (auto [signature, offset] :
         {std::pair{std::string("PK\x03\x04", 4), 22}, {std::string("PK\x01\x02", 4), 24}}) {
        std::size_t at = bytes.find(signature);
        if (at == std::string::npos) return;
        for (int i = 0; i < 4; ++i) bytes[at + offset + i] = static_cast<char>((size >> (8 * i)) & 0xff);
    }
    writeBytes(path, bytes);
}

Entries onePageBook(const std::string& page) {
    return {{"META-INF/container.xml", R"(<container><rootfile full-path="book.opf"/></container>)"},
            {"book.opf", R"(<package><manifest><item id="p" href="p.html"/></manifest>
                            <spine><itemref idref="p"/></spine></package>)"},
            {"p.html", page}};
}

}  // namespace zip_fixtures

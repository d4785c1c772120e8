#pragma once
// Zip archives made by the tests: any entry names (hostile ones included), written with minizip
// directly, and damage done to an archive's bytes.

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace zip_fixtures {

using Entries = std::vector<std::pair<std::string, std::string>>;

// Writes the entries in order (a name ending in "/" is a folder entry); false when minizip fails.
bool writeZip(const std::filesystem::path& path, const Entries& entries, bool store = false);
// The entries of the smallest book the loader reads: a container, a package and one page.
Entries onePageBook(const std::string& page = "<p>Angles</p>");
// The archive's bytes, and bytes written back.
std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);
// Changes the CRC that the first entry's local header and the central directory record, so that
// the entry reads whole and then fails its check.
void damageCrc(const std::filesystem::path& path);

// Changes the uncompressed size that the first entry's local header and the central directory
// record (the content stays as it is).
void setRecordedSize(const std::filesystem::path& path, std::uint32_t size);

}  // namespace zip_fixtures

#pragma once
// Reads pieces of a dictd dictionary's text from its dictzip file (".dict.dz"): a gzip file whose
// header carries a table of independently compressed chunks, so that a piece is found by
// inflating only the chunks it lies in. Every offset, size and count of the header is checked
// against the file; a file that is not a dictzip file, or a damaged one, opens as an error.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

class DictzipFile {
  public:
    // The longest piece read at once; dictionary entries are a few kilobytes.
    static constexpr std::uint64_t kMaximumRead = 1024 * 1024;

    // Nothing, with the reason in `error`, when the file cannot be read or is not dictzip.
    static std::optional<DictzipFile> open(const std::filesystem::path& path, std::string& error);

    // The uncompressed bytes [offset, offset + length); nothing, with the reason, when they lie
    // beyond the text, exceed kMaximumRead, or a chunk does not inflate to its full size.
    std::optional<std::string> read(std::uint64_t offset, std::uint64_t length, std::string& error);

    std::uint32_t chunkLength() const { return chunkLength_; }
    std::size_t chunkCount() const { return chunkOffsets_.size(); }

    DictzipFile(DictzipFile&&) = default;
    DictzipFile& operator=(DictzipFile&&) = default;

  private:
    DictzipFile() = default;
    std::optional<std::string> inflateChunk(std::size_t index, std::string& error);

    std::ifstream in_;
    std::uint32_t chunkLength_ = 0;
    // Where each chunk's compressed bytes begin in the file, and how many there are.
    std::vector<std::uint64_t> chunkOffsets_;
    std::vector<std::uint32_t> chunkSizes_;
    // The last chunk inflated, which the next read often needs again.
    std::size_t cachedIndex_ = SIZE_MAX;
    std::string cached_;
};

#pragma once
// The whole content of a file, read in one piece. A large file is read into memory mapped for it
// alone and backed by large pages where the system offers them: a fresh heap buffer of many
// megabytes is touched page by page, and at start-up those page faults cost more than the read.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "platform/foundation/LargePages.h"

namespace fnd {

class FileContents {
  public:
    // From this size on, the content gets memory of its own.
    static constexpr std::size_t kOwnMemoryFrom = LargePages::kSize;

    // The file's bytes as they were when it was opened; nothing when it cannot be opened or read
    // whole (also when it shrank while being read).
    static std::optional<FileContents> read(const std::filesystem::path& path);

    FileContents(FileContents&& other) noexcept;
    FileContents& operator=(FileContents&& other) noexcept;
    FileContents(const FileContents&) = delete;
    FileContents& operator=(const FileContents&) = delete;
    ~FileContents();

    std::span<const std::uint8_t> bytes() const { return {data_, size_}; }
    std::size_t size() const { return size_; }
    // Whether the bytes lie in memory of their own (for tests).
    bool hasOwnMemory() const { return mapped_ != 0; }

  private:
    FileContents() = default;
    void release();

    std::vector<std::uint8_t> small_;
    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t mapped_ = 0;  // the bytes asked of LargePages, 0 for a small file
};

}  // namespace fnd

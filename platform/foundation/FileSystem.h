#pragma once
// The few file operations a save makes, behind an interface so that tests can make any step fail
// or stop as a crash would. Every operation answers 0 or an errno value.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace fnd {

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Creates and opens for writing a new file in `folder` whose name is `prefix` followed by
    // characters that make it unique.
    virtual int createUnique(const std::filesystem::path& folder, const std::string& prefix, int& fd,
                             std::filesystem::path& created) = 0;
    // Writes all the bytes.
    virtual int write(int fd, std::span<const std::uint8_t> bytes) = 0;
    // Makes what was written to the file (or to the folder's entries) durable.
    virtual int sync(int fd) = 0;
    virtual int close(int fd) = 0;
    // Replaces `to` with `from` in one step.
    virtual int rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual int openFolder(const std::filesystem::path& folder, int& fd) = 0;
    virtual int remove(const std::filesystem::path& file) = 0;

    // The operating system's files.
    static FileSystem& standard();
};

}  // namespace fnd

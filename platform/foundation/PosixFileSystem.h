#pragma once
// FileSystem over the POSIX calls.

#include "platform/foundation/FileSystem.h"

namespace fnd {

class PosixFileSystem : public FileSystem {
  public:
    int createUnique(const std::filesystem::path& folder, const std::string& prefix, int& fd,
                     std::filesystem::path& created) override;
    int write(int fd, std::span<const std::uint8_t> bytes) override;
    int sync(int fd) override;
    int close(int fd) override;
    int rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    int openFolder(const std::filesystem::path& folder, int& fd) override;
    int remove(const std::filesystem::path& file) override;
};

}  // namespace fnd

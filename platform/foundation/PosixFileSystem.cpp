#include "platform/foundation/PosixFileSystem.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace fnd {

int PosixFileSystem::createUnique(const std::filesystem::path& folder, const std::string& prefix, int& fd,
                                  std::filesystem::path& created) {
    std::string pattern = (folder / (prefix + "XXXXXX")).string();
    fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return errno;
    created = pattern;
    return 0;
}

int PosixFileSystem::write(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return 0;
}

int PosixFileSystem::sync(int fd) { return ::fsync(fd) == 0 ? 0 : errno; }

// Not retried on EINTR: on Linux the descriptor is released even then.
int PosixFileSystem::close(int fd) { return ::close(fd) == 0 || errno == EINTR ? 0 : errno; }

int PosixFileSystem::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int PosixFileSystem::openFolder(const std::filesystem::path& folder, int& fd) {
    fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd < 0 ? errno : 0;
}

int PosixFileSystem::remove(const std::filesystem::path& file) {
    return ::unlink(file.c_str()) == 0 ? 0 : errno;
}

}  // namespace fnd

#include "platform/foundation/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace fnd {

FolderLock::~FolderLock() { release(); }

FolderLock::Outcome FolderLock::acquire(const std::filesystem::path& folder, const std::string& name) {
    release();
    holderNote_.clear();
    error_.clear();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        error_ = "cannot make " + folder.string() + ": " + ec.message();
        return Outcome::Failed;
    }
    const std::filesystem::path file = folder / name;
    // Close-on-exec: a child process must not inherit the lock and keep it after this one ends.
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        error_ = "cannot open " + file.string() + ": " + std::strerror(errno);
        return Outcome::Failed;
    }
    int locked;
    do locked = ::flock(fd, LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        if (errno != EWOULDBLOCK) {
            error_ = "cannot lock " + file.string() + ": " + std::strerror(errno);
            ::close(fd);
            return Outcome::Failed;
        }
        char buffer[512];
        ssize_t n = ::pread(fd, buffer, sizeof buffer, 0);
        if (n > 0) holderNote_.assign(buffer, static_cast<std::size_t>(n));
        ::close(fd);
        return Outcome::HeldElsewhere;
    }
    fd_ = fd;
    // The note may say where the holder can be reached, with its credentials: for the owner only.
    ::fchmod(fd_, 0600);
    setNote({});
    return Outcome::Acquired;
}

bool FolderLock::setNote(const std::string& note) {
    if (fd_ < 0) return false;
    if (::ftruncate(fd_, 0) != 0) return false;
    return ::pwrite(fd_, note.data(), note.size(), 0) == static_cast<ssize_t>(note.size());
}

void FolderLock::release() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
}

}  // namespace fnd

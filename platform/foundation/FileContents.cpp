#include "platform/foundation/FileContents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/foundation/LargePages.h"

namespace fnd {

namespace {

// Closes the descriptor when the read ends, however it ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

// Reads exactly `size` bytes; false at an error or an early end of the file.
bool readFully(int fd, std::uint8_t* into, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        ssize_t n = ::read(fd, into + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::optional<FileContents> FileContents::read(const std::filesystem::path& path) {
    Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) return std::nullopt;
    FileContents contents;
    contents.size_ = static_cast<std::size_t>(info.st_size);
    if (contents.size_ >= kOwnMemoryFrom) {
        contents.data_ = static_cast<std::uint8_t*>(LargePages::map(contents.size_));
        if (contents.data_) contents.mapped_ = contents.size_;
    }
    if (!contents.mapped_) {
        contents.small_.resize(contents.size_);
        contents.data_ = contents.small_.data();
    }
    if (!readFully(file.fd, contents.data_, contents.size_)) return std::nullopt;
    return contents;
}

FileContents::FileContents(FileContents&& other) noexcept { *this = std::move(other); }

FileContents& FileContents::operator=(FileContents&& other) noexcept {
    if (this == &other) return *this;
    release();
    small_ = std::move(other.small_);
    size_ = std::exchange(other.size_, 0);
    mapped_ = std::exchange(other.mapped_, 0);
    data_ = mapped_ ? std::exchange(other.data_, nullptr) : small_.data();
    other.data_ = nullptr;
    return *this;
}

FileContents::~FileContents() { release(); }

void FileContents::release() {
    if (mapped_) LargePages::unmap(data_, mapped_);
    mapped_ = 0;
    data_ = nullptr;
    size_ = 0;
    small_.clear();
}

}  // namespace fnd

#include "platform/display/AccessFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <system_error>

#include "platform/display/AccessPolicy.h"

namespace display {

namespace {

bool isToken(const std::string& text) {
    return text.size() == 32 && std::all_of(text.begin(), text.end(), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c));
           });
}

}  // namespace

std::optional<AccessFile::Access> AccessFile::loadOrMake(const std::filesystem::path& file, bool renew,
                                                         std::string& error) {
    Access access;
    std::ifstream in(file);
    std::string token;
    std::string port;
    std::getline(in, token);
    std::getline(in, port);
    long number = std::strtol(port.c_str(), nullptr, 10);
    if (number > 0 && number <= 65535) access.port = static_cast<unsigned short>(number);
    // A token others could read may have been read: it is replaced by a private one.
    struct stat status {};
    if (!renew && isToken(token) && ::stat(file.c_str(), &status) == 0 && (status.st_mode & 077) == 0) {
        access.token = token;
        return access;
    }
    access.token = AccessPolicy::makeToken();
    if (!save(file, access, error)) return std::nullopt;
    return access;
}

// Written beside the file and renamed over it, so that a crash leaves the old content or the new;
// the new file is private from its creation, never readable by others for a moment.
bool AccessFile::save(const std::filesystem::path& file, const Access& access, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    const std::filesystem::path temporary = file.string() + ".new-" + std::to_string(::getpid());
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = "cannot write " + file.string() + ": " + std::strerror(errno);
        return false;
    }
    const std::string content = access.token + "\n" + std::to_string(access.port) + "\n";
    bool written = ::fchmod(fd, 0600) == 0 &&
                   ::write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size()) &&
                   ::fsync(fd) == 0;
    ::close(fd);
    if (!written || ::rename(temporary.c_str(), file.c_str()) != 0) {
        error = "cannot write " + file.string() + ": " + std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace display

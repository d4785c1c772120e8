#include "Classes/library_store/ZipArchive.h"

#include <fcntl.h>
#include <minizip/unzip.h>
#include <minizip/zip.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/foundation/Log.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kChunk = 4096;

bool isFolder(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() == fs::file_type::directory;
}

// Creates `relative` folder by folder under `root`; refuses any part that exists as something
// else than a real folder (a symbolic link among them).
bool makeFolders(const fs::path& root, const fs::path& relative) {
    fs::path at = root;
    for (const fs::path& part : relative) {
        at /= part;
        std::error_code ec;
        fs::file_status status = fs::symlink_status(at, ec);
        if (status.type() == fs::file_type::not_found) {
            if (!fs::create_directory(at, ec) && !isFolder(at)) return false;
        } else if (status.type() != fs::file_type::directory) {
            return false;
        }
    }
    return true;
}

std::timespec entryTime(const tm_unz& date) {
    std::tm local{};
    local.tm_sec = static_cast<int>(date.tm_sec);
    local.tm_min = static_cast<int>(date.tm_min);
    local.tm_hour = static_cast<int>(date.tm_hour);
    local.tm_mday = static_cast<int>(date.tm_mday);
    local.tm_mon = static_cast<int>(date.tm_mon);
    local.tm_year = static_cast<int>(date.tm_year) - 1900;
    local.tm_isdst = -1;
    return std::timespec{std::mktime(&local), 0};
}

}  // namespace

ZipArchive::ZipArchive() = default;

ZipArchive::~ZipArchive() {
    if (zipFile_) CloseZipFile2();
    if (unzFile_) UnzipCloseFile();
}

std::optional<fs::path> ZipArchive::safeRelativePath(std::string_view name) {
    if (name.empty() || name.find('\0') != std::string_view::npos) return std::nullopt;
    std::string text(name);
    for (char& c : text)
        if (c == '\\') c = '/';
    if (text.front() == '/') return std::nullopt;
    if (text.size() >= 2 && text[1] == ':') return std::nullopt;
    if (text.back() == '/') text.pop_back();
    fs::path relative;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find('/', start);
        std::string_view part =
            std::string_view(text).substr(start, end == std::string::npos ? end : end - start);
        if (part.empty() || part == "..") return std::nullopt;
        if (part != ".") relative /= std::string(part);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    if (relative.empty()) return std::nullopt;
    return relative;
}

bool ZipArchive::UnzipOpenFile(const fs::path& path) {
    if (unzFile_) UnzipCloseFile();
    unzFile_ = unzOpen64(path.c_str());
    if (!unzFile_) return false;
    unz_global_info64 info{};
    if (unzGetGlobalInfo64(unzFile_, &info) == UNZ_OK)
        fnd::Log::debug(static_cast<long long>(info.number_entry), " entries in the zip file");
    return true;
}

bool ZipArchive::UnzipOpenFile(const fs::path& path, const std::string& password) {
    password_ = password;
    return UnzipOpenFile(path);
}

bool ZipArchive::UnzipFileTo(const fs::path& folder, bool overWrite) {
    if (!unzFile_) {
        OutputErrorMessage("Failed");
        return false;
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!isFolder(folder)) {
        OutputErrorMessage("Failed");
        return false;
    }
    if (unzGoToFirstFile(unzFile_) != UNZ_OK) {
        OutputErrorMessage("Failed");
        return false;
    }
    std::uint64_t total = 0;
    std::uint64_t entries = 0;
    for (int step = UNZ_OK; step == UNZ_OK; step = unzGoToNextFile(unzFile_)) {
        if (++entries > limits_.maxEntries) {
            OutputErrorMessage("Too many entries in the zip file");
            return false;
        }
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(unzFile_, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
            OutputErrorMessage("Error occurs while getting file info");
            return false;
        }
        std::vector<char> name(info.size_filename + 1, '\0');
        if (unzGetCurrentFileInfo64(unzFile_, &info, name.data(), static_cast<uLong>(name.size()), nullptr, 0,
                                    nullptr, 0) != UNZ_OK) {
            OutputErrorMessage("Error occurs while getting file info");
            return false;
        }
        std::string_view entryName(name.data(), info.size_filename);
        std::optional<fs::path> relative = safeRelativePath(entryName);
        if (!relative) {
            OutputErrorMessage("Refused entry name: " +
                               std::string(entryName.substr(0, entryName.find('\0'))));
            return false;
        }
        if (info.uncompressed_size > limits_.maxEntryBytes ||
            info.uncompressed_size > limits_.maxTotalBytes - std::min(total, limits_.maxTotalBytes)) {
            OutputErrorMessage("Entry too large: " + relative->string());
            return false;
        }
        bool isDirectory = entryName.back() == '/' || entryName.back() == '\\';
        if (!makeFolders(folder, isDirectory ? *relative : relative->parent_path())) {
            OutputErrorMessage("Cannot create the folder of " + relative->string());
            return false;
        }
        if (isDirectory) continue;

        fs::path target = folder / *relative;
        if (!overWrite && fs::exists(fs::symlink_status(target, ec)) && !OverWrite(target)) continue;

        int opened = password_ ? unzOpenCurrentFilePassword(unzFile_, password_->c_str())
                               : unzOpenCurrentFile(unzFile_);
        if (opened != UNZ_OK) {
            OutputErrorMessage("Error occurs");
            return false;
        }
        bool copied = copyEntry(target, info.uncompressed_size, total);
        int closed = unzCloseCurrentFile(unzFile_);
        if (!copied) return false;
        if (closed != UNZ_OK) {
            OutputErrorMessage(closed == UNZ_CRCERROR ? "Bad CRC in " + relative->string()
                                                      : "Failed to reading zip file");
            return false;
        }
        std::timespec times[2] = {entryTime(info.tmu_date), entryTime(info.tmu_date)};
        if (utimensat(AT_FDCWD, target.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
            fnd::Log::warning("Failed to set attributes");
    }
    return true;
}

bool ZipArchive::copyEntry(const fs::path& target, std::uint64_t declaredSize, std::uint64_t& total) {
    int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        OutputErrorMessage("Cannot write " + target.string() + ": " + std::strerror(errno));
        return false;
    }
    char buffer[kChunk];
    std::uint64_t written = 0;
    bool ok = true;
    while (true) {
        int read = unzReadCurrentFile(unzFile_, buffer, sizeof buffer);
        if (read < 0) {
            OutputErrorMessage("Failed to reading zip file");
            ok = false;
            break;
        }
        if (read == 0) break;
        written += static_cast<std::uint64_t>(read);
        total += static_cast<std::uint64_t>(read);
        if (written > declaredSize || written > limits_.maxEntryBytes || total > limits_.maxTotalBytes) {
            OutputErrorMessage("Entry too large: " + target.filename().string());
            ok = false;
            break;
        }
        for (int at = 0; at < read;) {
            ssize_t n = ::write(fd, buffer + at, static_cast<std::size_t>(read - at));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                OutputErrorMessage("Cannot write " + target.string());
                ok = false;
                break;
            }
            at += static_cast<int>(n);
        }
        if (!ok) break;
    }
    if (ok && written != declaredSize) {
        OutputErrorMessage("Failed to reading zip file");
        ok = false;
    }
    if (::close(fd) != 0) ok = false;
    return ok;
}

bool ZipArchive::UnzipCloseFile() {
    password_.reset();
    if (!unzFile_) return true;
    int result = unzClose(unzFile_);
    unzFile_ = nullptr;
    return result == UNZ_OK;
}

bool ZipArchive::CreateZipFile2(const fs::path& path) {
    if (zipFile_) CloseZipFile2();
    zipFile_ = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    return zipFile_ != nullptr;
}

bool ZipArchive::CreateZipFile2(const fs::path& path, const std::string& password) {
    password_ = password;
    return CreateZipFile2(path);
}

bool ZipArchive::addFileToZip(const fs::path& file, const std::string& newname) {
    if (!zipFile_) return false;
    zip_fileinfo info{};
    struct stat attributes {};
    if (::stat(file.c_str(), &attributes) == 0) {
        std::tm local{};
        localtime_r(&attributes.st_mtime, &local);
        info.tmz_date.tm_sec = static_cast<uInt>(local.tm_sec);
        info.tmz_date.tm_min = static_cast<uInt>(local.tm_min);
        info.tmz_date.tm_hour = static_cast<uInt>(local.tm_hour);
        info.tmz_date.tm_mday = static_cast<uInt>(local.tm_mday);
        info.tmz_date.tm_mon = static_cast<uInt>(local.tm_mon);
        info.tmz_date.tm_year = static_cast<uInt>(local.tm_year + 1900);
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;

    int opened;
    if (password_) {
        uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size()));
        opened = zipOpenNewFileInZip3(zipFile_, newname.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                      Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0, 15, 8, Z_DEFAULT_STRATEGY,
                                      password_->c_str(), crc);
    } else {
        opened = zipOpenNewFileInZip(zipFile_, newname.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                     Z_DEFLATED, Z_DEFAULT_COMPRESSION);
    }
    if (opened != ZIP_OK) return false;
    bool wrote = zipWriteInFileInZip(zipFile_, bytes.data(), static_cast<unsigned>(bytes.size())) == ZIP_OK;
    bool closed = zipCloseFileInZip(zipFile_) == ZIP_OK;
    return wrote && closed;
}

bool ZipArchive::CloseZipFile2() {
    password_.reset();
    if (!zipFile_) return false;
    int result = zipClose(zipFile_, nullptr);
    zipFile_ = nullptr;
    return result == ZIP_OK;
}

fnd::Date ZipArchive::Date1980() {
    std::tm local{};
    local.tm_mday = 1;
    local.tm_year = 80;
    local.tm_isdst = -1;
    return fnd::Date::fromUnix(static_cast<double>(std::mktime(&local)));
}

void ZipArchive::OutputErrorMessage(const std::string& message) {
    if (delegate_) delegate_->ErrorMessage(message);
}

bool ZipArchive::OverWrite(const fs::path& path) {
    return delegate_ ? delegate_->OverWriteOperation(path) : true;
}

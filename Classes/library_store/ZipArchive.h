#pragma once
// A zip archive over minizip: unpacks a whole archive into a folder, and writes an archive file by
// file. Operations answer true on success; error texts go to an optional delegate.
//
// Unpacking is strict, since the archives come from the network: an entry whose name is absolute,
// carries a drive prefix or a NUL, or has an empty or ".." part fails the whole unpack, as does an
// existing symbolic link on the way to an entry; "\" separates folders like "/". The uncompressed
// bytes of one entry, of all entries, and the number of entries are bounded. A read error, a
// truncated entry or a bad CRC fails the unpack. What was written before a failure stays in the
// target folder; the caller removes it.
//
// An instance is used by one thread at a time.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Date.h"

class ZipArchive {
  public:
    class Delegate {
      public:
        virtual ~Delegate() = default;
        virtual void ErrorMessage(const std::string& message) { (void)message; }
        // Whether an existing file may be replaced when overwriting is off.
        virtual bool OverWriteOperation(const std::filesystem::path& path) {
            (void)path;
            return true;
        }
    };

    struct Limits {
        std::uint64_t maxEntryBytes = 500ull << 20;
        std::uint64_t maxTotalBytes = 500ull << 20;
        std::uint64_t maxEntries = 20000;
    };

    ZipArchive();
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // ---- Reading
    bool UnzipOpenFile(const std::filesystem::path& path);
    bool UnzipOpenFile(const std::filesystem::path& path, const std::string& password);
    // Every entry into the folder (created when missing). Entry files get the entry's date.
    bool UnzipFileTo(const std::filesystem::path& folder, bool overWrite);
    // True when closed cleanly or when nothing was open.
    bool UnzipCloseFile();

    // ---- Writing
    bool CreateZipFile2(const std::filesystem::path& path);
    bool CreateZipFile2(const std::filesystem::path& path, const std::string& password);
    // The file as a deflated entry named `newname`, dated with the file's modification time.
    bool addFileToZip(const std::filesystem::path& file, const std::string& newname);
    // False when no archive is open for writing.
    bool CloseZipFile2();

    // 1 January 1980, local time: the earliest date an entry can hold.
    static fnd::Date Date1980();

    // Whether an entry name unpacks inside its target folder; the name as a relative path when it
    // does. A trailing "/" (a folder entry) is allowed.
    static std::optional<std::filesystem::path> safeRelativePath(std::string_view name);

    void setDelegate(std::shared_ptr<Delegate> delegate) { delegate_ = std::move(delegate); }
    const std::shared_ptr<Delegate>& delegate() const { return delegate_; }
    void setLimits(const Limits& limits) { limits_ = limits; }
    const Limits& limits() const { return limits_; }

  private:
    void OutputErrorMessage(const std::string& message);
    bool OverWrite(const std::filesystem::path& path);
    // Copies the open entry into the file; false on a read or write error or past a limit.
    bool copyEntry(const std::filesystem::path& target, std::uint64_t declaredSize, std::uint64_t& total);

    void* zipFile_ = nullptr;
    void* unzFile_ = nullptr;
    std::optional<std::string> password_;
    std::shared_ptr<Delegate> delegate_;
    Limits limits_;
};

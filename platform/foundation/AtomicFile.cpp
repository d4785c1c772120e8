#include "platform/foundation/AtomicFile.h"

#include <cstring>

#include "platform/foundation/Log.h"

namespace fnd {

namespace {
std::string temporaryPrefix(const std::filesystem::path& target) {
    return "." + target.filename().string() + ".saving-";
}

// A failure of a step; `code` is its error number, or 0 when the step failed without one.
AtomicFile::Result failure(const std::filesystem::path& target, const char* step, int code) {
    AtomicFile::Result result;
    result.error = "could not save " + target.string() + ": " + step;
    if (code) result.error += std::string(": ") + std::strerror(code);
    Log::error(result.error);
    return result;
}
}  // namespace

AtomicFile::Result AtomicFile::write(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                                     FileSystem& files) {
    return writeProduced(
        target, [bytes](const Piece& piece) { return piece(bytes); }, files);
}

AtomicFile::Result AtomicFile::writeProduced(const std::filesystem::path& target, const Producer& produce,
                                             FileSystem& files) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::filesystem::path temporary;
    int fd = -1;
    if (int e = files.createUnique(folder, temporaryPrefix(target), fd, temporary))
        return failure(target, "creating a temporary file", e);

    // Until the rename, a failure discards the temporary file and leaves the target untouched.
    auto discard = [&](const char* step, int code, bool open) {
        if (open) files.close(fd);
        if (int e = files.remove(temporary))
            Log::warning("could not remove ", temporary.string(), ": ", std::strerror(e));
        return failure(target, step, code);
    };
    int writeError = 0;
    bool made = false;
    try {
        made = produce([&](std::span<const std::uint8_t> bytes) {
            if (!writeError) writeError = files.write(fd, bytes);
            return writeError == 0;
        });
    } catch (...) {
        discard("making the contents", 0, true);
        throw;
    }
    if (writeError) return discard("writing", writeError, true);
    if (!made) return discard("making the contents", 0, true);
    if (int e = files.sync(fd)) return discard("syncing the file", e, true);
    if (int e = files.close(fd)) return discard("closing the file", e, false);
    if (int e = files.rename(temporary, target)) return discard("replacing the file", e, false);

    // The new file is in place; only its durability is left to secure.
    int folderFd = -1;
    if (int e = files.openFolder(folder, folderFd))
        return failure(target, "opening the folder to sync it", e);
    int synced = files.sync(folderFd);
    files.close(folderFd);
    if (synced) return failure(target, "syncing the folder", synced);
    return Result{true, {}};
}

int AtomicFile::removeLeftovers(const std::filesystem::path& target, FileSystem& files) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    const std::string prefix = temporaryPrefix(target);
    int removed = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        if (!it->is_regular_file(ec)) continue;
        if (int e = files.remove(it->path()))
            Log::warning("could not remove ", it->path().string(), ": ", std::strerror(e));
        else
            ++removed;
    }
    return removed;
}

}  // namespace fnd

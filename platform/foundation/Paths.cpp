#include "platform/foundation/Paths.h"

#include <unistd.h>

#include <cstdlib>
#include <mutex>

#include "platform/foundation/Log.h"

#ifndef ORVA_SOURCE_RESOURCES
#define ORVA_SOURCE_RESOURCES "resources"
#endif

namespace fs = std::filesystem;

namespace fnd {

namespace {
std::mutex pathsMutex;
fs::path documentsFolder;
fs::path temporaryFolder;
fs::path resourcesFolder;

// Folders are kept absolute from the moment they are set: a relative one would mean another place
// after a change of the working folder, and paths built on it would fail every "inside this folder"
// test, which only absolute paths pass.
// An empty folder stays empty: it stands for the default.
fs::path absoluteFolder(const fs::path& folder) {
    if (folder.empty()) return folder;
    std::error_code ec;
    fs::path absolute = fs::absolute(folder, ec);
    if (ec) {
        Log::error("cannot find where ", folder.string(), " is: ", ec.message());
        return folder;
    }
    return absolute.lexically_normal();
}

fs::path ensured(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) Log::error("cannot create ", folder.string(), ": ", ec.message());
    return folder;
}
}  // namespace

fs::path Paths::defaultDocuments(const char* xdgDataHome, const char* home) {
    if (xdgDataHome && *xdgDataHome) return fs::path(xdgDataHome) / "orvakit";
    if (home && *home) return fs::path(home) / ".local" / "share" / "orvakit";
    return fs::current_path() / "orvakit-data";
}

fs::path Paths::documents() {
    std::lock_guard lock(pathsMutex);
    if (documentsFolder.empty())
        documentsFolder = absoluteFolder(defaultDocuments(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
    return ensured(documentsFolder);
}

void Paths::setDocuments(const fs::path& folder) {
    std::lock_guard lock(pathsMutex);
    documentsFolder = absoluteFolder(folder);
}

fs::path Paths::temporary() {
    std::lock_guard lock(pathsMutex);
    if (temporaryFolder.empty())
        temporaryFolder = fs::temp_directory_path() / ("orvakit-" + std::to_string(::getpid()));
    return ensured(temporaryFolder);
}

void Paths::setTemporary(const fs::path& folder) {
    std::lock_guard lock(pathsMutex);
    temporaryFolder = absoluteFolder(folder);
}

fs::path Paths::resources() {
    std::lock_guard lock(pathsMutex);
    if (resourcesFolder.empty()) resourcesFolder = absoluteFolder(ORVA_SOURCE_RESOURCES);
    return resourcesFolder;
}

void Paths::setResources(const fs::path& folder) {
    std::lock_guard lock(pathsMutex);
    resourcesFolder = absoluteFolder(folder);
}

}  // namespace fnd

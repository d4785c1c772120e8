#include "platform/display/ServedFiles.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/display/AccessPolicy.h"

namespace fs = std::filesystem;

namespace display {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The canonical form of a folder, or an empty path when it does not exist.
fs::path canonicalFolder(const fs::path& folder) {
    std::error_code ec;
    fs::path canonical = fs::canonical(folder, ec);
    if (ec || !fs::is_directory(canonical, ec)) return {};
    return canonical;
}

}  // namespace

ServedFiles::ServedFiles(fs::path webFolder, fs::path fontsFolder)
    : webFolder_(std::move(webFolder)), fontsFolder_(std::move(fontsFolder)) {}

std::string ServedFiles::randomName() { return AccessPolicy::makeToken(); }

std::string ServedFiles::serveFolder(const fs::path& folder, std::vector<std::string> alsoFrom) {
    std::string name = randomName();
    std::lock_guard lock(mutex_);
    folders_[name] = Folder{folder, std::move(alsoFrom)};
    return "/s/" + name + "/";
}

void ServedFiles::stopServingFolder(const std::string& prefix) {
    auto segments = pathSegments(prefix);
    if (!segments || segments->size() != 2 || (*segments)[0] != "s") return;
    std::lock_guard lock(mutex_);
    folders_.erase((*segments)[1]);
    // Documents placed in the folder go with it.
    for (auto it = documents_.begin(); it != documents_.end();) {
        if (it->first.starts_with(prefix))
            it = documents_.erase(it);
        else
            ++it;
    }
}

std::string ServedFiles::serveDocument(std::string body, std::string contentType,
                                       const std::string& folderPrefix, const std::string& name,
                                       std::string contentPolicy) {
    std::string base = folderPrefix.empty() ? std::string("/d/") : folderPrefix;
    if (!base.ends_with('/')) base += '/';
    bool named = !folderPrefix.empty() && !name.empty() && name.find('/') == std::string::npos;
    std::string path = base + (named ? name : randomName());
    std::lock_guard lock(mutex_);
    documents_[path] = Document{std::move(body), std::move(contentType), std::move(contentPolicy)};
    return path;
}

void ServedFiles::withdrawDocument(const std::string& path) {
    std::lock_guard lock(mutex_);
    documents_.erase(path);
}

bool ServedFiles::contains(const fs::path& folder, const fs::path& path) {
    auto p = path.begin();
    for (auto d = folder.begin(); d != folder.end(); ++d, ++p) {
        if (p == path.end() || *p != *d) return false;
    }
    return true;
}

std::optional<std::string> ServedFiles::percentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '%') {
            if (i + 2 >= text.size()) return std::nullopt;
            int hi = hexValue(text[i + 1]), lo = hexValue(text[i + 2]);
            if (hi < 0 || lo < 0) return std::nullopt;
            c = static_cast<char>(hi * 16 + lo);
            i += 2;
        }
        if (c == '\0') return std::nullopt;
        out += c;
    }
    return out;
}

std::optional<std::vector<std::string>> ServedFiles::pathSegments(std::string_view path) {
    if (path.empty() || path.front() != '/') return std::nullopt;
    // Decoded before splitting, so an escaped slash separates like a slash and an escaped ".."
    // is still "..".
    auto decoded = percentDecode(path);
    if (!decoded) return std::nullopt;
    std::vector<std::string> segments;
    std::string_view rest = *decoded;
    while (!rest.empty()) {
        auto slash = rest.find('/');
        std::string_view segment = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
        if (segment.empty() || segment == ".") continue;
        if (segment == "..") return std::nullopt;
        segments.emplace_back(segment);
    }
    return segments;
}

std::string ServedFiles::contentTypeFor(const fs::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    static const std::map<std::string, std::string> types = {
        {".html", "text/html; charset=utf-8"},
        {".htm", "text/html; charset=utf-8"},
        {".js", "text/javascript; charset=utf-8"},
        {".mjs", "text/javascript; charset=utf-8"},
        {".css", "text/css; charset=utf-8"},
        {".json", "application/json"},
        {".txt", "text/plain; charset=utf-8"},
        {".xml", "application/xml"},
        {".svg", "image/svg+xml"},
        {".png", "image/png"},
        {".jpg", "image/jpeg"},
        {".jpeg", "image/jpeg"},
        {".gif", "image/gif"},
        {".ico", "image/x-icon"},
        {".ttf", "font/ttf"},
        {".otf", "font/otf"},
        {".woff", "font/woff"},
        {".woff2", "font/woff2"},
        {".mp3", "audio/mpeg"},
        {".wav", "audio/wav"},
        {".caf", "audio/x-caf"},
        {".m4a", "audio/mp4"},
        {".pdf", "application/pdf"},
    };
    auto it = types.find(ext);
    return it == types.end() ? "application/octet-stream" : it->second;
}

ServedFiles::Resolution ServedFiles::fileIn(const fs::path& folder, const std::vector<std::string>& segments,
                                            std::size_t first) const {
    Resolution result;
    fs::path root = canonicalFolder(folder);
    if (root.empty()) return result;
    fs::path candidate = root;
    for (std::size_t i = first; i < segments.size(); ++i) candidate /= segments[i];
    std::error_code ec;
    fs::path found = fs::canonical(candidate, ec);
    if (!ec && fs::is_directory(found, ec)) found = fs::canonical(found / "index.html", ec);
    // Links are resolved by canonical(): one that leads out of the folder lands outside it here.
    if (ec || !contains(root, found) || !fs::is_regular_file(found, ec)) return result;
    result.kind = Resolution::Kind::File;
    result.file = found;
    result.contentType = contentTypeFor(found);
    return result;
}

ServedFiles::Resolution ServedFiles::resolve(std::string_view target) {
    std::string_view path = target.substr(0, target.find_first_of("?#"));
    auto segments = pathSegments(path);
    if (!segments) {
        Resolution bad;
        bad.kind = Resolution::Kind::BadPath;
        return bad;
    }

    std::unique_lock lock(mutex_);
    if (auto doc = documents_.find(std::string(path)); doc != documents_.end()) {
        Resolution result;
        result.kind = Resolution::Kind::Document;
        result.needsToken = false;
        result.body = doc->second.body;
        result.contentType = doc->second.contentType;
        result.contentPolicy = doc->second.contentPolicy;
        return result;
    }
    if (segments->size() >= 2 && (*segments)[0] == "s") {
        auto folder = folders_.find((*segments)[1]);
        if (folder == folders_.end()) return Resolution{};
        Folder served = folder->second;
        lock.unlock();
        Resolution result = fileIn(served.path, *segments, 2);
        if (result.kind == Resolution::Kind::NotFound && segments->size() == 3)
            for (const std::string& sub : served.alsoFrom) {
                result = fileIn(served.path / sub, *segments, 2);
                if (result.kind == Resolution::Kind::File) break;
            }
        result.needsToken = false;
        return result;
    }
    lock.unlock();
    if (!segments->empty() && (*segments)[0] == "fonts") return fileIn(fontsFolder_, *segments, 1);
    return fileIn(webFolder_, *segments, 0);
}

}  // namespace display

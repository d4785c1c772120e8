#pragma once
// What the display's server answers a request path with: files of the served folders, and
// documents placed at addresses of their own. No path leaves its folder: the path is percent-decoded,
// ".." is refused outright, and the file found must lie inside the folder after every link is
// resolved. Safe to use from any thread.

#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace display {

class ServedFiles {
  public:
    struct Resolution {
        enum class Kind { File, Document, NotFound, BadPath };
        Kind kind = Kind::NotFound;
        // Only the addresses handed out by serveFolder and serveDocument are open without the
        // token: their random part is the proof.
        bool needsToken = true;
        std::filesystem::path file;
        std::string body;  // a document's text
        std::string contentType;
        std::string contentPolicy;  // a document's Content-Security-Policy; empty: none of its own
    };

    // The front end's folder (its index.html answers "/") and the fonts under "/fonts/".
    ServedFiles(std::filesystem::path webFolder, std::filesystem::path fontsFolder);

    // Serves a further folder under a fresh address ("/s/<random>/") that is its own proof; answers
    // the address, which ends in "/". Web views serve their base folder this way. A name asked for
    // at the folder's top that is not there is looked for in the subfolders `alsoFrom`, in order:
    // the bundle keeps its images in a folder of their own, while pages name them as if at its top.
    std::string serveFolder(const std::filesystem::path& folder, std::vector<std::string> alsoFrom = {});
    void stopServingFolder(const std::string& prefix);
    // A document at a fresh address that is never used again: under a folder's address when given
    // (so that its relative addresses reach that folder; with `name` it stands for the folder's
    // file of that name there), else under "/d/". It is answered until withdrawn (or its folder
    // stops being served): a frame that the browser loads again (a tab that takes over, a frame
    // moved in the page) gets it again. A content policy, when given, is sent with it.
    std::string serveDocument(std::string body, std::string contentType, const std::string& folderPrefix = {},
                              const std::string& name = {}, std::string contentPolicy = {});
    void withdrawDocument(const std::string& path);

    // Looks up the path of a request target (a query is ignored).
    Resolution resolve(std::string_view target);

    // Decodes %XX escapes; nothing for a malformed escape or a NUL byte.
    static std::optional<std::string> percentDecode(std::string_view text);
    // The path's segments, without empty and "." segments; nothing for a malformed path or one
    // with a ".." segment (also when escaped).
    static std::optional<std::vector<std::string>> pathSegments(std::string_view path);
    // Whether `path` is `folder` or lies below it (both already canonical).
    static bool contains(const std::filesystem::path& folder, const std::filesystem::path& path);
    // The Content-Type for a file name, by its extension.
    static std::string contentTypeFor(const std::filesystem::path& file);

  private:
    struct Document {
        std::string body;
        std::string contentType;
        std::string contentPolicy;
    };

    static std::string randomName();
    Resolution fileIn(const std::filesystem::path& folder, const std::vector<std::string>& segments,
                      std::size_t first) const;

    std::filesystem::path webFolder_;
    std::filesystem::path fontsFolder_;
    std::mutex mutex_;
    struct Folder {
        std::filesystem::path path;
        std::vector<std::string> alsoFrom;
    };

    std::map<std::string, Folder> folders_;      // random name -> folder
    std::map<std::string, Document> documents_;  // path -> document
};

}  // namespace display

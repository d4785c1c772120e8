#pragma once
// Keeps the display's access token, and the port it was last served on, in a file, so that the
// printed address, an open tab and a bookmark stay good across restarts. The file is readable by
// its owner only (mode 0600): the token is what proves a request comes from whoever runs the
// program.

#include <filesystem>
#include <optional>
#include <string>

namespace display {

class AccessFile {
  public:
    struct Access {
        std::string token;
        unsigned short port = 0;  // 0: none served on yet
    };

    // The access kept in `file`. A fresh token is made and written (with the folders above it) when
    // the file is missing, holds no token, could be read by others, or `renew` asks for a new one;
    // the port is kept all the same. None, with `error` set, when the file can be neither read nor
    // written.
    static std::optional<Access> loadOrMake(const std::filesystem::path& file, bool renew,
                                            std::string& error);
    // Replaces the file's content with `access`.
    static bool save(const std::filesystem::path& file, const Access& access, std::string& error);
};

}  // namespace display

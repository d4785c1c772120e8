#pragma once
// Where the program keeps things: the user's documents, temporary files and the bundle's resources.
// Each folder is kept as an absolute, normal path (made so from the working folder when it is set),
// so that every path built on it can be compared with another.

#include <filesystem>

namespace fnd {

class Paths {
  public:
    // The documents folder: set by the program's option, else $XDG_DATA_HOME/orvakit, else
    // ~/.local/share/orvakit. Created when first asked for.
    static std::filesystem::path documents();
    static void setDocuments(const std::filesystem::path& folder);
    // A folder of this process under the system's temporary folder. Created when first asked for.
    static std::filesystem::path temporary();
    static void setTemporary(const std::filesystem::path& folder);
    // The bundle's resource folder (the resources/ the program was built with, unless set).
    static std::filesystem::path resources();
    static void setResources(const std::filesystem::path& folder);

    // The default documents folder for the given environment values (either may be null).
    static std::filesystem::path defaultDocuments(const char* xdgDataHome, const char* home);
};

}  // namespace fnd

#pragma once
// Checks interface files without an owner: that each is well formed, names registered view classes
// with properties they know, and binds only outlets and actions that the registered table of its
// owner class declares, each outlet to an object of a class it takes.

#include <filesystem>
#include <string>
#include <vector>

namespace ui {

class NibValidator {
  public:
    // The problems of one file; none when it is sound.
    static std::vector<std::string> validateFile(const std::filesystem::path& path);
    // The problems of every ".json" file in the folder (other files are left alone). A folder that
    // does not exist is a problem; an empty one is sound.
    static std::vector<std::string> validateFolder(const std::filesystem::path& folder);
};

}  // namespace ui

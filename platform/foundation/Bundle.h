#pragma once
// The program's bundle: its resource folder and the information file (Info.json) in it.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace fnd {

class Bundle {
  public:
    // The subfolder that holds the images, which are named as if they lay at the folder's top.
    static constexpr const char* kImageFolder = "images";

    static Bundle main();

    explicit Bundle(std::filesystem::path resourceFolder);

    const std::filesystem::path& resourcePath() const { return folder_; }
    // The path of NAME.TYPE (TYPE may be empty) in the folder or one of its subfolders given;
    // nothing when there is no such file.
    std::optional<std::filesystem::path> pathForResource(const std::string& name, const std::string& type,
                                                         const std::string& subfolder = {}) const;
    // A resource read whole as text; nothing when it is missing.
    std::optional<std::string> textResource(const std::string& name, const std::string& type) const;

    // A value of the information file ("CFBundleVersion", "CFBundleIdentifier"); empty when absent.
    std::string infoValue(const std::string& key) const;
    // A list of texts of the information file; an entry that is no text reads as empty, and a key
    // that is absent or holds no list gives an empty list.
    std::vector<std::string> infoTextList(const std::string& key) const;
    std::string version() const { return infoValue("CFBundleVersion"); }

    // The text for a key in a string table of the bundle ("Localizable.json": an object of key to
    // text); the key itself when the table or the key is not there.
    std::string localizedString(const std::string& key, const std::string& table = "Localizable") const;
    std::string identifier() const { return infoValue("CFBundleIdentifier"); }

  private:
    std::filesystem::path folder_;
};

}  // namespace fnd

#include "platform/ui/NibValidator.h"

#include <algorithm>

#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Nib.h"

namespace fs = std::filesystem;

namespace ui {

std::vector<std::string> NibValidator::validateFile(const fs::path& path) {
    Nib::Problems problems;
    std::shared_ptr<const Nib> nib = Nib::read(path, problems);
    if (!nib) return problems;
    const ConnectionTable* owner = ConnectionTable::ownerNamed(nib->ownerClass());
    if (!owner) {
        problems.push_back(nib->name() + ": owner class \"" + nib->ownerClass() + "\" is not registered");
        nib->instantiate(nullptr, problems);  // still check the views
        return problems;
    }
    nib->check(*owner, problems);
    return problems;
}

std::vector<std::string> NibValidator::validateFolder(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return {folder.string() + ": no such folder"};
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".json") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<std::string> problems;
    for (const fs::path& file : files) {
        std::vector<std::string> found = validateFile(file);
        problems.insert(problems.end(), found.begin(), found.end());
    }
    if (ec) problems.push_back(folder.string() + ": " + ec.message());
    return problems;
}

}  // namespace ui

#include "platform/foundation/Bundle.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "platform/foundation/Paths.h"

namespace fs = std::filesystem;

namespace fnd {

Bundle Bundle::main() { return Bundle(Paths::resources()); }

Bundle::Bundle(fs::path resourceFolder) : folder_(std::move(resourceFolder)) {}

std::optional<fs::path> Bundle::pathForResource(const std::string& name, const std::string& type,
                                                const std::string& subfolder) const {
    if (name.empty() || name.find("..") != std::string::npos) return std::nullopt;
    fs::path p = folder_;
    if (!subfolder.empty()) p /= subfolder;
    p /= type.empty() ? name : name + "." + type;
    std::error_code ec;
    if (!fs::is_regular_file(p, ec)) return std::nullopt;
    return p;
}

std::optional<std::string> Bundle::textResource(const std::string& name, const std::string& type) const {
    auto p = pathForResource(name, type);
    if (!p) return std::nullopt;
    std::ifstream in(*p, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Bundle::infoValue(const std::string& key) const {
    auto text = textResource("Info", "json");
    if (!text) return {};
    auto info = nlohmann::json::parse(*text, nullptr, false);
    if (!info.is_object() || !info.contains(key) || !info[key].is_string()) return {};
    return info[key].get<std::string>();
}

}  // namespace fnd

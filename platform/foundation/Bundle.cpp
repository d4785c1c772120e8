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

namespace {

// The information file's value under the key; null when the file, or the key, is not there.
nlohmann::json infoEntry(const Bundle& bundle, const std::string& key) {
    auto text = bundle.textResource("Info", "json");
    if (!text) return nullptr;
    auto info = nlohmann::json::parse(*text, nullptr, false);
    if (!info.is_object() || !info.contains(key)) return nullptr;
    return info[key];
}

}  // namespace

std::string Bundle::infoValue(const std::string& key) const {
    nlohmann::json value = infoEntry(*this, key);
    return value.is_string() ? value.get<std::string>() : std::string();
}

std::vector<std::string> Bundle::infoTextList(const std::string& key) const {
    nlohmann::json value = infoEntry(*this, key);
    std::vector<std::string> texts;
    if (!value.is_array()) return texts;
    for (const auto& entry : value)
        texts.push_back(entry.is_string() ? entry.get<std::string>() : std::string());
    return texts;
}

std::string Bundle::localizedString(const std::string& key, const std::string& table) const {
    auto text = textResource(table, "json");
    if (!text) return key;
    auto strings = nlohmann::json::parse(*text, nullptr, false);
    if (!strings.is_object()) return key;
    auto it = strings.find(key);
    return it != strings.end() && it->is_string() ? it->get<std::string>() : key;
}

}  // namespace fnd

#include "platform/foundation/HTTPHeaders.h"

#include <algorithm>
#include <cctype>

namespace fnd {

bool HTTPHeaders::sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

void HTTPHeaders::set(std::string_view name, std::string value) {
    auto first =
        std::find_if(fields_.begin(), fields_.end(), [&](const Field& f) { return sameName(f.first, name); });
    if (first == fields_.end()) {
        fields_.emplace_back(std::string(name), std::move(value));
        return;
    }
    first->second = std::move(value);
    fields_.erase(
        std::remove_if(first + 1, fields_.end(), [&](const Field& f) { return sameName(f.first, name); }),
        fields_.end());
}

void HTTPHeaders::add(std::string name, std::string value) {
    fields_.emplace_back(std::move(name), std::move(value));
}

void HTTPHeaders::remove(std::string_view name) {
    std::erase_if(fields_, [&](const Field& f) { return sameName(f.first, name); });
}

std::optional<std::string> HTTPHeaders::value(std::string_view name) const {
    for (const auto& [n, v] : fields_)
        if (sameName(n, name)) return v;
    return std::nullopt;
}

}  // namespace fnd

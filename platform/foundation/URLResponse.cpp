#include "platform/foundation/URLResponse.h"

#include <algorithm>
#include <cctype>

namespace fnd {

std::string URLResponse::mimeType() const {
    std::string type = headers_.value("Content-Type").value_or("");
    type = type.substr(0, type.find(';'));
    auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    type.erase(type.begin(), std::find_if_not(type.begin(), type.end(), blank));
    type.erase(std::find_if_not(type.rbegin(), type.rend(), blank).base(), type.end());
    std::transform(type.begin(), type.end(), type.begin(), [](unsigned char c) { return std::tolower(c); });
    return type;
}

}  // namespace fnd

#include "platform/foundation/URLResponse.h"

#include <algorithm>
#include <cctype>

namespace fnd {

namespace {

// Lower-cased, without surrounding blanks and quotes.
std::string cleaned(std::string text) {
    auto blank = [](unsigned char c) { return std::isspace(c) != 0 || c == '"' || c == '\''; };
    text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), blank));
    text.erase(std::find_if_not(text.rbegin(), text.rend(), blank).base(), text.end());
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

}  // namespace

std::string URLResponse::mimeType() const {
    std::string type = headers_.value("Content-Type").value_or("");
    return cleaned(type.substr(0, type.find(';')));
}

std::string URLResponse::textEncodingName() const {
    std::string type = headers_.value("Content-Type").value_or("");
    for (std::size_t at = type.find(';'); at != std::string::npos;) {
        std::size_t next = type.find(';', at + 1);
        std::string parameter = type.substr(at + 1, next == std::string::npos ? next : next - at - 1);
        std::size_t equals = parameter.find('=');
        if (equals != std::string::npos && cleaned(parameter.substr(0, equals)) == "charset")
            return cleaned(parameter.substr(equals + 1));
        at = next;
    }
    return {};
}

}  // namespace fnd

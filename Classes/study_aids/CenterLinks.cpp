#include "Classes/study_aids/CenterLinks.h"

#include <algorithm>
#include <cstdio>

#include "platform/foundation/PercentEscaping.h"

namespace {

// What a map's query value keeps unescaped besides the unreserved characters.
constexpr const char* kMapValueKeeps = "/@,";

std::string mapValue(const std::string& text) { return fnd::percentEscapeStrict(text, kMapValueKeeps); }

}  // namespace

std::string CenterLinks::coordinateText(const loc::Location& location) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%f,%f", location.latitude(), location.longitude());
    return buffer;
}

std::string CenterLinks::webMap(const std::string& base, const std::string& address,
                                const loc::Location& location) {
    if (base.empty()) return {};
    std::string root = base;
    while (!root.empty() && root.back() == '/') root.pop_back();
    std::string coordinates = coordinateText(location);
    std::string query = address;
    std::replace(query.begin(), query.end(), '(', '/');
    std::replace(query.begin(), query.end(), ')', '/');
    query += "@" + coordinates;
    return root + "/maps?ll=" + mapValue(coordinates) + "&q=" + mapValue(query) +
           "&spn=" + mapValue(kWebMapSpan);
}

std::string CenterLinks::telephone(const std::string& tel) {
    return tel.empty() ? std::string() : fnd::percentEscapeURL("tel://" + tel);
}

std::string CenterLinks::skype(const std::string& name) {
    return name.empty() ? std::string() : fnd::percentEscapeURL("skype://" + name);
}

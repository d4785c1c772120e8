#pragma once
// The three links of the centre map that leave the program: the centre on the web map, a call to
// its telephone and a Skype call to its provider. Each is a complete address, or empty when there
// is nothing to open (no web map configured, no number, no Skype name).

#include <optional>
#include <string>

#include "platform/location/Location.h"

class CenterLinks {
  public:
    // The bundle's information key of the web map's base address (scheme, host, optional port).
    static constexpr const char* kWebMapAddressKey = "WebMapAddress";
    static constexpr const char* kWebMapSpan = "0.01,0.01";

    // "<base>/maps?ll=LAT,LON&q=ADDRESS@LAT,LON&spn=0.01,0.01", the address's parentheses written
    // as "/". Each value is escaped as a query value (keeping "/", "@" and ","), so that "&", "#"
    // or "+" in an address stay part of it.
    static std::string webMap(const std::string& base, const std::string& address,
                              const loc::Location& location);
    // "tel://NUMBER" and "skype://NAME", escaped as whole addresses (blanks become "%20").
    static std::string telephone(const std::string& tel);
    static std::string skype(const std::string& name);
    // The coordinate text of the web map: "%f,%f".
    static std::string coordinateText(const loc::Location& location);
};

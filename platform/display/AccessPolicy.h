#pragma once
// Who may use the display's server. The server listens on the loopback interface only, but any
// page the browser shows could still reach it: a random token (in the printed address, then in a
// cookie) proves that a request comes from whoever ran the program, the Host header must name
// the loopback interface (a foreign name means DNS rebinding), and a WebSocket must come from a
// page of the display's own origin.

#include <string>
#include <string_view>

namespace display {

class AccessPolicy {
  public:
    AccessPolicy(std::string token, unsigned short port);

    // A fresh token of 128 random bits from the system's random source, as 32 hex digits.
    static std::string makeToken();

    const std::string& token() const { return token_; }
    unsigned short port() const { return port_; }

    // 127.0.0.1, localhost or [::1] with the server's port.
    bool hostAllowed(std::string_view host) const;
    // "http://" and an allowed host; "null" (a sandboxed frame) and any other site are refused.
    bool originAllowed(std::string_view origin) const;

    // The token given as the "token" query parameter of a request target ("/x?token=...").
    bool tokenInTarget(std::string_view target) const;
    // The token given in the Cookie header.
    bool tokenInCookies(std::string_view cookieHeader) const;
    // A request that proves itself with the cookie alone must come from the display's own page or
    // from the address bar: the browser's Sec-Fetch-Site (absent in older browsers and other
    // clients) is then "same-origin" or "none", never a request made by another site or a frame.
    static bool cookieRequestSiteAllowed(std::string_view secFetchSite);

    // The cookie carries the port in its name: cookies are not scoped by port, and two programs on
    // different ports must not overwrite each other's token.
    std::string cookieName() const;
    std::string setCookieHeader() const;

  private:
    bool matches(std::string_view candidate) const;

    std::string token_;
    unsigned short port_;
};

}  // namespace display

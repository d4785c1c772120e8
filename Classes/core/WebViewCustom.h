#pragma once
// What the program's page screens ask of a web view beyond the view itself: the text the person
// selected in the page, and links that leave the program for the store or a video site.

#include <string>
#include <string_view>
#include <vector>

namespace fnd {
class URL;
}
namespace ui {
class WebView;
}

class WebViewCustom {
  public:
    // The hosts whose pages open outside the program: the application store's web pages and the
    // video site. A subdomain of one counts as the host.
    static const std::vector<std::string>& externalHosts();

    // The page's selected text; empty when nothing is selected (or there is no page).
    static std::string selectedText(ui::WebView& webView);

    // For an http or https address on one of the external hosts: hands it to the system to open
    // outside the program and answers true, so that the caller does not load it. Any other
    // address answers false and is left to the caller.
    static bool checkNopenExternally(const fnd::URL& url);
    // Whether the address is one checkNopenExternally would open outside.
    static bool isExternal(const fnd::URL& url);
};

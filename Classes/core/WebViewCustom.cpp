#include "Classes/core/WebViewCustom.h"

#include <algorithm>
#include <cctype>

#include "platform/foundation/URL.h"
#include "platform/ui/Application.h"
#include "platform/ui/WebView.h"

namespace {

std::string lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A host name as it stands: letters, digits, dots and hyphens. Anything else (an escape, a
// backslash) may be read as another host by whoever opens the address.
bool isPlainHostName(std::string_view host) {
    return !host.empty() && std::all_of(host.begin(), host.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '.' || c == '-';
    });
}

}  // namespace

const std::vector<std::string>& WebViewCustom::externalHosts() {
    static const std::vector<std::string> hosts = {"itunes.apple.com", "youtube.com"};
    return hosts;
}

std::string WebViewCustom::selectedText(ui::WebView& webView) {
    return webView.stringByEvaluatingJavaScript("window.getSelection().toString()");
}

bool WebViewCustom::isExternal(const fnd::URL& url) {
    std::string scheme = url.scheme();
    if (scheme != "http" && scheme != "https") return false;
    // The authority as written: a user part could make the address name a host other than ours.
    std::string specifier = url.resourceSpecifier();
    std::string_view authority(specifier);
    if (!authority.starts_with("//")) return false;
    authority.remove_prefix(2);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    if (authority.find('@') != std::string_view::npos) return false;

    std::string host = lowercase(url.host());
    if (!isPlainHostName(host)) return false;
    return std::any_of(externalHosts().begin(), externalHosts().end(), [&host](const std::string& listed) {
        return host == listed || (host.size() > listed.size() && host.ends_with("." + listed));
    });
}

bool WebViewCustom::checkNopenExternally(const fnd::URL& url) {
    if (!isExternal(url)) return false;
    ui::Application::shared().openURL(url);
    return true;
}

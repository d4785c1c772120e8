#include "Classes/forum_news/ForumRequests.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/DeviceHardware.h"
#include "Classes/core/MRepository.h"
#include "Classes/forum_news/ForumAddress.h"
#include "platform/foundation/Bundle.h"

std::string ForumRequests::myAgent() {
    return DeviceHardware::modelName() + kProductMark + AbstractAppDelegate::version();
}

std::string ForumRequests::userAgent(const fnd::URLRequest& request) {
    std::string before = request.headerValue(kUserAgent).value_or("");
    if (before.empty()) {
        before = fnd::Bundle::main().infoValue("CFBundleName") + "/" + AbstractAppDelegate::version() + " (" +
                 DeviceHardware::platform() + ")";
    }
    return before + kProductMark + AbstractAppDelegate::version();
}

void ForumRequests::setHeaderFields(fnd::URLRequest& request) {
    request.setHeaderValue(kUserAgent, userAgent(request));
    request.setHeaderValue(kMyAgent, myAgent());
}

void ForumRequests::tryAutoLogin(fnd::URLRequest& request, const std::string& base,
                                 const std::optional<std::string>& login,
                                 const std::optional<std::string>& password) {
    if (!login || !password || base.empty() || request.url().absoluteString() != base) return;
    std::string body = "username=" + MRepository::urlEncodeValue(*login) +
                       "&password=" + MRepository::urlEncodeValue(*password) + "&login=Login";
    request.setURL(fnd::URL(ForumAddress::loginTarget(base)));
    request.setMethod("POST");
    request.setHeaderValue("Content-Length", std::to_string(body.size()));
    request.setHeaderValue("Content-Type", "application/x-www-form-urlencoded");
    request.setBody(std::move(body));
}

std::map<std::string, std::string> ForumRequests::paramsFromRequest(const fnd::URLRequest& request) {
    std::map<std::string, std::string> params;
    const std::string& body = request.body();
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t end = body.find('&', start);
        if (end == std::string::npos) end = body.size();
        std::string part = body.substr(start, end - start);
        if (std::size_t eq = part.find('='); eq != std::string::npos) {
            std::string value = part.substr(eq + 1);
            // Forms send blanks as "+"; a "+" typed in a field arrives escaped.
            for (char& c : value)
                if (c == '+') c = ' ';
            params[part.substr(0, eq)] = MRepository::urlDecodeValue(value);
        }
        start = end + 1;
    }
    return params;
}

std::optional<ForumRequests::Login> ForumRequests::capturedLogin(const fnd::URLRequest& request,
                                                                 const std::string& base) {
    if (request.method() != "POST" || !ForumAddress::isLoginTarget(request.url().absoluteString(), base))
        return std::nullopt;
    auto params = paramsFromRequest(request);
    if (params["autologin"] != "on" || params["username"].empty() || params["password"].empty())
        return std::nullopt;
    return Login{params["username"], params["password"]};
}

bool ForumRequests::loadsAsItIs(const fnd::URLRequest& request, fnd::URLRequest::NavigationType navigation,
                                const std::string& base) {
    if (request.headerValue(kMyAgent) == myAgent()) return true;
    return navigation == fnd::URLRequest::NavigationType::Other &&
           !ForumAddress::isRoot(request.url().absoluteString(), base);
}

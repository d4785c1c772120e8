#include "Classes/errorlog/RequestManager.h"

#include "platform/foundation/Json.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/URLConnection.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"
#include "platform/ui/Make.h"

std::string RequestManager::formBody(const Parameters& parameters) {
    std::string body;
    for (const auto& [name, value] : parameters) {
        std::string text = value.isString() ? value.asString() : fnd::Json::write(value).value_or("null");
        if (!body.empty()) body += "&";
        body += fnd::percentEscapeValue(name) + "=" + fnd::percentEscapeValue(text);
    }
    return body;
}

void RequestManager::sendRequest(const std::string& method, Parameters parameters,
                                 std::shared_ptr<RPCCaller> caller) {
    if (!isConfigured()) {
        fnd::Log::warning("sync request ", method, " not sent: ", kNotConfigured);
        alert("Sync is not available", kNotConfigured);
        if (caller) caller->callMethod(method, kNotConfigured);
        return;
    }
    parameters["device_udid"] = ui::Device::current().uniqueIdentifier();
    fnd::URLRequest request(fnd::URL(baseAddress_ + "/" + method + ".cgi"));
    request.setFormBody(formBody(parameters));
    auto self = sharedAs<RequestManager>();
    if (!self || request.url().isEmpty()) {
        fnd::Log::error("Failure to create URL connection.");
        if (caller) caller->callMethod(method, "Failure to create URL connection.");
        return;
    }
    std::shared_ptr<fnd::URLConnection> connection = fnd::URLConnection::start(std::move(request), self);
    pending_[connection.get()] = Pending{method, std::move(caller), {}, {}};
    ui::Application::shared().setNetworkActivityIndicatorVisible(true);
}

void RequestManager::didReceiveResponse(fnd::URLConnection& connection, const fnd::URLResponse& response) {
    auto it = pending_.find(&connection);
    if (it == pending_.end()) return;
    it->second.mimeType = response.mimeType();
    it->second.content.clear();
}

void RequestManager::didReceiveData(fnd::URLConnection& connection, const std::string& data) {
    if (auto it = pending_.find(&connection); it != pending_.end()) it->second.content += data;
}

void RequestManager::didFail(fnd::URLConnection& connection, const fnd::URLError& error) {
    auto it = pending_.find(&connection);
    if (it == pending_.end()) return;
    Pending pending = std::move(it->second);
    finish(connection);
    alert("Communication with server failed", error.description());
    if (pending.caller) pending.caller->callMethod(pending.method, error.description());
}

void RequestManager::didFinishLoading(fnd::URLConnection& connection) {
    auto it = pending_.find(&connection);
    if (it == pending_.end()) return;
    Pending pending = std::move(it->second);
    finish(connection);
    if (pending.mimeType == "text/json") {
        if (pending.caller) pending.caller->processResult(fnd::Json::parse(pending.content), pending.method);
    } else {
        alert("Communication wisth server failed", "Server response is unsuported");
        if (pending.caller) pending.caller->callMethod(pending.method, "The response is unsuported");
    }
}

void RequestManager::finish(fnd::URLConnection& connection) {
    pending_.erase(&connection);
    ui::Application::shared().setNetworkActivityIndicatorVisible(!pending_.empty());
}

void RequestManager::alert(const std::string& title, const std::string& message) {
    ui::make<ui::AlertView>(title, message, std::weak_ptr<ui::AlertViewDelegate>(), "Ok",
                            std::vector<std::string>{})
        ->show();
}

#pragma once
// Posts form-encoded requests to "<base address>/<method>.cgi" of the sync back-end and hands the
// JSON replies to their callers. Several requests may be pending at once; the network activity
// indicator is on while any is. Failures are shown in an alert and told to the caller. Main thread.

#include <map>
#include <memory>
#include <string>

#include "Classes/errorlog/RPCCaller.h"
#include "platform/foundation/JsonValue.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/URLConnectionDelegate.h"

class RequestManager : public fnd::Object, public fnd::URLConnectionDelegate {
  public:
    // Parameters by name; texts are sent as they are, other values as compact JSON.
    using Parameters = std::map<std::string, fnd::JsonValue, std::less<>>;

    static constexpr const char* kNotConfigured = "No sync service is configured.";

    // An empty base address: no back-end is configured, and every request fails at once.
    explicit RequestManager(std::string baseAddress) : baseAddress_(std::move(baseAddress)) {}

    bool isConfigured() const { return !baseAddress_.empty(); }
    // Sends the method with the parameters and the device's identifier ("device_udid"). Without a
    // configured back-end nothing is sent: the failure is shown and told to the caller.
    void sendRequest(const std::string& method, Parameters parameters, std::shared_ptr<RPCCaller> caller);
    // The form body of the parameters, each name and value escaped as a value.
    static std::string formBody(const Parameters& parameters);
    std::size_t pendingRequests() const { return pending_.size(); }

    void didReceiveResponse(fnd::URLConnection& connection, const fnd::URLResponse& response) override;
    void didReceiveData(fnd::URLConnection& connection, const std::string& data) override;
    void didFail(fnd::URLConnection& connection, const fnd::URLError& error) override;
    void didFinishLoading(fnd::URLConnection& connection) override;

  private:
    struct Pending {
        std::string method;
        std::shared_ptr<RPCCaller> caller;
        std::string mimeType;
        std::string content;
    };
    void finish(fnd::URLConnection& connection);
    static void alert(const std::string& title, const std::string& message);

    std::string baseAddress_;
    std::map<const fnd::URLConnection*, Pending> pending_;
};

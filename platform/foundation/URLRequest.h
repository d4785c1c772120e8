#pragma once
// What to load: address, method, header fields, body, and for a web view's request the kind of
// navigation that made it.

#include <cstddef>
#include <string>

#include "platform/foundation/HTTPHeaders.h"
#include "platform/foundation/URL.h"

namespace fnd {

class URLRequest {
  public:
    enum class NavigationType { LinkClicked, FormSubmitted, BackForward, Reload, FormResubmitted, Other };

    URLRequest() = default;
    explicit URLRequest(URL url) : url_(std::move(url)) {}

    const URL& url() const { return url_; }
    void setURL(URL url) { url_ = std::move(url); }

    // "GET" unless set.
    const std::string& method() const { return method_; }
    void setMethod(std::string method) { method_ = std::move(method); }

    const HTTPHeaders& headers() const { return headers_; }
    HTTPHeaders& headers() { return headers_; }
    std::optional<std::string> headerValue(std::string_view name) const { return headers_.value(name); }
    void setHeaderValue(std::string_view name, std::string value) { headers_.set(name, std::move(value)); }

    const std::string& body() const { return body_; }
    void setBody(std::string body) { body_ = std::move(body); }
    // A form post: method "POST", the body (already escaped, "a=1&b=2") and its content type.
    void setFormBody(std::string body);

    NavigationType navigationType() const { return navigationType_; }
    void setNavigationType(NavigationType type) { navigationType_ = type; }
    // A web view's request that the person's own tap or key press made (a link they tapped, a form
    // they submitted with its key), not one that a script of the page started.
    bool isUserGesture() const { return userGesture_; }
    void setUserGesture(bool gesture) { userGesture_ = gesture; }

    // Seconds without any progress after which the load fails as timed out.
    double timeout() const { return timeout_; }
    void setTimeout(double seconds) { timeout_ = seconds; }

    // Largest reply body accepted, in bytes; 0 means the session's default.
    std::size_t maximumBodySize() const { return maximumBodySize_; }
    void setMaximumBodySize(std::size_t bytes) { maximumBodySize_ = bytes; }

  private:
    URL url_;
    std::string method_ = "GET";
    HTTPHeaders headers_;
    std::string body_;
    NavigationType navigationType_ = NavigationType::Other;
    bool userGesture_ = false;
    double timeout_ = 60.0;
    std::size_t maximumBodySize_ = 0;
};

}  // namespace fnd

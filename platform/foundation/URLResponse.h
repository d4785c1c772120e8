#pragma once
// A reply's head: the address it finally came from (after redirects), status and header fields.

#include <string>

#include "platform/foundation/HTTPHeaders.h"
#include "platform/foundation/URL.h"

namespace fnd {

class URLResponse {
  public:
    URLResponse() = default;
    URLResponse(URL url, int statusCode, HTTPHeaders headers)
        : url_(std::move(url)), statusCode_(statusCode), headers_(std::move(headers)) {}

    const URL& url() const { return url_; }
    int statusCode() const { return statusCode_; }
    const HTTPHeaders& headers() const { return headers_; }
    // The content type without parameters, lower-cased ("text/json"); empty when not given.
    std::string mimeType() const;
    // The content type's "charset" parameter, lower-cased ("iso-8859-1"); empty when not given.
    std::string textEncodingName() const;

  private:
    URL url_;
    int statusCode_ = 0;
    HTTPHeaders headers_;
};

}  // namespace fnd

#pragma once
// What a URLConnection tells its delegate, on the main run loop. A load that succeeds gives the
// response, then the body as data (when it has one), then finished; one that fails gives only
// failed, so nothing of a broken reply ever reaches the delegate.

#include <string>

#include "platform/foundation/URLError.h"
#include "platform/foundation/URLResponse.h"

namespace fnd {

class URLConnection;

class URLConnectionDelegate {
  public:
    virtual ~URLConnectionDelegate() = default;

    virtual void didReceiveResponse(URLConnection&, const URLResponse&) {}
    virtual void didReceiveData(URLConnection&, const std::string&) {}
    virtual void didFinishLoading(URLConnection&) {}
    virtual void didFail(URLConnection&, const URLError&) {}
};

}  // namespace fnd

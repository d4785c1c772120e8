#pragma once
// An asynchronous load whose results come to a delegate on the main run loop, and a synchronous
// load for worker threads. A started connection keeps itself and its delegate alive until it has
// told the delegate how it ended, or until it is cancelled.

#include <memory>

#include "platform/foundation/Object.h"
#include "platform/foundation/URLConnectionDelegate.h"
#include "platform/foundation/URLRequest.h"
#include "platform/foundation/URLSession.h"

namespace fnd {

class RunLoop;

class URLConnection : public Object {
  public:
    // Starts loading at once, in `session` (the shared one when none is given).
    static std::shared_ptr<URLConnection> start(URLRequest request,
                                                std::shared_ptr<URLConnectionDelegate> delegate,
                                                std::shared_ptr<URLSession> session = nullptr);
    // Loads and waits; for worker threads, never the main thread's run loop work.
    static URLSession::Result sendSynchronousRequest(URLRequest request,
                                                     std::shared_ptr<URLSession> session = nullptr);

    // Main thread. Nothing more reaches the delegate, which is let go.
    void cancel();
    bool isLoading() const { return loading_; }
    const URLRequest& request() const { return request_; }

    // Use start().
    URLConnection(URLRequest request, std::shared_ptr<URLConnectionDelegate> delegate,
                  std::shared_ptr<URLSession> session);

  private:
    void deliver(URLSession::Result result);

    URLRequest request_;
    std::shared_ptr<URLConnectionDelegate> delegate_;
    std::shared_ptr<URLSession> session_;
    URLSession::TaskId task_ = 0;
    bool loading_ = true;
    bool cancelled_ = false;
};

}  // namespace fnd

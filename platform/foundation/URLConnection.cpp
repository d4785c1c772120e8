#include "platform/foundation/URLConnection.h"

#include "platform/foundation/RunLoop.h"

namespace fnd {

URLConnection::URLConnection(URLRequest request, std::shared_ptr<URLConnectionDelegate> delegate,
                             std::shared_ptr<URLSession> session)
    : request_(std::move(request)), delegate_(std::move(delegate)), session_(std::move(session)) {}

std::shared_ptr<URLConnection> URLConnection::start(URLRequest request,
                                                    std::shared_ptr<URLConnectionDelegate> delegate,
                                                    std::shared_ptr<URLSession> session) {
    if (!session) session = URLSession::shared();
    auto connection = std::make_shared<URLConnection>(request, std::move(delegate), session);
    std::weak_ptr<RunLoop> loop = RunLoop::mainShared();
    connection->task_ = session->load(std::move(request), [connection, loop](URLSession::Result result) {
        if (auto target = loop.lock())
            target->post([connection, result = std::move(result)]() mutable {
                connection->deliver(std::move(result));
            });
    });
    return connection;
}

URLSession::Result URLConnection::sendSynchronousRequest(URLRequest request,
                                                         std::shared_ptr<URLSession> session) {
    if (!session) session = URLSession::shared();
    return session->loadSynchronously(std::move(request));
}

void URLConnection::cancel() {
    cancelled_ = true;
    delegate_.reset();
    if (loading_) session_->cancel(task_);
    loading_ = false;
}

void URLConnection::deliver(URLSession::Result result) {
    if (!loading_) return;
    loading_ = false;
    // Held here so that a delegate that drops its connection while being told stays valid.
    auto delegate = std::move(delegate_);
    auto self = sharedAs<URLConnection>();
    if (!delegate) return;
    if (result.error) {
        delegate->didFail(*this, *result.error);
        return;
    }
    delegate->didReceiveResponse(*this, result.response);
    // A delegate may cancel on seeing the response (a type it does not want).
    if (cancelled_) return;
    if (!result.body.empty()) delegate->didReceiveData(*this, result.body);
    if (cancelled_) return;
    delegate->didFinishLoading(*this);
}

}  // namespace fnd

#include "Classes/library_store/TransactionObserver.h"

#include <algorithm>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/library_store/StoreAlert.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/URLConnection.h"
#include "platform/foundation/URLError.h"
#include "platform/foundation/URLRequest.h"

namespace {

bool installWithRepository(const std::string& productId, const std::string& content,
                           TransactionObserver::InstallDone done) {
    auto repository = AbstractAppDelegate::sharedRep();
    return repository &&
           repository->loadEBook(productId, fnd::Bytes(content.begin(), content.end()), std::move(done));
}

constexpr const char* kNetworkProblem = "A network problem occurred. Please try the download again later.";
constexpr const char* kNotInstalled = "The content could not be installed.";

void updateShop() {
    if (auto delegate = TovridaAppDelegate::shared()) delegate->updateShop();
}

}  // namespace

TransactionObserver::TransactionObserver()
    : TransactionObserver(fnd::URL(fnd::Bundle::main().infoValue("ORVAStoreContentServer"))) {}

TransactionObserver::TransactionObserver(fnd::URL contentServer)
    : contentServer_(std::move(contentServer)), alert_(StoreAlert::show), install_(installWithRepository) {}

std::string TransactionObserver::keyFor(const fnd::URLConnection& connection) {
    return std::to_string(reinterpret_cast<std::uintptr_t>(&connection));
}

void TransactionObserver::downloadProduct(const std::string& productId) {
    fnd::URLRequest request(fnd::URL("get_content.cgi", contentServer_));
    request.setMethod("POST");
    request.setFormBody("bid=" + fnd::percentEscapeValue(fnd::Bundle::main().identifier()) +
                        "&pid=" + fnd::percentEscapeValue(productId));
    request.setMaximumBodySize(512u << 20);
    // The connection delivers on the main run loop, never before this turn ends, so it is
    // registered in time.
    auto connection = fnd::URLConnection::start(request, sharedAs<TransactionObserver>());
    registerConnection(*connection, productId);
}

bool TransactionObserver::isLoadingProduct(const std::string& productId) const {
    return std::any_of(productIDDict_.begin(), productIDDict_.end(),
                       [&](const auto& entry) { return entry.second == productId; });
}

bool TransactionObserver::isUpdatingProduct(const std::string& productId) const {
    return std::find(markedToReload_.begin(), markedToReload_.end(), productId) != markedToReload_.end();
}

void TransactionObserver::reloadProduct(const std::string& productId) {
    if (!isUpdatingProduct(productId)) markedToReload_.push_back(productId);
}

void TransactionObserver::finishReloadingProduct(const std::string& productId) {
    std::erase(markedToReload_, productId);
}

bool TransactionObserver::hasFailedProduct(const std::string& productId) const {
    return failedProducts_.contains(productId);
}

void TransactionObserver::registerConnection(const fnd::URLConnection& connection,
                                             const std::string& productId) {
    failedProducts_.erase(productId);
    std::string key = keyFor(connection);
    contentDict_[key].clear();
    productIDDict_[key] = productId;
}

void TransactionObserver::removeConnection(const std::string& key) {
    contentDict_.erase(key);
    responseDict_.erase(key);
    productIDDict_.erase(key);
}

void TransactionObserver::didReceiveResponse(fnd::URLConnection& connection,
                                             const fnd::URLResponse& response) {
    responseDict_[keyFor(connection)] = response;
}

void TransactionObserver::didReceiveData(fnd::URLConnection& connection, const std::string& data) {
    if (auto buffer = contentDict_.find(keyFor(connection)); buffer != contentDict_.end())
        buffer->second += data;
}

void TransactionObserver::didFail(fnd::URLConnection& connection, const fnd::URLError& error) {
    std::string key = keyFor(connection);
    std::string productId = productIDDict_.count(key) ? productIDDict_[key] : std::string();
    removeConnection(key);
    finishReloadingProduct(productId);
    reportFailure(productId, error.description());
}

void TransactionObserver::reportFailure(const std::string& productId, const std::string& message) {
    if (!productId.empty()) failedProducts_.insert(productId);
    if (alert_) alert_(kFailureTitle, message);
    updateShop();
}

void TransactionObserver::didFinishLoading(fnd::URLConnection& connection) {
    std::string key = keyFor(connection);
    auto product = productIDDict_.find(key);
    if (product == productIDDict_.end()) return;
    std::string productId = product->second;
    std::string content = std::move(contentDict_[key]);
    auto response = responseDict_.find(key);
    bool wellTyped = response != responseDict_.end() && response->second.statusCode() >= 200 &&
                     response->second.statusCode() <= 299 && response->second.mimeType() == kEBookMimeType;
    removeConnection(key);
    finishReloadingProduct(productId);
    // An install that ends without a book is a failure as much as a bad download: the person is
    // told, and the row says so, rather than quietly showing its price again.
    auto installDone = [weak = weakAs<TransactionObserver>(), productId](bool installed) {
        if (auto self = weak.lock(); self && !installed) self->reportFailure(productId, kNotInstalled);
    };
    if (wellTyped && install_ && install_(productId, content, installDone)) return;
    reportFailure(productId, wellTyped ? kNotInstalled : kNetworkProblem);
}

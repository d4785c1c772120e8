#pragma once
// The content downloads: for each running connection the bytes received so far, its response and
// the product it downloads. A download that ends with an e-book archive goes to the repository's
// install; any other end, and an install that fails, shows "Uploading of the content failed". The
// screens ask whether a product is downloading, whether it is marked for a fresh download, and
// whether its last download ended without a book, until a new download of it starts. Main thread
// only.

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Classes/library_store/StoreAlert.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/URL.h"
#include "platform/foundation/URLConnectionDelegate.h"
#include "platform/foundation/URLResponse.h"

class TransactionObserver : public fnd::Object, public fnd::URLConnectionDelegate {
  public:
    static constexpr const char* kEBookMimeType = "application/epub+zip";
    static constexpr const char* kFailureTitle = "Uploading of the content failed";
    // The default shows an alert view with one "Ok" button.
    using AlertPresenter = StoreAlert::Presenter;
    // What an install calls at its end, on the main thread: whether a book was installed.
    using InstallDone = std::function<void(bool)>;
    // Hands a received archive over (product identifier, bytes, the call at the install's end);
    // answers whether an install started.
    using Installer = std::function<bool(const std::string&, const std::string&, InstallDone)>;

    // Downloads "get_content.cgi" of the content server, whose address comes from the bundle's
    // "ORVAStoreContentServer".
    TransactionObserver();
    explicit TransactionObserver(fnd::URL contentServer);

    // Starts downloading a product's content: a form POST of the bundle identifier and the product
    // identifier to "get_content.cgi".
    void downloadProduct(const std::string& productId);

    bool isLoadingProduct(const std::string& productId) const;
    bool isUpdatingProduct(const std::string& productId) const;
    void reloadProduct(const std::string& productId);
    void finishReloadingProduct(const std::string& productId);
    // Whether the product's last download failed or its install did not put a book in place.
    bool hasFailedProduct(const std::string& productId) const;

    // Registers a connection before it delivers anything.
    void registerConnection(const fnd::URLConnection& connection, const std::string& productId);

    void didReceiveResponse(fnd::URLConnection& connection, const fnd::URLResponse& response) override;
    void didReceiveData(fnd::URLConnection& connection, const std::string& data) override;
    void didFail(fnd::URLConnection& connection, const fnd::URLError& error) override;
    void didFinishLoading(fnd::URLConnection& connection) override;

    void setAlertPresenter(AlertPresenter presenter) { alert_ = std::move(presenter); }
    // The default installs through the shared repository (loadEBook).
    void setInstaller(Installer installer) { install_ = std::move(installer); }

  private:
    static std::string keyFor(const fnd::URLConnection& connection);
    void removeConnection(const std::string& key);
    // Marks the product as failed, shows the failure alert and refreshes the store.
    void reportFailure(const std::string& productId, const std::string& message);

    fnd::URL contentServer_;
    std::map<std::string, std::string> contentDict_;
    std::map<std::string, fnd::URLResponse> responseDict_;
    std::map<std::string, std::string> productIDDict_;
    std::vector<std::string> markedToReload_;
    std::set<std::string> failedProducts_;
    AlertPresenter alert_;
    Installer install_;
};

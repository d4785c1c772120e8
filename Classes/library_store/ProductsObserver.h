#pragma once
// The store catalogue: the products the content server offers, fetched as tab-separated lines by
// a form POST to "get_products.cgi" on a thread of its own, then completed with descriptions and
// prices by the store. When the answer is in, the store screen is refreshed (updateShop) and its
// loading overlay lifted (unblockShop).
//
// The catalogue is built on the fetch thread and swapped in on the main thread; a failed fetch (no
// connection, or an HTTP error reply) shows "Unable to connect to store." and keeps the catalogue
// it had. Lines with fewer than seven fields or with an identifier that is no valid product
// identifier are skipped. Everything here but the fetch itself runs on the main thread.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Classes/library_store/StoreAlert.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/URL.h"
#include "platform/store/ProductsRequest.h"

class MProductInfo;

class ProductsObserver : public fnd::Object, public store::ProductsRequestDelegate {
  public:
    using ProductsInfo = std::map<std::string, std::shared_ptr<MProductInfo>, std::less<>>;
    // The default shows an alert view with one "Ok" button.
    using AlertPresenter = StoreAlert::Presenter;

    static constexpr int kCatalogueVersion = 3;
    // The official guide's companion is sold under a book number rather than under the bundle
    // identifier; it opens the same annotation page as the bundle-prefixed companion.
    static constexpr const char* kOfficialGuideCompanionStoreId = "9780000000002";

    // The content server's address comes from the bundle's "ORVAStoreContentServer" (none: every
    // fetch fails at once, saying that no store is configured); the bundle identifier prefixes
    // product identifiers.
    ProductsObserver();
    ProductsObserver(fnd::URL contentServer, std::string bundleIdentifier);

    // Starts a fetch unless one (or its price request) is running.
    void startLoading();
    // Stops waiting for the fetch: its reply is still parsed, but no price request follows; a price
    // request running is cancelled and the loading ends.
    void cancelLoading();
    bool isLoading() const { return loading_; }
    // Drops the store's products (the store screen lists them).
    void clear() { products_.clear(); }

    const ProductsInfo& productsInfo() const { return productsInfo_; }
    std::shared_ptr<MProductInfo> productInfo(std::string_view productId) const;
    // The store's products in catalogue order.
    const std::vector<store::Product>& products() const { return products_; }
    // The annotation page of a product, when it has one.
    std::optional<std::string> getResourceForProductID(const MProductInfo& info) const;
    const std::map<std::string, std::string>& productIDSet() const { return productIDSet_; }

    // The catalogue in a reply's text.
    static ProductsInfo parseCatalogue(std::string_view text);

    void setAlertPresenter(AlertPresenter presenter) { alert_ = std::move(presenter); }
    // Called on the main thread whenever a fetch has ended (after unblockShop); for tests.
    void setFinishHandler(std::function<void()> handler) { onFinish_ = std::move(handler); }

    void productsRequestDidReceiveResponse(store::ProductsRequest& request,
                                           const std::vector<store::Product>& products) override;
    void requestDidFailWithError(store::ProductsRequest& request, const std::string& description) override;
    void requestDidFinish(store::ProductsRequest& request) override;

  private:
    void loadInThread();
    void finishLoading();
    void showConnectionError(const std::string& description);

    fnd::URL contentServer_;
    std::string bundleIdentifier_;
    std::map<std::string, std::string> productIDSet_;
    ProductsInfo productsInfo_;
    std::vector<store::Product> products_;
    std::shared_ptr<store::ProductsRequest> productsRequest_;
    bool loading_ = false;
    bool cancelled_ = false;
    AlertPresenter alert_;
    std::function<void()> onFinish_;
};

#pragma once
// The product's application delegate: the colour scheme of one hue, the store's and the sync
// client's objects that live as long as the process, and the hooks through which the store's
// download code reaches the store screen.

#include <atomic>
#include <memory>
#include <string>

#include "Classes/core/AbstractAppDelegate.h"

class ProductsObserver;
class RequestManager;
class Syncronizer;
class TransactionObserver;

class TovridaAppDelegate : public AbstractAppDelegate {
  public:
    // The scheme's hue and saturation, and the brightness of its main, dark and light colours.
    static constexpr float kMainHue = 0.27f;
    static constexpr double kSaturation = 0.63;
    static constexpr double kMainBrightness = 0.70;
    static constexpr double kDarkBrightness = 0.40;
    static constexpr double kLightBrightness = 1.0;
    // The information file's key of the sync back-end's base address; absent or empty: none.
    static constexpr const char* kSyncServiceAddressKey = "SyncServiceAddress";

    // The shared application's delegate when it is the product's; null otherwise.
    static std::shared_ptr<TovridaAppDelegate> shared();

    // The reference data rebuilt at every start (concepts, courses linked to the provider sets) and
    // the colour scheme, then the base's set-up (launchDate). On the loading thread, on the
    // repository being loaded; the scheme is applied when the repository is handed over.
    void setup() override;
    // The base's launch, then the loading thread and, in this order, the download bookkeeping,
    // the catalogue observer, the sync transport and the sync client.
    void applicationDidFinishLaunching(ui::Application& application) override;
    // The home screen of the device: the phone's or the tablet's.
    void setupTools() override;
    // mainHue and the three colours of the scheme for a hue.
    void setColorScheme(float hue);

    // Makes the download bookkeeping and the catalogue observer when there are none yet
    // (TovridaAppDelegate+Store.cpp).
    void setupStore();
    // Makes the sync transport, on the bundle's back-end address, and the sync client on the
    // delegate's repository, when there are none yet.
    void setupSync();

    // ---- The store's hooks. They live with the store's classes, which they forward to
    // (TovridaAppDelegate+Store.cpp in the store's folder).

    // The open tool screen, when it is the store's, rebuilds its table / leaves its loading state.
    void updateShop();
    void unblockShop();
    // The download bookkeeping's answers for a product.
    bool isLoadingProduct(const std::string& productId);
    bool isUpdatingProduct(const std::string& productId);
    void reloadProduct(const std::string& productId);

    // ---- The objects made at launch, owned for the life of the process.

    const std::shared_ptr<TransactionObserver>& observer() const { return observer_; }
    void setObserver(std::shared_ptr<TransactionObserver> observer) { observer_ = std::move(observer); }
    const std::shared_ptr<ProductsObserver>& productsObserver() const { return productsObserver_; }
    void setProductsObserver(std::shared_ptr<ProductsObserver> observer) {
        productsObserver_ = std::move(observer);
    }
    const std::shared_ptr<RequestManager>& requestManager() const { return requestManager_; }
    void setRequestManager(std::shared_ptr<RequestManager> manager) { requestManager_ = std::move(manager); }
    const std::shared_ptr<Syncronizer>& syncronizer() const { return syncronizer_; }

  protected:
    void setSyncronizer(std::shared_ptr<Syncronizer> syncronizer) { syncronizer_ = std::move(syncronizer); }

    void publishLoaded() override;

  private:
    std::atomic<float> loadedHue_{kMainHue};
    std::shared_ptr<TransactionObserver> observer_;
    std::shared_ptr<ProductsObserver> productsObserver_;
    std::shared_ptr<RequestManager> requestManager_;
    std::shared_ptr<Syncronizer> syncronizer_;
};

// The product delegate's store hooks: the download bookkeeping's answers, and the store screen's
// refresh. The store screen is not part of the program yet, so no open tool is ever the store's
// and the refresh has nobody to tell.

#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/library_store/ProductsObserver.h"
#include "Classes/library_store/TransactionObserver.h"

void TovridaAppDelegate::setupStore() {
    if (!observer_) observer_ = std::make_shared<TransactionObserver>();
    if (!productsObserver_) productsObserver_ = std::make_shared<ProductsObserver>();
}

void TovridaAppDelegate::updateShop() {}

void TovridaAppDelegate::unblockShop() {}

bool TovridaAppDelegate::isLoadingProduct(const std::string& productId) {
    return observer_ && observer_->isLoadingProduct(productId);
}

bool TovridaAppDelegate::isUpdatingProduct(const std::string& productId) {
    return observer_ && observer_->isUpdatingProduct(productId);
}

void TovridaAppDelegate::reloadProduct(const std::string& productId) {
    if (observer_) observer_->reloadProduct(productId);
}

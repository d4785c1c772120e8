// The product delegate's store hooks: the download bookkeeping's answers, and the store screen's
// refresh and unblocking, passed to the home screen's open tool when that is the store.

#include "Classes/core/ToolChooseVC.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/library_store/ProductsObserver.h"
#include "Classes/library_store/ShopVC.h"
#include "Classes/library_store/TransactionObserver.h"

namespace {

std::shared_ptr<ShopVC> openStore(const TovridaAppDelegate& delegate) {
    return delegate.toolChooseVC() ? std::dynamic_pointer_cast<ShopVC>(delegate.toolChooseVC()->toolVC())
                                   : nullptr;
}

}  // namespace

void TovridaAppDelegate::setupStore() {
    if (!observer_) observer_ = std::make_shared<TransactionObserver>();
    if (!productsObserver_) productsObserver_ = std::make_shared<ProductsObserver>();
}

void TovridaAppDelegate::updateShop() {
    if (auto store = openStore(*this)) store->updateTable();
}

void TovridaAppDelegate::unblockShop() {
    if (auto store = openStore(*this)) store->unblockUI();
}

bool TovridaAppDelegate::isLoadingProduct(const std::string& productId) {
    return observer_ && observer_->isLoadingProduct(productId);
}

bool TovridaAppDelegate::isUpdatingProduct(const std::string& productId) {
    return observer_ && observer_->isUpdatingProduct(productId);
}

void TovridaAppDelegate::reloadProduct(const std::string& productId) {
    if (observer_) observer_->reloadProduct(productId);
}

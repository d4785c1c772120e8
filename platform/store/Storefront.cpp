#include "platform/store/Storefront.h"

namespace store {

Storefront& Storefront::shared() {
    static Storefront storefront;
    return storefront;
}

void Storefront::setProducts(std::vector<Product> products) {
    std::lock_guard lock(mutex_);
    products_.clear();
    for (auto& product : products) products_[product.productIdentifier] = std::move(product);
}

std::optional<Product> Storefront::product(const std::string& identifier) const {
    std::lock_guard lock(mutex_);
    auto found = products_.find(identifier);
    return found == products_.end() ? std::nullopt : std::optional<Product>(found->second);
}

void Storefront::setFailure(std::optional<std::string> description) {
    std::lock_guard lock(mutex_);
    failure_ = std::move(description);
}

std::optional<std::string> Storefront::failure() const {
    std::lock_guard lock(mutex_);
    return failure_;
}

}  // namespace store

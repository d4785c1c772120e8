#include "platform/store/Storefront.h"

#include <nlohmann/json.hpp>
#include <regex>
#include <set>

#include "platform/foundation/Log.h"

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

namespace {

// A product of the file, or nothing (with the reason) for an entry that breaks the format.
std::optional<Product> productOf(const nlohmann::json& entry, std::string& why) {
    if (!entry.is_object()) {
        why = "not an object";
        return std::nullopt;
    }
    auto text = [&](const char* key, const std::string& fallback) -> std::optional<std::string> {
        auto it = entry.find(key);
        if (it == entry.end()) return fallback;
        if (!it->is_string()) return std::nullopt;
        return it->get<std::string>();
    };
    Product p;
    auto identifier = text("productIdentifier", "");
    auto description = text("localizedDescription", "");
    auto price = text("price", "0");
    auto currency = text("currencySymbol", "$");
    if (!identifier || identifier->empty()) {
        why = "no productIdentifier";
        return std::nullopt;
    }
    static const std::regex kPrice("[0-9]{1,7}([.][0-9]{1,2})?");
    if (!description || !currency || !price || !std::regex_match(*price, kPrice)) {
        why = "a value of the wrong kind (the price is decimal text such as \"4.99\")";
        return std::nullopt;
    }
    return Product{*identifier, *description, *price, *currency};
}

}  // namespace

std::size_t Storefront::loadProducts(const std::string& json) {
    auto list = nlohmann::json::parse(json, nullptr, false);
    std::vector<Product> products;
    if (!list.is_array()) {
        fnd::Log::warning("store: the product list is no JSON array; nothing is sold");
        list = nlohmann::json::array();
    }
    std::set<std::string> seen;
    for (std::size_t i = 0; i < list.size(); ++i) {
        std::string why;
        std::optional<Product> product = productOf(list[i], why);
        if (product && !seen.insert(product->productIdentifier).second)
            why = "a productIdentifier sold already";
        if (!why.empty()) {
            fnd::Log::warning("store: product ", i + 1, " of the list is skipped: ", why);
            continue;
        }
        products.push_back(std::move(*product));
    }
    std::size_t count = products.size();
    setProducts(std::move(products));
    return count;
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

#pragma once
// The stand-in for the platform's store: the products it sells with their localized descriptions
// and prices. A products request (ProductsRequest) answers from here.

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace store {

struct Product {
    std::string productIdentifier;
    std::string localizedDescription;
    // Decimal text as the store gives it ("4.99") and the currency symbol of its locale.
    std::string price;
    std::string currencySymbol;
};

class Storefront {
  public:
    static Storefront& shared();

    // Replaces what the store sells.
    void setProducts(std::vector<Product> products);
    std::optional<Product> product(const std::string& identifier) const;
    // When set, every request fails with this description (the store cannot be reached).
    void setFailure(std::optional<std::string> description);
    std::optional<std::string> failure() const;

  private:
    mutable std::mutex mutex_;
    std::map<std::string, Product> products_;
    std::optional<std::string> failure_;
};

}  // namespace store

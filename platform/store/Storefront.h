#pragma once
// The stand-in for the platform's store: the products it sells with their localized descriptions
// and prices. A products request (ProductsRequest) answers from here.
//
// The program's store sells what the bundle's file "StoreProducts.json" lists (the program ships
// none, so its store sells nothing): an array of products,
//
//   [{"productIdentifier": "com.example.book1", "localizedDescription": "Geometry drills",
//     "price": "4.99", "currencySymbol": "$"}]
//
// "productIdentifier" is required and unique; "price" is decimal text with at most two places
// ("0" when absent); "localizedDescription" and "currencySymbol" ("$" when absent) are texts. An
// entry that breaks these is skipped and logged, the others are sold.

#include <cstddef>
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
    // Replaces what the store sells with the products of a StoreProducts.json text; answers how
    // many it sells. Text that is no JSON array sells nothing.
    std::size_t loadProducts(const std::string& json);
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

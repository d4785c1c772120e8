#pragma once
// A request for the store's information on a set of products. Started on the main thread, it
// answers on the main run loop, never within start(): the products the store knows (in no
// particular order), then a finish notice; or a failure with a description. A cancelled request
// tells its delegate nothing more.

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/store/Storefront.h"

namespace store {

class ProductsRequest;

class ProductsRequestDelegate {
  public:
    virtual ~ProductsRequestDelegate() = default;
    virtual void productsRequestDidReceiveResponse(ProductsRequest& request,
                                                   const std::vector<Product>& products) = 0;
    virtual void requestDidFailWithError(ProductsRequest& request, const std::string& description) = 0;
    virtual void requestDidFinish(ProductsRequest& request) { (void)request; }
};

class ProductsRequest : public fnd::Object {
  public:
    explicit ProductsRequest(std::set<std::string> identifiers) : identifiers_(std::move(identifiers)) {}

    void setDelegate(std::weak_ptr<ProductsRequestDelegate> delegate) { delegate_ = std::move(delegate); }
    void start();
    void cancel() { cancelled_ = true; }
    const std::set<std::string>& identifiers() const { return identifiers_; }

  private:
    std::set<std::string> identifiers_;
    std::weak_ptr<ProductsRequestDelegate> delegate_;
    bool cancelled_ = false;
};

}  // namespace store

#include "platform/store/ProductsRequest.h"

#include "platform/foundation/RunLoop.h"

namespace store {

void ProductsRequest::start() {
    auto self = sharedAs<ProductsRequest>();
    fnd::RunLoop::main().post([self] {
        auto delegate = self->delegate_.lock();
        if (self->cancelled_ || !delegate) return;
        if (auto failure = Storefront::shared().failure()) {
            delegate->requestDidFailWithError(*self, *failure);
            return;
        }
        std::vector<Product> products;
        for (const auto& identifier : self->identifiers_)
            if (auto product = Storefront::shared().product(identifier)) products.push_back(*product);
        delegate->productsRequestDidReceiveResponse(*self, products);
        if (!self->cancelled_) delegate->requestDidFinish(*self);
    });
}

}  // namespace store

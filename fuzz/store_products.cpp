// The store's product list is a file of the bundle that a person may write: any bytes must load to
// products that keep the format (an identifier, decimal prices) or to none.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/store/Storefront.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    store::Storefront storefront;
    storefront.loadProducts(input);
    return 0;
}

// The store stand-in sells what its product list names; entries that break the format are skipped.

#include <gtest/gtest.h>

#include "platform/store/Storefront.h"
#include "tests/support/TestEnvironment.h"

namespace {

class StorefrontTest : public testing_support::TestEnvironment {
  protected:
    void TearDown() override {
        store::Storefront::shared().setProducts({});
        TestEnvironment::TearDown();
    }
    store::Storefront& storefront = store::Storefront::shared();
};

TEST_F(StorefrontTest, SellsTheListedProductsAndSkipsBadEntries) {
    const char* list = R"([
        {"productIdentifier": "book.geometry", "localizedDescription": "Angles and circles", "price": "4.99"},
        {"productIdentifier": "book.verbal", "price": "12", "currencySymbol": "€"},
        {"productIdentifier": "book.geometry", "price": "1.00"},
        {"localizedDescription": "no identifier", "price": "1.00"},
        {"productIdentifier": "", "price": "1.00"},
        {"productIdentifier": "bad.price", "price": "4,99"},
        {"productIdentifier": "bad.price2", "price": 4.99},
        {"productIdentifier": "bad.price3", "price": "4.999"},
        {"productIdentifier": "bad.description", "localizedDescription": ["x"]},
        "book.strings",
        7
    ])";
    EXPECT_EQ(storefront.loadProducts(list), 2u);
    auto geometry = storefront.product("book.geometry");
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->localizedDescription, "Angles and circles");
    EXPECT_EQ(geometry->price, "4.99");  // the first entry of an identifier is sold
    EXPECT_EQ(geometry->currencySymbol, "$");
    auto verbal = storefront.product("book.verbal");
    ASSERT_TRUE(verbal);
    EXPECT_EQ(verbal->currencySymbol, "€");
    EXPECT_FALSE(storefront.product("bad.price"));

    // A list that is no array sells nothing, and replaces what was sold.
    for (const char* junk : {"", "{\"productIdentifier\": \"x\"}", "[", "null"}) {
        EXPECT_EQ(storefront.loadProducts(junk), 0u) << junk;
        EXPECT_FALSE(storefront.product("book.geometry")) << junk;
    }
}

}  // namespace

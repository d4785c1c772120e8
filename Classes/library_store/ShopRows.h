#pragma once
// What the store screen lists: the catalogue's products in catalogue order, split into interactive
// books and plain e-books, in one or two sections ("Interactive Books" first, then "eBooks"), and
// the state each row shows for its product: downloading, unpacking, installed (with the update
// mark when the catalogue has a newer version) or for sale at its price; a product whose last
// download ended without a book says so in place of its description, until it is tried again.

#include <memory>
#include <string>
#include <vector>

#include "Classes/library_store/ProductsObserver.h"

class MEBook;
class MProductInfo;

class ShopRows {
  public:
    using Products = std::vector<std::shared_ptr<MProductInfo>>;
    static constexpr const char* kInteractiveTitle = "Interactive Books";
    static constexpr const char* kEBooksTitle = "eBooks";
    static constexpr const char* kLoadingText = "Loading...";
    static constexpr const char* kParsingText = "Parsing...";
    static constexpr const char* kFailedText = "Could not be installed. Tap to try again.";
    static constexpr const char* kUpdateFailedText = "The update could not be installed. Tap to try again.";
    // The icon kinds of an installed or busy product and of one for sale.
    static constexpr int kOwnedIcon = 2;
    static constexpr int kForSaleIcon = 3;

    // The store's products that have a catalogue record, each record given its price text.
    void update(const std::vector<store::Product>& products, const ProductsObserver::ProductsInfo& catalogue);
    void clear();

    int numberOfSections() const;
    std::string titleForSection(int section) const;
    int numberOfRows(int section) const;
    // The product of a row; null outside the lists.
    std::shared_ptr<MProductInfo> productAt(int section, int row) const;

    // The symbol and the price's decimal text, without a space ("$4.99").
    static std::string priceString(const store::Product& product);

    enum class State { Downloading, Unpacking, Installed, ForSale };
    struct Row {
        State state = State::ForSale;
        std::string description;
        bool showsPrice = false;
        bool installedMark = false;
        bool busy = false;
        bool updateMark = false;
        bool newMark = false;
        // The last download or install of the product failed: the description says so.
        bool failed = false;
        int iconType = kForSaleIcon;
    };
    // A product's row: the installed book of its identifier (or null), whether its content is
    // being downloaded or unpacked, and whether its last download or install failed.
    static Row rowFor(const MProductInfo& product, const MEBook* installed, bool downloading, bool unpacking,
                      bool failed = false);

    const Products& products() const { return products_; }
    const Products& smartProducts() const { return smartProducts_; }

  private:
    const Products* listOf(int section) const;

    Products products_;
    Products smartProducts_;
};

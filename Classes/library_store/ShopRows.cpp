#include "Classes/library_store/ShopRows.h"

#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MProductInfo.h"

void ShopRows::update(const std::vector<store::Product>& products,
                      const ProductsObserver::ProductsInfo& catalogue) {
    clear();
    for (const auto& product : products) {
        auto found = catalogue.find(product.productIdentifier);
        if (found == catalogue.end()) continue;
        const auto& info = found->second;
        info->setPriceString(priceString(product));
        (info->smartBookMode() != 0 ? smartProducts_ : products_).push_back(info);
    }
}

void ShopRows::clear() {
    products_.clear();
    smartProducts_.clear();
}

std::string ShopRows::priceString(const store::Product& product) {
    return product.currencySymbol + product.price;
}

int ShopRows::numberOfSections() const { return !smartProducts_.empty() && !products_.empty() ? 2 : 1; }

std::string ShopRows::titleForSection(int section) const {
    return section == 0 && !smartProducts_.empty() ? kInteractiveTitle : kEBooksTitle;
}

const ShopRows::Products* ShopRows::listOf(int section) const {
    if (section < 0 || section >= numberOfSections()) return nullptr;
    return section == 0 && !smartProducts_.empty() ? &smartProducts_ : &products_;
}

int ShopRows::numberOfRows(int section) const {
    const Products* list = listOf(section);
    return list ? int(list->size()) : 0;
}

std::shared_ptr<MProductInfo> ShopRows::productAt(int section, int row) const {
    const Products* list = listOf(section);
    if (!list || row < 0 || row >= int(list->size())) return nullptr;
    return (*list)[std::size_t(row)];
}

ShopRows::Row ShopRows::rowFor(const MProductInfo& product, const MEBook* installed, bool downloading,
                               bool unpacking, bool failed) {
    Row row;
    row.description = product.description().value_or("");
    row.newMark = product.isNew() && !installed;
    row.iconType = kOwnedIcon;
    if (downloading || unpacking) {
        row.state = downloading ? State::Downloading : State::Unpacking;
        row.description = downloading ? kLoadingText : kParsingText;
        row.busy = true;
    } else if (installed) {
        row.state = State::Installed;
        row.updateMark = installed->version() < product.version();
        row.installedMark = true;
    } else {
        row.state = State::ForSale;
        row.showsPrice = true;
        row.iconType = kForSaleIcon;
    }
    if (failed && !row.busy) {
        row.failed = true;
        row.description = installed ? kUpdateFailedText : kFailedText;
    }
    return row;
}

#include "Classes/library_store/ShopPurchase.h"

#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/library_store/MProductInfo.h"
#include "Classes/library_store/TransactionObserver.h"
#include "platform/ui/Make.h"

std::shared_ptr<ShopPurchase> ShopPurchase::ask(const std::shared_ptr<MProductInfo>& product,
                                                const ShopRows::Row& row) {
    bool forSale = row.state == ShopRows::State::ForSale;
    bool update = row.state == ShopRows::State::Installed && row.updateMark;
    if (!product || (!forSale && !update)) return nullptr;
    auto purchase = std::make_shared<ShopPurchase>(product, update);
    auto alert =
        ui::make<ui::AlertView>(purchase->question(), forSale ? product->priceString().value_or("") : "",
                                std::weak_ptr<ui::AlertViewDelegate>(purchase), std::string(kCancelTitle),
                                std::vector<std::string>{update ? kUpdateTitle : kBuyTitle});
    alert->show();
    return purchase;
}

std::string ShopPurchase::question() const {
    return std::string(update_ ? kUpdateTitle : kBuyTitle) + " " + product_->title() + "?";
}

void ShopPurchase::alertViewClickedButton(ui::AlertView& alert, int buttonIndex) {
    if (buttonIndex != alert.firstOtherButtonIndex()) return;
    auto delegate = TovridaAppDelegate::shared();
    if (!delegate || !delegate->observer()) return;
    const std::string& id = product_->productId();
    if (update_) delegate->reloadProduct(id);
    delegate->observer()->downloadProduct(id);
    if (onStarted_) onStarted_();
}

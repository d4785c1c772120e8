#pragma once
// Buying a product from the store's row: an alert asks "Buy <title>?" with the price, or, for an
// installed book with a newer version in the catalogue, "Update <title>?"; its "Buy" or "Update"
// key starts the content download (the store stand-in charges nothing), an update marked for a
// fresh download first. The screen is told at once (setOnStarted), so that the row shows the
// download. Rows with nothing to sell (current installed books, busy rows) ask nothing.

#include <functional>
#include <memory>
#include <string>

#include "Classes/library_store/ShopRows.h"
#include "platform/foundation/Object.h"
#include "platform/ui/AlertView.h"

class MProductInfo;

class ShopPurchase : public fnd::Object, public ui::AlertViewDelegate {
  public:
    static constexpr const char* kCancelTitle = "Cancel";
    static constexpr const char* kBuyTitle = "Buy";
    static constexpr const char* kUpdateTitle = "Update";

    ShopPurchase(std::shared_ptr<MProductInfo> product, bool update)
        : product_(std::move(product)), update_(update) {}

    // The question for a row, shown; null when the row has nothing to sell.
    static std::shared_ptr<ShopPurchase> ask(const std::shared_ptr<MProductInfo>& product,
                                             const ShopRows::Row& row);
    // The alert's title for the product ("Buy Geometry?").
    std::string question() const;

    void setOnStarted(std::function<void()> started) { onStarted_ = std::move(started); }
    // The download starts on the second key.
    void alertViewClickedButton(ui::AlertView& alert, int buttonIndex) override;

    const std::shared_ptr<MProductInfo>& product() const { return product_; }
    bool isUpdate() const { return update_; }

  private:
    std::shared_ptr<MProductInfo> product_;
    bool update_;
    std::function<void()> onStarted_;
};

#pragma once
// The store tool: the catalogue as a table of rich rows (ShopRows, ShopCells), interactive books
// and plain e-books in sections of their own, with each row's state (downloading, unpacking,
// installed, up for update, for sale), the product's annotation page behind its info key and a
// purchase behind the row (ShopPurchase).
//
// Opening the store covers it with the loading overlay "Accessing App Store..." and asks the
// catalogue loader for the catalogue. The application delegate refreshes the table (updateShop)
// whenever the catalogue, a download or an install moves on, and lifts the overlay (unblockShop)
// when the catalogue has come or failed. Closing the overlay before that ends the store, and the
// late answers are ignored. Leaving the store drops the loader's product list.

#include <memory>
#include <optional>
#include <string>

#include "Classes/core/ToolViewController.h"
#include "Classes/library_store/ShopCells.h"
#include "Classes/library_store/ShopRows.h"
#include "platform/ui/TableView.h"

class MProductInfo;
class ProductAnnotationVC;
class ShopPurchase;
namespace ui {
class Label;
}

class ShopVC : public ToolViewController, public ui::TableViewDataSource, public ui::TableViewDelegate {
  public:
    static constexpr const char* kAccessingMessage = "Accessing App Store...";
    static constexpr const char* kStoreOpenedEvent = "TipsEvent_StoreOpened";
    static constexpr double kRowHeight = 175;
    static constexpr double kHeaderHeight = 30;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    static void registerOwners();

    std::string nibIdentifier() const override { return "ShopView"; }

    // The interface file, the entrance, setup, the font sizes.
    using ToolViewController::init;
    void init() override;
    // The overlay, the empty lists and the catalogue's loading.
    void setup();
    void viewDidLoad() override;
    virtual void setupTV();

    // ---- Loading (overrides of the tool's overlay)

    void blockUI() override;
    // The overlay's key: the loading stops and the store closes.
    void loadingViewNotifications(const fnd::Notification& notification) override;
    // The catalogue came: the overlay goes and the tips hear that the store opened.
    void unblockUI() override;
    // The lists from the loader, the table reloaded; nothing once the store was closed.
    void updateTable();

    // ---- The table

    int numberOfSections(ui::TableView&) override { return rows_.numberOfSections(); }
    std::string titleForHeader(ui::TableView&, int section) override {
        return rows_.titleForSection(section);
    }
    int numberOfRows(ui::TableView&, int section) override { return rows_.numberOfRows(section); }
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    double heightForHeader(ui::TableView&, int) override { return kHeaderHeight; }
    // A row for sale, or with a newer version, asks to buy or update it.
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;
    std::shared_ptr<MProductInfo> productByPath(const ui::IndexPath& indexPath) const;
    // The product of the row that holds the control; null when there is none.
    std::shared_ptr<MProductInfo> productByButton(const Sender& sender) const;

    // ---- The row's places, for the tablet to widen

    virtual ui::Rect titleFrame() const { return {100, 6, 140, 18}; }
    virtual ui::Rect subTitleFrame() const { return {100, 24, 190, 18}; }
    virtual ui::Rect authorFrame() const { return {100, 45, 210, 18}; }
    virtual ui::Rect aboutFrame() const { return {290, 42, 25, 25}; }
    virtual ui::Rect descriptionFrame() const { return {100, 60, 210, 110}; }
    virtual int descriptionNumOfLines() const { return 7; }
    virtual ui::Rect priceFrame() const { return {170, 6, 140, 18}; }
    virtual ui::Rect processingFrame() const { return {290, 6, 20, 18}; }
    virtual ui::Point iconIVcenter() const { return {50, 60.5}; }
    virtual ui::Point updateIVcenter() const { return {48.5, 130}; }
    virtual ui::Point newIVcenter() const { return {22.5, 16.5}; }
    virtual ui::Point activeIVcenter() const { return {300, 23}; }
    ShopCells::Layout rowLayout() const;

    // ---- Children and leaving

    void openProductAnnotation(const Sender& sender);
    void productAnnotationNotifications(const fnd::Notification& notification);
    void doneClick(const Sender& sender);
    // The loader forgets its products when the store goes.
    void close() override;

    // ---- Fields

    const std::shared_ptr<ui::TableView>& productsTV() const { return productsTV_; }
    const std::shared_ptr<ui::Label>& headerLbl() const { return headerLbl_; }
    const std::shared_ptr<ProductAnnotationVC>& productAnnotationVC() const { return productAnnotationVC_; }
    const ShopRows::Products& products() const { return rows_.products(); }
    const ShopRows::Products& smartProducts() const { return rows_.smartProducts(); }
    const std::shared_ptr<ShopPurchase>& purchase() const { return purchase_; }

  private:
    ShopRows::Row rowOf(const MProductInfo& product) const;

    std::shared_ptr<ui::TableView> productsTV_;
    std::shared_ptr<ui::Label> headerLbl_;
    std::shared_ptr<ProductAnnotationVC> productAnnotationVC_;
    std::shared_ptr<ShopPurchase> purchase_;
    ShopRows rows_;
    int schoolFontSize_ = 0, titleFontSize_ = 0, authorFontSize_ = 0, descriptionFontSize_ = 0,
        priceFontSize_ = 0;
};

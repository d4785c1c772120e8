#include "Classes/library_store/ShopVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/LoadingVC.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MProductInfo.h"
#include "Classes/library_store/ProductAnnotationVC.h"
#include "Classes/library_store/ProductsObserver.h"
#include "Classes/library_store/ShopPurchase.h"
#include "Classes/library_store/ShopVC_iPad.h"
#include "Classes/library_store/TransactionObserver.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/WhileAlive.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"

namespace {

std::shared_ptr<ProductsObserver> catalogue() {
    auto delegate = TovridaAppDelegate::shared();
    return delegate ? delegate->productsObserver() : nullptr;
}

}  // namespace

const ui::ConnectionTable& ShopVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("ShopVC", &ToolViewController::classConnections())
            .outlet("productsTV", &ShopVC::productsTV_)
            .outlet("headerLbl", &ShopVC::headerLbl_)
            .action("doneClick:", &ShopVC::doneClick)
            .action(ShopCells::kInfoAction, &ShopVC::openProductAnnotation);
    return table;
}

void ShopVC::registerOwners() {
    for (const ui::ConnectionTable* table : {&ShopVC::classConnections(), &ShopVC_iPad::classConnections(),
                                             &ProductAnnotationVC::classConnections()})
        ui::ConnectionTable::registerOwner(*table);
}

void ShopVC::init() {
    initWithNibName(nibIdentifier());
    animation();
    setup();
    schoolFontSize_ = 15;
    titleFontSize_ = 14;
    authorFontSize_ = 14;
    descriptionFontSize_ = 12;
    priceFontSize_ = 15;
}

void ShopVC::setup() {
    blockUI();
    setCanceled(false);
    rows_.clear();
    if (auto loader = catalogue()) loader->startLoading();
}

void ShopVC::viewDidLoad() {
    setupTV();
    ToolViewController::viewDidLoad();
}

void ShopVC::setupTV() {
    if (!productsTV_) return;
    productsTV_->setRowHeight(kRowHeight);
    productsTV_->setSectionHeaderHeight(kHeaderHeight);
    productsTV_->setDataSource(sharedAs<ShopVC>());
    productsTV_->setDelegate(sharedAs<ShopVC>());
}

// ---- Loading

void ShopVC::blockUI() {
    auto overlay = ui::make<LoadingVC>(std::string(kAccessingMessage), view());
    setLoadingView(overlay);
    registerDoneHandler(&ShopVC::loadingViewNotifications, std::nullopt, overlay);
}

void ShopVC::loadingViewNotifications(const fnd::Notification& notification) {
    setCanceled(true);
    if (auto loader = catalogue()) loader->cancelLoading();
    ToolViewController::loadingViewNotifications(notification);
}

void ShopVC::unblockUI() {
    if (isCanceled()) return;
    ToolViewController::unblockUI();
    fnd::NotificationCenter::defaultCenter().post(kStoreOpenedEvent, sharedAs<fnd::Object>());
}

void ShopVC::updateTable() {
    if (isCanceled()) return;
    static const ProductsObserver::ProductsInfo none;
    auto loader = catalogue();
    rows_.update(loader ? loader->products() : std::vector<store::Product>{},
                 loader ? loader->productsInfo() : none);
    if (productsTV_) productsTV_->reloadData();
}

// ---- The table

ShopCells::Layout ShopVC::rowLayout() const {
    ShopCells::Layout layout;
    layout.title = titleFrame();
    layout.subTitle = subTitleFrame();
    layout.author = authorFrame();
    layout.about = aboutFrame();
    layout.description = descriptionFrame();
    layout.descriptionLines = descriptionNumOfLines();
    layout.price = priceFrame();
    layout.processing = processingFrame();
    layout.icon = iconIVcenter();
    layout.update = updateIVcenter();
    layout.newMark = newIVcenter();
    layout.installed = activeIVcenter();
    layout.schoolFontSize = schoolFontSize_;
    layout.titleFontSize = titleFontSize_;
    layout.authorFontSize = authorFontSize_;
    layout.descriptionFontSize = descriptionFontSize_;
    layout.priceFontSize = priceFontSize_;
    return layout;
}

ShopRows::Row ShopVC::rowOf(const MProductInfo& product) const {
    auto rep = AbstractAppDelegate::sharedRep();
    auto delegate = TovridaAppDelegate::shared();
    const std::string& id = product.productId();
    std::shared_ptr<MEBook> installed = rep ? rep->findEBookByProductId(id) : nullptr;
    auto downloads = delegate ? delegate->observer() : nullptr;
    return ShopRows::rowFor(product, installed.get(), delegate && delegate->isLoadingProduct(id),
                            rep && rep->isParsingProduct(id), downloads && downloads->hasFailedProduct(id));
}

std::shared_ptr<ui::TableViewCell> ShopVC::cellForRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    auto cell = table.dequeueReusableCell(ShopCells::kCellIdentifier);
    if (!cell) cell = ShopCells::newCell(table.bounds().size.width, rowLayout(), sharedAs<ShopVC>());
    if (auto product = productByPath(indexPath)) {
        auto loader = catalogue();
        ShopCells::fill(*cell, *product, rowOf(*product),
                        loader && loader->getResourceForProductID(*product));
    }
    return cell;
}

void ShopVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, true);
    auto product = productByPath(indexPath);
    if (!product) return;
    purchase_ = ShopPurchase::ask(product, rowOf(*product));
    if (purchase_) purchase_->setOnStarted(fnd::whileAlive(*this, &ShopVC::updateTable));
}

std::shared_ptr<MProductInfo> ShopVC::productByPath(const ui::IndexPath& indexPath) const {
    return rows_.productAt(indexPath.section, indexPath.row);
}

std::shared_ptr<MProductInfo> ShopVC::productByButton(const Sender& sender) const {
    auto view = std::dynamic_pointer_cast<ui::View>(sender);
    std::shared_ptr<ui::View> row = view ? view->superview() : nullptr;
    while (row && !std::dynamic_pointer_cast<ui::TableViewCell>(row)) row = row->superview();
    auto cell = std::dynamic_pointer_cast<ui::TableViewCell>(row);
    if (!cell || !productsTV_) return nullptr;
    auto indexPath = productsTV_->indexPathForCell(*cell);
    return indexPath ? productByPath(*indexPath) : nullptr;
}

// ---- Children and leaving

void ShopVC::openProductAnnotation(const Sender& sender) {
    if (!canOpenSubview() || productAnnotationVC_) return;
    auto product = productByButton(sender);
    if (!product) return;
    productAnnotationVC_ = ui::make<ProductAnnotationVC>(product);
    registerDoneHandler(&ShopVC::productAnnotationNotifications, std::nullopt, productAnnotationVC_);
}

void ShopVC::productAnnotationNotifications(const fnd::Notification& notification) {
    if (proceedDoneNotification(&notification, productAnnotationVC_)) productAnnotationVC_.reset();
}

void ShopVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<fnd::Object>());
}

void ShopVC::close() {
    if (auto loader = catalogue()) loader->clear();
    ToolViewController::close();
}

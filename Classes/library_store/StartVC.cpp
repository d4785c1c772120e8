#include "Classes/library_store/StartVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/core/WebViewCustom.h"
#include "Classes/library_store/IBookCloudVC_iPad.h"
#include "Classes/library_store/IBookItemVC.h"
#include "Classes/library_store/IBookItemVC_iPad.h"
#include "Classes/library_store/IBookVC.h"
#include "Classes/library_store/IBookVC_iPad.h"
#include "Classes/library_store/LibraryContents.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/ShopVC.h"
#include "Classes/library_store/StartItemVC.h"
#include "Classes/library_store/StartItemVC_iPad.h"
#include "Classes/library_store/StartSetVC.h"
#include "Classes/library_store/StartSetVC_iPad.h"
#include "Classes/library_store/StartVC_iPad.h"
#include "Classes/study_aids/MathVC.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Accelerometer.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& StartVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("StartVC", &ToolViewController::classConnections())
            .outlet("startTV", &StartVC::startTV_)
            .action("doneClick:", &StartVC::doneClick)
            .action("showMath:", &StartVC::showMath)
            .action(LibraryCells::kHeaderAction, &StartVC::collapseExpandSection);
    return table;
}

void StartVC::registerOwners() {
    for (const ui::ConnectionTable* table :
         {&StartVC::classConnections(), &StartVC_iPad::classConnections(), &StartSetVC::classConnections(),
          &StartSetVC_iPad::classConnections(), &StartItemVC::classConnections(),
          &StartItemVC_iPad::classConnections(), &IBookVC::classConnections(),
          &IBookVC_iPad::classConnections(), &IBookItemVC::classConnections(),
          &IBookItemVC_iPad::classConnections(), &IBookCloudVC::classConnections(),
          &IBookCloudVC_iPad::classConnections()})
        ui::ConnectionTable::registerOwner(*table);
    ShopVC::registerOwners();
}

void StartVC::init() {
    initWithNibName(nibIdentifier());
    setup();
    animation();
}

void StartVC::setup() {
    booksArray_.clear();
    smartBooksArray_.clear();
    populateWithData();
    setupResources();
    sections_ = LibrarySections({int(smartBooksArray_.size()), int(booksArray_.size()),
                                 int(youtubeResource_->count()), int(iphoneResources_->count()),
                                 int(orvaResources_->count()), int(mbaResources_->count())});
    setupFonts();
    fnd::NotificationCenter::defaultCenter().post(kLibraryOpenedEvent, sharedAs<fnd::Object>());
}

void StartVC::setupFonts() { layout_ = deviceLayout(); }

void StartVC::populateWithData() {
    static const std::vector<std::shared_ptr<MEBook>> none;
    auto rep = AbstractAppDelegate::sharedRep();
    LibraryContents::Books books = LibraryContents::sortedBooks(rep ? rep->eBooks() : none);
    booksArray_ = std::move(books.books);
    smartBooksArray_ = std::move(books.smartBooks);
}

void StartVC::setupResources() {
    LibraryContents::Links links = LibraryContents::links();
    youtubeResource_ = links.youtube;
    iphoneResources_ = links.iphone;
    orvaResources_ = links.orva;
    mbaResources_ = links.mba;
}

void StartVC::viewDidLoad() {
    setupTV();
    ToolViewController::viewDidLoad();
}

void StartVC::setupTV() {
    if (!startTV_) return;
    startTV_->setRowHeight(layout_.bookRowHeight);
    startTV_->setSectionHeaderHeight(LibraryCells::kHeaderHeight);
    startTV_->setDataSource(sharedAs<StartVC>());
    startTV_->setDelegate(sharedAs<StartVC>());
}

void StartVC::collapseExpandSection(const Sender& sender) {
    auto view = std::dynamic_pointer_cast<ui::View>(sender);
    if (!view || !sections_.flip(view->tag())) return;
    if (startTV_) startTV_->reloadData();
}

// ---- Rows

std::shared_ptr<MResources> StartVC::resourcesOfKind(int kind) const {
    switch (kind) {
        case LibrarySections::kVideos:
            return youtubeResource_;
        case LibrarySections::kApplications:
            return iphoneResources_;
        case LibrarySections::kOrvaLinks:
            return orvaResources_;
        case LibrarySections::kMbaLinks:
            return mbaResources_;
        default:
            return nullptr;
    }
}

std::shared_ptr<ui::TableViewCell> StartVC::buildResourcesCellWithIdentifier(const std::string& identifier,
                                                                             double width) const {
    return LibraryCells::resourceCell(identifier, width, layout_);
}

void StartVC::fillCell(ui::TableViewCell& cell, const MResources& resources, int row) const {
    LibraryCells::fillResourceCell(cell, resources, row, layout_);
}

std::shared_ptr<ui::TableViewCell> StartVC::cellForRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    int kind = typeOfSection(indexPath.section);
    double width = table.bounds().size.width;
    if (LibrarySections::isBookKind(kind)) {
        auto cell = table.dequeueReusableCell(LibraryCells::kBookCellIdentifier);
        if (!cell) cell = LibraryCells::bookCell(width, layout_);
        std::size_t row = std::size_t(indexPath.row);
        if (kind == LibrarySections::kInteractiveBooks && row < smartBooksArray_.size())
            LibraryCells::fillBookCell(*cell, *smartBooksArray_[row], layout_);
        else if (kind == LibrarySections::kEBooks && row < booksArray_.size())
            LibraryCells::fillBookCell(*cell, *booksArray_[row], layout_);
        return cell;
    }
    auto cell = table.dequeueReusableCell(LibraryCells::kResourceCellIdentifier);
    if (!cell) cell = buildResourcesCellWithIdentifier(LibraryCells::kResourceCellIdentifier, width);
    if (auto resources = resourcesOfKind(kind)) fillCell(*cell, *resources, indexPath.row);
    return cell;
}

double StartVC::heightForRow(ui::TableView&, const ui::IndexPath& indexPath) {
    return LibrarySections::isBookKind(typeOfSection(indexPath.section)) ? layout_.bookRowHeight
                                                                         : layout_.linkRowHeight;
}

std::shared_ptr<ui::View> StartVC::viewForHeader(ui::TableView&, int section) {
    return LibraryCells::sectionHeader(section, sections_.headerText(section), sections_.isExpanded(section),
                                       sharedAs<StartVC>());
}

void StartVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    int kind = typeOfSection(indexPath.section);
    int row = indexPath.row;
    if (kind == LibrarySections::kInteractiveBooks) {
        openSmartBookAtRow(row);
    } else if (kind == LibrarySections::kEBooks) {
        if (row == int(booksArray_.size()) - 1)
            showMath(nullptr);
        else
            openStartSetVCAtRow(row);
    } else if (auto resources = resourcesOfKind(kind);
               resources && row >= 0 && row < int(resources->count())) {
        openURL(resources->resourses()[std::size_t(row)]->link());
    }
}

// ---- Choosing

bool StartVC::canOpenStartSet(const MStartSet& set) const {
    auto book = dynamic_cast<const MEBook*>(&set);
    if (!book) return true;
    auto delegate = TovridaAppDelegate::shared();
    auto rep = AbstractAppDelegate::sharedRep();
    const std::string& id = book->productId();
    bool busy = (delegate && (delegate->isLoadingProduct(id) || delegate->isUpdatingProduct(id))) ||
                (rep && rep->isParsingProduct(id));
    if (!busy) return true;
    auto alert = ui::make<ui::AlertView>(std::string(kUpdatingTitle), std::string(kUpdatingMessage),
                                         std::weak_ptr<ui::AlertViewDelegate>(), std::string(kUpdatingKey),
                                         std::vector<std::string>{});
    alert->show();
    return false;
}

void StartVC::openSet(std::shared_ptr<StartSetVC> screen) {
    startSetVC_ = std::move(screen);
    if (startSetVC_) registerMainChildDoneHandler(&StartVC::startSetNotifications, std::nullopt, startSetVC_);
}

void StartVC::openSmartBookAtRow(int row) {
    if (row < 0 || row >= int(smartBooksArray_.size())) return;
    const auto& book = smartBooksArray_[std::size_t(row)];
    if (!canOpenSubview() || !canOpenStartSet(*book)) return;
    openSet(makeSmartBookVC(book));
    if (marksStatisticsForBooks()) setCanUpdateStatistics(true);
}

void StartVC::openStartSetVCAtRow(int row) {
    if (row < 0 || row >= int(booksArray_.size())) return;
    const auto& set = booksArray_[std::size_t(row)];
    if (!canOpenSubview() || !canOpenStartSet(*set)) return;
    openSet(makeStartSetVC(set));
}

std::shared_ptr<StartSetVC> StartVC::makeSmartBookVC(const std::shared_ptr<MEBook>& book) const {
    return ui::make<IBookVC>(book);
}

std::shared_ptr<CommonViewController> StartVC::makeMathVC() const { return ui::make<MathVC>(); }

std::shared_ptr<StartSetVC> StartVC::makeStartSetVC(const std::shared_ptr<MStartSet>& set) const {
    return ui::make<StartSetVC>(set);
}

void StartVC::showMath(const Sender&) {
    if (!canOpenSubview()) return;
    mathVC_ = makeMathVC();
    registerMainChildDoneHandler(&StartVC::mathNotifications, std::string(MathVC::kDoneNotification),
                                 mathVC_);
}

void StartVC::startSetNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, startSetVC_)) return;
    startSetVC_.reset();
    if (startTV_) startTV_->reloadData();
}

void StartVC::mathNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, mathVC_)) return;
    mathVC_.reset();
    if (startTV_) startTV_->reloadData();
}

void StartVC::openURL(const std::string& link) {
    if (link.empty()) return;
    fnd::URL url(link);
    if (WebViewCustom::isExternal(url)) {
        ui::Application::shared().openURL(url);
        return;
    }
    auto delegate = AbstractAppDelegate::shared();
    std::shared_ptr<ToolChooseVC> home = delegate ? delegate->toolChooseVC() : nullptr;
    doneClick(nullptr);
    if (!home) return;
    // The call waits on the home screen, which outlives the library closing meanwhile.
    std::weak_ptr<ToolChooseVC> weakHome = home;
    fnd::RunLoop::main().performAfterDelay(kForumDelay, home.get(),
                                           "showForumWithUrlString:", [weakHome, link] {
                                               if (auto screen = weakHome.lock())
                                                   screen->showForumWithUrlString(link);
                                           });
}

void StartVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<fnd::Object>());
}

void StartVC::back() {
    ui::Accelerometer::shared().setDelegate({});
    ui::Application::shared().setIdleTimerDisabled(false);
    ToolViewController::back();
}

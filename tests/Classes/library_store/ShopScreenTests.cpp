// The store screen over a local content server and the store stand-in: the rows of every state and
// the sections by kind, the overlay that covers the store until the catalogue is in (closing it
// ends the store), a purchase whose download shows in its row before anything is delivered, an
// update, failed and wrongly typed downloads, and a product's annotation.

#include <gtest/gtest.h>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/FontAdjustVC.h"
#include "Classes/core/LoadingVC.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/ToolButton.h"
#include "Classes/core/ToolChooseVC.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MProductInfo.h"
#include "Classes/library_store/ProductAnnotationVC.h"
#include "Classes/library_store/ProductsObserver.h"
#include "Classes/library_store/ShopPurchase.h"
#include "Classes/library_store/ShopVC_iPad.h"
#include "Classes/library_store/TransactionObserver.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Paths.h"
#include "platform/store/Storefront.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"
#include "tests/Classes/library_store/LibraryHomeTest.h"
#include "tests/Classes/library_store/ZipFixtures.h"
#include "tests/support/HTTPTestServer.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ScriptedWebEngine.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using testing_support::HTTPTestServer;
using testing_support::ScriptedWebEngine;

constexpr const char* kGeometry = "org.orvakit.studykit.geometry";
constexpr const char* kTryIt = "org.orvakit.studykit.try_it";
constexpr const char* kCatalogue =
    "org.orvakit.studykit.geometry\t2\t1\tGeometry\tFigures\tA. Author\tMORVA_CR_6\t\t\tYes\n"
    "org.orvakit.studykit.try_it\t1\t1\tTry-it Drills\tPractice\tB. Author\tIB_example\t\ti_v1\n";

// ---- Rows

TEST(ShopRowsTest, EachStateShowsWhatItShouldAndTheNewMarkGoesOnceInstalled) {
    MProductInfo product(kGeometry, 1, 2, "Geometry", "", "", "MORVA_CR_6");
    product.setDescription("Angles and circles.");
    product.setIsNew(true);
    MEBook current(kGeometry), old(kGeometry);
    current.setVersion(2);
    old.setVersion(1);
    using State = ShopRows::State;
    struct Case {
        const MEBook* installed;
        bool downloading, unpacking;
        State state;
        std::string description;
        bool price, installedMark, busy, update, newMark;
        int icon;
    };
    const Case cases[] = {
        {nullptr, false, false, State::ForSale, "Angles and circles.", true, false, false, false, true, 3},
        {nullptr, true, false, State::Downloading, "Loading...", false, false, true, false, true, 2},
        {nullptr, false, true, State::Unpacking, "Parsing...", false, false, true, false, true, 2},
        {&current, false, false, State::Installed, "Angles and circles.", false, true, false, false, false,
         2},
        {&old, false, false, State::Installed, "Angles and circles.", false, true, false, true, false, 2},
        {&old, true, false, State::Downloading, "Loading...", false, false, true, false, false, 2},
    };
    for (const Case& c : cases) {
        ShopRows::Row row = ShopRows::rowFor(product, c.installed, c.downloading, c.unpacking);
        EXPECT_EQ(row.state, c.state);
        EXPECT_EQ(row.description, c.description);
        EXPECT_EQ(row.showsPrice, c.price);
        EXPECT_EQ(row.installedMark, c.installedMark);
        EXPECT_EQ(row.busy, c.busy);
        EXPECT_EQ(row.updateMark, c.update);
        EXPECT_EQ(row.newMark, c.newMark);
        EXPECT_EQ(row.iconType, c.icon);
    }
}

TEST(ShopRowsTest, SectionsFollowTheKindsOfBooksListed) {
    auto catalogue = ProductsObserver::parseCatalogue(
        "a.plain\t1\t1\tPlain\t\t\tx\n"
        "b.smart\t2\t1\tSmart\t\t\tx\t\ti_v1\n"
        "c.reader\t3\t1\tReader\t\t\tx\t\te_v1\n");
    std::vector<store::Product> both{{"a.plain", "", "4.99", "$"},
                                     {"b.smart", "", "1", "€"},
                                     {"c.reader", "", "0.5", "$"},
                                     {"d.unlisted", "", "9", "$"}};
    ShopRows rows;
    rows.update(both, catalogue);
    ASSERT_EQ(rows.numberOfSections(), 2);
    EXPECT_EQ(rows.titleForSection(0), "Interactive Books");
    EXPECT_EQ(rows.titleForSection(1), "eBooks");
    EXPECT_EQ(rows.numberOfRows(0), 2);
    EXPECT_EQ(rows.productAt(0, 1)->productId(), "c.reader");
    EXPECT_EQ(rows.productAt(1, 0)->priceString(), "$4.99");
    EXPECT_EQ(rows.productAt(0, 0)->priceString(), "€1");
    EXPECT_FALSE(rows.productAt(2, 0));
    EXPECT_FALSE(rows.productAt(1, 1));

    rows.update({both[1]}, catalogue);
    ASSERT_EQ(rows.numberOfSections(), 1);
    EXPECT_EQ(rows.titleForSection(0), "Interactive Books");
    rows.update({both[0], both[3]}, catalogue);
    ASSERT_EQ(rows.numberOfSections(), 1);
    EXPECT_EQ(rows.titleForSection(0), "eBooks");
    EXPECT_EQ(rows.numberOfRows(0), 1) << "a product without catalogue record is not listed";
}

// ---- The screen

class ShopScreenTest : public library_test::LibraryHomeTest {
  protected:
    void SetUp() override {
        LibraryHomeTest::SetUp();
        auto record = [this](const std::string& title, const std::string&) { alerts.push_back(title); };
        catalogue = std::make_shared<ProductsObserver>(fnd::URL(server.url("/")), "org.orvakit.studykit");
        catalogue->setAlertPresenter(record);
        catalogue->setFinishHandler([this] { ++finished; });
        delegate->setProductsObserver(catalogue);
        downloads = std::make_shared<TransactionObserver>(fnd::URL(server.url("/")));
        downloads->setAlertPresenter(record);
        delegate->setObserver(downloads);
        server.route("/get_products.cgi", HTTPTestServer::Reply::text(kCatalogue, "text/plain"));
        store::Storefront::shared().setProducts(
            {{kGeometry, "Angles and circles.", "4.99", "$"}, {kTryIt, "Drills to try.", "0", "$"}});
        fnd::NotificationCenter::defaultCenter().addObserver(
            this, std::string(ShopVC::kStoreOpenedEvent), nullptr,
            [this](const fnd::Notification&) { ++storeOpened; });
    }
    void TearDown() override {
        fnd::NotificationCenter::defaultCenter().removeObserver(this);
        store::Storefront::shared().setProducts({});
        LibraryHomeTest::TearDown();
    }
    std::shared_ptr<ShopVC> openStore() { return std::dynamic_pointer_cast<ShopVC>(openTool("ShopVC")); }
    std::shared_ptr<ShopVC> openLoadedStore() {
        auto store = openStore();
        EXPECT_TRUE(runUntil([&] { return finished > 0; }, 20));
        runFor(1);
        return store;
    }
    std::shared_ptr<ui::TableViewCell> row(ShopVC& store, int section, int row) {
        return store.cellForRow(*store.productsTV(), {section, row});
    }
    static std::string text(ui::TableViewCell& cell, int tag) {
        auto label = std::dynamic_pointer_cast<ui::Label>(cell.viewWithTag(tag));
        return label && !label->isHidden() ? label->text() : "(hidden)";
    }
    std::shared_ptr<ui::AlertView> shownAlert() const {
        for (const auto& view : window()->subviews())
            if (auto alert = std::dynamic_pointer_cast<ui::AlertView>(view); alert && alert->isVisible())
                return alert;
        return nullptr;
    }
    void deliverBook(double delay = 0) {
        std::filesystem::path zip = temporary / "book.zip";
        ASSERT_TRUE(zip_fixtures::writeZip(zip, zip_fixtures::onePageBook()));
        auto reply = HTTPTestServer::Reply::text(zip_fixtures::readBytes(zip), "application/epub+zip");
        reply.delay = delay;
        server.route("/get_content.cgi", reply);
    }

    HTTPTestServer server;
    std::shared_ptr<ProductsObserver> catalogue;
    std::shared_ptr<TransactionObserver> downloads;
    std::vector<std::string> alerts;
    int finished = 0, storeOpened = 0;
};

TEST_F(ShopScreenTest, TheStoreOpensBehindItsOverlayAndListsTheCatalogueByKind) {
    auto store = openStore();
    ASSERT_TRUE(store);
    ASSERT_TRUE(store->loadingView());
    EXPECT_EQ(store->loadingView()->label()->text(), "Accessing App Store...");
    ASSERT_TRUE(runUntil([&] { return finished > 0; }, 20));
    EXPECT_FALSE(store->loadingView());
    EXPECT_EQ(storeOpened, 1);
    EXPECT_TRUE(alerts.empty());

    auto& table = *store->productsTV();
    ASSERT_EQ(store->numberOfSections(table), 2);
    EXPECT_EQ(store->titleForHeader(table, 0), "Interactive Books");
    EXPECT_EQ(store->titleForHeader(table, 1), "eBooks");
    auto geometry = row(*store, 1, 0);
    EXPECT_EQ(text(*geometry, ShopCells::kTitleTag), "Geometry");
    EXPECT_EQ(text(*geometry, ShopCells::kSubTitleTag), "Figures");
    EXPECT_EQ(text(*geometry, ShopCells::kAuthorTag), "A. Author");
    EXPECT_EQ(text(*geometry, ShopCells::kDescriptionTag), "Angles and circles.");
    EXPECT_EQ(text(*geometry, ShopCells::kPriceTag), "$4.99");
    EXPECT_FALSE(geometry->viewWithTag(ShopCells::kNewTag)->isHidden());
    EXPECT_FALSE(geometry->viewWithTag(ShopCells::kInfoTag)->isHidden()) << "geometry has an annotation";
    auto icon = std::dynamic_pointer_cast<ui::ImageView>(geometry->viewWithTag(ShopCells::kIconTag));
    ASSERT_TRUE(icon && icon->image());
    EXPECT_EQ(icon->image()->name(), "Store_MORVA_CR_6_a.png");
    auto tryIt = row(*store, 0, 0);
    EXPECT_TRUE(tryIt->viewWithTag(ShopCells::kInfoTag)->isHidden()) << "no annotation page";
    EXPECT_TRUE(tryIt->viewWithTag(ShopCells::kNewTag)->isHidden());

    store->doneClick(nullptr);
    runFor(1);
    EXPECT_FALSE(home->toolVC());
    EXPECT_TRUE(catalogue->products().empty()) << "the loader forgets its products when the store goes";
}

TEST_F(ShopScreenTest, ClosingTheOverlayEndsTheStoreAndItsLateAnswersAreIgnored) {
    auto slow = HTTPTestServer::Reply::text(kCatalogue, "text/plain");
    slow.delay = 0.3;
    server.route("/get_products.cgi", slow);
    auto store = openStore();
    ASSERT_TRUE(store && store->loadingView());
    testing_support::tap(*store->loadingView()->cancelBtn());
    runFor(1);
    EXPECT_TRUE(store->isCanceled());
    EXPECT_FALSE(home->toolVC()) << "the store closed";
    ASSERT_TRUE(runUntil([&] { return finished > 0; }, 20));
    store->updateTable();
    store->unblockUI();
    EXPECT_EQ(storeOpened, 0);
    EXPECT_TRUE(store->products().empty() && store->smartProducts().empty());
}

TEST_F(ShopScreenTest, ABoughtBookShowsItsDownloadAtOnceAndInstalls) {
    deliverBook(0.3);
    auto store = openLoadedStore();
    store->didSelectRow(*store->productsTV(), {1, 0});
    auto alert = shownAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "Buy Geometry?");
    EXPECT_EQ(alert->message(), "$4.99");
    EXPECT_EQ(alert->buttonTitle(alert->firstOtherButtonIndex()), "Buy");
    testing_support::tap(*alert->button(alert->firstOtherButtonIndex()));
    EXPECT_TRUE(delegate->isLoadingProduct(kGeometry)) << "registered before anything is delivered";
    auto cell = row(*store, 1, 0);
    EXPECT_EQ(text(*cell, ShopCells::kDescriptionTag), "Loading...");
    EXPECT_EQ(text(*cell, ShopCells::kPriceTag), "(hidden)");
    auto busy = std::dynamic_pointer_cast<ui::ActivityIndicator>(cell->viewWithTag(ShopCells::kBusyTag));
    EXPECT_TRUE(busy && !busy->isHidden() && busy->isAnimating());

    ASSERT_TRUE(runUntil(
        [&] { return rep->findEBookByProductId(kGeometry) && !rep->isParsingProduct(kGeometry); }, 20));
    runFor(1);
    cell = row(*store, 1, 0);
    EXPECT_FALSE(cell->viewWithTag(ShopCells::kInstalledTag)->isHidden());
    EXPECT_TRUE(cell->viewWithTag(ShopCells::kNewTag)->isHidden());
    auto icon = std::dynamic_pointer_cast<ui::ImageView>(cell->viewWithTag(ShopCells::kIconTag));
    EXPECT_EQ(icon->image()->name(), "Store_MORVA_CR_6_b.png");
    EXPECT_TRUE(alerts.empty());

    // A current installed book, like a busy row, asks nothing.
    store->didSelectRow(*store->productsTV(), {1, 0});
    EXPECT_FALSE(shownAlert());
}

TEST_F(ShopScreenTest, AnOlderInstalledBookIsUpdatedAfterAskingAndMarkedForTheFreshDownload) {
    auto installed = std::make_shared<MEBook>(kGeometry);
    installed->setVersion(0);
    rep->eBooks().insert(rep->eBooks().begin(), installed);
    deliverBook(0.3);
    auto store = openLoadedStore();
    EXPECT_FALSE(row(*store, 1, 0)->viewWithTag(ShopCells::kUpdateTag)->isHidden());
    store->didSelectRow(*store->productsTV(), {1, 0});
    auto alert = shownAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "Update Geometry?");
    testing_support::tap(*alert->button(alert->cancelButtonIndex()));
    EXPECT_FALSE(delegate->isLoadingProduct(kGeometry));

    store->didSelectRow(*store->productsTV(), {1, 0});
    testing_support::tap(*shownAlert()->button(1));
    EXPECT_TRUE(delegate->isUpdatingProduct(kGeometry));
    EXPECT_TRUE(delegate->isLoadingProduct(kGeometry));
    ASSERT_TRUE(runUntil([&] { return rep->findEBookByProductId(kGeometry)->version() == 1; }, 20));
    EXPECT_FALSE(delegate->isUpdatingProduct(kGeometry));
}

TEST_F(ShopScreenTest, FailedAndWronglyTypedDownloadsSaySoAndShowThePriceAgain) {
    auto store = openLoadedStore();
    server.route("/get_content.cgi", HTTPTestServer::Reply::text("<html>busy</html>", "text/html"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt == 1) {
            // The content server cannot be reached at all.
            auto unreachable = std::make_shared<TransactionObserver>(fnd::URL("http://127.0.0.1:1/"));
            unreachable->setAlertPresenter(
                [this](const std::string& title, const std::string&) { alerts.push_back(title); });
            delegate->setObserver(unreachable);
        }
        alerts.clear();
        store->didSelectRow(*store->productsTV(), {1, 0});
        testing_support::tap(*shownAlert()->button(1));
        EXPECT_EQ(text(*row(*store, 1, 0), ShopCells::kDescriptionTag), "Loading...");
        ASSERT_TRUE(runUntil([&] { return !alerts.empty(); }, 20));
        runFor(1);
        EXPECT_EQ(alerts, std::vector<std::string>{"Uploading of the content failed"});
        EXPECT_FALSE(delegate->isLoadingProduct(kGeometry));
        EXPECT_EQ(text(*row(*store, 1, 0), ShopCells::kPriceTag), "$4.99");
        EXPECT_FALSE(rep->findEBookByProductId(kGeometry));
    }
}

// A book bought with the data folder given as a relative path installs like any other; an archive
// that unpacks but holds no book is not installed, and the person is told so in an alert and on
// the row, which offers the book again, until a new download of it starts.
TEST_F(ShopScreenTest, ABoughtBookInstallsFromARelativeDataFolderOrItsRowAndAnAlertSayWhyNot) {
    const std::filesystem::path workingFolder = std::filesystem::current_path();
    std::filesystem::current_path(documents.parent_path());
    fnd::Paths::setDocuments(documents.filename());
    struct Case {
        zip_fixtures::Entries archive;
        bool installed;
        std::string description;
    };
    const Case cases[] = {
        {zip_fixtures::onePageBook(), true, "Angles and circles."},
        {{{"notes.txt", "Not a book at all."}}, false, "Could not be installed. Tap to try again."},
    };
    for (const Case& c : cases) {
        std::erase_if(rep->eBooks(), [](const auto& book) { return book->productId() == kGeometry; });
        std::filesystem::path zip = temporary / "book.zip";
        ASSERT_TRUE(zip_fixtures::writeZip(zip, c.archive));
        server.route("/get_content.cgi",
                     HTTPTestServer::Reply::text(zip_fixtures::readBytes(zip), "application/epub+zip"));
        alerts.clear();
        finished = 0;
        auto store = openLoadedStore();
        ASSERT_TRUE(store);
        store->didSelectRow(*store->productsTV(), {1, 0});
        ASSERT_TRUE(shownAlert()) << c.installed;
        testing_support::tap(*shownAlert()->button(1));
        ASSERT_TRUE(runUntil([&] { return !delegate->isLoadingProduct(kGeometry); }, 20));
        ASSERT_TRUE(runUntil([&] { return !rep->isParsingProduct(kGeometry); }, 20));
        runFor(1);
        EXPECT_EQ(rep->findEBookByProductId(kGeometry) != nullptr, c.installed);
        EXPECT_EQ(alerts, c.installed ? std::vector<std::string>{}
                                      : std::vector<std::string>{"Uploading of the content failed"});
        auto cell = row(*store, 1, 0);
        EXPECT_EQ(text(*cell, ShopCells::kDescriptionTag), c.description);
        EXPECT_EQ(text(*cell, ShopCells::kPriceTag), c.installed ? "(hidden)" : "$4.99");
        if (!c.installed) {
            // Tried again: the row shows the download, not the old failure.
            store->didSelectRow(*store->productsTV(), {1, 0});
            testing_support::tap(*shownAlert()->button(1));
            EXPECT_EQ(text(*row(*store, 1, 0), ShopCells::kDescriptionTag), "Loading...");
            ASSERT_TRUE(runUntil([&] { return !delegate->isLoadingProduct(kGeometry); }, 20));
            ASSERT_TRUE(runUntil([&] { return !rep->isParsingProduct(kGeometry); }, 20));
        }
        store->doneClick(nullptr);
        runFor(1);
    }
    std::filesystem::current_path(workingFolder);
}

TEST_F(ShopScreenTest, TheAnnotationShowsItsPageAtTheFontSizeAndSendsLinksOutside) {
    auto store = openLoadedStore();
    auto info = row(*store, 1, 0)->viewWithTag(ShopCells::kInfoTag);
    // The table lays the row out when it shows it; the key of a row made here finds no product.
    EXPECT_FALSE(store->productByButton(std::dynamic_pointer_cast<fnd::Object>(info)));
    std::shared_ptr<ui::View> shown;
    for (const auto& cell : store->productsTV()->visibleCells())
        if (store->productByButton(cell->viewWithTag(ShopCells::kInfoTag))->productId() == kGeometry)
            shown = cell->viewWithTag(ShopCells::kInfoTag);
    ASSERT_TRUE(shown);
    testing_support::tap(*shown);
    runFor(1);
    auto annotation = store->productAnnotationVC();
    ASSERT_TRUE(annotation);
    EXPECT_EQ(annotation->titleLbl()->text(), "Geometry");
    auto& page = *std::dynamic_pointer_cast<ScriptedWebEngine>(annotation->webView()->engine());
    ASSERT_TRUE(page.shown());
    EXPECT_NE(page.shown()->content.find("Figures, and the few facts"), std::string::npos);
    EXPECT_EQ(page.scripts(), (std::vector<std::string>{"document.body.style.fontSize='13pt';",
                                                        "document.body.style.visibility='visible';"}));

    EXPECT_FALSE(page.tapLink("https://127.0.0.1:9/more"));
    EXPECT_EQ(opened, std::vector<std::string>{"https://127.0.0.1:9/more"});

    annotation->changeFontSize(nullptr);
    ASSERT_TRUE(annotation->fontAdjustVC());
    for (int i = 0; i < 10; ++i)
        fnd::NotificationCenter::defaultCenter().post(FontAdjustVC::kLargerNotification,
                                                      annotation->fontAdjustVC());
    EXPECT_EQ(rep->baseFontSize(), 20);
    EXPECT_EQ(page.scripts().back(), "document.body.style.fontSize='20pt';");
    for (int i = 0; i < 20; ++i)
        fnd::NotificationCenter::defaultCenter().post(FontAdjustVC::kSmallerNotification,
                                                      annotation->fontAdjustVC());
    EXPECT_EQ(rep->baseFontSize(), 7);
    annotation->doneClick(nullptr);
    runFor(1);
    EXPECT_FALSE(store->productAnnotationVC());
    EXPECT_FALSE(annotation->fontAdjustVC()) << "the font popup went first";
}

}  // namespace

#include "Classes/library_store/MProductInfo.h"
#include "Classes/library_store/ProductsObserver.h"
#include "Classes/library_store/TransactionObserver.h"
#include "platform/foundation/URLConnection.h"
#include "platform/foundation/URLRequest.h"
#include "platform/store/Storefront.h"
#include "tests/support/HTTPTestServer.h"
#include "tests/support/TestEnvironment.h"

namespace {

using testing_support::HTTPTestServer;

constexpr const char* kCatalogue =
    "b.geo\t5\t2\tGeometry\tCircles and more\tOstrand Ventures\tgeo\t\ti_v1\tYES\n"
    "a.num\t2\t1\tNumbers\tIntegers\tOstrand Ventures\tnum\n"
    "c.verbal\t9\t3\tVerbal\tReading\tOstrand Ventures\tverb\tHalf price this week\te_v1\t0\n"
    "too.short\t1\t1\tTitle\n"
    "../escape\t1\t1\tT\tS\tA\tp\n"
    "d.plain\t7\t1\tPlain\tS\tA\tp\tnote\tx\t +007\n"
    "a.num\t3\t4\tNumbers again\tIntegers\tOstrand Ventures\tnum\n"
    "\n";

struct Alerts {
    std::vector<std::pair<std::string, std::string>> shown;
    StoreAlert::Presenter presenter() {
        return [this](const std::string& title, const std::string& message) {
            shown.emplace_back(title, message);
        };
    }
};

class StoreTest : public testing_support::TestEnvironment {
  protected:
    void TearDown() override {
        store::Storefront::shared().setProducts({});
        store::Storefront::shared().setFailure(std::nullopt);
        TestEnvironment::TearDown();
    }
    std::shared_ptr<ProductsObserver> catalogueObserver() {
        auto observer = std::make_shared<ProductsObserver>(fnd::URL(server.url("/")), "org.orvakit.studykit");
        observer->setAlertPresenter(alerts.presenter());
        observer->setFinishHandler([this] { ++finished; });
        return observer;
    }

    HTTPTestServer server;
    Alerts alerts;
    int finished = 0;
};

TEST_F(StoreTest, CatalogueLinesBecomeRecordsAndMalformedOnesAreSkipped) {
    auto catalogue = ProductsObserver::parseCatalogue(kCatalogue);
    ASSERT_EQ(catalogue.size(), 4u);
    const MProductInfo& geo = *catalogue.at("b.geo");
    EXPECT_EQ(geo.orderNumber(), 5);
    EXPECT_EQ(geo.version(), 2);
    EXPECT_EQ(geo.subTitle(), "Circles and more");
    EXPECT_EQ(geo.special(), "");
    EXPECT_EQ(geo.smartBookMode(), 1);
    EXPECT_TRUE(geo.isNew());
    const MProductInfo& num = *catalogue.at("a.num");  // the later line replaces the earlier
    EXPECT_EQ(num.title(), "Numbers again");
    EXPECT_FALSE(num.special());
    EXPECT_EQ(num.smartBookMode(), 0);
    EXPECT_FALSE(num.isNew());
    EXPECT_EQ(catalogue.at("c.verbal")->special(), "Half price this week");
    EXPECT_EQ(catalogue.at("c.verbal")->smartBookMode(), 2);
    EXPECT_FALSE(catalogue.at("c.verbal")->isNew());
    EXPECT_EQ(catalogue.at("d.plain")->smartBookMode(), 0);
    EXPECT_TRUE(catalogue.at("d.plain")->isNew());
}

TEST_F(StoreTest, EveryAnnotatedProductFindsItsPage) {
    auto observer = catalogueObserver();
    EXPECT_EQ(observer->productIDSet().size(), 14u);
    auto page = [&](const std::string& id) {
        return observer->getResourceForProductID(MProductInfo(id, 1, 1, "T", "S", "A", "p"));
    };
    EXPECT_EQ(page(ProductsObserver::kOfficialGuideCompanionStoreId), "official_guide_companion");
    EXPECT_EQ(page("org.orvakit.studykit.official_guide_companion"), "official_guide_companion");
    EXPECT_EQ(page("org.orvakit.studykit.case_studies_and_cocktails"), "case_studies_n_cocktails");
    EXPECT_EQ(page("org.orvakit.studykit.unknown"), std::nullopt);
}

TEST_F(StoreTest, AFetchPostsTheFormAndCompletesRecordsWithTheStoresProducts) {
    server.route("/get_products.cgi", HTTPTestServer::Reply::text(kCatalogue, "text/plain"));
    store::Storefront::shared().setProducts({{"b.geo", "Angles, circles and solids.", "4.99", "$"},
                                             {"a.num", "Divisibility and primes.", "2.99", "$"},
                                             {"unlisted", "Not in the catalogue.", "1.00", "$"}});
    auto observer = catalogueObserver();
    observer->startLoading();
    observer->startLoading();  // a fetch is running: nothing more starts
    ASSERT_TRUE(runUntil([&] { return finished == 1; }, 20));
    EXPECT_FALSE(observer->isLoading());
    ASSERT_EQ(server.requestCount(), 1u);
    HTTPTestServer::Request request = server.requests()[0];
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.body, "bid=org.orvakit.studykit&version=3");
    EXPECT_EQ(request.headers.value("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(request.headers.value("Content-Length"), "34");

    ASSERT_EQ(observer->products().size(), 2u);
    EXPECT_EQ(observer->products()[0].productIdentifier, "a.num");  // order 3 before order 5
    EXPECT_EQ(observer->productInfo("b.geo")->description(), "Angles, circles and solids.");
    EXPECT_FALSE(observer->productInfo("c.verbal")->description());
    EXPECT_EQ(observer->productsInfo().size(), 4u);
    EXPECT_TRUE(alerts.shown.empty());
    observer->clear();
    EXPECT_TRUE(observer->products().empty());
}

TEST_F(StoreTest, ErrorPagesAndUnreachableServersKeepTheCatalogue) {
    server.route("/get_products.cgi", HTTPTestServer::Reply::text(kCatalogue, "text/plain"));
    auto observer = catalogueObserver();
    observer->startLoading();
    ASSERT_TRUE(runUntil([&] { return finished == 1; }, 20));
    ASSERT_EQ(observer->productsInfo().size(), 4u);

    server.route("/get_products.cgi",
                 HTTPTestServer::Reply::text("<html>Internal error</html>", "text/html", 500));
    observer->startLoading();
    ASSERT_TRUE(runUntil([&] { return finished == 2; }, 20));
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].first, "Unable to connect to store.");
    EXPECT_EQ(observer->productsInfo().size(), 4u);

    server.stop();
    observer->startLoading();
    ASSERT_TRUE(runUntil([&] { return finished == 3; }, 20));
    EXPECT_EQ(alerts.shown.size(), 2u);
    EXPECT_EQ(observer->productsInfo().size(), 4u);

    // The store itself failing to answer.
    store::Storefront::shared().setFailure("The store is closed.");
    HTTPTestServer again;
    again.route("/get_products.cgi", HTTPTestServer::Reply::text(kCatalogue, "text/plain"));
    auto second = std::make_shared<ProductsObserver>(fnd::URL(again.url("/")), "org.orvakit.studykit");
    second->setAlertPresenter(alerts.presenter());
    second->setFinishHandler([this] { ++finished; });
    second->startLoading();
    ASSERT_TRUE(runUntil([&] { return finished == 4; }, 20));
    EXPECT_EQ(alerts.shown.back().second, "The store is closed.");
}

TEST_F(StoreTest, ACancelledFetchStillParsesButAsksNoPrices) {
    HTTPTestServer::Reply slow = HTTPTestServer::Reply::text(kCatalogue, "text/plain");
    slow.delay = 0.2;
    server.route("/get_products.cgi", slow);
    store::Storefront::shared().setProducts({{"b.geo", "Angles.", "4.99", "$"}});
    auto observer = catalogueObserver();
    observer->startLoading();
    observer->cancelLoading();
    ASSERT_TRUE(runUntil([&] { return finished == 1; }, 20));
    EXPECT_EQ(observer->productsInfo().size(), 4u);
    EXPECT_TRUE(observer->products().empty());
    EXPECT_FALSE(observer->isLoading());
}

class DownloadTest : public StoreTest {
  protected:
    std::shared_ptr<TransactionObserver> downloads() {
        auto observer = std::make_shared<TransactionObserver>(fnd::URL(server.url("/")));
        observer->setAlertPresenter(alerts.presenter());
        observer->setInstaller(
            [this](const std::string& id, const std::string& content, TransactionObserver::InstallDone) {
                installed.emplace_back(id, content);
                return true;
            });
        return observer;
    }
    std::vector<std::pair<std::string, std::string>> installed;
};

TEST_F(DownloadTest, ArchivesGoToTheInstallAndOtherRepliesFail) {
    server.route("/get_content.cgi", [](const HTTPTestServer::Request& request) {
        if (request.body.find("pid=good.book") != std::string::npos)
            return HTTPTestServer::Reply::text(std::string("PK\x03\x04 archive bytes", 18),
                                               "application/epub+zip");
        return HTTPTestServer::Reply::text("<html>Try later</html>", "text/html");
    });
    auto observer = downloads();
    observer->reloadProduct("good.book");
    observer->reloadProduct("good.book");
    observer->reloadProduct("bad.book");
    observer->downloadProduct("good.book");
    observer->downloadProduct("bad.book");
    EXPECT_TRUE(observer->isLoadingProduct("good.book"));
    EXPECT_TRUE(observer->isLoadingProduct("bad.book"));
    EXPECT_FALSE(observer->isLoadingProduct("other.book"));
    EXPECT_TRUE(observer->isUpdatingProduct("good.book"));

    ASSERT_TRUE(runUntil(
        [&] { return !observer->isLoadingProduct("good.book") && !observer->isLoadingProduct("bad.book"); },
        20));
    ASSERT_EQ(installed.size(), 1u);
    EXPECT_EQ(installed[0].first, "good.book");
    EXPECT_EQ(installed[0].second, std::string("PK\x03\x04 archive bytes", 18));
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].first, "Uploading of the content failed");
    EXPECT_FALSE(observer->isUpdatingProduct("good.book"));
    EXPECT_FALSE(observer->isUpdatingProduct("bad.book"));

    EXPECT_TRUE(observer->hasFailedProduct("bad.book"));
    EXPECT_FALSE(observer->hasFailedProduct("good.book"));

    // The install refusing the archive (no catalogue record) is reported too.
    observer->setInstaller(
        [](const std::string&, const std::string&, TransactionObserver::InstallDone) { return false; });
    observer->downloadProduct("good.book");
    ASSERT_TRUE(runUntil([&] { return !observer->isLoadingProduct("good.book"); }, 20));
    EXPECT_EQ(alerts.shown.size(), 2u);
    EXPECT_TRUE(observer->hasFailedProduct("good.book"));

    server.stop();
    observer->downloadProduct("good.book");
    ASSERT_TRUE(runUntil([&] { return !observer->isLoadingProduct("good.book"); }, 20));
    EXPECT_EQ(alerts.shown.size(), 3u);
    EXPECT_EQ(installed.size(), 1u);
}

}  // namespace

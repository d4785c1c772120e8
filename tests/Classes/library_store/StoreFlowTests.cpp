// The store's parts together, as the program runs them: the delegate's store objects, a catalogue
// fetched from the content server, a download handed to the repository's install.
#include "Classes/core/MRepository.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/ProductsObserver.h"
#include "Classes/library_store/TransactionObserver.h"
#include "tests/Classes/library_store/ZipFixtures.h"
#include "tests/support/HTTPTestServer.h"
#include "tests/support/ScreenTestEnvironment.h"

namespace {

using testing_support::HTTPTestServer;

class StoreFlowTest : public testing_support::ScreenTestEnvironment {};

TEST_F(StoreFlowTest, ABookBoughtFromTheCatalogueIsDownloadedAndInstalled) {
    auto delegate = std::make_shared<TovridaAppDelegate>();
    launch(ui::Idiom::Phone, delegate);
    // The launch loads the user's data on its own thread; the repository set below must come after.
    ASSERT_TRUE(runUntil([&] { return !delegate->isLoading(); }));
    delegate->setup();
    ASSERT_TRUE(delegate->observer());
    ASSERT_TRUE(delegate->productsObserver());
    auto rep = std::make_shared<MRepository>();
    rep->initEBooks();
    delegate->setRep(rep);

    std::filesystem::path zip = temporary / "book.zip";
    ASSERT_TRUE(zip_fixtures::writeZip(zip, zip_fixtures::onePageBook()));
    HTTPTestServer server;
    server.route("/get_products.cgi",
                 HTTPTestServer::Reply::text("org.orvakit.studykit.geometry\t1\t3\tGeometry\tS\tA\tgeo\n",
                                             "text/plain"));
    server.route("/get_content.cgi",
                 HTTPTestServer::Reply::text(zip_fixtures::readBytes(zip), "application/epub+zip"));

    std::vector<std::string> alerts;
    auto record = [&](const std::string& title, const std::string&) { alerts.push_back(title); };
    auto catalogue = std::make_shared<ProductsObserver>(fnd::URL(server.url("/")), "org.orvakit.studykit");
    catalogue->setAlertPresenter(record);
    delegate->setProductsObserver(catalogue);
    auto downloads = std::make_shared<TransactionObserver>(fnd::URL(server.url("/")));
    downloads->setAlertPresenter(record);
    delegate->setObserver(downloads);

    catalogue->startLoading();
    ASSERT_TRUE(runUntil([&] { return !catalogue->isLoading(); }, 20));
    downloads->downloadProduct("org.orvakit.studykit.geometry");
    EXPECT_TRUE(delegate->isLoadingProduct("org.orvakit.studykit.geometry"));
    ASSERT_TRUE(
        runUntil([&] { return rep->findEBookByProductId("org.orvakit.studykit.geometry") != nullptr; }, 20));
    ASSERT_TRUE(runUntil([&] { return !rep->isParsingProduct("org.orvakit.studykit.geometry"); }, 20));
    EXPECT_FALSE(delegate->isLoadingProduct("org.orvakit.studykit.geometry"));
    auto book = rep->findEBookByProductId("org.orvakit.studykit.geometry");
    EXPECT_EQ(book->title(), "Geometry");
    EXPECT_EQ(book->version(), 3);
    EXPECT_EQ(rep->eBooks().front(), book);
    EXPECT_TRUE(alerts.empty());
}

}  // namespace

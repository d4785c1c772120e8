// The default news feeds: the table as configured in the bundle's information, and its merge into
// a stored feed list when the repository is read.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Classes/core/MRepository.h"
#include "Classes/forum_news/MFeed.h"
#include "Classes/forum_news/MFeeds.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Paths.h"
#include "tests/Classes/core/CoreTestEnvironment.h"

namespace fs = std::filesystem;

namespace {

// The address of a default row on the local test host.
std::string address(int row) { return "http://127.0.0.1:9/feeds/" + std::to_string(row) + ".xml"; }

std::shared_ptr<MFeed> userFeed(std::string url, std::string title, bool active = true) {
    return MFeed::make(std::move(url), "rss", std::move(title), std::nullopt, std::nullopt, std::nullopt,
                       std::nullopt, std::nullopt, active, false);
}

std::vector<std::string> addressesOf(const MFeeds& feeds) {
    std::vector<std::string> urls;
    for (const auto& feed : feeds.feeds()) urls.push_back(feed->urlString());
    return urls;
}

}  // namespace

class DefaultFeedsTest : public core_test::CoreTestEnvironment {
  protected:
    void SetUp() override {
        CoreTestEnvironment::SetUp();
        AbstractAppDelegate::registerClasses();
        // The program's resources with an information file of the test's own.
        bundle = temporary / "bundle";
        fs::create_directories(bundle);
        for (const auto& entry : fs::directory_iterator(fnd::Paths::resources()))
            if (entry.path().filename() != "Info.json")
                fs::create_directory_symlink(entry.path(), bundle / entry.path().filename());
        fnd::Paths::setResources(bundle);
    }

    // The information file with these texts as the default feeds' addresses.
    void configure(const std::string& addresses) {
        std::ofstream(bundle / "Info.json", std::ios::trunc)
            << R"({"CFBundleVersion": "1.0", "DefaultFeedAddresses": [)" << addresses << "]}";
    }
    void configureAll() {
        std::string list;
        for (int row = 1; row <= 10; ++row) list += (row > 1 ? ", \"" : "\"") + address(row) + "\"";
        configure(list);
    }

    // The repository read back from an archive of `rep` (the feed list merged on reading).
    static std::shared_ptr<MRepository> reread(const std::shared_ptr<MRepository>& rep) {
        auto bytes = fnd::KeyedArchiver::archive("kRepository", rep);
        return fnd::KeyedUnarchiver::unarchive(*bytes, "kRepository").object<MRepository>();
    }

    fs::path bundle;
};

TEST_F(DefaultFeedsTest, AFreshRepositoryListsTheConfiguredDefaultsInTableOrder) {
    configureAll();
    auto rep = MRepository::makeWithData();
    const MFeeds::Feeds& feeds = rep->feedSet()->feeds();
    ASSERT_EQ(feeds.size(), 10u);
    for (int row = 1; row <= 10; ++row) {
        const MFeed& feed = *feeds[static_cast<std::size_t>(row - 1)];
        EXPECT_EQ(feed.urlString(), address(row));
        EXPECT_TRUE(feed.isActive());
        EXPECT_TRUE(feed.isPermanent());
        EXPECT_TRUE(feed.organization());
    }

    // Rows without an address are left out, the others keep their order and labels; a list that
    // is too short or holds no texts leaves the rest out.
    configure(R"("", ")" + address(2) + R"(", 5, null, ")" + address(5) + R"(")");
    rep = MRepository::makeWithData();
    EXPECT_EQ(addressesOf(*rep->feedSet()), (std::vector<std::string>{address(2), address(5)}));
    EXPECT_EQ(rep->feedSet()->feeds()[0]->title(), "Kaplan ORVA Blog");
    EXPECT_EQ(rep->feedSet()->feeds()[1]->organization(), "Princeton Review");
}

TEST_F(DefaultFeedsTest, TheShippedInformationConfiguresNoFeed) {
    fnd::Paths::setResources(ORVA_SOURCE_RESOURCES);
    EXPECT_TRUE(MRepository::makeWithData()->feedSet()->feeds().empty());
    MFeeds filled;
    MRepository::fillSet(filled);
    EXPECT_TRUE(filled.feeds().empty());
}

TEST_F(DefaultFeedsTest, ReadingMergesTheStoredListWithTheDefaults) {
    configure("");
    auto rep = MRepository::makeWithData();
    ASSERT_TRUE(rep->feedSet()->feeds().empty());

    auto adoptedByDefault = userFeed(address(3), "my copy of row 3", false);
    auto oldWithOrganization = MFeed::make("http://127.0.0.1:9/gone.xml", "rss", "Gone", std::nullopt,
                                           "Someone", std::nullopt, std::nullopt, std::nullopt, true, true);
    auto oldWithoutOrganization =
        MFeed::make("http://127.0.0.1:9/nameless.xml", "rss", "Nameless", std::nullopt, std::nullopt,
                    std::nullopt, std::nullopt, std::nullopt, true, true);
    rep->feedSet()->setFeeds({
        userFeed("http://127.0.0.1:9/mine.xml", "mine"),
        adoptedByDefault,
        oldWithoutOrganization,
        userFeed(address(3), "second copy of row 3"),
        oldWithOrganization,
        userFeed("http://127.0.0.1:9/mine.xml", "mine again"),
        userFeed("http://127.0.0.1:9/other.xml", "other"),
    });

    configureAll();
    auto read = reread(rep);
    ASSERT_TRUE(read);
    const MFeeds::Feeds& feeds = read->feedSet()->feeds();
    // The defaults not stored yet come first in table order, then what was stored, and the
    // inactive feed sorts last. A permanent feed is stored without its labels, which the table
    // gives it at every start: one whose address left the table has no organization and goes.
    std::vector<std::string> expected;
    for (int row : {1, 2, 4, 5, 6, 7, 8, 9, 10}) expected.push_back(address(row));
    expected.insert(expected.end(),
                    {"http://127.0.0.1:9/mine.xml", "http://127.0.0.1:9/other.xml", address(3)});
    EXPECT_EQ(addressesOf(*read->feedSet()), expected);

    // The stored feed at a default's address takes its labels and becomes permanent, and keeps
    // the user's choice to hide it.
    const MFeed& adopted = *feeds.back();
    EXPECT_EQ(adopted.title(), "Knewton Blog");
    EXPECT_EQ(adopted.organization(), "Knewton");
    EXPECT_EQ(adopted.rssType(), "blog");
    EXPECT_TRUE(adopted.isPermanent());
    EXPECT_FALSE(adopted.isActive());
    // Of two user feeds at one address the first stays.
    EXPECT_EQ(feeds[9]->title(), "mine");

    // Merging again changes nothing.
    EXPECT_EQ(addressesOf(*reread(read)->feedSet()), expected);

    // In memory a permanent feed outside the table stays while it has an organization.
    rep->feedSet()->setFeeds({oldWithOrganization, oldWithoutOrganization});
    rep->updateFeeds();
    EXPECT_EQ(rep->feedSet()->feeds().size(), 11u);
    EXPECT_EQ(rep->feedSet()->feeds().back(), oldWithOrganization);
}

TEST_F(DefaultFeedsTest, AnArchiveWithoutAFeedListGetsTheDefaults) {
    configureAll();
    auto rep = MRepository::makeWithData();
    rep->setFeedSet(nullptr);  // written without "kFeedSet"
    auto read = reread(rep);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->feedSet()->feeds().size(), 10u);
    EXPECT_EQ(read->feedSet()->feeds()[0]->urlString(), address(1));
}

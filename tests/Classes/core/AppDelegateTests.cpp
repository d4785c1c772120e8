#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "Classes/core/MRepository.h"
#include "Classes/errorlog/RequestManager.h"
#include "Classes/errorlog/Syncronizer.h"
#include "platform/foundation/Clock.h"
#include "tests/Classes/core/CoreTestEnvironment.h"

namespace fs = std::filesystem;
using core_test::Note;

namespace {

std::shared_ptr<Note> note(std::string text) {
    auto n = std::make_shared<Note>();
    n->text = std::move(text);
    return n;
}

std::vector<std::string> filesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace

class AppDelegateTest : public core_test::CoreTestEnvironment {};

TEST_F(AppDelegateTest, NothingIsWrittenUntilTheSetUpHasEndedNorForNil) {
    fs::path file = AbstractAppDelegate::dataFilePath();
    EXPECT_EQ(file, documents / "Repository");

    // Sent to the background while loading: the save is refused.
    EXPECT_FALSE(delegate->launchDate());
    EXPECT_FALSE(delegate->saveRepository(note("early"), file));
    EXPECT_FALSE(delegate->writeRepository(*AbstractAppDelegate::archiveRepository(note("early")), file));
    EXPECT_FALSE(fs::exists(file));

    clock->advance(5);
    delegate->setup();
    EXPECT_EQ(delegate->launchDate(), fnd::Date::now());
    EXPECT_FALSE(delegate->saveRepository(nullptr, file));
    EXPECT_FALSE(delegate->save());  // no repository yet
    EXPECT_FALSE(fs::exists(file));

    EXPECT_TRUE(delegate->saveRepository(note("loaded"), file));
    EXPECT_EQ(AbstractAppDelegate::loadRepositoryOfClass<Note>(file)->text, "loaded");
}

TEST_F(AppDelegateTest, ASaveReplacesTheFileWholeAndLeavesNothingBeside) {
    delegate->setup();
    fs::path file = AbstractAppDelegate::dataFilePath();
    ASSERT_TRUE(delegate->saveRepository(note("first"), file));
    ASSERT_TRUE(delegate->saveRepository(note(std::string(100000, 'x')), file));
    ASSERT_TRUE(delegate->saveRepository(note("third"), file));
    EXPECT_THAT(filesIn(documents), testing::ElementsAre("Repository"));

    std::shared_ptr<fnd::Object> loaded = AbstractAppDelegate::loadRepositoryFromFile(file);
    ASSERT_TRUE(std::dynamic_pointer_cast<Note>(loaded));
    EXPECT_EQ(std::dynamic_pointer_cast<Note>(loaded)->text, "third");

    // A save that cannot be written (the file's place is a folder) leaves the old file alone.
    fs::path blocked = documents / "Blocked";
    fs::create_directories(blocked / "inside");
    EXPECT_FALSE(delegate->saveRepository(note("lost"), blocked));
    EXPECT_TRUE(fs::is_directory(blocked / "inside"));
    EXPECT_EQ(AbstractAppDelegate::loadRepositoryOfClass<Note>(file)->text, "third");
}

TEST_F(AppDelegateTest, AMissingFileLoadsAsNothingAndCreatesNothing) {
    EXPECT_EQ(AbstractAppDelegate::loadRepositoryFromFile(documents / "Repository"), nullptr);
    EXPECT_EQ(AbstractAppDelegate::loadRepositoryOfClass<Note>(documents / "Nowhere" / "Repository"),
              nullptr);
    EXPECT_TRUE(filesIn(documents).empty());
}

TEST_F(AppDelegateTest, AnUnreadableFileIsMovedAsideWithItsBytesKept) {
    delegate->setup();
    fs::path file = documents / "Repository";
    long long now = static_cast<long long>(fnd::Date::now().timeIntervalSince1970());
    std::string aside = "Repository.bad-" + std::to_string(now);

    writeFile(file, "bplist00 but damaged");
    EXPECT_EQ(AbstractAppDelegate::loadRepositoryFromFile(file), nullptr);
    EXPECT_THAT(filesIn(documents), testing::ElementsAre(aside));
    EXPECT_EQ(contents(documents / aside), "bplist00 but damaged");

    // An empty file, then a good archive of the wrong kind of object: each is kept aside too,
    // none over another.
    writeFile(file, "");
    EXPECT_EQ(AbstractAppDelegate::loadRepositoryFromFile(file), nullptr);
    ASSERT_TRUE(delegate->saveRepository(std::make_shared<core_test::Other>(), file));
    EXPECT_EQ(AbstractAppDelegate::loadRepositoryOfClass<MSubRepository>(file), nullptr);
    EXPECT_THAT(filesIn(documents), testing::ElementsAre(aside, aside + "-2", aside + "-3"));

    // The fresh data saved after that take the file's place.
    ASSERT_TRUE(delegate->saveRepository(note("fresh"), file));
    EXPECT_EQ(AbstractAppDelegate::loadRepositoryOfClass<Note>(file)->text, "fresh");
}

TEST_F(AppDelegateTest, TheStoreAndSyncObjectsLiveFromLaunchAndAnUnconfiguredSyncSaysSo) {
    EXPECT_TRUE(delegate->observer());
    EXPECT_TRUE(delegate->productsObserver());
    ASSERT_TRUE(delegate->requestManager());
    ASSERT_TRUE(delegate->syncronizer());
    // The shipped information names no back-end.
    EXPECT_FALSE(delegate->requestManager()->isConfigured());

    auto rep = MRepository::makeWithData();
    rep->setForumLogin("reader");
    rep->setForumPassword("secret");
    delegate->setRep(rep);
    delegate->syncronizer()->preSync(Syncronizer::kBookSections);
    EXPECT_EQ(delegate->requestManager()->pendingRequests(), 0u);
}

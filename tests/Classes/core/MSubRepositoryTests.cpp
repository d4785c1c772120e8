#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "Classes/core/MSubRepository.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Paths.h"
#include "tests/Classes/core/CoreTestEnvironment.h"

namespace fs = std::filesystem;

namespace {

// A sub-repository of one text in the file "TestSubRepository", with a hook that runs while it is
// being archived.
class TestSubRepository : public MSubRepository {
  public:
    static fs::path dataFilePath() { return fnd::Paths::documents() / "TestSubRepository"; }
    fs::path classDataFilePath() const override { return dataFilePath(); }

    void loadWithCoder(fnd::KeyedUnarchiver& coder) override {
        text = coder.decodeString("ktext").value_or("");
    }
    void initWithCoder(fnd::KeyedUnarchiver& coder) override { loadWithCoder(coder); }
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override {
        if (whileEncoding) whileEncoding();
        coder.encodeString("ktext", text);
    }

    std::string text;
    std::function<void()> whileEncoding;
};

// One whose first write waits, once under way, until the test releases it; it notes the text of
// every archive it wrote.
class HeldWriteRepository : public TestSubRepository {
  public:
    void waitUntilWriting() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return writing_; });
    }
    void release() {
        std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }
    std::vector<std::string> written;

  protected:
    void writeArchive(const fnd::Bytes& archive, const fs::path& path) override {
        {
            std::unique_lock lock(mutex_);
            writing_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return released_; });
        }
        MSubRepository::writeArchive(archive, path);
        auto loaded = AbstractAppDelegate::loadRepositoryOfClass<TestSubRepository>(path);
        written.push_back(loaded ? loaded->text : "(none)");
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool writing_ = false;
    bool released_ = false;
};

// One that saves a copy of its text, as a large repository does, and counts the archives encoded
// straight into its file.
class CopyingRepository : public HeldWriteRepository {
  public:
    Snapshot snapshotForSave() override {
        auto copy = std::make_shared<TestSubRepository>();
        copy->text = text;
        copy->whileEncoding = whileEncodingCopy;
        return archiveOfCopy(copy);
    }
    std::function<void()> whileEncodingCopy;
    int encodedIntoTheFile = 0;

  protected:
    void writeEncodedArchive(const fnd::AtomicFile::Producer& encode, const fs::path& path) override {
        ++encodedIntoTheFile;
        MSubRepository::writeEncodedArchive(encode, path);
    }
};

// One that has no file.
class FilelessRepository : public TestSubRepository {
  public:
    fs::path classDataFilePath() const override { return {}; }
};

// One that forgot its archive keys.
class KeylessRepository : public MSubRepository {
  public:
    fs::path classDataFilePath() const override { return fnd::Paths::documents() / "Keyless"; }
};

}  // namespace

class MSubRepositoryTest : public core_test::CoreTestEnvironment {
  protected:
    void SetUp() override {
        CoreTestEnvironment::SetUp();
        fnd::ClassRegistry::shared().registerClass<TestSubRepository>("TestSubRepository",
                                                                      {"MSubRepository", "NSObject"});
        fnd::ClassRegistry::shared().registerClass<HeldWriteRepository>(
            "HeldWriteRepository", {"TestSubRepository", "MSubRepository", "NSObject"});
        fnd::ClassRegistry::shared().registerClass<CopyingRepository>(
            "CopyingRepository", {"HeldWriteRepository", "TestSubRepository", "MSubRepository", "NSObject"});
        fnd::ClassRegistry::shared().registerClass<KeylessRepository>("KeylessRepository",
                                                                      {"MSubRepository", "NSObject"});
        fnd::NotificationCenter::defaultCenter().addObserver(this, MSubRepository::kSaveDoneNotification,
                                                             nullptr, [this](const fnd::Notification& n) {
                                                                 std::lock_guard lock(mutex);
                                                                 done.push_back(n.object);
                                                                 doneOn.push_back(std::this_thread::get_id());
                                                             });
        rep = std::make_shared<TestSubRepository>();
        rep->text = "answers";
    }
    void TearDown() override {
        fnd::NotificationCenter::defaultCenter().removeObserver(this);
        CoreTestEnvironment::TearDown();
    }
    std::string stored() {
        auto loaded =
            AbstractAppDelegate::loadRepositoryOfClass<TestSubRepository>(TestSubRepository::dataFilePath());
        return loaded ? loaded->text : "(none)";
    }

    std::shared_ptr<TestSubRepository> rep;
    std::mutex mutex;
    std::vector<std::shared_ptr<fnd::Object>> done;
    std::vector<std::thread::id> doneOn;
};

TEST_F(MSubRepositoryTest, EachSaveWritesItsClassesFileAndTellsItIsDone) {
    delegate->setup();
    rep->save();
    EXPECT_EQ(stored(), "answers");
    EXPECT_FALSE(rep->isSaving());

    rep->text = "more answers";
    rep->save();
    EXPECT_EQ(stored(), "more answers");
    EXPECT_THAT(done, testing::ElementsAre(rep, rep));
}

TEST_F(MSubRepositoryTest, SavesAskedForDuringAWriteAreQueuedAndTheNewestIsWrittenNext) {
    delegate->setup();
    auto held = std::make_shared<HeldWriteRepository>();
    held->text = "first";
    std::thread writer([&] { held->save(); });
    held->waitUntilWriting();

    // Two newer states asked for while the first is being written, each archived at once.
    held->text = "second";
    held->save();
    held->text = "third";
    held->save(held->encodeForSave());
    EXPECT_TRUE(held->isSaving());
    EXPECT_TRUE(done.empty());

    held->release();
    writer.join();
    EXPECT_EQ(held->written, (std::vector<std::string>{"first", "third"}));
    auto loaded =
        AbstractAppDelegate::loadRepositoryOfClass<TestSubRepository>(TestSubRepository::dataFilePath());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->text, "third");
    EXPECT_FALSE(held->isSaving());
    EXPECT_THAT(done, testing::ElementsAre(held));
}

TEST_F(MSubRepositoryTest, TheNoticeComesAlsoWhenNothingWasWritten) {
    // Before the set-up has ended.
    rep->save();
    EXPECT_FALSE(fs::exists(TestSubRepository::dataFilePath()));

    delegate->setup();
    // A class without a file.
    auto fileless = std::make_shared<FilelessRepository>();
    fileless->save();
    EXPECT_EQ(fileless->encodeForSave(), std::nullopt);

    // A write that fails: the file's place is taken by a folder.
    fs::create_directories(TestSubRepository::dataFilePath() / "inside");
    rep->save();
    EXPECT_FALSE(rep->isSaving());
    EXPECT_THAT(done, testing::ElementsAre(rep, fileless, rep));

    // And once the way is free, the next save writes.
    fs::remove_all(TestSubRepository::dataFilePath());
    rep->save();
    EXPECT_EQ(stored(), "answers");
}

TEST_F(MSubRepositoryTest, AnArchiveEncodedOnTheMainThreadIsWrittenOnTheSavingThread) {
    delegate->setup();
    std::optional<fnd::Bytes> archive = rep->encodeForSave();
    ASSERT_TRUE(archive);
    // The main thread goes on changing the data while the file is written.
    rep->text = "changed after the save began";

    std::thread::id saver;
    std::thread thread([&] {
        saver = std::this_thread::get_id();
        rep->save(archive);
    });
    thread.join();
    EXPECT_EQ(stored(), "answers");
    ASSERT_THAT(done, testing::ElementsAre(rep));
    EXPECT_EQ(doneOn.front(), saver);
}

TEST_F(MSubRepositoryTest, ASubclassWithoutItsKeysFailsItsSaveLoudlyAndIsNotLeftSaving) {
    delegate->setup();
    auto keyless = std::make_shared<KeylessRepository>();
    EXPECT_THROW(keyless->save(), fnd::UnrecognizedSelector);
    EXPECT_FALSE(keyless->isSaving());
    EXPECT_FALSE(fs::exists(keyless->classDataFilePath()));
}

TEST_F(MSubRepositoryTest, ACopyIsArchivedStraightIntoTheFileUnlessAnotherWriteIsUnderWay) {
    delegate->setup();
    auto copying = std::make_shared<CopyingRepository>();
    copying->release();  // writes of whole archives go through at once
    copying->text = "copied";
    MSubRepository::Snapshot snapshot = copying->snapshotForSave();
    copying->text = "changed after the copy";
    std::thread([&] { copying->save(std::move(snapshot)); }).join();
    EXPECT_EQ(stored(), "copied");
    EXPECT_EQ(copying->encodedIntoTheFile, 1);
    EXPECT_TRUE(copying->written.empty());

    // A copy that fails while it is archived into the file leaves the file as it was, and the
    // save still ends.
    copying->whileEncodingCopy = [] { throw std::runtime_error("cannot be archived"); };
    std::thread([&] { copying->save(copying->snapshotForSave()); }).join();
    EXPECT_EQ(stored(), "copied");
    EXPECT_EQ(copying->encodedIntoTheFile, 2);
    EXPECT_FALSE(copying->isSaving());
    EXPECT_THAT(done, testing::ElementsAre(copying, copying));
    for (const auto& entry : fs::directory_iterator(TestSubRepository::dataFilePath().parent_path()))
        EXPECT_EQ(entry.path().filename().string().find(".TestSubRepository.saving-"), std::string::npos)
            << entry.path();
}

TEST_F(MSubRepositoryTest, ACopyAskedForDuringAWriteWaitsAsItsArchiveAndIsWrittenNext) {
    delegate->setup();
    auto held = std::make_shared<CopyingRepository>();
    held->text = "first";
    std::thread writer([&] { held->save(held->encodeForSave()); });
    held->waitUntilWriting();

    held->text = "second";
    held->save(held->snapshotForSave());
    EXPECT_TRUE(held->isSaving());

    held->release();
    writer.join();
    EXPECT_EQ(held->written, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(held->encodedIntoTheFile, 0);
    EXPECT_EQ(stored(), "second");
    EXPECT_FALSE(held->isSaving());
    EXPECT_THAT(done, testing::ElementsAre(held));
}

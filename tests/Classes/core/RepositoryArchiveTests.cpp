#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>

#include "Classes/core/MRepository.h"
#include "Classes/core/MTips.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/flashcards/MFlashcards.h"
#include "Classes/game/MGameTopics.h"
#include "Classes/practice/MPracticeRepository.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/ui/Application.h"
#include "tests/Classes/core/CoreTestEnvironment.h"

namespace {

// An object that stands for the central repository in an archive: it writes what the test says
// under the repository's class name, and reads back which keys it finds.
class CentralProbe : public fnd::Object, public fnd::Coding {
  public:
    inline static std::function<void(fnd::KeyedArchiver&)> write;
    inline static std::map<std::string, bool> found;
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override {
        if (write) write(coder);
    }
    void initWithCoder(fnd::KeyedUnarchiver& coder) override {
        for (auto& [key, present] : found) present = coder.containsValueForKey(key);
    }
};

// Runs `body` while the repository's class name stands for the probe.
void asProbe(const std::function<void()>& body) {
    fnd::ClassRegistry::shared().registerClass<CentralProbe>("MRepository");
    body();
    MRepository::registerClass();
}

// The bytes of an archive whose root object writes what `write` writes.
fnd::Bytes centralArchive(std::function<void(fnd::KeyedArchiver&)> write) {
    fnd::Bytes bytes;
    asProbe([&] {
        CentralProbe::write = std::move(write);
        bytes = *fnd::KeyedArchiver::archive("kRepository", std::make_shared<CentralProbe>());
        CentralProbe::write = nullptr;
    });
    return bytes;
}

std::shared_ptr<MRepository> read(const fnd::Bytes& bytes) {
    return fnd::KeyedUnarchiver::unarchive(bytes, "kRepository").object<MRepository>();
}

}  // namespace

class RepositoryArchiveTest : public core_test::CoreTestEnvironment {
  protected:
    void SetUp() override {
        CoreTestEnvironment::SetUp();
        AbstractAppDelegate::registerClasses();
    }
};

TEST_F(RepositoryArchiveTest, EveryMissingKeyTakesItsFallback) {
    auto rep = read(centralArchive({}));
    ASSERT_TRUE(rep);
    EXPECT_EQ(rep->fileFormatVersion(), 0);
    EXPECT_FALSE(rep->toolButtonsOrder());
    EXPECT_FALSE(rep->testDate());
    EXPECT_TRUE(rep->flashcardsSet());
    EXPECT_TRUE(rep->timer());
    EXPECT_TRUE(rep->feedSet());
    EXPECT_TRUE(rep->forumBookmarks());
    EXPECT_TRUE(rep->gameTopicsSet());
    EXPECT_TRUE(rep->gameReviewQuestions().empty());
    EXPECT_FALSE(rep->fSetsShake());
    EXPECT_FALSE(rep->fSetsVibrateOnShake());
    EXPECT_FALSE(rep->fSetsVibrateOnWrongAnswer());
    EXPECT_EQ(rep->setsShakeMode(), 0);
    EXPECT_EQ(rep->sessionsShakeMode(), 1);
    EXPECT_EQ(rep->baseFontSize(), 13);
    EXPECT_EQ(rep->currentStatisticsType(), 0);
    EXPECT_EQ(rep->feedbackOpenCounter(), 0);
    EXPECT_TRUE(rep->fSetsAutoscanStopOnLowBattery());
    EXPECT_EQ(rep->setsAutoscanStopTime(), 1200);
    EXPECT_EQ(rep->booksShowTime(), 0);
    EXPECT_TRUE(rep->stopTrackerInBackground());
    EXPECT_FALSE(rep->doNotShowTips());
    ASSERT_TRUE(rep->tipSet());
    for (auto& tip : rep->tipSet()->tips()) EXPECT_EQ(tip->history()->impressionsCount, 0);
    EXPECT_FALSE(rep->forumLogin());
    EXPECT_FALSE(rep->forumPassword());
    EXPECT_EQ(rep->dictLanguage(), "en");
    // Below the present layout, the practice and tracker data come from the same archive.
    EXPECT_TRUE(rep->practiceRep());
    EXPECT_TRUE(rep->trackerRep());

    // Values of the wrong kind read as missing; the scan's old default reads as the present one.
    rep = read(centralArchive([](fnd::KeyedArchiver& coder) {
        coder.encodeString("baseFontSize", "big");
        coder.encodeString("kTipsHistory", "none");
        coder.encodeInt32("dictLanguage", 7);
        coder.encodeInt32("ksetsAutoscanStopTime", 300);
        coder.encodeString("toolButtonsOrder", "1,2");
    }));
    ASSERT_TRUE(rep);
    EXPECT_EQ(rep->baseFontSize(), 13);
    EXPECT_EQ(rep->dictLanguage(), "en");
    EXPECT_EQ(rep->setsAutoscanStopTime(), 1200);
    EXPECT_FALSE(rep->toolButtonsOrder());
}

TEST_F(RepositoryArchiveTest, EveryKeyComesBack) {
    auto bytes =
        centralArchive([&](fnd::KeyedArchiver& coder) { coder.encodeInt32("kFileFormatVersion", 3); });
    auto rep = read(bytes);
    ASSERT_TRUE(rep);
    EXPECT_FALSE(rep->practiceRep());  // read from its own file by the launch
    rep->setToolButtonsOrder(std::vector<int>{3, 1, 2});
    rep->setTestDate(fnd::Date(1000));
    rep->setFSetsShake(true);
    rep->setFSetsVibrateOnShake(true);
    rep->setFSetsVibrateOnWrongAnswer(true);
    rep->setSetsShakeMode(2);
    rep->setSessionsShakeMode(3);
    rep->setBaseFontSize(21);
    rep->setCurrentStatisticsType(4);
    rep->setFeedbackOpenCounter(5);
    rep->setFSetsAutoscanStopOnLowBattery(false);
    rep->setSetsAutoscanStopTime(600);
    rep->setBooksShowTime(3600);
    rep->setStopTrackerInBackground(false);
    rep->setDoNotShowTips(true);
    rep->tipSet()->tips().front()->shown();
    rep->setForumLogin("reader");
    rep->setForumPassword("secret");
    rep->setDictLanguage("de");

    auto again = read(*fnd::KeyedArchiver::archive("kRepository", rep));
    ASSERT_TRUE(again);
    EXPECT_EQ(rep->fileFormatVersion(), 3);
    EXPECT_EQ(again->fileFormatVersion(), 3);
    EXPECT_EQ(again->toolButtonsOrder(), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(again->testDate(), fnd::Date(1000));
    EXPECT_TRUE(again->fSetsShake() && again->fSetsVibrateOnShake() && again->fSetsVibrateOnWrongAnswer());
    EXPECT_EQ(again->setsShakeMode(), 2);
    EXPECT_EQ(again->sessionsShakeMode(), 3);
    EXPECT_EQ(again->baseFontSize(), 21);
    EXPECT_EQ(again->currentStatisticsType(), 4);
    EXPECT_EQ(again->feedbackOpenCounter(), 5);
    EXPECT_FALSE(again->fSetsAutoscanStopOnLowBattery());
    EXPECT_EQ(again->setsAutoscanStopTime(), 600);
    EXPECT_EQ(again->booksShowTime(), 3600);
    EXPECT_FALSE(again->stopTrackerInBackground());
    EXPECT_TRUE(again->doNotShowTips());
    EXPECT_EQ(again->tipSet()->tips().front()->history()->impressionsCount, 1);
    EXPECT_EQ(again->forumLogin(), "reader");
    EXPECT_EQ(again->forumPassword(), "secret");
    EXPECT_EQ(again->dictLanguage(), "de");

    // The tools' keys are written; no sub-repository keys in the present layout.
    const char* written[] = {"kFeedSet",
                             "timer",
                             "kEBooks",
                             "booksData",
                             "forumBookmarks",
                             "flashcardsHistoryDict",
                             "gameTopicsHistoryDict",
                             "kTipsHistory"};
    const char* notWritten[] = {"isKWActive", "booksHistoryDict"};
    CentralProbe::found.clear();
    for (const char* key : written) CentralProbe::found[key] = false;
    for (const char* key : notWritten) CentralProbe::found[key] = true;
    asProbe([&] {
        fnd::KeyedUnarchiver::unarchive(*fnd::KeyedArchiver::archive("kRepository", again), "kRepository");
    });
    for (const char* key : written) EXPECT_TRUE(CentralProbe::found[key]) << key;
    for (const char* key : notWritten) EXPECT_FALSE(CentralProbe::found[key]) << key;
}

TEST_F(RepositoryArchiveTest, AnOlderCentralFileMigratesItsPracticeDataToTheirOwnFile) {
    auto practice = MPracticeRepository::makeWithData();
    practice->setIsKWActive(true);
    auto bytes = centralArchive([&](fnd::KeyedArchiver& coder) {
        coder.encodeInt32("kFileFormatVersion", 2);
        coder.encodeInt32("baseFontSize", 15);
        practice->encodeWithCoder(coder);
    });
    {
        std::ofstream out(AbstractAppDelegate::dataFilePath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    launchAndLoad();
    auto rep = delegate->rep();
    EXPECT_EQ(rep->fileFormatVersion(), 2);
    EXPECT_EQ(rep->baseFontSize(), 15);
    EXPECT_TRUE(rep->isKWActive());
    auto own =
        AbstractAppDelegate::loadRepositoryOfClass<MPracticeRepository>(MPracticeRepository::dataFilePath());
    ASSERT_TRUE(own);  // written during loading
    EXPECT_TRUE(own->isKWActive());

    ui::Application::shared().enterBackground();
    auto rewritten =
        AbstractAppDelegate::loadRepositoryOfClass<MRepository>(AbstractAppDelegate::dataFilePath());
    ASSERT_TRUE(rewritten);
    EXPECT_EQ(rewritten->fileFormatVersion(), 3);
    EXPECT_EQ(rewritten->baseFontSize(), 15);
}

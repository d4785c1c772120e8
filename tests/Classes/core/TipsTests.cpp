#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "Classes/core/MTip.h"
#include "Classes/core/MTips.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/NotificationCenter.h"
#include "tests/Classes/core/CoreTestEnvironment.h"

namespace {

void post(const std::string& event, int times = 1) {
    for (int i = 0; i < times; ++i) fnd::NotificationCenter::defaultCenter().post(event);
}

std::shared_ptr<MTip> find(MTips& tips, const std::string& id) {
    for (auto& tip : tips.tips())
        if (tip->tipID() == id) return tip;
    return nullptr;
}

bool offers(MTips& tips, const std::string& id) {
    auto eligible = tips.filteredTips();
    return std::any_of(eligible.begin(), eligible.end(), [&](auto& tip) { return tip->tipID() == id; });
}

}  // namespace

class TipsTest : public core_test::CoreTestEnvironment {};

TEST_F(TipsTest, ATipWaitsForItsActivationAndRetiresAtItsDeactivation) {
    MTips tips;
    auto useScan = find(tips, "UseScan");
    EXPECT_FALSE(offers(tips, "UseScan"));
    post("TipsEvent_QuestionSolved", 499);
    EXPECT_FALSE(offers(tips, "UseScan"));
    post("TipsEvent_QuestionSolved", 10);
    EXPECT_EQ(useScan->history()->activationCount, 500);  // never past the limit
    EXPECT_TRUE(offers(tips, "UseScan"));

    post("TipsEvent_QuestionDownloaded", 49);
    EXPECT_TRUE(offers(tips, "UseScan"));
    post("TipsEvent_QuestionDownloaded");
    EXPECT_FALSE(offers(tips, "UseScan"));

    // Impressions retire a tip too; FontSize has no limit.
    auto filter = find(tips, "PracticeFilter");
    filter->history()->impressionsCount = 10;
    EXPECT_FALSE(offers(tips, "PracticeFilter"));
    find(tips, "FontSize")->history()->impressionsCount = 1000000;
    EXPECT_TRUE(offers(tips, "FontSize"));
}

TEST_F(TipsTest, AShownTipIsPassedOverByTheNextThreeRequests) {
    MTips tips;
    post("TipsEvent_QuestionOpend");
    auto dice = find(tips, "PracticeDice");
    dice->shown();
    EXPECT_EQ(dice->history()->impressionsCount, 1);
    for (int request = 1; request <= 3; ++request) EXPECT_FALSE(offers(tips, "PracticeDice")) << request;
    EXPECT_TRUE(offers(tips, "PracticeDice"));

    // With one tip eligible, it cannot follow itself, and the choice then finds none.
    for (auto& tip : tips.tips())
        if (tip != dice) tip->history()->impressionsCount = 1000;
    find(tips, "FontSize")->setBeforeShow(1000);
    EXPECT_EQ(tips.randomTip(), dice);
    dice->shown();
    EXPECT_EQ(tips.randomTip(), nullptr);
}

TEST_F(TipsTest, CountersSurviveAnArchiveAndOlderOrForeignEntriesAreHarmless) {
    MTips tips;
    post("TipsEvent_QuestionSolved", 3);
    find(tips, "News")->shown();
    auto stored = tips.storeTipsHistory();
    EXPECT_EQ(stored->size(), tips.tips().size());
    (*stored)["RetiredTip"] = std::make_shared<MTipHistory>();
    (*stored)["Dictionary"] = fnd::ArchiveValue("not counters");
    stored->erase("Keywords");

    auto bytes = fnd::KeyedArchiver::archive("kRepository", stored);
    ASSERT_TRUE(bytes);
    auto read = fnd::KeyedUnarchiver::unarchive(*bytes, "kRepository").dictionary();
    ASSERT_TRUE(read);

    MTips restored;
    restored.restoreTipsHistory(*read);
    EXPECT_EQ(find(restored, "PracticeReview")->history()->activationCount, 1);
    EXPECT_EQ(find(restored, "ChangeKeywords")->history()->activationCount, 3);
    EXPECT_EQ(find(restored, "Keywords")->history()->activationCount, 0);  // absent from the older dictionary
    EXPECT_EQ(find(restored, "News")->history()->impressionsCount, 1);
    EXPECT_EQ(find(restored, "Dictionary")->history()->impressionsCount, 0);
    EXPECT_EQ(restored.storeTipsHistory()->count("RetiredTip"), 1u);
}

TEST_F(TipsTest, CountersOfTipsLeftOutAreKeptAtTheNextSave) {
    // The contact and flashcard-service tips are left out while their addresses are not configured;
    // their counters must still be there when the address is set later.
    fnd::ArchiveDictionary stored;
    for (const char* id : {"ContactUs", "QuizletMakeOwn", "News"}) {
        auto counters = std::make_shared<MTipHistory>();
        counters->impressionsCount = 4;
        counters->deactivationCount = 2;
        stored[id] = counters;
    }
    MTips tips;
    tips.restoreTipsHistory(stored);
    find(tips, "News")->shown();
    auto saved = tips.storeTipsHistory();
    for (const char* id : {"ContactUs", "QuizletMakeOwn"}) {
        auto counters = saved->at(id).object<MTipHistory>();
        ASSERT_TRUE(counters) << id;
        EXPECT_EQ(counters->impressionsCount, 4) << id;
        EXPECT_EQ(counters->deactivationCount, 2) << id;
    }
    EXPECT_EQ(saved->at("News").object<MTipHistory>()->impressionsCount, 5);
}

TEST_F(TipsTest, EventsFromOtherThreadsAreCountedOnTheMainThreadAndNotAfterTheTipIsGone) {
    auto tips = std::make_shared<MTips>();
    auto review = find(*tips, "PracticeReview");
    std::thread([] { post("TipsEvent_ReviewOpened"); }).join();
    EXPECT_EQ(review->history()->deactivationCount, 0);
    loop->runTurn();
    EXPECT_EQ(review->history()->deactivationCount, 1);

    std::thread([] { post("TipsEvent_QuestionSolved"); }).join();
    auto history = review->history();
    review.reset();
    tips.reset();
    loop->runTurn();
    EXPECT_EQ(history->activationCount, 0);
}

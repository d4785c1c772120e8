// The user's own sets: identifiers going round and passing over held ones, a new set in both
// lists, a question taken out (the rest renumbered with new keys, its bookmark gone) and a whole
// set taken out, and the texts a row and a title show.

#include <gtest/gtest.h>

#include "Classes/practice/CustomSets.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetQuestion.h"
#include "tests/Classes/practice/PracticeTestSupport.h"

namespace {

using practice_test::addQuestion;
using Sets = CustomSets::Sets;

Sets setsWith(std::vector<std::int32_t> uids) {
    Sets sets;
    for (auto uid : uids) sets.push_back(MQSet::make(uid, "S", "", CustomSets::kImageName, false));
    return sets;
}

std::vector<std::int32_t> allBut(std::int32_t free) {
    std::vector<std::int32_t> uids;
    for (std::int32_t uid = CustomSets::kFirstUID; uid <= CustomSets::kLastUID; ++uid)
        if (uid != free) uids.push_back(uid);
    return uids;
}

TEST(CustomSetsTest, IdentifiersGoRoundFrom7000To8000PassingOverHeldOnes) {
    struct Case {
        std::int32_t last;
        std::vector<std::int32_t> held;
        std::optional<std::int32_t> next;
    } cases[] = {
        {7000, {}, 7001},                  // fresh data
        {7999, {}, 8000},                  // 8000 is a custom set too
        {8000, {}, 7000},                  // then round again
        {6999, {}, 7000},                  // a counter outside the range starts again
        {7999, {8000, 7000}, 7001},        // held ones are passed over
        {7500, {7501, 7502, 7503}, 7504},  //
        {7500, allBut(7400), 7400},        // the one free identifier, wherever it is
        {7500, allBut(7500), 7500},        // the last one given, when it has been freed
        {7500, allBut(0), std::nullopt},   // all held
    };
    for (const auto& c : cases)
        EXPECT_EQ(CustomSets::nextUID(c.last, setsWith(c.held)), c.next) << c.last << " " << c.held.size();
}

class CustomSetsRepositoryTest : public testing::Test {
  protected:
    void SetUp() override {
        practice.setBookmarkQSet(MQSet::make(MQSet::kBookmarksSetUID, "Bookmarks", "", "", true));
        practice.qSets() = setsWith({1000});
    }
    std::vector<std::string> keys(const MQSet& set) const {
        std::vector<std::string> k;
        for (const auto& q : set.questions()) k.push_back(q->key());
        return k;
    }
    MPracticeRepository practice;
};

TEST_F(CustomSetsRepositoryTest, ANewSetIsInactiveInBothListsAndKeepsItsIdentifier) {
    auto set = CustomSets::create(practice, "Ratios", "My ratio questions");
    ASSERT_TRUE(set);
    EXPECT_EQ(set->setUID(), 7001);
    EXPECT_EQ(set->setName(), "Ratios");
    EXPECT_EQ(set->description(), "My ratio questions");
    EXPECT_EQ(set->imageName(), "Sets_custom.png");
    EXPECT_FALSE(set->isActive());
    EXPECT_EQ(practice.practiceCSLastUID(), 7001);
    EXPECT_EQ(practice.qSets().back(), set);
    EXPECT_EQ(practice.customQSets(), Sets{set});
    EXPECT_EQ(CustomSets::create(practice, "Two", "")->setUID(), 7002);

    // With every identifier held nothing is made and nothing changes.
    practice.customQSets() = setsWith(allBut(0));
    std::size_t before = practice.qSets().size();
    EXPECT_FALSE(CustomSets::create(practice, "Three", "x"));
    EXPECT_EQ(practice.qSets().size(), before);
    EXPECT_EQ(practice.practiceCSLastUID(), 7002);
}

TEST_F(CustomSetsRepositoryTest, TakingOutARowRenumbersTheRestAndDropsOnlyItsBookmark) {
    auto set = CustomSets::create(practice, "Mine", "");
    auto first = addQuestion(set, 1, 1, 1);
    auto second = addQuestion(set, 2, 2, 2);
    auto third = addQuestion(set, 3, 3, 3);
    auto bookmarks = practice.bookmarkQSet();
    for (const auto& q : {second, third}) bookmarks->addQuestion(q);

    CustomSets::removeQuestion(practice, *set, 1);
    EXPECT_EQ(keys(*set), (std::vector<std::string>{"7001_1_1", "7001_2_3"}));
    EXPECT_EQ(third->number(), 2);
    // The bookmark of the third question is kept under its new key; the second's is gone, so that
    // no other question takes it after a restart.
    EXPECT_EQ(keys(*bookmarks), (std::vector<std::string>{"7001_2_3"}));
    EXPECT_EQ(CustomSets::title(*set), "Mine (2)");

    CustomSets::removeQuestion(practice, *set, 5);  // no such row
    EXPECT_EQ(set->questions().size(), 2u);
    CustomSets::removeQuestion(practice, *set, 0);
    EXPECT_EQ(keys(*set), (std::vector<std::string>{"7001_1_3"}));
}

TEST_F(CustomSetsRepositoryTest, TakingOutASetLeavesTheOtherSetsAndBookmarks) {
    auto mine = CustomSets::create(practice, "Mine", "");
    auto other = CustomSets::create(practice, "Other", "");
    auto bookmarks = practice.bookmarkQSet();
    bookmarks->addQuestion(addQuestion(mine, 1, 1, 1));
    bookmarks->addQuestion(addQuestion(other, 1, 1, 1));
    CustomSets::removeSet(practice, mine);
    EXPECT_EQ(practice.customQSets(), Sets{other});
    ASSERT_EQ(practice.qSets().size(), 2u);
    EXPECT_EQ(practice.qSets().back(), other);
    EXPECT_EQ(keys(*bookmarks), (std::vector<std::string>{"7002_1_1"}));
    // Its identifier is free again, but the counter goes on.
    EXPECT_EQ(CustomSets::create(practice, "Third", "")->setUID(), 7003);
}

TEST(CustomSetsTextTest, ARowShowsTheBodyWithoutTags) {
    struct Case {
        const char* body;
        const char* shown;
    } cases[] = {
        {"<p>What is <u>20 %</u> of 50?</p>", "What is 20 % of 50?"},
        {"<p>One<br>two</p>", "Onetwo"},
        {"a < b and c > d", "a  d"},
        {"plain", "plain"},
    };
    for (const auto& c : cases) EXPECT_EQ(CustomSets::plainBody(c.body), c.shown) << c.body;
}

}  // namespace

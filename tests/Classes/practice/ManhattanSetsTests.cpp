// The two Manhattan sets as the practice repository builds them at start: numbers that restart for
// each verbal type in Manhattan Review, keys that tell those restarted numbers apart, and descriptions
// that do not present the company as the author of our questions.

#include <gtest/gtest.h>

#include <map>

#include "Classes/practice/MPracticeRepository.h"
#include "tests/Classes/practice/PracticeTestSupport.h"

namespace {

class ManhattanSets : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        MPracticeClasses::registerAll();
        repository = MPracticeRepository::makeWithData();
    }
    static std::map<std::string, std::shared_ptr<MQSetQuestion>> byKey(const std::shared_ptr<MQSet>& set) {
        std::map<std::string, std::shared_ptr<MQSetQuestion>> keys;
        for (const auto& q : set->questions()) keys.emplace(q->key(), q);
        return keys;
    }
    std::shared_ptr<MPracticeRepository> repository;
};

}  // namespace

TEST_F(ManhattanSets, ReviewNumbersRestartForEachVerbalTypeAndTheKeysTellThemApart) {
    const auto& questions = repository->manhattanReviewSet()->questions();
    ASSERT_EQ(questions.size(), 236u);
    auto keys = byKey(repository->manhattanReviewSet());
    EXPECT_EQ(keys.size(), 236u) << "every key once";

    // Three different questions share the number 1.
    const auto& ps = keys.at("100_1_1");
    const auto& sc = keys.at("100_1_3");
    const auto& cr = keys.at("100_1_4");
    EXPECT_EQ(ps->questionType(), 1);
    EXPECT_EQ(sc->questionType(), 3);
    EXPECT_EQ(cr->questionType(), 4);
    EXPECT_NE(ps->body(), sc->body());
    EXPECT_NE(sc->body(), cr->body());
    EXPECT_NE(ps->body(), cr->body());

    // Data sufficiency goes on from 72 instead of restarting; the verbal runs end at 60 and 30.
    EXPECT_FALSE(keys.count("100_1_2"));
    EXPECT_FALSE(keys.count("100_61_3"));
    EXPECT_FALSE(keys.count("100_31_4"));
    const std::vector<std::pair<std::size_t, std::string>> runStarts = {{0, "100_1_1"},   {70, "100_71_1"},
                                                                        {71, "100_72_2"}, {146, "100_1_3"},
                                                                        {206, "100_1_4"}, {235, "100_30_4"}};
    for (const auto& [position, key] : runStarts) EXPECT_EQ(questions[position]->key(), key);
}

TEST_F(ManhattanSets, OrvaNumbersRunOnceInOrderAndBothSetsSayTheQuestionsAreOriginal) {
    const auto& questions = repository->manhattanORVASet()->questions();
    ASSERT_EQ(questions.size(), 77u);
    for (std::size_t i = 0; i < questions.size(); ++i)
        EXPECT_EQ(questions[i]->number(), static_cast<int>(i) + 1);
    EXPECT_EQ(questions[4]->key(), "2000_5_2");
    EXPECT_EQ(questions[76]->key(), "2000_77_1");

    EXPECT_EQ(repository->manhattanReviewSet()->setName(), "Manhattan Review");
    EXPECT_EQ(repository->manhattanReviewSet()->description(),
              "Original practice questions; not written by or affiliated with Manhattan Review.");
    EXPECT_EQ(repository->manhattanORVASet()->setName(), "Manhattan ORVA");
    EXPECT_EQ(repository->manhattanORVASet()->description(),
              "Original practice questions; not written by or affiliated with Manhattan ORVA.");
}

#include <gtest/gtest.h>

#include "Classes/game/MGameQuestion.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

namespace {

using List = MGameQuestion::List;

std::shared_ptr<MGameQuestion> numbered(int n) {
    return std::make_shared<MGameQuestion>(MGameQuestion::Strings{"Arithmetic", "Properties of Integers"},
                                           "<p>Question " + std::to_string(n) + "</p>",
                                           MGameQuestion::Strings{"1", "2", "3", "4"}, n % 4, 1.5, 10);
}

std::vector<std::string> bodies(const List& list) {
    std::vector<std::string> out;
    for (const auto& q : list) out.push_back(q->body());
    return out;
}

fnd::Bytes archiveOf(const std::function<void(fnd::KeyedArchiver&)>& write) {
    fnd::KeyedArchiver archiver;
    write(archiver);
    auto bytes = archiver.finishEncoding();
    EXPECT_TRUE(bytes) << archiver.error();
    return bytes.value_or(fnd::Bytes{});
}

TEST(GameQuestionTest, AFreshQuestionIsUnansweredAndKeepsEveryFieldThroughTheReviewList) {
    auto question = std::make_shared<MGameQuestion>(
        MGameQuestion::Strings{"Arithmetic", "Properties of Integers", "Power"},
        "<p>What is the units digit of 336<sup>12</sup>/3?</p>", MGameQuestion::Strings{"2", "1", "3", "9"},
        0, 2.0, 15.0);
    EXPECT_EQ(question->userAnswer(), -1);
    EXPECT_EQ(question->userTime(), 0.0);
    question->setUserAnswer(3);
    question->setUserTime(7.25);

    auto bytes =
        archiveOf([&](fnd::KeyedArchiver& a) { MGameQuestion::encodeReviewQuestions(a, {question}); });
    fnd::KeyedUnarchiver reader(bytes);
    List loaded = MGameQuestion::decodeReviewQuestions(reader);
    ASSERT_EQ(loaded.size(), 1u);
    const MGameQuestion& q = *loaded[0];
    EXPECT_EQ(q.tags(), question->tags());
    EXPECT_EQ(q.body(), question->body());
    EXPECT_EQ(q.answerOptions(), question->answerOptions());
    EXPECT_EQ(q.rightAnswer(), 0);
    EXPECT_EQ(q.userAnswer(), 3);
    EXPECT_EQ(q.readTime(), 2.0);
    EXPECT_EQ(q.totalTime(), 15.0);
    EXPECT_EQ(q.userTime(), 7.25);
}

TEST(GameQuestionTest, MissingKeysReadAsEmptyAndZero) {
    auto bytes = archiveOf([](fnd::KeyedArchiver& a) {
        a.encodeString("body", "<p>Only a body</p>");
        a.encodeObject("answerOptions", fnd::ArchiveValue::makeArray());
    });
    fnd::KeyedUnarchiver reader(bytes);
    MGameQuestion q;
    q.initWithCoder(reader);
    EXPECT_EQ(q.body(), "<p>Only a body</p>");
    EXPECT_TRUE(q.tags().empty());
    EXPECT_TRUE(q.answerOptions().empty());
    EXPECT_EQ(q.rightAnswer(), 0);
    EXPECT_EQ(q.userAnswer(), 0);
    EXPECT_EQ(q.readTime(), 0.0);
    EXPECT_EQ(q.totalTime(), 0.0);
    EXPECT_EQ(q.userTime(), 0.0);

    // An option that is not text keeps its place, so the right answer still points at its option.
    auto options = fnd::ArchiveValue::makeArray();
    *options = {"10", fnd::ArchiveValue::integer(12), "14", "16"};
    auto odd = archiveOf([&](fnd::KeyedArchiver& a) { a.encodeObject("answerOptions", options); });
    fnd::KeyedUnarchiver oddReader(odd);
    MGameQuestion withGap;
    withGap.initWithCoder(oddReader);
    EXPECT_EQ(withGap.answerOptions(), (MGameQuestion::Strings{"10", "", "14", "16"}));

    fnd::KeyedUnarchiver emptyReader(archiveOf([](fnd::KeyedArchiver&) {}));
    EXPECT_TRUE(MGameQuestion::decodeReviewQuestions(emptyReader).empty());
}

TEST(GameQuestionTest, TheReviewListKeepsTheNewestTwentyFive) {
    List list;
    for (int n = 1; n <= 40; ++n) MGameQuestion::insertIntoReviewList(list, numbered(n));
    ASSERT_EQ(list.size(), 25u);
    EXPECT_EQ(list.front()->body(), "<p>Question 40</p>");
    EXPECT_EQ(list.back()->body(), "<p>Question 16</p>");

    // A longer list from elsewhere is written and read back cut to the newest 25; what is not a
    // question is passed over.
    List longer;
    for (int n = 30; n >= 1; --n) longer.push_back(numbered(n));
    auto bytes = archiveOf([&](fnd::KeyedArchiver& a) { MGameQuestion::encodeReviewQuestions(a, longer); });
    fnd::KeyedUnarchiver reader(bytes);
    List loaded = MGameQuestion::decodeReviewQuestions(reader);
    ASSERT_EQ(loaded.size(), 25u);
    EXPECT_EQ(bodies(loaded).front(), "<p>Question 30</p>");
    EXPECT_EQ(bodies(loaded).back(), "<p>Question 6</p>");

    auto mixed = fnd::ArchiveValue::makeArray();
    for (int n = 30; n >= 1; --n) {
        mixed->emplace_back(numbered(n));
        mixed->emplace_back("not a question");
    }
    auto mixedBytes = archiveOf([&](fnd::KeyedArchiver& a) { a.encodeObject("gameReviewQuestions", mixed); });
    fnd::KeyedUnarchiver mixedReader(mixedBytes);
    List fromMixed = MGameQuestion::decodeReviewQuestions(mixedReader);
    EXPECT_EQ(bodies(fromMixed), bodies(loaded));
}

}  // namespace

#include <gtest/gtest.h>

#include "Classes/practice/MQSetBlock.h"
#include "Classes/practice/MSession.h"
#include "Classes/practice/MSessions.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/Coding.h"
#include "tests/Classes/practice/PracticeTestSupport.h"

using namespace practice_test;

namespace {

class QuestionModel : public testing_support::TestEnvironment {};

// A record and a question as older versions wrote them: the answers as plain integers, no
// session keys.
class OldHRecord : public fnd::Object, public fnd::Coding {
  public:
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override {
        coder.encodeDate("kDate", fnd::Date(5000));
        coder.encodeDouble("kTime", 42.5);
        coder.encodeInt32("kAnswer", 4);
    }
    void initWithCoder(fnd::KeyedUnarchiver&) override {}
};
class OldQuestion : public fnd::Object, public fnd::Coding {
  public:
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override {
        coder.encodeInt32("kNumber", 7);
        coder.encodeInt32("kQuestionType", 2);
        coder.encodeInt32("kRightAnswer", 3);
        coder.encodeString("kbody", "<p>old</p>");
        auto tags = fnd::ArchiveValue::makeArray();
        tags->emplace_back("Algebra");
        tags->emplace_back("Source: book");
        tags->emplace_back("SOURCES");
        tags->emplace_back(fnd::ArchiveValue::integer(3));  // not a string: left out
        coder.encodeObject("ktags", tags);
        auto history = fnd::ArchiveValue::makeArray();
        history->emplace_back(std::make_shared<OldHRecord>());
        coder.encodeObject("kHistory", history);
    }
    void initWithCoder(fnd::KeyedUnarchiver&) override {}
};

}  // namespace

TEST_F(QuestionModel, KeysTypesAndTimeTexts) {
    auto forum = MQSet::make(MQSet::kForumSetUID, "My Set", "", "", true);
    auto q = MQSetSimpleQuestion::make(nullptr, 1, 3, 2, {}, "b", {}, "",
                                       "https://forum.example/viewtopic.php?f=5&t=123");
    EXPECT_EQ(q->key(), "0_1_3_123");
    auto noTopic =
        MQSetSimpleQuestion::make(forum, 4, 1, 2, {}, "b", {}, "", "https://forum.example/viewtopic.php?f=5");
    EXPECT_EQ(noTopic->key(), "90000_4_1");
    // The key is fixed until it is rebuilt.
    noTopic->setNumber(5);
    EXPECT_EQ(noTopic->key(), "90000_4_1");
    noTopic->setupKey();
    EXPECT_EQ(noTopic->key(), "90000_5_1");

    EXPECT_EQ(MQSetHRecord::timeText(0), "00:00");
    EXPECT_EQ(MQSetHRecord::timeText(59.5), "01:00");
    EXPECT_EQ(MQSetHRecord::timeText(61), "01:01");
    EXPECT_EQ(MQSetHRecord::timeText(6000), "100:00");

    EXPECT_EQ(MQSetQuestion::filterTags({"Algebra", "Source: book", "SOURCES"}),
              MQSetQuestion::Strings{"Algebra"});
}

TEST_F(QuestionModel, SetOperations) {
    auto set = MQSet::make(7001, "Mine", "d", "i.png", true);
    auto only = addQuestion(set, 1, 1, 2);
    set->setCursor(0);
    set->removeQuestion(only.get());
    EXPECT_EQ(set->cursor(), -1);
    EXPECT_FALSE(set->cursorQuestion());

    auto a = addQuestion(set, 1, 1, 2);
    auto b = addQuestion(set, 2, 1, 2);
    set->addQuestion(a);  // already there
    EXPECT_EQ(set->questions().size(), 2u);
    set->setCursor(1);
    set->removeQuestion(b.get());
    EXPECT_EQ(set->cursor(), 0);
    EXPECT_EQ(set->indexOfQuestion(b.get()), MQSet::kNotFound);

    // Same body, new address: a duplicate.
    auto copy = MQSetSimpleQuestion::make(nullptr, 9, 1, 1, {}, a->body(), {}, "", "https://f/t=9");
    EXPECT_TRUE(set->isQuestionAlreadyExist(*copy));

    auto forum = MQSet::make(MQSet::kForumSetUID, "My Set", "", "", true);
    EXPECT_FALSE(forum->urlStringOfLastQuestionByType(1));
    for (auto [number, url] : {std::pair{3, "u3"}, {5, "u5a"}, {5, "u5b"}, {-1, "neg"}}) {
        auto q = MQSetSimpleQuestion::make(forum, number, 1, 1, {}, url, {}, "", std::string(url));
        forum->questions().push_back(q);
    }
    addQuestion(forum, 50, 1, 1);  // no address
    EXPECT_EQ(forum->urlStringOfLastQuestionByType(1), "u5b");
    EXPECT_FALSE(forum->urlStringOfLastQuestionByType(2));
    EXPECT_TRUE(forum->isQuestionWithURLAlreadyExist("u3"));

    EXPECT_EQ(forum->questions()[0]->describeItself().substr(0, 19), "u3\nType: PS\nOA: A\n=");
    EXPECT_EQ(a->describeItself(), "The 'Mine' set, #1\n====\n");

    answer(a, 2, 10);
    EXPECT_EQ(set->numberOfRightAnswers(), 1);
    answer(a, 1, 10);
    EXPECT_EQ(set->numberOfRightAnswers(), 0);
    EXPECT_EQ(set->numberOfWrongAnswers(), 1);
    EXPECT_EQ(set->numberOfUnansweredQuestionsOfType(1), 0);
}

TEST_F(QuestionModel, PassageTexts) {
    MQSetBlock block;
    block.setCommonText("<p>Short <b>passage</b> text</p>");
    EXPECT_TRUE(block.isCommonTextShort(100));
    EXPECT_EQ(block.shortCommonString(100), "<p>Short <b>passage</b> text</p>");
    EXPECT_EQ(block.shortCommonString(10), "Short pass");
    block.setCommonText(
        "<p>\xE2\x80\x9C"
        "abc</p>");  // a quotation mark counts as one unit
    EXPECT_EQ(block.shortCommonString(2),
              "\xE2\x80\x9C"
              "a");
}

TEST_F(QuestionModel, SetWithPassageAndHistoryRoundTrips) {
    auto set = MQSet::make(3000, "Knewton", "Questions", "Sets_Knewton.png", false);
    set->setCursor(1);
    auto block = std::make_shared<MQSetBlock>();
    block->setCommonText("<p>The <span class=\"highlight1\">passage</span>.</p>");
    set->blocks().push_back(block);
    for (int n : {11, 12}) {
        auto q = MQSetSimpleQuestion::make(set, n, 5, 2, block, n == 11 ? 1 : 0, {"Inference"}, "b",
                                           {"1", "2", "3", "4", "5"}, "e", std::nullopt);
        set->questions().push_back(q);
        block->addQuestion(q);
    }
    auto inSession = answer(set->questions()[0], 3, 75.5, 2000);
    inSession->setSessionId(4);
    inSession->setIndexInSession(0);

    auto back = roundTrip(set);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->setUID(), 3000);
    EXPECT_FALSE(back->isActive());
    EXPECT_EQ(back->cursor(), 1);
    ASSERT_EQ(back->questions().size(), 2u);
    ASSERT_EQ(back->blocks().size(), 1u);
    const auto& q11 = back->questions()[0];
    EXPECT_EQ(q11->key(), "3000_11_5");
    EXPECT_EQ(q11->set(), back);
    EXPECT_EQ(q11->block(), back->blocks()[0]);
    EXPECT_EQ(back->questions()[1]->block(), back->blocks()[0]);
    EXPECT_EQ(back->blocks()[0]->questions(), back->questions());
    EXPECT_EQ(q11->highlight(), 1);
    EXPECT_EQ(q11->tags(), MQSetQuestion::Strings{"Inference"});
    ASSERT_EQ(q11->history().size(), 1u);
    EXPECT_EQ(q11->history()[0]->sessionId(), 4);
    EXPECT_EQ(q11->history()[0]->indexInSession(), 0);
    EXPECT_EQ(q11->history()[0]->time(), 75.5);
    EXPECT_EQ(q11->history()[0]->date().timeIntervalSinceReferenceDate(), 2000);
    EXPECT_FALSE(back->questions()[1]->hasHistory());
}

TEST_F(QuestionModel, OlderArchivesWithIntegerAnswers) {
    MPracticeClasses::registerAll();
    auto& registry = fnd::ClassRegistry::shared();
    // The writers take the model's names while the archive is made, then the models get them back.
    registry.registerClass<OldHRecord>("MQSetHRecord");
    registry.registerClass<OldQuestion>("MQSetSimpleQuestion", {"MQSetQuestion", "NSObject"});
    auto bytes = fnd::KeyedArchiver::archive("root", std::make_shared<OldQuestion>());
    registry.registerClass<MQSetHRecord>("MQSetHRecord");
    registry.registerClass<MQSetSimpleQuestion>("MQSetSimpleQuestion", {"MQSetQuestion", "NSObject"});
    ASSERT_TRUE(bytes);
    auto q = fnd::KeyedUnarchiver::unarchive(*bytes, "root").object<MQSetQuestion>();
    ASSERT_TRUE(q);
    EXPECT_EQ(q->key(), "0_7_2");
    auto right = std::dynamic_pointer_cast<MQSetSimpleAnswer>(q->rightAnswer());
    ASSERT_TRUE(right);
    EXPECT_EQ(right->choice(), 3);
    EXPECT_EQ(q->tags(), MQSetQuestion::Strings{"Algebra"});
    ASSERT_EQ(q->history().size(), 1u);
    auto given = std::dynamic_pointer_cast<MQSetSimpleAnswer>(q->history()[0]->answer());
    ASSERT_TRUE(given);
    EXPECT_EQ(given->choice(), 4);
    EXPECT_EQ(q->history()[0]->sessionId(), MQSetHRecord::kNoSession);
    EXPECT_EQ(q->history()[0]->indexInSession(), MQSetHRecord::kNoSession);
}

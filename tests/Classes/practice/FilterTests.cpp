#include <gtest/gtest.h>

#include "Classes/practice/MKeyWordsSet.h"
#include "Classes/practice/MQFilter.h"
#include "Classes/practice/MQFilterItem.h"
#include "tests/Classes/practice/PracticeTestSupport.h"

using namespace practice_test;

namespace {

class Filter : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        quant = MQSet::make(1, "Hard Quant Set", "", "", true);
        verbal = MQSet::make(3000, "Knewton", "", "", true);
        fresh = addQuestion(quant, 1, 1, 2, {"Algebra"});
        slowRight = addQuestion(quant, 2, 2, 2, {"Geometry", "Algebra"});
        answer(slowRight, 2, 120.0);
        slowWrong = addQuestion(quant, 3, 1, 2);
        answer(slowWrong, 1, 150.0);
        oldWrong = addQuestion(verbal, 1, 3, 4, {"Parallel "});
        answer(oldWrong, 1, 30);
        for (int i = 0; i < 3; ++i) answer(oldWrong, 4, 30);
        rcFirst = addQuestion(verbal, 2, 6, 1);
        filter = MQFilter::makeWithTagsFromSets({quant, verbal});
        work = MQSet::make(0, "Work Set", "Work Set", "", true);
    }
    void activate(MQFilter::Items& items, const std::string& name) {
        for (auto& item : items)
            if (item->itemName() == name) item->setIsActive(true);
    }
    std::vector<std::shared_ptr<MQSetQuestion>> build() {
        filter->fillQSet(*work, {quant, verbal});
        return work->questions();
    }

    std::shared_ptr<MQSet> quant, verbal, work;
    std::shared_ptr<MQSetQuestion> fresh, slowRight, slowWrong, oldWrong, rcFirst;
    std::shared_ptr<MQFilter> filter;
};

using Questions = std::vector<std::shared_ptr<MQSetQuestion>>;

}  // namespace

TEST_F(Filter, WorkSetByTypeHistoryAndTag) {
    EXPECT_EQ(build(), (Questions{fresh, slowRight, slowWrong, oldWrong, rcFirst}));
    EXPECT_EQ(work->cursor(), 0);

    activate(filter->historyArray(), "Unanswered");
    activate(filter->historyArray(), "Answered for more than 2:00");
    EXPECT_EQ(build(), (Questions{fresh, slowWrong, rcFirst}));  // exactly 120 s does not pass

    activate(filter->qTypeArray(), "PS");
    EXPECT_EQ(build(), (Questions{fresh, slowWrong}));  // type 6 has no item of its own

    activate(filter->tagArray(), "Algebra");
    EXPECT_EQ(build(), (Questions{fresh}));

    // The last three attempts were right: an older wrong one does not count.
    for (auto& item : filter->historyArray()) item->setIsActive(false);
    for (auto& item : filter->qTypeArray()) item->setIsActive(false);
    for (auto& item : filter->tagArray()) item->setIsActive(false);
    activate(filter->historyArray(), "Answered wrong");
    EXPECT_EQ(build(), (Questions{slowWrong}));

    // Nothing passes: the cursor stays where it was.
    work->setCursor(0);
    activate(filter->tagArray(), "Geometry");
    EXPECT_TRUE(build().empty());
    EXPECT_EQ(work->cursor(), 0);

    // Only active sets take part; the cursor goes to the question asked for.
    for (auto& item : filter->tagArray()) item->setIsActive(false);
    for (auto& item : filter->historyArray()) item->setIsActive(false);
    verbal->setIsActive(false);
    filter->fillQSet(*work, {quant, verbal}, slowWrong.get());
    EXPECT_EQ(work->questions(), (Questions{fresh, slowRight, slowWrong}));
    EXPECT_EQ(work->cursor(), 2);
}

TEST_F(Filter, SwitchesRoundTrip) {
    activate(filter->tagArray(), "Parallel ");
    activate(filter->historyArray(), "Unanswered");
    auto back = roundTrip(filter);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->tagArray().size(), filter->tagArray().size());
    EXPECT_TRUE(back->tagArray().back()->isActive());
    EXPECT_FALSE(back->tagArray().back()->description());
    EXPECT_TRUE(back->historyArray()[0]->isActive());
    EXPECT_EQ(back->historyArray()[0]->description(), filter->historyArray()[0]->description());
}

TEST_F(Filter, KeywordMarkingOnAPassageWithMarkup) {
    MKeyWordsSet keywords;
    const std::string passage =
        "<p class=\"author\">The <b>author</b> argues that, despite early doubts, the 1920s were calm."
        "</p><p><span class=\"highlight1\">However</span>, critics disagree.</p>";
    const std::string marked = keywords.addKeyWordsTagsToString(passage, 5, true);
    EXPECT_EQ(marked,
              "<p class=\"author\">The <b><span class=\"kwselected\">author</span></b> argues that, "
              "<span class=\"kwselected\">despite</span> <span class=\"kwselected\">early</span> doubts, the "
              "<span class=\"kwselected\">1920s</span> were calm.</p><p><span class=\"highlight1\">"
              "<span class=\"kwselected\">However</span></span>, <span class=\"kwselected\">critics</span> "
              "disagree.</p>");
    EXPECT_NE(keywords.addKeyWordsTagsToString(passage, 5, false)
                  .find("<span class=\"kwdeselected\">despite</span>"),
              std::string::npos);
    // A type without a list comes back unchanged.
    EXPECT_EQ(keywords.addKeyWordsTagsToString(passage, 9, true), passage);
}

TEST_F(Filter, UsersKeywordsNeverBreakThePage) {
    MKeyWordsSet keywords;
    *keywords.keyWordsForQType(3) = {"span", "class", "(", "[a", "a", "", "kwselected", "that"};
    const std::string html = "<p>That span of class that THAT</p><p>That</p>";
    std::string marked = keywords.addKeyWordsTagsToString(html, 3, true);
    EXPECT_EQ(marked,
              "<p><span class=\"kwselected\">That</span> <span class=\"kwselected\">span</span> of "
              "<span class=\"kwselected\">class</span> <span class=\"kwselected\">that</span> "
              "<span class=\"kwselected\">THAT</span></p><p><span class=\"kwselected\">That</span></p>");
    // A keyword with groups of its own keeps all of the text it matched.
    *keywords.keyWordsForQType(4) = {"c)(lass"};
    EXPECT_EQ(keywords.addKeyWordsTagsToString("<p>A class.</p>", 4, false),
              "<p>A <span class=\"kwdeselected\">class</span>.</p>");
    // Types 1 and 2 share their list.
    keywords.keyWordsForQType(1)->push_back("prime");
    EXPECT_EQ(keywords.keyWordsForQType(2)->back(), "prime");
}

TEST_F(Filter, KeywordListsRoundTripSharingOneList) {
    auto keywords = std::make_shared<MKeyWordsSet>();
    keywords->kws()[7] = std::make_shared<MKeyWordsSet::KeyWords>(MKeyWordsSet::KeyWords{"hence"});
    auto back = roundTrip(keywords);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->kws().size(), 6u);
    EXPECT_EQ(back->keyWordsForQType(1), back->keyWordsForQType(2));
    EXPECT_EQ(back->keyWordsForQType(4)->size(), 48u);
    EXPECT_EQ(back->keyWordsForQType(7)->front(), "hence");
}

// The question markup of custom sets: each type read with its parts, the pieces that are skipped,
// DS questions without options, the conversion of line breaks and the SC underline, adding to a
// set (numbering on, repeats dropped, a bad piece among good ones), repeated marks, and the text
// as the question page shows it.

#include <gtest/gtest.h>

#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetAnswer.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/QuestionMarkup.h"

namespace {

using Piece = QuestionMarkup::Piece;
using Strings = std::vector<std::string>;

const std::string kPS =
    "#question# #type:PS#\nWhat is 20 % of 50?\n#options#\nA) 5\nB) 10\nC) 15\nD) 20\nE) 25\n#OA:B#\n"
    "#explanation# 0.2 x 50 = 10.\n";
const std::string kDS =
    "#question#\n#type:DS#\nIs x > 0?\n(1) x squared is 4.\n(2) x cubed is 8.\n#options#\n#OA:B#\n"
    "#explanation#\nStatement 1 allows 2 and -2.\nStatement 2 allows only 2.\n";
const std::string kSC =
    "#question# #type:SC#\nNeither of the reports were finished on time.\n#options#\n"
    "A) were finished\nB) was finished\nC) have been finished\nD) were being finished\nE) are finished\n"
    "#OA:B#";
const std::string kCR =
    "#question# #type:CR# Every bird in the park is a sparrow, and Kim saw a bird in the park. "
    "Which follows? #options# A) Kim saw a sparrow. B) Kim saw no sparrow. C) All sparrows are in the park. "
    "D) Kim saw two birds. E) The park has no birds. #OA:A#";

TEST(QuestionMarkupTest, EachTypeIsReadWithItsTextOptionsAnswerAndExplanation) {
    struct Case {
        std::string text;
        Piece piece;
    } cases[] = {
        {kPS,
         {1,
          2,
          "<p>What is 20 % of 50?</p>",
          {"5\n", "10\n", "15\n", "20\n", "25\n"},
          "<p> 0.2 x 50 = 10.</p>"}},
        // The DS text keeps its statements on lines of their own, and so does its explanation.
        {kDS,
         {2,
          2,
          "<p>Is x > 0?<br>(1) x squared is 4.<br>(2) x cubed is 8.</p>",
          {},
          "<p>Statement 1 allows 2 and -2.<br>Statement 2 allows only 2.</p>"}},
        {kSC,
         {3,
          2,
          "<p>Neither of the reports <u>were finished</u> on time.</p>",
          {"were finished\n", "was finished\n", "have been finished\n", "were being finished\n",
           "are finished\n"},
          "<p></p>"}},
        {kCR,
         {4,
          1,
          "<p> Every bird in the park is a sparrow, and Kim saw a bird in the park. Which follows? </p>",
          {"Kim saw a sparrow. ", "Kim saw no sparrow. ", "All sparrows are in the park. ",
           "Kim saw two birds. ", "The park has no birds. "},
          "<p></p>"}},
    };
    for (const auto& c : cases) {
        auto pieces = QuestionMarkup::read(c.text);
        ASSERT_EQ(pieces.size(), 1u) << c.text;
        EXPECT_EQ(pieces[0], c.piece) << c.text;
    }
}

TEST(QuestionMarkupTest, APieceWithoutAPartOrWithAnotherNumberOfOptionsIsSkipped) {
    const std::string options5 = "#options#\nA) 1\nB) 2\nC) 3\nD) 4\nE) 5\n";
    const char* cases[] = {
        "#type:PS# No question mark. #options# A) 1 B) 2 C) 3 D) 4 E) 5 #OA:A#",
        "#question# #type:RC# Text with DS and CR in it. #options# A) 1 B) 2 C) 3 D) 4 E) 5 #OA:A#",
        "#question# #type:ps# Lower case. #options# A) 1 B) 2 C) 3 D) 4 E) 5 #OA:A#",
        "#question# No type. #options# A) 1 B) 2 C) 3 D) 4 E) 5 #OA:A#",
        "#question# #type:PS# Four options. #options# A) 1 B) 2 C) 3 D) 4 #OA:A#",
        "#question# #type:SC# Six options. #options# A) 1 B) 2 C) 3 D) 4 E) 5 A) 6 #OA:A#",
        "#question# #type:CR# No options mark. A) 1 B) 2 C) 3 D) 4 E) 5 #OA:A#",
        "#question# #type:PS# Letter F. #options# A) 1 B) 2 C) 3 D) 4 E) 5 #OA:F#",
        "#question# #type:PS# No answer. #options# A) 1 B) 2 C) 3 D) 4 E) 5",
        "#question# #type:DS# A DS question needs its options mark. #OA:A#",
        "",
    };
    for (const char* text : cases) EXPECT_TRUE(QuestionMarkup::read(text).empty()) << text;
    // Text before the first question is ignored, so a piece there adds nothing.
    auto pieces = QuestionMarkup::read("#type:PS# Before. " + options5 + "#OA:A#\n" + kPS);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].body, "<p>What is 20 % of 50?</p>");
}

TEST(QuestionMarkupTest, ADSQuestionKeepsItsOptionsOnlyWhenItHasFive) {
    struct Case {
        const char* options;
        std::size_t kept;
    } cases[] = {{"", 0}, {"A) 1 B) 2 C) 3", 0}, {"A) 1 B) 2 C) 3 D) 4 E) 5", 5}};
    for (const auto& c : cases) {
        auto pieces = QuestionMarkup::read(std::string("#question# #type:DS# Is n even? #options# ") +
                                           c.options + " #OA:C#");
        ASSERT_EQ(pieces.size(), 1u) << c.options;
        EXPECT_EQ(pieces[0].answerOptions.size(), c.kept) << c.options;
        EXPECT_EQ(pieces[0].rightAnswer, 3);
    }
}

TEST(QuestionMarkupTest, BreaksBecomeBrAndOneLeadingAndOneTrailingGo) {
    struct Case {
        const char* text;
        const char* converted;
    } cases[] = {
        {"one line", "one line"},
        {"\nfirst\nsecond\n", "first<br>second"},
        {"\n\nkept\n\n", "<br>kept<br>"},
        {"  \n  indented", "  indented"},
        {"last  \n  ", "last  "},
        {"\n", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(QuestionMarkup::convertBreaks(c.text), c.converted) << c.text;
}

TEST(QuestionMarkupTest, AnSCQuestionUnderlinesEveryOccurrenceOfItsFirstOption) {
    struct Case {
        const char* text;
        const char* option;
        const char* underlined;
    } cases[] = {
        {"He was going and was going.", "was going", "He <u>was going</u> and <u>was going</u>."},
        {"Nothing here.", "absent", "Nothing here."},
        {"Nothing here.", "", "Nothing here."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuestionMarkup::underline(c.text, c.option), c.underlined) << c.text;
    // The option's line breaks are removed before it is looked for.
    auto pieces = QuestionMarkup::read(
        "#question# #type:SC# They arewell known. #options#\nA) are\nwell known\nB) 2\nC) 3\nD) 4\nE) "
        "5\n#OA:A#");
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].body, "<p> They <u>arewell known</u>. </p>");
}

TEST(QuestionMarkupTest, AddingNumbersOnSkipsABadPieceAndRepeatsAndKeepsTheText) {
    auto set = MQSet::make(7001, "Mine", "My own", "Sets_custom.png", false);
    ASSERT_EQ(QuestionMarkup::addQuestions(set, kPS), 1);
    const std::string bad = "#question# #type:PS# Four options. #options# A) 1 B) 2 C) 3 D) 4 #OA:A#";
    EXPECT_EQ(QuestionMarkup::addQuestions(set, kSC + bad + kPS + kCR), 2);
    ASSERT_EQ(set->questions().size(), 3u);
    Strings keys;
    for (const auto& q : set->questions()) keys.push_back(q->key());
    EXPECT_EQ(keys, (Strings{"7001_1_1", "7001_2_3", "7001_3_4"}));
    const MQSetQuestion& sc = *set->questions()[1];
    EXPECT_EQ(sc.set(), set);
    EXPECT_EQ(sc.rightAnswer()->stringWithAnswer(), "B");
    EXPECT_TRUE(sc.tags().empty());
    EXPECT_FALSE(sc.threadURL());
    EXPECT_FALSE(sc.hasHistory());
    // The same text again adds nothing.
    EXPECT_EQ(QuestionMarkup::addQuestions(set, kSC + bad + kPS + kCR), 0);
    EXPECT_EQ(set->questions().size(), 3u);
    EXPECT_EQ(QuestionMarkup::addQuestions(nullptr, kPS), 0);
}

TEST(QuestionMarkupTest, RepeatedAndOpenMarksTakeTheSamePartsAsEver) {
    // The text runs from the first type mark of any code to the last options mark; the options
    // from the first options mark to the last answer mark; the answer is the first answer mark.
    struct Case {
        std::string text;
        std::string body;
        std::string firstOption;
        int rightAnswer;
    } cases[] = {
        {"#question# #type:RC# #type:PS# Text #options# a #options# A) 1 B) 2 C) 3 D) 4 E) 5 #OA:A#",
         "<p> #type:PS# Text #options# a </p>", "1 ", 1},
        {"#question# #type:PS# T #options# A) 1 B) 2 C) 3 D) 4 E) 5 #OA:C# #OA:B# #OA:x#", "<p> T </p>", "1 ",
         3},
        {"#question# #type:PS# T #options# A) 1 B) 2 C) 3 D) 4 E) 5 #OA:C# #explanation# #OA:B# #options#",
         "<p> T #options# A) 1 B) 2 C) 3 D) 4 E) 5 #OA:C# #explanation# #OA:B# </p>", "1 ", 3},
        // The type's code is two characters, not two bytes.
        {"#question# #type:éé# #type:SC# T #options# A) 1 B) 2 C) 3 D) 4 E) 5 #OA:E#", "<p> #type:SC# T </p>",
         "1 ", 5},
    };
    for (const auto& c : cases) {
        auto pieces = QuestionMarkup::read(c.text);
        ASSERT_EQ(pieces.size(), 1u) << c.text;
        EXPECT_EQ(pieces[0].body, c.body) << c.text;
        ASSERT_EQ(pieces[0].answerOptions.size(), 5u) << c.text;
        EXPECT_EQ(pieces[0].answerOptions[0], c.firstOption) << c.text;
        EXPECT_EQ(pieces[0].rightAnswer, c.rightAnswer) << c.text;
    }
}

TEST(QuestionMarkupTest, TheQuestionPageShowsTheTextAsWrittenWithOnlyTheMarkupsFormatting) {
    struct Case {
        const char* stored;
        const char* shown;
    } cases[] = {
        {"<p>First<br>second <u>were finished</u>.</p>", "<p>First<br>second <u>were finished</u>.</p>"},
        {"<p>Is x < 5 & y > 2?</p>", "<p>Is x &lt; 5 &amp; y &gt; 2?</p>"},
        {"<p>a<script>alert(1)</script>b</p>", "<p>a&lt;script&gt;alert(1)&lt;/script&gt;b</p>"},
        {"<p>x</p><img src=x onerror=alert(1)><p></p>",
         "<p>x&lt;/p&gt;&lt;img src=x onerror=alert(1)&gt;&lt;p&gt;</p>"},
        {"<a href=\"javascript:go()\">A</a>", "&lt;a href=&quot;javascript:go()&quot;&gt;A&lt;/a&gt;"},
        {"<p><form><button>Go</button></form><br/><u onclick=x></p>",
         "<p>&lt;form&gt;&lt;button&gt;Go&lt;/button&gt;&lt;/form&gt;&lt;br/&gt;&lt;u onclick=x&gt;</p>"},
        {"&lt; stays as typed", "&amp;lt; stays as typed"},
        {"<p>", "&lt;p&gt;"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(QuestionMarkup::pageHTML(c.stored), c.shown) << c.stored;
}

}  // namespace

#include <gmock/gmock.h>
#include <unicode/regex.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/Log.h"
#include "tests/support/TestEnvironment.h"

using ostrand::Regex;
using ostrand::RegexOptions;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

class RegexTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        previousSink_ = fnd::Log::setSink([this](fnd::Log::Level level, std::string_view line) {
            std::lock_guard lock(mutex_);
            if (level >= fnd::Log::Level::Warning) warnings_.emplace_back(line);
        });
    }
    void TearDown() override {
        fnd::Log::setSink(previousSink_);
        Regex::setLimits(Regex::kDefaultLimits);
        TestEnvironment::TearDown();
    }
    std::vector<std::string> warnings() {
        std::lock_guard lock(mutex_);
        return warnings_;
    }

  private:
    std::mutex mutex_;
    std::vector<std::string> warnings_;
    fnd::Log::Sink previousSink_;
};

TEST_F(RegexTest, FindsWithLookaroundAnchorsAndInlineFlags) {
    // Topic numbers at the very end of a forum address.
    EXPECT_EQ(Regex::firstMatch("viewtopic.php?f=3&t=123456", "(?<=t=)\\d{1,7}\\Z"), "123456");
    EXPECT_EQ(Regex::firstMatch("viewtopic.php?t=12&p=9", "(?<=t=)\\d{1,7}\\Z"), std::nullopt);
    // \Z allows one final line end, \z does not.
    EXPECT_TRUE(Regex::isMatched("x 12\n", "\\d\\Z"));
    EXPECT_FALSE(Regex::isMatched("x 12\n", "\\d\\z"));
    EXPECT_TRUE(Regex::isMatched("abc", "\\Aa"));
    EXPECT_FALSE(Regex::isMatched("cab", "\\Aa"));
    // Dot-all by inline flag, with look-behind and greedy look-ahead up to the last mark.
    std::string piece = "#type:PS#What is\n2+2?#options#A) 1\nB) 4#options#x#OA:B#";
    EXPECT_EQ(Regex::firstMatch(piece, "(?s)(?<=#type:.{2}#).*(?=#options#)"),
              "What is\n2+2?#options#A) 1\nB) 4");
    EXPECT_EQ(Regex::firstMatch(piece, "(?s)(?<=#OA:)[A-E](?=#)"), "B");
    EXPECT_EQ(Regex::firstMatch(piece, "(?<=#type:.{2}#).*(?=#options#)"), std::nullopt);
    // A flag switched on and off inside a look-behind.
    EXPECT_EQ(Regex::firstMatch("OGBUTTON:42", "(?<=(?i)ogButton(?-i):)\\d+\\z"), "42");
    EXPECT_EQ(Regex::firstMatch("ogButton:42x", "(?<=(?i)ogButton(?-i):)\\d+\\z"), std::nullopt);
    // Lazy quantifiers stop at the first close.
    EXPECT_THAT(Regex::allMatches("<b>bold</b> and <i\nclass=x>", "<(.|\\n)*?>"),
                ElementsAre("<b>", "</b>", "<i\nclass=x>"));
    // An empty match is a match.
    EXPECT_EQ(Regex::firstMatch("abc", "\\A\\s*"), "");
    EXPECT_EQ(Regex::firstMatch("", "x"), std::nullopt);
    EXPECT_THAT(Regex::allMatches("no digits", "\\d"), ElementsAre());
}

TEST_F(RegexTest, GroupsOfFirstAndEveryMatch) {
    auto first = Regex::firstMatchGroups("see viewtopic.php?t=77 and t=88", "t=(\\d+)");
    EXPECT_THAT(first, ElementsAre("t=77", "77"));
    EXPECT_THAT(Regex::firstMatchGroups("nothing", "t=(\\d+)"), ElementsAre());
    // A group that takes no part in the match reads as empty text.
    EXPECT_THAT(Regex::firstMatchGroups("ac", "a(b)?(c)"), ElementsAre("ac", "", "c"));

    std::string backup =
        "banner\n"
        "Timer-My-set-2-5-20-A-guess-right-600-10:00:00.000|01022024-10:01:30.250|01022024;\n"
        "rule ----\n"
        "Timer-Verbal-1-6-20-B-sure-grade it-600-10:00:00.000|01022024-10:02:00.000|01022024;";
    auto all = Regex::allMatchGroups(backup,
                                     "^Timer-(.*)-(\\d{1})-(\\d+)-(\\d+)-([A-E])-(guess|sure)-(grade "
                                     "it|right|wrong)-(\\d+)-([^-]{21})-([^-]{21});$",
                                     RegexOptions::MultiLine);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_THAT(all[0], ElementsAre(::testing::_, "My-set", "2", "5", "20", "A", "guess", "right", "600",
                                    "10:00:00.000|01022024", "10:01:30.250|01022024"));
    EXPECT_EQ(all[1][1], "Verbal");
    EXPECT_EQ(all[1][7], "grade it");
    // Without the multi-line option ^ and $ hold only at the ends of the text.
    EXPECT_TRUE(Regex::allMatchGroups(backup, "^Timer-(\\d)$").empty());
}

TEST_F(RegexTest, OptionsMatchTheirInlineFlags) {
    EXPECT_TRUE(Regex::isMatched("HELLO", "hello", RegexOptions::CaseInsensitive));
    EXPECT_FALSE(Regex::isMatched("HELLO", "hello"));
    EXPECT_TRUE(Regex::isMatched("a\nb", "a.b", RegexOptions::DotAll));
    EXPECT_FALSE(Regex::isMatched("a\nb", "a.b"));
    EXPECT_TRUE(Regex::isMatched("ab", "a b # spaced", RegexOptions::Comments));
    EXPECT_THAT(Regex::allMatches("x1\ny2", "^\\w", RegexOptions::MultiLine | RegexOptions::CaseInsensitive),
                ElementsAre("x", "y"));
}

TEST_F(RegexTest, ReplacesWithGroupReferencesAsCopyAndInPlace) {
    EXPECT_EQ(Regex::replaceAll("An answer, another Answer", "(?i)(\\banswer\\b)", "<span>$1</span>"),
              "An <span>answer</span>, another <span>Answer</span>");
    EXPECT_EQ(Regex::replaceAll("OG Verbal 2", "erbal|uant", ""), "OG V 2");
    EXPECT_EQ(Regex::replaceAll("price 5", "(\\d)", "\\$$1"), "price $5");
    EXPECT_EQ(Regex::replaceAll("unchanged", "zzz", "y"), "unchanged");

    std::string text = "line one\nline two\nline three";
    EXPECT_EQ(Regex::replaceAllInPlace(text, "\\n", "<br>"), 2);
    EXPECT_EQ(text, "line one<br>line two<br>line three");
    EXPECT_EQ(Regex::replaceAllInPlace(text, "\\A\\s*<br>", ""), 0);
    EXPECT_EQ(text, "line one<br>line two<br>line three");
    // Empty matches are replaced at every position, once each.
    EXPECT_EQ(Regex::replaceAll("abc", "x*", "-"), "-a-b-c-");
    // Dot-all page cut, keeping only what follows the marker.
    std::string page = "<html>\n<div id=\"search\">result</div>";
    EXPECT_EQ(Regex::replaceAllInPlace(page, "(?s)^.*<div\\s+id=\"search\">", "<div>"), 1);
    EXPECT_EQ(page, "<div>result</div>");
}

// The split follows ICU's rules (empty leading and trailing fields kept, the separator's groups
// between the fields) over searches that can report failure; it must give what ICU's own split
// gives whenever nothing fails.
TEST_F(RegexTest, SplitAgreesWithIcuSplit) {
    const char* patterns[] = {",", ",?", "x*", "(,)", "(a)|(b)", "\\s*;\\s*", "$", "^", "\\b"};
    const char* texts[] = {"a,b", ",", ",,", "a,", ",a,", "a,b,,", "abc", "a ; b;", "aba,b", "x", "\n"};
    for (const char* pattern : patterns) {
        UErrorCode status = U_ZERO_ERROR;
        UParseError where;
        std::unique_ptr<icu::RegexPattern> compiled(
            icu::RegexPattern::compile(icu::UnicodeString::fromUTF8(pattern), 0, where, status));
        ASSERT_TRUE(U_SUCCESS(status)) << pattern;
        for (const char* text : texts) {
            icu::UnicodeString pieces[64];
            int32_t count = compiled->split(icu::UnicodeString::fromUTF8(text), pieces, 64, status);
            std::vector<std::string> expected;
            for (int32_t i = 0; i < count; ++i) pieces[i].toUTF8String(expected.emplace_back());
            EXPECT_EQ(Regex::split(text, pattern), expected) << "pattern " << pattern << " text " << text;
        }
    }
    // An empty text has no field; many fields take more than one round of the engine's fixed-size output.
    EXPECT_THAT(Regex::split("", ","), ElementsAre());
    std::string many;
    for (int i = 0; i < 1000; ++i) many += std::to_string(i) + ",";
    auto fields = Regex::split(many, ",");
    ASSERT_EQ(fields.size(), 1001u);
    EXPECT_EQ(fields[999], "999");
    EXPECT_EQ(fields[1000], "");
}

TEST_F(RegexTest, WorksInUtf8AndSurvivesInvalidBytes) {
    EXPECT_EQ(Regex::firstMatch("Größe: 12 €", "(?<=Größe: )\\d+"), "12");
    EXPECT_EQ(Regex::replaceAll("naïve café", "é|ï", "e"), "naeve cafe");
    EXPECT_THAT(Regex::split("α–β–γ", "–"), ElementsAre("α", "β", "γ"));
    // Characters outside the basic plane are one character to ".".
    EXPECT_EQ(Regex::firstMatch("x😀y", "x.y"), "x😀y");
    // Invalid UTF-8 reads as U+FFFD and never stops the search.
    EXPECT_EQ(Regex::replaceAll(std::string("a\xff"
                                            "b"),
                                "b", "c"),
              "a\xEF\xBF\xBD"
              "c");
}

TEST_F(RegexTest, InvalidPatternsAndReplacementsAnswerNoMatchAndAreLogged) {
    const std::string bad = "(?i)(\\b[a\\b)";  // a keyword "[a" put into the highlighting pattern
    EXPECT_EQ(Regex::firstMatch("a [a b", bad), std::nullopt);
    EXPECT_FALSE(Regex::isMatched("a [a b", bad));
    EXPECT_TRUE(Regex::allMatches("a [a b", bad).empty());
    EXPECT_TRUE(Regex::firstMatchGroups("a [a b", bad).empty());
    EXPECT_TRUE(Regex::allMatchGroups("a [a b", bad).empty());
    EXPECT_EQ(Regex::replaceAll("a [a b", bad, "x"), "a [a b");
    EXPECT_THAT(Regex::split("a [a b", bad), ElementsAre("a [a b"));
    std::string text = "keep";
    EXPECT_EQ(Regex::replaceAllInPlace(text, bad, "x"), 0);
    EXPECT_EQ(text, "keep");
    // The failed compilation is remembered: logged once, not at every use.
    auto logged = warnings();
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_THAT(logged[0], HasSubstr("does not compile"));

    // A reference to a group the pattern lacks leaves the text as it was.
    std::string two = "a1 b2";
    EXPECT_EQ(Regex::replaceAllInPlace(two, "(\\w)(\\d)", "$5"), 0);
    EXPECT_EQ(two, "a1 b2");
    EXPECT_EQ(warnings().size(), 2u);
}

TEST_F(RegexTest, LongRunsMatchBeyondTheEngineDefaultStack) {
    // ICU's own stack limit (8 MB) gives up on this pattern between 200 and 300 KB of text.
    std::string page = "<p>";
    while (page.size() < 500 * 1024) page += "some text of a forum post\n";
    page += "</p>";
    auto match = Regex::firstMatch(page, "<p>(.|\\n)*</p>");
    ASSERT_TRUE(match.has_value());
    EXPECT_EQ(match->size(), page.size());
    EXPECT_EQ(Regex::replaceAll(page, "<(.|\\n)*?>", ""), page.substr(3, page.size() - 7));
    EXPECT_TRUE(warnings().empty());
}

TEST_F(RegexTest, StackAndTimeLimitsAnswerNoMatchAndAreLogged) {
    Regex::setLimits({Regex::kDefaultLimits.stackBytes, 20});
    std::string runaway(40, 'a');
    runaway += "!";
    EXPECT_FALSE(Regex::isMatched(runaway, "(a+)+$"));
    EXPECT_EQ(Regex::replaceAll(runaway, "(a+)+$", "x"), runaway);
    ASSERT_EQ(warnings().size(), 2u);
    EXPECT_THAT(warnings()[0], HasSubstr("U_REGEX_TIME_OUT"));

    Regex::setLimits({64 * 1024, 0});
    std::string page(100 * 1024, 'x');
    EXPECT_EQ(Regex::firstMatch(page, "(.|\\n)*"), std::nullopt);
    EXPECT_TRUE(Regex::allMatches(page + ",y", "(.|\\n)*,").empty());
    EXPECT_THAT(Regex::split(page + ",y", "(?:.|\\n)*?,"), ElementsAre(page + ",y"));
    ASSERT_EQ(warnings().size(), 5u) << ::testing::PrintToString(warnings());
    EXPECT_THAT(warnings()[2], HasSubstr("U_REGEX_STACK_OVERFLOW"));
}

TEST_F(RegexTest, CacheIsSharedAcrossThreadsAndBounded) {
    Regex::clearCache();
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([t, &wrong] {
            for (int i = 0; i < 300; ++i) {
                // A pattern every thread shares and one of the thread's own.
                std::string text = "t=" + std::to_string(i) + " id" + std::to_string(t);
                if (Regex::firstMatchGroups(text, "t=(\\d+)").at(1) != std::to_string(i)) ++wrong;
                if (!Regex::isMatched(text, "id" + std::to_string(t) + "\\z")) ++wrong;
                if (Regex::replaceAll(text, "\\d", "#").find_first_of("0123456789") != std::string::npos)
                    ++wrong;
            }
        });
    }
    for (auto& th : threads) th.join();
    EXPECT_EQ(wrong.load(), 0);
    EXPECT_EQ(Regex::cachedPatternCount(), 2u + 8u);

    for (std::size_t i = 0; i < Regex::kCacheCapacity + 50; ++i)
        Regex::isMatched("x", "x{" + std::to_string(i + 1) + "}");
    EXPECT_EQ(Regex::cachedPatternCount(), Regex::kCacheCapacity);
}

}  // namespace

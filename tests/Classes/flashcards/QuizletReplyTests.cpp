// The sharing service's replies read without a screen: what counts as a reply at all, values of the
// wrong kind or out of range, terms read no further than they go, picture addresses, the request's
// address, the page keys and the deck a set becomes.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "Classes/flashcards/FlashcardService.h"
#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MQuizletDeck.h"
#include "Classes/flashcards/MQuizletResponse.h"
#include "platform/foundation/Json.h"
#include "platform/foundation/Log.h"
#include "tests/Classes/flashcards/FlashcardsTestSupport.h"

namespace flashcards_test {
namespace {

// A fixture of the service's replies, its pictures' host an address where nothing listens.
std::string fixture(const std::string& name) {
    std::ifstream in(std::string(ORVA_FIXTURES) + "/flashcard_service/" + name, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    for (auto at = text.find("{{SERVER}}"); at != std::string::npos; at = text.find("{{SERVER}}", at))
        text.replace(at, 10, "http://127.0.0.1:9");
    return text;
}

std::shared_ptr<MQuizletResponse> reply(const std::string& json) {
    return std::make_shared<MQuizletResponse>(*fnd::Json::parse(json));
}

class QuizletReplyTest : public FlashcardsTest {};

TEST_F(QuizletReplyTest, OnlyAJSONObjectIsAReply) {
    const struct {
        const char* body;
        bool isReply;
    } cases[] = {
        {"", false},         {"{", false},    {"[1, 2]", false},
        {"\"sets\"", false}, {"null", false}, {"{\"sets\": [] } trailing", false},
        {"\xff{}", false},   {"{}", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MQuizletResponse::fromReply(c.body) != nullptr, c.isReply) << c.body;
}

TEST_F(QuizletReplyTest, ValuesOfTheWrongKindOrOutOfRangeReadAsAbsentOrZero) {
    auto response = MQuizletResponse::fromReply(fixture("wrong-types.json"));
    ASSERT_TRUE(response);
    EXPECT_FALSE(response->isError());
    EXPECT_EQ(response->total_results(), 0u);     // a text
    EXPECT_EQ(response->page(), 0u);              // negative
    EXPECT_EQ(response->total_pages(), 0u);       // beyond range
    EXPECT_EQ(response->sets_with_images(), 2u);  // a real, cut to its whole part
    ASSERT_EQ(response->quizletSets().size(), 2u);
    const MQuizletSet& set = response->quizletSets()[0];
    EXPECT_EQ(set.ID(), 0);
    EXPECT_EQ(set.title(), "");
    EXPECT_EQ(set.creator(), "");
    EXPECT_EQ(set.created(), 0);
    EXPECT_EQ(set.term_count(), 0u);
    EXPECT_FALSE(set.has_images());
    EXPECT_TRUE(set.subjects().empty());
    EXPECT_EQ(set.cardCount(), 0u);
    EXPECT_EQ(response->quizletSets()[1].ID(), 0);  // a set that is no object is an empty set

    const struct {
        const char* json;
        std::uint32_t page;
    } numbers[] = {
        {R"({"page": 4294967295})", 4294967295u},
        {R"({"page": 4294967296})", 0},
        {R"({"page": 3.99})", 3},
        {R"({"page": -0.5})", 0},
        {R"({"page": true})", 0},
        {R"({"page": 18446744073709551615})", 0},
    };
    for (const auto& n : numbers) EXPECT_EQ(reply(n.json)->page(), n.page) << n.json;
    EXPECT_EQ(MQuizletSet(*fnd::Json::parse(R"({"id": 2147483648})")).ID(), 0);
    EXPECT_EQ(MQuizletSet(*fnd::Json::parse(R"({"id": 2147483647})")).ID(), 2147483647);
    EXPECT_TRUE(MQuizletSet(*fnd::Json::parse(R"({"has_images": 1})")).has_images());
}

TEST_F(QuizletReplyTest, TermsAreReadNoFurtherThanTheArrayOrTheCountGoes) {
    auto response = MQuizletResponse::fromReply(fixture("page1.json"));
    ASSERT_TRUE(response);
    const MQuizletSet& idioms = response->quizletSets()[1];
    EXPECT_EQ(idioms.term_count(), 6u);
    ASSERT_EQ(idioms.cardCount(), 3u);  // three terms for a count of six
    EXPECT_EQ(idioms.subjects(), (std::vector<std::string>{"verbal", "idioms"}));
    auto shortTerm = idioms.cardAt(2);
    EXPECT_EQ(shortTerm->ID(), 3u);
    EXPECT_EQ(shortTerm->question(), "different from");
    EXPECT_FALSE(shortTerm->answer());
    EXPECT_FALSE(shortTerm->imageURL());

    // A count below the array's length stops at the count; a term that is no array is empty.
    MQuizletSet counted(
        *fnd::Json::parse(R"({"term_count": 2, "terms": [["a", "b", ""], 7, ["c", "d", ""]]})"));
    ASSERT_EQ(counted.cardCount(), 2u);
    EXPECT_EQ(counted.cardAt(1)->question(), "");
    EXPECT_FALSE(counted.cardAt(1)->answer());
    MQuizletSet wrongItems(*fnd::Json::parse(R"({"term_count": 1, "terms": [[1, ["x"], {"src": 2}]]})"));
    EXPECT_EQ(wrongItems.cardAt(0)->question(), "");
    EXPECT_FALSE(wrongItems.cardAt(0)->answer());
}

TEST_F(QuizletReplyTest, OnlyTheFirstAbsoluteWebAddressBecomesACardsPicture) {
    std::vector<std::string> logged;
    auto previous =
        fnd::Log::setSink([&](fnd::Log::Level, std::string_view line) { logged.emplace_back(line); });
    const struct {
        const char* markup;
        std::optional<std::string> address;
    } cases[] = {
        {R"(<img src="http://127.0.0.1:9/a.png" width="80">)", "http://127.0.0.1:9/a.png"},
        {R"(<img src="https://127.0.0.1/b.jpg"><img src="http://127.0.0.1/c.jpg">)",
         "https://127.0.0.1/b.jpg"},
        {R"(<img src="file:///etc/hostname">)", std::nullopt},
        {R"x(<img src="javascript:alert(1)">)x", std::nullopt},
        {R"(<img src="/pictures/first.png">)", std::nullopt},
        {R"(<img src="//127.0.0.1/a.png">)", std::nullopt},
        {R"(<img src='http://127.0.0.1/single-quoted.png'>)", std::nullopt},
        {R"(<img src="">)", std::nullopt},
        {"no picture here", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(MQuizletSet::pictureAddress(c.markup), c.address) << c.markup;
    fnd::Log::setSink(previous);
    EXPECT_EQ(logged.size(), 4u);  // each refused address is logged
}

TEST_F(QuizletReplyTest, AChosenSetFillsTheDeckWithOneCardPerTerm) {
    auto response = MQuizletResponse::fromReply(fixture("page1.json"));
    ASSERT_TRUE(response);
    auto deck = std::make_shared<MQuizletDeck>(27001);
    response->quizletSets()[0].fillDeck(*deck);
    EXPECT_EQ(deck->quizletsID(), 4101u);
    EXPECT_EQ(deck->title(), "Statistics vocabulary");
    EXPECT_EQ(deck->creator(), "mira_k");
    EXPECT_EQ(deck->description(), "Terms that data questions take for granted");
    EXPECT_EQ(deck->keywords(), (std::vector<std::string>{"statistics", "data sufficiency"}));
    EXPECT_EQ(deck->dateOfCreation()->timeIntervalSince1970(), 1325376000);
    EXPECT_EQ(deck->dateOfLastModification()->timeIntervalSince1970(), 1330560000);
    EXPECT_TRUE(deck->has_images());
    const auto& cards = deck->flashcards();
    ASSERT_EQ(cards.size(), 4u);
    EXPECT_EQ(cards[0]->ID(), 1u);
    EXPECT_EQ(cards[0]->question(), "Median");
    EXPECT_EQ(cards[0]->imageURL(), "http://127.0.0.1:9/pictures/median.png");
    EXPECT_EQ(cards[0]->pathToImageFile(), cards[0]->imageURL());  // until the picture is stored
    EXPECT_FALSE(cards[2]->answer());                              // an empty definition
    EXPECT_FALSE(cards[2]->imageURL());
    EXPECT_FALSE(cards[3]->imageURL());

    // A second set replaces the cards and the description.
    response->quizletSets()[1].fillDeck(*deck);
    EXPECT_EQ(deck->flashcards().size(), 3u);
    EXPECT_EQ(deck->creator(), "");
    EXPECT_FALSE(deck->has_images());
}

TEST_F(QuizletReplyTest, ErrorTextsAreEscapedAndCountsAreShownAsTheyCame) {
    auto error = MQuizletResponse::fromReply(fixture("error.json"));
    ASSERT_TRUE(error && error->isError());
    EXPECT_EQ(FlashcardService::resultsText(*error),
              "<p>Query &lt;b&gt;too short&lt;/b&gt;</p><p>Use at least two letters &amp; try again."
              "&lt;script&gt;document.title=&#39;ran&#39;&lt;/script&gt;</p>");
    EXPECT_EQ(
        FlashcardService::resultsText(*MQuizletResponse::fromReply(fixture("page2.json"))),
        "<p>The number of sets matching your search: <b>7</b>;</p><p>Page of results you are viewing: "
        "<b>2</b>;</p><p>The total number of pages of results matching your search: <b>3</b>;</p><p>The "
        "number of sets matching your search that contain one or more images: <b>2</b>;</p>");
}

TEST_F(QuizletReplyTest, PageKeysStayWithinThePages) {
    const struct {
        std::uint32_t page, total;
        std::optional<std::uint32_t> before, after;
    } cases[] = {
        {1, 3, std::nullopt, 2},
        {2, 3, 1, 3},
        {3, 3, 2, std::nullopt},
        {1, 0, std::nullopt, std::nullopt},
        {0, 0, std::nullopt, std::nullopt},
        {5, 3, std::nullopt, std::nullopt},
        {1, 1, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        auto response = reply(R"({"page": )" + std::to_string(c.page) + R"(, "total_pages": )" +
                              std::to_string(c.total) + "}");
        EXPECT_EQ(FlashcardService::pageBefore(*response), c.before) << c.page << " of " << c.total;
        EXPECT_EQ(FlashcardService::pageAfter(*response), c.after) << c.page << " of " << c.total;
        EXPECT_EQ(FlashcardService::pageLabel(*response),
                  "Page " + std::to_string(c.page) + " of " + std::to_string(c.total));
    }
}

TEST_F(QuizletReplyTest, OnlyAWebAddressWithAHostIsAService) {
    const struct {
        const char* address;
        std::optional<std::string> base;
    } cases[] = {
        {"", std::nullopt},
        {"127.0.0.1:8080", std::nullopt},
        {"ftp://127.0.0.1/", std::nullopt},
        {"file:///srv/cards", std::nullopt},
        {"http://", std::nullopt},
        {"http://127.0.0.1:8080/?q=1", std::nullopt},
        {"http://127.0.0.1:8080/", "http://127.0.0.1:8080"},
        {"https://127.0.0.1/cards//", "https://127.0.0.1/cards"},
    };
    for (const auto& c : cases) EXPECT_EQ(FlashcardService::usableBase(c.address), c.base) << c.address;
    EXPECT_EQ(
        FlashcardService::searchAddress("http://127.0.0.1:8080", FlashcardService::escapedQuery("a b&c"), 2),
        "http://127.0.0.1:8080/1.0/sets?dev_key=QwLmTzRkVbNpHsXc&q=a%20b%26c&page=2&extended=on");
}

}  // namespace
}  // namespace flashcards_test

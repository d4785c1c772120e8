// The built-in decks: their data files are checked against the identifiers and counts the decks
// hold, and the cards are built in the layouts the viewer shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "Classes/flashcards/MBuiltInDeckData.h"
#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MIdiomsFC.h"
#include "Classes/flashcards/MVessarkFC.h"
#include "Classes/flashcards/MVoicesFC.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Paths.h"
#include "tests/Classes/flashcards/FlashcardsTestSupport.h"

namespace flashcards_test {
namespace {

using BuiltInDeckData = FlashcardsTest;

bool mentions(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const auto& line) { return line.find(text) != std::string::npos; });
}

TEST_F(BuiltInDeckData, FilesAreValidAndTheDecksComplete) {
    MBuiltInDeckData::Report report = MBuiltInDeckData::validate();
    for (const auto& problem : report.problems) ADD_FAILURE() << problem;
    for (const auto& deck : report.incomplete) ADD_FAILURE() << "incomplete deck: " << deck;

    // 388 cards; the quant deck's identifiers run to 122 with the gaps stored histories expect.
    MVessarkFC quant;
    MIdiomsFC idioms;
    MVoicesFC voices;
    std::vector<std::uint32_t> ids;
    for (const auto& card : quant.flashcards()) ids.push_back(card->ID());
    EXPECT_EQ(ids, MBuiltInDeckData::quantIdentifiers());
    ASSERT_EQ(ids.size(), 103u);
    EXPECT_EQ(ids.back(), 122u);
    for (std::uint32_t missing : {56u, 71u, 79u, 92u, 94u, 96u, 97u, 100u, 104u})
        EXPECT_EQ(std::count(ids.begin(), ids.end(), missing), 0) << missing;
    EXPECT_EQ(idioms.flashcards().size(), 191u);
    EXPECT_EQ(voices.flashcards().size(), 94u);
}

TEST_F(BuiltInDeckData, FaultsInTheFilesAreReportedAndTheirRowsLeftOut) {
    auto folder = temporary / "bundle" / "flashcards";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "quant.json") << R"({"cards": [
        {"id": 1, "topic": "Percent", "face": ["a"], "back": ["b"]},
        {"id": 56, "topic": "Gap", "face": ["a"], "back": ["b"]},
        {"id": 3, "topic": "Later", "face": ["a"], "back": ["b"]},
        {"id": 2, "topic": "Earlier", "face": ["a"], "back": ["b"]},
        {"id": 3, "topic": "Twice", "face": ["a"], "back": ["b"]},
        {"id": 4, "topic": "No back", "face": ["a"], "back": []}]})";
    std::ofstream(folder / "idioms.json")
        << R"({"idioms": [{"title": "as X as Y"}, {"title": "rather  than", "example": "e"},
                          {"title": "Rather than ", "example": "f"}]})";
    std::ofstream(folder / "voices.json") << "{\"voices\": [";
    fnd::Paths::setResources(temporary / "bundle");

    MBuiltInDeckData::Report report = MBuiltInDeckData::validate();
    EXPECT_EQ(report.problems.size(), 7u);
    EXPECT_TRUE(mentions(report.problems, "identifier 56"));
    EXPECT_TRUE(mentions(report.problems, "card 4: identifier 2"));
    EXPECT_TRUE(mentions(report.problems, "card 5: identifier 3"));
    EXPECT_TRUE(mentions(report.problems, "card 6: needs"));
    EXPECT_TRUE(mentions(report.problems, "idiom 1: needs"));
    // A repeated idiom is refused, but keeps its card so that the later identifiers stay put.
    EXPECT_TRUE(mentions(report.problems, "idiom 3: repeats idiom 2, Rather than"));
    EXPECT_TRUE(mentions(report.problems, "voices.json: not a JSON"));
    EXPECT_EQ(report.incomplete,
              (std::vector<std::string>{"Vessark's Quant: 2 of 103 cards", "Idioms: 2 of 191 cards",
                                        "Voices: 0 of 94 cards"}));

    // The decks are built from what is sound; a deck without its file has no cards.
    auto sink = fnd::Log::setSink([](fnd::Log::Level, std::string_view) {});
    MVessarkFC quant;
    MVoicesFC voices;
    fnd::Log::setSink(sink);
    ASSERT_EQ(quant.flashcards().size(), 2u);
    EXPECT_EQ(quant.flashcards()[1]->ID(), 3u);
    EXPECT_TRUE(voices.flashcards().empty());
}

TEST_F(BuiltInDeckData, QuantCardsAreWholePagesWithNumberedTopics) {
    MVessarkFC deck;
    ASSERT_GE(deck.flashcards().size(), 10u);
    EXPECT_EQ(
        *deck.flashcards()[0]->question(),
        "<body><h1>Percent</h1><ul class=\"large\"><li>What is the percent formula?</li><li>How much is 15 "
        "percent of 20?</li></ul></body>");
    EXPECT_EQ(deck.flashcards()[1]->question()->rfind("<body><h1>Percent 2</h1>", 0), 0u);
    bool choices = std::any_of(deck.flashcards().begin(), deck.flashcards().end(), [](const auto& card) {
        return card->question()->find("<ol class=\"answers\"><li>") != std::string::npos;
    });
    EXPECT_TRUE(choices);
}

TEST_F(BuiltInDeckData, IdiomsAndVoicesAreNumberedInDataOrder) {
    MIdiomsFC idioms;
    ASSERT_GE(idioms.flashcards().size(), 8u);
    for (std::size_t i = 0; i < idioms.flashcards().size(); ++i) {
        EXPECT_EQ(idioms.flashcards()[i]->ID(), i + 1);
        EXPECT_EQ(idioms.flashcards()[i]->answer()->rfind("<h2> ", 0), 0u);
    }
    EXPECT_EQ(idioms.counter(), idioms.flashcards().size() + 1);
    idioms.addIdiomWithType(1, "rather than", std::nullopt, "Prices rose rather than fell.");
    const auto& added = *idioms.flashcards().back();
    EXPECT_EQ(
        *added.question(),
        "<div class='container'>  <div class=\"vcentered\">    <h1 class=\"hcentered\"> rather than </h1>  "
        "</div></div>");
    EXPECT_EQ(*added.answer(),
              "<h2> rather than </h2><p class = \"normal\"> Prices rose rather than fell. </p>");

    MVoicesFC voices;
    ASSERT_GE(voices.flashcards().size(), 8u);
    EXPECT_EQ(voices.flashcards().back()->ID(), voices.flashcards().size());
    EXPECT_FALSE(voices.flashcards()[0]->answer());
    EXPECT_EQ(voices.flashcards()[0]->question()->find("class=\"score\""), std::string::npos);
    voices.addVoice({"Advice"}, "Read the stem first", "someone", 760);
    const std::string& face = *voices.flashcards().back()->question();
    EXPECT_NE(face.find("<p class=\"citation\"> \"Read the stem first...\" </p>"), std::string::npos);
    EXPECT_NE(face.find("<p class=\"author\"> someone </p>    <p class=\"score\"> ORVA 760 </p>"),
              std::string::npos);
}

}  // namespace
}  // namespace flashcards_test

// Card pictures of the user's decks: fetched on a worker, taken by the card on the main thread,
// stored as JPEG in the documents folder, read back at restart, and never left behind by a
// deck or card that is gone.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MHistoryEntry.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Thread.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Image.h"
#include "tests/Classes/flashcards/FlashcardsTestSupport.h"
#include "tests/support/HTTPTestServer.h"

namespace fs = std::filesystem;

namespace flashcards_test {
namespace {

class CardPictures : public FlashcardsTest {
  protected:
    void SetUp() override {
        FlashcardsTest::SetUp();
        gfx::Bitmap bitmap(6, 4);
        for (int x = 0; x < 6; ++x)
            for (int y = 0; y < 4; ++y) bitmap.setPixel(x, y, {200, 40, 40, 255});
        server.route("/red.png",
                     testing_support::HTTPTestServer::Reply::text(bitmap.encodePNG(), "image/png"));
        server.route("/broken.png",
                     testing_support::HTTPTestServer::Reply::text("not a picture", "image/png"));
        previousSink =
            fnd::Log::setSink([this](fnd::Log::Level, std::string_view line) { logged.emplace_back(line); });
    }
    void TearDown() override {
        fnd::Log::setSink(previousSink);
        FlashcardsTest::TearDown();
    }

    // Lets the picture threads end and the main thread take what they handed over.
    void settle() {
        ASSERT_TRUE(runUntil([] { return fnd::Thread::runningCount() == 0; }, 20));
        runFor(0.1);
    }

    std::shared_ptr<MFlashcard> cardWithPicture(MDeck& deck, std::uint32_t id, const std::string& path) {
        auto card = std::make_shared<MFlashcard>(id, "face", "back", nullptr);
        card->setImageURL(server.url(path));
        deck.flashcards().push_back(card);
        return card;
    }

    testing_support::HTTPTestServer server;
    fnd::Log::Sink previousSink;
    std::vector<std::string> logged;
};

TEST_F(CardPictures, AFetchedPictureIsStoredAsJPEGAndRemovedWithTheDeck) {
    auto deck = deckWithCards(1, 4);
    auto card = cardWithPicture(*deck, 2, "/red.png");
    deck->loadInBackgroundImageForFlashcard(card);
    EXPECT_FALSE(card->imageIsStoredLocally());  // the card's fields change on the main thread only
    settle();

    fs::path file = documents / "FlashcardsImage_4_2.jpg";
    ASSERT_TRUE(card->imageIsStoredLocally());
    EXPECT_EQ(card->pathToImageFile(), file.string());
    ASSERT_TRUE(card->image());
    EXPECT_EQ(card->image()->size().width, 6);
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto decoded = gfx::Bitmap::decodeJPEG(bytes);
    ASSERT_TRUE(decoded);
    EXPECT_NEAR(decoded->pixel(3, 2).red, 200, 8);

    deck->removeImages();
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(CardPictures, APictureForADeletedDeckOrARemovedCardIsNotKept) {
    auto deleted = deckWithCards(0, 5);
    auto orphan = cardWithPicture(*deleted, 1, "/red.png");
    deleted->loadInBackgroundImageForFlashcard(orphan);
    deleted->removeImages();

    auto deck = deckWithCards(0, 6);
    auto removed = cardWithPicture(*deck, 1, "/red.png");
    deck->loadInBackgroundImageForFlashcard(removed);
    deck->flashcards().clear();

    auto dropped = deckWithCards(0, 7);
    auto card = cardWithPicture(*dropped, 1, "/red.png");
    dropped->loadInBackgroundImageForFlashcard(card);
    dropped.reset();
    settle();

    EXPECT_TRUE(fs::is_empty(documents));
    EXPECT_FALSE(orphan->imageIsStoredLocally());
    EXPECT_FALSE(removed->image());
    EXPECT_FALSE(card->pathToImageFile());
}

TEST_F(CardPictures, APictureThatCannotBeFetchedIsTriedAgainAtTheNextStart) {
    auto flashcards = std::make_shared<MFlashcards>();
    auto deck = std::dynamic_pointer_cast<MCustomFC>(flashcards->addCustomDeckWithID(4));
    auto card = cardWithPicture(*deck, 2, "/broken.png");
    deck->loadInBackgroundImageForFlashcard(card);
    settle();
    EXPECT_FALSE(card->imageIsStoredLocally());
    EXPECT_EQ(card->imageURL(), server.url("/broken.png"));
    EXPECT_EQ(logged, std::vector<std::string>{"Can't open file (null). "});

    // The address now answers; the restart fetches it.
    server.route("/broken.png", testing_support::HTTPTestServer::Reply::redirect("/red.png"));
    auto restarted = restart(flashcards);
    settle();
    auto again = restarted->deckWithID(4)->flashcards()[0];
    EXPECT_TRUE(again->imageIsStoredLocally());
    EXPECT_TRUE(again->image());
    EXPECT_TRUE(fs::exists(documents / "FlashcardsImage_4_2.jpg"));
    EXPECT_EQ(server.requestCount(), 3u);  // the failed fetch, the redirect and its target
}

TEST_F(CardPictures, AStoredPictureIsFoundAgainAfterTheDocumentsFolderMoved) {
    auto flashcards = std::make_shared<MFlashcards>();
    auto deck = flashcards->addCustomDeckWithID(4);
    for (std::uint32_t id : {2u, 3u}) {
        auto card = std::make_shared<MFlashcard>(id, "face", "back", nullptr);
        card->setImageIsStoredLocally(true);
        card->setPathToImageFile("/old/home/Documents/FlashcardsImage_4_" + std::to_string(id) + ".jpg");
        deck->flashcards().push_back(card);
    }
    gfx::Bitmap bitmap(3, 3);
    std::ofstream(documents / "FlashcardsImage_4_2.jpg", std::ios::binary) << bitmap.encodeJPEG(1.0);

    auto restarted = restart(flashcards);
    const auto& cards = restarted->deckWithID(4)->flashcards();
    EXPECT_TRUE(cards[0]->image());
    EXPECT_EQ(cards[0]->pathToImageFile(), "/old/home/Documents/FlashcardsImage_4_2.jpg");  // kept as written
    EXPECT_FALSE(cards[1]->image());
    EXPECT_TRUE(cards[1]->imageIsStoredLocally());
    EXPECT_EQ(logged,
              std::vector<std::string>{"Can't open file /old/home/Documents/FlashcardsImage_4_3.jpg. "});
}

}  // namespace
}  // namespace flashcards_test

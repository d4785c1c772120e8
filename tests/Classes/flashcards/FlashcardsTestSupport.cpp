#include "tests/Classes/flashcards/FlashcardsTestSupport.h"

#include <gtest/gtest.h>

#include "Classes/flashcards/MFlashcard.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

namespace flashcards_test {

namespace {

// The repository's side of the archive: the collection's values beside the repository's own.
class RepositoryStandIn : public fnd::Object, public fnd::Coding {
  public:
    std::shared_ptr<MFlashcards> flashcards;
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override { flashcards->encodeWithCoder(coder); }
    void initWithCoder(fnd::KeyedUnarchiver& coder) override {
        flashcards = std::make_shared<MFlashcards>();
        flashcards->restoreFromCoder(coder);
    }
};

}  // namespace

std::shared_ptr<MCustomFC> deckWithCards(std::uint32_t count, std::uint32_t id) {
    auto deck = std::make_shared<MCustomFC>(id);
    for (std::uint32_t n = 1; n <= count; ++n)
        deck->flashcards().push_back(
            std::make_shared<MFlashcard>(n, "Q" + std::to_string(n), "A" + std::to_string(n), nullptr));
    return deck;
}

std::shared_ptr<MFlashcards> restart(const std::shared_ptr<MFlashcards>& flashcards) {
    fnd::ClassRegistry::shared().registerClass<RepositoryStandIn>("FlashcardsTestRepository");
    auto stored = std::make_shared<RepositoryStandIn>();
    stored->flashcards = flashcards;
    std::string error;
    auto bytes = fnd::KeyedArchiver::archive("kRepository", stored, &error);
    EXPECT_TRUE(bytes) << error;
    if (!bytes) return nullptr;
    auto root = fnd::KeyedUnarchiver::unarchive(*bytes, "kRepository", &error).object<RepositoryStandIn>();
    EXPECT_TRUE(root) << error;
    return root ? root->flashcards : nullptr;
}

void FlashcardsTest::SetUp() {
    TestEnvironment::SetUp();
    MFlashcards::registerClasses();
}

}  // namespace flashcards_test

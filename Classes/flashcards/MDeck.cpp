#include "Classes/flashcards/MDeck.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "Classes/flashcards/MDeckStyle.h"
#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MHistoryEntry.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Random.h"
#include "platform/foundation/RunLoop.h"

namespace {

constexpr const char* kStepAction = "stepRewinding";
// Times a card must be marked as known to count as fully known.
constexpr double kKnownShowings = 7.0;
// The smallest chance of acceptance in the adaptive draw: a card pushed down to (or stored at) 0
// still comes now and then, so a deck of such cards cannot keep the draw going for ever.
constexpr double kLeastAcceptance = 0.001;

}  // namespace

MDeck::MDeck(std::uint32_t id, std::string creator, std::optional<fnd::Date> dateOfCreation,
             std::optional<fnd::Date> dateOfLastModification, std::string title, std::string description,
             std::vector<std::string> keywords, Image image, std::shared_ptr<MDeckStyle> style,
             bool permanent)
    : id_(id),
      isPermanent_(permanent),
      creator_(std::move(creator)),
      dateOfCreation_(dateOfCreation),
      dateOfLastModification_(dateOfLastModification),
      title_(std::move(title)),
      description_(std::move(description)),
      keywords_(std::move(keywords)),
      image_(std::move(image)),
      style_(std::move(style)) {}

MDeck::~MDeck() {
    if (auto loop = fnd::RunLoop::installedMain()) loop->cancelPerforms(this, kStepAction);
}

std::shared_ptr<MDeckStyle> MDeck::setupTheStyle() { throw fnd::UnrecognizedSelector("setupTheStyle"); }

// ---- Sequences

std::shared_ptr<MFlashcard> MDeck::getCard() {
    if (sequence_ == kOrdered) return getCardInOrderDirect(true);
    if (sequence_ == kAdaptive) return getRandomCardWithProbabilityTbS();
    return nullptr;
}

std::shared_ptr<MFlashcard> MDeck::cardAt(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= flashcards_.size()) return nullptr;
    return flashcards_[static_cast<std::size_t>(index)];
}

std::shared_ptr<MFlashcard> MDeck::getCardInOrderDirect(bool forward) {
    int count = static_cast<int>(flashcards_.size());
    if (count == 0) return nullptr;
    if (justAppeared_) {
        // A cursor left outside the deck (cards removed since) starts the sequence at the first card.
        lastGotIndex_ = cursor_ < flashcards_.size() ? static_cast<int>(cursor_) : 0;
        justAppeared_ = false;
        return cardAt(lastGotIndex_);
    }
    if (forward) {
        lastGotIndex_ = lastGotIndex_ + 1 > count - 1 ? 0 : lastGotIndex_ + 1;
    } else {
        lastGotIndex_ = lastGotIndex_ < 1 ? count - 1 : lastGotIndex_ - 1;
    }
    if (justRewound_) {
        lastGotIndex_ = rewoundIndex_;
        justRewound_ = false;
    }
    // The deck may have shrunk since the index was reached.
    lastGotIndex_ = std::clamp(lastGotIndex_, 0, count - 1);
    return cardAt(lastGotIndex_);
}

std::uint32_t MDeck::randomNumber() const { return random_ ? random_() : fnd::Random::next32(); }

std::shared_ptr<MFlashcard> MDeck::getRandomCardWithProbabilityTbS() {
    if (flashcards_.empty()) return nullptr;
    if (justAppeared_ && cursor_ < flashcards_.size()) {
        justAppeared_ = false;
        return flashcards_[cursor_];
    }
    auto card = getRandomCard();
    while (card->probabilityTbS() < 1.0) {
        double r = static_cast<double>(randomNumber() % 1000) * 0.001;
        if (r < std::max(card->probabilityTbS(), kLeastAcceptance)) break;
        card = getRandomCard();
    }
    return card;
}

std::shared_ptr<MFlashcard> MDeck::getRandomCard() {
    if (flashcards_.empty()) return nullptr;
    return flashcards_[randomNumber() % static_cast<std::uint32_t>(flashcards_.size())];
}

void MDeck::changeSequence() {
    if (sequence_ == kAdaptive) {
        sequence_ = kOrdered;
        lastGotIndex_ = static_cast<int>(cursor_);
    } else if (sequence_ == kOrdered) {
        sequence_ = kAdaptive;
    }
}

// ---- Rewinding

double MDeck::rewindingNextStepShrinkage() const {
    return std::exp(-0.34657359027997264 * rewindingStepDelay_ / rewindingFirstStepDelay());
}

void MDeck::startRewinding() {
    isRewinding_ = true;
    rewoundIndex_ = static_cast<int>(cursor_);
    rewindingStepDelay_ = rewindingFirstStepDelay();
    stepRewinding();
}

void MDeck::stepRewinding() {
    if (!isRewinding_) return;
    int last = static_cast<int>(flashcards_.size()) - 1;
    rewoundIndex_ = std::max(0, std::min(rewoundIndex_ + rewindingDirection_, last));
    fnd::NotificationCenter::defaultCenter().post(kRewoundIndexChangedNotification, sharedAs());
    if (rewoundIndex_ >= 1 && rewoundIndex_ < last) {
        fnd::RunLoop::main().performAfterDelay(rewindingStepDelay_, *this, kStepAction,
                                               &MDeck::stepRewinding);
        rewindingStepDelay_ *= rewindingNextStepShrinkage();
    }
}

void MDeck::finishRewinding() {
    isRewinding_ = false;
    justRewound_ = true;
}

// ---- Knowledge

void MDeck::computeKnownPercentage() {
    if (flashcards_.empty()) {
        knownPercentage_ = 0;
        return;
    }
    double sum = 0;
    for (const auto& card : flashcards_) {
        int known = card->knownCount();
        sum += known >= kKnownShowings ? 1.0 : std::sqrt(known / kKnownShowings);
    }
    knownPercentage_ = sum * (100.0 / static_cast<double>(flashcards_.size()));
}

void MDeck::clearHistory() {
    for (const auto& card : flashcards_) card->clearHistory();
    cursor_ = 0;
    justAppeared_ = true;
    knownPercentage_ = 0;
}

// ---- Texts

std::string MDeck::stringWithKeywords() const {
    std::string text;
    for (const auto& keyword : keywords_) text += keyword + ", ";
    if (text.size() >= 2) text.resize(text.size() - 2);
    return text;
}

void MDeck::setKeywordsWithString(const std::string& text) {
    std::vector<std::string> keywords;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(", ", start)) != std::string::npos; start = at + 2)
        keywords.push_back(text.substr(start, at - start));
    keywords.push_back(text.substr(start));
    keywords_ = std::move(keywords);
}

std::string MDeck::textWithFaceFormatting(const std::string& text) const {
    if (isPermanent_) return text;
    return "<div class='container'>  <div class=\"vcentered\">    <h1 class=\"hcentered\"> " + text +
           " </h1></div>";
}

std::string MDeck::textWithBackFormatting(const std::string& text) const {
    if (isPermanent_) return text;
    return "<div class='container'>  <div class=\"vcentered\">    <h2 class=\"hcentered\"> " + text +
           " </h2></div>";
}

// ---- Archive

void MDeck::fillCardEntries(fnd::ArchiveDictionary& entry) const {
    for (const auto& card : flashcards_) card->fillHistoryDictionary(entry, !isPermanent_);
}

void MDeck::restoreCardEntries(const fnd::ArchiveDictionary& entry) {
    for (const auto& card : flashcards_) card->restoreHistory(entry, !isPermanent_);
}

std::shared_ptr<fnd::ArchiveDictionary> MDeck::wholeDeckEntry() const {
    auto entry = fnd::ArchiveValue::makeDictionary();
    (*entry)["creator"] = creator_;
    if (dateOfCreation_) (*entry)["dateOfCreation"] = *dateOfCreation_;
    if (dateOfLastModification_) (*entry)["dateOfLastModification"] = *dateOfLastModification_;
    (*entry)["title"] = title_;
    (*entry)["description"] = description_;
    (*entry)["keywords"] = MHistoryEntry::stringArray(keywords_);
    (*entry)["flashcardsCount"] = fnd::ArchiveValue::unsignedInteger(flashcards_.size());
    if (!flashcards_.empty()) {
        std::vector<std::uint32_t> ids;
        for (const auto& card : flashcards_) ids.push_back(card->ID());
        (*entry)["CardsArrangement"] = MHistoryEntry::identifierArray(ids);
    }
    fillCardEntries(*entry);
    (*entry)["cursor"] = fnd::ArchiveValue::unsignedInteger(cursor_);
    return entry;
}

void MDeck::restoreDescription(const fnd::ArchiveDictionary& entry) {
    creator_ = MHistoryEntry::string(entry, "creator").value_or("");
    dateOfCreation_ = MHistoryEntry::date(entry, "dateOfCreation");
    dateOfLastModification_ = MHistoryEntry::date(entry, "dateOfLastModification");
    title_ = MHistoryEntry::string(entry, "title").value_or("");
    description_ = MHistoryEntry::string(entry, "description").value_or("");
    keywords_ = MHistoryEntry::strings(entry, "keywords").value_or(std::vector<std::string>{});
}

void MDeck::replaceWithBlankCards(const std::vector<std::uint32_t>& ids) {
    if (ids.empty()) return;
    Cards cards;
    std::set<std::uint32_t> taken;
    for (std::uint32_t id : ids) {
        if (!taken.insert(id).second) continue;
        cards.push_back(std::make_shared<MFlashcard>(id, std::nullopt, std::nullopt, nullptr));
    }
    flashcards_ = std::move(cards);
}

void MDeck::fillHistoryDictionary(fnd::ArchiveDictionary& dictionary) const {
    auto entry = fnd::ArchiveValue::makeDictionary();
    (*entry)["title"] = title_;
    (*entry)["description"] = description_;
    (*entry)["sequence"] = fnd::ArchiveValue::integer(sequence_);
    (*entry)["frontside"] = fnd::ArchiveValue::boolean(faceIsFrontside_);
    (*entry)["cursor"] = fnd::ArchiveValue::unsignedInteger(cursor_);
    fillCardEntries(*entry);
    dictionary[entryKey(id_)] = entry;
}

void MDeck::restoreDeckEntry(const fnd::ArchiveDictionary& entry) {
    auto sequence = MHistoryEntry::integer(entry, "sequence");
    sequence_ = sequence && (*sequence == kOrdered || *sequence == kAdaptive) ? static_cast<int>(*sequence)
                                                                              : kAdaptive;
    faceIsFrontside_ = MHistoryEntry::boolean(entry, "frontside").value_or(true);
    cursor_ = MHistoryEntry::unsigned32(entry, "cursor").value_or(0);
    restoreCardEntries(entry);
}

void MDeck::restoreHistory(const fnd::ArchiveDictionary& dictionary) {
    if (auto entry = MHistoryEntry::dictionary(dictionary, entryKey(id_))) restoreDeckEntry(*entry);
    computeKnownPercentage();
}

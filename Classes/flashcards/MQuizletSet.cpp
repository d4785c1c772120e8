#include "Classes/flashcards/MQuizletSet.h"

#include <algorithm>

#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MQuizletDeck.h"
#include "Classes/flashcards/MQuizletValues.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/URL.h"

namespace {

// The first picture source of a term's markup; its one group is the address between the quotes.
constexpr const char* kPictureSource = "src=\"([^\"]+)\"";

// Item `index` of a term: a text, or empty when the term has no such item or it is no text.
const std::string& termItem(const fnd::JsonValue& term, std::size_t index) { return term[index].asString(); }

}  // namespace

MQuizletSet::MQuizletSet(fnd::JsonValue object) {
    using Values = MQuizletValues;
    ID_ = Values::positiveInt(object, "id");
    title_ = Values::text(object, "title");
    url_ = Values::text(object, "url");
    creator_ = Values::text(object, "creator");
    created_ = Values::real(object, "created");
    term_count_ = Values::unsignedNumber(object, "term_count");
    last_modified_ = Values::real(object, "last_modified");
    has_images_ = Values::flag(object, "has_images");
    description_ = Values::text(object, "description");
    subjects_ = Values::texts(object, "subjects");
    if (auto* members = object.mutableMap()) {
        auto terms = members->find("terms");
        if (terms != members->end())
            if (auto* array = terms->second.mutableArray()) terms_ = std::move(*array);
    }
}

std::size_t MQuizletSet::cardCount() const { return std::min<std::size_t>(term_count_, terms_.size()); }

std::optional<std::string> MQuizletSet::pictureAddress(std::string_view markup) {
    ostrand::Regex::Groups match = ostrand::Regex::firstMatchGroups(markup, kPictureSource);
    if (match.size() < 2) return std::nullopt;
    const std::string& address = match[1];
    fnd::URL url(address);
    std::string scheme = url.scheme();
    if ((scheme != "http" && scheme != "https") || url.host().empty()) {
        fnd::Log::warning(
            "A card's picture address that is not an absolute http or https address is left out: ", address);
        return std::nullopt;
    }
    return address;
}

std::shared_ptr<MFlashcard> MQuizletSet::cardAt(std::size_t index) const {
    static const fnd::JsonValue kNoTerm;
    const fnd::JsonValue& term = index < terms_.size() ? terms_[index] : kNoTerm;
    const std::string& definition = termItem(term, 1);
    auto card = std::make_shared<MFlashcard>(
        static_cast<std::uint32_t>(index + 1), termItem(term, 0),
        definition.empty() ? std::nullopt : std::optional<std::string>(definition), nullptr);
    const std::string& markup = termItem(term, 2);
    if (!markup.empty()) {
        if (std::optional<std::string> address = pictureAddress(markup)) {
            card->setPathToImageFile(*address);
            card->setImageURL(std::move(address));
        }
    }
    return card;
}

void MQuizletSet::fillDeck(MQuizletDeck& deck) const {
    deck.setQuizletsID(static_cast<std::uint32_t>(ID_));
    deck.setCreator(creator_);
    deck.setDateOfCreation(fnd::Date::fromUnix(created_));
    deck.setDateOfLastModification(fnd::Date::fromUnix(last_modified_));
    deck.setTitle(title_);
    deck.setDescription(description_);
    deck.setKeywords(subjects_);
    deck.setHas_images(has_images_);
    MQuizletDeck::Cards cards;
    std::size_t count = cardCount();
    cards.reserve(count);
    for (std::size_t i = 0; i < count; ++i) cards.push_back(cardAt(i));
    deck.setFlashcards(std::move(cards));
}

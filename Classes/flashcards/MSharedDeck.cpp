#include "Classes/flashcards/MSharedDeck.h"

#include <algorithm>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/flashcards/MDeckStyle.h"
#include "Classes/flashcards/MDeckStyleSheets.h"
#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MHistoryEntry.h"
#include "platform/ui/Image.h"

MSharedDeck::MSharedDeck(std::uint32_t index, std::string title, std::string description)
    : MDeck(kFirstID + index, kBuiltInCreator, kBuiltInDate, kBuiltInDate, std::move(title),
            std::move(description), {}, ui::Image::named("fc_icon_vessark.png"), nullptr, false) {
    setupTheStyle();
}

std::shared_ptr<MDeckStyle> MSharedDeck::setupTheStyle() {
    bool tablet = AbstractAppDelegate::isiPad();
    return useStyle(
        MDeckStyle::make(tablet, MDeckStyle::kUsualPictures, MDeckStyleSheets::sharedDeck(tablet)));
}

std::shared_ptr<MFlashcard> MSharedDeck::addCardWithFaceHTMLText(std::string faceHTMLText,
                                                                 std::string backHTMLText) {
    std::uint32_t largest = 0;
    for (const auto& card : flashcards()) largest = std::max(largest, card->ID());
    auto card =
        std::make_shared<MFlashcard>(largest + 1, std::move(faceHTMLText), std::move(backHTMLText), nullptr);
    flashcards().push_back(card);
    return card;
}

void MSharedDeck::fillHistoryDictionary(fnd::ArchiveDictionary& dictionary) const {
    dictionary[entryKey(ID())] = wholeDeckEntry();
}

void MSharedDeck::restoreHistory(const fnd::ArchiveDictionary& dictionary) {
    if (auto entry = MHistoryEntry::dictionary(dictionary, entryKey(ID()))) {
        restoreDescription(*entry);
        replaceWithBlankCards(MHistoryEntry::identifiers(*entry, "CardsArrangement"));
        restoreCardEntries(*entry);
        setCursor(MHistoryEntry::unsigned32(*entry, "cursor").value_or(0));
    }
    computeKnownPercentage();
}

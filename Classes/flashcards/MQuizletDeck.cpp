#include "Classes/flashcards/MQuizletDeck.h"

#include "Classes/flashcards/MHistoryEntry.h"

MQuizletDeck::MQuizletDeck(std::uint32_t id) : MCustomFC(id, "fc_icon_quizlet.png") {}

void MQuizletDeck::fillHistoryDictionary(fnd::ArchiveDictionary& dictionary) const {
    MCustomFC::fillHistoryDictionary(dictionary);
    auto addon = fnd::ArchiveValue::makeDictionary();
    (*addon)["quizletsID"] = fnd::ArchiveValue::unsignedInteger(quizletsID_);
    dictionary[addonKey(ID())] = addon;
}

void MQuizletDeck::restoreHistory(const fnd::ArchiveDictionary& dictionary) {
    MCustomFC::restoreHistory(dictionary);
    if (auto addon = MHistoryEntry::dictionary(dictionary, addonKey(ID())))
        quizletsID_ = MHistoryEntry::unsigned32(*addon, "quizletsID").value_or(0);
}

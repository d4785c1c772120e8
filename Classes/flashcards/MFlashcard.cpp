#include "Classes/flashcards/MFlashcard.h"

#include <filesystem>
#include <system_error>

#include "Classes/flashcards/MFlashcardHRecord.h"
#include "Classes/flashcards/MHistoryEntry.h"
#include "platform/ui/Image.h"

MFlashcard::MFlashcard(std::uint32_t id, std::optional<std::string> question,
                       std::optional<std::string> answer, std::shared_ptr<const ui::Image> image)
    : id_(id), question_(std::move(question)), answer_(std::move(answer)), image_(std::move(image)) {}

void MFlashcard::addHRecordWithSessionID(std::int32_t sessionId, std::int32_t indexInSession) {
    history_.push_back(std::make_shared<MFlashcardHRecord>(sessionId, indexInSession));
}

void MFlashcard::flip(bool wasFront) {
    if (!history_.empty()) history_.back()->flip(wasFront);
}

void MFlashcard::next(bool wasFront) {
    if (!history_.empty()) history_.back()->next(wasFront);
}

void MFlashcard::addEstimation(std::int32_t estimation) {
    if (!history_.empty()) history_.back()->setEstimation(estimation);
}

int MFlashcard::knownCount() const {
    int known = 0;
    for (const auto& record : history_)
        if (record->estimation() == MFlashcardHRecord::kKnown) ++known;
    return known;
}

void MFlashcard::clearHistory() {
    history_.clear();
    probabilityTbS_ = 1.0;
    bookmarked_ = false;
}

void MFlashcard::removeImage() {
    if (!imageIsStoredLocally_ || !pathToImageFile_) return;
    std::error_code ignored;
    std::filesystem::remove(*pathToImageFile_, ignored);
}

void MFlashcard::fillHistoryDictionary(fnd::ArchiveDictionary& deckEntry, bool withSelf) const {
    auto entry = fnd::ArchiveValue::makeDictionary();
    if (withSelf) {
        if (question_) (*entry)["question"] = *question_;
        if (answer_) (*entry)["answer"] = *answer_;
        if (imageURL_) (*entry)["imageURL"] = fnd::ArchiveValue::url(*imageURL_);
        if (pathToImageFile_) (*entry)["pathToImageFile"] = *pathToImageFile_;
        (*entry)["imageIsStoredLocally"] = fnd::ArchiveValue::boolean(imageIsStoredLocally_);
    }
    if (!history_.empty()) {
        auto records = fnd::ArchiveValue::makeArray();
        for (const auto& record : history_) records->emplace_back(record);
        (*entry)["history"] = records;
        (*entry)["probabilityTbS"] = fnd::ArchiveValue::real(probabilityTbS_);
        (*entry)["bookmarked"] = fnd::ArchiveValue::boolean(bookmarked_);
    }
    if (!entry->empty()) deckEntry[entryKey(id_)] = entry;
}

void MFlashcard::restoreHistory(const fnd::ArchiveDictionary& deckEntry, bool withSelf) {
    auto entry = MHistoryEntry::dictionary(deckEntry, entryKey(id_));
    if (!entry) return;
    if (withSelf) {
        question_ = MHistoryEntry::string(*entry, "question");
        answer_ = MHistoryEntry::string(*entry, "answer");
        imageURL_ = MHistoryEntry::url(*entry, "imageURL");
        imageIsStoredLocally_ = MHistoryEntry::boolean(*entry, "imageIsStoredLocally").value_or(false);
        pathToImageFile_ = MHistoryEntry::string(*entry, "pathToImageFile");
    }
    history_.clear();
    if (auto records = MHistoryEntry::array(*entry, "history"))
        for (const auto& value : *records)
            if (auto record = value.object<MFlashcardHRecord>()) history_.push_back(record);
    if (history_.empty()) {
        probabilityTbS_ = 1.0;
        bookmarked_ = false;
    } else {
        probabilityTbS_ = MHistoryEntry::real(*entry, "probabilityTbS").value_or(1.0);
        bookmarked_ = MHistoryEntry::boolean(*entry, "bookmarked").value_or(false);
    }
}

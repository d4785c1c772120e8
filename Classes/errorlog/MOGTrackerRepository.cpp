#include "Classes/errorlog/MOGTrackerRepository.h"

#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Paths.h"

std::filesystem::path MOGTrackerRepository::dataFilePath() { return fnd::Paths::documents() / kFileName; }

std::shared_ptr<MOGTrackerRepository> MOGTrackerRepository::initWithData() {
    auto repository = std::make_shared<MOGTrackerRepository>();
    repository->setupBooks();
    return repository;
}

void MOGTrackerRepository::setupBooks() {
    books_ = {MBook::initAsOG12(), MBook::initAsOGQuantitative2(), MBook::initAsOGVerbal2(),
              MBook::initAsOG11(), MBook::initAsOGQuantitative1(), MBook::initAsOGVerbal1()};
}

std::string MOGTrackerRepository::syncInfoKey(const MBook& book, const MSection& section) {
    return "SyncInfoFor" + book.shortName() + section.shortName();
}

std::string MOGTrackerRepository::historyKey(const MBook& book, const MSection& section,
                                             std::size_t position) {
    return "booksHistory" + book.shortName() + section.shortName() + std::to_string(position);
}

void MOGTrackerRepository::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    auto dictionary = fnd::ArchiveValue::makeDictionary();
    for (const auto& book : books_) {
        for (const auto& section : book->sections()) {
            if (section->syncInfo())
                (*dictionary)[syncInfoKey(*book, *section)] = fnd::ArchiveValue(section->syncInfo());
            // Positions count in page-and-number order. A sorted copy gives them, so a save never
            // reorders a list on screen.
            std::vector<std::shared_ptr<MQuestion>> ordered = section->questionsByNumber();
            for (std::size_t i = 0; i < ordered.size(); ++i) {
                const auto& history = ordered[i]->history();
                if (!history) continue;
                auto list = fnd::ArchiveValue::makeArray();
                list->reserve(history->size());
                for (const auto& record : *history) list->push_back(fnd::ArchiveValue(record));
                (*dictionary)[historyKey(*book, *section, i)] = fnd::ArchiveValue(list);
            }
        }
    }
    coder.encodeObject(kHistoryDictKey, dictionary);
}

void MOGTrackerRepository::loadWithCoder(fnd::KeyedUnarchiver& coder) {
    setupBooks();
    std::shared_ptr<fnd::ArchiveDictionary> dictionary = coder.decodeDictionary(kHistoryDictKey);
    if (!dictionary) return;
    auto entry = [&](const std::string& key) -> const fnd::ArchiveValue* {
        auto it = dictionary->find(key);
        return it == dictionary->end() ? nullptr : &it->second;
    };
    for (const auto& book : books_) {
        for (const auto& section : book->sections()) {
            // Values of another kind than stored are read as absent.
            if (const fnd::ArchiveValue* info = entry(syncInfoKey(*book, *section)))
                if (auto syncInfo = info->object<SyncInfo>()) section->setSyncInfo(std::move(syncInfo));
            section->setSortType(MSection::kByNumber);
            const auto& questions = section->questions();
            for (std::size_t i = 0; i < questions.size(); ++i) {
                const fnd::ArchiveValue* stored = entry(historyKey(*book, *section, i));
                std::shared_ptr<fnd::ArchiveArray> list = stored ? stored->array() : nullptr;
                if (!list) continue;
                MQuestion::History history;
                for (const fnd::ArchiveValue& value : *list)
                    if (auto record = value.object<MHRecord>()) history.push_back(std::move(record));
                if (history.empty() && !list->empty()) continue;  // nothing in it was an attempt
                questions[i]->setHistory(std::move(history));
            }
        }
    }
}

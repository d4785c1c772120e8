#include "Classes/library_store/MIBQuestion.h"

#include <algorithm>

#include "Classes/library_store/MIBHRecord.h"

MIBQuestion::MIBQuestion(std::string bookName, std::string section, int number, std::optional<Tags> tags,
                         std::optional<History> history)
    : key_(bookName + "_" + section + "_" + std::to_string(number)),
      bookName_(std::move(bookName)),
      section_(std::move(section)),
      number_(number),
      tags_(std::move(tags)),
      history_(std::move(history)) {}

bool MIBQuestion::hasTag(const std::string& tag) const {
    return tags_ && std::find(tags_->begin(), tags_->end(), tag) != tags_->end();
}

void MIBQuestion::addIBHRecord(std::shared_ptr<MIBHRecord> record) {
    if (!history_) history_.emplace();
    history_->push_back(std::move(record));
}

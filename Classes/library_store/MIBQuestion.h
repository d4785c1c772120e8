#pragma once
// One question of an interactive e-book's index: its key "<book>_<section>_<number>", concept tags
// and the answers given to it, oldest first.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"

class MIBHRecord;

class MIBQuestion : public fnd::Object {
  public:
    using History = std::vector<std::shared_ptr<MIBHRecord>>;
    using Tags = std::vector<std::string>;

    MIBQuestion(std::string bookName, std::string section, int number, std::optional<Tags> tags,
                std::optional<History> history);

    const std::string& key() const { return key_; }
    const std::string& bookName() const { return bookName_; }
    const std::string& section() const { return section_; }
    int number() const { return number_; }
    const std::optional<Tags>& tags() const { return tags_; }
    void setTags(std::optional<Tags> tags) { tags_ = std::move(tags); }
    const std::optional<History>& history() const { return history_; }
    void setHistory(std::optional<History> history) { history_ = std::move(history); }

    bool hasTag(const std::string& tag) const;
    void addIBHRecord(std::shared_ptr<MIBHRecord> record);

  private:
    std::string key_;
    std::string bookName_;
    std::string section_;
    int number_;
    std::optional<Tags> tags_;
    std::optional<History> history_;
};

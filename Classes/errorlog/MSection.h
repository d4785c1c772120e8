#pragma once
// One chapter of an official-guide book: its questions in the order last applied, and the sync
// information of its history. Main thread only.

#include <memory>
#include <string>
#include <vector>

#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/SyncInfo.h"
#include "platform/foundation/Object.h"

class MSection : public fnd::Object {
  public:
    enum SortType { kByNumber = 1, kByTime = 2, kByAnswer = 3, kByGuess = 4 };

    // An empty section sorted by number, with fresh sync information.
    MSection(std::string fullName, std::string shortName, std::string description, int sectionType,
             int startPage, int endPage)
        : fullName_(std::move(fullName)),
          shortName_(std::move(shortName)),
          description_(std::move(description)),
          sectionType_(sectionType),
          startPage_(startPage),
          endPage_(endPage),
          syncInfo_(SyncInfo::initWithData()) {}

    void addQuestion(std::shared_ptr<MQuestion> question) { questions_.push_back(std::move(question)); }

    // Questions whose last attempt is right, or wrong, against a known key. A present but empty
    // history counts as wrong; unscored and never answered questions count in neither.
    int numberOfRightAnswers() const;
    int numberOfWrongAnswers() const;
    // Every question loses its history; the sync information is marked cleared.
    void clearHistory();
    // Stores the sort type and, for 1 to 4, sorts the questions by it.
    void sortSection(int sortType);
    // The questions whose tags contain every text, in the current order.
    std::vector<std::shared_ptr<MQuestion>> searchTags(const std::vector<std::string>& texts) const;
    // The questions in page-and-number order, leaving the section as it is.
    std::vector<std::shared_ptr<MQuestion>> questionsByNumber() const;

    const std::string& fullName() const { return fullName_; }
    const std::string& shortName() const { return shortName_; }
    const std::string& description() const { return description_; }
    int sectionType() const { return sectionType_; }
    int startPage() const { return startPage_; }
    int endPage() const { return endPage_; }
    const std::vector<std::shared_ptr<MQuestion>>& questions() const { return questions_; }
    int sortType() const { return sortType_; }
    void setSortType(int sortType) { sortType_ = sortType; }
    const std::shared_ptr<SyncInfo>& syncInfo() const { return syncInfo_; }
    void setSyncInfo(std::shared_ptr<SyncInfo> info) { syncInfo_ = std::move(info); }

  private:
    std::string fullName_;
    std::string shortName_;
    std::string description_;
    int sectionType_;
    int startPage_;
    int endPage_;
    std::vector<std::shared_ptr<MQuestion>> questions_;
    int sortType_ = kByNumber;
    std::shared_ptr<SyncInfo> syncInfo_;
};

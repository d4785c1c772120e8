#pragma once
// One official-guide book: its header and its sections in book order. The six books are built at
// every start from their skeletons and answer-key files; only histories and sync information are
// stored. Main thread only.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Classes/errorlog/MSection.h"
#include "platform/foundation/Object.h"

class BookSkeleton;
namespace ui {
class Image;
}

class MBook : public fnd::Object {
  public:
    MBook(std::string fullName, std::string shortName, std::optional<std::string> description, int bookType,
          int numberOfPages, std::shared_ptr<const ui::Image> frontPage)
        : fullName_(std::move(fullName)),
          shortName_(std::move(shortName)),
          description_(std::move(description)),
          bookType_(bookType),
          numberOfPages_(numberOfPages),
          frontPage_(std::move(frontPage)) {}

    // "PS", "DS", "SC", "CR", "RC", "RCFirst" for 1 to 6; nothing otherwise.
    static std::optional<std::string> nameForType(int type);

    // The six books, each from its skeleton with its answer key laid over it where one is installed.
    static std::shared_ptr<MBook> initAsOG12();
    static std::shared_ptr<MBook> initAsOGQuantitative2();
    static std::shared_ptr<MBook> initAsOGVerbal2();
    static std::shared_ptr<MBook> initAsOG11();
    static std::shared_ptr<MBook> initAsOGQuantitative1();
    static std::shared_ptr<MBook> initAsOGVerbal1();

    // A book of the skeleton with the rows of its answer key, where one is installed.
    static std::shared_ptr<MBook> build(const BookSkeleton& skeleton);

    void addSection(std::shared_ptr<MSection> section) { sections_.push_back(std::move(section)); }
    void clearHistory();
    int numberOfQuestions() const;
    int numberOfRightAnswers() const;
    int numberOfWrongAnswers() const;

    const std::string& fullName() const { return fullName_; }
    const std::string& shortName() const { return shortName_; }
    const std::optional<std::string>& description() const { return description_; }
    int bookType() const { return bookType_; }
    int numberOfPages() const { return numberOfPages_; }
    const std::shared_ptr<const ui::Image>& frontPage() const { return frontPage_; }
    void setFrontPage(std::shared_ptr<const ui::Image> image) { frontPage_ = std::move(image); }
    const std::vector<std::shared_ptr<MSection>>& sections() const { return sections_; }

  private:
    std::string fullName_;
    std::string shortName_;
    std::optional<std::string> description_;
    int bookType_;
    int numberOfPages_;
    std::shared_ptr<const ui::Image> frontPage_;
    std::vector<std::shared_ptr<MSection>> sections_;
};

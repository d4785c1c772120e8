#pragma once
// The error log's part of the user's data, in the file "OGTrackerRepository": the six books, and in
// the file only what changes of them, every question's attempts and every section's sync
// information. The books are built anew at every load and the stored histories laid onto them by
// each question's position in its section's page-and-number order.

#include <filesystem>
#include <memory>
#include <vector>

#include "Classes/core/MSubRepository.h"
#include "Classes/errorlog/MBook.h"

class MOGTrackerRepository : public MSubRepository {
  public:
    static constexpr const char* kClassName = "MOGTrackerRepository";
    static constexpr const char* kFileName = "OGTrackerRepository";
    static constexpr const char* kHistoryDictKey = "booksHistoryDict";

    static std::filesystem::path dataFilePath();
    std::filesystem::path classDataFilePath() const override { return dataFilePath(); }

    // A repository with the six books and no history.
    static std::shared_ptr<MOGTrackerRepository> initWithData();
    // The six books, built anew in set-up order.
    void setupBooks();

    // Builds the books and lays on them what the coder holds under "booksHistoryDict"; the coder
    // may be this repository's own file's or an older central archive's.
    void loadWithCoder(fnd::KeyedUnarchiver& coder) override;
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override { loadWithCoder(coder); }

    const std::vector<std::shared_ptr<MBook>>& books() const { return books_; }
    void setBooks(std::vector<std::shared_ptr<MBook>> books) { books_ = std::move(books); }

    static std::string syncInfoKey(const MBook& book, const MSection& section);
    static std::string historyKey(const MBook& book, const MSection& section, std::size_t position);

  private:
    std::vector<std::shared_ptr<MBook>> books_;
};

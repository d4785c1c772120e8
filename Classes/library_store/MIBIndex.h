#pragma once
// The question index of an interactive e-book, read from its "intbooks_index.txt": the book name
// that begins every question key, the questions by key, and the sections each page file holds.
// Answers move between the questions and the repository's history dictionary (booksData).

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Classes/library_store/MIBStats.h"
#include "platform/foundation/Object.h"

class MIBHRecord;
class MIBQuestion;

class MIBIndex : public fnd::Object {
  public:
    static constexpr const char* kFileName = "intbooks_index.txt";

    using HistoryDictionary = std::map<std::string, std::vector<std::shared_ptr<MIBHRecord>>, std::less<>>;
    using QuestionDict = std::map<std::string, std::shared_ptr<MIBQuestion>, std::less<>>;
    using FileNameSectionDict = std::map<std::string, std::vector<std::string>, std::less<>>;

    explicit MIBIndex(std::string bookName = "");
    // The index in an index file; an empty one (no name, no questions, no file map) when the file
    // is missing or is no JSON object. UTF-8 and UTF-16 with a byte-order mark are read.
    static std::shared_ptr<MIBIndex> initWithContentsOfFile(const std::filesystem::path& path);
    // The same from the file's text.
    static std::shared_ptr<MIBIndex> initWithText(std::string_view text);

    const std::string& bookName() const { return bookName_; }
    QuestionDict& questionDict() { return questionDict_; }
    const QuestionDict& questionDict() const { return questionDict_; }
    const std::optional<FileNameSectionDict>& fileNameSectionDict() const { return fileNameSectionDict_; }

    // Stores the question under its key, replacing one with the same key.
    void addQuestion(std::shared_ptr<MIBQuestion> question);

    // Each question takes the dictionary's history under its key (none when absent); an empty
    // dictionary changes nothing.
    void addHistoryFromHistoryDictionary(const HistoryDictionary& dictionary);
    // Writes the histories back: present ones stored under their keys, absent ones removed.
    void fillHistoryDictionary(HistoryDictionary& dictionary) const;
    void deleteHistory();

    // Counts of the questions of a page file (those whose key begins with "<book>_<section>" for
    // one of the file's sections), of a selection of keys and tags, of one key and of one tag.
    MIBStats statsForFileName(const std::string& fileName) const;
    MIBStats statsForKeys(const std::optional<std::vector<std::string>>& keys,
                          const std::optional<std::vector<std::string>>& tags) const;
    MIBStats statsForKey(const std::string& key) const;
    MIBStats statsForTag(const std::string& tag) const;

  private:
    std::string bookName_;
    QuestionDict questionDict_;
    std::optional<FileNameSectionDict> fileNameSectionDict_;
};

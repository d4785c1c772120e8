#pragma once
// Turns an unpacked e-book folder and the book's store record into an MEBook: the container names
// the package, the package gives the reading order and the table of contents, which titles the
// pages. The finished book is inserted into the caller's list on the main thread while the loader
// waits; the rest runs on the caller's thread and touches nothing shared.
//
// Paths the book supplies never lead outside its folder: a package outside it drops the book, a
// table of contents outside it is not read.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class MContainerReader;
class MContentReader;
class MEBook;
class MProductInfo;

class MEBookLoader {
  public:
    using List = std::vector<std::shared_ptr<MEBook>>;

    // The list is the repository's e-book list; it must outlive the loader.
    explicit MEBookLoader(List& list) : list_(list) {}

    // Position at which the finished book is inserted (clamped to the list's end); 0 by default.
    void setIndex(int index) { index_ = index; }
    int index() const { return index_; }

    // Builds the book and inserts it when it has a title; afterwards currentBook() is the inserted
    // book, or null when it was dropped.
    void loadData(const std::filesystem::path& folder, const MProductInfo& info);
    const std::shared_ptr<MEBook>& currentBook() const { return currentBook_; }
    // The folder that the book's page addresses are relative to.
    const std::filesystem::path& rootPath() const { return rootPath_; }

    void containerReaderFoundPath(MContainerReader& reader, const std::string& path);
    void contentReaderFoundToc(MContentReader& reader, const std::string& path);

    // A file of the book read whole; nothing when it is missing or lies outside the book folder.
    std::optional<std::string> readBookFile(const std::string& relativeToRoot) const;

  private:
    void insertEBook();

    List& list_;
    std::shared_ptr<MEBook> currentBook_;
    std::filesystem::path bookFolder_;
    std::filesystem::path rootPath_;
    int index_ = 0;
    bool leftFolder_ = false;
};

#pragma once
// Finds and reads the answer key of a book at set-up. A user's key file in the documents folder's
// "AnswerKeys" folder comes first (updates never touch it), then the one shipped in the resources'
// "AnswerKeys" folder; without either the book is its skeleton. A file that cannot be read or
// breaks a rule of the book is not used at all, and the log says why: the book then keeps its
// skeleton's rows, so the user's histories stay on their questions.

#include <filesystem>
#include <vector>

#include "Classes/errorlog/BookSkeleton.h"

class AnswerKeyLoader {
  public:
    static constexpr const char* kFolderName = "AnswerKeys";

    // The rows of every section of the book, in book and build order.
    static std::vector<std::vector<BookSkeleton::Row>> rowsForBook(const BookSkeleton& book);
    // The rows from one file, or nothing (logged) when it is missing, unreadable or breaks a rule.
    static std::optional<std::vector<std::vector<BookSkeleton::Row>>> rowsFromFile(
        const BookSkeleton& book, const std::filesystem::path& path);
    static std::filesystem::path userKeyPath(const BookSkeleton& book);
    static std::filesystem::path shippedKeyPath(const BookSkeleton& book);
};

#pragma once
// Answer-key files made up for tests: every row gets a page, a letter and tags that keep the
// book's structural rules (pages used and per page, passages, tag forms), from a fixed recipe. The
// values are not the printed books' and never leave the tests.

#include <filesystem>
#include <string>

#include "Classes/errorlog/BookSkeleton.h"

namespace errorlog_test {

// The key file's text. With unknownEvery n > 0, some values of every n rows are "?".
std::string syntheticKeyText(const BookSkeleton& book, int unknownEvery = 0, int letterShift = 0);

// Writes synthetic keys of every book into `folder` (an "AnswerKeys" folder).
void writeSyntheticKeys(const std::filesystem::path& folder, int unknownEvery = 0, int letterShift = 0);

}  // namespace errorlog_test

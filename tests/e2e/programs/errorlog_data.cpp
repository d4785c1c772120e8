// Prepares a data folder for the error log's browser test: a synthetic answer key (test data, not
// a book's key) for the first book only, and a companion explanation of that book's first problem
// solving question. Prints the key's letters of the first three problem solving questions, one
// line each ("1 B"), so the test can answer right and wrong on purpose.
// Usage: errorlog_data FOLDER

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/errorlog/BookSkeleton.h"
#include "Classes/errorlog/MBook.h"
#include "platform/foundation/Paths.h"
#include "tests/support/SyntheticAnswerKeys.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: errorlog_data FOLDER\n", stderr);
        return 2;
    }
    fnd::Paths::setDocuments(argv[1]);
    AbstractAppDelegate::registerClasses();

    const BookSkeleton& og12 = BookSkeleton::all()[0];
    fs::path keys = fs::path(argv[1]) / "AnswerKeys";
    fs::create_directories(keys);
    std::ofstream(keys / og12.keyFileName) << errorlog_test::syntheticKeyText(og12);

    fs::path parts = MRepository::companionExplanationHomePath();
    fs::create_directories(parts);
    std::ofstream(parts / "OG12_PS_001_PS_comp.html")
        << "<p>This page stands in for a companion explanation in the browser test of the error log.</p>\n"
           "<p>It is synthetic test data.</p>\n";

    auto book = MBook::initAsOG12();
    for (const auto& section : book->sections()) {
        if (section->shortName() != "PS") continue;
        for (int i = 0; i < 3; ++i) {
            const auto& question = section->questions()[std::size_t(i)];
            std::printf("%d %s\n", question->number(),
                        question->stringWithRightAnswer().value_or("?").c_str());
        }
    }
    return 0;
}

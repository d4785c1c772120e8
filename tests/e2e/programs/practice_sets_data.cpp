// Writes a practice file with a thousand custom sets of five questions each into a folder, for the
// browser test that drags the filter editor through them (test data for timing, never shipped).
// Usage: practice_sets_data FOLDER

#include <cstdio>
#include <fstream>
#include <string>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "Classes/practice/MQSetSimpleQuestion.h"
#include "platform/foundation/Paths.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: practice_sets_data FOLDER\n", stderr);
        return 2;
    }
    fnd::Paths::setDocuments(argv[1]);
    AbstractAppDelegate::registerClasses();
    constexpr int kSets = 1000, kQuestions = 5;

    auto practice = MPracticeRepository::makeWithData();
    for (int s = 0; s < kSets; ++s) {
        const std::string number = std::to_string(s + 1);
        auto set = MQSet::make(MPracticeRepository::kFirstCustomSetUID + s, "Timing set " + number,
                               "Test data for timing the filter editor", "Sets_myset.png", true);
        for (int q = 1; q <= kQuestions; ++q) {
            auto question = MQSetSimpleQuestion::make(set, q, 1 + q % 4, 1, {}, "<p>Timing question</p>",
                                                      {"1", "2", "3", "4", "5"}, "", std::nullopt);
            // Some answered right, some wrong, so that the bars have all three parts; fewer than the
            // 400 answers after which the home screen opens the feedback tool by itself.
            if (s % 10 == 0 && q <= s / 10 % 4)
                question->restoreHistory({std::make_shared<MQSetHRecord>(
                    fnd::Date::now(), 30, std::make_shared<MQSetSimpleAnswer>(q % 2 ? 1 : 2))});
            set->questions().push_back(question);
        }
        practice->customQSets().push_back(set);
    }
    practice->setPracticeCSLastUID(MPracticeRepository::kFirstCustomSetUID + kSets - 1);

    std::optional<fnd::Bytes> archive = practice->encodeForSave();
    std::ofstream out(MPracticeRepository::dataFilePath(), std::ios::binary);
    if (!archive || !out.write(reinterpret_cast<const char*>(archive->data()), archive->size())) {
        std::fprintf(stderr, "practice_sets_data: cannot write %s\n",
                     MPracticeRepository::dataFilePath().c_str());
        return 1;
    }
    std::printf("%d sets\n", kSets);
    return 0;
}

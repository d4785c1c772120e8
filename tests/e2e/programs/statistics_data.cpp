// Writes the practice file of seven weeks of study into a folder, for the browser tests that start
// the program on it: the answers of the statistics' study history (tests/support/
// StatisticsFixtures.h) given to the built-in questions of their types, up to now. The error log's
// books keep no answers: their right answers come from answer-key files a test folder lacks.
// Usage: statistics_data FOLDER

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "platform/foundation/Paths.h"
#include "tests/support/StatisticsFixtures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: statistics_data FOLDER\n", stderr);
        return 2;
    }
    fnd::Paths::setDocuments(argv[1]);
    AbstractAppDelegate::registerClasses();

    auto practice = MPracticeRepository::makeWithData();
    // The five-choice questions of each type, in set order; each answer goes to the next one.
    std::map<int, std::vector<std::shared_ptr<MQSetQuestion>>> questions;
    for (const auto& set : practice->qSets())
        for (const auto& question : set->questions())
            if (std::dynamic_pointer_cast<MQSetSimpleAnswer>(question->rightAnswer()))
                questions[question->questionType()].push_back(question);
    std::map<int, std::size_t> used;
    int written = 0;
    for (const auto& answer :
         statistics_test::studyHistory(fnd::Date::now().timeIntervalSinceReferenceDate())) {
        auto& ofType = questions[answer.type];
        if (ofType.empty()) continue;
        const auto& question = ofType[used[answer.type]++ % ofType.size()];
        const int right = std::static_pointer_cast<MQSetSimpleAnswer>(question->rightAnswer())->choice();
        MQSetQuestion::History history = question->history();
        history.push_back(std::make_shared<MQSetHRecord>(
            fnd::Date(answer.attempt.date), answer.attempt.time,
            std::make_shared<MQSetSimpleAnswer>(answer.right ? right : 1 + right % 5)));
        question->restoreHistory(std::move(history));
        ++written;
    }

    std::optional<fnd::Bytes> archive = practice->encodeForSave();
    std::ofstream out(MPracticeRepository::dataFilePath(), std::ios::binary);
    if (!archive || !out.write(reinterpret_cast<const char*>(archive->data()), archive->size())) {
        std::fprintf(stderr, "statistics_data: cannot write %s\n",
                     MPracticeRepository::dataFilePath().c_str());
        return 1;
    }
    std::printf("%d answers\n", written);
    return 0;
}

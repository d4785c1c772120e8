#include "tests/support/LargeUserData.h"

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "Classes/core/MRepository.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MHRecord.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/MSection.h"
#include "Classes/flashcards/MDeck.h"
#include "Classes/flashcards/MFlashcard.h"
#include "Classes/flashcards/MFlashcards.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "Classes/practice/MSessions.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/Paths.h"

namespace testing_support {

void writeStandInQuestionSets(const std::filesystem::path& folder) {
    const std::pair<const char*, int> builders[] = {{"MKnewtonSet", 103},
                                                    {"MManhattanORVASet", 77},
                                                    {"MPrincetonReviewSet", 202},
                                                    {"MManhattanReviewSet", 236},
                                                    {"MHardQuantSet", 111},
                                                    {"MHardQuantSet200", 200},
                                                    {"MKaplanSet", 63}};
    std::filesystem::create_directories(folder / "question_sets");
    for (auto [name, count] : builders) {
        std::ofstream out(folder / "question_sets" / (std::string(name) + ".json"));
        out << "{\"builder\": \"" << name << "\", \"records\": [";
        int first = std::string(name) == "MHardQuantSet200" ? 112 : 1;
        for (int i = 0; i < count; ++i) {
            out << (i ? "," : "") << "{\"number\": " << first + i << ", \"type\": " << 1 + i % 4
                << ", \"answer\": " << 1 + i % 5 << ", \"tags\": [\"Algebra\"], \"body\": \"<p>"
                << std::string(400, 'x') << "</p>\", \"options\": [\"1\", \"2\", \"3\", \"4\", \"5\"],"
                << " \"explanation\": \"<p>" << std::string(1200, 'y') << "</p>\"}";
        }
        out << "]}\n";
    }
}

void addPracticeRecords(MPracticeRepository& repository, int count) {
    std::shared_ptr<MSessions> sessions = repository.sessions();
    MQSetQuestion::setSessionsSource([sessions] { return sessions; });
    std::vector<std::shared_ptr<MQSetQuestion>> questions;
    for (const auto& set : repository.qSets())
        if (set->setUID() != MQSet::kForumSetUID)
            questions.insert(questions.end(), set->questions().begin(), set->questions().end());
    for (int i = 0; i < count; ++i) {
        if (i % 400 == 0) sessions->startSession();
        if (i % 400 == 25) sessions->stopSession();
        auto record = std::make_shared<MQSetHRecord>(fnd::Date(700000000.0 + i * 37.0), 20.0 + i % 180,
                                                     std::make_shared<MQSetSimpleAnswer>(1 + i % 5));
        questions[static_cast<std::size_t>(i) % questions.size()]->addHistoryRecord(record);
    }
    sessions->stopSession();
    MQSetQuestion::setSessionsSource(nullptr);
}

void addPracticeSessions(MPracticeRepository& repository, int sessions, int answers) {
    constexpr double kApart = 8 * 3600.0, kLastAge = 3600;
    std::shared_ptr<MSessions> list = repository.sessions();
    MQSetQuestion::setSessionsSource([list] { return list; });
    std::vector<std::shared_ptr<MQSetQuestion>> questions;
    for (const auto& set : repository.qSets())
        if (set->setUID() != MQSet::kForumSetUID)
            questions.insert(questions.end(), set->questions().begin(), set->questions().end());
    auto realClock = fnd::Clock::shared();
    auto clock =
        std::make_shared<fnd::ManualClock>(realClock->wallTime() - kLastAge - kApart * (sessions - 1));
    fnd::Clock::setShared(clock);
    std::size_t next = 0;
    for (int s = 0; s < sessions; ++s) {
        list->startSession();
        for (int a = 0; a < answers; ++a, next += 7) {
            auto record =
                std::make_shared<MQSetHRecord>(fnd::Date::now(), 15.0 + (s * 31 + a * 17) % 160,
                                               std::make_shared<MQSetSimpleAnswer>(1 + (s + a) % 5));
            questions[next % questions.size()]->addHistoryRecord(record);
        }
        list->stopSession();
        clock->advance(kApart);
    }
    fnd::Clock::setShared(realClock);
    MQSetQuestion::setSessionsSource(nullptr);
}

void addTrackerAttempts(MOGTrackerRepository& repository, int count) {
    std::vector<std::shared_ptr<MQuestion>> questions;
    for (const auto& book : repository.books())
        for (const auto& section : book->sections())
            questions.insert(questions.end(), section->questions().begin(), section->questions().end());
    double t = 700000000;
    for (int i = 0; i < count; ++i, t += 37) {
        int round = i / static_cast<int>(questions.size());
        questions[static_cast<std::size_t>(i) % questions.size()]->addHRecord(
            MHRecord::initWithDate(fnd::Date(t), 20 + (round * 13) % 150, 1 + round % 5, round % 4 == 0));
    }
    for (const auto& book : repository.books())
        for (const auto& section : book->sections()) section->syncInfo()->updated();
}

void addFlashcardShowings(MFlashcards& flashcards, int count) {
    std::vector<std::shared_ptr<MFlashcard>> cards;
    for (const auto& deck : flashcards.decks())
        cards.insert(cards.end(), deck->flashcards().begin(), deck->flashcards().end());
    if (cards.empty()) return;
    for (int i = 0; i < count; ++i)
        cards[static_cast<std::size_t>(i * 7) % cards.size()]->addHRecordWithSessionID(i / 20, i % 20);
}

namespace {

// The product's delegate, loading nothing by itself.
class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

}  // namespace

void writeLargeRepository() {
    AbstractAppDelegate::registerClasses();
    auto rep = MRepository::makeWithData();
    addPracticeRecords(*rep->practiceRep(), kLargePracticeRecords);
    addTrackerAttempts(*rep->trackerRep(), kLargeTrackerAttempts);
    addFlashcardShowings(*rep->flashcardsSet(), kLargeFlashcardShowings);
    auto writer = std::make_shared<StillDelegate>();
    writer->setLaunchDate(fnd::Date::now());
    writer->saveRepository(rep, AbstractAppDelegate::dataFilePath());
    writer->saveRepository(rep->practiceRep(), MPracticeRepository::dataFilePath());
    writer->saveRepository(rep->trackerRep(), MOGTrackerRepository::dataFilePath());
}

void writePracticeSessions(int sessions, int answers) {
    AbstractAppDelegate::registerClasses();
    auto rep = MRepository::makeWithData();
    addPracticeSessions(*rep->practiceRep(), sessions, answers);
    // So many answers would have the home screen open the feedback screen by itself.
    rep->setFeedbackOpenCounter(1);
    auto writer = std::make_shared<StillDelegate>();
    writer->setLaunchDate(fnd::Date::now());
    writer->saveRepository(rep, AbstractAppDelegate::dataFilePath());
    writer->saveRepository(rep->practiceRep(), MPracticeRepository::dataFilePath());
}

void writeLargeData(const std::filesystem::path& folder) {
    std::filesystem::path resources = std::filesystem::absolute(folder) / "resources";
    std::filesystem::create_directories(resources);
    for (const auto& entry : std::filesystem::directory_iterator(fnd::Paths::resources()))
        if (entry.path().filename() != "question_sets")
            std::filesystem::create_symlink(std::filesystem::absolute(entry.path()),
                                            resources / entry.path().filename());
    writeStandInQuestionSets(resources);
    fnd::Paths::setResources(resources);
    fnd::Paths::setDocuments(std::filesystem::absolute(folder) / "data");
    writeLargeRepository();
}

}  // namespace testing_support

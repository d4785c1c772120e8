// A process killed at any moment while it saves the user's data leaves every file of the
// repository whole: the version before the save or the one after it, never a mix or a torn file.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include "Classes/core/MRepository.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MHRecord.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/MSection.h"
#include "Classes/practice/MKeyWordsSet.h"
#include "Classes/practice/MPracticeRepository.h"
#include "tests/Classes/core/CoreTestEnvironment.h"

namespace fs = std::filesystem;

namespace {

// Long enough that a save takes a while and a kill often lands inside a write.
constexpr std::size_t kMarks = 20000;
constexpr std::int32_t kMarkedType = 3;

MSection& markedSection(const MOGTrackerRepository& tracker) { return *tracker.books()[0]->sections()[0]; }

// Every file gets the version all over: the central file in its options and tool order, the
// practice file in one keyword list, the tracker file as the number of attempts on each question
// of one section (one more per version).
void mark(MRepository& rep, int version) {
    rep.setBaseFontSize(version);
    rep.setToolButtonsOrder(std::vector<int>(kMarks, version));
    rep.keyWordsSet()->kws()[kMarkedType] =
        std::make_shared<MKeyWordsSet::KeyWords>(kMarks / 4, "v" + std::to_string(version));
    for (const auto& q : markedSection(*rep.trackerRep()).questions())
        q->addHRecord(MHRecord::initWithDate(fnd::Date(700000000.0 + version), 30, 1, false));
}

// The version each file holds; -1 when the file does not read or does not hold one version whole.
struct Versions {
    int central = -1;
    int practice = -1;
    int attempts = -1;
};

Versions readVersions() {
    Versions found;
    if (auto rep =
            AbstractAppDelegate::loadRepositoryOfClass<MRepository>(AbstractAppDelegate::dataFilePath())) {
        const auto& order = rep->toolButtonsOrder();
        if (order && order->size() == kMarks &&
            std::all_of(order->begin(), order->end(), [&](int v) { return v == rep->baseFontSize(); }))
            found.central = rep->baseFontSize();
    }
    if (auto practice = AbstractAppDelegate::loadRepositoryOfClass<MPracticeRepository>(
            MPracticeRepository::dataFilePath())) {
        auto words = practice->keyWordsSet()->keyWordsForQType(kMarkedType);
        if (words && words->size() == kMarks / 4 &&
            std::all_of(words->begin(), words->end(), [&](const auto& w) { return w == words->front(); }))
            found.practice = std::stoi(words->front().substr(1));
    }
    if (auto tracker = AbstractAppDelegate::loadRepositoryOfClass<MOGTrackerRepository>(
            MOGTrackerRepository::dataFilePath())) {
        auto count = [](const auto& q) { return q->history() ? static_cast<int>(q->history()->size()) : 0; };
        const auto& questions = markedSection(*tracker).questions();
        int first = count(questions.front());
        if (std::all_of(questions.begin(), questions.end(), [&](const auto& q) { return count(q) == first; }))
            found.attempts = first;
    }
    return found;
}

}  // namespace

class SaveKillTest : public core_test::CoreTestEnvironment {};

TEST_F(SaveKillTest, AKillDuringSavesLeavesEveryFileOldOrNewAndWhole) {
    AbstractAppDelegate::registerClasses();
    auto rep = MRepository::makeWithData();
    delegate->setRep(rep);
    delegate->setup();
    mark(*rep, 0);
    ASSERT_TRUE(delegate->save());
    rep->practiceRep()->save();
    rep->trackerRep()->save();
    Versions last = readVersions();
    ASSERT_EQ(last.central, 0);
    ASSERT_EQ(last.practice, 0);
    ASSERT_EQ(last.attempts, 1);

    int version = 0;
    for (int round = 0; round < 12; ++round) {
        // The child goes on from where the files are and saves until it is killed.
        // It tells the parent when its first round of saves is whole, so that every kill finds the
        // saves going on however slow the machine is.
        int start = version + 1;
        int saved[2];
        ASSERT_EQ(pipe(saved), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(saved[0]);
            for (int v = start;; ++v) {
                mark(*rep, v);
                delegate->save();
                rep->practiceRep()->save();
                rep->trackerRep()->save();
                if (v == start) {
                    char done = 1;
                    if (write(saved[1], &done, 1) != 1) _exit(1);
                }
            }
        }
        close(saved[1]);
        char done = 0;
        ASSERT_EQ(read(saved[0], &done, 1), 1);
        close(saved[0]);
        std::this_thread::sleep_for(std::chrono::microseconds((round * 7919) % 40000));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        Versions now = readVersions();
        ASSERT_GE(now.central, last.central) << "round " << round;
        ASSERT_GE(now.practice, last.practice) << "round " << round;
        ASSERT_GE(now.attempts, last.attempts) << "round " << round;
        last = now;
        version = std::max({now.central, now.practice, now.attempts - 1});
        // Keep the parent's data in step with the files, as a new start would read them.
        for (int v = rep->baseFontSize() + 1; v <= version; ++v) mark(*rep, v);
        // Nothing was set aside as unreadable, and reading the files cleared what the kill left.
        for (const auto& entry : fs::directory_iterator(documents)) {
            ASSERT_EQ(entry.path().filename().string().find(".bad-"), std::string::npos);
            ASSERT_EQ(entry.path().filename().string().find(".saving-"), std::string::npos);
        }
    }
    // The saves went on between the kills.
    EXPECT_GT(version, 0);
}

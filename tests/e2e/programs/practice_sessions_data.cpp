// Writes the data of a user who practised 2,000 sessions of 50 answers each (100,000 answers) into a
// folder, for the browser test that drags the review list through them (test data for timing,
// never shipped).
// Usage: practice_sessions_data FOLDER

#include <cstdio>

#include "platform/foundation/Log.h"
#include "platform/foundation/Paths.h"
#include "tests/support/LargeUserData.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: practice_sessions_data FOLDER\n", stderr);
        return 2;
    }
    constexpr int kSessions = 2000, kAnswers = 50;
    fnd::Log::setMinimumLevel(fnd::Log::Level::Warning);
    fnd::Paths::setDocuments(argv[1]);
    testing_support::writePracticeSessions(kSessions, kAnswers);
    std::printf("%d sessions of %d answers\n", kSessions, kAnswers);
    return 0;
}

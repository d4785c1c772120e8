// Writes a long-time user's data for the browser tests: DIR/resources (the program's resources with
// question sets of full size) and DIR/data (100,000 practice answers, 30,000 error-log attempts,
// 2,000 flashcard showings), for `orvakit --resources DIR/resources --data-dir DIR/data`.

#include <cstdio>

#include "platform/foundation/Log.h"
#include "tests/support/LargeUserData.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: core_large_data DIR\n", stderr);
        return 2;
    }
    fnd::Log::setMinimumLevel(fnd::Log::Level::Warning);
    testing_support::writeLargeData(argv[1]);
    return 0;
}

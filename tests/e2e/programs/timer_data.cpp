// Writes the central file of a user whose timer keeps many finished verbal sections of 41
// answers, for the browser test of a large backup. Usage: timer_data FOLDER SECTIONS
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/timer/MTimer.h"
#include "Classes/timer/MTimerRecord.h"
#include "Classes/timer/MTimerRecordSet.h"
#include "platform/foundation/Paths.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: timer_data FOLDER SECTIONS\n", stderr);
        return 2;
    }
    fnd::Paths::setDocuments(argv[1]);
    AbstractAppDelegate::registerClasses();
    auto rep = MRepository::makeWithData();
    rep->setDoNotShowTips(true);
    const int sections = std::atoi(argv[2]);
    const char* letters[] = {"A", "B", "C", "D", "E"};
    // A section a day, up to yesterday; answers 40 to 200 s apart.
    fnd::Date day = fnd::Date::now().addingTimeInterval(-86400.0 * sections);
    for (int s = 0; s < sections; ++s, day = day.addingTimeInterval(86400)) {
        auto r = MTimerRecord::makeVerbalType();
        r->setStatus(MTimerRecord::kFinished);
        fnd::Date at = day;
        r->dateStamps().push_back(at);
        for (int i = 0; i < 41; ++i) {
            at = at.addingTimeInterval(40 + (s * 7 + i * 13) % 160 + 0.001 * i);
            r->dateStamps().push_back(at);
            r->userAnswers().push_back(letters[(s + i) % 5]);
            r->guesses().push_back((s + i) % 4 == 0);
            r->grades().push_back(1 + (s + i) % 3);
        }
        rep->timer()->timerRecordSet()->addTimerRecord(r);
    }
    std::optional<fnd::Bytes> archive = AbstractAppDelegate::archiveRepository(fnd::ArchiveValue(rep));
    std::ofstream out(AbstractAppDelegate::dataFilePath(), std::ios::binary);
    if (!archive || !out.write(reinterpret_cast<const char*>(archive->data()), archive->size())) {
        std::fprintf(stderr, "timer_data: cannot write %s\n", AbstractAppDelegate::dataFilePath().c_str());
        return 1;
    }
    std::printf("%d sections\n", sections);
    return 0;
}

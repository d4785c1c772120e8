// Writes a practice file into a folder in which the only set that takes part in practice is an
// empty set of the person's own, "My Own", for the browser test of questions pasted into it.
// Usage: practice_own_set_data FOLDER

#include <cstdio>
#include <fstream>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/practice/CustomSets.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQSet.h"
#include "platform/foundation/Paths.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: practice_own_set_data FOLDER\n", stderr);
        return 2;
    }
    fnd::Paths::setDocuments(argv[1]);
    AbstractAppDelegate::registerClasses();
    auto practice = MPracticeRepository::makeWithData();
    for (const auto& set : practice->qSets()) set->setIsActive(false);
    auto own = CustomSets::create(*practice, "My Own", "Questions <b>I</b> wrote");
    if (!own) return 1;
    own->setIsActive(true);

    std::optional<fnd::Bytes> archive = practice->encodeForSave();
    std::ofstream out(MPracticeRepository::dataFilePath(), std::ios::binary);
    if (!archive || !out.write(reinterpret_cast<const char*>(archive->data()), archive->size())) {
        std::fprintf(stderr, "practice_own_set_data: cannot write %s\n",
                     MPracticeRepository::dataFilePath().c_str());
        return 1;
    }
    std::puts("written");
    return 0;
}

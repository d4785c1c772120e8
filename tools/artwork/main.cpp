// Draws the bundle's artwork and writes it as PNG files, each at scale 1 and 2.
//
//   orva_artwork [--out FOLDER] [--list] [--question-figures] [NAME...]
//
// Without names every picture is written; the folder defaults to the source tree's resources/images.
// With --question-figures the pictures are the question sets' figures instead, which are embedded in
// the sets' data files rather than shipped as images.

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "tools/artwork/ArtworkRegistry.h"
#include "tools/artwork/CloudArtwork.h"
#include "tools/artwork/ErrorLogArtwork.h"
#include "tools/artwork/FlashcardsArtwork.h"
#include "tools/artwork/FlashcardsToolArtwork.h"
#include "tools/artwork/ForumNewsArtwork.h"
#include "tools/artwork/GameArtwork.h"
#include "tools/artwork/HomeArtwork.h"
#include "tools/artwork/LibraryArtwork.h"
#include "tools/artwork/OverlayArtwork.h"
#include "tools/artwork/PracticeArtwork.h"
#include "tools/artwork/QuestionFigures.h"
#include "tools/artwork/ReferenceArtwork.h"
#include "tools/artwork/SettingsArtwork.h"
#include "tools/artwork/StatisticsArtwork.h"
#include "tools/artwork/StoreArtwork.h"
#include "tools/artwork/StudyAidsArtwork.h"
#include "tools/artwork/TimerArtwork.h"

int main(int argc, char** argv) {
    ArtworkRegistry registry;
    const bool figures = argc > 1 && std::strcmp(argv[1], "--question-figures") == 0;
    if (figures) {
        QuestionFigures::addTo(registry);
    } else {
        // One line per tool, in alphabetical order.
        CloudArtwork::addTo(registry);
        ErrorLogArtwork::addTo(registry);
        FlashcardsArtwork::addTo(registry);
        FlashcardsToolArtwork::addTo(registry);
        ForumNewsArtwork::addTo(registry);
        GameArtwork::addTo(registry);
        HomeArtwork::addTo(registry);
        LibraryArtwork::addTo(registry);
        OverlayArtwork::addTo(registry);
        PracticeArtwork::addTo(registry);
        ReferenceArtwork::addTo(registry);
        SettingsArtwork::addTo(registry);
        StatisticsArtwork::addTo(registry);
        StoreArtwork::addTo(registry);
        StudyAidsArtwork::addTo(registry);
        TimerArtwork::addTo(registry);
    }

    std::filesystem::path folder = std::filesystem::path(ORVA_SOURCE_RESOURCES) / "images";
    std::vector<std::string> names;
    bool list = false;
    for (int i = figures ? 2 : 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            folder = argv[++i];
        } else if (std::strcmp(argv[i], "--list") == 0) {
            list = true;
        } else if (argv[i][0] == '-') {
            std::cerr << "usage: " << argv[0] << " [--question-figures] [--out FOLDER] [--list] [NAME...]\n";
            return 2;
        } else {
            names.emplace_back(argv[i]);
        }
    }

    std::vector<const ArtworkRegistry::Drawing*> chosen;
    if (names.empty()) {
        for (const auto& drawing : registry.drawings()) chosen.push_back(&drawing);
    } else {
        for (const auto& name : names) {
            const ArtworkRegistry::Drawing* drawing = registry.find(name);
            if (!drawing) {
                std::cerr << "no picture named " << name << "\n";
                return 2;
            }
            chosen.push_back(drawing);
        }
    }

    if (list) {
        for (const auto* drawing : chosen)
            std::cout << drawing->name << " " << drawing->width << "x" << drawing->height << "\n";
        return 0;
    }
    bool ok = true;
    for (const auto* drawing : chosen) ok = registry.write(*drawing, folder, std::cout) && ok;
    return ok ? 0 : 1;
}

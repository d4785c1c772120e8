#include "Classes/flashcards/MIdiomsFC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/flashcards/MBuiltInDeckData.h"
#include "Classes/flashcards/MDeckStyle.h"
#include "Classes/flashcards/MDeckStyleSheets.h"
#include "Classes/flashcards/MFlashcard.h"
#include "platform/foundation/Log.h"
#include "platform/ui/Image.h"

MIdiomsFC::MIdiomsFC()
    : MDeck(kID, kBuiltInCreator, kBuiltInDate, kBuiltInDate, "Idioms",
            "ORVA Idioms manually picked by ORVA experts", {"ORVA", "Idiom"},
            ui::Image::named("fc_icon_idioms.png"), nullptr, true) {
    setupTheStyle();
    std::vector<std::string> problems;
    for (const auto& idiom : MBuiltInDeckData::idioms(&problems))
        addIdiomWithType(1, idiom.title, idiom.description, idiom.example);
    for (const auto& problem : problems) fnd::Log::error(problem);
}

std::shared_ptr<MDeckStyle> MIdiomsFC::setupTheStyle() {
    return useStyle(MDeckStyle::make(AbstractAppDelegate::isiPad(),
                                     {"flashcards_bg_idioms.png", "flashcards_bg_idioms_b.png",
                                      "fc_bg_idioms_iPad.png", "fc_bg_idioms_b_iPad.png"},
                                     MDeckStyleSheets::centredText(AbstractAppDelegate::isiPad())));
}

void MIdiomsFC::addIdiomWithType(int, const std::string& title, const std::optional<std::string>& description,
                                 const std::optional<std::string>& example, const std::vector<std::string>&,
                                 const std::optional<std::string>&, bool) {
    std::string face = "<div class='container'>  <div class=\"vcentered\">    <h1 class=\"hcentered\"> " +
                       title + " </h1>  </div></div>";
    std::string back = "<h2> " + title + " </h2>";
    if (description) back += "<p class = \"emphasized\"> " + *description + " </p>";
    if (example) back += "<p class = \"normal\"> " + *example + " </p>";
    flashcards().push_back(
        std::make_shared<MFlashcard>(counter_++, std::move(face), std::move(back), nullptr));
}

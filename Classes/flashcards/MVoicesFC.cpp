#include "Classes/flashcards/MVoicesFC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/flashcards/MBuiltInDeckData.h"
#include "Classes/flashcards/MDeckStyle.h"
#include "Classes/flashcards/MDeckStyleSheets.h"
#include "Classes/flashcards/MFlashcard.h"
#include "platform/foundation/Log.h"
#include "platform/ui/Image.h"

MVoicesFC::MVoicesFC()
    : MDeck(kID, kBuiltInCreator, kBuiltInDate, kBuiltInDate, "Voices",
            // The tips are the kit's own advice, so the description claims no authors' scores.
            "Voices: Useful tips for your ORVA preparation", {"Voices", "Tips"},
            ui::Image::named("fc_icon_vessark.png"), nullptr, true) {
    setupTheStyle();
    std::vector<std::string> problems;
    for (const auto& voice : MBuiltInDeckData::voices(&problems))
        addVoice(voice.categories, voice.cite, voice.nickName, voice.score, voice.school);
    for (const auto& problem : problems) fnd::Log::error(problem);
}

std::shared_ptr<MDeckStyle> MVoicesFC::setupTheStyle() {
    return useStyle(MDeckStyle::make(AbstractAppDelegate::isiPad(),
                                     {"flashcards_bg_voices.png", "flashcards_bg_voices.png",
                                      "fc_bg_voices_iPad.png", "fc_bg_voices_iPad.png"},
                                     MDeckStyleSheets::quotation(AbstractAppDelegate::isiPad())));
}

void MVoicesFC::addVoice(const std::vector<std::string>&, const std::string& cite,
                         const std::string& nickName, int orvaScore, const std::optional<std::string>&) {
    std::string score =
        orvaScore == -1 ? "" : "<p class=\"score\"> ORVA " + std::to_string(orvaScore) + " </p>";
    std::string face =
        "<div class=\"container1\">  <div class=\"vcentered\">    <div class=\"hcentered\">       "
        "<p class=\"citation\"> \"" +
        cite +
        "...\" </p>    </div>  </div></div><div class=\"container2\">  <div class=\"right\">    "
        "<p class=\"author\"> " +
        nickName + " </p>    " + score + "  </div></div>";
    flashcards().push_back(std::make_shared<MFlashcard>(counter_++, std::move(face), std::nullopt, nullptr));
}

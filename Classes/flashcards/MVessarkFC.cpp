#include "Classes/flashcards/MVessarkFC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/flashcards/MDeckStyle.h"
#include "Classes/flashcards/MDeckStyleSheets.h"
#include "Classes/flashcards/MVessarkFCCards.h"
#include "platform/ui/Image.h"

MVessarkFC::MVessarkFC()
    : MDeck(kID, kBuiltInCreator, kBuiltInDate, kBuiltInDate, "Vessark's Quant",
            "Formulas, rules and worked examples for the quantitative section", {"ORVA", "Vessark"},
            ui::Image::named("fc_icon_vessark.png"), nullptr, true) {
    setupTheStyle();
    MVessarkFCCards::fillDeck(*this);
}

std::shared_ptr<MDeckStyle> MVessarkFC::setupTheStyle() {
    return useStyle(MDeckStyle::make(AbstractAppDelegate::isiPad(), MDeckStyle::kUsualPictures,
                                     MDeckStyleSheets::quant(AbstractAppDelegate::isiPad())));
}

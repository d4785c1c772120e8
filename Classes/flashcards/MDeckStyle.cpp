#include "Classes/flashcards/MDeckStyle.h"

#include "platform/ui/Image.h"

MDeckStyle::MDeckStyle(ui::Size cardSize, Image cardFaceBg, Image cardBackBg, std::string css,
                       std::optional<std::string> backCSS, std::shared_ptr<ui::Label> styleLabel)
    : cardSize_(cardSize),
      cardFaceBg_(std::move(cardFaceBg)),
      cardBackBg_(std::move(cardBackBg)),
      css_(std::move(css)),
      css_back_(std::move(backCSS)),
      styleLbl_(std::move(styleLabel)) {}

std::shared_ptr<MDeckStyle> MDeckStyle::make(bool tablet, const Pictures& pictures, std::string css,
                                             std::optional<std::string> backCSS) {
    return std::make_shared<MDeckStyle>(cardSizeFor(tablet),
                                        ui::Image::named(tablet ? pictures.tabletFace : pictures.phoneFace),
                                        ui::Image::named(tablet ? pictures.tabletBack : pictures.phoneBack),
                                        std::move(css), std::move(backCSS));
}

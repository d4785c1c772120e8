#pragma once
// A deck's look: the size of the drawn card, the pictures behind its two sides and the style
// sheets of their texts.

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/ui/Size.h"

namespace ui {
class Image;
class Label;
}  // namespace ui

class MDeckStyle : public fnd::Object {
  public:
    using Image = std::shared_ptr<const ui::Image>;

    // No back sheet: the face's sheet serves both sides.
    MDeckStyle(ui::Size cardSize, Image cardFaceBg, Image cardBackBg, std::string css,
               std::optional<std::string> backCSS, std::shared_ptr<ui::Label> styleLabel = nullptr);

    // The look of a deck on this device (tablet or phone): the card size, the bundle pictures of
    // the device's kind, and the sheets.
    struct Pictures {
        const char* phoneFace;
        const char* phoneBack;
        const char* tabletFace;
        const char* tabletBack;
    };
    // The pictures of the user's and shared decks.
    static constexpr Pictures kUsualPictures = {
        "flashcards_bg_vessark_usual.png", "flashcards_bg_vessark_usual_b.png",
        "fc_bg_vessark_usual_iPad.png", "fc_bg_vessark_usual_b_iPad.png"};
    static std::shared_ptr<MDeckStyle> make(bool tablet, const Pictures& pictures, std::string css,
                                            std::optional<std::string> backCSS = std::nullopt);

    // The card size of every deck: 480 x 320 on the phone, 768 x 512 on the tablet.
    static ui::Size cardSizeFor(bool tablet) { return tablet ? ui::Size{768, 512} : ui::Size{480, 320}; }

    const std::string& faceCSS() const { return css_; }
    const std::string& backCSS() const { return css_back_ ? *css_back_ : css_; }

    ui::Size cardSize() const { return cardSize_; }
    const Image& cardFaceBg() const { return cardFaceBg_; }
    const Image& cardBackBg() const { return cardBackBg_; }
    const std::string& css() const { return css_; }
    const std::optional<std::string>& css_back() const { return css_back_; }
    const std::shared_ptr<ui::Label>& styleLbl() const { return styleLbl_; }

  private:
    ui::Size cardSize_;
    Image cardFaceBg_;
    Image cardBackBg_;
    std::string css_;
    std::optional<std::string> css_back_;
    std::shared_ptr<ui::Label> styleLbl_;
};

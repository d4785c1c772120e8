#include "Classes/game/MGameLevelView.h"

#include "platform/ui/Button.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Make.h"

void MGameLevelView::init(const ui::Rect& frame, double scale) {
    ui::View::init(frame);
    button_ = ui::Button::withType(ui::ButtonType::Custom);
    button_->setTag(kButtonTag);
    button_->setTitleColor(ui::Color::hsb(0.3, 0.5, 0.3, 1));
    button_->setTitleColor(ui::Color::hsb(0.15, 0.3, 1, 1), ui::StateHighlighted);
    button_->titleLabel()->setFont(ui::Font("MarkerFelt-Thin", 24 * scale));
    button_->setBackgroundImage(ui::Image::named("game_level_bg_locked.png"));
    auto bx = static_cast<double>(static_cast<int>((frame.width() - kButtonSide * scale) / 2));
    auto by = static_cast<double>(static_cast<int>((frame.height() - kContentHeight * scale) / 2));
    button_->setFrame({bx, by, kButtonSide * scale, kButtonSide * scale});
    addSubview(button_);
    const double starX[] = {10, 26, 42};
    for (int k = 0; k < 3; ++k) {
        auto star = ui::make<ui::ImageView>(ui::Image::named("game_star_empty.png"));
        star->setCenter({bx + starX[k] * scale, by + 59 * scale});
        star->setTransform(ui::AffineTransform::scale(scale));
        addSubview(star);
        stars_[k] = star;
    }
    setAutoresizingMask(ui::FlexibleLeftMargin | ui::FlexibleRightMargin | ui::FlexibleTopMargin |
                        ui::FlexibleBottomMargin);
}

void MGameLevelView::showStars(int semistars) {
    for (int k = 1; k <= 3; ++k) {
        const char* name = semistars >= 2 * k       ? "game_star_full.png"
                           : semistars == 2 * k - 1 ? "game_star_semi.png"
                                                    : "game_star_empty.png";
        stars_[k - 1]->setImage(ui::Image::named(name));
    }
}

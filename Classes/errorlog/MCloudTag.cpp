#include "Classes/errorlog/MCloudTag.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <cmath>

#include "platform/foundation/Locale.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"

std::string MCloudTag::upperCase(const std::string& text) {
    std::string out;
    icu::UnicodeString::fromUTF8(text)
        .toUpper(icu::Locale(fnd::Locale::current().identifier().c_str()))
        .toUTF8String(out);
    return out;
}

MCloudTag::MCloudTag(const std::string& text, float fontSize, ui::Point center, float alpha,
                     const ui::Color& color)
    : text_(upperCase(text)),
      fontSize_(fontSize),
      font_(ui::Font::boldSystem(fontSize)),
      center_(center),
      size_(text_.empty() ? ui::Size{0, 0} : font_.sizeOf(text_)),
      alpha_(alpha),
      color_(color) {
    tagLbl_ = ui::make<ui::Label>(
        ui::Rect{center_.x - size_.width / 2, center_.y - size_.height / 2, size_.width, size_.height});
    tagLbl_->setText(text_);
    tagLbl_->setFont(font_);
    tagLbl_->setTextColor(color_);
    tagLbl_->setTextAlignment(ui::TextAlignment::Center);
    tagLbl_->setBackgroundColor(ui::Color::white(1, 0));
    tagLbl_->setAlpha(alpha_);
    tagLbl_->setAutoresizingMask(kLabelMask);
}

void MCloudTag::updateView() {
    // std::round takes halves away from zero, as the whole-point edges want.
    double w = size_.width, h = size_.height;
    tagLbl_->setCenter({std::round(center_.x + w / 2) - w / 2, std::round(center_.y + h / 2) - h / 2});
    tagLbl_->setAlpha(alpha_);
}

#pragma once
// One word of a tag cloud: its upper-cased text, font, opacity and colour, the place the layout
// gives it (center, in the cloud view's coordinates) and the label that shows it. The layout moves
// center only; updateView then puts the label there, once, so an enclosing animation shows one
// glide per label.

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Point.h"
#include "platform/ui/Size.h"

namespace ui {
class Label;
}

class MCloudTag : public fnd::Object {
  public:
    // The label's margins all follow its superview (flexible left, right, top and bottom).
    static constexpr unsigned kLabelMask = 45;

    MCloudTag(const std::string& text, float fontSize, ui::Point center, float alpha, const ui::Color& color);

    // Moves the label so that its right and bottom edges fall on whole points, and gives it the
    // tag's opacity again.
    void updateView();

    const std::shared_ptr<ui::Label>& tagLbl() const { return tagLbl_; }
    void setTagLbl(std::shared_ptr<ui::Label> label) { tagLbl_ = std::move(label); }
    const std::string& text() const { return text_; }
    void setText(std::string text) { text_ = std::move(text); }
    float fontSize() const { return fontSize_; }
    float alpha() const { return alpha_; }
    const ui::Color& color() const { return color_; }
    ui::Point center() const { return center_; }
    void setCenter(ui::Point center) { center_ = center; }
    ui::Size size() const { return size_; }
    void setSize(ui::Size size) { size_ = size; }

    // The text in capitals, by the Unicode rules of the device's locale.
    static std::string upperCase(const std::string& text);

  private:
    std::shared_ptr<ui::Label> tagLbl_;
    std::string text_;
    float fontSize_;
    ui::Font font_;
    ui::Point center_;
    ui::Size size_;
    float alpha_;
    ui::Color color_;
};

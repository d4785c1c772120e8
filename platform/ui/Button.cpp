#include "platform/ui/Button.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/graphics/Context.h"
#include "platform/ui/Make.h"
#include "platform/ui/NibProperties.h"

namespace ui {

namespace {
const Color kRoundedTitle = Color::rgb(0.196, 0.310, 0.522);
const Color kRoundedHighlight = Color::rgb(0.02, 0.45, 0.96);
const Color kRoundedBorder = Color::white(0.6);
constexpr double kGlowSize = 44;

// White, strongest at the centre and fading to nothing at the rim.
std::shared_ptr<const Image> glowImage() {
    static const std::shared_ptr<const Image> image = [] {
        gfx::Context c(kGlowSize, kGlowSize, 2);
        double r = kGlowSize / 2;
        c.drawRadialGradient({{0, 1, 1, 1, 0.95}, {0.35, 1, 1, 1, 0.7}, {1, 1, 1, 1, 0}}, r, r, 0, r, r, r);
        return Image::fromPNG(c.pngData(), 2);
    }();
    return image;
}
}  // namespace

void Button::init(const Rect& frame) {
    Control::init(frame);
    image_ = make<ImageView>();
    image_->setContentMode(ContentMode::AspectFit);
    title_ = make<Label>();
    title_->setBackgroundColor(Color::clear());
    title_->setFont(Font::boldSystem(15));
    title_->setTextAlignment(TextAlignment::Center);
    addSubview(image_);
    addSubview(title_);
    titleColors_[StateNormal] = Color::whiteColor();
    refresh();
}

void Button::init(ButtonType type) {
    init(Rect{});
    applyType(type);
}

void Button::applyType(ButtonType type) {
    type_ = type;
    if (type == ButtonType::RoundedRect) {
        titleColors_[StateNormal] = kRoundedTitle;
        titleColors_[StateHighlighted] = Color::whiteColor();
        setCornerRadius(9);
        setBorderWidth(1);
        setBorderColor(kRoundedBorder);
        setClipsToBounds(true);
    }
    refresh();
}

std::shared_ptr<Button> Button::withType(ButtonType type) { return make<Button>(type); }

template <class T>
std::optional<T> Button::lookup(const std::map<unsigned, T>& values, unsigned state) {
    auto it = values.find(state);
    if (it == values.end()) it = values.find(StateNormal);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

void Button::setTitle(const std::string& title, unsigned state) {
    titles_[state] = title;
    refresh();
}

std::string Button::titleForState(unsigned state) const { return lookup(titles_, state).value_or(""); }

void Button::setTitleColor(const Color& color, unsigned state) {
    titleColors_[state] = color;
    refresh();
}

Color Button::titleColorForState(unsigned state) const {
    return lookup(titleColors_, state).value_or(Color::whiteColor());
}

void Button::setImage(std::shared_ptr<const Image> image, unsigned state) {
    if (image)
        images_[state] = std::move(image);
    else
        images_.erase(state);
    refresh();
}

std::shared_ptr<const Image> Button::imageForState(unsigned state) const {
    return lookup(images_, state).value_or(nullptr);
}

void Button::setBackgroundImage(std::shared_ptr<const Image> image, unsigned state) {
    if (image)
        backgrounds_[state] = std::move(image);
    else
        backgrounds_.erase(state);
    refresh();
}

std::shared_ptr<const Image> Button::backgroundImageForState(unsigned state) const {
    return lookup(backgrounds_, state).value_or(nullptr);
}

void Button::setAdjustsImageWhenHighlighted(bool on) {
    adjustsHighlighted_ = on;
    refresh();
}

void Button::setAdjustsImageWhenDisabled(bool on) {
    adjustsDisabled_ = on;
    refresh();
}

void Button::setShowsTouchWhenHighlighted(bool on) {
    showsTouch_ = on;
    if (on && !glow_) {
        glow_ = make<ImageView>(glowImage());
        glow_->setUserInteractionEnabled(false);
        addSubview(glow_);
    }
    refresh();
}

void Button::stateChanged() { refresh(); }

// A state with an image of its own shows it as it is.
ImageAdjustment Button::adjustmentFor(const std::map<unsigned, std::shared_ptr<const Image>>& images,
                                      unsigned state) const {
    if (images.contains(state)) return ImageAdjustment::None;
    if ((state & StateDisabled) && adjustsDisabled_) return ImageAdjustment::Paler;
    if ((state & StateHighlighted) && adjustsHighlighted_) return ImageAdjustment::Darker;
    return ImageAdjustment::None;
}

void Button::refresh() {
    if (!title_) return;  // still in init
    unsigned s = state();
    title_->setText(currentTitle());
    title_->setTextColor(currentTitleColor());
    image_->setImage(currentImage());
    View::setBackgroundImage(currentBackgroundImage());
    image_->setImageAdjustment(adjustmentFor(images_, s));
    setImageAdjustment(adjustmentFor(backgrounds_, s));
    if (glow_) glow_->setHidden(!showsTouch_ || !(s & StateHighlighted));
    if (type_ == ButtonType::RoundedRect)
        setBackgroundColor((s & StateHighlighted) ? kRoundedHighlight : Color::whiteColor());
    layoutSubviews();
}

void Button::layoutSubviews() {
    if (!title_) return;
    Size box = bounds().size;
    Size picture = image_->image() ? image_->image()->size() : Size{};
    picture.width = std::min(picture.width, box.width);
    picture.height = std::min(picture.height, box.height);
    std::string text = title_->text();
    double textWidth = text.empty() ? 0 : title_->font().widthOf(text);
    textWidth = std::min(textWidth, std::max(0.0, box.width - picture.width));
    double x = (box.width - picture.width - textWidth) / 2;
    image_->setFrame({x, (box.height - picture.height) / 2, picture.width, picture.height});
    if (glow_) glow_->setCenter({box.width / 2, box.height / 2});
    // With an image the title sits right beside it; alone it has the whole width to centre in.
    if (picture.width > 0)
        title_->setFrame({x + picture.width, 0, textWidth, box.height});
    else
        title_->setFrame({0, 0, box.width, box.height});
}

Size Button::sizeThatFits(Size) const {
    Size picture = image_->image() ? image_->image()->size() : Size{};
    std::string text = title_->text();
    double textWidth = text.empty() ? 0 : title_->font().widthOf(text);
    double height = std::max(picture.height, text.empty() ? 0 : title_->font().lineHeight());
    if (type_ == ButtonType::RoundedRect)
        return {textWidth + picture.width + 24, std::max(height + 12, 37.0)};
    return {textWidth + picture.width, height};
}

void Button::applyNibProperties(Button& button, NibProperties& p) {
    static constexpr std::array<std::pair<ButtonType, const char*>, 2> kTypes{{
        {ButtonType::Custom, "custom"},
        {ButtonType::RoundedRect, "roundedRect"},
    }};
    if (auto v = p.choice("buttonType", kTypes)) button.applyType(*v);
    if (auto v = p.font("font")) button.titleLabel()->setFont(*v);
    if (auto v = p.boolean("adjustsImageWhenHighlighted")) button.setAdjustsImageWhenHighlighted(*v);
    if (auto v = p.boolean("adjustsImageWhenDisabled")) button.setAdjustsImageWhenDisabled(*v);
    if (auto v = p.boolean("showsTouchWhenHighlighted")) button.setShowsTouchWhenHighlighted(*v);
    const std::pair<unsigned, std::string> states[] = {
        {StateNormal, ""}, {StateHighlighted, "highlighted"}, {StateSelected, "selected"}};
    for (const auto& entry : states) {
        const unsigned state = entry.first;
        const std::string& prefix = entry.second;
        // "title" for the normal state, "highlightedTitle" for the highlighted one.
        auto key = [&prefix](std::string name) {
            if (prefix.empty()) return name;
            name[0] = char(std::toupper(static_cast<unsigned char>(name[0])));
            return prefix + name;
        };
        if (auto v = p.string(key("title"))) button.setTitle(*v, state);
        if (auto v = p.color(key("titleColor"))) button.setTitleColor(*v, state);
        if (auto v = p.image(key("image"))) button.setImage(*v, state);
        if (auto v = p.image(key("backgroundImage"))) button.setBackgroundImage(*v, state);
    }
}

}  // namespace ui

#include "Classes/flashcards/CardView.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Animation.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Touch.h"
#include "platform/ui/ViewClassRegistry.h"
#include "platform/ui/WebView.h"

void CardView::registerViewClass() {
    ui::ViewClassRegistry::shared().registerClass<CardView>(kClassName, "View");
}

void CardView::init(const ui::Rect& frame) {
    View::init(frame);
    restFrame_ = {0, 0, 480, 320};
    state_ = kInactive;
}

std::shared_ptr<ui::ImageView> CardView::backgroundImageView() {
    return std::dynamic_pointer_cast<ui::ImageView>(viewWithTag(kBackgroundTag));
}
std::shared_ptr<ui::ImageView> CardView::foregroundImageView() {
    return std::dynamic_pointer_cast<ui::ImageView>(viewWithTag(kForegroundTag));
}
std::shared_ptr<ui::WebView> CardView::webView() {
    return std::dynamic_pointer_cast<ui::WebView>(viewWithTag(kWebViewTag));
}
std::shared_ptr<ui::Label> CardView::numberLbl() {
    return std::dynamic_pointer_cast<ui::Label>(viewWithTag(kNumberTag));
}

void CardView::prepareWebView(ui::WebView& web) {
    web.setUserInteractionEnabled(false);
    web.setBackgroundColor(ui::Color::clear());
    web.setInertContent(true);
}

namespace {

// A web view of the same frame, resizing and looks.
std::shared_ptr<ui::WebView> webLike(const ui::WebView& model) {
    auto web = ui::make<ui::WebView>(model.frame());
    web->setAutoresizingMask(model.autoresizingMask());
    web->setAlpha(model.alpha());
    web->setBackgroundColor(model.backgroundColor());
    web->setUserInteractionEnabled(model.isUserInteractionEnabled());
    web->setInertContent(model.inertContent());
    return web;
}

std::shared_ptr<ui::ImageView> imageLike(const ui::ImageView& model, int tag) {
    auto image = ui::make<ui::ImageView>(model.frame());
    image->setAutoresizingMask(model.autoresizingMask());
    image->setImage(model.image());
    image->setTag(tag);
    return image;
}

}  // namespace

void CardView::addBackWebView() {
    auto face = webView();
    if (!face || backWebView_) return;
    backWebView_ = webLike(*face);
    backWebView_->setHidden(true);
    insertSubviewAbove(backWebView_, face.get());
}

std::shared_ptr<CardView> CardView::copyOf(CardView& model) {
    auto card = ui::make<CardView>(model.frame());
    card->setAutoresizingMask(model.autoresizingMask());
    card->setBackgroundColor(model.backgroundColor());
    card->restFrame_ = model.restFrame_;
    if (auto background = model.backgroundImageView())
        card->addSubview(imageLike(*background, kBackgroundTag));
    if (auto foreground = model.foregroundImageView())
        card->addSubview(imageLike(*foreground, kForegroundTag));
    if (auto face = model.webView()) {
        auto web = webLike(*face);
        web->setTag(kWebViewTag);
        card->addSubview(web);
        card->addBackWebView();
    }
    if (auto number = model.numberLbl()) {
        auto label = ui::make<ui::Label>(number->frame());
        label->setTag(kNumberTag);
        label->setFont(number->font());
        label->setTextColor(number->textColor());
        label->setTextAlignment(number->textAlignment());
        label->setBackgroundColor(number->backgroundColor());
        label->setAlpha(number->alpha());
        card->addSubview(label);
    }
    return card;
}

void CardView::post(const char* name) {
    fnd::NotificationCenter::defaultCenter().post(name, sharedAs<CardView>());
}

void CardView::returnBackAnimation() {
    state_ = kAnimating;
    ui::Animation::begin("ReturnBack");
    ui::Animation::setDuration(kReturnDuration);
    ui::Animation::setCurve(ui::AnimationCurve::EaseOut);
    setFrame(restFrame_);
    ui::Animation::commit();
    std::weak_ptr<CardView> weak = sharedAs<CardView>();
    fnd::RunLoop::main().performAfterDelay(kReturnDuration, this, "returnBackEnded", [weak] {
        if (auto self = weak.lock()) self->state_ = kIdle;
    });
}

void CardView::touchesBegan(const ui::Touches& touches) {
    fingers_ += int(touches.size());
    if (state_ == kIdle && fingers_ == 1) {
        state_ = kTouched;
        fullMoveVector_ = firstMoveVector_ = lastMoveVector_ = {};
        isResolvedFirstMove_ = false;
    } else if (state_ == kHorizontal) {
        returnBackAnimation();
    } else if (state_ == kTouched || state_ == kVertical) {
        // A second finger: the swipe is not one.
        state_ = kIdle;
    }
}

void CardView::touchesMoved(const ui::Touches& touches) {
    if (state_ == kIdle || state_ == kInactive || state_ == kAnimating || touches.empty()) return;
    const ui::Touch& touch = *touches.front();
    const View* frame = superview().get();
    ui::Point now = touch.locationIn(frame);
    ui::Point before = touch.previousLocationIn(frame);
    lastMoveVector_ = {now.x - before.x, now.y - before.y};
    fullMoveVector_ = {fullMoveVector_.x + lastMoveVector_.x, fullMoveVector_.y + lastMoveVector_.y};
    auto square = [](double v) { return v * v; };
    if (!isResolvedFirstMove_ && square(fullMoveVector_.x) + square(fullMoveVector_.y) > kDecideLength2) {
        isResolvedFirstMove_ = true;
        firstMoveVector_ = fullMoveVector_;
    }
    if (state_ == kTouched && isResolvedFirstMove_)
        state_ = square(firstMoveVector_.y) > 3 * square(firstMoveVector_.x) ? kVertical : kHorizontal;
    if (state_ == kVertical) {
        if (square(fullMoveVector_.y) > kFlipLength2)
            post(kFlipRequestNotification);
        else if (square(fullMoveVector_.x) > 4 * square(fullMoveVector_.y))
            state_ = kHorizontal;
    }
    if (state_ == kHorizontal) {
        ui::Point c = center();
        setCenter({c.x + lastMoveVector_.x, c.y + lastMoveVector_.y});
    }
}

void CardView::touchesFinished() {
    if (state_ == kTouched || state_ == kVertical) {
        state_ = kIdle;
    } else if (state_ == kHorizontal) {
        double dx = frame().minX() - restFrame_.minX();
        if (dx * dx > kThrowLength2)
            post(dx > 0 ? kNextRightRequestNotification : kNextLeftRequestNotification);
        else
            returnBackAnimation();
    }
}

void CardView::touchesEnded(const ui::Touches& touches) {
    fingers_ = std::max(0, fingers_ - int(touches.size()));
    touchesFinished();
}

void CardView::touchesCancelled(const ui::Touches& touches) {
    fingers_ = std::max(0, fingers_ - int(touches.size()));
    touchesFinished();
}

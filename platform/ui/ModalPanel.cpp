#include "platform/ui/ModalPanel.h"

#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Make.h"

namespace ui {

namespace {
std::function<std::shared_ptr<View>()>& hostFunction() {
    static std::function<std::shared_ptr<View>()> h;
    return h;
}
}  // namespace

void ModalPanel::setHost(std::function<std::shared_ptr<View>()> h) { hostFunction() = std::move(h); }

std::string ModalPanel::buttonTitle(int index) const {
    auto b = button(index);
    return b ? b->titleForState(StateNormal) : std::string();
}

std::shared_ptr<Button> ModalPanel::button(int index) const {
    if (index < 0 || index >= numberOfButtons()) return nullptr;
    return buttons_[std::size_t(index)];
}

int ModalPanel::appendButton(const std::string& title) {
    auto button = make<Button>(Rect{});
    button->setTitle(title);
    int index = int(buttons_.size());
    std::weak_ptr<ModalPanel> weak = sharedAs<ModalPanel>();
    button->addAction(ControlEventTouchUpInside, [weak, index](auto&) {
        if (auto self = weak.lock()) self->clicked(index);
    });
    buttons_.push_back(button);
    addSubview(button);
    arrange();
    return index;
}

std::shared_ptr<View> ModalPanel::present(const std::string& what) {
    auto over = hostFunction() ? hostFunction()() : nullptr;
    if (!over) {
        fnd::Log::warning("panel: nowhere to show \"", what, "\"");
        return nullptr;
    }
    dimming_ = make<View>(over->bounds());
    dimming_->setBackgroundColor(Color::white(0, 0.4));
    dimming_->setAutoresizingMask(FlexibleWidth | FlexibleHeight);
    over->addSubview(dimming_);
    over->addSubview(sharedAs<View>());
    visible_ = true;
    keepAlive_ = sharedAs<ModalPanel>();
    return over;
}

void ModalPanel::clicked(int index) {
    std::shared_ptr<ModalPanel> keep = sharedAs<ModalPanel>();
    clickedButton(index);
    dismiss(index, true);
}

void ModalPanel::dismiss(int index, bool animated) {
    if (!visible_) return;
    visible_ = false;
    std::shared_ptr<ModalPanel> keep = std::move(keepAlive_);
    willDismiss(index);
    auto finish = [keep, index] {
        keep->removeFromSuperview();
        if (keep->dimming_) keep->dimming_->removeFromSuperview();
        keep->dimming_.reset();
        keep->didDismiss(index);
    };
    if (!animated) return finish();
    Animation::begin();
    Animation::setDuration(kDismissDuration);
    animateOut();
    if (dimming_) dimming_->setAlpha(0);
    Animation::commit();
    fnd::RunLoop::main().performAfterDelay(kDismissDuration, this, "dismiss", finish);
}

}  // namespace ui

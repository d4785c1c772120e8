#include "Classes/errorlog/AnswersVC.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Image.h"

const ui::ConnectionTable& AnswersVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("AnswersVC", &CommonViewController::classConnections())
            .action("guessClick:", &AnswersVC::guessClick)
            .action("answerClick:", &AnswersVC::answerClick);
    return table;
}

const ui::ConnectionTable& AnswersVC_iPad::classConnections() {
    static const ui::ConnectionTable table("AnswersVC_iPad", &AnswersVC::classConnections());
    return table;
}

void AnswersVC::registerOwners() {
    ui::ConnectionTable::registerOwner(AnswersVC::classConnections());
    ui::ConnectionTable::registerOwner(AnswersVC_iPad::classConnections());
}

void AnswersVC::viewDidLoad() {
    fguess_ = false;
    CommonViewController::viewDidLoad();
}

void AnswersVC::slideTo(double centreY) {
    auto host = homeView();
    auto view = this->view();
    ui::Animation::begin();
    ui::Animation::setDuration(animationDuration());
    ui::Animation::setCurve(ui::AnimationCurve::EaseIn);
    view->setCenter({host ? host->bounds().size.width / 2 : view->center().x, centreY});
    ui::Animation::commit();
}

void AnswersVC::animation() {
    auto view = this->view();
    auto host = homeView();
    if (!host) return;
    ui::Size size = host->bounds().size;
    host->addSubview(view);
    view->setFrame({0, size.height, size.width, kHeight});
    view->setCenter({size.width / 2, size.height + kHeight / 2});
    slideTo(size.height - kHeight / 2);
}

void AnswersVC::outAnimation() {
    if (auto host = homeView()) slideTo(host->bounds().size.height + kHeight / 2);
}

void AnswersVC::guessClick(const Sender& sender) {
    fguess_ = !fguess_;
    if (auto button = std::dynamic_pointer_cast<ui::Button>(sender))
        button->setImage(ui::Image::named(fguess_ ? kGuessActiveImage : kGuessInactiveImage));
}

void AnswersVC::answerClick(const Sender& sender) {
    auto button = std::dynamic_pointer_cast<ui::View>(sender);
    if (!button) return;
    int value = button->tag() + (fguess_ ? kGuessOffset : 0);
    fnd::NotificationCenter::defaultCenter().post(std::to_string(value), sharedAs<AnswersVC>());
}

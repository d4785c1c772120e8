#include "Classes/timer/TimerConfirmVC.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"

namespace {

// Where the question stands, beside the letter.
constexpr ui::Point kTextCentre{120, 31.5};
constexpr ui::Size kTextSize{180, 47};

}  // namespace

const ui::ConnectionTable& TimerConfirmVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("TimerConfirmVC", &CommonConfirmVC::classConnections())
            .outlet("guessBtn", &TimerConfirmVC::guessBtn_)
            .outlet("userAnswerLbl", &TimerConfirmVC::userAnswerLbl_)
            .action("keyboardClick:", &TimerConfirmVC::keyboardClick);
    return table;
}

void TimerConfirmVC::init(const std::string& text, const std::string& userAnswer) {
    userAnswer_ = userAnswer;
    CommonConfirmVC::init(text);
}

void TimerConfirmVC::viewDidLoad() {
    CommonConfirmVC::viewDidLoad();
    if (guessBtn_) {
        guessBtn_->setBackgroundImage(keyImage(kGuessKeyImage), ui::StateNormal);
        guessBtn_->setBackgroundImage(keyImage(kPressedKeyImage), ui::StateHighlighted);
    }
    if (const std::shared_ptr<ui::Label>& label = textLbl()) {
        label->setBounds({{0, 0}, kTextSize});
        label->setCenter(kTextCentre);
    }
    if (userAnswerLbl_) {
        userAnswerLbl_->setText(userAnswer_);
        userAnswerLbl_->setHidden(false);
    }
}

void TimerConfirmVC::keyboardClick(const Sender& sender) {
    auto key = std::dynamic_pointer_cast<ui::View>(sender);
    if (key && key->tag() == kGuessTag) {
        fnd::NotificationCenter::defaultCenter().post(kGuessNotification, sharedAs<fnd::Object>());
        return;
    }
    CommonConfirmVC::keyboardClick(sender);
}

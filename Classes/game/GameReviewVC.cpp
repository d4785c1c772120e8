#include "Classes/game/GameReviewVC.h"

#include <cstdio>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/game/GameBattleVC.h"
#include "Classes/game/GameVC.h"
#include "Classes/game/MGameQuestion.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/URL.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/WebView.h"

namespace {

const std::vector<std::shared_ptr<MGameQuestion>>& reviewList() {
    static const std::vector<std::shared_ptr<MGameQuestion>> none;
    auto rep = AbstractAppDelegate::sharedRep();
    return rep ? rep->gameReviewQuestions() : none;
}

}  // namespace

const ui::ConnectionTable& GameReviewVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("GameReviewVC", &GameViewController::classConnections())
            .outlet("webV", &GameReviewVC::webV_)
            .outlet("numberOfQuestionsLbl", &GameReviewVC::numberOfQuestionsLbl_)
            .outlet("correctAnswerLbl", &GameReviewVC::correctAnswerLbl_)
            .outlet("rightWrongLbl", &GameReviewVC::rightWrongLbl_)
            .outlet("userTimeLbl", &GameReviewVC::userTimeLbl_)
            .action("changeQuestion:", &GameReviewVC::changeQuestion)
            .action("doneClick:", &GameReviewVC::doneClick);
    return table;
}

const ui::ConnectionTable& GameReviewVC_iPad::classConnections() {
    static const ui::ConnectionTable table("GameReviewVC_iPad", &GameReviewVC::classConnections());
    return table;
}

void GameReviewVC::viewDidLoad() {
    GameViewController::viewDidLoad();
    webV_->setBackgroundColor(ui::Color::clear());
    nQuestion_ = 0;
    if (!reviewList().empty()) showQuestion(reviewList().front());
}

void GameReviewVC::showQuestion(const std::shared_ptr<MGameQuestion>& question) {
    webV_->loadHTMLString(
        GameBattleVC::questionPage(questionFontSize(), question->body(),
                                   "p.answer {text-align: left; margin: 5px; margin-top:10px;}"),
        fnd::URL());
    const auto& options = question->answerOptions();
    int right = question->rightAnswer();
    bool known = right >= 0 && right < static_cast<int>(options.size());
    correctAnswerLbl_->setText("Correct Answer: " +
                               (known ? options[static_cast<std::size_t>(right)] : std::string()));
    auto ad = AbstractAppDelegate::shared();
    if (question->userAnswer() == right) {
        rightWrongLbl_->setText("OK");
        if (ad) rightWrongLbl_->setTextColor(ad->darkColor());
    } else {
        rightWrongLbl_->setText(question->userTime() == question->totalTime() ? "time" : "X");
        rightWrongLbl_->setTextColor(ui::Color::hsb(0, 0.8, 0.6, 1));
    }
    char time[32];
    std::snprintf(time, sizeof time, "%2.1fs", question->userTime());
    userTimeLbl_->setText(time);
    numberOfQuestionsLbl_->setText(std::to_string(nQuestion_ + 1) + "/" +
                                   std::to_string(reviewList().size()));
}

void GameReviewVC::changeQuestion(const Sender& sender) {
    auto key = std::dynamic_pointer_cast<ui::View>(sender);
    int tag = key ? key->tag() : 0;
    if (tag == kBackTag) --nQuestion_;
    if (tag == kForwardTag) ++nQuestion_;
    const auto& list = reviewList();
    if (nQuestion_ < 0) nQuestion_ = static_cast<int>(list.size()) - 1;
    if (nQuestion_ >= static_cast<int>(list.size())) nQuestion_ = 0;
    if (!list.empty()) showQuestion(list[static_cast<std::size_t>(nQuestion_)]);
}

void GameReviewVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(GameVC::kReviewDoneNotification, sharedAs<GameReviewVC>());
}

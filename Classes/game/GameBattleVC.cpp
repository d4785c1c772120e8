#include "Classes/game/GameBattleVC.h"

#include <algorithm>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/game/GameResultsVC.h"
#include "Classes/game/GameVC.h"
#include "Classes/game/MGameLevel.h"
#include "Classes/game/MGameQuestion.h"
#include "Classes/game/MGameTopic.h"
#include "Classes/game/MGameTopics.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/URL.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/WebView.h"

namespace {

constexpr int kGameTestType = 1;
constexpr const char* kGenerateQuestion = "generateQuestion";

}  // namespace

const ui::ConnectionTable& GameBattleVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("GameBattleVC", &GameViewController::classConnections())
            .outlet("webV", &GameBattleVC::webV_)
            .outlet("o0Btn", &GameBattleVC::o0Btn_)
            .outlet("o1Btn", &GameBattleVC::o1Btn_)
            .outlet("o2Btn", &GameBattleVC::o2Btn_)
            .outlet("o3Btn", &GameBattleVC::o3Btn_)
            .outlet("timerV", &GameBattleVC::timerV_)
            .outlet("life1IV", &GameBattleVC::life1IV_)
            .outlet("life2IV", &GameBattleVC::life2IV_)
            .outlet("life3IV", &GameBattleVC::life3IV_)
            .outlet("levelNameLbl", &GameBattleVC::levelNameLbl_)
            .outlet("scoreLbl", &GameBattleVC::scoreLbl_)
            .outlet("numberOfQuestionsLbl", &GameBattleVC::numberOfQuestionsLbl_)
            .action("submitAnswer:", &GameBattleVC::submitAnswer)
            .action("doneClick:", &GameBattleVC::doneClick);
    return table;
}

const ui::ConnectionTable& GameBattleVC_iPad::classConnections() {
    static const ui::ConnectionTable table("GameBattleVC_iPad", &GameBattleVC::classConnections());
    return table;
}

std::string GameBattleVC::questionPage(int fontSize, const std::string& body, const std::string& extraRule) {
    std::string page =
        " <!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
        "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">"
        "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title></title>"
        "<meta name=\"viewport\" content=\"width=260; initial-scale=1.0; maximum-scale=1.0; "
        "user-scalable=0;\" />"
        "</head><style type='text/css'>\n"
        "body {font-size: " +
        std::to_string(fontSize) +
        "pt; font-family: Marker Felt; margin: 0px; padding: 0px; color: #000000; "
        "background-color:transparent;}\n"
        "body {-webkit-user-select:none;}p {text-align: center; margin: 5px;}" +
        extraRule +
        "#sc_underline {text-decoration: underline;}tr.unknownA {background-color: #FFFFFF;}"
        "tr.rightA {background-color: #A8E8A0;}tr.wrongA {background-color: #FFC0C0;}"
        "table {margin: 5px; border-spacing: 0px 1px; border-collapse: collapse;}"
        "table tr td {padding-bottom: 15px; vertical-align: top}"
        "table.mathbox {margin: 1px; padding: 2px; border:1px; position:relative;}"
        "table.mathbox tr td {padding: 2px; vertical-align: middle}"
        ".upperline {border-top: 1px solid #000000;}img.mathtex {vertical-align: middle; padding: "
        "2px;}</style>"
        "<body>" +
        body + "</body></html>";
    return page;
}

void GameBattleVC::init(std::shared_ptr<MGameLevel> level) {
    level_ = std::move(level);
    initWithNibName(nibIdentifier());
    animation();
}

double GameBattleVC::now() { return fnd::RunLoop::main().now(); }

std::vector<std::shared_ptr<MGameLevel>> GameBattleVC::topicLevels() const {
    auto tool = mVCAs<GameVC>();
    if (tool && tool->currentTopic()) return tool->currentTopic()->levels();
    return {};
}

int GameBattleVC::levelIndex() const {
    auto levels = topicLevels();
    auto it = std::find(levels.begin(), levels.end(), level_);
    return it == levels.end() ? -1 : static_cast<int>(it - levels.begin());
}

std::vector<std::shared_ptr<MGameQuestion>>* GameBattleVC::reviewList() const {
    auto rep = AbstractAppDelegate::sharedRep();
    return rep ? &rep->gameReviewQuestions() : nullptr;
}

std::shared_ptr<ui::Button> GameBattleVC::optionButton(int index) const {
    return index >= 0 && index < 4 ? optionButtons()[static_cast<std::size_t>(index)] : nullptr;
}

void GameBattleVC::viewDidLoad() {
    GameViewController::viewDidLoad();
    webV_->setBackgroundColor(ui::Color::clear());
    auto tool = mVCAs<GameVC>();
    if (tool && tool->metaQuestionCollection() && tool->currentTopic())
        metaQuestions_ =
            tool->metaQuestionCollection()->metaQuestionCollectionWithTag(tool->currentTopic()->name());
    battle_.setNumberOfQuestions(level_ ? level_->numberOfQuestions() : 0);
    battle_.restart();
    start();
}

void GameBattleVC::start() {
    levelNameLbl_->setText("Level " + std::to_string(levelIndex() + 1));
    generateQuestion();
    update();
}

void GameBattleVC::generateQuestion() {
    if (!battle_.hasQuestionLeft()) {
        // The level is completed: the next one opens.
        auto levels = topicLevels();
        int index = levelIndex();
        if (index >= 0 && index + 1 < static_cast<int>(levels.size()))
            levels[static_cast<std::size_t>(index) + 1]->setIsLocked(false);
        openResults();
        return;
    }
    int k = battle_.startNextQuestion();
    int target = MGameMetaQuestionCollection::targetLevel(level_->startTestLevel(), level_->endTestLevel(),
                                                          level_->numberOfQuestions(), k);
    auto tool = mVCAs<GameVC>();
    auto question = tool && tool->metaQuestionCollection()
                        ? tool->metaQuestionCollection()->generateQuestion(metaQuestions_, target)
                        : nullptr;
    if (!question) {
        // No generator of the topic serves the score: the level cannot be played. The screen leaves
        // as its leave key does, once its opener is listening (this may run while it is made).
        fnd::Log::error("no maths-game question for the target score ", target);
        std::weak_ptr<GameBattleVC> weak = sharedAs<GameBattleVC>();
        fnd::RunLoop::main().post([weak] {
            if (auto self = weak.lock()) self->doneClick(nullptr);
        });
        return;
    }
    battle_.showQuestion(question, now());
    for (const auto& button : optionButtons()) button->setTitleColor(ui::Color::whiteColor());
    showQuestion(question);
}

void GameBattleVC::showQuestion(const std::shared_ptr<MGameQuestion>& question) {
    webV_->loadHTMLString(questionPage(questionFontSize(), question->body()), fnd::URL());
    const auto& options = question->answerOptions();
    auto buttons = optionButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setTitle(i < options.size() ? options[i] : kUnusedOption);
}

void GameBattleVC::update() {
    if (resultsVC_) resultsVC_->update();
    auto* review = reviewList();
    MGameBattle::ReviewList scratch;
    double t = now();
    switch (battle_.tick(t, review ? *review : scratch)) {
        case MGameBattle::Tick::Ended: {
            std::weak_ptr<GameBattleVC> weak = sharedAs<GameBattleVC>();
            fnd::RunLoop::main().performAfterDelay(kNextQuestionDelay, notificationId(this),
                                                   kGenerateQuestion, [weak] {
                                                       if (auto self = weak.lock()) self->generateQuestion();
                                                   });
            break;
        }
        case MGameBattle::Tick::Lost:
            openResults();
            break;
        default:
            break;
    }
    if (battle_.question() && !battle_.isExpired() && !battle_.playerAnswered()) {
        // The bar shrinks toward its fixed lower edge, from white to orange.
        ui::Rect full = timerFrame();
        double left = std::max(0.0, battle_.timeLeftFraction(t));
        double height = full.height() * left;
        timerV_->setFrame({full.origin.x, full.origin.y + full.height() - height, full.width(), height});
        timerV_->setBackgroundColor(ui::Color::hsb(0.1 + 0.15 * left, 1 - left, 1, 1));
    }
    life3IV_->setHidden(battle_.nlifes() < 3);
    life2IV_->setHidden(battle_.nlifes() < 2);
    life1IV_->setHidden(battle_.nlifes() < 1);
    numberOfQuestionsLbl_->setText(std::to_string(battle_.nQuestion()) + "/" +
                                   std::to_string(battle_.numberOfQuestions()));
    scoreLbl_->setText(std::to_string(battle_.score()));
}

void GameBattleVC::submitAnswer(const Sender& sender) {
    auto button = std::dynamic_pointer_cast<ui::Button>(sender);
    auto* review = reviewList();
    MGameBattle::ReviewList scratch;
    if (!button || !battle_.submitAnswer(button->tag(), button->titleForState(ui::StateNormal), now(),
                                         review ? *review : scratch))
        return;
    auto ad = AbstractAppDelegate::shared();
    ui::Color light = ad ? ad->lightColor() : ui::Color::whiteColor();
    for (const auto& option : optionButtons()) option->setTitleColor(ui::Color::white(1, 0.3));
    button->setTitleColor(battle_.playerAnswerRight() ? light : ui::Color::orangeColor());
    if (auto right = optionButton(battle_.question()->rightAnswer())) right->setTitleColor(light);
}

void GameBattleVC::openResults() {
    if (!canOpenSubview()) return;
    resultsVC_ = ui::make<GameResultsVC>(level_, battle_.finalScore());
    registerMainChildDoneHandler(&GameBattleVC::resultsNotifications, std::nullopt, resultsVC_);
}

void GameBattleVC::resultsNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, resultsVC_)) return;
    resultsVC_.reset();
    if (notification.name == GameResultsVC::kLevelsNotification) {
        doneClick(nullptr);
        return;
    }
    if (notification.name == GameResultsVC::kNextNotification) {
        auto levels = topicLevels();
        int index = levelIndex();
        if (index >= 0 && index + 1 < static_cast<int>(levels.size()))
            level_ = levels[static_cast<std::size_t>(index) + 1];
        battle_.setNumberOfQuestions(level_->numberOfQuestions());
    }
    battle_.restart();
    start();
}

void GameBattleVC::doneClick(const Sender&) {
    battle_.setScore(0);
    fnd::NotificationCenter::defaultCenter().post(kBattleDoneNotification, sharedAs<GameBattleVC>());
}

void GameBattleVC::close() {
    if (resultsVC_) resultsVC_->close();
    resultsVC_.reset();
    setMainChild(nullptr);
    GameViewController::close();
}

// The maths game's screens on the manual clock: the tool and its clock, the topic list, the level
// grid, a level played through its ticks and taps, the results and the review. The questions come
// from a generator of the test's that asks what target score it was given.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "Classes/core/MRepository.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/game/GameBattleVC.h"
#include "Classes/game/GameLevelVC.h"
#include "Classes/game/GameMathVC.h"
#include "Classes/game/GameResultsVC.h"
#include "Classes/game/GameReviewVC.h"
#include "Classes/game/GameVC.h"
#include "Classes/game/MGameLevel.h"
#include "Classes/game/MGameLevelView.h"
#include "Classes/game/MGameMetaQuestion.h"
#include "Classes/game/MGameMetaQuestionCollection.h"
#include "Classes/game/MGameQuestion.h"
#include "Classes/game/MGameTestLabel.h"
#include "Classes/game/MGameTopic.h"
#include "Classes/game/MGameTopics.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Timer.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"
#include "tests/Classes/game/ScriptedDraws.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using testing_support::findByOutlet;

// Asks "What is N?" for target score N, with the options N, 1, 2 and "-": the right one first.
class EchoGenerator : public MGameMetaQuestion {
  public:
    EchoGenerator() : MGameMetaQuestion(0, 2000, {"Percents"}, 1, 10) {}
    std::shared_ptr<MGameQuestion> generateForTestType(int, int level) override {
        levels.push_back(level);
        return std::make_shared<MGameQuestion>(
            testLabels().front()->tags(), "What is " + std::to_string(level) + "?",
            Strings{std::to_string(level), "1", "2", "-"}, 0, readTime(), totalTime());
    }
    std::vector<int> levels;
};

class StillDelegate : public TovridaAppDelegate {
  protected:
    void startLoading() override {}
};

class GameScreensTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        open(ui::Idiom::Phone);
    }
    void TearDown() override {
        if (tool && tool->isShown()) tool->close();
        ScreenTestEnvironment::TearDown();
    }

    // The game tool on a fresh repository, its generator the test's echo.
    void open(ui::Idiom idiom) {
        if (tool && tool->isShown()) tool->close();
        auto delegate = std::make_shared<StillDelegate>();
        launch(idiom, delegate);
        AbstractAppDelegate::registerClasses();
        rep = std::make_shared<MRepository>();
        rep->setGameTopicsSet(std::make_shared<MGameTopics>());
        delegate->setRep(rep);
        tool = idiom == ui::Idiom::Phone ? ui::make<GameVC>() : ui::make<GameVC_iPad>();
        echo = std::make_shared<EchoGenerator>();
        auto collection = std::make_shared<MGameMetaQuestionCollection>(game_test::seededRandom(1));
        collection->setMetaQuestions({echo});
        tool->setMetaQuestionCollection(collection);
        runFor(1);
    }
    std::shared_ptr<MGameTopic> percents() const { return rep->gameTopicsSet()->topics()[1]; }

    // The topic list, then the grid of "Percents", then its level.
    void openTopic() {
        tool->openLevel(nullptr);
        runFor(0.5);
        auto list = tool->mathVC();
        auto cell = list->topicsTV()->cellForRow({0, 1});
        list->openLevel(cell->viewWithTag(GameMathVC::kNameTag));
        runFor(0.5);
    }
    std::shared_ptr<GameBattleVC> play(int levelNumber) {
        auto grid = tool->mathVC()->levelVC();
        grid->openBattle(grid->levelViews()[static_cast<std::size_t>(levelNumber - 1)]->button());
        runFor(0.05);
        return grid->battleVC();
    }
    static std::string text(const fnd::Object& owner, const std::string& outlet) {
        return std::dynamic_pointer_cast<ui::Label>(findByOutlet(owner, outlet))->text();
    }
    static void answer(GameBattleVC& battle, int option) { battle.submitAnswer(battle.optionButton(option)); }
    // Answers every question right at once until the results show.
    void answerAllRight(const std::shared_ptr<GameBattleVC>& battle) {
        while (!battle->resultsVC()) {
            answer(*battle, 0);
            for (int i = 0; i < 42 && !battle->resultsVC(); ++i) runFor(0.05);
        }
    }

    std::shared_ptr<MRepository> rep;
    std::shared_ptr<GameVC> tool;
    std::shared_ptr<EchoGenerator> echo;
};

TEST_F(GameScreensTest, TheClockDrivesTheOpenChainAndStopsWithTheTool) {
    ASSERT_TRUE(tool->displayLink() && tool->displayLink()->isValid());
    EXPECT_FALSE(tool->reviewBtn()->isEnabled());  // nothing played yet
    EXPECT_EQ(tool->reviewBtn()->currentTitleColor(), ui::Color::white(0.6));
    EXPECT_EQ(GameViewController::gameScreen(), tool);
    openTopic();
    auto battle = play(1);
    ASSERT_TRUE(battle);
    auto bar = battle->timerV();
    runFor(5);  // half the question's time: the clock drained half the bar
    EXPECT_NEAR(bar->frame().size.height, 90, 1.5);
    EXPECT_NEAR(bar->frame().origin.y, 33 + 90, 1.5);

    std::weak_ptr<GameVC> weak = tool;
    std::weak_ptr<GameMathVC> wm = tool->mathVC();
    std::weak_ptr<GameLevelVC> wl = tool->mathVC()->levelVC();
    std::weak_ptr<GameBattleVC> wb = battle;
    auto link = tool->displayLink();
    tool->doneClick(nullptr);
    tool->back();
    runFor(1);
    tool.reset();
    battle.reset();
    // Leaving a tool hands the home screen's statistics to a thread, which holds the tool a moment.
    runUntil([&] { return weak.expired(); }, 5);
    EXPECT_FALSE(link->isValid());
    EXPECT_TRUE(weak.expired()) << "the clock keeps the tool alive";
    EXPECT_TRUE(wm.expired() && wl.expired() && wb.expired()) << "an open game screen outlives the tool";
}

TEST_F(GameScreensTest, TopicRowsShowScoreAndGainAndTheGridItsLevels) {
    percents()->levels()[0]->setHighScore(2300);  // a gain since the list was last closed
    tool->openLevel(nullptr);
    runFor(0.5);
    auto list = tool->mathVC();
    EXPECT_TRUE(tool->buttonsView()->isHidden());
    auto row = list->topicsTV()->cellForRow({0, 1});
    auto name = std::dynamic_pointer_cast<ui::Button>(row->viewWithTag(GameMathVC::kNameTag));
    EXPECT_EQ(name->titleForState(ui::StateNormal), "Percents");
    std::string score = std::dynamic_pointer_cast<ui::Label>(row->viewWithTag(GameMathVC::kScoreTag))->text();
    EXPECT_EQ(score, std::to_string(percents()->score()));
    EXPECT_EQ(std::dynamic_pointer_cast<ui::Label>(row->viewWithTag(GameMathVC::kGainTag))->text(),
              "+" + score);
    EXPECT_EQ(
        std::dynamic_pointer_cast<ui::Label>(list->topicsTV()->cellForRow({0, 0})->viewWithTag(3))->text(),
        "");
    EXPECT_EQ(list->topicsTV()->rowHeight(), 80);

    list->openLevel(name);
    runFor(0.5);
    auto grid = list->levelVC();
    ASSERT_TRUE(grid);
    EXPECT_EQ(tool->currentTopic(), percents());
    EXPECT_EQ(text(*grid, "topicName"), "Percents");
    ASSERT_EQ(grid->levelViews().size(), 10u);
    // 480 x 320: cells 80 wide and 80 high, the first half a cell in; level 6 opens row 1.
    EXPECT_EQ(grid->firstLevelFrame(), ui::Rect(40, 40, 80, 80));
    EXPECT_EQ(grid->levelViews()[5]->frame(), ui::Rect(40, 120, 80, 80));
    EXPECT_EQ(grid->levelViews()[4]->frame(), ui::Rect(360, 40, 80, 80));
    auto first = grid->levelViews()[0]->button();
    EXPECT_EQ(first->titleForState(ui::StateNormal), "1");
    EXPECT_EQ(first->tag(), 1);
    EXPECT_EQ(first->frame(), ui::Rect(14, 10, 51, 51));
    // 2300 of 2700 is five half stars.
    EXPECT_EQ(grid->levelViews()[0]->star(2)->image()->name(), "game_star_full.png");
    EXPECT_EQ(grid->levelViews()[0]->star(3)->image()->name(), "game_star_semi.png");
    auto locked = grid->levelViews()[1];
    EXPECT_EQ(locked->button()->titleForState(ui::StateNormal), "");
    EXPECT_TRUE(locked->star(1)->isHidden());
    testing_support::tap(*locked->button());  // a locked level does nothing
    runFor(0.1);
    EXPECT_FALSE(grid->battleVC());

    // Closing the list takes the scores as the new start.
    grid->doneClick(nullptr);
    runFor(0.5);
    EXPECT_FALSE(list->levelVC());
    EXPECT_FALSE(list->view()->isHidden());
    list->doneClick(nullptr);
    runFor(0.5);
    EXPECT_EQ(percents()->startScore(), percents()->score());
    EXPECT_FALSE(tool->buttonsView()->isHidden());
    EXPECT_FALSE(tool->reviewBtn()->isEnabled());
}

TEST_F(GameScreensTest, ALevelClimbsItsTargetsScoresAnswersAndTimeoutsAndUnlocksTheNext) {
    openTopic();
    auto battle = play(1);
    ASSERT_TRUE(battle);
    EXPECT_EQ(text(*battle, "levelNameLbl"), "Level 1");
    EXPECT_EQ(text(*battle, "numberOfQuestionsLbl"), "1/12");

    // A right answer within the read time earns 200; the labels show it at the next tick.
    answer(*battle, 0);
    answer(*battle, 1);  // a second tap does nothing
    EXPECT_EQ(battle->battle().score(), 200);
    runFor(1);
    EXPECT_EQ(text(*battle, "scoreLbl"), "200");
    answer(*battle, 0);  // in the pause
    EXPECT_EQ(battle->battle().score(), 200);
    EXPECT_EQ(rep->gameReviewQuestions().size(), 1u);
    runFor(1.1);
    EXPECT_EQ(text(*battle, "numberOfQuestionsLbl"), "2/12");

    // A right answer at a third of the way from read time to total time earns 166; "-" is no answer.
    answer(*battle, 3);
    runFor(battle->battle().questionStart() + 4 - loop->now());
    answer(*battle, 0);
    EXPECT_EQ(battle->battle().score(), 366);
    runFor(2.1);

    // A question tapped only on "-" runs out: one life, one review entry with the whole time.
    answer(*battle, 3);
    runFor(10.1);
    EXPECT_EQ(battle->battle().nlifes(), 2);
    EXPECT_TRUE(findByOutlet(*battle, "life3IV")->isHidden());
    EXPECT_FALSE(findByOutlet(*battle, "life2IV")->isHidden());
    ASSERT_EQ(rep->gameReviewQuestions().size(), 3u);
    EXPECT_EQ(rep->gameReviewQuestions()[0]->userTime(), 10);
    EXPECT_EQ(rep->gameReviewQuestions()[0]->userAnswer(), -1);
    runFor(2.1);

    // A wrong answer costs a life, too.
    answer(*battle, 1);
    EXPECT_EQ(battle->battle().nlifes(), 1);
    runFor(2.1);
    answerAllRight(battle);
    EXPECT_EQ(echo->levels, (std::vector<int>{430, 439, 448, 457, 466, 475, 484, 493, 502, 511, 520, 530}));
    // The results came two seconds after the last question ended, with 100 a life left.
    auto results = battle->resultsVC();
    EXPECT_EQ(results->score(), battle->battle().score() + 100);
    EXPECT_FALSE(percents()->levels()[1]->isLocked());
    EXPECT_TRUE(percents()->levels()[2]->isLocked());
    // The best is kept as the results show; the screen compares with the old one.
    EXPECT_EQ(percents()->levels()[0]->highScore(), results->score());
    EXPECT_EQ(results->previousBest(), 0);

    // Next: a fresh run of level 2.
    results->doneClick(findByOutlet(*results, "nextBtn"));
    runFor(0.5);
    EXPECT_FALSE(battle->resultsVC());
    EXPECT_EQ(text(*battle, "levelNameLbl"), "Level 2");
    EXPECT_EQ(battle->battle().nlifes(), 3);
    EXPECT_EQ(battle->battle().score(), 0);
    EXPECT_EQ(echo->levels.back(), percents()->levels()[1]->startTestLevel());
}

TEST_F(GameScreensTest, ALostRunScoresNothingAndOpensNoLevel) {
    openTopic();
    auto battle = play(1);
    for (int i = 0; i < 3; ++i) {
        answer(*battle, 2);
        runFor(i < 2 ? 2.1 : 0.05);
    }
    auto results = battle->resultsVC();
    ASSERT_TRUE(results);  // at once, no pause
    EXPECT_TRUE(results->isFailed());
    EXPECT_EQ(text(*results, "completeFailedLbl"), "Level failed!");
    EXPECT_TRUE(findByOutlet(*results, "nextBtn")->isHidden());
    EXPECT_TRUE(findByOutlet(*results, "scoreLbl")->isHidden());
    EXPECT_EQ(findByOutlet(*results, "levelsBtn")->center(), ui::Point(240, 319.5));
    EXPECT_EQ(findByOutlet(*results, "restartBtn")->center(), ui::Point(340, 319.5));
    EXPECT_TRUE(percents()->levels()[1]->isLocked());

    // Again: a fresh run of the same level.
    results->doneClick(findByOutlet(*results, "restartBtn"));
    runFor(0.5);
    EXPECT_EQ(battle->battle().nlifes(), 3);
    EXPECT_EQ(text(*battle, "numberOfQuestionsLbl"), "1/12");
    // Leaving in the pause: the pending question never comes.
    answer(*battle, 0);
    runFor(0.1);
    battle->doneClick(nullptr);
    runFor(3);
    EXPECT_FALSE(tool->mathVC()->levelVC()->battleVC());
    EXPECT_EQ(battle->battle().nQuestion(), 1);
    EXPECT_FALSE(tool->mathVC()->levelVC()->view()->isHidden());

    // Another sender's notification closes nothing; the list's own does, and the played questions
    // switch the review key on.
    auto list = tool->mathVC();
    fnd::NotificationCenter::defaultCenter().post(GameVC::kMathDoneNotification, ui::make<ui::View>());
    list->levelVC()->doneClick(nullptr);
    runFor(0.5);
    EXPECT_TRUE(tool->mathVC());
    list->doneClick(nullptr);
    runFor(0.5);
    EXPECT_FALSE(tool->mathVC());
    EXPECT_TRUE(tool->reviewBtn()->isEnabled());
}

TEST_F(GameScreensTest, TheLastLevelOpensNothingAndOffersNoNextLevel) {
    for (const auto& level : percents()->levels()) level->setIsLocked(false);
    openTopic();
    auto battle = play(10);
    answerAllRight(battle);
    auto results = battle->resultsVC();
    ASSERT_TRUE(results);
    EXPECT_FALSE(results->isFailed());
    EXPECT_TRUE(findByOutlet(*results, "nextBtn")->isHidden());
    EXPECT_EQ(findByOutlet(*results, "levelsBtn")->center(), ui::Point(240, 319.5));
    EXPECT_EQ(echo->levels.back(), percents()->levels()[9]->endTestLevel());
    // Back to the grid, which shows the new stars.
    results->doneClick(findByOutlet(*results, "levelsBtn"));
    runFor(0.5);
    auto grid = tool->mathVC()->levelVC();
    EXPECT_FALSE(grid->battleVC());
    EXPECT_EQ(grid->levelViews()[9]->star(3)->image()->name(), "game_star_full.png");
}

TEST_F(GameScreensTest, TheResultsCountUpThenShowHalfStarsAndTheBadgeOfANewBest) {
    openTopic();
    percents()->levels()[0]->setHighScore(1000);
    auto battle = play(1);
    answerAllRight(battle);
    auto results = battle->resultsVC();
    int score = results->score();  // 12 x 200 + 300 = 2700: five seconds to count
    ASSERT_EQ(score, 2700);
    ASSERT_EQ(GameResultsVC::countUpSeconds(score), 5);
    EXPECT_EQ(GameResultsVC::countUpSeconds(1499), 2);
    auto star = [&](int k) {
        return std::dynamic_pointer_cast<ui::ImageView>(
            findByOutlet(*results, "star" + std::to_string(k) + "IV"));
    };
    runFor(3.2);  // 1728 of 2700 counted: three half stars, of which one whole star shows
    int shown = std::stoi(text(*results, "scoreLbl"));
    EXPECT_NEAR(shown, 1728, 30);
    EXPECT_FALSE(star(1)->isHidden());
    EXPECT_TRUE(star(2)->isHidden());
    EXPECT_TRUE(findByOutlet(*results, "highscoreIV")->isHidden());
    runFor(2.3);
    EXPECT_EQ(text(*results, "scoreLbl"), "2700");
    EXPECT_EQ(star(3)->image()->name(), "game_bigstar_full.png");
    EXPECT_FALSE(findByOutlet(*results, "highscoreIV")->isHidden());
    EXPECT_TRUE(findByOutlet(*results, "bestScoreLbl")->isHidden());

    // The same score again is no new best: "Best" shows instead of the badge.
    results->doneClick(findByOutlet(*results, "restartBtn"));
    runFor(0.5);
    answerAllRight(battle);
    runFor(6);
    EXPECT_EQ(text(*battle->resultsVC(), "bestScoreLbl"), "Best: 2700");
    EXPECT_FALSE(findByOutlet(*battle->resultsVC(), "bestScoreLbl")->isHidden());
    EXPECT_TRUE(findByOutlet(*battle->resultsVC(), "highscoreIV")->isHidden());
}

TEST_F(GameScreensTest, TheReviewShowsEachQuestionsOutcomeAndPagesRound) {
    auto question = [](int right, int user, double time) {
        auto q = std::make_shared<MGameQuestion>(MGameQuestion::Strings{}, "<p>Q</p>",
                                                 MGameQuestion::Strings{"a", "b", "c", "d"}, right, 1, 10);
        q->setUserAnswer(user);
        q->setUserTime(time);
        return q;
    };
    auto& list = rep->gameReviewQuestions();
    list = {question(0, 0, 1.25), question(1, 2, 3), question(7, 0, 1), question(2, -1, 10)};
    for (int i = 0; i < 40; ++i) list.push_back(question(0, 0, 1));
    tool->openReview(nullptr);
    runFor(0.5);
    EXPECT_EQ(list.size(), 25u);  // the 25 newest whole questions are kept
    EXPECT_EQ(list[2]->rightAnswer(), 2);
    auto review = tool->reviewVC();
    EXPECT_EQ(text(*review, "numberOfQuestionsLbl"), "1/25");
    EXPECT_EQ(text(*review, "correctAnswerLbl"), "Correct Answer: a");
    EXPECT_EQ(text(*review, "rightWrongLbl"), "OK");
    EXPECT_EQ(text(*review, "userTimeLbl"), "1.2s");
    auto page = [&](int tag) {
        auto key = ui::make<ui::View>();
        key->setTag(tag);
        review->changeQuestion(key);
    };
    page(1);
    EXPECT_EQ(text(*review, "rightWrongLbl"), "X");
    page(1);
    EXPECT_EQ(text(*review, "rightWrongLbl"), "time");
    EXPECT_EQ(text(*review, "userTimeLbl"), "10.0s");
    for (int i = 0; i < 3; ++i) page(-1);
    EXPECT_EQ(text(*review, "numberOfQuestionsLbl"), "25/25");
    page(1);
    EXPECT_EQ(text(*review, "numberOfQuestionsLbl"), "1/25");

    review->doneClick(nullptr);
    runFor(0.5);
    EXPECT_FALSE(tool->reviewVC());
    EXPECT_FALSE(tool->buttonsView()->isHidden());
}

TEST_F(GameScreensTest, EveryTopicRowShowsWholeWithItsTitleUncut) {
    for (ui::Idiom idiom : {ui::Idiom::Phone, ui::Idiom::Tablet}) {
        SCOPED_TRACE(int(idiom));
        open(idiom);
        tool->openLevel(nullptr);
        runFor(0.5);
        auto table = tool->mathVC()->topicsTV();
        const int rows = static_cast<int>(rep->gameTopicsSet()->topics().size());
        // Every row lies within the list's height, so the last is not cut at the bottom.
        EXPECT_LE(rows * table->rowHeight(), table->bounds().height());
        for (int row = 0; row < rows; ++row) {
            auto name = std::dynamic_pointer_cast<ui::Button>(
                table->cellForRow({0, row})->viewWithTag(GameMathVC::kNameTag));
            ASSERT_TRUE(name);
            const auto& title = name->titleLabel();
            std::string text = name->titleForState(ui::StateNormal);
            EXPECT_LE(title->font().widthOf(text) + 2 * 6, name->bounds().width()) << text;
        }
    }
}

// The WCAG contrast ratio of two opaque colours.
double contrast(const ui::Color& a, const ui::Color& b) {
    auto luminance = [](const ui::Color& c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.red) + 0.7152 * channel(c.green) + 0.0722 * channel(c.blue);
    };
    double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour a label is read against: the topmost opaque view drawn before it under its middle,
// else its screen's background.
ui::Color backgroundUnder(const ui::View& label, const ui::View& screen) {
    ui::Point middle = label.superview()->convertTo(label.center(), &screen);
    ui::Color found = screen.backgroundColor();
    std::function<bool(const ui::View&)> walk = [&](const ui::View& view) {
        for (const auto& sub : view.subviews()) {
            if (sub.get() == &label) return true;
            ui::Rect r = view.convertTo(sub->frame(), &screen);
            if (!sub->isHidden() && r.contains(middle) && sub->backgroundColor().alpha > 0.9)
                found = sub->backgroundColor();
            if (walk(*sub)) return true;
        }
        return false;
    };
    walk(screen);
    return found;
}

TEST_F(GameScreensTest, TheReviewsOutcomeAnswerAndTimeReadClearlyOnTheBoard) {
    for (ui::Idiom idiom : {ui::Idiom::Phone, ui::Idiom::Tablet}) {
        SCOPED_TRACE(int(idiom));
        open(idiom);
        auto& list = rep->gameReviewQuestions();
        list.clear();
        for (auto [user, time] : {std::pair{0, 1.0}, std::pair{2, 3.0}, std::pair{-1, 10.0}}) {
            auto q = std::make_shared<MGameQuestion>(MGameQuestion::Strings{}, "<p>Q</p>",
                                                     MGameQuestion::Strings{"a", "b", "c", "d"}, 0, 1, 10);
            q->setUserAnswer(user);
            q->setUserTime(time);
            list.push_back(q);
        }
        tool->openReview(nullptr);
        runFor(0.5);
        auto review = tool->reviewVC();
        auto next = ui::make<ui::View>();
        next->setTag(1);
        for (const char* outcome : {"OK", "X", "time"}) {
            for (const char* outlet : {"rightWrongLbl", "correctAnswerLbl", "userTimeLbl"}) {
                auto label = std::dynamic_pointer_cast<ui::Label>(findByOutlet(*review, outlet));
                ui::Color back = backgroundUnder(*label, *review->view());
                EXPECT_GE(contrast(label->textColor(), back), 4.5) << outcome << " " << outlet;
            }
            EXPECT_EQ(text(*review, "rightWrongLbl"), outcome);
            review->changeQuestion(next);
        }
        review->doneClick(nullptr);
        runFor(0.5);
    }
}

TEST_F(GameScreensTest, OnTheTabletTheResultsPanelIsScaledToTheScreenAndStaysOnIt) {
    open(ui::Idiom::Tablet);
    openTopic();
    auto battle = play(1);
    answerAllRight(battle);
    auto results = battle->resultsVC();
    ASSERT_TRUE(results);
    auto screen = results->view();
    ui::Rect bounds = screen->bounds();
    // Just shown, and after the count and the new best's wobble.
    for (double later : {0.0, 12.0}) {
        runFor(later);
        for (const char* outlet : {"levelsBtn", "restartBtn", "nextBtn", "scoreLbl", "star1IV", "star3IV"}) {
            auto part = findByOutlet(*results, outlet);
            ui::Rect r = part->superview()->convertTo(part->frame(), screen.get());
            EXPECT_NEAR(r.width(), GameResultsVC::kTabletScale * part->bounds().width(), 1e-6) << outlet;
            EXPECT_TRUE(bounds.contains(r.origin) && r.maxX() <= bounds.maxX() && r.maxY() <= bounds.maxY())
                << outlet;
        }
    }
}

// The panel holds its title and the keys it shows, opaque, in the middle of the screen; after a
// failed run it closes round the title and the two keys.
TEST_F(GameScreensTest, TheResultsPanelHoldsItsTitleAndKeysOpaqueInTheMiddleOfTheScreen) {
    for (ui::Idiom idiom : {ui::Idiom::Phone, ui::Idiom::Tablet}) {
        for (bool failed : {true, false}) {
            SCOPED_TRACE(std::to_string(int(idiom)) + (failed ? " failed" : " completed"));
            open(idiom);
            openTopic();
            auto battle = play(1);
            if (failed) {
                for (int i = 0; i < 3; ++i) {
                    answer(*battle, 2);
                    runFor(i < 2 ? 2.1 : 0.05);
                }
            } else {
                answerAllRight(battle);
            }
            auto results = battle->resultsVC();
            ASSERT_TRUE(results);
            runFor(12);  // the count and the wobble are over
            auto screen = results->view();
            auto inScreen = [&](const ui::View& v) {
                return v.superview()->convertTo(v.frame(), screen.get());
            };
            // The panel is the backdrop of the base, behind everything it holds.
            auto panel = findByOutlet(*results, "baseView")->subviews().front();
            ui::Rect box = inScreen(*panel);
            EXPECT_EQ(panel->backgroundColor().alpha, 1);
            EXPECT_NEAR(box.midX(), screen->bounds().midX(), 1);
            EXPECT_NEAR(box.midY(), screen->bounds().midY(), 1);
            for (const char* outlet : {"completeFailedLbl", "levelsBtn", "restartBtn", "nextBtn"}) {
                auto part = findByOutlet(*results, outlet);
                if (part->isHidden()) continue;
                ui::Rect r = inScreen(*part);
                EXPECT_TRUE(box.contains(r.origin) && r.maxX() <= box.maxX() && r.maxY() <= box.maxY())
                    << outlet;
            }
            if (failed) {
                ui::Rect title = inScreen(*findByOutlet(*results, "completeFailedLbl"));
                ui::Rect keys = inScreen(*findByOutlet(*results, "levelsBtn"));
                EXPECT_LT(box.height(), 1.5 * (keys.maxY() - title.minY())) << "an empty panel";
            }
            tool->close();
        }
    }
}

// The tablet's play screen is the phone's scaled up to the screen: the page spans most of the
// screen's width, every answer key is at least one and a half times the phone's in each direction,
// the timer bar stands right beside the page along its height, and the whole board shows upright
// and turned.
TEST_F(GameScreensTest, OnTheTabletThePlayScreenIsScaledToTheScreen) {
    openTopic();
    auto phone = play(1);
    const ui::Size phoneKey = phone->optionButton(0)->bounds().size;
    open(ui::Idiom::Tablet);
    openTopic();
    auto battle = play(1);
    auto screen = battle->view();
    auto inScreen = [&](const ui::View& v) { return v.superview()->convertTo(v.frame(), screen.get()); };
    for (auto orientation : {ui::DeviceOrientation::Portrait, ui::DeviceOrientation::LandscapeLeft}) {
        SCOPED_TRACE(int(orientation));
        application().deviceDidRotate(orientation);
        runFor(1);
        const ui::Rect bounds = screen->bounds();
        auto onScreen = [&](const ui::Rect& r) {
            return bounds.contains(r.origin) && r.maxX() <= bounds.maxX() && r.maxY() <= bounds.maxY();
        };
        ui::Rect page = inScreen(*findByOutlet(*battle, "webV"));
        EXPECT_GE(page.width(), 0.85 * std::min(bounds.width(), 768.0));
        EXPECT_TRUE(onScreen(page));
        for (int k = 0; k < 4; ++k) {
            ui::Rect key = inScreen(*battle->optionButton(k));
            EXPECT_GE(key.width(), 1.5 * phoneKey.width) << k;
            EXPECT_GE(key.height(), 1.5 * phoneKey.height) << k;
            EXPECT_TRUE(onScreen(key)) << k;
            EXPECT_FALSE(key.intersects(page)) << k;
        }
        ui::Rect bar = battle->timerV()->superview()->convertTo(battle->timerFrame(), screen.get());
        EXPECT_GE(bar.minX(), page.maxX());
        EXPECT_LE(bar.minX(), page.maxX() + 12);
        EXPECT_NEAR(bar.minY(), page.minY(), 4);
        EXPECT_NEAR(bar.maxY(), page.maxY(), 4);
        EXPECT_TRUE(onScreen(inScreen(*findByOutlet(*battle, "levelNameLbl"))));
    }
}

TEST_F(GameScreensTest, OnTheTabletKeysAreLargerAndRowsTaller) {
    open(ui::Idiom::Tablet);
    openTopic();
    auto list = tool->mathVC();
    EXPECT_TRUE(std::dynamic_pointer_cast<GameMathVC_iPad>(list));
    EXPECT_EQ(list->topicsTV()->rowHeight(), 100);
    auto grid = list->levelVC();
    ASSERT_TRUE(std::dynamic_pointer_cast<GameLevelVC_iPad>(grid));
    ui::Rect bounds = grid->view()->bounds();
    EXPECT_EQ(grid->firstLevelFrame(), ui::Rect(bounds.size.width / 12, bounds.size.height / 8,
                                                bounds.size.width / 6, bounds.size.height / 4));
    EXPECT_EQ(grid->levelViews()[0]->button()->frame().size.width, 51 * 1.5);
    auto battle = play(1);
    ASSERT_TRUE(std::dynamic_pointer_cast<GameBattleVC_iPad>(battle));
    ui::Rect bar = battle->timerV()->frame();
    EXPECT_EQ(bar.origin.x, 524);
    EXPECT_NEAR(bar.origin.y + bar.size.height, 8 + 257, 1e-9);  // the lower edge stays
    EXPECT_NEAR(bar.size.height, 257, 3);
}

}  // namespace

namespace {

TEST(GameBattleTest, PointsFallFromTheReadTimeToTheTotalTime) {
    MGameBattle run(12);
    run.showQuestion(std::make_shared<MGameQuestion>(MGameQuestion::Strings{}, "",
                                                     MGameQuestion::Strings{"1", "2", "3", "4"}, 0, 1, 10),
                     0);
    const std::pair<double, int> table[] = {{0, 200}, {1, 200}, {4, 166}, {5.5, 150}, {10, 100}, {12, 100}};
    for (const auto& [elapsed, points] : table) EXPECT_EQ(run.pointsForAnswerAt(elapsed), points) << elapsed;
    // A question whose two times are equal gives the full points up to them.
    run.showQuestion(std::make_shared<MGameQuestion>(MGameQuestion::Strings{}, "",
                                                     MGameQuestion::Strings{"1", "2", "3", "4"}, 0, 5, 5),
                     0);
    EXPECT_EQ(run.pointsForAnswerAt(5), 200);
    EXPECT_EQ(run.finalScore(), 300);  // three lives, no points yet
}

TEST(GameBattleTest, TheScoreAddsTheFractionalPointsBeforeTruncating) {
    // 200 points stand; a right answer 4.060000836849213 s in earns 165.99999 points in single
    // precision, which lift the sum to 366 where truncating them first would give 365.
    MGameBattle run(12);
    MGameBattle::ReviewList review;
    run.setScore(200);
    run.showQuestion(std::make_shared<MGameQuestion>(MGameQuestion::Strings{}, "",
                                                     MGameQuestion::Strings{"1", "2", "3", "4"}, 2, 1, 10),
                     0);
    ASSERT_TRUE(run.submitAnswer(2, "3", 4.060000836849213, review));
    EXPECT_EQ(run.score(), 366);
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/URL.h"
#include "platform/ui/Button.h"
#include "platform/ui/EditMenu.h"
#include "platform/ui/Make.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/TextField.h"
#include "platform/ui/View.h"
#include "platform/ui/WebView.h"
#include "tests/Classes/core/ScreenBasesTestSupport.h"
#include "tests/support/ScriptedWebEngine.h"
#include "tests/support/ViewTestSupport.h"

using core_test::SampleScreen;
using testing_support::findByTag;

namespace {

// A screen whose button (tag 1) opens a child screen, which in turn can open its own.
class Parent : public SampleScreen {
  public:
    static const ui::ConnectionTable& classConnections() {
        static const ui::ConnectionTable table =
            ui::ConnectionTable("CommonScreenTestParent", &CommonViewController::classConnections())
                .action("openChild:", &Parent::openChild);
        return table;
    }
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    void loadView() override {
        SampleScreen::loadView();
        auto button = std::dynamic_pointer_cast<ui::Button>(view()->viewWithTag(1));
        button->addTarget(sharedAs<ui::Responder>(), "openChild:", ui::ControlEventTouchUpInside);
    }
    void openChild(const Sender&) {
        if (!canOpenSubview()) return;
        auto child = ui::make<Parent>();
        children.push_back(child);
        registerMainChildDoneHandler(&Parent::childDone, "Done", child);
    }
    void childDone(const fnd::Notification& notification) {
        if (proceedDoneNotification(&notification, notification.objectAs<CommonViewController>())) ++finished;
    }
    void done() { fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<fnd::Object>()); }

    std::vector<std::weak_ptr<Parent>> children;
    int finished = 0;
};

// A screen whose look-ups open a stand-in dictionary panel.
class Panel : public SampleScreen {
  public:
    void init(const std::string& word) {
        this->word = word;
        CommonViewController::init();
    }
    using SampleScreen::init;
    std::string word;
};

class Reader : public SampleScreen {
  public:
    void loadView() override {
        SampleScreen::loadView();
        field = ui::make<ui::TextField>(ui::Rect(10, 20, 200, 30));
        view()->viewWithTag(CommonViewController::kContainerTag)->addSubview(field);
    }
    std::shared_ptr<ui::TextField> field;
    std::vector<std::shared_ptr<CommonViewController>> panels;

  protected:
    std::shared_ptr<CommonViewController> makeDictionaryVC(const std::string& word) override {
        auto panel = ui::make<Panel>(word);
        panels.push_back(panel);
        return panel;
    }
};

}  // namespace

class CommonScreenTest : public core_test::ScreenBasesTest {};

TEST_F(CommonScreenTest, TwoTapsOpenOneChildAndItsDoneClosesIt) {
    auto parent = ui::make<Parent>();
    // The second tap reaches the button while the child comes in.
    auto button = std::dynamic_pointer_cast<ui::Button>(findByTag(parent->view(), 1));
    testing_support::tap(*button);
    button->sendActionsForControlEvents(ui::ControlEventTouchUpInside);
    ASSERT_EQ(parent->children.size(), 1u);
    auto child = parent->children[0].lock();
    EXPECT_EQ(parent->mainChild(), child);
    EXPECT_FALSE(parent->canOpenSubview());
    EXPECT_EQ(child->view()->superview(), home->view());

    // A "Done" of another screen is not the child's.
    fnd::NotificationCenter::defaultCenter().post("Done", parent->sharedAs<fnd::Object>());
    EXPECT_EQ(parent->finished, 0);

    child->done();
    EXPECT_EQ(parent->finished, 1);
    EXPECT_TRUE(parent->canOpenSubview());
    EXPECT_TRUE(child->isClosing());
    runFor(0.19);
    EXPECT_TRUE(child->view()->superview());  // the exit still plays
    child.reset();
    runFor(0.02);
    // Closed and, with no parent holding it, gone.
    EXPECT_TRUE(parent->children[0].expired());
}

TEST_F(CommonScreenTest, ADoneWhileAGrandchildIsOpenDoesNothing) {
    auto parent = ui::make<Parent>();
    parent->openChild(nullptr);
    auto child = parent->children[0].lock();
    child->openChild(nullptr);
    auto grandchild = child->children[0].lock();

    child->done();
    EXPECT_EQ(parent->finished, 0);
    EXPECT_EQ(parent->mainChild(), child);
    EXPECT_FALSE(child->isClosing());

    grandchild->done();
    EXPECT_EQ(child->finished, 1);
    runFor(0.3);
    EXPECT_FALSE(child->mainChild());
    // The same "Done" now ends the child.
    child->done();
    EXPECT_EQ(parent->finished, 1);
    EXPECT_FALSE(parent->mainChild());
}

TEST_F(CommonScreenTest, SubviewsAppearAfterTwoThirdsOfTheDurationAndNarrowOnesGrowFromHalfSize) {
    auto screen = ui::make<SampleScreen>();
    auto view = screen->view();
    const double start = clock->now();
    auto at = [&](int tag, double t) { return findByTag(view, tag)->presentedAlpha(start + t); };
    auto scaleAt = [&](int tag, double t) { return findByTag(view, tag)->presentedTransform(start + t).a; };

    // The 100 x 100 button shrinks and grows; the 300-point label and the 200 x 20 bar only fade.
    EXPECT_EQ(at(1, 0.13), 0);
    EXPECT_DOUBLE_EQ(scaleAt(1, 0.13), 0.5);
    EXPECT_GT(at(1, 0.2), 0);
    EXPECT_LT(at(1, 0.3), 1);
    EXPECT_EQ(at(1, 0.334), 1);
    EXPECT_DOUBLE_EQ(scaleAt(1, 0.334), 1);
    for (int tag : {2, 3}) {
        EXPECT_EQ(at(tag, 0.13), 0);
        EXPECT_DOUBLE_EQ(scaleAt(tag, 0.13), 1);
        EXPECT_EQ(at(tag, 0.334), 1);
    }
    // A container's views animate one by one, the container itself and still views not at all.
    EXPECT_EQ(at(11, 0.13), 0);
    EXPECT_DOUBLE_EQ(scaleAt(12, 0.13), 0.5);
    EXPECT_EQ(at(CommonViewController::kContainerTag, 0.13), 1);
    EXPECT_EQ(at(CommonViewController::kStillTag, 0.13), 1);

    runFor(0.4);
    screen->back();
    const double out = clock->now();
    EXPECT_GT(findByTag(view, 1)->presentedAlpha(out + 0.03), 0);
    EXPECT_EQ(findByTag(view, 1)->presentedAlpha(out + 0.067), 0);
    EXPECT_DOUBLE_EQ(findByTag(view, 1)->presentedTransform(out + 0.067).a, 0.5);
    EXPECT_DOUBLE_EQ(findByTag(view, 2)->presentedTransform(out + 0.067).a, 1);
    EXPECT_TRUE(view->superview());
    runFor(0.2);
    EXPECT_FALSE(view->superview());
}

TEST_F(CommonScreenTest, MoveOutHidesWithoutClosing) {
    auto screen = ui::make<SampleScreen>();
    std::weak_ptr<SampleScreen> weak = screen;
    screen.reset();
    weak.lock()->moveOut();
    runFor(0.3);
    ASSERT_FALSE(weak.expired());
    EXPECT_FALSE(weak.lock()->view()->superview());
    weak.lock()->close();
    EXPECT_TRUE(weak.expired());
}

TEST_F(CommonScreenTest, DictionaryLooksUpTheSelectionAndLeavesTheClipboardAsItWas) {
    ui::Pasteboard::general().setString("a backup waiting to be restored");
    auto reader = ui::make<Reader>();
    EXPECT_EQ(ui::EditMenu::shared().menuItems(),
              (std::vector<ui::MenuItem>{{"Dictionary", "openDictionary:"}}));
    EXPECT_TRUE(reader->canPerformAction("openDictionary:", nullptr));
    EXPECT_FALSE(reader->canPerformAction("copy:", nullptr));

    // Nothing selected: no panel, the clipboard untouched.
    reader->openDictionary(nullptr);
    EXPECT_TRUE(reader->panels.empty());

    reader->field->setText("ubiquitous words");
    reader->field->setSelectedRange({0, 10});
    reader->openDictionary(nullptr);
    ASSERT_EQ(reader->panels.size(), 1u);
    EXPECT_EQ(static_cast<Panel&>(*reader->panels[0]).word, "ubiquitous");
    EXPECT_EQ(ui::Pasteboard::general().string(), "a backup waiting to be restored");
    // On the phone the panel blocks other children until it is done.
    EXPECT_EQ(reader->mainChild(), reader->panels[0]);
    EXPECT_EQ(reader->dictionaryVC(), reader->panels[0]);
    fnd::NotificationCenter::defaultCenter().post("Done", reader->panels[0]->sharedAs<fnd::Object>());
    EXPECT_FALSE(reader->dictionaryVC());
    EXPECT_TRUE(reader->canOpenSubview());
}

TEST_F(CommonScreenTest, DictionaryLooksUpTheWordSelectedInAPage) {
    testing_support::ScriptedWebEngine::installForNewWebViews();
    auto reader = ui::make<Reader>();
    auto page = ui::make<ui::WebView>(ui::Rect(0, 0, 320, 100));
    reader->view()->insertSubview(page, 0);
    page->loadHTMLString("<p>A quorum of members</p>", fnd::URL());
    auto engine = testing_support::ScriptedWebEngine::engines().back();
    engine->answer("window.getSelection().toString()", "");
    reader->openDictionary(nullptr);
    EXPECT_TRUE(reader->panels.empty());

    engine->answer("window.getSelection().toString()", "quorum");
    reader->openDictionary(nullptr);
    ASSERT_EQ(reader->panels.size(), 1u);
    EXPECT_EQ(static_cast<Panel&>(*reader->panels[0]).word, "quorum");
    testing_support::ScriptedWebEngine::reset();
}

TEST_F(CommonScreenTest, OnTheTabletASecondLookUpReplacesTheFirstPanel) {
    installHome(ui::Idiom::Tablet);
    auto reader = ui::make<Reader>();
    for (int i = 0; i < 2; ++i) {
        reader->field->setText("ubiquitous words");
        reader->field->setSelectedRange({0, 10});
        reader->openDictionary(nullptr);
    }
    ASSERT_EQ(reader->panels.size(), 2u);
    EXPECT_FALSE(reader->mainChild());
    EXPECT_TRUE(reader->panels[0]->isClosing());
    EXPECT_EQ(reader->dictionaryVC(), reader->panels[1]);

    // The open panel's "Done" closes it; the first one's later notification changes nothing.
    fnd::NotificationCenter::defaultCenter().post("Done", reader->panels[1]->sharedAs<fnd::Object>());
    EXPECT_TRUE(reader->panels[1]->isClosing());
    EXPECT_FALSE(reader->dictionaryVC());
    fnd::NotificationCenter::defaultCenter().post("Done", reader->panels[0]->sharedAs<fnd::Object>());
    runFor(0.3);
    EXPECT_FALSE(reader->panels[0]->isShown());
    EXPECT_FALSE(reader->panels[1]->isShown());
}

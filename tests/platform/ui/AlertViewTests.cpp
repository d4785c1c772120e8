// Alerts: the platform's button order, where the buttons stand, what the delegate hears and when.

#include <gtest/gtest.h>

#include "platform/ui/AlertView.h"
#include "platform/ui/Make.h"
#include "platform/ui/TextLayout.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

using namespace ui;

namespace {

class Recorder : public AlertViewDelegate {
  public:
    std::vector<std::string> calls;
    void alertViewClickedButton(AlertView&, int i) override {
        calls.push_back("clicked " + std::to_string(i));
    }
    void alertViewWillDismiss(AlertView&, int i) override { calls.push_back("will " + std::to_string(i)); }
    void alertViewDidDismiss(AlertView&, int i) override { calls.push_back("did " + std::to_string(i)); }
};

class AlertViewTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        window = make<View>(Rect{0, 0, 320, 480});
        AlertView::setHost([this] { return window; });
        recorder = std::make_shared<Recorder>();
    }
    void TearDown() override {
        AlertView::setHost(nullptr);
        TestEnvironment::TearDown();
    }
    std::shared_ptr<View> window;
    std::shared_ptr<Recorder> recorder;
};

}  // namespace

TEST_F(AlertViewTest, CancelIsIndexZeroAndStandsLeftOfASecondButton) {
    auto alert = make<AlertView>("Confirm Reset", "Are you sure you want to delete history for this deck?",
                                 recorder, "Cancel", std::vector<std::string>{"Delete"});
    EXPECT_EQ(alert->cancelButtonIndex(), 0);
    EXPECT_EQ(alert->firstOtherButtonIndex(), 1);
    alert->show();
    std::weak_ptr<AlertView> weak = alert;
    alert.reset();  // the shown alert keeps itself
    ASSERT_FALSE(weak.expired());
    auto shown = weak.lock();
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->center(), (Point{160, 240}));
    EXPECT_LT(shown->button(0)->frame().maxX(), shown->button(1)->frame().minX());
    EXPECT_EQ(shown->button(0)->frame().minY(), shown->button(1)->frame().minY());
    EXPECT_TRUE(
        testing_support::findByText(window, "Are you sure you want to delete history for this deck?"));

    // The screen under the alert cannot be touched.
    EXPECT_NE(window->hitTest({5, 5}), window);

    testing_support::tap(*testing_support::findByText(window, "Delete"));
    EXPECT_EQ(recorder->calls, (std::vector<std::string>{"clicked 1", "will 1"}));
    EXPECT_FALSE(shown->isVisible());
    shown.reset();
    runFor(AlertView::kDismissDuration);
    EXPECT_EQ(recorder->calls.back(), "did 1");
    EXPECT_TRUE(window->subviews().empty());  // panel and dimming gone
    EXPECT_TRUE(weak.expired());
}

TEST_F(AlertViewTest, OneButtonOrManyAreStackedWithCancelAtTheBottom) {
    auto ok = make<AlertView>("Enter Name", "Please enter the bookmark name", recorder, "",
                              std::vector<std::string>{"OK"});
    EXPECT_EQ(ok->cancelButtonIndex(), -1);
    EXPECT_EQ(ok->firstOtherButtonIndex(), 0);
    ok->show();
    testing_support::tap(*ok->button(0));
    runFor(1);
    EXPECT_EQ(recorder->calls, (std::vector<std::string>{"clicked 0", "will 0", "did 0"}));

    auto many = make<AlertView>("Go to", "", recorder, "Cancel", std::vector<std::string>{"First", "Second"});
    int third = many->addButton("Third");
    EXPECT_EQ(third, 3);
    many->show();
    double cancelTop = many->button(0)->frame().minY();
    for (int i = 1; i <= 3; ++i) EXPECT_LT(many->button(i)->frame().minY(), cancelTop);
    EXPECT_LT(many->button(1)->frame().minY(), many->button(2)->frame().minY());

    recorder->calls.clear();
    many->dismiss(0, false);  // from code: no click is reported
    EXPECT_EQ(recorder->calls, (std::vector<std::string>{"will 0", "did 0"}));
    AlertView::setHost(nullptr);
    auto nowhere = make<AlertView>("t", "m", recorder, "OK", std::vector<std::string>{});
    nowhere->show();
    EXPECT_FALSE(nowhere->isVisible());
}

TEST_F(AlertViewTest, ATitleOrMessageTooLongForOneLineWrapsAndThePanelGrowsToHoldIt) {
    auto shortAlert = make<AlertView>("Sorry", "Try again.", recorder, "Ok", std::vector<std::string>{});
    shortAlert->show();
    double shortHeight = shortAlert->bounds().height();
    shortAlert->dismiss(0, false);

    const std::string title = "Unable to connect to store. The catalogue will come back later.";
    const std::string message =
        "No store content server is configured, so nothing can be bought or "
        "downloaded until one is named in the program's information.";
    auto alert = make<AlertView>(title, message, recorder, "Ok", std::vector<std::string>{});
    alert->show();
    double previousBottom = 0;
    for (const std::string& text : {title, message}) {
        auto label = std::dynamic_pointer_cast<Label>(testing_support::findByText(window, text));
        ASSERT_TRUE(label) << text;
        SCOPED_TRACE(text);
        // Every line is shown, none cut to an ellipsis, within the panel and below what comes before.
        auto lines = TextLayout::lines(text, label->font(), label->bounds().width(), label->numberOfLines());
        EXPECT_GT(lines.size(), 1u);
        EXPECT_EQ(lines, TextLayout::lines(text, label->font(), label->bounds().width()));
        EXPECT_GE(label->bounds().height(), double(lines.size()) * label->font().lineHeight());
        EXPECT_GE(label->frame().minY(), previousBottom);
        EXPECT_LE(label->frame().maxX(), alert->bounds().width());
        previousBottom = label->frame().maxY();
    }
    EXPECT_LT(previousBottom, alert->button(0)->frame().minY());
    EXPECT_LE(alert->button(0)->frame().maxY(), alert->bounds().height());
    EXPECT_GT(alert->bounds().height(), shortHeight + 2 * Font::boldSystem(18).lineHeight());
}

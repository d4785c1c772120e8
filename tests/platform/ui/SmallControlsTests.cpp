// Segmented controls, switches, page controls, toolbars and activity indicators.

#include <gtest/gtest.h>

#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/Button.h"
#include "platform/ui/Make.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Switch.h"
#include "platform/ui/Toolbar.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

using namespace ui;
using testing_support::Finger;
using testing_support::tap;

namespace {

class SmallControlsTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        root = make<View>(Rect{0, 0, 320, 480});
    }
    // Counts value-changed events and remembers the sender's tag.
    void watch(const std::shared_ptr<Control>& control) {
        control->addAction(ControlEventValueChanged, [this](const std::shared_ptr<Control>& sender) {
            ++changes;
            lastTag = sender->tag();
        });
    }
    std::shared_ptr<View> root;
    int changes = 0;
    int lastTag = 0;
};

}  // namespace

TEST_F(SmallControlsTest, SegmentTitlesShareOneSizeThatFitsEveryTitleWithPadding) {
    const std::vector<std::string> titles{"1 hour", "1 day", "1 week", "30 days", "Always"};
    // A row as wide as the phone's, one as wide as the tablet's, and one that a title changes.
    for (double width : {300.0, 600.0, 400.0}) {
        SCOPED_TRACE(width);
        auto sc = make<SegmentedControl>(titles);
        sc->setFrame({10, 10, width, 44});
        if (width == 400) sc->setTitle("A fortnight", 1);
        std::vector<std::shared_ptr<Label>> labels;
        for (int i = 0; i < sc->numberOfSegments(); ++i)
            labels.push_back(
                std::dynamic_pointer_cast<Label>(testing_support::findByText(sc, sc->titleForSegment(i))));
        for (const auto& label : labels) {
            ASSERT_TRUE(label);
            EXPECT_EQ(label->font().size(), labels.front()->font().size()) << label->text();
            EXPECT_EQ(label->frame().minY(), labels.front()->frame().minY()) << label->text();
            EXPECT_FALSE(label->adjustsFontSizeToFitWidth()) << label->text();
            // The title fits inside its segment with room on both sides.
            double segment = label->superview()->bounds().width();
            EXPECT_LE(label->font().widthOf(label->text()) + 2 * 6, segment) << label->text();
        }
        EXPECT_LE(labels.front()->font().size(), 13);
        if (width == 600) {
            EXPECT_EQ(labels.front()->font().size(), 13);
        }
    }
}

TEST_F(SmallControlsTest, SegmentedControlSelectsByTapAndSilentlyFromCode) {
    auto sc = make<SegmentedControl>(std::vector<std::string>{"Hide", "Show"});
    sc->setFrame({20, 20, 200, 30});
    sc->setTag(3);
    root->addSubview(sc);
    watch(sc);
    EXPECT_EQ(sc->selectedSegmentIndex(), SegmentedControl::kNoSegment);

    sc->setSelectedSegmentIndex(1);  // the screen shows the stored setting: no event
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(sc->selectedSegmentIndex(), 1);

    auto hide = testing_support::findByText(root, "Hide");
    ASSERT_TRUE(hide);
    EXPECT_EQ(tap(*hide), sc);
    EXPECT_EQ(sc->selectedSegmentIndex(), 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(lastTag, 3);
    tap(*hide);  // the selected segment again: nothing changes
    EXPECT_EQ(changes, 1);

    sc->setSelectedSegmentIndex(-1);
    EXPECT_EQ(sc->selectedSegmentIndex(), SegmentedControl::kNoSegment);
    sc->setSelectedSegmentIndex(7);
    EXPECT_EQ(sc->selectedSegmentIndex(), SegmentedControl::kNoSegment);

    sc->insertSegment("Maybe", 1);
    EXPECT_EQ(sc->titleForSegment(2), "Show");
    sc->setSelectedSegmentIndex(2);
    sc->removeSegment(0);
    EXPECT_EQ(sc->selectedSegmentIndex(), 1);  // still "Show"
    EXPECT_EQ(sc->segmentAt({150, 15}), 1);

    sc->setMomentary(true);
    tap(*testing_support::findByText(root, "Maybe"));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(sc->selectedSegmentIndex(), 0);  // what was tapped, for the action to read
}

TEST_F(SmallControlsTest, SwitchTurnsOverOnTapsAndFollowsDrags) {
    auto sw = make<Switch>(Rect{100, 100, 10, 10});
    root->addSubview(sw);
    watch(sw);
    sw->setOn(true);
    EXPECT_EQ(changes, 0);

    tap(*sw);
    EXPECT_FALSE(sw->isOn());
    EXPECT_EQ(changes, 1);
    tap(*sw);
    EXPECT_TRUE(sw->isOn());
    EXPECT_EQ(changes, 2);

    // A drag to the side it already is on changes nothing; a drag across turns it over.
    Finger finger(root);
    finger.down({180, 113});
    finger.moveBy({10, 0}, 2);
    finger.up();
    EXPECT_TRUE(sw->isOn());
    EXPECT_EQ(changes, 2);
    finger.down({180, 113});
    finger.moveBy({-70, 0}, 5);
    finger.up();
    EXPECT_FALSE(sw->isOn());
    EXPECT_EQ(changes, 3);

    sw->setOn(true, true);  // animated: the value is there at once
    EXPECT_TRUE(sw->isOn());
    sw->setFrame({0, 0, 300, 300});
    EXPECT_EQ(sw->frame().size, (Size{Switch::kWidth, Switch::kHeight}));
}

TEST_F(SmallControlsTest, PageControlTapsTurnPagesAndDeferredDotsWaitToBeTold) {
    auto pc = make<PageControl>(Rect{0, 400, 320, 36});
    root->addSubview(pc);
    pc->setNumberOfPages(2);
    watch(pc);

    Finger finger(root);
    finger.down({250, 418});
    finger.up();
    EXPECT_EQ(pc->currentPage(), 1);
    EXPECT_EQ(pc->displayedPage(), 1);
    EXPECT_EQ(changes, 1);
    finger.down({250, 418});  // already the last page
    finger.up();
    EXPECT_EQ(changes, 1);

    pc->setDefersCurrentPageDisplay(true);
    finger.down({40, 418});
    finger.up();
    EXPECT_EQ(pc->currentPage(), 0);
    EXPECT_EQ(pc->displayedPage(), 1);  // the dots wait for the scroll to finish
    EXPECT_EQ(changes, 2);
    pc->updateCurrentPageDisplay();
    EXPECT_EQ(pc->displayedPage(), 0);

    pc->setCurrentPage(5);
    EXPECT_EQ(pc->currentPage(), 1);
    pc->setNumberOfPages(1);
    pc->setHidesForSinglePage(true);
    EXPECT_TRUE(pc->subviews()[0]->isHidden());
    EXPECT_EQ(pc->currentPage(), 0);
}

TEST_F(SmallControlsTest, ToolbarSharesTheWidthAmongFlexibleSpacesAndRunsItemActions) {
    auto bar = make<Toolbar>(Rect{0, 436, 320, 44});
    root->addSubview(bar);
    auto main = BarButtonItem::withTitle("Main");
    auto edit = BarButtonItem::withTitle("Edit");
    auto refresh = BarButtonItem::withSystemItem(BarButtonSystemItem::Refresh);
    auto done = BarButtonItem::withSystemItem(BarButtonSystemItem::Done);
    std::vector<std::string> pressed;
    for (auto& item : {main, edit, refresh, done})
        item->setAction(
            [&](const std::shared_ptr<BarButtonItem>& sender) { pressed.push_back(sender->title()); });
    bar->setItems({main, BarButtonItem::flexibleSpace(), edit, BarButtonItem::fixedSpace(26), refresh,
                   BarButtonItem::flexibleSpace(), done});

    Rect mainFrame = bar->viewForItem(main.get())->frame();
    Rect editFrame = bar->viewForItem(edit.get())->frame();
    Rect refreshFrame = bar->viewForItem(refresh.get())->frame();
    Rect doneFrame = bar->viewForItem(done.get())->frame();
    EXPECT_EQ(mainFrame.minX(), Toolbar::kMargin);
    EXPECT_NEAR(doneFrame.maxX(), 320 - Toolbar::kMargin, 1e-9);
    EXPECT_NEAR(refreshFrame.minX() - editFrame.maxX(), 26, 1e-9);  // the fixed space alone
    // The two flexible spaces are equal.
    EXPECT_NEAR(editFrame.minX() - mainFrame.maxX(), doneFrame.minX() - refreshFrame.maxX(), 1e-9);
    EXPECT_EQ(bar->viewForItem(BarButtonItem::flexibleSpace().get()), nullptr);

    tap(*bar->viewForItem(edit.get()));
    tap(*bar->viewForItem(done.get()));
    EXPECT_EQ(pressed, (std::vector<std::string>{"Edit", "Done"}));

    // Changing an item shows at once; a disabled item does nothing.
    edit->setTitle("Done");
    EXPECT_TRUE(testing_support::findByText(bar, "Done") != nullptr);
    edit->setEnabled(false);
    tap(*bar->viewForItem(edit.get()));
    EXPECT_EQ(pressed.size(), 2u);

    // A new set of items, faded in; the old items no longer reach the bar.
    auto add = BarButtonItem::withSystemItem(BarButtonSystemItem::Add);
    bar->setItems({BarButtonItem::flexibleSpace(), add}, true);
    EXPECT_EQ(bar->viewForItem(main.get()), nullptr);
    auto addView = bar->viewForItem(add.get());
    EXPECT_EQ(addView->alpha(), 1);
    EXPECT_TRUE(addView->isAnimating(AnimatedProperty::Alpha));
    main->setTitle("Changed");
    EXPECT_EQ(testing_support::findByText(bar, "Changed"), nullptr);
}

TEST_F(SmallControlsTest, ToolbarKeepsTheKeysOfLikeItemsWhenItsItemsAreSetAnew) {
    auto bar = make<Toolbar>(Rect{0, 436, 320, 44});
    root->addSubview(bar);
    std::vector<std::string> pressed;
    auto items = [&](const std::string& second, const std::string& said) {
        auto first = BarButtonItem::withTitle("Mark");
        auto other = BarButtonItem::withTitle(second);
        for (const auto& item : {first, other})
            item->setAction([&pressed, said](const std::shared_ptr<BarButtonItem>& sender) {
                pressed.push_back(sender->title() + " " + said);
            });
        return std::vector<std::shared_ptr<BarButtonItem>>{first, BarButtonItem::fixedSpace(10), other};
    };
    auto before = items("Next", "before");
    bar->setItems(before);
    auto keptKey = bar->viewForItem(before[0].get());
    auto changedKey = bar->viewForItem(before[2].get());

    // The same first item again and a different third: the first key stays, unanimated, and acts
    // for the new item; the third is made anew and faded in.
    auto after = items("Back", "after");
    bar->setItems(after, true);
    EXPECT_EQ(bar->viewForItem(after[0].get()), keptKey);
    EXPECT_FALSE(keptKey->isAnimating(AnimatedProperty::Alpha));
    EXPECT_NE(bar->viewForItem(after[2].get()), changedKey);
    EXPECT_EQ(changedKey->superview(), nullptr);
    EXPECT_TRUE(bar->viewForItem(after[2].get())->isAnimating(AnimatedProperty::Alpha));
    tap(*keptKey);
    EXPECT_EQ(pressed, (std::vector<std::string>{"Mark after"}));

    // A disabled item of the same look is another key.
    auto disabled = items("Back", "disabled");
    disabled[0]->setEnabled(false);
    bar->setItems(disabled);
    EXPECT_NE(bar->viewForItem(disabled[0].get()), keptKey);
}

TEST_F(SmallControlsTest, ActivityIndicatorSpinsWhileAnimatingAndHidesWhenStopped) {
    auto spinner = make<ActivityIndicator>(ActivityIndicatorStyle::WhiteLarge);
    root->addSubview(spinner);
    EXPECT_TRUE(spinner->isHidden());
    spinner->startAnimating();
    EXPECT_FALSE(spinner->isHidden());
    const auto& wheel = spinner->subviews().front();
    AffineTransform first = wheel->transform();
    runFor(ActivityIndicator::kTurnStep * 1.5);
    EXPECT_NE(wheel->transform(), first);  // it keeps turning
    EXPECT_TRUE(wheel->isAnimating(AnimatedProperty::Transform));
    spinner->stopAnimating();
    EXPECT_TRUE(spinner->isHidden());
    EXPECT_FALSE(wheel->isAnimating(AnimatedProperty::Transform));
    runFor(1);
    EXPECT_FALSE(wheel->isAnimating(AnimatedProperty::Transform));

    spinner->setHidesWhenStopped(false);
    EXPECT_FALSE(spinner->isHidden());
    spinner->startAnimating();
    std::weak_ptr<ActivityIndicator> weak = spinner;
    spinner->removeFromSuperview();
    spinner.reset();
    runFor(1);  // a spinner let go while turning stops turning
    EXPECT_TRUE(weak.expired());
}

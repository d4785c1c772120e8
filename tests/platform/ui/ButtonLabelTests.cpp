// Buttons and the control events under them, labels and image views.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/graphics/Bitmap.h"
#include "platform/ui/Button.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Touch.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

using namespace ui;
using testing_support::Finger;

namespace {

std::shared_ptr<const Image> solidImage(int width, int height) {
    gfx::Bitmap b(width * 2, height * 2);
    for (int y = 0; y < height * 2; ++y)
        for (int x = 0; x < width * 2; ++x) b.setPixel(x, y, {10, 20, 30, 255});
    return Image::fromPNG(b.encodePNG(), 2);
}

// Handles raw touches itself (a hold, then dragging itself along) and then passes them to the
// button, as a rearrangeable tool button does.
class DraggableButton : public Button {
  public:
    using Button::init;
    std::vector<std::string> raw;
    void touchesBegan(const Touches& t) override {
        raw.push_back("began");
        Button::touchesBegan(t);
    }
    void touchesMoved(const Touches& t) override {
        raw.push_back("moved");
        Point now = t.front()->locationIn(this), before = t.front()->previousLocationIn(this);
        setCenter(center() + (now - before));
        Button::touchesMoved(t);
    }
    void touchesEnded(const Touches& t) override {
        raw.push_back("ended");
        Button::touchesEnded(t);
    }
    void touchesCancelled(const Touches& t) override {
        raw.push_back("cancelled");
        Button::touchesCancelled(t);
    }
};

class ControlsTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        root = make<View>(Rect{0, 0, 320, 480});
    }
    std::shared_ptr<View> root;
};

}  // namespace

TEST_F(ControlsTest, TouchUpInsideStillFiresAfterASubclassHandledHoldAndDrag) {
    auto button = make<DraggableButton>(Rect{20, 20, 80, 80});
    root->addSubview(button);
    std::vector<std::string> events;
    button->addAction(ControlEventTouchDown, [&](auto&) { events.push_back("down"); });
    button->addAction(ControlEventTouchUpInside, [&](auto& sender) {
        events.push_back("up-inside");
        EXPECT_EQ(sender.get(), button.get());
    });
    button->addAction(ControlEventTouchUpOutside, [&](auto&) { events.push_back("up-outside"); });

    Finger finger(root);
    finger.down({60, 60});
    EXPECT_TRUE(button->isHighlighted());
    runFor(2.0);  // a long hold
    finger.moveBy({100, 150}, 10);
    finger.up();
    EXPECT_EQ(button->center(), (Point{160, 210}));  // it followed the finger
    EXPECT_EQ(events, (std::vector<std::string>{"down", "up-inside"}));
    EXPECT_EQ(button->raw.front(), "began");
    EXPECT_EQ(button->raw.back(), "ended");
    EXPECT_FALSE(button->isHighlighted());
}

TEST_F(ControlsTest, InsideMeansWithinSeventyPointsAndDisabledButtonsStayQuiet) {
    auto button = make<Button>(Rect{100, 100, 50, 30});
    root->addSubview(button);
    std::vector<std::string> events;
    button->addAction(ControlEventAllTouchEvents, [&](auto&) {});
    button->addAction(ControlEventTouchUpInside, [&](auto&) { events.push_back("inside"); });
    button->addAction(ControlEventTouchUpOutside, [&](auto&) { events.push_back("outside"); });
    button->addAction(ControlEventTouchDragExit, [&](auto&) { events.push_back("exit"); });

    Finger finger(root);
    finger.down({120, 110});
    finger.moveTo({210, 110});  // 60 points past the right edge: still inside
    EXPECT_TRUE(button->isHighlighted());
    finger.up();
    finger.down({120, 110});
    finger.moveTo({240, 110});  // 90 points past it
    EXPECT_FALSE(button->isHighlighted());
    finger.up();
    EXPECT_EQ(events, (std::vector<std::string>{"inside", "exit", "outside"}));

    events.clear();
    button->setEnabled(false);
    testing_support::tap(*button);
    EXPECT_TRUE(events.empty());
    button->setEnabled(true);
    button->setHidden(true);
    testing_support::tap(*button);
    EXPECT_TRUE(events.empty());
}

TEST_F(ControlsTest, ActionsOfAnOwnerRunOnlyWhileItLives) {
    auto button = make<Button>(Rect{0, 0, 50, 50});
    root->addSubview(button);
    int fired = 0;
    auto owner = std::make_shared<int>(0);
    button->addAction(
        ControlEventTouchUpInside, [&](auto&) { ++fired; }, owner);
    int id = button->addAction(ControlEventTouchUpInside, [&](auto&) { fired += 10; });
    testing_support::tap(*button);
    EXPECT_EQ(fired, 11);
    owner.reset();
    button->removeAction(id);
    testing_support::tap(*button);
    EXPECT_EQ(fired, 11);
    EXPECT_FALSE(button->hasActions(ControlEventTouchUpInside));
}

TEST_F(ControlsTest, TitlesColoursAndImagesFollowTheStateWithTheNormalOnesAsFallback) {
    auto button = make<Button>(Rect{10, 10, 200, 44});
    root->addSubview(button);
    auto normal = solidImage(21, 31)->stretchable(10, 10);
    auto pressed = solidImage(22, 31)->stretchable(10, 10);
    button->setBackgroundImage(normal);
    button->setBackgroundImage(pressed, StateHighlighted);
    button->setTitle(" Start ");
    button->setTitle("Stop", StateSelected);
    button->setTitleColor(Color::yellowColor(), StateSelected);
    button->setTitleColor(Color::redColor(), StateSelected | StateHighlighted);

    EXPECT_EQ(button->currentTitle(), " Start ");  // spaces kept
    EXPECT_EQ(button->titleLabel()->text(), " Start ");
    EXPECT_EQ(button->backgroundImage(), normal);

    Finger finger(root);
    finger.down(testing_support::centreInRoot(*button));
    EXPECT_EQ(button->backgroundImage(), pressed);
    EXPECT_EQ(button->titleLabel()->text(), " Start ");  // no highlighted title: the normal one
    finger.up();
    EXPECT_EQ(button->backgroundImage(), normal);

    button->setSelected(true);
    EXPECT_EQ(button->titleLabel()->text(), "Stop");
    EXPECT_EQ(button->titleLabel()->textColor(), Color::yellowColor());
    button->setHighlighted(true);  // selected and highlighted has its own colour, not its own title
    EXPECT_EQ(button->titleLabel()->textColor(), Color::redColor());
    EXPECT_EQ(button->titleLabel()->text(), " Start ");

    button->setBackgroundImage(nullptr);  // the "dark" look: no normal background
    button->setHighlighted(false);
    EXPECT_EQ(button->backgroundImage(), nullptr);

    // An image beside the title: the two are centred together.
    button->setSelected(false);
    button->setImage(solidImage(20, 20));
    double textWidth = button->titleLabel()->font().widthOf(" Start ");
    EXPECT_NEAR(button->imageView()->frame().origin.x, (200 - 20 - textWidth) / 2, 1e-9);
    EXPECT_NEAR(button->titleLabel()->frame().origin.x, button->imageView()->frame().maxX(), 1e-9);
    button->setFrame({10, 10, 300, 44});  // resizing lays the parts out again
    EXPECT_NEAR(button->imageView()->frame().origin.x, (300 - 20 - textWidth) / 2, 1e-9);

    // What a person sees: the title text is in the tree, and tapping it taps the button.
    int taps = 0;
    button->addAction(ControlEventTouchUpInside, [&](auto&) { ++taps; });
    auto title = testing_support::findByText(root, " Start ");
    ASSERT_TRUE(title);
    EXPECT_EQ(testing_support::tap(*title), button);
    EXPECT_EQ(taps, 1);
}

TEST_F(ControlsTest, RoundedRectButtonsDrawTheirOwnBoxAndInvertItWhilePressed) {
    auto button = Button::withType(ButtonType::RoundedRect);
    button->setFrame({0, 0, 100, 37});
    button->setTitle("Reset");
    EXPECT_NE(button->currentTitleColor(), Color::whiteColor());
    button->setHighlighted(true);
    EXPECT_EQ(button->currentTitleColor(), Color::whiteColor());
    EXPECT_NE(button->backgroundColor(), Color::whiteColor());
    EXPECT_GT(button->sizeThatFits({}).width, button->titleLabel()->font().widthOf("Reset"));
}

TEST_F(ControlsTest, LabelsShrinkToFitDownToTheirMinimumAndMeasureTheirLines) {
    auto label = make<Label>(Rect{0, 0, 200, 22});
    root->addSubview(label);
    EXPECT_EQ(label->backgroundColor(), Color::clear());
    label->setFont(Font::boldSystem(17));
    label->setText("A rather long caption for a tool");
    EXPECT_EQ(label->displayedFont().size(), 17);  // no shrinking unless asked

    label->setAdjustsFontSizeToFitWidth(true);
    label->setMinimumFontSize(8);
    Font shown = label->displayedFont();
    EXPECT_LT(shown.size(), 17);
    EXPECT_GE(shown.size(), 8);
    EXPECT_LE(shown.widthOf(label->text()), 200);
    EXPECT_GT(shown.withSize(shown.size() + 0.2).widthOf(label->text()), 200);  // as large as fits

    label->setMinimumFontSize(14);
    EXPECT_EQ(label->displayedFont().size(), 14);
    label->setText("Fits");
    EXPECT_EQ(label->displayedFont().size(), 17);

    // The shown font is what the display gets.
    label->setText("A rather long caption for a tool");
    PrimitiveProperties props;
    label->describe(props);
    auto font = std::find_if(props.begin(), props.end(), [](auto& p) { return p.first == "font"; });
    ASSERT_NE(font, props.end());
    EXPECT_EQ(font->second.get<Font>()->size(), 14);

    // Several lines: words wrap at the width, "\n" breaks, the line count limits.
    label->setNumberOfLines(0);
    label->setText("one two three four five six seven eight nine ten\nend");
    Font f = label->font();
    Size fits = label->sizeThatFits({100, 1000});
    EXPECT_LE(fits.width, 100);
    int lines = int(std::lround(fits.height / f.lineHeight()));
    EXPECT_GE(lines, 4);
    label->setNumberOfLines(2);
    EXPECT_NEAR(label->sizeThatFits({100, 1000}).height, 2 * f.lineHeight(), 1e-9);
}

TEST_F(ControlsTest, LabelsAndImageViewsLetTouchesThroughAndKeepTheirLook) {
    auto button = make<Button>(Rect{0, 0, 80, 96});
    root->addSubview(button);
    auto caption = make<Label>(Rect{0, 74, 80, 22});  // a caption inside the button moves with it
    caption->setText("Timer");
    button->addSubview(caption);
    auto light = make<ImageView>(solidImage(40, 40));
    light->setCenter({40, 40});
    button->addSubview(light);
    EXPECT_EQ(light->frame(), (Rect{20, 20, 40, 40}));
    EXPECT_EQ(testing_support::tap(*caption), button);
    EXPECT_EQ(testing_support::tap(*light), button);

    // A highlighted label (in a selected row) shows its highlighted colour.
    caption->setTextColor(Color::grayColor());
    caption->setHighlightedTextColor(Color::whiteColor());
    caption->setHighlighted(true);
    EXPECT_EQ(caption->displayedTextColor(), Color::whiteColor());
    caption->setHighlighted(false);
    EXPECT_EQ(caption->displayedTextColor(), Color::grayColor());
    light->setContentMode(ContentMode::Center);
    PrimitiveProperties props;
    light->describe(props);
    EXPECT_EQ(light->primitiveKind(), PrimitiveKind::Image);
    auto mode = std::find_if(props.begin(), props.end(), [](auto& p) { return p.first == "contentMode"; });
    ASSERT_NE(mode, props.end());
    EXPECT_EQ(*mode->second.get<std::string>(), "center");
}

TEST_F(ControlsTest, ImagesShowDarkerWhilePressedAndPalerWhileDisabledUnlessTheStateHasItsOwn) {
    auto button = Button::withType(ButtonType::Custom);
    button->setFrame({100, 100, 60, 40});
    root->addSubview(button);
    button->setImage(solidImage(20, 20));
    button->setBackgroundImage(solidImage(30, 20));
    using A = ImageAdjustment;
    struct Case {
        unsigned state;
        bool adjustsHighlighted, adjustsDisabled, ownImages;
        A expected;
    } cases[] = {
        {StateNormal, true, true, false, A::None},
        {StateHighlighted, true, true, false, A::Darker},
        {StateHighlighted, false, true, false, A::None},
        {StateHighlighted, true, true, true, A::None},
        {StateDisabled, true, true, false, A::Paler},
        {StateDisabled, true, false, false, A::None},
        {StateDisabled, true, true, true, A::None},
        {StateSelected | StateHighlighted, true, true, false, A::Darker},
    };
    for (const Case& c : cases) {
        button->setImage(c.ownImages ? solidImage(20, 20) : nullptr, c.state);
        button->setBackgroundImage(c.ownImages ? solidImage(30, 20) : nullptr, c.state);
        button->setAdjustsImageWhenHighlighted(c.adjustsHighlighted);
        button->setAdjustsImageWhenDisabled(c.adjustsDisabled);
        button->setEnabled(!(c.state & StateDisabled));
        button->setSelected(c.state & StateSelected);
        button->setHighlighted(c.state & StateHighlighted);
        EXPECT_EQ(button->imageView()->imageAdjustment(), c.expected) << c.state;
        EXPECT_EQ(button->imageAdjustment(), c.expected) << c.state;  // its background image
        button->setImage(nullptr, c.state);
        button->setBackgroundImage(nullptr, c.state);
    }

    // A glow shows only while a finger is down on a button that shows touches.
    button->setEnabled(true);
    button->setSelected(false);
    button->setHighlighted(false);
    EXPECT_FALSE(button->touchGlow());
    button->setShowsTouchWhenHighlighted(true);
    ASSERT_TRUE(button->touchGlow());
    EXPECT_TRUE(button->touchGlow()->isHidden());
    Finger finger(root);
    finger.down(testing_support::centreInRoot(*button));
    EXPECT_FALSE(button->touchGlow()->isHidden());
    EXPECT_EQ(button->touchGlow()->center(), (Point{30, 20}));
    EXPECT_EQ(button->imageView()->imageAdjustment(), ImageAdjustment::Darker);
    finger.up();
    EXPECT_TRUE(button->touchGlow()->isHidden());
}

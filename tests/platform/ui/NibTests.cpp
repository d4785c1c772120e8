#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/ui/DatePicker.h"
#include "platform/ui/Make.h"
#include "platform/ui/Nib.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextInput.h"
#include "platform/ui/TextView.h"
#include "tests/platform/ui/SampleScreens.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using samples::SampleList;
using samples::SampleScreen;
using testing::HasSubstr;

class NibTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        samples::useSamples();
    }

    // Reads a file's text and loads it for the owner; answers the problems.
    static ui::Nib::Problems load(const std::string& text, ui::Responder* owner,
                                  ui::Nib::Contents* contents = nullptr) {
        ui::Nib::Problems problems;
        auto nib = ui::Nib::parse(text, "Test", problems);
        if (!nib) return problems;
        ui::Nib::Contents made = nib->instantiate(owner, problems);
        if (contents) *contents = std::move(made);
        return problems;
    }
};

TEST_F(NibTest, AScreensFileGivesItsViewsOutletsAndActions) {
    auto screen = ui::make<SampleScreen>();
    std::shared_ptr<ui::View> view = screen->view();
    window()->addSubview(view);
    view->setFrame({0, 20, 320, 460});

    EXPECT_EQ(testing_support::dumpTree(*view),
              "View (0, 20, 320, 460)\n"
              "  Label #3 (20, 10, 280, 30) \"Options\"\n"
              "  SampleBadge #5 (270, 50, 40, 20)\n"
              "  Control #7 (240, 410, 70, 40)\n");
    EXPECT_EQ(view->backgroundColor(), ui::Color::whiteColor());
    EXPECT_EQ(view->autoresizingMask(), unsigned(ui::FlexibleWidth | ui::FlexibleHeight));
    EXPECT_EQ(screen->titleLabel->font(), ui::Font::boldSystem(20));
    EXPECT_EQ(screen->titleLabel->textAlignment(), ui::TextAlignment::Center);
    EXPECT_EQ(screen->titleLabel->textColor(), ui::Color::rgb(0.2, 0.2, 0.2));
    // The program's own view class, made by its registered factory with its own property and a box's.
    EXPECT_EQ(screen->badge->badgeText, "New");
    EXPECT_EQ(screen->badge->cornerRadius(), 10);
    EXPECT_EQ(testing_support::findByOutlet(*screen, "doneButton"), screen->doneButton);

    // A tap on the control calls the owner's actions of its events, with the control as sender.
    EXPECT_EQ(testing_support::tap(*screen->doneButton), screen->doneButton);
    EXPECT_EQ(screen->events.back(), "done");
    EXPECT_EQ(screen->events[screen->events.size() - 2], "pressed");
    EXPECT_EQ(screen->lastSender, screen->doneButton);
}

TEST_F(NibTest, ProblemsAreReportedWithTheirPlaceAndTheRestIsLoaded) {
    auto screen = ui::make<SampleList>();
    ui::Nib::Contents contents;
    ui::Nib::Problems problems = load(R"({
      "owner": "SampleList", "color": 1,
      "objects": [
        {"class": "View", "id": "cell", "frame": [0, 0, 100, 40], "width": 3,
         "subviews": [
           {"class": "Label", "id": "a", "properties": {"text": 12, "txt": "x", "textAlignment": "middle"}},
           {"class": "Gadget", "id": "b"},
           {"class": "View", "id": "a"},
           {"class": "View", "id": "c", "actions": {"touchUpInside": "done:"}},
           {"class": "Control", "id": "d", "actions": {"touchUpInside": "missing:", "tap": "done:"}},
           {"class": "View", "frame": [0, 0, -5, 10], "autoresizing": ["flexibleDepth"]}
         ]}
      ],
      "outlets": {"theCell": "cell", "title": "a", "other": "nowhere"}
    })",
                                      screen.get(), &contents);

    std::string all;
    for (const auto& p : problems) all += p + "\n";
    EXPECT_THAT(all, HasSubstr("Test: color: unknown key of the file"));
    EXPECT_THAT(all, HasSubstr("Test: objects[0].width: unknown key of an object"));
    EXPECT_THAT(all, HasSubstr("objects[0].subviews[0].properties.text: expected a string, found a number"));
    EXPECT_THAT(all, HasSubstr("objects[0].subviews[0].properties.txt: not a property of \"Label\""));
    EXPECT_THAT(all, HasSubstr("properties.textAlignment: expected \"left\", \"center\" or \"right\""));
    EXPECT_THAT(all, HasSubstr("objects[0].subviews[1]: unknown view class \"Gadget\""));
    EXPECT_THAT(all, HasSubstr("objects[0].subviews[2].id: ids must be non-empty and unique"));
    EXPECT_THAT(all, HasSubstr("objects[0].subviews[3]: actions on a view that is not a control"));
    EXPECT_THAT(all, HasSubstr("subviews[4].actions.tap: unknown control event"));
    EXPECT_THAT(all, HasSubstr("subviews[4].actions.touchUpInside: SampleList has no action \"missing:\""));
    EXPECT_THAT(all, HasSubstr("subviews[5].frame: expected [x, y, width, height]"));
    EXPECT_THAT(all, HasSubstr("subviews[5].autoresizing: unknown resizing \"flexibleDepth\""));
    EXPECT_THAT(all, HasSubstr("outlets.other: no object has the id \"nowhere\""));
    EXPECT_THAT(all, HasSubstr("outlets.title: SampleList has no such outlet"));
    EXPECT_EQ(problems.size(), 14u) << all;

    // What could be made was made and connected.
    ASSERT_EQ(contents.topLevelObjects.size(), 1u);
    EXPECT_EQ(screen->theCell, contents.topLevelObjects[0]);
    EXPECT_EQ(screen->theCell->subviews().size(), 5u);
}

TEST_F(NibTest, TextEntryAndDatePickersTakeTheirSettingsFromTheFile) {
    ui::Nib::Contents contents;
    ui::Nib::Problems problems = load(R"({"owner": "SampleScreen", "objects": [
        {"class": "TextField", "id": "count", "frame": [20, 45, 245, 25],
         "properties": {"keyboardType": "numberPad", "returnKeyType": "done", "borderStyle": "roundedRect",
                        "clearButtonMode": "whileEditing", "placeholder": "how many", "font": {"size": 16, "bold": true}}},
        {"class": "TextView", "id": "notes", "properties": {"editable": false, "text": "read only"}},
        {"class": "DatePicker", "id": "time", "properties": {"datePickerMode": "time"}},
        {"class": "SearchBar", "id": "search", "properties": {"barStyle": "blackTranslucent", "keyboardType": "phone"}}
      ]})",
                                      nullptr, &contents);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_THAT(problems[0],
                HasSubstr("objects[3].properties.keyboardType: expected \"default\", \"ascii\""));

    auto count = std::dynamic_pointer_cast<ui::TextField>(contents.objectsById.at("count"));
    ASSERT_TRUE(count);
    EXPECT_EQ(count->keyboardType(), ui::KeyboardType::NumberPad);
    EXPECT_EQ(count->returnKeyType(), ui::ReturnKeyType::Done);
    EXPECT_EQ(count->borderStyle(), ui::TextBorderStyle::RoundedRect);
    EXPECT_EQ(count->clearButtonMode(), ui::TextFieldViewMode::WhileEditing);
    EXPECT_EQ(count->placeholder(), "how many");
    EXPECT_EQ(count->input()->font(), ui::Font::boldSystem(16));
    auto notes = std::dynamic_pointer_cast<ui::TextView>(contents.objectsById.at("notes"));
    ASSERT_TRUE(notes);
    EXPECT_FALSE(notes->isEditable());
    EXPECT_EQ(notes->text(), "read only");
    auto time = std::dynamic_pointer_cast<ui::DatePicker>(contents.objectsById.at("time"));
    ASSERT_TRUE(time);
    EXPECT_EQ(time->datePickerMode(), ui::DatePickerMode::Time);
    auto search = std::dynamic_pointer_cast<ui::SearchBar>(contents.objectsById.at("search"));
    ASSERT_TRUE(search);
    EXPECT_EQ(search->barStyle(), ui::BarStyle::BlackTranslucent);
}

TEST_F(NibTest, AnOutletGetsOnlyAViewOfItsClass) {
    auto screen = ui::make<SampleScreen>();
    std::shared_ptr<ui::Label> before = screen->titleLabel;
    ui::Nib::Problems problems = load(R"({"owner": "SampleScreen",
        "objects": [{"class": "View", "id": "v"}], "outlets": {"titleLabel": "v"}})",
                                      screen.get());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_THAT(problems[0], HasSubstr("outlets.titleLabel: the outlet does not take the object \"v\""));
    EXPECT_EQ(screen->titleLabel, before);
}

TEST_F(NibTest, TextThatIsNoInterfaceFileIsRefused) {
    EXPECT_THAT(load("{\"owner\": \"X\", \"objects\": [", nullptr),
                testing::ElementsAre("Test: not JSON text"));
    EXPECT_THAT(load("[1, 2]", nullptr), testing::ElementsAre("Test: the file is an array, not an object"));
    EXPECT_THAT(load("{\"objects\": []}", nullptr),
                testing::ElementsAre("Test: owner: the file needs the owner's class as \"owner\""));
    // Views nested without end stop at a depth, with a problem.
    std::string deep = R"({"owner": "X", "objects": [)";
    for (int i = 0; i < 100; ++i) deep += R"({"class": "View", "subviews": [)";
    for (int i = 0; i < 100; ++i) deep += "]}";
    deep += "]}";
    ui::Nib::Problems problems = load(deep, nullptr);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_THAT(problems[0], HasSubstr("views nested too deeply"));
}

TEST_F(NibTest, AControlWithNoTargetSendsItsActionUpTheResponderChain) {
    auto screen = ui::make<SampleScreen>();
    window()->addSubview(screen->view());
    auto control = screen->doneButton;
    control->removeTarget(nullptr, "", ui::ControlEventTouchUpInside | ui::ControlEventTouchDown);
    control->addTarget(nullptr, "done:", ui::ControlEventTouchUpInside);
    testing_support::tap(*control);
    EXPECT_EQ(screen->events.back(), "done");
}

}  // namespace

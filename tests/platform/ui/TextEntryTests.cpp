// Text entry: text fields, text views and search bars, taking what the display reports as the person
// types and selects, the first responder and the keyboard, and copying through the edit menu.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Button.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/EditMenu.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Make.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextInput.h"
#include "platform/ui/TextView.h"
#include "platform/ui/ViewController.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

using namespace ui;
using json = nlohmann::json;
using testing::ElementsAre;
using testing_support::tap;

namespace {

// Records what a field's delegate is asked and answers as told.
struct FieldDelegate : TextFieldDelegate {
    std::vector<std::string> calls;
    bool mayBegin = true, mayEnd = true, mayReturn = true;
    std::function<bool(TextField&, TextRange, const std::string&)> onChange;

    bool textFieldShouldBeginEditing(TextField&) override {
        calls.push_back("shouldBegin");
        return mayBegin;
    }
    void textFieldDidBeginEditing(TextField&) override { calls.push_back("didBegin"); }
    bool textFieldShouldEndEditing(TextField&) override {
        calls.push_back("shouldEnd");
        return mayEnd;
    }
    void textFieldDidEndEditing(TextField&) override { calls.push_back("didEnd"); }
    bool textFieldShouldChangeCharacters(TextField& f, TextRange r, const std::string& text) override {
        calls.push_back("change " + std::to_string(r.location) + "+" + std::to_string(r.length) + " \"" +
                        text + "\"");
        return !onChange || onChange(f, r, text);
    }
    bool textFieldShouldReturn(TextField&) override {
        calls.push_back("shouldReturn");
        return mayReturn;
    }
};

// A screen that counts the control events its field sends, and the shakes that reach it.
class FormScreen : public ViewController {
  public:
    static const ConnectionTable& classConnections() {
        static const ConnectionTable table =
            ConnectionTable("FormScreen", &ViewController::classConnections())
                .action("doneEditing:", &FormScreen::doneEditing)
                .action("changed:", &FormScreen::changedText);
        return table;
    }
    const ConnectionTable& connections() const override { return classConnections(); }
    void doneEditing(const Sender& sender) {
        ++done;
        if (auto field = std::dynamic_pointer_cast<TextField>(sender)) field->resignFirstResponder();
    }
    void changedText(const Sender&) { ++changes; }
    void motionEnded(Motion) override { ++shakes; }

    int done = 0, changes = 0, shakes = 0;
};

class TextEntryTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        screen = ui::make<FormScreen>();
        window()->setRootViewController(screen);
        name = ui::make<TextField>(Rect{20, 60, 280, 31});
        name->setBorderStyle(TextBorderStyle::RoundedRect);
        name->setDelegate(nameDelegate);
        other = ui::make<TextField>(Rect{20, 110, 280, 31});
        notes = ui::make<TextView>(Rect{20, 160, 280, 120});
        for (const auto& v :
             {std::shared_ptr<View>(name), std::shared_ptr<View>(other), std::shared_ptr<View>(notes)})
            screen->view()->addSubview(v);
        for (const char* n : {Keyboard::kWillShowNotification, Keyboard::kDidShowNotification,
                              Keyboard::kWillHideNotification, Keyboard::kDidHideNotification})
            fnd::NotificationCenter::defaultCenter().addObserver(
                this, std::string(n), nullptr, [this](const fnd::Notification& n) {
                    keyboardNews.push_back(n.name);
                    const Rect* end = n.value<Rect>(Keyboard::kFrameEndKey);
                    if (end) lastKeyboardFrame = *end;
                });
    }
    void TearDown() override {
        fnd::NotificationCenter::defaultCenter().removeObserver(this);
        Pasteboard::general().setString(std::nullopt);
        ScreenTestEnvironment::TearDown();
    }

    // What the display sends as the person types, leaving the caret at `caret`.
    static void type(TextInput& input, const std::string& value, std::size_t caret) {
        input.displayDidEditText(value, caret, 0);
    }
    // What the display sends as the person selects, as the device session passes it on.
    static void select(TextInput& input, std::size_t start, std::size_t length) {
        input.displayDidChangeSelection(start, length, input.textIn({start, length}));
        application().selectionChanged(input.elementId(), length ? input.textIn({start, length}) : "",
                                       input.bounds());
    }
    static std::vector<std::string> offered() {
        std::vector<std::string> actions;
        for (const MenuItem& item : EditMenu::shared().offeredItems()) actions.push_back(item.action);
        return actions;
    }

    std::shared_ptr<FormScreen> screen;
    std::shared_ptr<TextField> name, other;
    std::shared_ptr<TextView> notes;
    std::shared_ptr<FieldDelegate> nameDelegate = std::make_shared<FieldDelegate>();
    std::vector<std::string> keyboardNews;
    Rect lastKeyboardFrame;
};

TEST_F(TextEntryTest, ATapBeginsEditingAndTheKeyboardStaysUpFromOneFieldToTheNext) {
    tap(*name->input());  // the display's input takes the touch; the field begins editing
    EXPECT_TRUE(name->isFirstResponder());
    EXPECT_TRUE(name->isEditing());
    EXPECT_TRUE(name->input()->isFocused());
    EXPECT_THAT(nameDelegate->calls, ElementsAre("shouldBegin", "didBegin"));
    EXPECT_TRUE(Keyboard::shared().isVisible());
    EXPECT_EQ(Keyboard::shared().frame(), (Rect{0, 264, 320, 216}));
    EXPECT_THAT(keyboardNews, ElementsAre(Keyboard::kWillShowNotification));
    runFor(Keyboard::kAnimationDuration);
    EXPECT_THAT(keyboardNews, ElementsAre(Keyboard::kWillShowNotification, Keyboard::kDidShowNotification));
    EXPECT_EQ(lastKeyboardFrame, (Rect{0, 264, 320, 216}));

    tap(*other);
    EXPECT_TRUE(other->isFirstResponder());
    EXPECT_FALSE(name->isEditing());
    EXPECT_FALSE(name->input()->isFocused());
    EXPECT_THAT(nameDelegate->calls, ElementsAre("shouldBegin", "didBegin", "shouldEnd", "didEnd"));
    runFor(1);
    EXPECT_EQ(keyboardNews.size(), 2u);  // no hide and show between the fields

    EXPECT_TRUE(other->resignFirstResponder());
    EXPECT_EQ(Responder::firstResponder(), nullptr);
    EXPECT_FALSE(Keyboard::shared().isVisible());
    EXPECT_EQ(Keyboard::shared().frame(), Rect{});
    runFor(Keyboard::kAnimationDuration);
    EXPECT_THAT(keyboardNews, ElementsAre(Keyboard::kWillShowNotification, Keyboard::kDidShowNotification,
                                          Keyboard::kWillHideNotification, Keyboard::kDidHideNotification));
    EXPECT_EQ(lastKeyboardFrame, (Rect{0, 480, 320, 216}));  // below the screen
}

TEST_F(TextEntryTest, TheDelegateMayRefuseToBeginOrToEnd) {
    nameDelegate->mayBegin = false;
    tap(*name);
    EXPECT_FALSE(name->isFirstResponder());
    EXPECT_FALSE(Keyboard::shared().isVisible());

    nameDelegate->mayBegin = true;
    nameDelegate->mayEnd = false;
    ASSERT_TRUE(name->becomeFirstResponder());
    EXPECT_FALSE(other->becomeFirstResponder());
    EXPECT_FALSE(name->resignFirstResponder());
    EXPECT_TRUE(name->isFirstResponder());

    // Taken off the screen, it stops editing whatever the delegate says, and the keyboard goes.
    name->removeFromSuperview();
    EXPECT_FALSE(name->isEditing());
    EXPECT_EQ(Responder::firstResponder(), nullptr);
    EXPECT_FALSE(Keyboard::shared().isVisible());

    other->setEnabled(false);
    EXPECT_FALSE(other->becomeFirstResponder());
}

TEST_F(TextEntryTest, TypingAsksTheDelegateWithTheRangeTheDisplayChanged) {
    name->addTarget(screen, "changed:", ControlEventEditingChanged);
    name->setText("abc");
    ASSERT_TRUE(name->becomeFirstResponder());
    nameDelegate->calls.clear();

    type(*name->input(), "abXc", 3);
    type(*name->input(), "aXc", 1);              // the b deleted
    type(*name->input(), "a\u00E9\u00E9Xc", 3);  // two characters typed after the a
    EXPECT_THAT(nameDelegate->calls,
                ElementsAre("change 2+0 \"X\"", "change 1+1 \"\"", "change 1+0 \"\u00E9\u00E9\""));
    EXPECT_EQ(name->text(), "a\u00E9\u00E9Xc");
    EXPECT_EQ(name->selectedRange(), (TextRange{3, 0}));
    EXPECT_EQ(screen->changes, 3);

    // A refused change leaves the text; a delegate that sets the text itself wins.
    nameDelegate->onChange = [](TextField&, TextRange, const std::string& text) { return text != "!"; };
    type(*name->input(), "a\u00E9\u00E9X!c", 5);
    EXPECT_EQ(name->text(), "a\u00E9\u00E9Xc");
    nameDelegate->onChange = [](TextField& f, TextRange, const std::string& text) {
        f.setText("[" + text + "]");
        return true;
    };
    type(*name->input(), "a\u00E9\u00E9Xcz", 6);
    EXPECT_EQ(name->text(), "[z]");
    EXPECT_EQ(screen->changes, 3);  // neither was the person's change
}

TEST_F(TextEntryTest, TheDisplayIsAnsweredWithTheTextThisSideKeeps) {
    ChangeLog log(application().screenView());
    std::vector<json> patches;
    log.addListener([&](const std::string& m) { patches.push_back(json::parse(m)); });
    log.flush();
    std::uint64_t id = name->input()->elementId();
    auto sentFor = [&](const json& patch) {
        for (const auto& u : patch["update"])
            if (u["id"] == id) return u["props"];
        return json();
    };

    type(*name->input(), "hi", 2);  // typed before any tap reached this side: editing begins
    EXPECT_TRUE(name->isEditing());
    ASSERT_TRUE(log.flush());
    json sent = sentFor(patches.back());
    EXPECT_EQ(sent["value"], "hi");
    EXPECT_EQ(sent["focused"], true);
    EXPECT_EQ(sent["selection"], json::array({2, 0}));

    // A refused edit: the display showed "hi!" and must be told "hi" again, unchanged as it is here.
    nameDelegate->onChange = [](TextField&, TextRange, const std::string&) { return false; };
    type(*name->input(), "hi!", 3);
    ASSERT_TRUE(log.flush());
    sent = sentFor(patches.back());
    EXPECT_EQ(sent["value"], "hi");
    EXPECT_EQ(sent["selection"], json::array({2, 0}));

    // An input that may not begin editing answers the same way.
    other->setEnabled(false);
    type(*other->input(), "x", 1);
    EXPECT_EQ(other->text(), "");
    ASSERT_TRUE(log.flush());
    bool answered = false;
    for (const auto& u : patches.back()["update"])
        if (u["id"] == other->input()->elementId()) answered = u["props"]["value"] == "";
    EXPECT_TRUE(answered);
}

TEST_F(TextEntryTest, TheReturnKeyEndsEditingWhereTheDelegateAndTheActionsSaySo) {
    name->addTarget(screen, "doneEditing:", ControlEventEditingDidEndOnExit);
    ASSERT_TRUE(name->becomeFirstResponder());
    nameDelegate->mayReturn = false;
    name->input()->displayDidPressReturn();
    EXPECT_EQ(screen->done, 0);
    nameDelegate->mayReturn = true;
    name->input()->displayDidPressReturn();
    EXPECT_EQ(screen->done, 1);
    EXPECT_FALSE(name->isEditing());
    name->input()->displayDidPressReturn();  // not editing: nothing
    EXPECT_EQ(screen->done, 1);

    // A return key that needs text is off while the field is empty.
    name->setEnablesReturnKeyAutomatically(true);
    ASSERT_TRUE(name->becomeFirstResponder());
    name->input()->displayDidPressReturn();
    EXPECT_EQ(screen->done, 1);
}

TEST_F(TextEntryTest, TheClearKeyShowsWhileEditingWithTextAndEmptiesTheField) {
    name->setClearButtonMode(TextFieldViewMode::WhileEditing);
    name->setText("draft");
    EXPECT_TRUE(name->clearKey()->isHidden());
    ASSERT_TRUE(name->becomeFirstResponder());
    ASSERT_FALSE(name->clearKey()->isHidden());
    EXPECT_LT(name->input()->frame().maxX(), name->clearKey()->frame().minX());
    tap(*name->clearKey());
    EXPECT_EQ(name->text(), "");
    EXPECT_TRUE(name->clearKey()->isHidden());
}

TEST_F(TextEntryTest, ASelectionOffersCopyAndTheEditMenuCopiesCutsAndPastes) {
    name->setText("hello world");
    select(*name->input(), 6, 5);
    EXPECT_THAT(offered(), ElementsAre("copy:", "selectAll:"));  // not editing: nothing to cut or paste
    EditMenu::shared().choose("copy:");
    EXPECT_EQ(Pasteboard::general().string(), "world");
    EXPECT_FALSE(EditMenu::shared().isMenuVisible());
    select(*name->input(), 6, 5);  // the display repeats the selection: the menu stays away
    EXPECT_FALSE(EditMenu::shared().isMenuVisible());

    ASSERT_TRUE(name->becomeFirstResponder());
    select(*name->input(), 0, 6);
    EXPECT_THAT(offered(), ElementsAre("cut:", "copy:", "paste:", "selectAll:"));
    EditMenu::shared().choose("cut:");
    EXPECT_EQ(name->text(), "world");
    EXPECT_EQ(Pasteboard::general().string(), "hello ");
    EXPECT_EQ(name->selectedRange(), (TextRange{0, 0}));

    select(*name->input(), 5, 0);  // the caret at the end: no menu
    EXPECT_FALSE(EditMenu::shared().isMenuVisible());
    name->input()->paste(nullptr);
    EXPECT_EQ(name->text(), "worldhello ");
    // A selection the display made in the text it had before the paste is old news: "hello" is
    // not where the display says it is now.
    name->input()->displayDidChangeSelection(0, 5, "hello");
    application().selectionChanged(name->input()->elementId(), "hello", {});
    EXPECT_EQ(name->selectedRange(), (TextRange{11, 0}));
    EXPECT_FALSE(EditMenu::shared().isMenuVisible());

    // The delegate is asked about an edit of the menu as about typing.
    nameDelegate->calls.clear();
    select(*name->input(), 0, 5);
    EditMenu::shared().choose("cut:");
    EXPECT_THAT(nameDelegate->calls, ElementsAre("change 0+5 \"\""));

    // Ending the edit hides the menu of a selection in the field.
    select(*name->input(), 0, 2);
    ASSERT_TRUE(EditMenu::shared().isMenuVisible());
    name->resignFirstResponder();
    EXPECT_FALSE(EditMenu::shared().isMenuVisible());
}

TEST_F(TextEntryTest, SecureTextIsNotCopiedAndRangesCountUtf16Units) {
    other->setSecureTextEntry(true);
    other->setText("s3cret");
    select(*other->input(), 0, 6);
    EXPECT_THAT(offered(), testing::Not(testing::Contains("copy:")));
    long changes = Pasteboard::general().changeCount();  // what screens look at to see a copy happened
    other->input()->copy(nullptr);
    EXPECT_FALSE(Pasteboard::general().string());
    EXPECT_EQ(Pasteboard::general().changeCount(), changes);

    // A character outside the basic plane takes two units; a range never splits it.
    name->setText("a\U0001F600b");
    EXPECT_EQ(name->input()->length(), 4u);
    select(*name->input(), 1, 2);
    EditMenu::shared().choose("copy:");
    EXPECT_EQ(Pasteboard::general().string(), "\U0001F600");
    EXPECT_EQ(Pasteboard::general().changeCount(), changes + 1);
    ASSERT_TRUE(name->becomeFirstResponder());
    type(*name->input(), "a\U0001F600\U0001F600b", 5);
    EXPECT_EQ(name->text(), "a\U0001F600\U0001F600b");
    EXPECT_EQ(name->selectedRange(), (TextRange{5, 0}));
}

TEST_F(TextEntryTest, ATextViewCanRefuseTheLineBreakOfTheReturnKeyAndGiveUpTheKeyboard) {
    // As the editors do: a line break ends the input and is not inserted.
    struct Editor : TextViewDelegate {
        int ended = 0;
        bool textViewShouldChangeText(TextView& view, TextRange, const std::string& text) override {
            if (text != "\n") return true;
            view.resignFirstResponder();
            return false;
        }
        void textViewDidEndEditing(TextView&) override { ++ended; }
    };
    auto editor = std::make_shared<Editor>();
    notes->setDelegate(editor);
    tap(*notes);
    ASSERT_TRUE(notes->isFirstResponder());
    EXPECT_TRUE(notes->input()->isMultiline());
    type(*notes->input(), "first", 5);
    type(*notes->input(), "first\n", 6);
    EXPECT_EQ(notes->text(), "first");
    EXPECT_FALSE(notes->isFirstResponder());
    EXPECT_FALSE(Keyboard::shared().isVisible());
    EXPECT_EQ(editor->ended, 1);

    // A text view that is not editable can be selected and copied, but not edited.
    notes->setEditable(false);
    tap(*notes);
    EXPECT_FALSE(notes->isFirstResponder());
    select(*notes->input(), 0, 5);
    EditMenu::shared().choose("copy:");
    EXPECT_EQ(Pasteboard::general().string(), "first");
}

TEST_F(TextEntryTest, AShakeGoesUpTheFirstRespondersChainOrToTheRootScreen) {
    application().shake();
    EXPECT_EQ(screen->shakes, 1);
    ASSERT_TRUE(name->becomeFirstResponder());
    application().shake();  // field, the screen's view, the screen
    EXPECT_EQ(screen->shakes, 2);
}

TEST_F(TextEntryTest, TheTabletKeyboardLiesAlongTheTurnedInterface) {
    struct Turning : ViewController {
        bool shouldAutorotateToInterfaceOrientation(InterfaceOrientation) override { return true; }
    };
    launch(Idiom::Tablet);
    window()->setRootViewController(ui::make<Turning>());
    auto field = ui::make<TextField>(Rect{20, 60, 280, 31});
    window()->addSubview(field);
    ASSERT_TRUE(field->becomeFirstResponder());
    EXPECT_EQ(Keyboard::shared().frame(), (Rect{0, 760, 768, 264}));

    application().deviceDidRotate(DeviceOrientation::LandscapeLeft);
    ASSERT_TRUE(isLandscape(application().statusBarOrientation()));
    // A strip along one long side of the portrait screen: the turned interface's bottom.
    Rect frame = Keyboard::shared().frame();
    EXPECT_EQ(frame.size, (Size{352, 1024}));
    EXPECT_TRUE(frame.minX() == 0 || frame.maxX() == 768) << frame.minX();
    EXPECT_EQ(frame.minY(), 0);
}

TEST_F(TextEntryTest, ASearchBarTellsItsDelegateAsThePersonTypesSearchesAndCancels) {
    struct Searcher : SearchBarDelegate {
        std::vector<std::string> calls;
        void searchBarTextDidBeginEditing(SearchBar&) override { calls.push_back("began"); }
        void searchBarTextDidChange(SearchBar&, const std::string& text) override {
            calls.push_back("text " + text);
        }
        void searchBarSearchButtonClicked(SearchBar& bar) override {
            calls.push_back("search " + bar.text());
            bar.resignFirstResponder();
        }
        void searchBarCancelButtonClicked(SearchBar&) override { calls.push_back("cancel"); }
        void searchBarTextDidEndEditing(SearchBar&) override { calls.push_back("ended"); }
    };
    auto searcher = std::make_shared<Searcher>();
    auto bar = ui::make<SearchBar>(Rect{0, 45, 320, SearchBar::kHeight});
    bar->setDelegate(searcher);
    bar->textField()->setReturnKeyType(ReturnKeyType::Done);
    screen->view()->addSubview(bar);
    EXPECT_TRUE(bar->cancelKey()->isHidden());

    tap(*bar->textField()->input());
    type(*bar->textField()->input(), "ge", 2);
    type(*bar->textField()->input(), "geo", 3);
    bar->setText("ignored");  // set from code: not the person's change
    bar->setText("geo");
    bar->textField()->input()->displayDidPressReturn();  // the search key, even with a "Done" caption
    EXPECT_THAT(searcher->calls, ElementsAre("began", "text ge", "text geo", "search geo", "ended"));
    EXPECT_FALSE(Keyboard::shared().isVisible());

    bar->setShowsCancelButton(true);
    ASSERT_FALSE(bar->cancelKey()->isHidden());
    EXPECT_LT(bar->textField()->frame().maxX(), bar->cancelKey()->frame().minX());
    searcher->calls.clear();
    tap(*bar->cancelKey());
    EXPECT_THAT(searcher->calls, ElementsAre("cancel"));

    // An empty search may still be sent: the return key is on without text.
    bar->setText("");
    ASSERT_TRUE(bar->becomeFirstResponder());
    EXPECT_TRUE(bar->textField()->isFirstResponder());
    bar->textField()->input()->displayDidPressReturn();
    EXPECT_THAT(searcher->calls, ElementsAre("cancel", "began", "search ", "ended"));
}

}  // namespace

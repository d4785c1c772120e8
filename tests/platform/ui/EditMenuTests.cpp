#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/ui/EditMenu.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/ViewController.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using ui::EditMenu;
using ui::MenuItem;

// An input that can copy the text selected in it.
class TextBox : public ui::View {
  public:
    static const ui::ConnectionTable& classConnections() {
        static const ui::ConnectionTable table =
            ui::ConnectionTable("TextBox", &Responder::classConnections()).action("copy:", &TextBox::copy);
        return table;
    }
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    bool canPerformAction(const std::string& action, const Sender& sender) override {
        if (action == "copy:") return !EditMenu::shared().selectedTextIn(*this).empty();
        return Responder::canPerformAction(action, sender);
    }
    void copy(const Sender&) {
        ui::Pasteboard::general().setString(EditMenu::shared().selectedTextIn(*this));
    }
};

// A page that offers no edit menu at all.
class QuietPage : public ui::View {
  public:
    bool canPerformAction(const std::string&, const Sender&) override { return false; }
};

// A screen with one item of its own that looks up the selected word, as the program's screens do:
// it copies the selection through the view that holds it, takes the word from the pasteboard,
// clears the pasteboard, and switches the view's interaction off and on to end the selection.
class Screen : public ui::ViewController {
  public:
    static const ui::ConnectionTable& classConnections() {
        static const ui::ConnectionTable table =
            ui::ConnectionTable("Screen", &ViewController::classConnections())
                .action("openDictionary:", &Screen::openDictionary);
        return table;
    }
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    bool canPerformAction(const std::string& action, const Sender&) override {
        return action == "openDictionary:";
    }

    void openDictionary(const Sender& sender) {
        for (const auto& sub : view()->subviews()) {
            if (!sub->canPerformAction("copy:", sender)) continue;
            sub->performAction("copy:", sender);
            looked = ui::Pasteboard::general().string().value_or("");
            ui::Pasteboard::general().setString(std::nullopt);
            sub->setUserInteractionEnabled(false);
            sub->setUserInteractionEnabled(true);
        }
        this->sender = sender;
    }

    std::string looked;
    Sender sender;
};

class EditMenuTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        screen = ui::make<Screen>();
        window()->addSubview(screen->view());
        box = ui::make<TextBox>(ui::Rect{10, 200, 300, 100});
        screen->view()->addSubview(box);
        menu().setMenuItems({{"Dictionary", "openDictionary:"}});
        menu().setOnSelectionEnded([this](std::uint64_t id) { ended.push_back(id); });
    }
    static EditMenu& menu() { return EditMenu::shared(); }
    static std::vector<std::string> titles(const ui::View& menuView) {
        std::vector<std::string> out;
        for (const auto& item : menuView.subviews())
            for (const auto& part : item->subviews())
                if (auto label = std::dynamic_pointer_cast<ui::Label>(part)) out.push_back(label->text());
        return out;
    }
    void tapAt(ui::Point p) {
        application().touchBegan(1, p);
        application().touchEnded(1, p);
    }

    std::shared_ptr<Screen> screen;
    std::shared_ptr<TextBox> box;
    std::vector<std::uint64_t> ended;
};

TEST_F(EditMenuTest, TheMenuOffersWhatTheChainAllowsAndAChosenItemRunsItsAction) {
    application().selectionChanged(box->elementId(), "quorum", ui::Rect{100, 30, 60, 20});
    ASSERT_TRUE(menu().isMenuVisible());
    EXPECT_THAT(menu().offeredItems(),
                testing::ElementsAre(MenuItem{"Copy", "copy:"}, MenuItem{"Dictionary", "openDictionary:"}));
    std::shared_ptr<ui::View> shown = menu().menuView();
    EXPECT_THAT(titles(*shown), testing::ElementsAre("Copy", "Dictionary"));
    // Above the selection, which is at y 20 + 200 + 30 on the screen.
    ui::Rect onScreen = shown->convertTo(shown->bounds(), nullptr);
    EXPECT_EQ(onScreen.maxY(), 250 - 10);
    EXPECT_NEAR(onScreen.midX(), 10 + 100 + 30, 1e-9);

    // A person taps "Dictionary".
    std::shared_ptr<ui::View> item = shown->subviews().back();
    tapAt(testing_support::centreInRoot(*item));
    EXPECT_EQ(screen->looked, "quorum");
    EXPECT_EQ(screen->sender, item);
    EXPECT_FALSE(ui::Pasteboard::general().string());
    // Switching the interaction off and on ended the selection here and told the display.
    EXPECT_FALSE(menu().isMenuVisible());
    EXPECT_EQ(menu().selectedView(), nullptr);
    EXPECT_THAT(ended, testing::ElementsAre(box->elementId()));
    EXPECT_TRUE(box->isUserInteractionEnabled());
}

TEST_F(EditMenuTest, AViewThatRefusesEveryActionGetsNoMenu) {
    auto page = ui::make<QuietPage>(ui::Rect{0, 0, 320, 200});
    screen->view()->addSubview(page);
    application().selectionChanged(page->elementId(), "anything", ui::Rect{10, 10, 50, 20});
    EXPECT_FALSE(menu().isMenuVisible());
    EXPECT_TRUE(menu().offeredItems().empty());
    menu().choose("openDictionary:");  // not offered, so nothing runs
    EXPECT_EQ(screen->looked, "");
}

TEST_F(EditMenuTest, ATouchElsewhereHidesTheMenuAndTheSelectionGoesWhenTheDisplaySaysSo) {
    // Near the top there is no room above: the menu goes below the selection.
    box->setFrame({10, 0, 300, 100});
    application().selectionChanged(box->elementId(), "word", ui::Rect{0, 10, 40, 20});
    ASSERT_TRUE(menu().isMenuVisible());
    ui::Rect onScreen = menu().menuView()->convertTo(menu().menuView()->bounds(), nullptr);
    EXPECT_EQ(onScreen.minY(), 20 + 30 + 10);

    tapAt({300, 470});
    EXPECT_FALSE(menu().isMenuVisible());
    EXPECT_EQ(menu().selectedView(), box);  // the selection stays until the display reports otherwise

    application().selectionChanged(box->elementId(), "", {});
    EXPECT_EQ(menu().selectedView(), nullptr);
    EXPECT_TRUE(ended.empty());  // the display ended it itself
}

}  // namespace

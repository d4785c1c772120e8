// Controls, bars and tables as interface files describe them; a grouped list whose cells come
// from their own interface file.

#include <gtest/gtest.h>

#include "platform/foundation/Paths.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"
#include "platform/ui/Nib.h"
#include "platform/ui/NibValidator.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/WebView.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

using namespace ui;
using testing_support::findByText;
using testing_support::tap;

namespace {

// A settings screen: its controls from one file, the rows of its grouped list from another.
class SettingsScreen : public ViewController, public TableViewDataSource, public TableViewDelegate {
  public:
    static const ConnectionTable& classConnections() {
        static const ConnectionTable table =
            ConnectionTable("SettingsScreen", &ViewController::classConnections())
                .outlet("toolbar", &SettingsScreen::toolbar)
                .outlet("tipsControl", &SettingsScreen::tipsControl)
                .outlet("toggle", &SettingsScreen::toggle)
                .outlet("pages", &SettingsScreen::pages)
                .outlet("dots", &SettingsScreen::dots)
                .outlet("tableView", &SettingsScreen::tableView)
                .outlet("theCell", &SettingsScreen::theCell)
                .action("done:", &SettingsScreen::done)
                .action("back:", &SettingsScreen::back)
                .action("tipsChanged:", &SettingsScreen::tipsChanged);
        return table;
    }
    const ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return "SettingsScreen"; }
    std::string cellIdentifier() const override { return "SettingsCell"; }

    void viewDidLoad() override {
        tableView->setDataSource(sharedAs<SettingsScreen>());
        tableView->setDelegate(sharedAs<SettingsScreen>());
    }

    int numberOfSections(TableView&) override { return 2; }
    int numberOfRows(TableView&, int section) override { return section == 0 ? 3 : 1; }
    std::string titleForHeader(TableView&, int section) override { return section == 0 ? "Options" : ""; }
    std::shared_ptr<TableViewCell> cellForRow(TableView& table, const IndexPath& p) override {
        auto cell = table.dequeueReusableCell(cellIdentifier());
        if (!cell) {
            Nib::load(cellIdentifier(), *this);
            cell = std::dynamic_pointer_cast<TableViewCell>(std::move(theCell));
            ++cellsLoaded;
        }
        const char* titles[] = {"Authorization", "Tips", "Sounds", "Version"};
        std::static_pointer_cast<Label>(cell->viewWithTag(3))->setText(titles[p.section * 3 + p.row]);
        std::static_pointer_cast<Label>(cell->viewWithTag(4))->setText(p.section == 0 ? "on" : "4.3");
        return cell;
    }
    void didSelectRow(TableView& table, const IndexPath& p) override {
        events.push_back("row " + std::to_string(p.section) + "." + std::to_string(p.row));
        table.deselectRow(p, false);
    }

    void done(const Sender& sender) {
        events.push_back("done");
        lastSender = sender;
    }
    void back(const Sender&) { events.push_back("back"); }
    void tipsChanged(const Sender&) {
        events.push_back("tips " + std::to_string(tipsControl->selectedSegmentIndex()));
    }

    std::shared_ptr<Toolbar> toolbar;
    std::shared_ptr<SegmentedControl> tipsControl;
    std::shared_ptr<Switch> toggle;
    std::shared_ptr<ScrollView> pages;
    std::shared_ptr<PageControl> dots;
    std::shared_ptr<TableView> tableView;
    std::shared_ptr<View> theCell;
    int cellsLoaded = 0;
    std::vector<std::string> events;
    Sender lastSender;
};

class ControlNibTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        ConnectionTable::registerOwner(SettingsScreen::classConnections());
        // A bundle of their own, beside the sample screens' files.
        fnd::Paths::setResources(std::filesystem::path(ORVA_FIXTURES) / "controls");
    }
};

}  // namespace

TEST_F(ControlNibTest, ControlsTakeTheirPropertiesAndSendTheirActionsToTheOwner) {
    auto screen = make<SettingsScreen>();
    auto root = screen->view();
    ASSERT_TRUE(screen->tipsControl);
    EXPECT_EQ(screen->tipsControl->numberOfSegments(), 2);
    EXPECT_EQ(screen->tipsControl->selectedSegmentIndex(), 1);
    EXPECT_TRUE(screen->toggle->isOn());
    EXPECT_TRUE(screen->pages->isPagingEnabled());
    EXPECT_EQ(screen->pages->contentSize(), (Size{640, 60}));
    EXPECT_TRUE(screen->dots->defersCurrentPageDisplay());
    EXPECT_EQ(screen->tableView->style(), TableViewStyle::Grouped);
    EXPECT_EQ(screen->tableView->backgroundColor(), Color::clear());
    auto image = std::dynamic_pointer_cast<ImageView>(root->viewWithTag(9));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->contentMode(), ContentMode::Center);
    auto reset = std::dynamic_pointer_cast<Button>(findByText(root, " Reset ")->superview());
    ASSERT_TRUE(reset);
    EXPECT_EQ(reset->titleColorForState(StateHighlighted), Color::rgb(1, 1, 0));
    EXPECT_EQ(reset->titleLabel()->font(), Font::boldSystem(15));

    tap(*findByText(root, "Hide"));
    tap(*reset);
    tap(*findByText(root, "Done"));
    tap(*findByText(root, "Main"));
    EXPECT_EQ(screen->events, (std::vector<std::string>{"tips 0", "done", "done", "back"}));
    auto item = std::dynamic_pointer_cast<BarButtonItem>(screen->lastSender);
    ASSERT_TRUE(item);  // the bar's key sends its item
    EXPECT_EQ(item->tag(), 7);
    EXPECT_EQ(screen->toolbar->backgroundColor(), Color::rgb(0.43, 0.70, 0.26));
}

TEST_F(ControlNibTest, GroupedListCellsComeFromTheirOwnFileAndAreReachedByTag) {
    auto screen = make<SettingsScreen>();
    auto root = screen->view();
    runFor(0.01);
    auto& table = *screen->tableView;
    EXPECT_EQ(table.rowHeight(), 50);
    auto cell = table.cellForRow({0, 1});
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->reuseIdentifier(), "SettingsCell");
    EXPECT_EQ(cell->selectionStyle(), TableViewCellSelectionStyle::Gray);
    auto title = std::dynamic_pointer_cast<Label>(cell->viewWithTag(3));
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text(), "Tips");
    EXPECT_TRUE(std::dynamic_pointer_cast<ImageView>(cell->viewWithTag(2)));
    EXPECT_EQ(cell->viewWithTag(1)->backgroundColor(), Color::whiteColor());
    // The file's views sit in the cell's content view: label -> content view -> cell.
    EXPECT_EQ(title->superview(), cell->contentView());
    EXPECT_EQ(title->superview()->superview(), cell);
    EXPECT_EQ(screen->cellsLoaded, 4);
    EXPECT_EQ(table.rectForRow({0, 0}).origin.x, 10);  // grouped: inset rows

    // A pressed row shows the highlighted colours of its labels, and the screen hears the tap.
    testing_support::Finger finger(root);
    finger.down(testing_support::centreInRoot(*cell));
    runFor(0.2);  // the list scrolls, so it waits a moment before it takes a touch as a press
    EXPECT_EQ(std::static_pointer_cast<Label>(cell->viewWithTag(4))->displayedTextColor(),
              Color::whiteColor());
    finger.up();
    EXPECT_EQ(screen->events, (std::vector<std::string>{"row 0.1"}));

    table.reloadData();  // the cells are reused, not loaded again
    EXPECT_EQ(screen->cellsLoaded, 4);
    EXPECT_EQ(std::static_pointer_cast<Label>(table.cellForRow({1, 0})->viewWithTag(3))->text(), "Version");
}

TEST_F(ControlNibTest, BadValuesAreReportedAndLeftOut) {
    EXPECT_TRUE(NibValidator::validateFolder(Nib::folder()).empty());  // the files above are sound

    Nib::Problems problems;
    auto nib = Nib::parse(R"({"owner": "SettingsScreen", "objects": [
        {"class": "SegmentedControl", "properties": {"segments": "Hide", "style": "round"}},
        {"class": "Toolbar", "properties": {"items": [{"system": "teleport"}, {"title": "Go", "colour": 1}]}},
        {"class": "TableView", "properties": {"style": "fancy"}}]})",
                          "Broken", problems);
    ASSERT_TRUE(nib);
    auto contents = nib->instantiate(nullptr, problems);
    ASSERT_EQ(contents.topLevelObjects.size(), 3u);
    std::string all;
    for (const auto& p : problems) all += p + "\n";
    EXPECT_NE(all.find("properties.style: expected \"plain\", \"bordered\" or \"bar\""), std::string::npos)
        << all;
    EXPECT_NE(all.find("items[0].system: expected \"done\""), std::string::npos) << all;
    EXPECT_NE(all.find("colour"), std::string::npos) << all;
    EXPECT_NE(all.find("\"plain\" or \"grouped\""), std::string::npos) << all;
    auto bar = std::dynamic_pointer_cast<Toolbar>(contents.topLevelObjects[1]);
    EXPECT_EQ(bar->items().size(), 2u);  // the unknown system item became a plain key
    EXPECT_EQ(std::dynamic_pointer_cast<TableView>(contents.topLevelObjects[2])->style(),
              TableViewStyle::Plain);
}

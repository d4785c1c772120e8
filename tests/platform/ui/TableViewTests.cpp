// Tables: grouped and plain layout, cells only for rows in view and their reuse, selection.

#include <gtest/gtest.h>

#include "platform/ui/Make.h"
#include "platform/ui/TableView.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

using namespace ui;
using testing_support::Finger;

namespace {

// A settings list: sections of named rows; cells made with a caption at tag 3, reused by identifier.
class Settings : public TableViewDataSource, public TableViewDelegate {
  public:
    std::vector<std::pair<std::string, std::vector<std::string>>> sections;
    int cellsMade = 0;
    int reused = 0;
    std::vector<std::string> log;
    bool refuseSelection = false;

    int numberOfSections(TableView&) override { return int(sections.size()); }
    int numberOfRows(TableView&, int s) override { return int(sections[std::size_t(s)].second.size()); }
    std::string titleForHeader(TableView&, int s) override { return sections[std::size_t(s)].first; }
    std::shared_ptr<TableViewCell> cellForRow(TableView& table, const IndexPath& p) override {
        auto cell = table.dequeueReusableCell("SettingsCell");
        if (cell) {
            ++reused;
        } else {
            ++cellsMade;
            cell = make<TableViewCell>(TableViewCellStyle::Default, "SettingsCell");
            auto caption = make<Label>(Rect{10, 10, 200, 24});
            caption->setTag(3);
            cell->contentView()->addSubview(caption);
        }
        std::static_pointer_cast<Label>(cell->viewWithTag(3))
            ->setText(sections[std::size_t(p.section)].second[std::size_t(p.row)]);
        return cell;
    }
    std::optional<IndexPath> willSelectRow(TableView&, const IndexPath& p) override {
        if (refuseSelection) return std::nullopt;
        return p;
    }
    void didSelectRow(TableView& table, const IndexPath& p) override {
        log.push_back("select " + std::to_string(p.section) + "." + std::to_string(p.row));
        table.deselectRow(p, false);  // as a settings list does
    }
    void didDeselectRow(TableView&, const IndexPath& p) override {
        log.push_back("deselect " + std::to_string(p.section) + "." + std::to_string(p.row));
    }
};

class TableViewTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        root = make<View>(Rect{0, 0, 320, 460});
        settings = std::make_shared<Settings>();
    }
    std::shared_ptr<TableView> makeTable(TableViewStyle style) {
        auto table = make<TableView>(Rect{0, 0, 320, 460}, style);
        root->addSubview(table);
        table->setDataSource(settings);
        table->setDelegate(settings);
        return table;
    }
    std::shared_ptr<View> root;
    std::shared_ptr<Settings> settings;
};

std::string caption(const std::shared_ptr<TableViewCell>& cell) {
    return cell ? std::static_pointer_cast<Label>(cell->viewWithTag(3))->text() : "(none)";
}

}  // namespace

TEST_F(TableViewTest, GroupedSectionsWithTitlesAndCellsReachedByTag) {
    settings->sections = {{"Options", {"Authorization", "Tips"}}, {"About", {"Version"}}};
    auto table = makeTable(TableViewStyle::Grouped);
    runFor(0.01);  // the table loads as it is shown
    EXPECT_EQ(table->numberOfSections(), 2);
    EXPECT_EQ(table->numberOfRows(0), 2);
    EXPECT_EQ(caption(table->cellForRow({0, 1})), "Tips");
    EXPECT_EQ(caption(table->cellForRow({1, 0})), "Version");

    // Groups are inset and follow their titles; rows of a group touch.
    Rect first = table->rectForRow({0, 0}), second = table->rectForRow({0, 1}),
         third = table->rectForRow({1, 0});
    EXPECT_EQ(first.origin.x, 10);
    EXPECT_EQ(first.size.width, 300);
    EXPECT_EQ(second.minY(), first.maxY());
    EXPECT_GT(third.minY(), second.maxY() + table->sectionHeaderHeight());
    auto title = testing_support::findByText(table, "About");
    ASSERT_TRUE(title);
    EXPECT_LT(title->frame().maxY(), third.minY() + 1e-9);
    EXPECT_GT(title->frame().minY(), second.maxY());
    EXPECT_EQ(table->contentSize().height, third.maxY() + 10);

    // A clear table with a plain background view, as a settings list has.
    table->setBackgroundColor(Color::clear());
    auto plain = make<View>();
    table->setBackgroundView(plain);
    EXPECT_EQ(plain->frame(), table->bounds());
    EXPECT_EQ(table->subviews().front(), plain);
}

TEST_F(TableViewTest, TapsSelectThroughTheDelegateWhichMayRefuse) {
    settings->sections = {{"", {"One", "Two", "Three"}}};
    auto table = makeTable(TableViewStyle::Plain);
    auto two = table->cellForRow({0, 1});
    ASSERT_TRUE(two);
    testing_support::tap(*two->viewWithTag(3));
    EXPECT_EQ(settings->log, (std::vector<std::string>{"select 0.1"}));
    EXPECT_FALSE(table->indexPathForSelectedRow());  // the list deselected it at once
    EXPECT_FALSE(two->isSelected());

    // Selected from code and then by a tap elsewhere: the old row is told it lost the selection.
    table->selectRow({0, 0}, false, TableViewScrollPosition::None);
    EXPECT_TRUE(table->cellForRow({0, 0})->isSelected());
    EXPECT_TRUE(table->cellForRow({0, 0})->textLabel()->isHighlighted());
    testing_support::tap(*table->cellForRow({0, 2}));
    EXPECT_EQ(settings->log.at(1), "deselect 0.0");
    EXPECT_EQ(settings->log.at(2), "select 0.2");

    settings->refuseSelection = true;
    testing_support::tap(*table->cellForRow({0, 0}));
    EXPECT_EQ(settings->log.size(), 3u);

    // While the finger is down the row shows it is pressed.
    settings->refuseSelection = false;
    Finger finger(root);
    finger.down(testing_support::centreInRoot(*table->cellForRow({0, 1})));
    runFor(0.3);
    EXPECT_TRUE(table->cellForRow({0, 1})->isHighlighted());
    finger.up();
    EXPECT_FALSE(table->cellForRow({0, 1})->isHighlighted());

    table->selectRow({0, 1}, false, TableViewScrollPosition::None);
    table->reloadData();  // a reload forgets the selection
    EXPECT_FALSE(table->indexPathForSelectedRow());
}

TEST_F(TableViewTest, OnlyRowsInViewHaveCellsAndScrolledOutCellsAreReused) {
    std::vector<std::string> rows;
    for (int i = 0; i < 100; ++i) rows.push_back("Deck " + std::to_string(i));
    settings->sections = {{"Decks", rows}};
    auto table = makeTable(TableViewStyle::Plain);
    table->setRowHeight(85);
    table->reloadData();
    EXPECT_EQ(table->contentSize().height, 22 + 100 * 85);
    EXPECT_EQ(table->visibleCells().size(), 6u);  // 22 + 6 x 85 > 460
    EXPECT_EQ(caption(table->cellForRow({0, 10})), "(none)");

    table->setContentOffset({0, 22 + 10 * 85});
    EXPECT_EQ(caption(table->cellForRow({0, 10})), "Deck 10");
    EXPECT_EQ(table->indexPathsForVisibleRows().front(), (IndexPath{0, 10}));
    EXPECT_LE(settings->cellsMade, 12);
    EXPECT_GT(settings->reused, 0);

    // A drag over the rows scrolls them and selects nothing.
    Finger finger(root);
    finger.down({160, 200});
    for (int i = 0; i < 10; ++i) {
        runFor(0.01);
        finger.moveBy({0, 30});
    }
    finger.up();
    runFor(1);
    EXPECT_LT(table->contentOffset().y, 22 + 10 * 85);
    EXPECT_TRUE(settings->log.empty());

    table->scrollToRow({0, 99}, TableViewScrollPosition::Bottom, false);
    EXPECT_EQ(table->contentOffset().y, table->maximumContentOffset().y);
    EXPECT_EQ(caption(table->cellForRow({0, 99})), "Deck 99");
    EXPECT_EQ(table->indexPathForRow({5, 22 + 99 * 85 + 1}), (IndexPath{0, 99}));
}

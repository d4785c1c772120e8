// Tables: grouped and plain layout, cells only for rows in view and their reuse, selection.

#include <gtest/gtest.h>

#include <set>

#include "platform/ui/Button.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableView.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

using namespace ui;
using testing_support::Finger;

namespace {

constexpr int kShadeTag = 111;

// A settings list: sections of named rows; cells made with a caption at tag 3, reused by identifier.
class Settings : public TableViewDataSource, public TableViewDelegate {
  public:
    std::vector<std::pair<std::string, std::vector<std::string>>> sections;
    int cellsMade = 0;
    int reused = 0;
    std::vector<std::string> log;
    bool refuseSelection = false;
    bool shadeByParity = false;  // odd rows grey through the cell's first subview, as lists do

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
        if (shadeByParity) {
            const auto& shade = cell->subviews().front();
            shade->setTag(kShadeTag);
            shade->setBackgroundColor(p.row % 2 ? Color::white(0.92) : Color::clear());
        }
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

// A list whose sections in `withView` get a header view with a button (tag 50 + section) that
// notes its taps.
class HeaderViews : public Settings {
  public:
    std::set<int> withView;
    double headerHeight = -1;
    int made = 0;
    std::vector<int> tapped;
    std::shared_ptr<View> viewForHeader(TableView&, int s) override {
        if (!withView.contains(s)) return nullptr;
        ++made;
        auto header = make<View>();
        header->setBackgroundColor(Color::white(0.8));
        auto button = Button::withType(ButtonType::RoundedRect);
        button->setFrame({220, 1, 90, 20});
        button->setTag(50 + s);
        button->addAction(ControlEventTouchUpInside,
                          [this, s](const std::shared_ptr<Control>&) { tapped.push_back(s); });
        header->addSubview(button);
        return header;
    }
    double heightForHeader(TableView&, int) override { return headerHeight; }
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

std::vector<std::string> rowsNamed(const std::string& name, int count) {
    std::vector<std::string> rows;
    for (int i = 0; i < count; ++i) rows.push_back(name + " " + std::to_string(i));
    return rows;
}

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

TEST_F(TableViewTest, HeaderViewsTakeTheHeaderHeightEvenWithoutTitleAndTheirButtonsTakeTaps) {
    auto headers = std::make_shared<HeaderViews>();
    settings = headers;
    headers->sections = {
        {"", rowsNamed("Set", 3)}, {"Tips", rowsNamed("Tip", 2)}, {"", rowsNamed("Other", 2)}};
    headers->withView = {0, 1};
    auto table = makeTable(TableViewStyle::Plain);
    runFor(0.01);  // the table shows its rows at the end of the turn
    auto first = table->viewWithTag(50)->superview();
    EXPECT_EQ(first->frame(), (Rect{0, 0, 320, 22}));
    EXPECT_EQ(table->rectForRow({0, 0}).minY(), 22);
    // The view stands in for the title; a section with neither has no header.
    EXPECT_FALSE(testing_support::findByText(table, "Tips"));
    EXPECT_EQ(table->viewWithTag(51)->superview()->frame(), (Rect{0, 22 + 3 * 44, 320, 22}));
    EXPECT_EQ(table->rectForRow({2, 0}).minY(), 2 * 22 + 5 * 44);

    testing_support::tap(*table->viewWithTag(51));
    EXPECT_EQ(headers->tapped, (std::vector<int>{1}));
    EXPECT_TRUE(headers->log.empty());  // no row was selected

    // The delegate's height holds for views too; a reload asks for new views.
    headers->headerHeight = 40;
    table->reloadData();
    EXPECT_EQ(headers->made, 4);
    EXPECT_FALSE(first->superview());
    EXPECT_EQ(table->viewWithTag(50)->superview()->frame(), (Rect{0, 0, 320, 40}));
    EXPECT_EQ(table->rectForRow({2, 0}).minY(), 3 * 40 + 5 * 44);
}

TEST_F(TableViewTest, PlainHeadersStayAtTheTopWhileTheirRowsPassAndGoUpWithTheLast) {
    auto headers = std::make_shared<HeaderViews>();
    settings = headers;
    headers->sections = {{"", rowsNamed("Set", 20)}, {"Tips", rowsNamed("Tip", 20)}};
    headers->withView = {0};
    auto table = makeTable(TableViewStyle::Plain);
    runFor(0.01);
    auto header = table->viewWithTag(50)->superview();
    auto title = testing_support::findByText(table, "Tips")->superview();
    double secondTop = 22 + 20 * 44;
    table->setContentOffset({0, 100});
    EXPECT_EQ(header->frame().minY(), 100);
    EXPECT_EQ(title->frame().minY(), secondTop);
    // The first section's end pushes its header up; the next one takes the top.
    table->setContentOffset({0, secondTop - 10});
    EXPECT_EQ(header->frame().minY(), secondTop - 22);
    table->setContentOffset({0, secondTop + 300});
    EXPECT_EQ(title->frame().minY(), secondTop + 300);
    // Rows go under the headers, and a tap on the header's button reaches it, not a row.
    auto subs = table->subviews();
    EXPECT_GT(std::find(subs.begin(), subs.end(), title) - subs.begin(),
              std::find(subs.begin(), subs.end(), table->visibleCells().front()) - subs.begin());
    table->setContentOffset({0, 100});
    testing_support::tap(*table->viewWithTag(50));
    EXPECT_EQ(headers->tapped, (std::vector<int>{0}));
    EXPECT_TRUE(headers->log.empty());

    // A grouped table's headers scroll with their rows.
    auto grouped = makeTable(TableViewStyle::Grouped);
    runFor(0.01);
    grouped->setContentOffset({0, 100});
    EXPECT_EQ(grouped->viewWithTag(50)->superview()->frame().minY(), 10);
    EXPECT_EQ(grouped->indexPathForCell(*grouped->visibleCells().front()), (IndexPath{0, 1}));
}

TEST_F(TableViewTest, TheCellsFirstSubviewIsAVisibleBackgroundUnderTheSelectionAndFollowsReuse) {
    settings->sections = {{"Decks", rowsNamed("Deck", 60)}};
    settings->shadeByParity = true;
    auto table = makeTable(TableViewStyle::Plain);
    runFor(0.01);
    auto fresh = make<TableViewCell>(TableViewCellStyle::Default, "Plain");
    EXPECT_EQ(fresh->subviews().front(), fresh->backgroundView());
    EXPECT_EQ(fresh->backgroundView()->backgroundColor(), Color::clear());

    auto shadeOf = [](const std::shared_ptr<TableViewCell>& cell) {
        auto shade = cell->viewWithTag(kShadeTag);
        EXPECT_FALSE(shade->isHidden());
        EXPECT_EQ(shade->frame(), cell->bounds());
        return shade->backgroundColor();
    };
    table->setContentOffset({0, 30 * 44});  // cells of the first rows are used again for these
    EXPECT_GT(settings->reused, 0);
    for (const auto& path : table->indexPathsForVisibleRows())
        EXPECT_EQ(shadeOf(table->cellForRow(path)), path.row % 2 ? Color::white(0.92) : Color::clear())
            << path.row;

    // The selection shows over the shade, and the content over both.
    auto cell = table->cellForRow({0, 31});
    table->selectRow(*table->indexPathForCell(*cell), false, TableViewScrollPosition::None);
    const auto& layers = cell->subviews();
    EXPECT_EQ(layers.at(0), cell->backgroundView());
    EXPECT_FALSE(layers.at(1)->isHidden());  // the selection's colour
    EXPECT_EQ(layers.at(2), cell->contentView());
    EXPECT_EQ(shadeOf(cell), Color::white(0.92));
}

// Editing tables: swipe-to-delete, edit mode with its controls, moving rows, rows that go and come
// with animations, and the section index.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "platform/ui/Make.h"
#include "platform/ui/TableView.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

using namespace ui;
using testing::ElementsAre;
using testing_support::Finger;
using testing_support::tap;

namespace {

// A list of names in one section that commits edits as the screens do: the name goes or comes,
// then the table is told.
class Names : public TableViewDataSource, public TableViewDelegate {
  public:
    std::vector<std::string> names;
    std::vector<std::string> log;
    std::set<std::string> fixed;  // rows that cannot be edited (as a built-in entry)
    bool movable = false;
    TableViewRowAnimation deletion = TableViewRowAnimation::Fade;
    std::function<TableViewCellEditingStyle(const IndexPath&)> styleFor;

    int numberOfRows(TableView&, int) override { return int(names.size()); }
    std::shared_ptr<TableViewCell> cellForRow(TableView& table, const IndexPath& p) override {
        auto cell = table.dequeueReusableCell("name");
        if (!cell) cell = make<TableViewCell>(TableViewCellStyle::Default, "name");
        cell->textLabel()->setText(names[std::size_t(p.row)]);
        return cell;
    }
    bool canEditRow(TableView&, const IndexPath& p) override {
        return !fixed.contains(names[std::size_t(p.row)]);
    }
    bool canMoveRow(TableView&, const IndexPath&) override { return movable; }
    TableViewCellEditingStyle editingStyleForRow(TableView&, const IndexPath& p) override {
        return styleFor ? styleFor(p) : TableViewCellEditingStyle::Delete;
    }
    void commitEditingStyle(TableView& table, TableViewCellEditingStyle style, const IndexPath& p) override {
        if (style == TableViewCellEditingStyle::Delete) {
            log.push_back("delete " + names[std::size_t(p.row)]);
            names.erase(names.begin() + p.row);
            table.deleteRows({p}, deletion);
        } else {
            log.push_back("insert at " + std::to_string(p.row));
            names.insert(names.begin() + p.row, "New");
            table.insertRows({p}, TableViewRowAnimation::Right);
        }
    }
    void moveRow(TableView&, const IndexPath& from, const IndexPath& to) override {
        log.push_back("move " + std::to_string(from.row) + " to " + std::to_string(to.row));
        std::string name = names[std::size_t(from.row)];
        names.erase(names.begin() + from.row);
        names.insert(names.begin() + to.row, name);
    }
    void didSelectRow(TableView&, const IndexPath& p) override {
        log.push_back("select " + std::to_string(p.row));
    }
};

class TableEditingTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        root = make<View>(Rect{0, 0, 320, 460});
        list = std::make_shared<Names>();
        list->names = {"Alpha", "Bravo", "Charlie", "Delta", "Echo"};
        table = make<TableView>(Rect{0, 0, 320, 460});
        root->addSubview(table);
        table->setDataSource(list);
        table->setDelegate(list);
        table->reloadData();
    }

    // The names of the rows in view, top to bottom, as the cells show them.
    std::vector<std::string> shown() const {
        std::vector<std::pair<double, std::string>> rows;
        for (const auto& cell : table->visibleCells())
            rows.emplace_back(cell->frame().minY(), cell->textLabel()->text());
        std::sort(rows.begin(), rows.end());
        std::vector<std::string> out;
        for (auto& [y, name] : rows) out.push_back(name);
        return out;
    }
    Point middleOfRow(int row) const {
        Rect r = table->rectForRow({0, row});
        return {r.midX(), r.midY() - table->contentOffset().y};
    }
    // A sideways swipe across a row, in `steps` moves.
    void swipe(int row, double dx, int steps = 4) {
        Finger finger(root);
        finger.down(middleOfRow(row));
        finger.moveBy({dx, 0}, steps);
        finger.up();
    }

    std::shared_ptr<View> root;
    std::shared_ptr<Names> list;
    std::shared_ptr<TableView> table;
};

TEST_F(TableEditingTest, ASwipeAcrossARowAsksToConfirmAndTheDeleteButtonDeletesIt) {
    swipe(1, -80);
    ASSERT_EQ(table->rowConfirmingDeletion(), (IndexPath{0, 1}));
    auto cell = table->cellForRow({0, 1});
    ASSERT_TRUE(cell->showingDeleteConfirmation());
    EXPECT_FALSE(cell->deleteConfirmationButton()->isHidden());
    EXPECT_TRUE(list->log.empty());  // nothing selected, nothing deleted yet

    tap(*cell->deleteConfirmationButton());
    EXPECT_THAT(list->log, ElementsAre("delete Bravo"));
    EXPECT_EQ(table->rowConfirmingDeletion(), std::nullopt);
    // The row fades while the rows below glide up into its place.
    EXPECT_TRUE(cell->isAnimating(AnimatedProperty::Alpha));
    auto charlie = table->cellForRow({0, 1});
    ASSERT_TRUE(charlie);
    EXPECT_EQ(charlie->textLabel()->text(), "Charlie");
    EXPECT_TRUE(charlie->isAnimating(AnimatedProperty::Center));
    runFor(0.3);
    EXPECT_EQ(cell->superview(), nullptr);
    EXPECT_THAT(shown(), ElementsAre("Alpha", "Charlie", "Delta", "Echo"));
    EXPECT_EQ(charlie->frame().minY(), 44);
}

TEST_F(TableEditingTest, ATapElsewherePutsTheDeleteButtonAwayAndRowsThatCannotBeEditedDoNotSwipe) {
    list->fixed = {"Alpha"};
    swipe(0, 80);  // a row that cannot be deleted takes it as a tap
    EXPECT_EQ(table->rowConfirmingDeletion(), std::nullopt);
    swipe(2, 15);  // too short to be a swipe
    EXPECT_EQ(table->rowConfirmingDeletion(), std::nullopt);
    EXPECT_THAT(list->log, ElementsAre("select 0", "select 2"));

    swipe(3, 60);
    ASSERT_EQ(table->rowConfirmingDeletion(), (IndexPath{0, 3}));
    tap(*table->cellForRow({0, 4}));  // puts the button away, selects nothing
    EXPECT_EQ(table->rowConfirmingDeletion(), std::nullopt);
    EXPECT_FALSE(table->cellForRow({0, 3})->showingDeleteConfirmation());
    EXPECT_THAT(list->log, ElementsAre("select 0", "select 2"));
}

TEST_F(TableEditingTest, AQuickSwipeInATableThatScrollsIsNotTakenForATap) {
    for (int i = 0; i < 20; ++i) list->names.push_back("More " + std::to_string(i));
    table->reloadData();
    swipe(2, -90, 2);  // both moves come before the content would be given the touch
    EXPECT_EQ(table->rowConfirmingDeletion(), (IndexPath{0, 2}));
    EXPECT_TRUE(list->log.empty());
    EXPECT_EQ(table->contentOffset().y, 0);

    // A drag up and down still scrolls.
    Finger finger(root);
    finger.down(middleOfRow(4));
    finger.moveBy({0, -100}, 5);
    finger.up();
    EXPECT_GT(table->contentOffset().y, 50);
    EXPECT_EQ(table->rowConfirmingDeletion(), std::nullopt);
}

TEST_F(TableEditingTest, EditModeDeletesThroughTheMinusAndTheDeleteButton) {
    list->fixed = {"Alpha"};
    table->setEditing(true, true);
    auto alpha = table->cellForRow({0, 0});
    auto bravo = table->cellForRow({0, 1});
    EXPECT_TRUE(bravo->isEditing());
    ASSERT_TRUE(bravo->editingControl());
    EXPECT_FALSE(bravo->editingControl()->isHidden());
    EXPECT_TRUE(!alpha->editingControl() || alpha->editingControl()->isHidden());
    EXPECT_TRUE(bravo->contentView()->isAnimating(AnimatedProperty::Center));  // the content moves right
    runFor(0.3);
    EXPECT_EQ(bravo->contentView()->frame().minX(), 38);

    tap(*bravo);  // no selection while editing
    EXPECT_TRUE(list->log.empty());
    tap(*bravo->editingControl());
    EXPECT_EQ(table->rowConfirmingDeletion(), (IndexPath{0, 1}));
    list->deletion = TableViewRowAnimation::Right;
    tap(*bravo->deleteConfirmationButton());
    EXPECT_THAT(list->log, ElementsAre("delete Bravo"));
    EXPECT_GT(bravo->presentedCenter(loop->now() + 0.15).x, 160);  // sliding out to the right
    runFor(0.3);
    EXPECT_THAT(shown(), ElementsAre("Alpha", "Charlie", "Delta", "Echo"));
    EXPECT_TRUE(table->cellForRow({0, 1})->isEditing());

    table->setAllowsSelectionDuringEditing(true);
    tap(*table->cellForRow({0, 2}));
    EXPECT_THAT(list->log, ElementsAre("delete Bravo", "select 2"));

    table->setEditing(false, false);
    EXPECT_FALSE(table->cellForRow({0, 1})->isEditing());
    EXPECT_EQ(table->cellForRow({0, 1})->contentView()->frame().minX(), 0);
}

TEST_F(TableEditingTest, ARowOfTheInsertStyleInsertsWithItsPlus) {
    list->styleFor = [this](const IndexPath& p) {
        return p.row + 1 == int(list->names.size()) ? TableViewCellEditingStyle::Insert
                                                    : TableViewCellEditingStyle::Delete;
    };
    table->setEditing(true, false);
    auto last = table->cellForRow({0, 4});
    EXPECT_EQ(last->editingStyle(), TableViewCellEditingStyle::Insert);
    EXPECT_EQ(last->editingControl()->titleForState(StateNormal), "+");
    tap(*last->editingControl());
    EXPECT_THAT(list->log, ElementsAre("insert at 4"));
    auto added = table->cellForRow({0, 4});
    ASSERT_TRUE(added);
    EXPECT_EQ(added->textLabel()->text(), "New");
    EXPECT_TRUE(added->isAnimating(AnimatedProperty::Center));  // coming in from the right
    runFor(0.3);
    EXPECT_THAT(shown(), ElementsAre("Alpha", "Bravo", "Charlie", "Delta", "New", "Echo"));
}

TEST_F(TableEditingTest, ARowDraggedByItsGripMovesAndTheDataSourceIsTold) {
    list->movable = true;
    table->setEditing(true, false);
    auto alpha = table->cellForRow({0, 0});
    ASSERT_FALSE(alpha->reorderControl()->isHidden());
    Finger finger(root);
    finger.down(testing_support::centreInRoot(*alpha->reorderControl()));
    finger.moveBy({0, 2 * 44 + 10}, 6);
    // The rows it passed have made room above it.
    EXPECT_EQ(table->cellForRow({0, 1})->frame().minY(), 0);
    finger.up();
    EXPECT_THAT(list->log, ElementsAre("move 0 to 2"));
    runFor(0.3);
    EXPECT_THAT(shown(), ElementsAre("Bravo", "Charlie", "Alpha", "Delta", "Echo"));
    EXPECT_EQ(table->cellForRow({0, 2}), alpha);
    EXPECT_EQ(alpha->frame().minY(), 88);

    // Exactly one row up is far enough, also at once in a table that scrolls (the grip does not
    // wait to see whether the finger scrolls).
    for (int i = 0; i < 20; ++i) list->names.push_back("More " + std::to_string(i));
    table->reloadData();
    finger.down(testing_support::centreInRoot(*table->cellForRow({0, 2})->reorderControl()));
    finger.moveBy({0, -44}, 4);
    finger.up();
    EXPECT_THAT(list->log, ElementsAre("move 0 to 2", "move 2 to 1"));
    EXPECT_EQ(table->contentOffset().y, 0);
}

TEST_F(TableEditingTest, ReloadingARowAsksForItsCellAgainWithOrWithoutAFade) {
    list->names[3] = "Dingo";
    table->reloadRows({{0, 3}}, TableViewRowAnimation::None);
    EXPECT_THAT(shown(), ElementsAre("Alpha", "Bravo", "Charlie", "Dingo", "Echo"));
    EXPECT_FALSE(table->cellForRow({0, 3})->isAnimating(AnimatedProperty::Alpha));

    auto before = table->cellForRow({0, 1});
    list->names[1] = "Bison";
    table->reloadRows({{0, 1}}, TableViewRowAnimation::Fade);
    auto after = table->cellForRow({0, 1});
    EXPECT_NE(after, before);  // the old one fades out while the new one fades in
    EXPECT_EQ(after->textLabel()->text(), "Bison");
    EXPECT_TRUE(after->isAnimating(AnimatedProperty::Alpha));
    EXPECT_TRUE(before->isAnimating(AnimatedProperty::Alpha));
    runFor(0.3);
    EXPECT_EQ(before->superview(), nullptr);
    EXPECT_THAT(shown(), ElementsAre("Alpha", "Bison", "Charlie", "Dingo", "Echo"));
}

// Questions in groups of 20, with an index of each group's first number.
class Groups : public TableViewDataSource {
  public:
    int numberOfSections(TableView&) override { return 3; }
    int numberOfRows(TableView&, int) override { return 20; }
    std::string titleForHeader(TableView&, int s) override { return "#" + std::to_string(20 * s + 1); }
    std::shared_ptr<TableViewCell> cellForRow(TableView& table, const IndexPath& p) override {
        auto cell = table.dequeueReusableCell("q");
        if (!cell) cell = make<TableViewCell>(TableViewCellStyle::Default, "q");
        cell->textLabel()->setText(std::to_string(20 * p.section + p.row + 1));
        return cell;
    }
    std::vector<std::string> sectionIndexTitles(TableView&) override { return {"1", "21", "41"}; }
};

TEST_F(TableEditingTest, TheSectionIndexShowsItsTitlesAndATouchOnOneShowsItsSection) {
    auto groups = std::make_shared<Groups>();
    table->setDataSource(groups);
    table->reloadData();
    auto index = table->sectionIndex();
    ASSERT_TRUE(index);
    EXPECT_THAT(index->titles(), ElementsAre("1", "21", "41"));
    EXPECT_EQ(index->frame().maxX(), 320);

    Finger finger(root);
    Point at = testing_support::centreInRoot(*index);
    finger.down(at);  // the middle title
    finger.up();
    double sectionTop = table->rectForRow({1, 0}).minY() - table->sectionHeaderHeight();
    EXPECT_EQ(table->contentOffset().y, sectionTop);
    // The index stays in place over the scrolled rows and above them.
    EXPECT_EQ(index->frame().minY(), table->contentOffset().y);
    EXPECT_EQ(table->subviews().back(), index);

    finger.down(at);  // dragging along the index: each title passed shows its section
    finger.moveBy({0, SectionIndex::kTitleHeight}, 2);
    finger.up();
    EXPECT_EQ(table->contentOffset().y,
              std::min(table->rectForRow({2, 0}).minY() - table->sectionHeaderHeight(),
                       table->maximumContentOffset().y));
}

}  // namespace

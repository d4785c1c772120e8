// The table's editing: deleting and inserting rows through their controls or a swipe, rows that go,
// come and change from code, and moving a row by its grip.

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include "platform/ui/Animation.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Touch.h"

namespace ui {

namespace {
constexpr double kRowAnimationDuration = 0.3;
constexpr double kSwipeDistance = 30;  // sideways, at least twice as far as up or down
constexpr double kReorderGlideDuration = 0.2;
}  // namespace

// ---- Editing

void TableView::setEditing(bool editing, bool animated) {
    confirmDeletion(std::nullopt);
    if (editing == editing_) return;
    editing_ = editing;
    for (auto& [path, cell] : visible_) configureEditing(*cell, path, animated);
}

void TableView::configureEditing(TableViewCell& cell, const IndexPath& p, bool animated) {
    auto source = dataSource();
    auto delegate = tableDelegate();
    bool editable = source && source->canEditRow(*this, p);
    TableViewCellEditingStyle style = !editable  ? TableViewCellEditingStyle::None
                                      : delegate ? delegate->editingStyleForRow(*this, p)
                                                 : TableViewCellEditingStyle::Delete;
    bool indents = delegate ? delegate->shouldIndentWhileEditingRow(*this, p) : true;
    bool movable = source && source->canMoveRow(*this, p);
    // Out of edit mode only a row that confirms a swiped deletion shows anything.
    cell.setEditing(editing_, style, indents, movable, animated);
    cell.setShowingDeleteConfirmation(confirming_ == p, animated);
    std::weak_ptr<TableView> weak = sharedAs<TableView>();
    TableViewCell* raw = &cell;
    cell.setEditingHandlers(
        [weak, raw] {
            auto table = weak.lock();
            std::optional<IndexPath> path = table ? table->indexPathForCell(*raw) : std::nullopt;
            if (!path) return;
            if (raw->editingStyle() == TableViewCellEditingStyle::Insert)
                table->commit(TableViewCellEditingStyle::Insert, *path);
            else
                table->confirmDeletion(table->confirming_ == path ? std::nullopt : path);
        },
        [weak, raw] {
            auto table = weak.lock();
            if (auto path = table ? table->indexPathForCell(*raw) : std::nullopt)
                table->commit(TableViewCellEditingStyle::Delete, *path);
        });
}

bool TableView::canSwipeDelete(const IndexPath& p) {
    auto source = dataSource();
    if (editing_ || !source || !isValid(p) || !source->canEditRow(*this, p)) return false;
    auto delegate = tableDelegate();
    return !delegate || delegate->editingStyleForRow(*this, p) == TableViewCellEditingStyle::Delete;
}

bool TableView::swiped(const Touch& touch) {
    if (touchUsed_ || &touch != rowTouch_) return false;
    Point moved = fingerAt(touch) - rowTouchStart_;
    if (std::abs(moved.x) < kSwipeDistance || std::abs(moved.x) < 2 * std::abs(moved.y)) return false;
    auto cell = cellHit(touch);
    std::optional<IndexPath> path = cell ? indexPathForCell(*cell) : std::nullopt;
    if (!path || !canSwipeDelete(*path)) return false;
    touchUsed_ = true;
    confirmDeletion(path);
    return true;
}

void TableView::confirmDeletion(std::optional<IndexPath> p) {
    if (p == confirming_) return;
    std::optional<IndexPath> old = confirming_;
    confirming_ = p;
    for (const auto& path : {old, p})
        if (path)
            if (auto cell = cellForRow(*path)) configureEditing(*cell, *path, true);
}

void TableView::commit(TableViewCellEditingStyle style, const IndexPath& p) {
    std::shared_ptr<View> keep = sharedAs<View>();
    confirmDeletion(std::nullopt);
    if (auto source = dataSource()) source->commitEditingStyle(*this, style, p);
}

// ---- Rows that go, come and change

void TableView::deleteRows(const std::vector<IndexPath>& paths, TableViewRowAnimation animation) {
    changeRows(
        [&paths](const IndexPath& p) -> std::optional<IndexPath> {
            int before = 0;
            for (const IndexPath& gone : paths) {
                if (gone == p) return std::nullopt;
                if (gone.section == p.section && gone.row < p.row) ++before;
            }
            return IndexPath{p.section, p.row - before};
        },
        {}, animation);
}

void TableView::insertRows(const std::vector<IndexPath>& paths, TableViewRowAnimation animation) {
    std::vector<IndexPath> sorted = paths;
    std::sort(sorted.begin(), sorted.end());
    changeRows(
        [&sorted](const IndexPath& p) -> std::optional<IndexPath> {
            int row = p.row;
            for (const IndexPath& added : sorted)
                if (added.section == p.section && added.row <= row) ++row;
            return IndexPath{p.section, row};
        },
        paths, animation);
}

void TableView::reloadRows(const std::vector<IndexPath>& paths, TableViewRowAnimation animation) {
    changeRows(
        [&paths](const IndexPath& p) -> std::optional<IndexPath> {
            if (std::find(paths.begin(), paths.end(), p) != paths.end()) return std::nullopt;
            return p;
        },
        paths, animation);
}

void TableView::changeRows(const std::function<std::optional<IndexPath>(const IndexPath&)>& renumber,
                           const std::vector<IndexPath>& arrived, TableViewRowAnimation animation) {
    if (!loaded_) return reloadData();
    std::shared_ptr<View> keep = sharedAs<View>();
    confirmDeletion(std::nullopt);
    std::map<IndexPath, std::shared_ptr<TableViewCell>> kept;
    for (auto& [path, cell] : visible_) {
        if (std::optional<IndexPath> now = renumber(path))
            kept[*now] = cell;
        else
            animateOut(cell, animation);
    }
    visible_ = std::move(kept);
    if (selected_) selected_ = renumber(*selected_);
    measure();
    updateSectionIndex();
    bool animated = animation != TableViewRowAnimation::None;
    if (animated) {
        Animation::begin("TableViewRows");
        Animation::setDuration(kRowAnimationDuration);
    }
    for (auto& [path, cell] : std::map(visible_)) {
        if (!isValid(path)) {
            visible_.erase(path);
            animateOut(cell, TableViewRowAnimation::None);
            continue;
        }
        placeCell(*cell, path);
        configureEditing(*cell, path, false);
    }
    if (animated) Animation::commit();
    fillVisibleRows();
    if (!animated) return;
    // The rows that came in start where the animation says and move into place.
    for (const IndexPath& p : arrived) {
        auto cell = cellForRow(p);
        if (!cell) continue;
        Point home = cell->center();
        putAside(*cell, animation);
        Animation::begin("TableViewRowIn");
        Animation::setDuration(kRowAnimationDuration);
        cell->setCenter(home);
        cell->setAlpha(1);
        Animation::commit();
    }
}

// Where a row that comes or goes is out of sight: a table's width to the side, or faded out.
void TableView::putAside(TableViewCell& cell, TableViewRowAnimation animation) const {
    double width = bounds().size.width;
    Point c = cell.center();
    if (animation == TableViewRowAnimation::Right)
        cell.setCenter({c.x + width, c.y});
    else if (animation == TableViewRowAnimation::Left)
        cell.setCenter({c.x - width, c.y});
    else
        cell.setAlpha(0);
}

void TableView::animateOut(std::shared_ptr<TableViewCell> cell, TableViewRowAnimation animation) {
    auto finish = [weak = std::weak_ptr<TableView>(sharedAs<TableView>()), cell] {
        cell->removeFromSuperview();
        cell->setAlpha(1);
        cell->setHighlighted(false);
        cell->setSelected(false);
        auto table = weak.lock();
        if (table && !cell->reuseIdentifier().empty())
            table->reusable_[cell->reuseIdentifier()].push_back(cell);
    };
    if (animation == TableViewRowAnimation::None) return finish();
    cell->setUserInteractionEnabled(false);
    Animation::begin("TableViewRowOut");
    Animation::setDuration(kRowAnimationDuration);
    putAside(*cell, animation);
    Animation::setCompletion([finish, cell](bool) {
        cell->setUserInteractionEnabled(true);
        finish();
    });
    Animation::commit();
}

// ---- Moving a row by its grip

bool TableView::startReorder(const Touch& touch) {
    auto cell = cellHit(touch);
    auto view = touch.view();
    if (!cell || !cell->reorderControl() || cell->reorderControl()->isHidden() || !view ||
        !view->isDescendantOf(cell->reorderControl().get()))
        return false;
    std::optional<IndexPath> path = indexPathForCell(*cell);
    if (!path) return false;
    reorder_ = Reorder{cell, *path, *path, touch.locationIn(this).y, cell->frame().minY()};
    bringSubviewToFront(cell.get());
    cell->setAlpha(0.85);
    return true;
}

void TableView::continueReorder(const Touch& touch) {
    Reorder& r = *reorder_;
    const Section& section = sections_[std::size_t(r.from.section)];
    double height = section.rowHeights[std::size_t(r.from.row)];
    double first = section.top;
    double last = section.rowTops.back() + section.rowHeights.back() - height;
    double top = std::clamp(r.cellTop + touch.locationIn(this).y - r.grabY, first, last);
    r.cell->setCenter({r.cell->center().x, top + height / 2});
    // The row it would land on: the farthest one whose middle its middle has reached.
    int to = r.from.row;
    double middle = top + height / 2;
    for (std::size_t i = 0; i < section.rowTops.size(); ++i) {
        double rowMiddle = section.rowTops[i] + section.rowHeights[i] / 2;
        if (int(i) > r.from.row && middle >= rowMiddle) to = int(i);
        if (int(i) < r.from.row && middle <= rowMiddle && to == r.from.row) to = int(i);
    }
    if (to == r.to.row) return;
    r.to.row = to;
    // The rows between make room, gliding up or down by the moving row's height.
    Animation::begin("TableViewReorder");
    Animation::setDuration(kReorderGlideDuration);
    for (auto& [p, c] : visible_) {
        if (c == r.cell || p.section != r.from.section) continue;
        Rect home = rectForRow(p);
        double shift = 0;
        if (r.from.row < p.row && p.row <= to) shift = -height;
        if (to <= p.row && p.row < r.from.row) shift = height;
        c->setFrame(home.offsetBy(0, shift));
    }
    Animation::commit();
}

void TableView::endReorder(bool cancelled) {
    Reorder r = *reorder_;
    reorder_.reset();
    r.cell->setAlpha(1);
    std::shared_ptr<View> keep = sharedAs<View>();
    unsigned reloads = reloads_;
    if (!cancelled && r.to != r.from)
        if (auto source = dataSource()) source->moveRow(*this, r.from, r.to);
    if (reloads != reloads_) return;  // the data source showed its rows anew itself
    // The rows take their places in the new order.
    changeRows(
        [&r, cancelled](const IndexPath& p) -> std::optional<IndexPath> {
            if (cancelled || p.section != r.from.section) return p;
            if (p == r.from) return r.to;
            if (r.from.row < p.row && p.row <= r.to.row) return IndexPath{p.section, p.row - 1};
            if (r.to.row <= p.row && p.row < r.from.row) return IndexPath{p.section, p.row + 1};
            return p;
        },
        {}, TableViewRowAnimation::Fade);
}

}  // namespace ui

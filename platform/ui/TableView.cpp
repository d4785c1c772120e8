#include "platform/ui/TableView.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/NibProperties.h"
#include "platform/ui/Touch.h"

namespace ui {

namespace {
constexpr double kGroupedPadding = 10;  // above and below each group
const Color kGroupedBackground = Color::rgb(0.77, 0.80, 0.84);
const Color kPlainHeader = Color::rgb(0.55, 0.62, 0.70);
const Color kGroupedTitle = Color::rgb(0.30, 0.34, 0.42);
}  // namespace

void TableView::init(const Rect& frame) { init(frame, TableViewStyle::Plain); }

void TableView::init(const Rect& frame, TableViewStyle style) {
    ScrollView::init(frame);
    applyStyle(style);
}

void TableView::applyStyle(TableViewStyle style) {
    style_ = style;
    if (style == TableViewStyle::Grouped) {
        headerHeight_ = 36;
        setBackgroundColor(kGroupedBackground);
    } else {
        headerHeight_ = 22;
        setBackgroundColor(Color::whiteColor());
    }
}

void TableView::setDataSource(std::weak_ptr<TableViewDataSource> dataSource) {
    dataSource_ = std::move(dataSource);
    // Rows load when first asked for, or at the end of this turn, as the table is shown.
    std::weak_ptr<TableView> weak = sharedAs<TableView>();
    fnd::RunLoop::main().post([weak] {
        if (auto self = weak.lock(); self && !self->loaded_) self->reloadData();
    });
}

void TableView::setDelegate(std::weak_ptr<TableViewDelegate> delegate) {
    tableDelegate_ = delegate;
    ScrollView::setDelegate(std::weak_ptr<ScrollViewDelegate>(delegate.lock()));
}

void TableView::setRowHeight(double height) {
    if (height > 0) rowHeight_ = height;
}

void TableView::setSectionHeaderHeight(double height) {
    if (height >= 0) headerHeight_ = height;
}

void TableView::setSeparatorColor(const Color& color) {
    separatorColor_ = color;
    for (auto& [path, cell] : visible_) placeCell(*cell, path);
}

void TableView::setBackgroundView(std::shared_ptr<View> view) {
    if (backgroundView_) backgroundView_->removeFromSuperview();
    backgroundView_ = std::move(view);
    if (!backgroundView_) return;
    backgroundView_->setUserInteractionEnabled(false);
    insertSubview(backgroundView_, 0);
    backgroundView_->setFrame(bounds());
}

double TableView::rowX() const {
    if (style_ == TableViewStyle::Plain) return 0;
    return bounds().size.width >= 700 ? 45 : 10;
}

// A plain table's rows leave the section index its strip.
double TableView::rowWidth() const {
    double width = bounds().size.width - 2 * rowX();
    if (style_ == TableViewStyle::Plain && sectionIndex()) width -= SectionIndex::kWidth;
    return std::max(0.0, width);
}

// ---- Loading

void TableView::ensureLoaded() const {
    if (!loaded_) const_cast<TableView*>(this)->reloadData();
}

void TableView::reloadData() {
    loaded_ = true;
    ++reloads_;
    for (auto& [path, cell] : std::map(visible_)) enqueue(path);
    selected_.reset();
    confirming_.reset();
    headerViewsLoaded_ = false;
    measure();
    updateSectionIndex();
    fillVisibleRows();
}

// Where every header and row goes: the data source's counts and the delegate's heights. The
// delegate's header views are asked for after a reload only; later measures keep them.
void TableView::measure() {
    removeSectionViews();
    sections_.clear();
    auto source = dataSource();
    auto delegate = tableDelegate();
    bool grouped = style_ == TableViewStyle::Grouped;
    int count = source ? std::max(0, source->numberOfSections(*this)) : 0;
    if (!headerViewsLoaded_) {
        headerViews_.clear();
        for (int s = 0; s < count; ++s)
            headerViews_.push_back(delegate ? delegate->viewForHeader(*this, s) : nullptr);
        headerViewsLoaded_ = true;
    }
    double y = 0;
    for (int s = 0; s < count; ++s) {
        Section section;
        section.title = source->titleForHeader(*this, s);
        if (std::size_t(s) < headerViews_.size()) section.headerView = headerViews_[std::size_t(s)];
        double header = delegate ? delegate->heightForHeader(*this, s) : -1;
        // A header view shows at the header height even without a title.
        if (header < 0) header = section.title.empty() && !section.headerView ? 0 : headerHeight_;
        section.headerTop = y + (grouped ? kGroupedPadding : 0);
        section.headerHeight = header;
        y = section.headerTop + header;
        section.top = y;
        int rows = std::max(0, source->numberOfRows(*this, s));
        for (int r = 0; r < rows; ++r) {
            double h = delegate ? delegate->heightForRow(*this, {s, r}) : -1;
            if (h < 0) h = rowHeight_;
            section.rowTops.push_back(y);
            section.rowHeights.push_back(h);
            y += h;
        }
        if (grouped) y += kGroupedPadding;
        sections_.push_back(std::move(section));
    }
    setContentSize({bounds().size.width, y});
    buildSectionViews();
}

void TableView::removeSectionViews() {
    for (auto& section : sections_) {
        if (section.header) section.header->removeFromSuperview();
        if (section.group) section.group->removeFromSuperview();
    }
}

// Group boxes go behind the rows, headers in front.
void TableView::buildSectionViews() {
    bool grouped = style_ == TableViewStyle::Grouped;
    std::size_t behind = backgroundView_ ? 1 : 0;
    for (auto& section : sections_) {
        if (grouped && !section.rowTops.empty()) {
            section.group = makeGroupBox(section);
            insertSubview(section.group, behind++);
        }
        if (section.headerHeight <= 0) continue;
        if (section.headerView)
            section.header = section.headerView;
        else if (!section.title.empty())
            section.header = makeTitleHeader(section);
        else
            continue;
        addSubview(section.header);
    }
    placeHeaders();
}

// Headers span the table at their section's top. In a plain table a header stays at the top of
// the view while its section's rows pass under it, and goes up with the section's last row.
void TableView::placeHeaders() {
    double offset = contentOffset().y;
    for (const Section& section : sections_) {
        if (!section.header) continue;
        if (section.headerView)
            section.header->setFrame({0, section.headerTop, bounds().size.width, section.headerHeight});
        if (style_ == TableViewStyle::Plain) stick(section, *section.header, offset);
    }
}

void TableView::stick(const Section& section, View& header, double offset) {
    double end = section.rowTops.empty() ? section.top : section.rowTops.back() + section.rowHeights.back();
    double top = std::max(section.headerTop, std::min(offset, end - section.headerHeight));
    Rect frame = header.frame();
    header.setFrame({frame.origin.x, top, frame.size.width, frame.size.height});
}

std::shared_ptr<View> TableView::makeGroupBox(const Section& section) {
    auto group = make<View>();
    double height = section.rowTops.back() + section.rowHeights.back() - section.top;
    group->setFrame({rowX(), section.top, rowWidth(), height});
    group->setBackgroundColor(Color::whiteColor());
    group->setCornerRadius(10);
    group->setBorderWidth(1);
    group->setBorderColor(Color::white(0.67));
    group->setUserInteractionEnabled(false);
    return group;
}

// A grouped table's title stands above its group; a plain table's sits in a bar across the table.
std::shared_ptr<View> TableView::makeTitleHeader(const Section& section) {
    bool grouped = style_ == TableViewStyle::Grouped;
    auto title = make<Label>();
    title->setText(section.title);
    title->setFont(Font::boldSystem(grouped ? 17 : 18));
    title->setBackgroundColor(Color::clear());
    if (grouped) {
        title->setTextColor(kGroupedTitle);
        title->setShadowColor(Color::whiteColor());
        title->setFrame({rowX() + 10, section.headerTop, rowWidth() - 20, section.headerHeight});
        return title;
    }
    title->setTextColor(Color::whiteColor());
    auto bar = make<View>(Rect{0, section.headerTop, bounds().size.width, section.headerHeight});
    bar->setBackgroundColor(kPlainHeader);
    bar->setUserInteractionEnabled(false);
    title->setFrame({12, 0, bounds().size.width - 24, section.headerHeight});
    bar->addSubview(title);
    return bar;
}

bool TableView::isValid(const IndexPath& p) const {
    return p.section >= 0 && p.section < int(sections_.size()) && p.row >= 0 &&
           p.row < int(sections_[std::size_t(p.section)].rowTops.size());
}

int TableView::numberOfRows(int section) const {
    ensureLoaded();
    if (section < 0 || section >= int(sections_.size())) return 0;
    return int(sections_[std::size_t(section)].rowTops.size());
}

Rect TableView::rectForRow(const IndexPath& p) const {
    ensureLoaded();
    if (!isValid(p)) return {};
    const Section& s = sections_[std::size_t(p.section)];
    return {rowX(), s.rowTops[std::size_t(p.row)], rowWidth(), s.rowHeights[std::size_t(p.row)]};
}

std::optional<IndexPath> TableView::indexPathForRow(Point point) const {
    ensureLoaded();
    for (std::size_t s = 0; s < sections_.size(); ++s)
        for (std::size_t r = 0; r < sections_[s].rowTops.size(); ++r) {
            IndexPath p{int(s), int(r)};
            if (rectForRow(p).contains(point)) return p;
        }
    return std::nullopt;
}

void TableView::placeCell(TableViewCell& cell, const IndexPath& p) const {
    cell.setFrame(rectForRow(p));
    bool lastInGroup = style_ == TableViewStyle::Grouped &&
                       p.row + 1 == int(sections_[std::size_t(p.section)].rowTops.size());
    cell.setSeparator(separatorColor_, !lastInGroup);
}

void TableView::enqueue(const IndexPath& p) {
    auto it = visible_.find(p);
    if (it == visible_.end()) return;
    std::shared_ptr<TableViewCell> cell = it->second;
    visible_.erase(it);
    cell->removeFromSuperview();
    cell->setHighlighted(false);
    cell->setShowingDeleteConfirmation(false, false);
    if (!cell->reuseIdentifier().empty()) reusable_[cell->reuseIdentifier()].push_back(cell);
}

std::shared_ptr<TableViewCell> TableView::dequeueReusableCell(const std::string& identifier) {
    auto it = reusable_.find(identifier);
    if (it == reusable_.end() || it->second.empty()) return nullptr;
    std::shared_ptr<TableViewCell> cell = it->second.back();
    it->second.pop_back();
    cell->setSelected(false);
    cell->prepareForReuse();
    return cell;
}

// Rows go under the section headers and the index.
std::size_t TableView::firstHeaderIndex() const {
    const auto& subs = subviews();
    for (std::size_t i = 0; i < subs.size(); ++i) {
        if (index_ && subs[i] == index_) return i;
        for (const auto& section : sections_)
            if (section.header == subs[i]) return i;
    }
    return subs.size();
}

void TableView::fillVisibleRows() {
    if (filling_) return;
    filling_ = true;
    auto source = dataSource();
    Rect view = bounds();
    for (auto& [path, cell] : std::map(visible_))
        if (!isValid(path) || !rectForRow(path).intersects(view)) enqueue(path);
    for (std::size_t s = 0; source && s < sections_.size(); ++s)
        for (std::size_t r = 0; r < sections_[s].rowTops.size(); ++r) {
            IndexPath p{int(s), int(r)};
            Rect rect = rectForRow(p);
            if (rect.minY() >= view.maxY()) break;
            if (!rect.intersects(view) || visible_.contains(p)) continue;
            std::shared_ptr<TableViewCell> cell = source->cellForRow(*this, p);
            if (!cell) continue;
            if (style_ == TableViewStyle::Grouped) cell->setBackgroundColor(Color::clear());
            placeCell(*cell, p);
            cell->setSelected(selected_ == p);
            configureEditing(*cell, p, false);
            visible_[p] = cell;
            insertSubview(cell, firstHeaderIndex());  // rows go under the headers
        }
    filling_ = false;
}

std::shared_ptr<TableViewCell> TableView::cellForRow(const IndexPath& p) const {
    ensureLoaded();
    auto it = visible_.find(p);
    return it == visible_.end() ? nullptr : it->second;
}

std::vector<IndexPath> TableView::indexPathsForVisibleRows() const {
    ensureLoaded();
    std::vector<IndexPath> paths;
    for (const auto& [path, cell] : visible_) paths.push_back(path);
    return paths;
}

std::vector<std::shared_ptr<TableViewCell>> TableView::visibleCells() const {
    ensureLoaded();
    std::vector<std::shared_ptr<TableViewCell>> cells;
    for (const auto& [path, cell] : visible_) cells.push_back(cell);
    return cells;
}

void TableView::contentOffsetChanged() {
    if (backgroundView_) backgroundView_->setFrame(bounds());
    placeSectionIndex();
    placeHeaders();
    if (isDragging() && confirming_) confirmDeletion(std::nullopt);
    if (loaded_) fillVisibleRows();
}

void TableView::layoutSubviews() {
    ScrollView::layoutSubviews();
    if (backgroundView_) backgroundView_->setFrame(bounds());
    placeSectionIndex();
    if (!loaded_) return;
    measure();
    if (index_) bringSubviewToFront(index_.get());
    for (auto& [path, cell] : visible_) placeCell(*cell, path);
    fillVisibleRows();
}

// ---- Selection

void TableView::selectRow(const IndexPath& p, bool, TableViewScrollPosition position) {
    ensureLoaded();
    if (!isValid(p)) return;
    if (selected_) deselectRow(*selected_, false);
    selected_ = p;
    if (auto cell = cellForRow(p)) cell->setSelected(true);
    if (position != TableViewScrollPosition::None) scrollToRow(p, position, false);
}

void TableView::deselectRow(const IndexPath& p, bool) {
    if (selected_ != p) return;
    selected_.reset();
    if (auto cell = cellForRow(p)) cell->setSelected(false);
}

void TableView::scrollToRow(const IndexPath& p, TableViewScrollPosition position, bool animated) {
    Rect row = rectForRow(p);
    if (row.isEmpty()) return;
    double height = bounds().size.height;
    double y = contentOffset().y;
    switch (position) {
        case TableViewScrollPosition::Top:
            y = row.minY();
            break;
        case TableViewScrollPosition::Middle:
            y = row.midY() - height / 2;
            break;
        case TableViewScrollPosition::Bottom:
            y = row.maxY() - height;
            break;
        case TableViewScrollPosition::None:
            scrollRectToVisible(row, animated);
            return;
    }
    y = std::clamp(y, 0.0, maximumContentOffset().y);
    setContentOffset({contentOffset().x, y}, animated);
}

std::shared_ptr<TableViewCell> TableView::cellHit(const Touch& touch) const {
    for (auto v = touch.view(); v; v = v->superview()) {
        if (v.get() == this) return nullptr;
        auto cell = std::dynamic_pointer_cast<TableViewCell>(v);
        if (cell && cell->superview().get() == this) return cell;
    }
    return nullptr;
}

Point TableView::fingerAt(const Touch& touch) const { return touch.locationIn(superview().get()); }

// A grip or the index takes its touch at once and keeps it: a drag there does not scroll.
bool TableView::onGripOrIndex(const Touch& touch) const {
    auto view = touch.view();
    if (!view) return false;
    if (index_ && view->isDescendantOf(index_.get())) return true;
    auto cell = cellHit(touch);
    return cell && cell->reorderControl() && view->isDescendantOf(cell->reorderControl().get());
}

void TableView::contentTouchBegan(const Touch& touch) {
    ScrollView::contentTouchBegan(touch);
    rowTouch_ = &touch;
    rowTouchStart_ = fingerAt(touch);
    touchUsed_ = false;
    announced_ = true;
    immediate_ = onGripOrIndex(touch);
}

double TableView::contentTouchDelay() const { return immediate_ ? 0 : ScrollView::contentTouchDelay(); }

bool TableView::takesOverTouch(const Touch& touch) {
    if (reorder_ || onGripOrIndex(touch)) return false;
    if (swiped(touch)) return true;
    return ScrollView::takesOverTouch(touch);
}

void TableView::touchesBegan(const Touches& touches) {
    const auto& touch = touches.front();
    // A touch the table watched from its start keeps where it began (and what it did meanwhile).
    if (!announced_ || touch.get() != rowTouch_) {
        rowTouch_ = touch.get();
        rowTouchStart_ = fingerAt(*touch);
        touchUsed_ = false;
    }
    announced_ = false;
    auto cell = cellHit(*touch);
    // A new touch anywhere puts away a delete button that shows, and does nothing else.
    if (confirming_ && !touchUsed_) {
        confirmDeletion(std::nullopt);
        touchUsed_ = true;
        if (cell) return;
    }
    if (cell && editing_ && startReorder(*touch)) return;
    bool selectable = allowsSelection_ && (!editing_ || allowsSelectionDuringEditing_);
    if (!cell || touchUsed_ || !selectable) {
        if (!cell) return ScrollView::touchesBegan(touches);
        return;
    }
    pressed_ = cell;
    if (cell->selectionStyle() != TableViewCellSelectionStyle::None) cell->setHighlighted(true);
}

void TableView::touchesMoved(const Touches& touches) {
    const auto& touch = touches.front();
    if (reorder_) return continueReorder(*touch);
    if (touch->view().get() == this) return ScrollView::touchesMoved(touches);
    if (!swiped(*touch)) return;
    if (auto cell = pressed_.lock()) cell->setHighlighted(false);
    pressed_.reset();
}

void TableView::touchesCancelled(const Touches& touches) {
    if (reorder_) return endReorder(true);
    auto cell = pressed_.lock();
    if (!cell) return ScrollView::touchesCancelled(touches);
    pressed_.reset();
    cell->setHighlighted(false);
}

void TableView::touchesEnded(const Touches& touches) {
    if (reorder_) return endReorder(false);
    auto cell = pressed_.lock();
    if (!cell) {
        if (touches.front()->view().get() == this) ScrollView::touchesEnded(touches);
        return;
    }
    pressed_.reset();
    cell->setHighlighted(false);
    std::optional<IndexPath> path = indexPathForCell(*cell);
    if (!path) return;
    std::shared_ptr<View> keep = sharedAs<View>();
    auto delegate = tableDelegate();
    std::optional<IndexPath> chosen = delegate ? delegate->willSelectRow(*this, *path) : path;
    if (!chosen || !isValid(*chosen)) return;
    if (selected_ && *selected_ != *chosen) {
        IndexPath old = *selected_;
        deselectRow(old, false);
        if (delegate) delegate->didDeselectRow(*this, old);
    }
    selectRow(*chosen, false, TableViewScrollPosition::None);
    if (delegate) delegate->didSelectRow(*this, *chosen);
}

std::optional<IndexPath> TableView::indexPathForCell(const TableViewCell& cell) const {
    for (const auto& [p, c] : visible_)
        if (c.get() == &cell) return p;
    return std::nullopt;
}

// ---- The section index

std::shared_ptr<SectionIndex> TableView::sectionIndex() const {
    return index_ && !index_->isHidden() ? index_ : nullptr;
}

void TableView::updateSectionIndex() {
    auto source = dataSource();
    std::vector<std::string> titles = source ? source->sectionIndexTitles(*this) : std::vector<std::string>{};
    if (titles.empty() && !index_) return;
    if (!index_) {
        index_ = make<SectionIndex>();
        std::weak_ptr<TableView> weak = sharedAs<TableView>();
        index_->setOnChoose([weak](int i) {
            auto table = weak.lock();
            auto source = table ? table->dataSource() : nullptr;
            if (!source) return;
            const auto& titles = table->index_->titles();
            int section = source->sectionForSectionIndexTitle(*table, titles[std::size_t(i)], i);
            if (section < 0 || section >= int(table->sections_.size())) return;
            const Section& s = table->sections_[std::size_t(section)];
            double y = std::clamp(s.headerTop, 0.0, table->maximumContentOffset().y);
            table->setContentOffset({table->contentOffset().x, y});
        });
        addSubview(index_);
    }
    if (titles != index_->titles()) index_->setTitles(std::move(titles));
    bringSubviewToFront(index_.get());
    placeSectionIndex();
}

void TableView::placeSectionIndex() {
    if (!index_) return;
    Rect b = bounds();
    index_->setFrame({b.maxX() - SectionIndex::kWidth, b.minY(), SectionIndex::kWidth, b.size.height});
}

void TableView::applyNibProperties(TableView& table, NibProperties& p) {
    static constexpr std::array<std::pair<TableViewStyle, const char*>, 2> kStyles{{
        {TableViewStyle::Plain, "plain"},
        {TableViewStyle::Grouped, "grouped"},
    }};
    // The style first: it brings its own colours and header height, which the file may change.
    if (auto v = p.choice("style", kStyles)) table.applyStyle(*v);
    if (auto v = p.color("backgroundColor")) table.setBackgroundColor(*v);
    if (auto v = p.number("rowHeight")) table.setRowHeight(*v);
    if (auto v = p.number("sectionHeaderHeight")) table.setSectionHeaderHeight(*v);
    if (auto v = p.color("separatorColor")) table.setSeparatorColor(*v);
    if (auto v = p.boolean("allowsSelection")) table.setAllowsSelection(*v);
}

}  // namespace ui

#pragma once
// A table: rows in sections, one column, in a scroll view. Plain tables run their rows the full
// width under bar-like section headers, which stay at the top while their rows pass under them;
// grouped tables draw each section as a rounded group with its title above. The delegate may give
// a view of its own for a section's header. Rows come from the data source as cells, only for the rows in
// view; a cell that scrolls out of view waits, under its reuse identifier, to be dequeued for another row. A
// tap on a row selects it (the delegate may refuse) and tells the delegate.
//
// Editing. Rows whose data source says they can be edited are deleted by a sideways swipe across
// them (a delete button asks to confirm) or, in edit mode, through the control on their left; in
// edit mode rows of the insert style insert with a tap on theirs, and rows that can move are
// dragged by the grip on their right. The data source commits each edit (updating its rows and
// telling the table, for example with deleteRows); a move it makes itself in moveRow. Rows deleted,
// inserted or reloaded from code go and come with an animation while the others glide to their new
// places. A data source with section index titles gets an index down the right edge.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/IndexPath.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SectionIndex.h"
#include "platform/ui/TableViewCell.h"

namespace ui {

class NibProperties;

class TableView;

enum class TableViewStyle { Plain, Grouped };
enum class TableViewScrollPosition { None, Top, Middle, Bottom };
// Numbered as stored values expect.
enum class TableViewRowAnimation { Fade = 0, Right = 1, Left = 2, Top = 3, Bottom = 4, None = 5, Middle = 6 };

class TableViewDataSource {
  public:
    virtual ~TableViewDataSource() = default;
    virtual int numberOfSections(TableView&) { return 1; }
    virtual int numberOfRows(TableView&, int section) = 0;
    virtual std::shared_ptr<TableViewCell> cellForRow(TableView&, const IndexPath& indexPath) = 0;
    // No header when empty.
    virtual std::string titleForHeader(TableView&, int /*section*/) { return {}; }

    // A data source whose rows can be deleted or inserted says which and commits the edits; by
    // default no row can be edited (no swipe, no control in edit mode).
    virtual bool canEditRow(TableView&, const IndexPath&) { return false; }
    virtual void commitEditingStyle(TableView&, TableViewCellEditingStyle, const IndexPath&) {}
    // Likewise for rows that can be moved (within their section) by their grip in edit mode.
    virtual bool canMoveRow(TableView&, const IndexPath&) { return false; }
    virtual void moveRow(TableView&, const IndexPath& /*from*/, const IndexPath& /*to*/) {}

    // The section index's titles (none: no index), and the section a title shows.
    virtual std::vector<std::string> sectionIndexTitles(TableView&) { return {}; }
    virtual int sectionForSectionIndexTitle(TableView&, const std::string& /*title*/, int index) {
        return index;
    }
};

class TableViewDelegate : public ScrollViewDelegate {
  public:
    // The row's height; a negative height means the table's rowHeight.
    virtual double heightForRow(TableView&, const IndexPath&) { return -1; }
    // A negative height means the table's section header height, used only where the section has
    // a title or a header view.
    virtual double heightForHeader(TableView&, int /*section*/) { return -1; }
    // A view to show as the section's header instead of its title; none for the title. It spans
    // the table at the header height, takes touches and, in a plain table, stays at the top while
    // its section's rows scroll under it. Asked for again by reloadData.
    virtual std::shared_ptr<View> viewForHeader(TableView&, int /*section*/) { return nullptr; }
    // The row to select instead, or none to refuse the selection.
    virtual std::optional<IndexPath> willSelectRow(TableView&, const IndexPath& indexPath) {
        return indexPath;
    }
    virtual void didSelectRow(TableView&, const IndexPath&) {}
    virtual void didDeselectRow(TableView&, const IndexPath&) {}
    // Of a row the data source lets edit.
    virtual TableViewCellEditingStyle editingStyleForRow(TableView&, const IndexPath&) {
        return TableViewCellEditingStyle::Delete;
    }
    virtual bool shouldIndentWhileEditingRow(TableView&, const IndexPath&) { return true; }
};

class TableView : public ScrollView {
  public:
    using ScrollView::init;
    // A plain table.
    void init(const Rect& frame) override;
    void init(const Rect& frame, TableViewStyle style);

    TableViewStyle style() const { return style_; }
    std::shared_ptr<TableViewDataSource> dataSource() const { return dataSource_.lock(); }
    void setDataSource(std::weak_ptr<TableViewDataSource> dataSource);
    std::shared_ptr<TableViewDelegate> tableDelegate() const { return tableDelegate_.lock(); }
    // Also the scroll view's delegate.
    void setDelegate(std::weak_ptr<TableViewDelegate> delegate);

    double rowHeight() const { return rowHeight_; }
    void setRowHeight(double height);
    double sectionHeaderHeight() const { return headerHeight_; }
    void setSectionHeaderHeight(double height);
    const Color& separatorColor() const { return separatorColor_; }
    void setSeparatorColor(const Color& color);
    bool allowsSelection() const { return allowsSelection_; }
    void setAllowsSelection(bool on) { allowsSelection_ = on; }
    bool allowsSelectionDuringEditing() const { return allowsSelectionDuringEditing_; }
    void setAllowsSelectionDuringEditing(bool on) { allowsSelectionDuringEditing_ = on; }

    // Edit mode: every row shows its editing control and grip; animated, they slide in.
    bool isEditing() const { return editing_; }
    void setEditing(bool editing, bool animated);
    // The row whose delete button shows (after a swipe or a tap on its minus); none when none.
    std::optional<IndexPath> rowConfirmingDeletion() const { return confirming_; }

    // The data source has already dropped / added / changed these rows.
    void deleteRows(const std::vector<IndexPath>& indexPaths, TableViewRowAnimation animation);
    void insertRows(const std::vector<IndexPath>& indexPaths, TableViewRowAnimation animation);
    void reloadRows(const std::vector<IndexPath>& indexPaths, TableViewRowAnimation animation);
    // The index of section titles; null while the data source gives none.
    std::shared_ptr<SectionIndex> sectionIndex() const;
    // A view behind the rows that stays in place when they scroll; null for none.
    const std::shared_ptr<View>& backgroundView() const { return backgroundView_; }
    void setBackgroundView(std::shared_ptr<View> view);

    // Asks the data source for everything again.
    void reloadData();
    std::shared_ptr<TableViewCell> dequeueReusableCell(const std::string& identifier);
    // The cell of a row in view; null for a row out of view.
    std::shared_ptr<TableViewCell> cellForRow(const IndexPath& indexPath) const;
    // The row of a cell in view; none for a cell that is not.
    std::optional<IndexPath> indexPathForCell(const TableViewCell& cell) const;
    std::vector<IndexPath> indexPathsForVisibleRows() const;
    std::vector<std::shared_ptr<TableViewCell>> visibleCells() const;
    int numberOfSections() const { return int(sections_.size()); }
    int numberOfRows(int section) const;
    // Content coordinates.
    Rect rectForRow(const IndexPath& indexPath) const;
    std::optional<IndexPath> indexPathForRow(Point contentPoint) const;

    std::optional<IndexPath> indexPathForSelectedRow() const { return selected_; }
    // From code: the delegate is not told.
    void selectRow(const IndexPath& indexPath, bool animated, TableViewScrollPosition position);
    void deselectRow(const IndexPath& indexPath, bool animated);
    void scrollToRow(const IndexPath& indexPath, TableViewScrollPosition position, bool animated);

    void touchesBegan(const Touches& touches) override;
    void touchesMoved(const Touches& touches) override;
    void touchesEnded(const Touches& touches) override;
    void touchesCancelled(const Touches& touches) override;
    void layoutSubviews() override;
    void contentTouchBegan(const Touch& touch) override;
    double contentTouchDelay() const override;
    bool takesOverTouch(const Touch& touch) override;

    // Interface-file properties: "style" ("plain", "grouped"), "rowHeight", "sectionHeaderHeight",
    // "separatorColor", "allowsSelection".
    static void applyNibProperties(TableView& table, NibProperties& properties);

  protected:
    void contentOffsetChanged() override;

  private:
    void ensureLoaded() const;
    struct Section {
        std::string title;
        double headerTop = 0, headerHeight = 0;
        double top = 0;  // of the first row
        std::vector<double> rowTops, rowHeights;
        std::shared_ptr<View> headerView;  // the delegate's, or null
        std::shared_ptr<View> header;      // what shows: the header view or the title's
        std::shared_ptr<View> group;       // the rounded box behind a grouped section's rows
    };
    void applyStyle(TableViewStyle style);
    double rowX() const;
    double rowWidth() const;
    bool isValid(const IndexPath& indexPath) const;
    void measure();
    void removeSectionViews();
    void buildSectionViews();
    std::shared_ptr<View> makeGroupBox(const Section& section);
    std::shared_ptr<View> makeTitleHeader(const Section& section);
    void placeHeaders();
    void stick(const Section& section, View& header, double offset);
    void fillVisibleRows();
    std::size_t firstHeaderIndex() const;
    void enqueue(const IndexPath& indexPath);
    void placeCell(TableViewCell& cell, const IndexPath& indexPath) const;
    std::shared_ptr<TableViewCell> cellHit(const Touch& touch) const;
    bool onGripOrIndex(const Touch& touch) const;

    // Editing.
    void configureEditing(TableViewCell& cell, const IndexPath& indexPath, bool animated);
    bool canSwipeDelete(const IndexPath& indexPath);
    // A sideways swipe of the touch across a row that may be deleted: shows its delete button.
    bool swiped(const Touch& touch);
    void confirmDeletion(std::optional<IndexPath> indexPath);
    void commit(TableViewCellEditingStyle style, const IndexPath& indexPath);
    Point fingerAt(const Touch& touch) const;

    // Rows that went, came or changed: the cells left glide from their rows (old numbering) to
    // where `renumber` puts them; `gone` cells leave and the rows `arrived` come in animated.
    void changeRows(const std::function<std::optional<IndexPath>(const IndexPath&)>& renumber,
                    const std::vector<IndexPath>& arrived, TableViewRowAnimation animation);
    void animateOut(std::shared_ptr<TableViewCell> cell, TableViewRowAnimation animation);
    void putAside(TableViewCell& cell, TableViewRowAnimation animation) const;

    // Moving a row by its grip.
    bool startReorder(const Touch& touch);
    void continueReorder(const Touch& touch);
    void endReorder(bool cancelled);

    void updateSectionIndex();
    void placeSectionIndex();
    TableViewStyle style_ = TableViewStyle::Plain;
    std::weak_ptr<TableViewDataSource> dataSource_;
    std::weak_ptr<TableViewDelegate> tableDelegate_;
    double rowHeight_ = 44;
    double headerHeight_ = 22;
    Color separatorColor_ = Color::white(0.88);
    bool allowsSelection_ = true;
    std::shared_ptr<View> backgroundView_;
    std::vector<Section> sections_;
    std::vector<std::shared_ptr<View>> headerViews_;  // the delegate's, by section
    bool headerViewsLoaded_ = false;
    std::map<IndexPath, std::shared_ptr<TableViewCell>> visible_;
    std::map<std::string, std::vector<std::shared_ptr<TableViewCell>>> reusable_;
    std::optional<IndexPath> selected_;
    std::weak_ptr<TableViewCell> pressed_;
    bool filling_ = false;
    bool loaded_ = false;

    bool allowsSelectionDuringEditing_ = false;
    bool editing_ = false;
    std::optional<IndexPath> confirming_;
    // The touch on the rows: where it began (coordinates that do not scroll) and whether it is used
    // up (it hid a delete button or swiped): such a touch selects nothing.
    const Touch* rowTouch_ = nullptr;
    Point rowTouchStart_;
    bool touchUsed_ = false;
    bool announced_ = false;  // rowTouch_ came through contentTouchBegan and has not begun yet
    bool immediate_ = false;  // it began on a grip or the index
    struct Reorder {
        std::shared_ptr<TableViewCell> cell;
        IndexPath from, to;
        double grabY = 0;    // the finger's content y when it took the grip
        double cellTop = 0;  // the row's top then
    };
    std::optional<Reorder> reorder_;
    unsigned reloads_ = 0;
    std::shared_ptr<SectionIndex> index_;
};

}  // namespace ui

#pragma once
// A table: rows in sections, one column, in a scroll view. Plain tables run their rows the full
// width under bar-like section headers; grouped tables draw each section as a rounded group with
// its title above. Rows come from the data source as cells, only for the rows in view; a cell
// that scrolls out of view waits, under its reuse identifier, to be dequeued for another row.
// A tap on a row selects it (the delegate may refuse) and tells the delegate.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/IndexPath.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TableViewCell.h"

namespace ui {

class NibProperties;

class TableView;

enum class TableViewStyle { Plain, Grouped };
enum class TableViewScrollPosition { None, Top, Middle, Bottom };

class TableViewDataSource {
  public:
    virtual ~TableViewDataSource() = default;
    virtual int numberOfSections(TableView&) { return 1; }
    virtual int numberOfRows(TableView&, int section) = 0;
    virtual std::shared_ptr<TableViewCell> cellForRow(TableView&, const IndexPath& indexPath) = 0;
    // No header when empty.
    virtual std::string titleForHeader(TableView&, int /*section*/) { return {}; }
};

class TableViewDelegate : public ScrollViewDelegate {
  public:
    // Negative: the table's row height.
    virtual double heightForRow(TableView&, const IndexPath&) { return -1; }
    // Negative: the table's section header height (used only where there is a title).
    virtual double heightForHeader(TableView&, int /*section*/) { return -1; }
    // The row to select instead, or none to refuse the selection.
    virtual std::optional<IndexPath> willSelectRow(TableView&, const IndexPath& indexPath) {
        return indexPath;
    }
    virtual void didSelectRow(TableView&, const IndexPath&) {}
    virtual void didDeselectRow(TableView&, const IndexPath&) {}
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
    // A view behind the rows that stays in place when they scroll; null for none.
    const std::shared_ptr<View>& backgroundView() const { return backgroundView_; }
    void setBackgroundView(std::shared_ptr<View> view);

    // Asks the data source for everything again.
    void reloadData();
    std::shared_ptr<TableViewCell> dequeueReusableCell(const std::string& identifier);
    // The cell of a row in view; null for a row out of view.
    std::shared_ptr<TableViewCell> cellForRow(const IndexPath& indexPath) const;
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
        std::shared_ptr<View> header;
        std::shared_ptr<View> group;  // the rounded box behind a grouped section's rows
    };
    void applyStyle(TableViewStyle style);
    double rowX() const;
    double rowWidth() const;
    bool isValid(const IndexPath& indexPath) const;
    void measure();
    void fillVisibleRows();
    std::size_t firstHeaderIndex() const;
    void enqueue(const IndexPath& indexPath);
    void placeCell(TableViewCell& cell, const IndexPath& indexPath) const;
    std::shared_ptr<TableViewCell> cellHit(const Touch& touch) const;

    TableViewStyle style_ = TableViewStyle::Plain;
    std::weak_ptr<TableViewDataSource> dataSource_;
    std::weak_ptr<TableViewDelegate> tableDelegate_;
    double rowHeight_ = 44;
    double headerHeight_ = 22;
    Color separatorColor_ = Color::white(0.88);
    bool allowsSelection_ = true;
    std::shared_ptr<View> backgroundView_;
    std::vector<Section> sections_;
    std::map<IndexPath, std::shared_ptr<TableViewCell>> visible_;
    std::map<std::string, std::vector<std::shared_ptr<TableViewCell>>> reusable_;
    std::optional<IndexPath> selected_;
    std::weak_ptr<TableViewCell> pressed_;
    bool filling_ = false;
    bool loaded_ = false;
};

}  // namespace ui

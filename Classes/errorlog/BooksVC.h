#pragma once
// The error log's tool screen: the six official-guide books, each row with its cover, names, page
// count and a bar of right, wrong, unscored and unanswered questions. A row opens the book's
// sections. Closing the tool saves the tracker's data and lets the home screen refresh its
// statistics. While the tool is open the device does not lock, so questions can be timed.

#include <memory>
#include <string>

#include "Classes/core/ToolViewController.h"
#include "Classes/errorlog/AnswerBar.h"
#include "platform/ui/TableView.h"

class BookVC;
class MBook;
namespace ui {
class Label;
class Font;
}  // namespace ui

class BooksVC : public ToolViewController, public ui::TableViewDataSource, public ui::TableViewDelegate {
  public:
    static constexpr const char* kCellIdentifier = "any-cell";
    static constexpr int kShadeTag = 111;
    enum Tag { kShortNameTag = 200, kFullNameTag = 201, kPagesTag = 202 };

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    // The owner tables of every error-log screen, for the interface-file checks.
    static void registerOwners();

    std::string nibIdentifier() const override { return "BooksView"; }

    using ToolViewController::init;
    void init() override;
    // The tracker's data as the tool's, and the home screen's statistics refreshed on leaving.
    void preSetup();
    void viewDidLoad() override;
    void back() override;

    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;

    void bookNotifications(const fnd::Notification& notification);
    // The concept cloud and the text backup, each a child screen closed by its "Done".
    void showCloud(const Sender& sender);
    void showBooksIE(const Sender& sender);
    void childNotifications(const fnd::Notification& notification);
    void doneClick(const Sender& sender);

    const std::shared_ptr<ui::TableView>& booksTV() const { return booksTV_; }
    const std::shared_ptr<BookVC>& bookVC() const { return bookVC_; }
    const std::shared_ptr<CommonViewController>& childVC() const { return childVC_; }

    // A new row ("any-cell"): its first subview tagged kShadeTag, no text of its own, a grey selection.
    static std::shared_ptr<ui::TableViewCell> newRowCell();
    // Shades odd rows grey and even rows white, behind the row's texts.
    static void shadeRow(ui::TableViewCell& cell, int row);
    // A text of a new row, and its text and place at each render.
    static std::shared_ptr<ui::Label> addRowLabel(ui::View& content, int tag, const ui::Rect& frame,
                                                  const ui::Font& font);
    static void setRowLabel(ui::View& cell, int tag, const std::string& text, const ui::Rect& frame);
    // The home screen's view's width in whole points: the tablet's bars stretch with it.
    static double homeWidth();

  protected:
    // The places of a row's texts and bar; the tablet's differ.
    struct RowLayout {
        double rowHeight;
        ui::Rect shortName, fullName, pages;
        double pagesFontSize;
        AnswerBar bar;
    };
    virtual RowLayout rowLayout() const;
    virtual std::shared_ptr<BookVC> makeBookVC(const std::shared_ptr<MBook>& book) const;
    void setupTV();

  private:
    std::shared_ptr<ui::TableView> booksTV_;
    std::shared_ptr<BookVC> bookVC_;
    std::shared_ptr<CommonViewController> childVC_;
};

class BooksVC_iPad : public BooksVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(BooksVC::nibIdentifier()); }

  protected:
    RowLayout rowLayout() const override;
    std::shared_ptr<BookVC> makeBookVC(const std::shared_ptr<MBook>& book) const override;
};

#pragma once
// One book's sections: each row with the section's picture, name, pages, question count, a bar
// of right, wrong, unscored and unanswered questions, and the success rate over the scored
// answers. A row opens the section tracker; the clear key deletes the book's history after asking.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "Classes/errorlog/AnswerBar.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/TableView.h"

class MBook;
class MSection;
class SectionVC;
namespace ui {
class Label;
}

class BookVC : public SliddenViewController,
               public ui::TableViewDataSource,
               public ui::TableViewDelegate,
               public ui::ActionSheetDelegate {
  public:
    static constexpr const char* kCellIdentifier = "any-cell";
    enum Tag { kNameTag = 200, kPagesTag = 201, kCountTag = 202, kSuccessRateTag = 205 };
    static constexpr const char* kClearTitle =
        "You can delete the history of this book (this book only), but keep in mind that none of the records "
        "can be restored if deleted.\n\n Do you want to delete all history?";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "BookView"; }

    using SliddenViewController::init;
    void init(std::shared_ptr<MBook> book);
    void viewDidLoad() override;

    // "success rate" while no scored answer is given, else the share of right ones ("66.7 %").
    static std::string successRate(int right, int wrong);
    // The section picture by section type; empty for a type without one.
    static std::string sectionImageName(int sectionType);

    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;
    void sectionNotifications(const fnd::Notification& notification);
    void clearHistory(const Sender& sender);
    // The sheet that asks before a history is deleted ("Cancel", the destructive "Delete").
    static void askToClearHistory(const std::string& title, std::weak_ptr<ui::ActionSheetDelegate> delegate,
                                  const std::shared_ptr<ui::View>& view);
    void actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) override;
    void doneClick(const Sender& sender);

    const std::shared_ptr<MBook>& book() const { return book_; }
    const std::shared_ptr<ui::TableView>& bookTV() const { return bookTV_; }
    const std::shared_ptr<SectionVC>& sectionVC() const { return sectionVC_; }

  protected:
    struct RowLayout {
        double rowHeight;
        ui::Rect name, pages, count, successRate;
        AnswerBar bar;
    };
    virtual RowLayout rowLayout() const;
    virtual std::shared_ptr<SectionVC> makeSectionVC(const std::shared_ptr<MSection>& section) const;
    void setupTV();

  private:
    std::shared_ptr<ui::Label> shortNameLbl_, fullNameLbl_;
    std::shared_ptr<ui::TableView> bookTV_;
    std::shared_ptr<SectionVC> sectionVC_;
    std::shared_ptr<MBook> book_;
};

class BookVC_iPad : public BookVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(BookVC::nibIdentifier()); }

  protected:
    RowLayout rowLayout() const override;
    std::shared_ptr<SectionVC> makeSectionVC(const std::shared_ptr<MSection>& section) const override;
};

#pragma once
// The filter editor: one table of four sections: the question sets (each switched on or off, with
// its size, an answer bar and, for a custom set, an edit key), then the filter's History, Types
// and Tags criteria. Every row shows how many questions of the active sets meet it; a tap switches
// the row and rebuilds the work set at once, whose size the header shows. It also opens the
// custom-set screens and the practice text backup. Its done key posts
// "MNotificationSetsFilterEditDone".

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "Classes/practice/CustomSets.h"
#include "Classes/practice/SetsFilterRows.h"
#include "platform/ui/Rect.h"
#include "platform/ui/TableView.h"

class MQFilter;
class MQFilterItem;
class MQSet;

namespace ui {
class Label;
class Toolbar;
}  // namespace ui

class SetsFilterEditVC : public SliddenViewController,
                         public ui::TableViewDataSource,
                         public ui::TableViewDelegate {
  public:
    static constexpr const char* kDoneNotification = "MNotificationSetsFilterEditDone";
    static constexpr double kReloadDelay = 0.1;
    // The tags of a row's parts.
    enum Tag {
        kSetImageTag = 100,
        kTitleTag = 110,
        kPlainRowTag = 111,
        kNumberTag = 112,
        kDescriptionTag = 115,
        kActiveTag = 200,
        kEditTag = 210,
        kBarTag = 300,
    };
    // The phone's bar parts; the tablet's are in SetsFilterEditVC_iPad.
    static constexpr int kPhoneUnansweredTag = 300, kPhoneRightTag = 301, kPhoneWrongTag = 302;
    static constexpr int kPhoneBarWidth = 210;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    static void registerOwners();

    std::string nibIdentifier() const override { return "SetsFilterEditView"; }

    using SliddenViewController::init;
    void init() override;
    void viewDidLoad() override;
    void back() override;
    static bool isCustomSet(int setUID) { return CustomSets::isCustom(setUID); }

    // ---- Layout
    virtual ui::Rect setsTitleFrame() const { return {100, 14, 210, 20}; }
    virtual ui::Rect setsNumberFrame() const { return {200, 14, 80, 20}; }
    virtual ui::Rect setsDescriptionFrame() const { return {100, 28, 210, 40}; }
    virtual ui::Rect setsEditFrame() const { return {25, 45, 51, 40}; }
    virtual ui::Point setsSetIVcenter() const { return {50, 55}; }
    virtual ui::Point setsActiveIVcenter() const { return {300, 21}; }
    virtual ui::Rect historyTitleFrame() const { return {20, 4, 210, 20}; }
    virtual ui::Rect historyNumberFrame() const { return {200, 15, 80, 20}; }
    virtual ui::Rect historyDescriptionFrame() const { return {20, 23, 220, 30}; }
    virtual ui::Point historyActiveIVcenter() const { return {300, 25}; }
    virtual ui::Rect typesTitleFrame() const { return {80, 17, 210, 20}; }
    virtual ui::Rect typesNumberFrame() const { return {200, 15, 80, 20}; }
    virtual ui::Rect typesDescriptionFrame() const { return {80, 35, 210, 20}; }
    virtual ui::Point typesTypeIVcenter() const { return {40.5, 33.5}; }
    virtual ui::Point typesActiveIVcenter() const { return {300, 25}; }
    virtual ui::Rect tagsTitleFrame() const { return {20, 13, 210, 20}; }
    virtual ui::Rect tagsNumberFrame() const { return {200, 13, 80, 20}; }
    virtual ui::Point tagsActiveIVcenter() const { return {300, 19}; }

    // ---- Children
    virtual void openPracticeCSAdd(const Sender& sender);
    virtual void openPracticeCSEdit(const Sender& sender);
    virtual void openPracticeIE(const Sender& sender);
    void childNotifications(const fnd::Notification& notification);
    void doneClick(const Sender& sender);

    // ---- Table
    int numberOfSections(ui::TableView&) override { return SetsFilterRows::kSections; }
    int numberOfRows(ui::TableView&, int section) override;
    std::string titleForHeader(ui::TableView&, int section) override;
    double heightForRow(ui::TableView&, const ui::IndexPath& indexPath) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;
    virtual void setupTV();

    static ui::Color rightLblTextColor();
    static ui::Color rightLblShadowColor();
    static ui::Color rightLblBackgroundColor();

    const std::shared_ptr<ui::TableView>& setsFilterEditTV() const { return setsFilterEditTV_; }
    const std::shared_ptr<ui::Label>& headerLbl() const { return headerLbl_; }
    const std::shared_ptr<ui::Toolbar>& topTB() const { return topTB_; }
    const std::shared_ptr<CommonViewController>& openChildScreen() const { return child_; }

  protected:
    // Shows the child screen as the main child, closed by childNotifications.
    void showChild(std::shared_ptr<CommonViewController> child);
    // The custom set of the row whose edit key is the sender; null when there is none.
    std::shared_ptr<MQSet> customSetOf(const Sender& sender) const;
    // The parts every row has; the set rows' image, edit key and bar; the criterion rows' type
    // image. Tablet cells add their own layout.
    virtual std::shared_ptr<ui::TableViewCell> makeCell(int section, const std::string& identifier);
    virtual void fillBar(ui::TableViewCell& cell, const MQSet& set);
    void addBarPart(ui::View& parent, int tag, ui::Rect frame, const ui::Color& text,
                    const ui::Color& background);
    int titleFontSize(int section) const;
    int numberFontSize(int section) const;
    int descriptionFontSize(int section) const;
    int setsFontSizes_[3] = {15, 15, 12};

  private:
    std::shared_ptr<MQFilterItem> itemAt(int section, int row) const;
    void fillSetRow(ui::TableViewCell& cell, const MQSet& set);
    void fillCriterionRow(ui::TableViewCell& cell, int section, int row, const MQFilterItem& item);
    void updateHeader();

    std::shared_ptr<ui::TableView> setsFilterEditTV_;
    std::shared_ptr<ui::Label> headerLbl_;
    std::shared_ptr<ui::Toolbar> topTB_;
    std::shared_ptr<MQFilter> filter_;
    std::shared_ptr<CommonViewController> child_;
};

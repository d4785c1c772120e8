#pragma once
// The contents of a library set: one row per listed page, indented and set in a smaller font by
// its depth, with a marker before it. A row opens the page reader on its page. The interactive
// book's screen builds on this one and replaces the hooks marked below.

#include <memory>
#include <string>
#include <vector>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/Font.h"
#include "platform/ui/Rect.h"
#include "platform/ui/TableView.h"

class MStartItem;
class MStartSet;
class StartItemVC;
namespace ui {
class ImageView;
class Label;
}  // namespace ui

class StartSetVC : public SliddenViewController,
                   public ui::TableViewDataSource,
                   public ui::TableViewDelegate {
  public:
    static constexpr const char* kCellIdentifier = "any-cell";
    static constexpr const char* kDoneNotification = "Done";
    static constexpr double kRowHeight = 66;
    enum Tag { kBackgroundTag = 111, kMarkerTag = 200, kTitleTag = 201 };

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    // The interface file of nibIdentifierForSet, the set, preSetup, the entrance, setupFonts.
    using SliddenViewController::init;
    void init(std::shared_ptr<MStartSet> set);
    void viewDidLoad() override;

    // Hook: the interface file for the set.
    virtual std::string nibIdentifierForSet(const MStartSet& set) const;
    // Hook: the listed pages of the set become the rows.
    virtual void preSetup();
    virtual void setupFonts();

    // A row's title by the page's depth (0 for a top-level page).
    virtual ui::Rect titleFrame(int depth) const;
    ui::Font titleFont(int depth) const;
    ui::Rect markerFrame(int depth) const;
    // Hook: the marker before a page's row.
    virtual void setMarkerView(ui::ImageView& marker, const MStartItem& item);
    // Hook: opens the page reader on the page (a page, not an index path).
    virtual void openStartItemVCAtIndexPath(const std::shared_ptr<MStartItem>& item);
    void startItemNotifications(const fnd::Notification& notification);
    // Hook: "Done" with the screen as object.
    virtual void doneClick(const Sender& sender);

    int numberOfRows(ui::TableView&, int) override { return int(tocSet_.size()); }
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;

    const std::shared_ptr<MStartSet>& set() const { return set_; }
    const std::vector<std::shared_ptr<MStartItem>>& tocSet() const { return tocSet_; }
    std::vector<std::shared_ptr<MStartItem>>& tocSet() { return tocSet_; }
    const std::shared_ptr<StartItemVC>& startItemVC() const { return startItemVC_; }
    const std::shared_ptr<ui::Label>& shortNameLbl() const { return shortNameLbl_; }
    const std::shared_ptr<ui::TableView>& setTV() const { return setTV_; }
    // The interactive book's tag cloud, while it is open.
    const std::shared_ptr<CommonViewController>& ibookCloudVC() const { return ibookCloudVC_; }
    void setIbookCloudVC(std::shared_ptr<CommonViewController> cloud) { ibookCloudVC_ = std::move(cloud); }
    int titleFontSize() const { return titleFontSize_; }
    int descriptionFontSize() const { return descriptionFontSize_; }

  protected:
    void setFontSizes(int title, int description) {
        titleFontSize_ = title;
        descriptionFontSize_ = description;
    }
    // The page reader of the device.
    virtual std::shared_ptr<StartItemVC> makeStartItemVC(const std::shared_ptr<MStartItem>& item);
    void setStartItemVC(std::shared_ptr<StartItemVC> reader) { startItemVC_ = std::move(reader); }

  private:
    std::shared_ptr<StartItemVC> startItemVC_;
    std::shared_ptr<ui::Label> shortNameLbl_;
    std::shared_ptr<ui::TableView> setTV_;
    std::shared_ptr<MStartSet> set_;
    std::vector<std::shared_ptr<MStartItem>> tocSet_;
    std::shared_ptr<CommonViewController> ibookCloudVC_;
    int titleFontSize_ = 17;
    int descriptionFontSize_ = 12;
};

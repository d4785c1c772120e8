#pragma once
// The library's tool screen: one table of collapsible sections listing the interactive e-books,
// the other sets (the built-in study guide, the plain e-books and the maths review, in that order)
// and four lists of links. A set opens its contents (StartSetVC), the last "eBooks" row the maths
// review, and a link row its address: video and store pages outside the program, any other (the
// forum's articles) in the forum browser once the library has closed. The lists are built once
// each time the library opens; the sections' expanded flags live as long as the screen.
//
// A book that is being downloaded, unpacked or updated does not open: an alert says so.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Classes/core/ToolViewController.h"
#include "Classes/library_store/LibraryCells.h"
#include "Classes/library_store/LibrarySections.h"
#include "platform/ui/TableView.h"

class MEBook;
class MResources;
class MStartSet;
class StartSetVC;

class StartVC : public ToolViewController, public ui::TableViewDataSource, public ui::TableViewDelegate {
  public:
    static constexpr const char* kLibraryOpenedEvent = "TipsEvent_LibraryOpened";
    static constexpr const char* kUpdatingTitle = "The product is updating";
    static constexpr const char* kUpdatingMessage = "Please, wait untill it will be finished";
    static constexpr const char* kUpdatingKey = "Ok";
    // The forum browser opens this long after the library began to close.
    static constexpr double kForumDelay = 0.6;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    // The owner tables of the library's screens, for the interface-file checks.
    static void registerOwners();

    std::string nibIdentifier() const override { return "StartView"; }

    using ToolViewController::init;
    void init() override;
    // The lists, the expanded flags, the fonts; tells the tips that the library opened.
    void setup();
    void setupFonts();
    void populateWithData();
    void setupResources();
    void viewDidLoad() override;
    void setupTV();

    // ---- Sections (see LibrarySections)

    int countSections() const { return sections_.countSections(); }
    int typeOfSection(int section) const { return sections_.typeOfSection(section); }
    int countRowsInSection(int section) const { return sections_.countRowsInSection(section); }
    std::string titleForSection(int section) const { return sections_.titleForSection(section); }
    void collapseExpandSection(const Sender& sender);

    // ---- Rows

    const LibraryCells::Layout& layout() const { return layout_; }
    std::shared_ptr<ui::TableViewCell> buildResourcesCellWithIdentifier(const std::string& identifier,
                                                                        double width) const;
    void fillCell(ui::TableViewCell& cell, const MResources& resources, int row) const;

    int numberOfSections(ui::TableView&) override { return countSections(); }
    int numberOfRows(ui::TableView&, int section) override { return countRowsInSection(section); }
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    double heightForRow(ui::TableView&, const ui::IndexPath& indexPath) override;
    double heightForHeader(ui::TableView&, int) override { return LibraryCells::kHeaderHeight; }
    std::shared_ptr<ui::View> viewForHeader(ui::TableView&, int section) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;

    // ---- Choosing

    // Whether a set may open now; an e-book busy in the store does not, with an alert.
    bool canOpenStartSet(const MStartSet& set) const;
    void openSmartBookAtRow(int row);
    void openStartSetVCAtRow(int row);
    void showMath(const Sender& sender);
    // Video and store pages open outside; any other address closes the library and opens in the
    // forum browser kForumDelay later. An empty address does nothing.
    void openURL(const std::string& link);
    void startSetNotifications(const fnd::Notification& notification);
    void mathNotifications(const fnd::Notification& notification);

    void doneClick(const Sender& sender);
    // The accelerometer's delegate off and the idle timer on again, then the tool's back.
    void back() override;

    // ---- Fields

    const std::shared_ptr<ui::TableView>& startTV() const { return startTV_; }
    const std::shared_ptr<StartSetVC>& startSetVC() const { return startSetVC_; }
    const std::shared_ptr<CommonViewController>& mathVC() const { return mathVC_; }
    const std::vector<std::shared_ptr<MStartSet>>& booksArray() const { return booksArray_; }
    const std::vector<std::shared_ptr<MEBook>>& smartBooksArray() const { return smartBooksArray_; }
    const LibrarySections& sections() const { return sections_; }
    const std::shared_ptr<MResources>& youtubeResource() const { return youtubeResource_; }
    const std::shared_ptr<MResources>& iphoneResources() const { return iphoneResources_; }
    const std::shared_ptr<MResources>& orvaResources() const { return orvaResources_; }
    const std::shared_ptr<MResources>& mbaResources() const { return mbaResources_; }

  protected:
    virtual LibraryCells::Layout deviceLayout() const { return LibraryCells::Layout::phone(); }
    // The screen of an interactive book, and of another set; the maths review, shown.
    virtual std::shared_ptr<StartSetVC> makeSmartBookVC(const std::shared_ptr<MEBook>& book) const;
    virtual std::shared_ptr<StartSetVC> makeStartSetVC(const std::shared_ptr<MStartSet>& set) const;
    virtual std::shared_ptr<CommonViewController> makeMathVC() const;
    // Whether opening an interactive book marks the home screen's statistics for an update.
    virtual bool marksStatisticsForBooks() const { return true; }

  private:
    // The list of a link section's kind; null for another kind.
    std::shared_ptr<MResources> resourcesOfKind(int kind) const;
    void openSet(std::shared_ptr<StartSetVC> screen);

    std::shared_ptr<StartSetVC> startSetVC_;
    std::shared_ptr<CommonViewController> mathVC_;
    std::shared_ptr<ui::TableView> startTV_;
    std::vector<std::shared_ptr<MStartSet>> booksArray_;
    std::vector<std::shared_ptr<MEBook>> smartBooksArray_;
    LibrarySections sections_{{}};
    std::shared_ptr<MResources> youtubeResource_, iphoneResources_, orvaResources_, mbaResources_;
    LibraryCells::Layout layout_ = LibraryCells::Layout::phone();
};

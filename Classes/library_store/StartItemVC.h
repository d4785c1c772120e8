#pragma once
// The library's page reader: one page at a time in the front web view while the hidden one loads
// the page that comes next, so that paging on is immediate (PageReader holds that state). Links to
// pages of the set move the reader there; other links leave the program when they may. The page's
// font size is the repository's, changed through the font popup; the calculator and the
// scratchpad open over the page (the scratchpad keeps its drawing while the reader is open).
//
// The interactive book's reader builds on this one: it replaces applyJSforWebView and the link
// handling, and uses showItem, switchWebViews and startPreLoad as they are.

#include <memory>
#include <optional>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "Classes/library_store/PageReader.h"
#include "platform/ui/WebView.h"

class FontAdjustVC;
class MStartItem;
class MStartSet;
namespace ui {
class ActivityIndicator;
class BarButtonItem;
class Label;
}  // namespace ui

class StartItemVC : public SliddenViewController, public ui::WebViewDelegate, public PageReader::Views {
  public:
    static constexpr const char* kDoneNotification = "Done";
    static constexpr const char* kOrientationChangedNotification = "MNotificationOrientationChanged";
    static constexpr const char* kSwitchAction = "switchWebViews";
    // The tags of the paging keys in the toolbar.
    static constexpr int kPreviousTag = 1;
    static constexpr int kNextTag = 2;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "StartItemView"; }

    // The page (its anchor is the first load's) and its set; the entrance; rotation of the home
    // screen is followed.
    using SliddenViewController::init;
    void init(std::shared_ptr<MStartItem> item, std::shared_ptr<MStartSet> set);
    // Loads the first page into the hidden view; its load brings it to the front.
    void viewDidLoad() override;
    // The home screen turned; the tablet reloads the front page.
    virtual void processOrientationChange() {}

    // ---- Paging (see PageReader)

    void showItem() { reader_->showItem(); }
    void startLoading(const std::shared_ptr<MStartItem>& page) { reader_->startLoading(page, true); }
    void startPreLoad() { reader_->startPreLoad(); }
    void switchWebViews() { reader_->switchWebViews(); }
    void updateBtnsAndTitle() { reader_->updateBtnsAndTitle(); }
    void previouseClick(const Sender& sender);
    void nextClick(const Sender& sender);

    // ---- The pages

    // The page's scripts once loaded: the repository's Zepto library, then the reader's script.
    virtual void applyJSforWebView(ui::WebView& webView);
    // Every load of the hidden view goes ahead. The front view follows no link: a page of the set is
    // shown by the reader, any other address handed to the system when it may leave the program.
    bool webViewShouldStartLoad(ui::WebView& webView, const fnd::URLRequest& request,
                                fnd::URLRequest::NavigationType navigation) override;
    void webViewDidFinishLoad(ui::WebView& webView) override;

    // ---- Font and study aids

    void changeFontSize(const Sender& sender);
    void fontAdjustNotifications(const fnd::Notification& notification);
    virtual void openCalculator(const Sender& sender);
    void calculatorNotifications(const fnd::Notification& notification);
    void openScratchpad(const Sender& sender);
    void scratchpadNotifications(const fnd::Notification& notification);

    // ---- Leaving

    virtual void doneClick(const Sender& sender);
    // Closes the open panels, the font popup and the section screen, then the base back.
    void back() override;

    // ---- Fields

    const std::shared_ptr<ui::WebView>& webView() const { return webView_; }
    const std::shared_ptr<ui::WebView>& backWebView() const { return backWebView_; }
    const std::shared_ptr<ui::Label>& titleLbl() const { return titleLbl_; }
    const std::shared_ptr<ui::BarButtonItem>& leftBtn() const { return leftBtn_; }
    const std::shared_ptr<ui::BarButtonItem>& rightBtn() const { return rightBtn_; }
    const std::shared_ptr<ui::ActivityIndicator>& loadingI() const { return loadingI_; }
    const std::shared_ptr<FontAdjustVC>& fontAdjustVC() const { return fontAdjustVC_; }
    const std::shared_ptr<CommonViewController>& calculatorVC() const { return calculatorVC_; }
    const std::shared_ptr<CommonViewController>& scratchpadVC() const { return scratchpadVC_; }
    // The error log's section screen the interactive book's reader opens; closed by back.
    const std::shared_ptr<CommonViewController>& sectionVC() const { return sectionVC_; }
    void setSectionVC(std::shared_ptr<CommonViewController> screen) { sectionVC_ = std::move(screen); }
    const PageReader& reader() const { return *reader_; }
    PageReader& reader() { return *reader_; }

  protected:
    void reloadFrontView();
    // The script run after the Zepto library, at the font size.
    virtual std::string pageScript(int fontSize) const;
    // Opens a child by class name through the stand-in table, as main child or plain child.
    std::shared_ptr<CommonViewController> openChild(const std::string& className, bool asMainChild);
    std::shared_ptr<CommonViewController>& calculatorSlot() { return calculatorVC_; }

    // PageReader::Views.
    void loadInHiddenView(const fnd::URL& url) override;
    void exchangeViews() override;
    void scrollToAnchor(bool frontView, const std::optional<std::string>& anchor) override;
    void scheduleSwitch() override;
    void cancelSwitch() override;
    void showTitle(const std::string& title, bool hasPrevious, bool hasNext) override;
    void showActivity(bool on) override;

  private:
    void switchIsDue() { reader_->switchIsDue(); }
    void applyFontSize(int size);
    void findPagingKeys();

    std::shared_ptr<FontAdjustVC> fontAdjustVC_;
    std::shared_ptr<ui::WebView> webView_;
    std::shared_ptr<ui::WebView> backWebView_;
    std::shared_ptr<ui::Label> titleLbl_;
    std::shared_ptr<ui::BarButtonItem> leftBtn_, rightBtn_;
    std::shared_ptr<ui::ActivityIndicator> loadingI_;
    std::shared_ptr<CommonViewController> calculatorVC_, scratchpadVC_, sectionVC_;
    std::unique_ptr<PageReader> reader_;
    // The front view reloads itself (the tablet turned): that load goes ahead.
    bool reloadingFront_ = false;
};

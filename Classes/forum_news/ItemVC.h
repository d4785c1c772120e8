#pragma once
// One news item's page (ItemPage) in a web view; opening it marks the item read. Links the page
// follows load in place, but for store and video addresses, which open outside; the browser key
// opens the page shown, or the item's own link.

#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/WebView.h"

class MItem;
namespace ui {
class Label;
}

class ItemVC : public SliddenViewController, public ui::WebViewDelegate {
  public:
    static constexpr const char* kDoneNotification = "Done";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "ItemView"; }

    using SliddenViewController::init;
    void init(std::shared_ptr<MItem> item);
    void viewDidLoad() override;

    // Marks the item read and loads its page, as wide as the home screen.
    void showItem();
    void openSafari(const Sender& sender);
    void doneClick(const Sender& sender);
    bool webViewShouldStartLoad(ui::WebView& webView, const fnd::URLRequest& request,
                                fnd::URLRequest::NavigationType navigation) override;
    // Lets the page go before the screen goes.
    void back() override;

    const std::shared_ptr<MItem>& item() const { return item_; }
    const std::shared_ptr<ui::WebView>& webView() const { return webView_; }
    const std::shared_ptr<ui::Label>& shortNameLbl() const { return shortNameLbl_; }
    const std::shared_ptr<ui::Label>& fullNameLbl() const { return fullNameLbl_; }

  private:
    std::shared_ptr<MItem> item_;
    std::shared_ptr<ui::WebView> webView_;
    std::shared_ptr<ui::Label> shortNameLbl_;
    std::shared_ptr<ui::Label> fullNameLbl_;
};

// The tablet's page follows the home screen's turns: it is built again for the new width.
class ItemVC_iPad : public ItemVC {
  public:
    static constexpr const char* kOrientationChangedNotification = "MNotificationOrientationChanged";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(ItemVC::nibIdentifier()); }
    void viewDidLoad() override;
};

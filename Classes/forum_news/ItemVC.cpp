#include "Classes/forum_news/ItemVC.h"

#include "Classes/core/WebViewCustom.h"
#include "Classes/forum_news/ItemPage.h"
#include "Classes/forum_news/MItem.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/WhileAlive.h"
#include "platform/ui/Application.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"

const ui::ConnectionTable& ItemVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("ItemVC", &SliddenViewController::classConnections())
            .outlet("webView", &ItemVC::webView_)
            .outlet("shortNameLbl", &ItemVC::shortNameLbl_)
            .outlet("fullNameLbl", &ItemVC::fullNameLbl_)
            .action("openSafari:", &ItemVC::openSafari)
            .action("doneClick:", &ItemVC::doneClick);
    return table;
}

const ui::ConnectionTable& ItemVC_iPad::classConnections() {
    static const ui::ConnectionTable table("ItemVC_iPad", &ItemVC::classConnections());
    return table;
}

void ItemVC::init(std::shared_ptr<MItem> item) {
    item_ = item ? std::move(item) : std::make_shared<MItem>();
    initWithNibName(nibIdentifier());
    animation();
}

void ItemVC::viewDidLoad() {
    if (webView_) webView_->setDelegate(sharedAs<ItemVC>());
    if (fullNameLbl_) fullNameLbl_->setText(item_->txtTitle());
    showItem();
    SliddenViewController::viewDidLoad();
}

void ItemVC_iPad::viewDidLoad() {
    ItemVC::viewDidLoad();
    fnd::NotificationCenter::defaultCenter().addObserver(sharedAs<fnd::Object>(),
                                                         std::string(kOrientationChangedNotification),
                                                         nullptr, fnd::whileAlive(*this, &ItemVC::showItem));
}

void ItemVC::showItem() {
    item_->setIsRead(true);
    if (!webView_) return;
    auto home = homeView();
    int width = int(home ? home->bounds().size.width : view()->bounds().size.width);
    webView_->loadHTMLString(ItemPage::html(*item_, width),
                             fnd::URL::fileURL(fnd::Bundle::main().resourcePath()));
}

bool ItemVC::webViewShouldStartLoad(ui::WebView& webView, const fnd::URLRequest& request,
                                    fnd::URLRequest::NavigationType navigation) {
    if (WebViewCustom::checkNopenExternally(request.url())) return false;
    using Nav = fnd::URLRequest::NavigationType;
    if (navigation == Nav::LinkClicked || navigation == Nav::FormSubmitted) webView.setScalesPageToFit(true);
    return true;
}

void ItemVC::openSafari(const Sender&) {
    fnd::URL shown = webView_ ? webView_->documentURL() : fnd::URL();
    if (shown.scheme().starts_with("http")) {
        ui::Application::shared().openURL(shown);
    } else if (item_->link()) {
        ui::Application::shared().openURL(fnd::URL(*item_->link()));
    }
}

void ItemVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<ItemVC>());
}

void ItemVC::back() {
    if (webView_) webView_->setDelegate({});
    SliddenViewController::back();
}

#include "Classes/library_store/ProductAnnotationVC.h"

#include <fstream>
#include <iterator>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/FontAdjustVC.h"
#include "Classes/core/MRepository.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/library_store/MProductInfo.h"
#include "Classes/library_store/PageScripts.h"
#include "Classes/library_store/ProductsObserver.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& ProductAnnotationVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("ProductAnnotationVC", &SliddenViewController::classConnections())
            .outlet("webView", &ProductAnnotationVC::webView_)
            .outlet("titleLbl", &ProductAnnotationVC::titleLbl_)
            .action("changeFontSize:", &ProductAnnotationVC::changeFontSize)
            .action("doneClick:", &ProductAnnotationVC::doneClick);
    return table;
}

void ProductAnnotationVC::init(std::shared_ptr<MProductInfo> product) {
    initWithNibName(nibIdentifier());
    auto delegate = TovridaAppDelegate::shared();
    auto loader = delegate ? delegate->productsObserver() : nullptr;
    if (auto page = product && loader ? loader->getResourceForProductID(*product) : std::nullopt)
        contentSrc_ = fnd::Bundle::main().pathForResource(*page, "htm", kFolder);
    title_ = product ? product->title() : "";
    animation();
}

void ProductAnnotationVC::viewDidLoad() {
    if (webView_) webView_->setDelegate(weakAs<ProductAnnotationVC>());
    showAnnotation();
    SliddenViewController::viewDidLoad();
}

void ProductAnnotationVC::showAnnotation() {
    if (!contentSrc_ || !webView_ || !titleLbl_ || titleLbl_->text().empty()) return;
    titleLbl_->setText(title_);
    std::ifstream in(*contentSrc_, std::ios::binary);
    std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return;
    webView_->loadHTMLString(page, fnd::URL::fileURL(fnd::Bundle::main().resourcePath()));
}

void ProductAnnotationVC::applyFontSize() {
    auto rep = AbstractAppDelegate::sharedRep();
    if (webView_ && rep)
        webView_->stringByEvaluatingJavaScript(PageScripts::fontSizeScript(rep->baseFontSize()));
}

void ProductAnnotationVC::webViewDidFinishLoad(ui::WebView& webView) {
    applyFontSize();
    webView.stringByEvaluatingJavaScript(kShowScript);
}

bool ProductAnnotationVC::webViewShouldStartLoad(ui::WebView&, const fnd::URLRequest& request,
                                                 fnd::URLRequest::NavigationType navigation) {
    if (navigation != fnd::URLRequest::NavigationType::LinkClicked) return true;
    ui::Application::shared().openURL(request.url());
    return false;
}

void ProductAnnotationVC::changeFontSize(const Sender&) {
    if (fontAdjustVC_) {
        proceedDoneNotification(nullptr, fontAdjustVC_);
        fontAdjustVC_.reset();
        return;
    }
    fontAdjustVC_ = ui::make<FontAdjustVC>(std::string("TopRight"));
    registerDoneHandler(&ProductAnnotationVC::fontAdjustNotifications, std::nullopt, fontAdjustVC_);
}

void ProductAnnotationVC::fontAdjustNotifications(const fnd::Notification& notification) {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!rep) return;
    rep->setBaseFontSize(FontAdjustVC::steppedFontSize(rep->baseFontSize(), notification));
    applyFontSize();
}

void ProductAnnotationVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}

void ProductAnnotationVC::back() {
    if (fontAdjustVC_) {
        std::shared_ptr<CommonViewController> font = std::move(fontAdjustVC_);
        closeChild(font);
    }
    SliddenViewController::back();
}

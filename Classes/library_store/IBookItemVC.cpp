#include "Classes/library_store/IBookItemVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/errorlog/MSection.h"
#include "Classes/errorlog/SectionVC.h"
#include "Classes/library_store/IBookBridge.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MIBIndex.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"

namespace {

const IBookBridge::Books& trackerBooks() {
    static const IBookBridge::Books none;
    auto rep = AbstractAppDelegate::sharedRep();
    return rep ? rep->books() : none;
}

}  // namespace

const ui::ConnectionTable& IBookItemVC::classConnections() {
    static const ui::ConnectionTable table("IBookItemVC", &StartItemVC::classConnections());
    return table;
}

std::shared_ptr<MEBook> IBookItemVC::book() const {
    return std::dynamic_pointer_cast<MEBook>(reader().set());
}

void IBookItemVC::applyJSforWebView(ui::WebView& webView) {
    StartItemVC::applyJSforWebView(webView);
    intBookJSforWebView(webView);
}

void IBookItemVC::intBookJSforWebView(ui::WebView& webView) {
    auto ebook = book();
    IBookBridge::run(
        [&webView](const std::string& script) { return webView.stringByEvaluatingJavaScript(script); },
        trackerBooks(), ebook ? ebook->ibIndex().get() : nullptr);
}

bool IBookItemVC::webViewShouldStartLoad(ui::WebView& webView, const fnd::URLRequest& request,
                                         fnd::URLRequest::NavigationType navigation) {
    const std::string& url = request.url().absoluteString();
    if (!IBookBridge::isBridgeLink(url))
        return StartItemVC::webViewShouldStartLoad(webView, request, navigation);
    // The page's answers and questions come only from taps; nothing else of these schemes counts.
    if (navigation == fnd::URLRequest::NavigationType::LinkClicked) followBridgeLink(webView, url);
    return false;
}

void IBookItemVC::followBridgeLink(ui::WebView& webView, const std::string& url) {
    if (auto button = IBookBridge::officialGuideButton(url)) {
        std::string keys = webView.stringByEvaluatingJavaScript(IBookBridge::officialGuideScript(*button));
        openSection(IBookBridge::officialGuideSection(keys, trackerBooks()));
        return;
    }
    auto ebook = book();
    auto answer = IBookBridge::answerOfLink(url);
    if (!ebook || !ebook->ibIndex() || !answer || !IBookBridge::record(*ebook->ibIndex(), *answer)) return;
    intBookJSforWebView(webView);
}

std::shared_ptr<CommonViewController> IBookItemVC::makeSectionVC(const std::shared_ptr<MSection>& section) {
    return ui::make<SectionVC>(section);
}

void IBookItemVC::openSection(const std::shared_ptr<MSection>& section) {
    if (!canOpenSubview()) return;
    setSectionVC(makeSectionVC(section));
    if (sectionVC())
        registerMainChildDoneHandler(&IBookItemVC::sectionNotifications, std::nullopt, sectionVC());
}

void IBookItemVC::sectionNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, sectionVC())) return;
    setSectionVC(nullptr);
    if (webView()) intBookJSforWebView(*webView());
}

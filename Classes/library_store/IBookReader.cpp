#include "Classes/library_store/IBookReader.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/errorlog/MSection.h"
#include "Classes/errorlog/SectionVC_iPad.h"
#include "Classes/library_store/IBookBridge.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MIBIndex.h"
#include "platform/ui/Make.h"

namespace {

const IBookBridge::Books& trackerBooks() {
    static const IBookBridge::Books none;
    auto rep = AbstractAppDelegate::sharedRep();
    return rep ? rep->books() : none;
}

}  // namespace

template <class Base>
std::shared_ptr<MEBook> IBookReader<Base>::book() const {
    return std::dynamic_pointer_cast<MEBook>(this->reader().set());
}

template <class Base>
void IBookReader<Base>::applyJSforWebView(ui::WebView& webView) {
    Base::applyJSforWebView(webView);
    intBookJSforWebView(webView);
}

template <class Base>
void IBookReader<Base>::intBookJSforWebView(ui::WebView& webView) {
    auto ebook = book();
    IBookBridge::run(
        [&webView](const std::string& script) { return webView.stringByEvaluatingJavaScript(script); },
        trackerBooks(), ebook ? ebook->ibIndex().get() : nullptr);
}

template <class Base>
bool IBookReader<Base>::webViewShouldStartLoad(ui::WebView& webView, const fnd::URLRequest& request,
                                               fnd::URLRequest::NavigationType navigation) {
    const std::string& url = request.url().absoluteString();
    if (!IBookBridge::isBridgeLink(url)) return Base::webViewShouldStartLoad(webView, request, navigation);
    // The page's answers and questions come only from taps; nothing else of these schemes counts.
    if (navigation == fnd::URLRequest::NavigationType::LinkClicked) followBridgeLink(webView, url);
    return false;
}

template <class Base>
void IBookReader<Base>::followBridgeLink(ui::WebView& webView, const std::string& url) {
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

template <class Base>
void IBookReader<Base>::openSection(const std::shared_ptr<MSection>& section) {
    if (!this->canOpenSubview()) return;
    if constexpr (kTablet)
        this->setSectionVC(ui::make<SectionVC_iPad>(section));
    else
        this->setSectionVC(ui::make<SectionVC>(section));
    this->registerMainChildDoneHandler(&IBookReader::sectionNotifications, std::nullopt, this->sectionVC());
}

template <class Base>
void IBookReader<Base>::sectionNotifications(const fnd::Notification& notification) {
    if (!this->proceedDoneNotification(&notification, this->sectionVC())) return;
    this->setSectionVC(nullptr);
    if (this->webView()) intBookJSforWebView(*this->webView());
}

template class IBookReader<StartItemVC>;
template class IBookReader<StartItemVC_iPad>;

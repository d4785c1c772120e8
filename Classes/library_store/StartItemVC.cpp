#include "Classes/library_store/StartItemVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/ChildScreens.h"
#include "Classes/core/FontAdjustVC.h"
#include "Classes/core/MRepository.h"
#include "Classes/library_store/PageScripts.h"
#include "platform/foundation/Json.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/WhileAlive.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/Application.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Toolbar.h"

const ui::ConnectionTable& StartItemVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("StartItemVC", &SliddenViewController::classConnections())
            .outlet("webView", &StartItemVC::webView_)
            .outlet("backWebView", &StartItemVC::backWebView_)
            .outlet("titleLbl", &StartItemVC::titleLbl_)
            .outlet("loadingI", &StartItemVC::loadingI_)
            .action("doneClick:", &StartItemVC::doneClick)
            .action("previouseClick:", &StartItemVC::previouseClick)
            .action("nextClick:", &StartItemVC::nextClick)
            .action("changeFontSize:", &StartItemVC::changeFontSize)
            .action("openCalculator:", &StartItemVC::openCalculator)
            .action("openScratchpad:", &StartItemVC::openScratchpad);
    return table;
}

void StartItemVC::init(std::shared_ptr<MStartItem> item, std::shared_ptr<MStartSet> set) {
    initWithNibName(nibIdentifier());
    reader_ = std::make_unique<PageReader>(std::move(set), std::move(item), *this);
    animation();
    fnd::NotificationCenter::defaultCenter().addObserver(
        sharedAs<fnd::Object>(), std::string(kOrientationChangedNotification), nullptr,
        fnd::whileAlive(*this, &StartItemVC::processOrientationChange));
}

void StartItemVC::findPagingKeys() {
    for (const auto& subview : view()->subviews())
        if (auto bar = std::dynamic_pointer_cast<ui::Toolbar>(subview))
            for (const auto& item : bar->items()) {
                if (item->actionName() == "previouseClick:") leftBtn_ = item;
                if (item->actionName() == "nextClick:") rightBtn_ = item;
            }
}

void StartItemVC::viewDidLoad() {
    for (const auto& web : {webView_, backWebView_})
        if (web) web->setDelegate(weakAs<StartItemVC>());
    findPagingKeys();
    showTitle("", false, false);
    SliddenViewController::viewDidLoad();
    if (webView_ && backWebView_ && reader_) reader_->showItem();
}

void StartItemVC::previouseClick(const Sender&) { reader_->previous(); }

void StartItemVC::nextClick(const Sender&) { reader_->next(); }

// ---- PageReader::Views

void StartItemVC::loadInHiddenView(const fnd::URL& url) { backWebView_->loadRequest(fnd::URLRequest(url)); }

void StartItemVC::exchangeViews() {
    std::swap(webView_, backWebView_);
    if (auto parent = webView_->superview()) parent->insertSubviewAbove(webView_, backWebView_.get());
}

void StartItemVC::scrollToAnchor(bool frontView, const std::optional<std::string>& anchor) {
    const auto& web = frontView ? webView_ : backWebView_;
    std::string name = fnd::Json::write(fnd::JsonValue(anchor.value_or(""))).value_or("\"\"");
    web->stringByEvaluatingJavaScript(
        "(function(){var a=" + name +
        ";var e=a?(document.getElementById(a)||document.getElementsByName(a)[0]):"
        "null;if(e)e.scrollIntoView();else window.scrollTo(0,0);})();");
}

void StartItemVC::scheduleSwitch() {
    fnd::RunLoop::main().performAfterDelay(PageReader::kSwitchDelay, *this, kSwitchAction,
                                           &StartItemVC::switchIsDue);
}

void StartItemVC::cancelSwitch() { fnd::RunLoop::main().cancelPerforms(this, kSwitchAction); }

void StartItemVC::showTitle(const std::string& title, bool hasPrevious, bool hasNext) {
    if (titleLbl_) titleLbl_->setText(title);
    if (leftBtn_) leftBtn_->setEnabled(hasPrevious);
    if (rightBtn_) rightBtn_->setEnabled(hasNext);
}

void StartItemVC::showActivity(bool on) {
    if (!loadingI_) return;
    if (on)
        loadingI_->startAnimating();
    else
        loadingI_->stopAnimating();
}

// ---- The pages

std::string StartItemVC::pageScript(int fontSize) const { return PageScripts::phoneScript(fontSize); }

void StartItemVC::applyJSforWebView(ui::WebView& webView) {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!rep) return;
    if (auto script = rep->jQuery()) webView.stringByEvaluatingJavaScript(*script);
    webView.stringByEvaluatingJavaScript(pageScript(rep->baseFontSize()));
}

bool StartItemVC::webViewShouldStartLoad(ui::WebView& webView, const fnd::URLRequest& request,
                                         fnd::URLRequest::NavigationType) {
    if (&webView != webView_.get() || reloadingFront_) return true;
    const fnd::URL& url = request.url();
    if (url.isFileURL()) {
        if (!reader_->followLink(url)) fnd::Log::info("URL not found: ", url.absoluteString());
    } else {
        ui::Application::shared().openURL(url);
    }
    return false;
}

void StartItemVC::webViewDidFinishLoad(ui::WebView& webView) {
    applyJSforWebView(webView);
    if (&webView != backWebView_.get()) return;
    webView.setNeedsDisplay();
    reader_->hiddenViewDidFinishLoad();
}

void StartItemVC::reloadFrontView() {
    if (!webView_) return;
    reloadingFront_ = true;
    webView_->reload();
    reloadingFront_ = false;
}

// ---- Font and study aids

void StartItemVC::applyFontSize(int size) {
    std::string script = PageScripts::fontSizeScript(size);
    webView_->stringByEvaluatingJavaScript(script);
    // A page still loading ahead takes the size with its scripts.
    if (!reader_->preLoadingStarted()) backWebView_->stringByEvaluatingJavaScript(script);
}

void StartItemVC::changeFontSize(const Sender&) {
    if (fontAdjustVC_) {
        proceedDoneNotification(nullptr, fontAdjustVC_);
        fontAdjustVC_.reset();
        return;
    }
    fontAdjustVC_ = ui::make<FontAdjustVC>(std::string("TopRight"));
    registerDoneHandler(&StartItemVC::fontAdjustNotifications, std::nullopt, fontAdjustVC_);
}

void StartItemVC::fontAdjustNotifications(const fnd::Notification& notification) {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!rep) return;
    rep->setBaseFontSize(FontAdjustVC::steppedFontSize(rep->baseFontSize(), notification));
    applyFontSize(rep->baseFontSize());
}

std::shared_ptr<CommonViewController> StartItemVC::openChild(const std::string& className, bool asMainChild) {
    auto child = ChildScreens::make(className);
    if (!child) return nullptr;
    std::string name = ChildScreens::doneNotification(className);
    auto handler = className == "ScratchpadVC" ? &StartItemVC::scratchpadNotifications
                                               : &StartItemVC::calculatorNotifications;
    if (asMainChild)
        registerMainChildDoneHandler(handler, name, child);
    else
        registerDoneHandler(handler, name, child);
    return child;
}

void StartItemVC::openCalculator(const Sender&) {
    if (!canOpenSubview()) return;
    calculatorVC_ = openChild("CalculatorVC", true);
}

void StartItemVC::calculatorNotifications(const fnd::Notification& notification) {
    if (calculatorVC_ && proceedDoneNotification(&notification, calculatorVC_)) calculatorVC_.reset();
}

void StartItemVC::openScratchpad(const Sender&) {
    if (scratchpadVC_)
        scratchpadVC_->animation();
    else
        scratchpadVC_ = openChild("ScratchpadVC", false);
}

void StartItemVC::scratchpadNotifications(const fnd::Notification& notification) {
    // Done only moves the panel out of sight: the drawing stays for the next opening.
    if (scratchpadVC_ && notification.objectId == notificationId(scratchpadVC_.get()))
        scratchpadVC_->moveOut();
}

// ---- Leaving

void StartItemVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}

void StartItemVC::back() {
    std::shared_ptr<CommonViewController> font = fontAdjustVC_;
    fontAdjustVC_.reset();
    for (auto* child : {&calculatorVC_, &scratchpadVC_, &font, &sectionVC_}) closeChild(*child);
    for (const auto& web : {webView_, backWebView_})
        if (web) web->setDelegate({});
    fnd::RunLoop::main().cancelPerforms(this);
    SliddenViewController::back();
}

#include "Classes/study_aids/DictionaryVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/flashcards/MFlashcards.h"
#include "Classes/study_aids/CalculatorVC.h"
#include "Classes/study_aids/DictionaryPage.h"
#include "Classes/study_aids/DictionaryService.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/HTMLEscaping.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"
#include "platform/ui/Toolbar.h"

const ui::ConnectionTable& DictionaryVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("DictionaryVC", &SliddenViewController::classConnections())
            .outlet("webView", &DictionaryVC::webView_)
            .action("doneClick:", &DictionaryVC::doneClick)
            .action(kChangeLanguageAction, &DictionaryVC::changeLanguage)
            .action("addFlashcard:", &DictionaryVC::addFlashcard);
    return table;
}

DictionaryVC::~DictionaryVC() {
    if (dictConnection_) dictConnection_->cancel();
}

void DictionaryVC::init(const std::string& word) {
    initWithNibName(nibIdentifier());
    word_ = word;
    std::shared_ptr<MRepository> rep = AbstractAppDelegate::sharedRep();
    std::string stored = rep ? rep->dictLanguage() : std::string(DictionaryPage::kEnglish);
    currentLangs_ = DictionaryPage::languageList(stored, fnd::Locale::preferredLanguages());
    if (AbstractAppDelegate::isiPad()) {
        setSlideDirection(kDocked);
        setAdjustmentByY(kTabletAdjustment);
        view()->setCornerRadius(CalculatorVC::kDockedCornerRadius);
    }
    animation();
    fnd::NotificationCenter::defaultCenter().post(kOpenedTipEvent, sharedAs<fnd::Object>());
}

void DictionaryVC::viewDidLoad() {
    if (!AbstractAppDelegate::isiPad())
        view()->setAutoresizingMask(view()->autoresizingMask() | ui::FlexibleHeight);
    if (webView_) {
        webView_->setDelegate(sharedAs<DictionaryVC>());
        // The page is made of outside text: none of it runs, whatever the cleaner let through.
        webView_->setInertContent(true);
    }
    if (toolB())
        for (const std::shared_ptr<ui::BarButtonItem>& item : toolB()->items())
            if (item->actionName() == kChangeLanguageAction) langBtn_ = item;
    // With one language there is nothing to switch to.
    if (langBtn_) langBtn_->setEnabled(currentLangs_.size() > 1);
    sendRequest();
    SliddenViewController::viewDidLoad();
}

// ---- Requests

void DictionaryVC::setLanguageTitle() {
    if (langBtn_) langBtn_->setTitle(lang());
}

void DictionaryVC::sendRequest() {
    ui::Application::shared().setNetworkActivityIndicatorVisible(true);
    setLanguageTitle();
    if (lang() == DictionaryPage::kEnglish)
        sendRequestToDictionary();
    else
        sendRequestToTranslator();
}

void DictionaryVC::sendRequestToDictionary() {
    std::string base = DictionaryService::definitionsAddress();
    loadURL(base.empty() ? std::string() : DictionaryPage::definitionsAddress(base, word_));
}

void DictionaryVC::sendRequestToTranslator() {
    std::string base = DictionaryService::translatorAddress();
    loadURL(base.empty() ? std::string() : DictionaryPage::translatorAddress(base, lang(), word_));
}

void DictionaryVC::loadURL(const std::string& address) {
    fnd::URL url(address);
    if (address.empty() || url.host().empty()) {
        stopConnection();
        handleError(kNoAddressText);
        return;
    }
    ui::Application::shared().setNetworkActivityIndicatorVisible(true);
    fnd::URLRequest request(url);
    request.setTimeout(kRequestTimeout);
    request.setHeaderValue("User-Agent", kUserAgent);
    request.setHeaderValue("Cache-Control", "no-cache");
    dictConnection_ = fnd::URLConnection::start(std::move(request), sharedAs<DictionaryVC>());
}

void DictionaryVC::stopConnection() {
    if (dictConnection_) dictConnection_->cancel();
    dictConnection_.reset();
    ui::Application::shared().setNetworkActivityIndicatorVisible(false);
}

void DictionaryVC::didReceiveResponse(fnd::URLConnection&, const fnd::URLResponse&) {
    dictData_.clear();
    dictData_.reserve(100000);
}

void DictionaryVC::didReceiveData(fnd::URLConnection&, const std::string& data) { dictData_ += data; }

void DictionaryVC::didFinishLoading(fnd::URLConnection&) {
    stopConnection();
    acquireHtmlText();
    if (webView_) webView_->loadHTMLString(htmlText_, fnd::URL());
    dictData_.clear();
}

void DictionaryVC::didFail(fnd::URLConnection&, const fnd::URLError& error) {
    dictData_.clear();
    handleError(error.description());
    stopConnection();
}

void DictionaryVC::handleError(const std::string& message) {
    const fnd::Bundle& bundle = fnd::Bundle::main();
    auto alert =
        ui::make<ui::AlertView>(bundle.localizedString(kErrorTitleKey), bundle.localizedString(message),
                                std::weak_ptr<ui::AlertViewDelegate>(), "OK", std::vector<std::string>{});
    alert->show();
}

void DictionaryVC::acquireHtmlText() {
    std::string reply = DictionaryPage::decodeReply(dictData_);
    htmlText_ = lang() == DictionaryPage::kEnglish ? DictionaryPage::prepareDictionaryPage(reply, word_)
                                                   : DictionaryPage::prepareTranslatorPage(reply, word_);
    hasPage_ = true;
}

// ---- Keys

void DictionaryVC::changeLanguage(const Sender&) {
    if (currentLangs_.size() < 2) return;
    std::swap(currentLangs_[0], currentLangs_[1]);
    if (std::shared_ptr<MRepository> rep = AbstractAppDelegate::sharedRep()) rep->setDictLanguage(lang());
    setLanguageTitle();
    stopConnection();
    sendRequest();
}

void DictionaryVC::addFlashcard(const Sender&) {
    if (!hasPage_) return;
    auto sheet = ui::make<ui::ActionSheet>(std::string(kSheetTitle), sharedAs<DictionaryVC>(), kCancelTitle,
                                           std::string(), std::vector<std::string>{kAddTitle});
    sheet->setActionSheetStyle(ui::ActionSheetStyle::BlackTranslucent);
    sheet->showInView(view());
}

void DictionaryVC::actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) {
    if (buttonIndex != sheet.firstOtherButtonIndex()) return;
    std::shared_ptr<MRepository> rep = AbstractAppDelegate::sharedRep();
    if (rep && rep->flashcardsSet())
        rep->flashcardsSet()->addCardWithFaceHTMLText(fnd::escapeHTML(word_), htmlText_,
                                                      kDictionaryDeckIndex);
}

bool DictionaryVC::webViewShouldStartLoad(ui::WebView& webView, const fnd::URLRequest&,
                                          fnd::URLRequest::NavigationType navigation) {
    using Nav = fnd::URLRequest::NavigationType;
    if (navigation == Nav::LinkClicked || navigation == Nav::FormSubmitted) webView.setScalesPageToFit(true);
    return true;
}

void DictionaryVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}

void DictionaryVC::back() {
    stopConnection();
    if (webView_) webView_->setDelegate({});
    SliddenViewController::back();
}

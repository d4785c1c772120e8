#pragma once
// The dictionary panel: looks up a word the user selected on any screen (the edit menu's
// "Dictionary") and shows its English definitions or its translation into another language,
// fetched from the definitions or translator address (DictionaryService) and cut into a page of our
// own (DictionaryPage). The language key switches between the panel's two languages and the
// choice is kept in the repository for the next panel; "Add Flashcard" adds the word and the page
// as a card of the shared "Dictionary" deck. One class for both devices: on the phone it slides in
// over the whole screen, on the tablet it is docked at the lower right beside the screen it came
// from. Done posts "Done" with the panel as object.
//
// One request at most is in flight: a language switch cancels the one running. A failed request
// shows an alert ("Error Title", and "No Connection Error" without a network) and keeps the page.

#include <memory>
#include <string>
#include <vector>

#include "Classes/core/SliddenViewController.h"
#include "platform/foundation/URLConnection.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/WebView.h"

namespace ui {
class BarButtonItem;
}

class DictionaryVC : public SliddenViewController,
                     public ui::WebViewDelegate,
                     public fnd::URLConnectionDelegate,
                     public ui::ActionSheetDelegate {
  public:
    static constexpr const char* kNibName = "DictionaryView";
    static constexpr const char* kDoneNotification = "Done";
    static constexpr const char* kOpenedTipEvent = "TipsEvent_DictionaryOpened";
    static constexpr const char* kUserAgent =
        "Mozilla/5.0 (Macintosh; Intel Mac OS X 10.6; rv:5.0.1) Gecko/20100101 Firefox/5.0.1";
    static constexpr double kRequestTimeout = 60;
    static constexpr double kTabletAdjustment = 60;
    static constexpr const char* kSheetTitle = "Do you want to add Flashcard to the 'Dictionary' Deck?";
    static constexpr const char* kAddTitle = "Add Flashcard";
    static constexpr const char* kCancelTitle = "Cancel";
    static constexpr const char* kErrorTitleKey = "Error Title";
    static constexpr const char* kNoConnectionKey = "No Connection Error";
    static constexpr const char* kNoAddressText = "Failure to create URL connection.";
    // The shared deck the cards go to: "Dictionary".
    static constexpr unsigned kDictionaryDeckIndex = 0;
    static constexpr const char* kChangeLanguageAction = "changeLanguage:";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return kNibName; }

    ~DictionaryVC() override;
    // "initWithWord:": the panel for the word, with the stored language and a second one, sliding
    // in; tells the tips it opened. The request goes out when the view has loaded.
    using SliddenViewController::init;
    void init(const std::string& word);
    void viewDidLoad() override;

    // The current language code.
    const std::string& lang() const { return currentLangs_.front(); }
    // The request for the current language.
    void sendRequest();
    void sendRequestToDictionary();
    void sendRequestToTranslator();
    void loadURL(const std::string& address);
    // Cancels and forgets the request in flight.
    void stopConnection();

    void didReceiveResponse(fnd::URLConnection&, const fnd::URLResponse&) override;
    void didReceiveData(fnd::URLConnection&, const std::string& data) override;
    void didFinishLoading(fnd::URLConnection&) override;
    void didFail(fnd::URLConnection&, const fnd::URLError& error) override;
    void handleError(const std::string& message);
    // The reply's page for the current language, in htmlText.
    void acquireHtmlText();

    // Switches to the other language, stores it and asks again; nothing with one language.
    void changeLanguage(const Sender& sender);
    // Asks whether to add the card; nothing before a page is shown.
    void addFlashcard(const Sender& sender);
    void actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) override;
    // Every load is allowed; a tapped link or form makes the page fit the panel.
    bool webViewShouldStartLoad(ui::WebView& webView, const fnd::URLRequest& request,
                                fnd::URLRequest::NavigationType navigation) override;
    void doneClick(const Sender& sender);
    void back() override;

    const std::string& word() const { return word_; }
    const std::vector<std::string>& currentLangs() const { return currentLangs_; }
    const std::string& htmlText() const { return htmlText_; }
    bool hasPage() const { return hasPage_; }
    const std::shared_ptr<ui::WebView>& webView() const { return webView_; }
    const std::shared_ptr<ui::BarButtonItem>& langBtn() const { return langBtn_; }
    const std::shared_ptr<fnd::URLConnection>& dictConnection() const { return dictConnection_; }

  private:
    void setLanguageTitle();

    std::shared_ptr<ui::WebView> webView_;
    std::string word_;
    std::vector<std::string> currentLangs_;
    std::shared_ptr<fnd::URLConnection> dictConnection_;
    std::string dictData_;
    std::string htmlText_;
    bool hasPage_ = false;
    std::shared_ptr<ui::BarButtonItem> langBtn_;
};

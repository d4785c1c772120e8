#pragma once
// A web view: shows a page given as HTML with a base address, or loaded from a request. Every load
// (its own and every request its page makes) is first offered to the delegate with its navigation
// kind; the delegate may refuse it, and the page then stays as it was. An allowed load of an http
// or https address is fetched with the request's header fields and body (the session keeps the
// cookies), a file address is read, "about:blank" is empty; an address of any other scheme loads
// nothing. The delegate hears when a load starts, finishes or fails. Scripts run in the page
// synchronously and answer text. What shows the page is the web view's engine (see WebEngine).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/URLError.h"
#include "platform/foundation/URLRequest.h"
#include "platform/foundation/URLSession.h"
#include "platform/ui/View.h"
#include "platform/ui/WebEngine.h"

namespace ui {

class NibProperties;

class WebView;

class WebViewDelegate {
  public:
    virtual ~WebViewDelegate() = default;
    virtual bool webViewShouldStartLoad(WebView&, const fnd::URLRequest&, fnd::URLRequest::NavigationType) {
        return true;
    }
    virtual void webViewDidStartLoad(WebView&) {}
    virtual void webViewDidFinishLoad(WebView&) {}
    virtual void webViewDidFailLoad(WebView&, const fnd::URLError&) {}
};

class WebView : public View, public WebEngineClient {
  public:
    using EngineFactory = std::function<std::shared_ptr<WebEngine>(WebView&)>;
    // How long an evaluation waits for the page.
    static constexpr double kEvaluationDeadline = 1.0;
    // Pages kept for going back, as a browser keeps them: a web view that shows page after page
    // (each with its whole HTML when it was given as text) would otherwise grow without end.
    static constexpr std::size_t kHistoryLimit = 50;

    ~WebView() override;
    using View::init;
    void init(const Rect& frame) override;

    // The engine new web views get: the display's when one runs, else a headless one.
    static void setEngineFactory(EngineFactory factory);
    const std::shared_ptr<WebEngine>& engine() const { return engine_; }
    void setEngine(std::shared_ptr<WebEngine> engine);

    std::shared_ptr<WebViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<WebViewDelegate> delegate) { delegate_ = std::move(delegate); }

    // An empty base address gives the page "about:blank".
    void loadHTMLString(const std::string& html, const fnd::URL& baseURL);
    void loadRequest(const fnd::URLRequest& request);
    void reload();
    void stopLoading();
    bool canGoBack() const { return position_ > 0; }
    bool canGoForward() const { return position_ + 1 < history_.size(); }
    void goBack();
    void goForward();
    bool isLoading() const { return loading_ != 0; }
    // The request of the page shown (or loading).
    const fnd::URLRequest& request() const { return request_; }
    // The address of the document shown (or being shown): where its load ended, after redirects;
    // the base address for HTML given directly. Empty before the first document.
    const fnd::URL& documentURL() const { return documentURL_; }

    // Runs the script in the page and answers its result ("" when there is no page or no answer).
    // The changes of this turn are sent first, so that a page loaded in the same turn is there.
    std::string stringByEvaluatingJavaScript(const std::string& script);
    // The text the person has selected in the page; empty when none.
    const std::string& selectedText() const { return selection_; }

    unsigned dataDetectorTypes() const { return detectors_; }
    void setDataDetectorTypes(unsigned types) { detectors_ = types; }
    bool scalesPageToFit() const { return scalesToFit_; }
    void setScalesPageToFit(bool on);
    // Pages loaded from now on are inert (see WebDocument::inertContent): for text whose markup
    // may come from anyone, shown without its scripts and without outside pictures.
    bool inertContent() const { return inertContent_; }
    void setInertContent(bool on) { inertContent_ = on; }

    // The engine's address of the shown document, for the display's frame.
    const std::string& documentAddress() const { return address_; }
    // `inPlace`: the display may show the document by writing it into a frame that is already
    // there, rather than by loading its address (a document the program made, not inert).
    void setDocumentAddress(std::string address, bool inPlace = false);
    bool documentInPlace() const { return inPlace_; }

    bool pageRequests(const fnd::URLRequest& request) override;
    void documentDidLoad(std::uint64_t serial) override;
    void documentDidFail(std::uint64_t serial, const std::string& reason) override;
    void selectionChanged(const std::string& text) override;

    // Interface-file properties: "scalesPageToFit", "detectsPhoneNumbers", "detectsLinks".
    static void applyNibProperties(WebView& view, NibProperties& properties);

    PrimitiveKind primitiveKind() const override { return PrimitiveKind::Frame; }
    void describe(PrimitiveProperties& properties) const override;

  private:
    // A page of the history: a request to load again, or HTML given directly.
    struct Entry {
        fnd::URLRequest request;
        bool isHTML = false;
        std::string html;
    };
    using Nav = fnd::URLRequest::NavigationType;
    // Offers the load to the delegate and starts it; answers whether it was allowed.
    bool start(const Entry& entry, Nav navigation, bool addToHistory);
    void show(std::string content, std::string mimeType, const fnd::URL& url, std::string encoding = {});
    void fail(const fnd::URLError& error);
    void cancelFetch();

    std::shared_ptr<WebEngine> engine_;
    std::weak_ptr<WebViewDelegate> delegate_;
    fnd::URLRequest request_;
    std::vector<Entry> history_;
    std::size_t position_ = 0;
    std::uint64_t loading_ = 0;  // the load under way; 0 when none
    std::uint64_t nextLoad_ = 1;
    std::uint64_t shownSerial_ = 0;  // the document shown or being shown
    fnd::URLSession::TaskId fetch_ = 0;
    std::string selection_;
    unsigned detectors_ = DataDetectorAll;
    bool scalesToFit_ = false;
    bool inertContent_ = false;
    std::string address_;
    bool inPlace_ = false;
    fnd::URL documentURL_;
};

}  // namespace ui

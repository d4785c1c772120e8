#include "platform/ui/WebView.h"

#include <fstream>
#include <sstream>

#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/HeadlessWebEngine.h"
#include "platform/ui/NibProperties.h"

namespace ui {

namespace {

WebView::EngineFactory& engineFactory() {
    static WebView::EngineFactory factory;
    return factory;
}

// The address without its fragment.
std::string withoutFragment(const fnd::URL& url) {
    const std::string& text = url.absoluteString();
    return text.substr(0, text.find('#'));
}

}  // namespace

WebView::~WebView() { cancelFetch(); }

void WebView::init(const Rect& frame) {
    View::init(frame);
    setBackgroundColor(Color::whiteColor());
    auto& factory = engineFactory();
    setEngine(factory ? factory(*this) : nullptr);
}

void WebView::setEngineFactory(EngineFactory factory) { engineFactory() = std::move(factory); }

void WebView::setEngine(std::shared_ptr<WebEngine> engine) {
    engine_ = engine ? std::move(engine) : std::make_shared<HeadlessWebEngine>();
    engine_->setClient(std::weak_ptr<WebEngineClient>(sharedAs<WebView>()));
}

void WebView::setScalesPageToFit(bool on) {
    if (on == scalesToFit_) return;
    scalesToFit_ = on;
    changed();
}

void WebView::setDocumentAddress(std::string address, bool inPlace) {
    if (address == address_ && inPlace == inPlace_) return;
    address_ = std::move(address);
    inPlace_ = inPlace;
    changed();
}

// ---- Loading

void WebView::loadHTMLString(const std::string& html, const fnd::URL& baseURL) {
    Entry entry{fnd::URLRequest(baseURL.isEmpty() ? fnd::URL("about:blank") : baseURL), true, html};
    start(entry, Nav::Other, true);
}

void WebView::loadRequest(const fnd::URLRequest& request) {
    start(Entry{request, false, {}}, Nav::Other, true);
}

void WebView::reload() {
    if (!history_.empty()) start(history_[position_], Nav::Reload, false);
}

void WebView::goBack() {
    if (!canGoBack()) return;
    if (start(history_[position_ - 1], Nav::BackForward, false)) --position_;
}

void WebView::goForward() {
    if (!canGoForward()) return;
    if (start(history_[position_ + 1], Nav::BackForward, false)) ++position_;
}

void WebView::stopLoading() {
    cancelFetch();
    if (loading_ != 0) engine_->stopLoading();
    loading_ = 0;
}

void WebView::cancelFetch() {
    if (fetch_ != 0) fnd::URLSession::shared()->cancel(fetch_);
    fetch_ = 0;
}

bool WebView::start(const Entry& entry, Nav navigation, bool addToHistory) {
    std::shared_ptr<View> keep = sharedAs<View>();  // the delegate may let go of the view
    fnd::URLRequest request = entry.request;
    request.setNavigationType(navigation);
    // A page shown again from the history is the program's doing, whatever made it the first time.
    if (!addToHistory) request.setUserGesture(false);
    if (auto d = delegate(); d && !d->webViewShouldStartLoad(*this, request, navigation)) return false;
    std::string scheme = request.url().scheme();
    bool fetched = scheme == "http" || scheme == "https";
    if (!entry.isHTML && !fetched && scheme != "file" && scheme != "about") return true;  // nothing loads it

    cancelFetch();
    std::uint64_t load = nextLoad_++;
    loading_ = load;
    request_ = request;
    if (addToHistory) {
        if (!history_.empty()) history_.resize(position_ + 1);
        history_.push_back(entry);
        if (history_.size() > kHistoryLimit)
            history_.erase(history_.begin(), history_.end() - static_cast<std::ptrdiff_t>(kHistoryLimit));
        position_ = history_.size() - 1;
    }
    if (auto d = delegate()) d->webViewDidStartLoad(*this);
    if (loading_ != load) return true;  // the delegate started something else

    if (entry.isHTML) {
        show(entry.html, "text/html", request.url(), "utf-8");  // the program's strings are UTF-8
    } else if (scheme == "about") {
        show("", "text/html", request.url());
    } else if (scheme == "file") {
        std::ifstream in(request.url().filePath(), std::ios::binary);
        if (!in) {
            fail(fnd::URLError(fnd::URLError::Code::Failed,
                               "no such file: " + request.url().filePath().string()));
            return true;
        }
        std::ostringstream bytes;
        bytes << in.rdbuf();
        show(bytes.str(), "text/html", request.url());
    } else {
        std::weak_ptr<WebView> weak = sharedAs<WebView>();
        fetch_ = fnd::URLSession::shared()->load(request, [weak, load](fnd::URLSession::Result result) {
            fnd::RunLoop::main().post([weak, load, result = std::move(result)]() mutable {
                auto self = weak.lock();
                if (!self || self->loading_ != load) return;
                self->fetch_ = 0;
                if (result.error)
                    self->fail(*result.error);
                else
                    self->show(std::move(result.body), result.response.mimeType(), result.response.url(),
                               result.response.textEncodingName());
            });
        });
    }
    return true;
}

void WebView::show(std::string content, std::string mimeType, const fnd::URL& url, std::string encoding) {
    WebDocument document;
    document.serial = loading_;
    document.content = std::move(content);
    if (!mimeType.empty()) document.mimeType = std::move(mimeType);
    document.url = url;
    document.textEncoding = std::move(encoding);
    document.dataDetectors = detectors_;
    document.scalesPageToFit = scalesToFit_;
    document.inertContent = inertContent_;
    shownSerial_ = loading_;
    documentURL_ = url;
    engine_->showDocument(document);
}

void WebView::fail(const fnd::URLError& error) {
    loading_ = 0;
    fnd::Log::info("web view: load failed: ", error.description(), " ", error.detail());
    if (auto d = delegate()) d->webViewDidFailLoad(*this, error);
}

bool WebView::pageRequests(const fnd::URLRequest& request) {
    // A jump within the page: the delegate is asked, and the engine moves there itself.
    bool samePage = request.url().hasFragment() && request.method() == "GET" && shownSerial_ != 0 &&
                    withoutFragment(request.url()) == withoutFragment(request_.url());
    if (samePage) {
        auto d = delegate();
        return !d || d->webViewShouldStartLoad(*this, request, request.navigationType());
    }
    return start(Entry{request, false, {}}, request.navigationType(), true);
}

void WebView::documentDidLoad(std::uint64_t serial) {
    if (serial != shownSerial_ || loading_ != serial) return;
    loading_ = 0;
    std::shared_ptr<View> keep = sharedAs<View>();
    if (auto d = delegate()) d->webViewDidFinishLoad(*this);
}

void WebView::documentDidFail(std::uint64_t serial, const std::string& reason) {
    if (serial != shownSerial_ || loading_ != serial) return;
    fail(fnd::URLError(fnd::URLError::Code::Failed, reason));
}

void WebView::selectionChanged(const std::string& text) { selection_ = text; }

std::string WebView::stringByEvaluatingJavaScript(const std::string& script) {
    if (shownSerial_ == 0) return {};
    if (ChangeLog* log = ChangeLog::active()) log->flush();
    return engine_->evaluate(script, kEvaluationDeadline);
}

void WebView::describe(PrimitiveProperties& p) const {
    View::describe(p);
    p.emplace_back("src", address_);
    p.emplace_back("inPlace", inPlace_);
    p.emplace_back("scalesToFit", scalesToFit_);
}

void WebView::applyNibProperties(WebView& view, NibProperties& p) {
    if (auto v = p.boolean("scalesPageToFit")) view.setScalesPageToFit(*v);
    auto detector = [&](const char* key, DataDetector which) {
        if (auto on = p.boolean(key))
            view.setDataDetectorTypes(*on ? view.dataDetectorTypes() | which
                                          : view.dataDetectorTypes() & ~which);
    };
    detector("detectsPhoneNumbers", DataDetectorPhoneNumber);
    detector("detectsLinks", DataDetectorLink);
}

}  // namespace ui

#include "platform/display/BrowserWebEngine.h"

#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>
#include <system_error>

#include "platform/display/AccessPolicy.h"
#include "platform/display/ServedFiles.h"
#include "platform/display/Server.h"
#include "platform/display/WebViewHost.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/WebView.h"

namespace fs = std::filesystem;

namespace display {

namespace {

// The address without its query and fragment.
std::string bare(const std::string& address) { return address.substr(0, address.find_first_of("?#")); }

std::string withoutFragment(const std::string& address) { return address.substr(0, address.find('#')); }

// Canonical, without a trailing separator; empty when it cannot be made.
fs::path canonicalPath(const fs::path& path) {
    std::error_code ec;
    fs::path canonical = fs::weakly_canonical(path, ec);
    if (ec || canonical.empty()) return {};
    if (!canonical.has_filename()) canonical = canonical.parent_path();
    return canonical;
}

}  // namespace

BrowserWebEngine::BrowserWebEngine(std::weak_ptr<WebViewHost> host, ui::WebView& view)
    : host_(std::move(host)), view_(view.sharedAs<ui::WebView>()), element_(view.elementId()) {}

BrowserWebEngine::~BrowserWebEngine() {
    stopServing();
    if (auto host = host_.lock()) host->forget(element_);
}

bool BrowserWebEngine::mayServe(const fs::path& folder) {
    fs::path f = canonicalPath(folder);
    if (f.empty()) return false;
    fs::path resources = canonicalPath(fnd::Paths::resources());
    fs::path documents = canonicalPath(fnd::Paths::documents());
    if (!resources.empty() && ServedFiles::contains(resources, f)) return true;
    return !documents.empty() && f != documents && ServedFiles::contains(documents, f);
}

void BrowserWebEngine::stopServing() {
    auto host = host_.lock();
    if (host && !address_.empty()) host->server().withdrawDocument(address_);
    if (host && !folderPrefix_.empty()) host->server().stopServingFolder(folderPrefix_);
    address_.clear();
    folderPrefix_.clear();
    folder_.clear();
    folderAddress_.clear();
}

void BrowserWebEngine::serveFolderOf(const fnd::URL& url) {
    // Every document gets the folder under a fresh address, so that no address is used twice.
    stopServing();
    auto host = host_.lock();
    if (!url.isFileURL() || !host) return;
    std::string text = bare(url.absoluteString());
    std::string folderAddress = text.substr(0, text.rfind('/') + 1);
    fs::path folder = fnd::URL(folderAddress).filePath();
    if (!mayServe(folder)) {
        fnd::Log::warning(
            "web view: not serving the page's folder, which lies outside the resources and books: ",
            folder.string());
        return;
    }
    folder_ = folder;
    folderAddress_ = folderAddress;
    // Pages of the bundle name its images as if they lay at its top, where a bundle of the
    // platform keeps them; ours keeps them in a folder of their own.
    std::vector<std::string> alsoFrom;
    if (canonicalPath(folder) == canonicalPath(fnd::Paths::resources()))
        alsoFrom = {fnd::Bundle::kImageFolder};
    folderPrefix_ = host->server().serveFolder(folder, std::move(alsoFrom));
}

std::string BrowserWebEngine::documentName(const fnd::URL& url) const {
    // In its folder, the document takes the place of its file, so that the page finds its own name
    // where it looks for it; a name that would need escaping, or none, gives a random one.
    if (folderPrefix_.empty()) return {};
    std::string text = bare(url.absoluteString());
    std::string name = text.substr(text.rfind('/') + 1);
    bool plain =
        !name.empty() && name != "." && name != ".." && std::all_of(name.begin(), name.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == '-' ||
                   c == '~';
        });
    return plain ? name : std::string();
}

void BrowserWebEngine::showDocument(const ui::WebDocument& document) {
    auto host = host_.lock();
    std::weak_ptr<ui::WebEngineClient> client = client_;
    std::weak_ptr<int> alive = alive_;
    std::uint64_t serial = document.serial;
    auto tell = [client, alive, serial](std::string failure) {
        fnd::RunLoop::main().post([client, alive, serial, failure = std::move(failure)] {
            auto c = client.lock();
            if (alive.expired() || !c) return;
            if (failure.empty())
                c->documentDidLoad(serial);
            else
                c->documentDidFail(serial, failure);
        });
    };
    if (!host) return tell({});  // the display has gone: the page loads nowhere, as without one
    PageBridge::Served served = host->bridge().prepare(document);
    // A document that cannot be shown fails, and the page shown stays, as after any failed load.
    if (!served.ok) return tell(served.error);

    scripts_.clear();
    scriptBytes_ = 0;
    serial_ = serial;
    url_ = document.url;
    serveFolderOf(document.url);
    // A page the program made, from a folder it serves, may be written into a frame that waits
    // ready, which shows it far sooner than a navigation. Outside pages and inert ones load from
    // their address: the policy of an inert page is a header of its response.
    bool inPlace =
        !folderPrefix_.empty() && !document.inertContent && served.contentType.starts_with("text/html");
    // The frame's address keeps the page's query and fragment, which its scripts may read.
    const std::string& page = document.url.absoluteString();
    std::string rest = page.substr(bare(page).size());
    std::string name = documentName(document.url);
    // A page made from a text has no address of its own for its scripts to read. Written in place,
    // it keeps the address of the frame it is written into and learns its own from a base element
    // (its links, pictures and scripts resolve as if it had been loaded from there), so that the
    // frame need not navigate in the middle of the write.
    bool based = false;
    if (inPlace && name.empty() && rest.empty()) {
        name = AccessPolicy::makeToken();
        based = PageBridge::addBase(served.body, folderPrefix_ + name);
    }
    // Its text goes to the tab ahead of the patch that shows it, so that the frame need not fetch it.
    std::string text =
        inPlace && served.contentType == "text/html; charset=utf-8" ? served.body : std::string();
    address_ = host->server().serveDocument(std::move(served.body), std::move(served.contentType),
                                            folderPrefix_, name, std::move(served.contentPolicy));
    std::string src = address_ + rest;
    based_ = based;
    if (!text.empty()) sendText(*host, src, text, based);
    if (auto view = view_.lock()) view->setDocumentAddress(std::move(src), inPlace);
}

void BrowserWebEngine::sendText(WebViewHost& host, const std::string& src, const std::string& text,
                                bool based) const {
    using json = nlohmann::json;
    try {
        host.server().send(
            json{{"type", "document"}, {"id", element_}, {"src", src}, {"html", text}, {"base", based}}
                .dump());
    } catch (const json::exception&) {
        // Text that is not UTF-8 after all: the frame fetches it, with its character set.
    }
}

bool BrowserWebEngine::inTree() const {
    auto view = view_.lock();
    std::shared_ptr<ui::View> root = ui::Application::shared().screenView();
    for (std::shared_ptr<ui::View> v = view; v; v = v->superview())
        if (v == root) return true;
    return false;
}

void BrowserWebEngine::keep(const std::string& script) {
    scripts_.push_back(script);
    scriptBytes_ += script.size();
    if (scriptBytes_ <= kReplayLimit) return;
    std::size_t drop = 0;
    while (scriptBytes_ > kReplayLimit && drop + 1 < scripts_.size()) scriptBytes_ -= scripts_[drop++].size();
    scripts_.erase(scripts_.begin(), scripts_.begin() + static_cast<std::ptrdiff_t>(drop));
    fnd::Log::warning("web view: too many scripts to show the page again as it is; the oldest are dropped");
}

std::string BrowserWebEngine::evaluate(const std::string& script, double deadline) {
    auto host = host_.lock();
    if (!host || address_.empty()) return {};
    keep(script);
    // A web view that is not on the screen has no frame yet: the tab keeps the script for it.
    return host->evaluate(element_, serial_, script, deadline, inTree());
}

void BrowserWebEngine::replay() {
    auto host = host_.lock();
    if (!host || address_.empty()) return;
    for (const std::string& script : scripts_) host->evaluate(element_, serial_, script, 0, false);
}

fnd::URL BrowserWebEngine::pageAddress(std::string_view browserAddress) const {
    fnd::URL used{browserAddress};
    auto host = host_.lock();
    std::string host_name = used.host();
    bool ours = host && used.scheme() == "http" && used.port() == int(host->server().port()) &&
                (host_name == "127.0.0.1" || host_name == "localhost" || host_name == "::1");
    if (!ours) return used;
    // "//127.0.0.1:PORT/path?query#fragment": the path and what follows, as the browser wrote them.
    std::string specifier = used.resourceSpecifier();
    std::size_t slash = specifier.find('/', 2);
    std::string target = slash == std::string::npos ? "/" : specifier.substr(slash);
    std::string path = bare(target);
    std::string rest = target.substr(path.size());
    // A page written into the frame shell keeps the shell's address (a reload asks for it).
    if (!address_.empty() && (path == address_ || path == host->shellAddress()))
        return fnd::URL(bare(url_.absoluteString()) + rest);
    if (!folderPrefix_.empty() && target.starts_with(folderPrefix_))
        return fnd::URL(folderAddress_ + target.substr(folderPrefix_.size()));
    // A page that learns its address from a base element still reads the shell's in `location`:
    // what its scripts resolve against that address they mean against their own folder.
    std::string_view shell = host->shellAddress();
    std::string_view shellFolder = shell.substr(0, shell.rfind('/') + 1);
    if (based_ && !folderPrefix_.empty() && !shellFolder.empty() && target.starts_with(shellFolder))
        return fnd::URL(folderAddress_ + target.substr(shellFolder.size()));
    return used;
}

void BrowserWebEngine::frameLoaded(std::uint64_t serial) {
    if (serial != serial_ || address_.empty()) return;
    if (auto c = client_.lock()) c->documentDidLoad(serial);
}

void BrowserWebEngine::frameFailed(const std::string& src, const std::string& reason) {
    if (address_.empty() || bare(src) != address_) return;
    if (auto c = client_.lock())
        c->documentDidFail(serial_, reason.empty() ? "the page did not load" : reason);
}

void BrowserWebEngine::frameRequests(std::uint64_t serial, fnd::URLRequest request) {
    if (serial != serial_ || address_.empty()) return;  // a page that is no longer shown
    auto client = client_.lock();
    if (!client) return;
    request.setURL(pageAddress(request.url().absoluteString()));
    // A jump within the page: when it is allowed, the frame moves there itself.
    const fnd::URL& url = request.url();
    bool jump = url.hasFragment() && request.method() == "GET" &&
                withoutFragment(url.absoluteString()) == withoutFragment(url_.absoluteString());
    bool allowed = client->pageRequests(request);
    auto host = host_.lock();
    if (!allowed || !jump || serial != serial_ || !host) return;
    using json = nlohmann::json;
    std::string fragment = json("#" + url.fragment()).dump(-1, ' ', false, json::error_handler_t::replace);
    std::string script = "location.hash = " + fragment;
    keep(script);
    host->evaluate(element_, serial_, script, 0, false);
}

void BrowserWebEngine::frameSelected(std::uint64_t serial, const std::string& text, const ui::Rect& rect) {
    if (serial != serial_) return;
    if (auto c = client_.lock()) c->selectionChanged(text);
    ui::Application::shared().selectionChanged(element_, text, rect);
}

}  // namespace display

#pragma once
// A web view's engine in the browser display. The document goes to the web view's frame (a
// sandboxed iframe of the tab) at an address of its own on the display's server, with the bridge
// script in it; when the page's address is a file address, the folder it lies in is served beside
// it, so that its pictures, styles and links resolve, but only a folder of the bundle's resources
// or one inside the documents folder (never the documents folder itself, nor anything beyond).
//
// What the page does comes back through its bridge: requests with the addresses the page expects
// (a link into the served folder is a file address there, whatever address the browser used),
// the end of its load, its selection. Scripts run in the frame; a synchronous one waits for the
// tab's answer. Every script run since the document was shown is kept, so that a tab that takes
// over shows the page as it was. Main thread only.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/Rect.h"
#include "platform/ui/WebEngine.h"

namespace ui {
class WebView;
}

namespace display {

class WebViewHost;

class BrowserWebEngine : public ui::WebEngine {
  public:
    // The scripts kept for a take-over stop at this many bytes; the oldest go first.
    static constexpr std::size_t kReplayLimit = 4u << 20;

    BrowserWebEngine(std::weak_ptr<WebViewHost> host, ui::WebView& view);
    ~BrowserWebEngine() override;

    void setClient(std::weak_ptr<ui::WebEngineClient> client) override { client_ = std::move(client); }
    void showDocument(const ui::WebDocument& document) override;
    // The frame's page is what the tab has; a load that is no longer wanted is simply not told.
    void stopLoading() override {}
    std::string evaluate(const std::string& script, double deadline) override;

    // What the frame's bridge said (for the document of `serial`; older documents are not heard).
    void frameLoaded(std::uint64_t serial);
    void frameFailed(const std::string& src, const std::string& reason);
    void frameRequests(std::uint64_t serial, fnd::URLRequest request);
    void frameSelected(std::uint64_t serial, const std::string& text, const ui::Rect& rect);
    // A tab took over: it gets the scripts run since the document, to run once it has loaded it.
    void replay();

    // The address the page expects for one the browser made in its frame.
    fnd::URL pageAddress(std::string_view browserAddress) const;
    // Where the display serves the document (empty when nothing is shown).
    const std::string& documentAddress() const { return address_; }
    const std::vector<std::string>& keptScripts() const { return scripts_; }
    // Folders a page's base may open to the frame.
    static bool mayServe(const std::filesystem::path& folder);

  private:
    bool inTree() const;
    // Sends the tab the text of a document to be written in place, ahead of the patch that shows it;
    // `based` when the text names its own address in a base element.
    void sendText(WebViewHost& host, const std::string& src, const std::string& text, bool based) const;
    void serveFolderOf(const fnd::URL& url);
    std::string documentName(const fnd::URL& url) const;
    void stopServing();
    void keep(const std::string& script);

    std::weak_ptr<WebViewHost> host_;
    std::weak_ptr<ui::WebView> view_;
    std::weak_ptr<ui::WebEngineClient> client_;
    std::uint64_t element_;
    std::uint64_t serial_ = 0;
    fnd::URL url_;               // the page's own address
    std::string address_;        // the display's address of the document
    bool based_ = false;         // the document names its address in a base element
    std::string folderAddress_;  // the page's folder as the page knows it ("file:///.../")
    std::filesystem::path folder_;
    std::string folderPrefix_;  // where the display serves that folder ("/s/<random>/")
    std::vector<std::string> scripts_;
    std::size_t scriptBytes_ = 0;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace display

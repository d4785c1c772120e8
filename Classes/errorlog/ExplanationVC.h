#pragma once
// The worked explanation of one official-guide question in a web view, headed by the correct
// answer. The page is the bundle's own explanation file; when the companion e-book holds an
// explanation of the question too, it goes in at the file's "<!-- START -->" marker with a block
// naming the course provider who wrote it (without an own file an empty shell page holds it). The
// page's text follows the shared page font size, changed through the font-size popup.
//
// A question without a key has no correct answer to head the page with: the heading is left out.
// Every missing or unreadable file leaves the page empty.

#include <memory>
#include <optional>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/WebView.h"

class FontAdjustVC;
namespace ui {
class Label;
}

class ExplanationVC : public SliddenViewController, public ui::WebViewDelegate {
  public:
    static constexpr const char* kStartMarker = "<!-- START -->";
    static constexpr const char* kShellName = "OG12_empty_done";
    static constexpr const char* kCourseName = "Manhattan ORVA";
    static constexpr int kImageWidth = 290;
    static constexpr int kImageHeight = 350;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    static void registerOwners();

    std::string nibIdentifier() const override { return "ExplanationView"; }

    // The bundle's page name (without ".html"), the companion file's path (none when it has none)
    // and the correct answer's letter (none when the question has no key); then the slide-in.
    using SliddenViewController::init;
    void init(std::string fileName, std::optional<std::string> companionFilePath,
              std::optional<std::string> rightAnswer);
    void viewDidLoad() override;

    // Builds the page and loads it.
    void showContent();
    // The page's text and base address; nothing when no page can be shown.
    struct Page {
        std::string html;
        fnd::URL baseURL;
    };
    std::optional<Page> assemblePage() const;
    // Where the marker stands in the text; none when it is absent.
    static std::optional<std::size_t> startRangeWithHtmlString(const std::string& html);

    // The font key: opens the font-size popup, or closes the open one.
    void changeFontSize(const Sender& sender);
    // The popup's keys: the shared page font one point larger ("+") or smaller, within 7 to 20.
    void fontAdjustNotifications(const fnd::Notification& notification);
    // The page's scripts once it has loaded: the phone fits its images to the screen.
    virtual void applyJSforWebView(ui::WebView& webView);
    void webViewDidFinishLoad(ui::WebView& webView) override;

    // The done key: "Done" with the screen as object.
    void doneClick(const Sender& sender);
    // Closes an open font popup and lets the page go before the screen goes.
    void back() override;

    const std::shared_ptr<ui::WebView>& webView() const { return webView_; }
    const std::shared_ptr<ui::Label>& titleLbl() const { return titleLbl_; }
    const std::optional<std::string>& rightAnswer() const { return rightAnswer_; }
    const std::shared_ptr<FontAdjustVC>& fontAdjustVC() const { return fontAdjustVC_; }

  private:
    // The separator between the parts of the page, and the heading with the correct answer.
    static std::string separator();
    std::string header() const;
    void applyFontSize(int size);

    std::shared_ptr<FontAdjustVC> fontAdjustVC_;
    std::shared_ptr<ui::WebView> webView_;
    std::string fileName_;
    std::optional<std::string> companionFilePath_;
    std::shared_ptr<ui::Label> titleLbl_;
    std::optional<std::string> rightAnswer_;
};

// The tablet's screen: its own layout, and the page's images left at their size.
class ExplanationVC_iPad : public ExplanationVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return tabletName(ExplanationVC::nibIdentifier()); }
    void applyJSforWebView(ui::WebView&) override {}
};

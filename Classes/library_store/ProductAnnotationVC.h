#pragma once
// A store product's annotation: the bundle's page about the product (the loader names it) under
// the product's title, at the repository's font size, which the font popup changes within 7 to 20
// points. The page stays hidden until its font size is set, so that it never shows at the wrong
// size; a link tapped in it opens outside the program.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/WebView.h"

class FontAdjustVC;
class MProductInfo;
namespace ui {
class Label;
}

class ProductAnnotationVC : public SliddenViewController, public ui::WebViewDelegate {
  public:
    static constexpr const char* kDoneNotification = "Done";
    static constexpr const char* kShowScript = "document.body.style.visibility='visible';";
    // The folder of the annotation pages among the bundle's resources.
    static constexpr const char* kFolder = "annotations";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return "ProductAnnotationView"; }

    // The product's page and title, then the entrance.
    using SliddenViewController::init;
    void init(std::shared_ptr<MProductInfo> product);
    void viewDidLoad() override;
    // Loads the page under the title, when there is a page and the interface file gave the title
    // label a text.
    void showAnnotation();

    void webViewDidFinishLoad(ui::WebView& webView) override;
    // A tapped link opens outside the program and loads nothing here; other loads go ahead.
    bool webViewShouldStartLoad(ui::WebView& webView, const fnd::URLRequest& request,
                                fnd::URLRequest::NavigationType navigation) override;

    void changeFontSize(const Sender& sender);
    void fontAdjustNotifications(const fnd::Notification& notification);
    void doneClick(const Sender& sender);
    // An open font popup goes first.
    void back() override;

    const std::shared_ptr<ui::WebView>& webView() const { return webView_; }
    const std::shared_ptr<ui::Label>& titleLbl() const { return titleLbl_; }
    const std::shared_ptr<FontAdjustVC>& fontAdjustVC() const { return fontAdjustVC_; }
    const std::optional<std::filesystem::path>& contentSrc() const { return contentSrc_; }
    const std::string& title() const { return title_; }

  private:
    void applyFontSize();

    std::shared_ptr<FontAdjustVC> fontAdjustVC_;
    std::shared_ptr<ui::WebView> webView_;
    std::shared_ptr<ui::Label> titleLbl_;
    std::optional<std::filesystem::path> contentSrc_;
    std::string title_;
};

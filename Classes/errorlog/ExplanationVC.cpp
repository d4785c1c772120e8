#include "Classes/errorlog/ExplanationVC.h"

#include <fstream>
#include <sstream>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/FontAdjustVC.h"
#include "Classes/core/MRepository.h"
#include "Classes/study_aids/MCourse.h"
#include "Classes/study_aids/MCourses.h"
#include "platform/foundation/Base64.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Device.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"

namespace fs = std::filesystem;

namespace {

// A file read whole; nothing when it cannot be read.
std::optional<std::string> readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return text.str();
}

// The bundle picture's name for the screen: the "@2x" twin on a screen of scale 2.
std::string forScreen(const std::string& name) {
    return ui::Device::current().screenScale() == 2.0 ? name + "@2x" : name;
}

// The bundle picture as the page's image source. The page is served from its base folder only
// (the companion's, for a companion explanation), so the picture goes in the page itself.
std::string imageSource(const std::string& name) {
    auto path = fnd::Bundle::main().pathForResource(forScreen(name), "png", "images");
    std::optional<std::string> bytes = path ? readText(*path) : std::nullopt;
    return bytes ? "data:image/png;base64," + fnd::base64Encode(*bytes) : forScreen(name) + ".png";
}

}  // namespace

const ui::ConnectionTable& ExplanationVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("ExplanationVC", &SliddenViewController::classConnections())
            .outlet("webView", &ExplanationVC::webView_)
            .outlet("titleLbl", &ExplanationVC::titleLbl_)
            .action("doneClick:", &ExplanationVC::doneClick)
            .action("changeFontSize:", &ExplanationVC::changeFontSize);
    return table;
}

const ui::ConnectionTable& ExplanationVC_iPad::classConnections() {
    static const ui::ConnectionTable table("ExplanationVC_iPad", &ExplanationVC::classConnections());
    return table;
}

void ExplanationVC::registerOwners() {
    ui::ConnectionTable::registerOwner(ExplanationVC::classConnections());
    ui::ConnectionTable::registerOwner(ExplanationVC_iPad::classConnections());
}

void ExplanationVC::init(std::string fileName, std::optional<std::string> companionFilePath,
                         std::optional<std::string> rightAnswer) {
    initWithNibName(nibIdentifier());
    fileName_ = std::move(fileName);
    companionFilePath_ = std::move(companionFilePath);
    rightAnswer_ = std::move(rightAnswer);
    animation();
}

void ExplanationVC::viewDidLoad() {
    if (webView_) webView_->setDelegate(sharedAs<ExplanationVC>());
    showContent();
    SliddenViewController::viewDidLoad();
}

std::optional<std::size_t> ExplanationVC::startRangeWithHtmlString(const std::string& html) {
    std::size_t at = html.find(kStartMarker);
    if (at == std::string::npos) return std::nullopt;
    return at;
}

std::string ExplanationVC::separator() {
    return "<p class=\"separate\"><img style=\"position: relative; left: 0px; top: -6px;\" src=\"" +
           imageSource("separation_image") + "\" width=\"75px\" height=\"10px\"/></p>";
}

std::string ExplanationVC::header() const {
    if (!rightAnswer_) return {};
    return "<span><b>The correct answer is " + *rightAnswer_ + ".</b></span>" + separator();
}

std::optional<ExplanationVC::Page> ExplanationVC::assemblePage() const {
    if (fileName_.empty()) return std::nullopt;
    fnd::Bundle bundle = fnd::Bundle::main();
    fnd::URL base = fnd::URL::fileURL(bundle.resourcePath());
    auto own = bundle.pathForResource(fileName_, "html");
    bool ownFound = own.has_value();
    if (!own) {
        if (!companionFilePath_) return std::nullopt;
        own = bundle.pathForResource(kShellName, "html");
        if (!own) return std::nullopt;
    }
    std::optional<std::string> html = readText(*own);
    if (!html) return std::nullopt;
    std::optional<std::size_t> start = startRangeWithHtmlString(*html);
    if (!start) {
        fnd::Log::info("It's strange! START comment not found...");
        return std::nullopt;
    }
    html->insert(*start, header());

    std::optional<std::string> companion;
    if (companionFilePath_) companion = readText(*companionFilePath_);
    if (companion) {
        base = fnd::URL::fileURL(MRepository::companionExplanationHomePath());
        start = startRangeWithHtmlString(*html);
        std::string logo, company;
        auto rep = AbstractAppDelegate::sharedRep();
        if (auto course = rep && rep->courseSet() ? rep->courseSet()->courseForName(kCourseName) : nullptr) {
            logo = imageSource(course->logoName());
            company = course->companyName();
        }
        *companion += "<p class=\"course\"><table class=\"course\"><tr><td><img src=\"" + logo +
                      "\" width=\"115px\" height=\"70px\"/></td><td><span class=\"course\">The Explanation "
                      "provided by:</span><br> <b>" +
                      company + "</b></td></tr></table></p>";
        if (ownFound) *companion += separator();
        html->replace(*start, std::string(kStartMarker).size(), *companion);
    }
    return Page{std::move(*html), base};
}

void ExplanationVC::showContent() {
    if (!webView_) return;
    if (auto page = assemblePage()) webView_->loadHTMLString(page->html, page->baseURL);
}

void ExplanationVC::applyFontSize(int size) {
    if (webView_)
        webView_->stringByEvaluatingJavaScript("document.body.style.fontSize='" + std::to_string(size) +
                                               "pt';");
}

void ExplanationVC::webViewDidFinishLoad(ui::WebView& webView) {
    auto rep = AbstractAppDelegate::sharedRep();
    applyFontSize(rep ? rep->baseFontSize() : FontAdjustVC::kMinimumFontSize);
    webView.stringByEvaluatingJavaScript("document.body.style.visibility='visible';");
    applyJSforWebView(webView);
}

void ExplanationVC::applyJSforWebView(ui::WebView& webView) {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!rep) return;
    if (auto script = rep->jQuery()) webView.stringByEvaluatingJavaScript(*script);
    webView.stringByEvaluatingJavaScript(MRepository::fixImageSizeToWidth(kImageWidth, kImageHeight));
}

void ExplanationVC::changeFontSize(const Sender&) {
    if (!fontAdjustVC_) {
        fontAdjustVC_ = ui::make<FontAdjustVC>(std::string("TopRight"));
        registerDoneHandler(&ExplanationVC::fontAdjustNotifications, std::nullopt, fontAdjustVC_);
    } else {
        proceedDoneNotification(nullptr, fontAdjustVC_);
        fontAdjustVC_.reset();
    }
}

void ExplanationVC::fontAdjustNotifications(const fnd::Notification& notification) {
    auto rep = AbstractAppDelegate::sharedRep();
    if (!rep) return;
    rep->setBaseFontSize(FontAdjustVC::steppedFontSize(rep->baseFontSize(), notification));
    applyFontSize(rep->baseFontSize());
}

void ExplanationVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<ExplanationVC>());
}

void ExplanationVC::back() {
    if (fontAdjustVC_) {
        proceedDoneNotification(nullptr, fontAdjustVC_);
        fontAdjustVC_.reset();
    }
    if (webView_) webView_->setDelegate({});
    SliddenViewController::back();
}

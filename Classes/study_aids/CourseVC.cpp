#include "Classes/study_aids/CourseVC.h"

#include "Classes/core/WebViewCustom.h"
#include "Classes/study_aids/BundlePage.h"
#include "Classes/study_aids/CentersVC.h"
#include "Classes/study_aids/MCourse.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"
#include "platform/ui/Toolbar.h"

const ui::ConnectionTable& CourseVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("CourseVC", &SliddenViewController::classConnections())
            .outlet("webView", &CourseVC::webView_)
            .action(kDoneAction, &CourseVC::doneClick)
            .action(kCentersAction, &CourseVC::showCenters);
    return table;
}

void CourseVC::init(std::shared_ptr<MCourse> course) {
    course_ = std::move(course);
    initWithNibName(nibIdentifier());
    animation();
}

void CourseVC::findToolbarItems() {
    if (!toolB()) return;
    for (const auto& item : toolB()->items()) {
        if (item->actionName() == kDoneAction) doneBtn_ = item;
        if (item->actionName() == kCentersAction) centersBtn_ = item;
        if (item->isFlexibleSpace()) flexibleSpaceBtn_ = item;
    }
}

void CourseVC::viewDidLoad() {
    findToolbarItems();
    if (webView_) webView_->setDelegate(weakAs<CourseVC>());
    showCourse();
    SliddenViewController::viewDidLoad();
}

void CourseVC::showCourse() {
    if (!course_ || course_->fileName().empty()) return;
    if (toolB() && doneBtn_) {
        bool hasCenters = course_->centers() && !course_->centers()->empty();
        if (hasCenters && flexibleSpaceBtn_ && centersBtn_)
            toolB()->setItems({doneBtn_, flexibleSpaceBtn_, centersBtn_}, true);
        else
            toolB()->setItems({doneBtn_}, true);
    }
    if (webView_) BundlePage::load(*webView_, course_->fileName());
}

bool CourseVC::webViewShouldStartLoad(ui::WebView&, const fnd::URLRequest& request,
                                      fnd::URLRequest::NavigationType navigation) {
    if (WebViewCustom::checkNopenExternally(request.url())) return false;
    if (navigation != fnd::URLRequest::NavigationType::LinkClicked) return true;
    ui::Application::shared().openURL(request.url());
    return false;
}

std::shared_ptr<CentersVC> CourseVC::makeCentersVC() const { return ui::make<CentersVC>(course_); }

void CourseVC::showCenters(const Sender&) {
    if (!canOpenSubview()) return;
    centersVC_ = makeCentersVC();
    registerMainChildDoneHandler(&CourseVC::centersNotifications, std::nullopt, centersVC_);
}

void CourseVC::centersNotifications(const fnd::Notification& notification) {
    std::shared_ptr<CommonViewController> list = centersVC_;
    if (list && proceedDoneNotification(&notification, list)) centersVC_.reset();
}

void CourseVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}

void CourseVC::back() {
    if (webView_) webView_->setDelegate({});
    SliddenViewController::back();
}

#include "Classes/study_aids/CenterVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/study_aids/AddressAnnotation.h"
#include "Classes/study_aids/CenterDistance.h"
#include "Classes/study_aids/CenterLinks.h"
#include "Classes/study_aids/MCenter.h"
#include "Classes/study_aids/MCourse.h"
#include "Classes/study_aids/MCourses.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/URL.h"
#include "platform/maps/PinAnnotationView.h"
#include "platform/ui/AffineTransform.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Toolbar.h"

namespace {

constexpr const char* kHideInfoAction = "hideInfoView";

std::shared_ptr<MCourses> catalogue() {
    auto rep = AbstractAppDelegate::sharedRep();
    return rep ? rep->courseSet() : nullptr;
}

bool isPhone() {
    auto delegate = AbstractAppDelegate::shared();
    return delegate && delegate->isPhone();
}

}  // namespace

const ui::ConnectionTable& CenterVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("CenterVC", &SliddenViewController::classConnections())
            .outlet("phoneBtn", &CenterVC::phoneBtn_)
            .outlet("skypeBtn", &CenterVC::skypeBtn_)
            .outlet("mapView", &CenterVC::mapView_)
            .outlet("addressLbl", &CenterVC::addressLbl_)
            .outlet("cityZipCountryLbl", &CenterVC::cityZipCountryLbl_)
            .outlet("distanceLbl", &CenterVC::distanceLbl_)
            .outlet("companyNameLbl", &CenterVC::companyNameLbl_)
            .outlet("skypeLbl", &CenterVC::skypeLbl_)
            .outlet("phoneLbl", &CenterVC::phoneLbl_)
            .outlet("infoView", &CenterVC::infoView_)
            .action(kShowMapsAction, &CenterVC::showGoogleMaps)
            .action("callTel:", &CenterVC::callTel)
            .action("callSkype:", &CenterVC::callSkype)
            .action("doneClick:", &CenterVC::doneClick);
    return table;
}

void CenterVC::setCourseOf(const std::shared_ptr<MCenter>& center) {
    if (auto courses = catalogue()) course_ = courses->courseForCenter(center);
}

void CenterVC::init(std::shared_ptr<MCenter> center, std::optional<loc::Location> location) {
    maps::MapView::registerInterfaceClass();
    initWithNibName(nibIdentifier());
    center_ = std::move(center);
    setCourseOf(center_);
    currentLocation_ = location;
    animation();
}

void CenterVC::init(std::vector<std::shared_ptr<MCenter>> centers, std::optional<loc::Location> location) {
    maps::MapView::registerInterfaceClass();
    initWithNibName(nibIdentifier());
    centers_ = std::move(centers);
    allCenters_ = true;
    if (!centers_.empty()) setCourseOf(centers_.front());
    gSpan_ = {allCentersSpan(), allCentersSpan()};
    currentLocation_ = location;
    animation();
}

void CenterVC::findMapsButton() {
    if (!toolB()) return;
    for (const auto& item : toolB()->items())
        if (item->actionName() == kShowMapsAction) mapsBtn_ = item;
}

void CenterVC::viewDidLoad() {
    findMapsButton();
    if (distanceLbl_)
        if (auto delegate = AbstractAppDelegate::shared()) distanceLbl_->setTextColor(delegate->mainColor());
    if (companyNameLbl_) companyNameLbl_->setText(course_ ? course_->companyName() : "");
    if (infoView_) infoViewY_ = infoView_->center().y;
    auto widenAddress = [this] {
        for (const auto& label : {cityZipCountryLbl_, addressLbl_})
            if (label) extendView(*label);
    };
    const std::vector<ui::View*> phone{phoneBtn_.get(), phoneLbl_.get()};
    const std::vector<ui::View*> skype{skypeBtn_.get(), skypeLbl_.get()};
    if (!isPhone()) {
        for (ui::View* view : phone)
            if (view) view->setHidden(true);
        for (ui::View* view : skype)
            if (view) shiftView(*view);
        widenAddress();
    }
    bool hasSkype = course_ && course_->skype() && !course_->skype()->empty();
    if (!hasSkype || !ui::Application::shared().canOpenURL(fnd::URL(kSkypeProbe))) {
        for (ui::View* view : skype)
            if (view) view->setHidden(true);
        widenAddress();
    }
    if (mapView_) mapView_->setDelegate(weakAs<CenterVC>());
    if (center_)
        showCenter();
    else
        showCenters();
    SliddenViewController::viewDidLoad();
}

// ---- The map

void CenterVC::showCenter() {
    updateDistance();
    updateInfoView();
    addCenterPin(center_);
    addUserPin();
    const loc::Location& at = center_->location();
    if (mapView_) mapView_->setRegion({{at.latitude(), at.longitude()}, {kCenterSpan, kCenterSpan}}, true);
}

void CenterVC::showCenters() {
    updateDistance();
    if (infoView_) infoView_->setHidden(true);
    if (mapsBtn_) mapsBtn_->setEnabled(false);
    for (const auto& center : centers_) addCenterPin(center);
    addUserPin();
    if (mapView_) mapView_->setRegion({kAllCentersMiddle, gSpan_}, true);
}

void CenterVC::addCenterPin(const std::shared_ptr<MCenter>& center) {
    if (!center || !mapView_) return;
    auto pin = std::make_shared<AddressAnnotation>(center->location());
    pin->setTitle(center->city());
    pin->setSubtitle(center->address());
    pin->setCenter(center);
    mapView_->addAnnotation(pin);
}

void CenterVC::addUserPin() {
    if (!currentLocation_ || !mapView_) return;
    auto pin = std::make_shared<AddressAnnotation>(*currentLocation_);
    pin->setTitle(kUserPinTitle);
    mapView_->addAnnotation(pin);
}

std::shared_ptr<MCenter> CenterVC::centerOf(maps::AnnotationView& view) {
    auto pin = std::dynamic_pointer_cast<AddressAnnotation>(view.annotation());
    return pin ? pin->center() : nullptr;
}

std::shared_ptr<maps::AnnotationView> CenterVC::viewForAnnotation(
    maps::MapView& map, const std::shared_ptr<maps::Annotation>& annotation) {
    auto pin =
        std::dynamic_pointer_cast<maps::PinAnnotationView>(map.dequeueReusableAnnotationView(kPinIdentifier));
    if (!pin)
        pin = ui::make<maps::PinAnnotationView>(annotation, std::string(kPinIdentifier));
    else
        pin->setAnnotation(annotation);
    pin->setCanShowCallout(true);
    if (centerOf(*pin)) {
        pin->setPinColor(maps::PinColor::Red);
        auto image = ui::make<ui::ImageView>(ui::Rect{0, 0, 0, 0});
        image->setImage(course_ ? course_->mapIM() : nullptr);
        image->sizeToFit();
        pin->setLeftCalloutAccessoryView(image);
    } else {
        pin->setPinColor(maps::PinColor::Green);
        pin->setLeftCalloutAccessoryView(nullptr);
    }
    pin->setAnimatesDrop(true);
    return pin;
}

void CenterVC::didSelectAnnotationView(maps::MapView&, maps::AnnotationView& view) {
    auto center = centerOf(view);
    if (!center) return;
    center_ = center;
    // A panel still folding away (its pin was deselected just before this one was selected) opens
    // again instead of hiding with a centre in view.
    if (infoView_ && (infoView_->isHidden() || infoClosing_)) {
        infoView_->setHidden(false);
        showInfoView();
        if (mapsBtn_) mapsBtn_->setEnabled(true);
    }
    updateInfoView();
    updateDistance();
}

void CenterVC::didDeselectAnnotationView(maps::MapView&, maps::AnnotationView& view) {
    auto center = centerOf(view);
    if (!center) return;
    if (allCenters_ && center == center_ && !view.isSelected()) {
        closeInfoView();
        if (mapsBtn_) mapsBtn_->setEnabled(false);
        center_.reset();
    }
    updateDistance();
}

void CenterVC::willStartLoadingMap(maps::MapView&) {
    ui::Application::shared().setNetworkActivityIndicatorVisible(true);
}

void CenterVC::didFinishLoadingMap(maps::MapView&) {
    ui::Application::shared().setNetworkActivityIndicatorVisible(false);
}

// ---- The information panel

void CenterVC::updateDistance() {
    if (!distanceLbl_) return;
    distanceLbl_->setText(center_ ? CenterDistance::text(center_->distance()) : "");
}

void CenterVC::updateInfoView() {
    if (mapsBtn_) mapsBtn_->setEnabled(true);
    if (!center_) return;
    if (addressLbl_) addressLbl_->setText(center_->address());
    if (cityZipCountryLbl_)
        cityZipCountryLbl_->setText(center_->city() + ", " + center_->zipOrPostalCode() + ", " +
                                    center_->country());
}

void CenterVC::showInfoView() {
    if (!infoView_) return;
    fnd::RunLoop::main().cancelPerforms(this, kHideInfoAction);
    infoClosing_ = false;
    ui::Point folded{infoView_->center().x, kFoldedCenterY};
    infoView_->setTransform(ui::AffineTransform::scale(1.0, kFoldedScale));
    infoView_->setCenter(folded);
    ui::Animation::begin("showInfoView");
    ui::Animation::setDuration(kPanelDuration);
    ui::Animation::setCurve(ui::AnimationCurve::EaseOut);
    infoView_->setCenter({folded.x, infoViewY_});
    infoView_->setTransform(ui::AffineTransform::identity());
    ui::Animation::commit();
}

void CenterVC::closeInfoView() {
    if (!infoView_) return;
    ui::Animation::begin("closeInfoView");
    ui::Animation::setDuration(kPanelDuration);
    ui::Animation::setCurve(ui::AnimationCurve::EaseIn);
    infoView_->setCenter({infoView_->center().x, kFoldedCenterY});
    infoView_->setTransform(ui::AffineTransform::scale(1.0, kFoldedScale));
    ui::Animation::commit();
    infoClosing_ = true;
    later(*this, kPanelDuration, kHideInfoAction, [](CenterVC& self) { self.hideInfoView(); });
}

void CenterVC::hideInfoView() {
    infoClosing_ = false;
    if (infoView_) infoView_->setHidden(true);
}

void CenterVC::shiftView(ui::View& view) {
    ui::Point c = view.center();
    view.setCenter({c.x + kControlShift, c.y});
}

void CenterVC::extendView(ui::View& view) {
    ui::Rect frame = view.frame();
    frame.size.width += kControlShift;
    view.setFrame(frame);
}

// ---- The links

void CenterVC::openLink(const std::string& address, const char* what) {
    if (address.empty()) {
        fnd::Log::info("centre map: no ", what, " to open");
        return;
    }
    ui::Application::shared().openURL(fnd::URL(address));
}

void CenterVC::showGoogleMaps(const Sender&) {
    if (!center_) return;
    std::string base = fnd::Bundle::main().infoValue(CenterLinks::kWebMapAddressKey);
    openLink(CenterLinks::webMap(base, center_->address(), center_->location()), "web map address");
}

void CenterVC::callTel(const Sender&) {
    if (!isPhone() || !center_) return;
    openLink(CenterLinks::telephone(center_->tel()), "telephone number");
}

void CenterVC::callSkype(const Sender&) {
    std::string name = course_ && course_->skype() ? *course_->skype() : "";
    openLink(CenterLinks::skype(name), "Skype name");
}

void CenterVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}

void CenterVC::back() {
    if (mapView_) mapView_->setDelegate({});
    ui::Application::shared().setNetworkActivityIndicatorVisible(false);
    fnd::RunLoop::main().cancelPerforms(this, kHideInfoAction);
    SliddenViewController::back();
}

#include "Classes/study_aids/CentersVC.h"

#include <cstdio>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/library_store/LibraryCells.h"
#include "Classes/study_aids/CenterDistance.h"
#include "Classes/study_aids/CenterVC.h"
#include "Classes/study_aids/MCenter.h"
#include "Classes/study_aids/MCountry.h"
#include "Classes/study_aids/MCourse.h"
#include "Classes/study_aids/MCourses.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/Toolbar.h"

namespace {

std::shared_ptr<MCourses> catalogue() {
    auto rep = AbstractAppDelegate::sharedRep();
    return rep ? rep->courseSet() : nullptr;
}

std::string describe(const loc::Location& at) {
    char text[128];
    std::snprintf(text, sizeof text, "%.6f,%.6f at %.0f", at.latitude(), at.longitude(),
                  at.timestamp().timeIntervalSinceReferenceDate());
    return text;
}

}  // namespace

const ui::ConnectionTable& CentersVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("CentersVC", &SliddenViewController::classConnections())
            .outlet("centersTV", &CentersVC::centersTV_)
            .outlet("gpsProgressIndicator", &CentersVC::gpsProgressIndicator_)
            .action("showMaps:", &CentersVC::showMaps)
            .action("doneClick:", &CentersVC::doneClick)
            .action(kFindAction, &CentersVC::findCourseDistances)
            .action(kStopAction, &CentersVC::stopFindingCourseDistances)
            .action(kAddressAction, &CentersVC::reorderByAddress)
            .action(kHeaderAction, &CentersVC::collapseExpandSection);
    return table;
}

void CentersVC::init(std::shared_ptr<MCourse> course) {
    initWithNibName(nibIdentifier());
    setupWithCourse(course);
    animation();
}

void CentersVC::setupWithCourse(const std::shared_ptr<MCourse>& course) {
    if (auto courses = catalogue()) list_ = CenterList(*courses, course);
    showIndicator(false);
    lm_ = std::make_shared<loc::LocationManager>();
    lm_->setDelegate(std::static_pointer_cast<loc::LocationManagerDelegate>(sharedAs<CentersVC>()));
}

void CentersVC::viewDidLoad() {
    if (toolB())
        for (const auto& item : toolB()->items())
            if (item->tag() == kGpsButtonTag) gpsButton_ = item;
    setGpsState(GpsState::Idle);
    setupTV();
    SliddenViewController::viewDidLoad();
}

void CentersVC::setupTV() {
    if (!centersTV_) return;
    centersTV_->setSectionHeaderHeight(CenterRows::kHeaderHeight);
    centersTV_->setRowHeight(CenterRows::kRowHeight);
    centersTV_->setDataSource(sharedAs<CentersVC>());
    centersTV_->setDelegate(sharedAs<CentersVC>());
}

// ---- The table

int CentersVC::numberOfSections(ui::TableView&) { return list_.numberOfSections(); }

int CentersVC::numberOfRows(ui::TableView&, int section) { return list_.numberOfRows(section); }

std::shared_ptr<ui::TableViewCell> CentersVC::cellForRow(ui::TableView& table,
                                                         const ui::IndexPath& indexPath) {
    auto cell = table.dequeueReusableCell(CenterRows::kCellIdentifier);
    if (!cell) {
        auto delegate = AbstractAppDelegate::shared();
        cell = CenterRows::newCell(table.bounds().size.width, rowLayout(),
                                   delegate ? delegate->mainColor() : ui::Color::blackColor());
    }
    auto center = list_.centerAt(indexPath);
    if (!center) return cell;
    auto courses = catalogue();
    auto course = courses ? courses->courseForCenter(center) : nullptr;
    std::string distance = currentLocation() ? CenterDistance::text(center->distance()) : "";
    CenterRows::fill(*cell, *center, course.get(), distance);
    return cell;
}

double CentersVC::heightForHeader(ui::TableView&, int) {
    return list_.isDistanceMode() ? 0 : CenterRows::kHeaderHeight;
}

std::shared_ptr<ui::View> CentersVC::viewForHeader(ui::TableView&, int section) {
    if (list_.isDistanceMode() || section < 0 || section >= int(list_.countries().size())) return nullptr;
    const MCountry& group = *list_.countries()[std::size_t(section)];
    return LibraryCells::sectionHeader(section,
                                       CenterRows::headerText(group.country(), group.numberOfCenters()),
                                       !group.hidden(), sharedAs<CentersVC>());
}

void CentersVC::collapseExpandSection(const Sender& sender) {
    auto view = std::dynamic_pointer_cast<ui::View>(sender);
    if (!view || !list_.toggle(view->tag())) return;
    if (centersTV_) centersTV_->reloadData();
}

void CentersVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    auto center = list_.centerAt(indexPath);
    if (!center || !canOpenSubview()) return;
    openMap(makeCenterVC(center));
}

// ---- The map

std::shared_ptr<CenterVC> CentersVC::makeCenterVC(const std::shared_ptr<MCenter>& center) const {
    return ui::make<CenterVC>(center, currentLocation());
}

std::shared_ptr<CenterVC> CentersVC::makeCentersMapVC() const {
    return ui::make<CenterVC>(list_.centers(), currentLocation());
}

void CentersVC::openMap(std::shared_ptr<CenterVC> map) {
    centerVC_ = std::move(map);
    registerMainChildDoneHandler(&CentersVC::centerNotifications, std::nullopt, centerVC_);
}

void CentersVC::showMaps(const Sender&) {
    // The map takes its provider from the first centre: a list without centres has no map.
    if (!canOpenSubview() || list_.centers().empty()) return;
    openMap(makeCentersMapVC());
}

void CentersVC::centerNotifications(const fnd::Notification& notification) {
    std::shared_ptr<CommonViewController> map = centerVC_;
    if (map && proceedDoneNotification(&notification, map)) centerVC_.reset();
}

// ---- Distances

void CentersVC::setGpsState(GpsState state) {
    gpsState_ = state;
    if (!gpsButton_) return;
    switch (state) {
        case GpsState::Idle:
            gpsButton_->setTitle(kIdleTitle);
            gpsButton_->setActionName(kFindAction);
            break;
        case GpsState::Searching:
            gpsButton_->setTitle(kSearchingTitle);
            gpsButton_->setActionName(kStopAction);
            break;
        case GpsState::Located:
            gpsButton_->setTitle(kLocatedTitle);
            gpsButton_->setActionName(kAddressAction);
            break;
    }
}

void CentersVC::showIndicator(bool on) {
    if (!gpsProgressIndicator_) return;
    if (on)
        gpsProgressIndicator_->startAnimating();
    else
        gpsProgressIndicator_->stopAnimating();
}

void CentersVC::alert(const char* title, const char* message, const char* key) {
    ui::make<ui::AlertView>(std::string(title), std::string(message), std::weak_ptr<ui::AlertViewDelegate>(),
                            std::string(key), std::vector<std::string>{})
        ->show();
}

void CentersVC::stopSearch() {
    fnd::RunLoop::main().cancelPerforms(this, kTimerAction);
    if (lm_) lm_->stopUpdatingLocation();
}

void CentersVC::findCourseDistances(const Sender&) {
    if (!loc::LocationManager::locationServicesEnabled()) {
        alert(kLocationOffTitle, kLocationOffMessage, kLocationOffKey);
        return;
    }
    showIndicator(true);
    setGpsState(GpsState::Searching);
    lm_->setDesiredAccuracy(loc::LocationManager::kAccuracyHundredMeters);
    lm_->setDistanceFilter(kDistanceFilter);
    lm_->startUpdatingLocation();
    fnd::RunLoop::main().cancelPerforms(this, kTimerAction);
    fnd::RunLoop::main().performAfterDelay(kSearchTime, *this, kTimerAction, &CentersVC::timerMethod);
}

void CentersVC::timerMethod() { stopSearch(); }

void CentersVC::stopFindingCourseDistances(const Sender&) {
    stopSearch();
    showIndicator(false);
    setGpsState(GpsState::Idle);
}

void CentersVC::didUpdateToLocation(loc::LocationManager&, const loc::Location& location,
                                    const std::optional<loc::Location>& previous) {
    showIndicator(false);
    fnd::Log::info("centre list: position ", describe(location),
                   previous ? ", before " + describe(*previous) : "");
    setGpsState(GpsState::Located);
    list_.setSortByDistance(true);
    list_.setLocation(location);
    sortCenters();
    if (centersTV_) centersTV_->reloadData();
}

void CentersVC::didFailWithError(loc::LocationManager&, const loc::LocationError& error) {
    fnd::Log::info("centre list: no position: ", error.message);
    showIndicator(false);
    setGpsState(GpsState::Idle);
    stopSearch();
    alert(kErrorTitle, kErrorMessage, kErrorKey);
}

void CentersVC::reorderByAddress(const Sender&) {
    stopSearch();
    list_.setSortByDistance(false);
    setGpsState(GpsState::Idle);
    sortCenters();
    if (centersTV_) centersTV_->reloadData();
}

double CentersVC::distanceToLocation(const loc::Location& location) const {
    return CenterDistance::metres(currentLocation(), location);
}

void CentersVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}

void CentersVC::back() {
    stopSearch();
    if (lm_) lm_->setDelegate({});
    SliddenViewController::back();
}

CentersVC::~CentersVC() {
    if (lm_) {
        lm_->stopUpdatingLocation();
        lm_->setDelegate({});
    }
}

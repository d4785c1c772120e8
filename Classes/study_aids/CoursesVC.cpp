#include "Classes/study_aids/CoursesVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/study_aids/CenterVC_iPad.h"
#include "Classes/study_aids/CentersVC_iPad.h"
#include "Classes/study_aids/CourseVC_iPad.h"
#include "Classes/study_aids/CoursesVC_iPad.h"
#include "Classes/study_aids/MCourses.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/maps/MapView.h"
#include "platform/ui/Application.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"

namespace {

std::shared_ptr<MCourses> catalogue() {
    auto rep = AbstractAppDelegate::sharedRep();
    return rep ? rep->courseSet() : nullptr;
}

}  // namespace

const ui::ConnectionTable& CoursesVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("CoursesVC", &ToolViewController::classConnections())
            .outlet("coursesTV", &CoursesVC::coursesTV_)
            .action("doneClick:", &CoursesVC::doneClick)
            .action("showCenters:", &CoursesVC::showCenters);
    return table;
}

void CoursesVC::registerOwners() {
    maps::MapView::registerInterfaceClass();
    for (const ui::ConnectionTable* table :
         {&CoursesVC::classConnections(), &CoursesVC_iPad::classConnections(), &CourseVC::classConnections(),
          &CourseVC_iPad::classConnections(), &CentersVC::classConnections(),
          &CentersVC_iPad::classConnections(), &CenterVC::classConnections(),
          &CenterVC_iPad::classConnections()})
        ui::ConnectionTable::registerOwner(*table);
}

void CoursesVC::init() {
    initWithNibName(nibIdentifier());
    animation();
}

void CoursesVC::viewDidLoad() {
    setupTV();
    ToolViewController::viewDidLoad();
}

void CoursesVC::setupTV() {
    if (!coursesTV_) return;
    coursesTV_->setRowHeight(layout().rowHeight);
    coursesTV_->setDataSource(sharedAs<CoursesVC>());
    coursesTV_->setDelegate(sharedAs<CoursesVC>());
}

std::shared_ptr<MCourse> CoursesVC::courseAt(int row) const {
    auto courses = catalogue();
    if (!courses || row < 0 || row >= int(courses->courses().size())) return nullptr;
    return courses->courses()[std::size_t(row)];
}

int CoursesVC::numberOfRows(ui::TableView&, int) {
    auto courses = catalogue();
    return courses ? int(courses->courses().size()) : 0;
}

std::shared_ptr<ui::TableViewCell> CoursesVC::cellForRow(ui::TableView& table,
                                                         const ui::IndexPath& indexPath) {
    auto cell = table.dequeueReusableCell(CourseRows::kCellIdentifier);
    if (!cell) {
        auto delegate = AbstractAppDelegate::shared();
        cell = CourseRows::newCell(table.bounds().size.width, layout(),
                                   delegate ? delegate->mainColor() : ui::Color::blackColor());
    }
    if (auto course = courseAt(indexPath.row)) CourseRows::fill(*cell, *course, indexPath.row);
    return cell;
}

void CoursesVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    auto course = courseAt(indexPath.row);
    if (!course || !canOpenSubview()) return;
    courseVC_ = makeCourseVC(course);
    registerMainChildDoneHandler(&CoursesVC::courseNotifications, std::nullopt, courseVC_);
}

std::shared_ptr<CourseVC> CoursesVC::makeCourseVC(const std::shared_ptr<MCourse>& course) const {
    return ui::make<CourseVC>(course);
}

std::shared_ptr<CentersVC> CoursesVC::makeCentersVC() const {
    return ui::make<CentersVC>(std::shared_ptr<MCourse>());
}

void CoursesVC::showCenters(const Sender&) {
    if (!canOpenSubview()) return;
    centersVC_ = makeCentersVC();
    registerMainChildDoneHandler(&CoursesVC::centersNotifications, std::nullopt, centersVC_);
}

void CoursesVC::courseNotifications(const fnd::Notification& notification) {
    std::shared_ptr<CommonViewController> page = courseVC_;
    if (page && proceedDoneNotification(&notification, page)) courseVC_.reset();
}

void CoursesVC::centersNotifications(const fnd::Notification& notification) {
    std::shared_ptr<CommonViewController> list = centersVC_;
    if (list && proceedDoneNotification(&notification, list)) centersVC_.reset();
}

void CoursesVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<fnd::Object>());
}

void CoursesVC::back() {
    // An open page goes first; so does an open centre list, which would otherwise stay over the
    // home screen with its location updates.
    std::shared_ptr<CommonViewController> page = courseVC_, list = centersVC_;
    courseVC_.reset();
    centersVC_.reset();
    if (page) closeChild(page);
    if (list) closeChild(list);
    ui::Application::shared().setIdleTimerDisabled(false);
    ToolViewController::back();
}

#pragma once
// The courses tool: the five course providers of the catalogue in a table (CourseRows). A row opens
// the provider's page (CourseVC); the centres key opens the list of every provider's test centres.
// One child at a time: a page or the centre list. Leaving the tool closes an open page first.

#include <memory>
#include <string>

#include "Classes/core/ToolViewController.h"
#include "Classes/study_aids/CourseRows.h"
#include "platform/ui/TableView.h"

class CentersVC;
class CourseVC;
class MCourse;

class CoursesVC : public ToolViewController, public ui::TableViewDataSource, public ui::TableViewDelegate {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    // The owner tables and the view class of the courses tool's screens, for the interface files.
    static void registerOwners();

    std::string nibIdentifier() const override { return "CoursesView"; }

    using ToolViewController::init;
    void init() override;
    void viewDidLoad() override;
    void setupTV();

    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;

    void showCenters(const Sender& sender);
    void courseNotifications(const fnd::Notification& notification);
    void centersNotifications(const fnd::Notification& notification);
    void doneClick(const Sender& sender);
    // Closes an open page, lets the device sleep again, then the tool's back.
    void back() override;

    // The row layout; the tablet's follows the home screen's width.
    virtual CourseRows::Layout layout() const { return CourseRows::Layout::phone(); }

    const std::shared_ptr<ui::TableView>& coursesTV() const { return coursesTV_; }
    const std::shared_ptr<CourseVC>& courseVC() const { return courseVC_; }
    const std::shared_ptr<CentersVC>& centersVC() const { return centersVC_; }

  protected:
    virtual std::shared_ptr<CourseVC> makeCourseVC(const std::shared_ptr<MCourse>& course) const;
    virtual std::shared_ptr<CentersVC> makeCentersVC() const;

  private:
    std::shared_ptr<MCourse> courseAt(int row) const;

    std::shared_ptr<ui::TableView> coursesTV_;
    std::shared_ptr<CourseVC> courseVC_;
    std::shared_ptr<CentersVC> centersVC_;
};

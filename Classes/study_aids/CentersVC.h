#pragma once
// The test-centre list of one provider, or of all (CenterList holds which centres and in what
// order). At first the centres stand in collapsible country sections; the distance key finds the
// user's position and lists them by distance, each row with its distance. A row opens the centre
// map on its centre, the map key the map of every listed centre in the list's order.
//
// The distance key has three states: idle ("Distance": start a search), searching ("Stop") and
// located ("Address": back to the country sections, distances still shown). A search stops by
// itself kSearchTime after it started (one timer per screen: a new search replaces it, and stop,
// "Address" and leaving cancel it); the key then stays as it was.

#include <memory>
#include <optional>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "Classes/study_aids/CenterList.h"
#include "Classes/study_aids/CenterRows.h"
#include "platform/location/LocationManager.h"
#include "platform/ui/TableView.h"

class CenterVC;
class MCenter;
class MCourse;
namespace ui {
class ActivityIndicator;
class BarButtonItem;
}  // namespace ui

class CentersVC : public SliddenViewController,
                  public ui::TableViewDataSource,
                  public ui::TableViewDelegate,
                  public loc::LocationManagerDelegate {
  public:
    static constexpr const char* kDoneNotification = "Done";
    static constexpr const char* kHeaderAction = "collapseExpandSection:";
    // The distance key is the toolbar item of this tag.
    static constexpr int kGpsButtonTag = 1;
    enum class GpsState { Idle, Searching, Located };
    static constexpr const char* kIdleTitle = "Distance";
    static constexpr const char* kSearchingTitle = "Stop";
    static constexpr const char* kLocatedTitle = "Address";
    static constexpr const char* kFindAction = "findCourseDistances:";
    static constexpr const char* kStopAction = "stopFindingCourseDistances:";
    static constexpr const char* kAddressAction = "reorderByAddress:";
    static constexpr const char* kTimerAction = "timerMethod";
    static constexpr double kSearchTime = 10.0;
    static constexpr double kDistanceFilter = 200.0;
    static constexpr const char* kLocationOffTitle = "Location is off";
    static constexpr const char* kLocationOffMessage =
        "Turn on location services to allow the app to determine your location.";
    static constexpr const char* kLocationOffKey = "Ok";
    static constexpr const char* kErrorTitle = "Error";
    static constexpr const char* kErrorMessage = "Error obtaining location";
    static constexpr const char* kErrorKey = "Done";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "CentersView"; }

    using SliddenViewController::init;
    // The centres of the course, or of every course when it is null.
    void init(std::shared_ptr<MCourse> course);
    // Gathers, counts and sorts the centres; makes the location manager (no updates yet).
    void setupWithCourse(const std::shared_ptr<MCourse>& course);
    void viewDidLoad() override;
    void setupTV();

    // ---- The table

    int numberOfSections(ui::TableView&) override;
    int numberOfRows(ui::TableView&, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    double heightForHeader(ui::TableView&, int) override;
    std::shared_ptr<ui::View> viewForHeader(ui::TableView&, int section) override;
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;
    // The position of the row's centre in the list's centres.
    int getCentersSetIndex(const ui::IndexPath& indexPath) const { return list_.centerIndex(indexPath); }
    void collapseExpandSection(const Sender& sender);

    // ---- The map

    void showMaps(const Sender& sender);
    void centerNotifications(const fnd::Notification& notification);

    // ---- Distances

    void findCourseDistances(const Sender& sender);
    void stopFindingCourseDistances(const Sender& sender);
    void reorderByAddress(const Sender& sender);
    void timerMethod();
    void didUpdateToLocation(loc::LocationManager&, const loc::Location& location,
                             const std::optional<loc::Location>& previous) override;
    void didFailWithError(loc::LocationManager&, const loc::LocationError& error) override;
    double distanceToLocation(const loc::Location& location) const;
    void defineDistances() { list_.defineDistances(); }
    void sortCenters() { list_.sort(); }

    void doneClick(const Sender& sender);
    // Stops the location updates and the search timer, then the base's back.
    void back() override;
    ~CentersVC() override;

    // ---- Fields

    const CenterList& list() const { return list_; }
    const std::optional<loc::Location>& currentLocation() const { return list_.location(); }
    bool sortByDistance() const { return list_.sortByDistance(); }
    GpsState gpsState() const { return gpsState_; }
    const std::shared_ptr<ui::TableView>& centersTV() const { return centersTV_; }
    const std::shared_ptr<ui::BarButtonItem>& gpsButton() const { return gpsButton_; }
    const std::shared_ptr<ui::ActivityIndicator>& gpsProgressIndicator() const {
        return gpsProgressIndicator_;
    }
    const std::shared_ptr<loc::LocationManager>& lm() const { return lm_; }
    const std::shared_ptr<CenterVC>& centerVC() const { return centerVC_; }

  protected:
    virtual CenterRows::Layout rowLayout() const { return CenterRows::Layout::phone(); }
    // The map of one centre and of every listed centre; the tablet's are its own.
    virtual std::shared_ptr<CenterVC> makeCenterVC(const std::shared_ptr<MCenter>& center) const;
    virtual std::shared_ptr<CenterVC> makeCentersMapVC() const;

  private:
    void setGpsState(GpsState state);
    void showIndicator(bool on);
    void openMap(std::shared_ptr<CenterVC> map);
    void stopSearch();
    static void alert(const char* title, const char* message, const char* key);

    CenterList list_;
    GpsState gpsState_ = GpsState::Idle;
    std::shared_ptr<loc::LocationManager> lm_;
    std::shared_ptr<CenterVC> centerVC_;
    std::shared_ptr<ui::TableView> centersTV_;
    std::shared_ptr<ui::BarButtonItem> gpsButton_;
    std::shared_ptr<ui::ActivityIndicator> gpsProgressIndicator_;
};

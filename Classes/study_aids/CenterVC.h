#pragma once
// The centre map: test centres as red pins on a map, with a green pin where the user is when the
// position is known. Opened for one centre (its information panel open from the start) or for all
// centres of a list (the panel opens when a centre's pin is selected and closes when it is
// deselected). The panel shows the provider, the centre's address, its city line and its distance,
// and offers three links that leave the program: the centre on the web map, a telephone call
// (phones only) and a Skype call to the provider (only where the device opens Skype links). The
// screen posts "Done" when its done key is tapped; the opener's handler sends it back.
//
//     auto map = ui::make<CenterVC>(center, currentLocation);     // one centre
//     auto all = ui::make<CenterVC>(list.centers(), currentLocation);

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Classes/core/SliddenViewController.h"
#include "platform/location/Location.h"
#include "platform/maps/MapView.h"

class AddressAnnotation;
class MCenter;
class MCourse;
namespace ui {
class BarButtonItem;
class Button;
class Label;
}  // namespace ui

class CenterVC : public SliddenViewController, public maps::MapViewDelegate {
  public:
    static constexpr const char* kDoneNotification = "Done";
    static constexpr const char* kPinIdentifier = "currentloc";
    static constexpr const char* kUserPinTitle = "You are here";
    static constexpr const char* kSkypeProbe = "skype://";
    static constexpr const char* kShowMapsAction = "showGoogleMaps:";
    // The one-centre map's span, and where the all-centres map is centred.
    static constexpr double kCenterSpan = 0.02;
    static constexpr double kAllCentersSpan = 30.0;
    static constexpr maps::Coordinate kAllCentersMiddle{40.044438, -97.207031};
    // How far the Skype controls move, and the address labels widen, for each control left out.
    static constexpr double kControlShift = 50.0;
    // The information panel folds up to this height of its centre, at this vertical scale.
    static constexpr double kFoldedCenterY = 45.0;
    static constexpr double kFoldedScale = 0.05;
    static constexpr double kPanelDuration = 0.2;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "CenterView"; }

    using SliddenViewController::init;
    // The one-centre map.
    void init(std::shared_ptr<MCenter> center, std::optional<loc::Location> location);
    // The all-centres map; the provider is the first centre's (the list is never empty).
    void init(std::vector<std::shared_ptr<MCenter>> centers, std::optional<loc::Location> location);
    void viewDidLoad() override;

    // ---- The map

    void showCenter();
    void showCenters();
    void addUserPin();
    void addCenterPin(const std::shared_ptr<MCenter>& center);
    std::shared_ptr<maps::AnnotationView> viewForAnnotation(
        maps::MapView& map, const std::shared_ptr<maps::Annotation>& annotation) override;
    void didSelectAnnotationView(maps::MapView& map, maps::AnnotationView& view) override;
    void didDeselectAnnotationView(maps::MapView& map, maps::AnnotationView& view) override;
    void willStartLoadingMap(maps::MapView& map) override;
    void didFinishLoadingMap(maps::MapView& map) override;

    // ---- The information panel

    void updateDistance();
    void showInfoView();
    void closeInfoView();
    void updateInfoView();
    // Moves a view kControlShift to the right; makes a view kControlShift wider.
    static void shiftView(ui::View& view);
    static void extendView(ui::View& view);

    // ---- The links

    void showGoogleMaps(const Sender& sender);
    void callTel(const Sender& sender);
    void callSkype(const Sender& sender);

    void doneClick(const Sender& sender);
    // Lets go of the map and the network indicator, then the base's back.
    void back() override;

    // ---- Fields

    const std::shared_ptr<MCourse>& course() const { return course_; }
    const std::shared_ptr<MCenter>& center() const { return center_; }
    const std::vector<std::shared_ptr<MCenter>>& centers() const { return centers_; }
    bool showsAllCenters() const { return allCenters_; }
    const std::optional<loc::Location>& currentLocation() const { return currentLocation_; }
    maps::CoordinateSpan gSpan() const { return gSpan_; }
    double infoViewY() const { return infoViewY_; }
    const std::shared_ptr<maps::MapView>& mapView() const { return mapView_; }
    const std::shared_ptr<ui::BarButtonItem>& mapsBtn() const { return mapsBtn_; }
    const std::shared_ptr<ui::Button>& phoneBtn() const { return phoneBtn_; }
    const std::shared_ptr<ui::Button>& skypeBtn() const { return skypeBtn_; }
    const std::shared_ptr<ui::Label>& addressLbl() const { return addressLbl_; }
    const std::shared_ptr<ui::Label>& cityZipCountryLbl() const { return cityZipCountryLbl_; }
    const std::shared_ptr<ui::Label>& distanceLbl() const { return distanceLbl_; }
    const std::shared_ptr<ui::Label>& companyNameLbl() const { return companyNameLbl_; }
    const std::shared_ptr<ui::Label>& skypeLbl() const { return skypeLbl_; }
    const std::shared_ptr<ui::Label>& phoneLbl() const { return phoneLbl_; }
    const std::shared_ptr<ui::View>& infoView() const { return infoView_; }

  protected:
    // The span of the all-centres map, in degrees both ways.
    virtual double allCentersSpan() const { return kAllCentersSpan; }

  private:
    void setCourseOf(const std::shared_ptr<MCenter>& center);
    void hideInfoView();
    void findMapsButton();
    void openLink(const std::string& address, const char* what);
    static std::shared_ptr<MCenter> centerOf(maps::AnnotationView& view);

    std::shared_ptr<MCourse> course_;
    std::shared_ptr<MCenter> center_;
    std::vector<std::shared_ptr<MCenter>> centers_;
    bool allCenters_ = false;
    std::optional<loc::Location> currentLocation_;
    maps::CoordinateSpan gSpan_;
    double infoViewY_ = 0;
    // The panel is folding away and hides at the end of it, unless a centre is selected meanwhile.
    bool infoClosing_ = false;

    std::shared_ptr<ui::BarButtonItem> mapsBtn_;
    std::shared_ptr<ui::Button> phoneBtn_, skypeBtn_;
    std::shared_ptr<maps::MapView> mapView_;
    std::shared_ptr<ui::Label> addressLbl_, cityZipCountryLbl_, distanceLbl_, companyNameLbl_;
    std::shared_ptr<ui::Label> skypeLbl_, phoneLbl_;
    std::shared_ptr<ui::View> infoView_;
};

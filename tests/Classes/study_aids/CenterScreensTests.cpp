// The centre list and the centre map as a person uses them: country sections that collapse, rows
// that open the map on the right centre, the distance key through its states on scripted positions
// (services off, no position, a position, a move, the time-out, one timer per screen), and the map
// in its two modes with its pins, its panel, the controls a device lacks and the three links.

#include <gtest/gtest.h>

#include "Classes/study_aids/AddressAnnotation.h"
#include "Classes/study_aids/CenterVC_iPad.h"
#include "Classes/study_aids/CentersVC.h"
#include "Classes/study_aids/MCenter.h"
#include "Classes/study_aids/MCountry.h"
#include "Classes/study_aids/MCourse.h"
#include "Classes/study_aids/MCourses.h"
#include "platform/foundation/Locale.h"
#include "platform/location/DeviceLocation.h"
#include "platform/maps/PinAnnotationView.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/Toolbar.h"
#include "tests/Classes/study_aids/StudyAidsScreenTest.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using GpsState = CentersVC::GpsState;

const loc::Location kBoston(42.3601, -71.0589);

class CenterScreensTest : public study_aids_test::StudyAidsScreenTest {
  protected:
    void TearDown() override {
        for (auto* screen : {&list, &map})
            if (*screen) (*screen)->close();
        StudyAidsScreenTest::TearDown();
    }
    std::shared_ptr<CentersVC> openList(std::shared_ptr<MCourse> course = nullptr) {
        list = ui::make<CentersVC>(std::move(course));
        runFor(0.5);
        return std::static_pointer_cast<CentersVC>(list);
    }
    CentersVC& centers() { return static_cast<CentersVC&>(*list); }
    std::shared_ptr<ui::TableViewCell> cell(int section, int row) {
        return centers().cellForRow(*centers().centersTV(), {section, row});
    }
    std::string header(int section) {
        auto view = centers().viewForHeader(*centers().centersTV(), section);
        return view ? text(view->subviews().back()) : "(none)";
    }
    // A finger on the distance key of the toolbar.
    void tapDistanceKey() {
        testing_support::tap(*centers().toolB()->viewForItem(centers().gpsButton().get()));
    }
    std::string distanceKey() { return centers().gpsButton()->title(); }

    std::shared_ptr<MCourse> provider() const { return courses->courseForName("Manhattan ORVA"); }
    std::shared_ptr<MCenter> centerIn(const char* city) {
        for (const auto& c : *provider()->centers())
            if (c->city() == city) return c;
        return nullptr;
    }
    std::shared_ptr<CenterVC> openMap(std::shared_ptr<MCenter> center, std::optional<loc::Location> at) {
        map = ui::make<CenterVC>(std::move(center), at);
        runFor(0.5);
        return std::static_pointer_cast<CenterVC>(map);
    }
    CenterVC& shownMap() { return static_cast<CenterVC&>(*map); }
    std::shared_ptr<AddressAnnotation> pinOf(const char* city) {
        for (const auto& a : shownMap().mapView()->annotations()) {
            auto pin = std::dynamic_pointer_cast<AddressAnnotation>(a);
            if (pin && (city ? pin->center() && pin->center()->city() == city : !pin->center())) return pin;
        }
        return nullptr;
    }
    void select(const char* city) {
        shownMap().mapView()->selectAnnotation(pinOf(city), false);
        runFor(0.01);
    }

    std::shared_ptr<CommonViewController> list, map;
};

TEST_F(CenterScreensTest, CountrySectionsCollapseAndRowsOpenTheMapOnTheirCentre) {
    openList();
    EXPECT_EQ(centers().numberOfSections(*centers().centersTV()), 4);
    EXPECT_EQ(header(0), "US [31]");
    EXPECT_EQ(header(3), "United Kingdom [1]");
    auto row = cell(2, 0);
    EXPECT_EQ(text(row->viewWithTag(CenterRows::kCityZipCountryTag)), "Paris, 75008, France");
    EXPECT_EQ(text(row->viewWithTag(CenterRows::kAddressTag)), "24 rue de Berri");
    EXPECT_EQ(text(row->viewWithTag(CenterRows::kTelSkypeTag)),
              "+33 (1) 99 00 47 21 skype: manhattan.orva.centers");
    EXPECT_EQ(text(row->viewWithTag(CenterRows::kDistanceTag)), "");
    EXPECT_EQ(row->viewWithTag(CenterRows::kDistanceTag)->frame(), (ui::Rect{250, 4, 65, 16}));

    // The header key of Canada folds it; France's row still opens France's centre.
    auto canada = centers().viewForHeader(*centers().centersTV(), 1);
    centers().collapseExpandSection(canada);
    EXPECT_EQ(centers().numberOfRows(*centers().centersTV(), 1), 0);
    auto stray = ui::make<ui::Button>(ui::Rect{0, 0, 1, 1});
    stray->setTag(9);
    centers().collapseExpandSection(stray);
    EXPECT_EQ(centers().getCentersSetIndex({2, 0}), 33);
    centers().didSelectRow(*centers().centersTV(), {2, 0});
    runFor(0.5);
    ASSERT_TRUE(centers().centerVC());
    EXPECT_EQ(centers().centerVC()->center()->city(), "Paris");
    // One map at a time.
    auto first = centers().centerVC();
    centers().showMaps(nullptr);
    EXPECT_EQ(centers().centerVC(), first);
    first->doneClick(nullptr);
    runFor(0.5);
    EXPECT_FALSE(centers().centerVC());
}

TEST_F(CenterScreensTest, WithoutAPositionTheKeyAlertsAndTheListStaysAsItWas) {
    openList();
    loc::DeviceLocation::current().setServicesEnabled(false);
    tapDistanceKey();
    ASSERT_TRUE(shownAlert());
    EXPECT_EQ(shownAlert()->title(), "Location is off");
    EXPECT_EQ(shownAlert()->message(), CentersVC::kLocationOffMessage);
    EXPECT_EQ(centers().gpsState(), GpsState::Idle);
    EXPECT_FALSE(centers().lm()->isUpdating());
    dismissAlerts();

    // Services on but no position: the search starts, then fails with the error alert.
    loc::DeviceLocation::current().setServicesEnabled(true);
    tapDistanceKey();
    EXPECT_EQ(distanceKey(), "Stop");
    EXPECT_TRUE(centers().gpsProgressIndicator()->isAnimating());
    runFor(1.1);
    ASSERT_TRUE(shownAlert());
    EXPECT_EQ(shownAlert()->title(), "Error");
    EXPECT_EQ(shownAlert()->message(), "Error obtaining location");
    EXPECT_EQ(distanceKey(), "Distance");
    EXPECT_FALSE(centers().gpsProgressIndicator()->isAnimating());
    EXPECT_FALSE(centers().lm()->isUpdating());
    EXPECT_EQ(centers().numberOfSections(*centers().centersTV()), 4);
    EXPECT_FALSE(centers().currentLocation());
}

TEST_F(CenterScreensTest, APositionSortsByDistanceUntilAddressBringsTheCountriesBack) {
    openList();
    loc::DeviceLocation::current().setPosition(kBoston);
    tapDistanceKey();
    EXPECT_EQ(centers().lm()->desiredAccuracy(), loc::LocationManager::kAccuracyHundredMeters);
    EXPECT_EQ(centers().lm()->distanceFilter(), CentersVC::kDistanceFilter);
    runFor(0.01);
    EXPECT_EQ(distanceKey(), "Address");
    EXPECT_FALSE(centers().gpsProgressIndicator()->isAnimating());
    EXPECT_EQ(centers().numberOfSections(*centers().centersTV()), 1);
    EXPECT_EQ(centers().numberOfRows(*centers().centersTV(), 0), 35);
    EXPECT_EQ(header(0), "(none)");
    EXPECT_EQ(text(cell(0, 0)->viewWithTag(CenterRows::kCityZipCountryTag)), "Boston, 02116, US");
    EXPECT_EQ(text(cell(0, 0)->viewWithTag(CenterRows::kDistanceTag)), "1.2 mi");

    // The device moves to Chicago: the next report sorts again.
    loc::DeviceLocation::current().setPosition(loc::Location(41.8781, -87.6298));
    runFor(0.01);
    EXPECT_EQ(text(cell(0, 0)->viewWithTag(CenterRows::kCityZipCountryTag)), "Chicago, 60606, US");
    // The map key passes the centres in the list's order.
    centers().showMaps(nullptr);
    runFor(0.5);
    ASSERT_TRUE(centers().centerVC());
    EXPECT_EQ(centers().centerVC()->centers().front()->city(), "Chicago");
    EXPECT_TRUE(centers().centerVC()->currentLocation());
    centers().centerVC()->doneClick(nullptr);
    runFor(0.5);

    // The search stops by itself after ten seconds; the key stays as it was.
    runFor(CentersVC::kSearchTime);
    EXPECT_FALSE(centers().lm()->isUpdating());
    EXPECT_EQ(distanceKey(), "Address");

    tapDistanceKey();
    EXPECT_EQ(distanceKey(), "Distance");
    EXPECT_EQ(header(0), "US [31]");
    fnd::Locale::setCurrent(fnd::Locale("en_GB"));
    EXPECT_NE(text(cell(0, 0)->viewWithTag(CenterRows::kDistanceTag)).find(" km"), std::string::npos);
}

TEST_F(CenterScreensTest, EachScreenHasOneSearchTimerThatAddressAndLeavingCancel) {
    openList();
    loc::DeviceLocation::current().setPosition(kBoston);
    tapDistanceKey();  // t = 0: a search, its timer due at 10
    runFor(3);
    tapDistanceKey();  // "Address": the updates and the timer stop
    EXPECT_FALSE(centers().lm()->isUpdating());
    runFor(2);
    tapDistanceKey();  // t = 5: a new search, due at 15
    runFor(7);
    // The first search's timer is gone: it does not end the second search at 10.
    EXPECT_TRUE(centers().lm()->isUpdating());
    runFor(3.1);
    EXPECT_FALSE(centers().lm()->isUpdating());
    EXPECT_EQ(distanceKey(), "Address");

    // Leaving ends a search and its timer.
    tapDistanceKey();
    tapDistanceKey();
    EXPECT_TRUE(centers().lm()->isUpdating());
    centers().back();
    EXPECT_FALSE(centers().lm()->isUpdating());
    runFor(CentersVC::kSearchTime + 1);
    list.reset();
}

TEST_F(CenterScreensTest, TheOneCentreMapShowsItsPanelAndPinsAndHidesWhatTheDeviceCannotDo) {
    auto boston = centerIn("Boston");
    boston->setDistance(1500);
    openMap(boston, kBoston);
    EXPECT_EQ(text(shownMap().companyNameLbl()), "Manhattan ORVA");
    EXPECT_EQ(text(shownMap().addressLbl()), "420 Boylston Street, 5th Floor");
    EXPECT_EQ(text(shownMap().cityZipCountryLbl()), "Boston, 02116, US");
    EXPECT_EQ(text(shownMap().distanceLbl()), "0.9 mi");
    EXPECT_FALSE(shownMap().infoView()->isHidden());
    EXPECT_TRUE(shownMap().mapsBtn()->isEnabled());
    maps::Region region = shownMap().mapView()->region();
    EXPECT_NEAR(region.center.latitude, 42.3495, 1e-6);
    EXPECT_NEAR(region.center.longitude, -71.0765, 1e-6);
    EXPECT_NEAR(std::min(region.span.latitudeDelta, region.span.longitudeDelta), CenterVC::kCenterSpan, 1e-9);

    auto pin = std::dynamic_pointer_cast<maps::PinAnnotationView>(
        shownMap().mapView()->viewForAnnotation(pinOf("Boston")));
    auto user = std::dynamic_pointer_cast<maps::PinAnnotationView>(
        shownMap().mapView()->viewForAnnotation(pinOf(nullptr)));
    ASSERT_TRUE(pin && user);
    EXPECT_EQ(pin->reuseIdentifier(), CenterVC::kPinIdentifier);
    EXPECT_EQ(pin->pinColor(), maps::PinColor::Red);
    EXPECT_TRUE(pin->leftCalloutAccessoryView());
    EXPECT_EQ(user->pinColor(), maps::PinColor::Green);
    EXPECT_EQ(pinOf(nullptr)->title(), "You are here");
    EXPECT_EQ(pinOf("Boston")->subtitle(), "420 Boylston Street, 5th Floor");
    // Selecting the centre's pin again keeps the panel open; deselecting it too.
    select("Boston");
    shownMap().mapView()->deselectAnnotation(pinOf("Boston"), false);
    runFor(0.5);
    EXPECT_FALSE(shownMap().infoView()->isHidden());
    map->close();
    map.reset();

    // The controls a device lacks: each one left out widens the address lines by 50 points.
    double laidOut = 190;
    struct Case {
        bool phone, skypeOpens;
        double width;
        bool phoneShown, skypeShown;
    } cases[] = {{true, true, laidOut, true, true},
                 {false, true, laidOut + 50, false, true},
                 {true, false, laidOut + 50, true, false},
                 {false, false, laidOut + 100, false, false}};
    for (const Case& c : cases) {
        delegate->setIsPhone(c.phone);
        application().setOpenableSchemes(c.skypeOpens
                                             ? ui::Application::knownSchemes()
                                             : std::vector<std::string>{"http", "https", "mailto", "tel"});
        openMap(boston, std::nullopt);
        EXPECT_EQ(shownMap().addressLbl()->frame().size.width, c.width);
        EXPECT_EQ(shownMap().cityZipCountryLbl()->frame().size.width, c.width);
        EXPECT_EQ(!shownMap().phoneBtn()->isHidden(), c.phoneShown);
        EXPECT_EQ(!shownMap().skypeBtn()->isHidden(), c.skypeShown);
        EXPECT_EQ(!shownMap().skypeLbl()->isHidden(), c.skypeShown);
        EXPECT_FALSE(pinOf(nullptr));
        map->close();
        map.reset();
    }
    // A provider without a Skype name never shows the Skype key.
    application().setOpenableSchemes(ui::Application::knownSchemes());
    provider()->setSkype(std::nullopt);
    openMap(boston, std::nullopt);
    EXPECT_TRUE(shownMap().skypeBtn()->isHidden());
}

TEST_F(CenterScreensTest, TheAllCentresMapOpensThePanelOnTheSelectedCentre) {
    auto all = *provider()->centers();
    map = ui::make<CenterVC>(all, std::optional<loc::Location>(kBoston));
    runFor(0.5);
    maps::Region region = shownMap().mapView()->region();
    EXPECT_NEAR(region.center.latitude, CenterVC::kAllCentersMiddle.latitude, 1e-6);
    EXPECT_NEAR(std::min(region.span.latitudeDelta, region.span.longitudeDelta), 30, 1e-9);
    EXPECT_EQ(shownMap().mapView()->annotations().size(), 36u);
    EXPECT_TRUE(shownMap().infoView()->isHidden());
    EXPECT_FALSE(shownMap().mapsBtn()->isEnabled());
    EXPECT_EQ(text(shownMap().distanceLbl()), "");

    select("Denver");
    EXPECT_EQ(shownMap().center()->city(), "Denver");
    EXPECT_FALSE(shownMap().infoView()->isHidden());
    EXPECT_TRUE(shownMap().mapsBtn()->isEnabled());
    // Another pin: the map deselects the first before it selects the second; the panel stays open
    // on the second centre, also once the first one's fold would have ended.
    select("Seattle");
    runFor(CenterVC::kPanelDuration + 0.1);
    EXPECT_EQ(shownMap().center()->city(), "Seattle");
    EXPECT_FALSE(shownMap().infoView()->isHidden());
    EXPECT_EQ(text(shownMap().cityZipCountryLbl()), "Seattle, 98101, US");
    EXPECT_TRUE(shownMap().mapsBtn()->isEnabled());
    // The user's pin changes nothing; deselecting the centre in view closes the panel.
    select(nullptr);
    EXPECT_FALSE(shownMap().center());
    runFor(CenterVC::kPanelDuration + 0.1);
    EXPECT_TRUE(shownMap().infoView()->isHidden());
    EXPECT_FALSE(shownMap().mapsBtn()->isEnabled());
    EXPECT_EQ(text(shownMap().distanceLbl()), "");
    map->close();

    start(ui::Idiom::Tablet);
    map = ui::make<CenterVC_iPad>(*provider()->centers(), std::optional<loc::Location>());
    runFor(0.5);
    EXPECT_EQ(shownMap().gSpan().latitudeDelta, 33);
    EXPECT_EQ(shownMap().nibIdentifier(), "CenterView-iPad");
}

TEST_F(CenterScreensTest, TheThreeLinksLeaveForTheWebMapTheTelephoneAndSkype) {
    auto newYork = centerIn("Brooklyn");
    openMap(newYork, std::nullopt);
    shownMap().showGoogleMaps(nullptr);  // no web map configured: nothing opens
    EXPECT_TRUE(opened.empty());
    useInfoValues(R"("WebMapAddress": "http://127.0.0.1:8765")");
    shownMap().showGoogleMaps(nullptr);
    shownMap().callTel(nullptr);
    shownMap().callSkype(nullptr);
    EXPECT_EQ(opened,
              (std::vector<std::string>{"http://127.0.0.1:8765/maps?ll=40.693700,-73.990000"
                                        "&q=75%20Court%20Street,%20Suite%20310@40.693700,-73.990000"
                                        "&spn=0.01,0.01",
                                        "tel://+1%20(212)%20555-0148", "skype://manhattan.orva.centers"}));
    // A device that is not a phone dials nothing.
    opened.clear();
    delegate->setIsPhone(false);
    shownMap().callTel(nullptr);
    EXPECT_TRUE(opened.empty());
}

}  // namespace

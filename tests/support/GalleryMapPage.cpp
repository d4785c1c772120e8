#include "tests/support/GalleryMapPage.h"

#include <cstdio>

#include "platform/location/LocationManager.h"
#include "platform/maps/MapView.h"
#include "platform/maps/PinAnnotationView.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Make.h"
#include "tests/support/Gallery.h"

namespace testing_support {

namespace {

struct Place {
    const char* name;
    const char* country;
    double latitude, longitude;
};
// Capitals and where their city halls stand, to four decimals.
constexpr Place kPlaces[GalleryMapPage::kPlaceCount] = {
    {"Paris", "France", 48.8566, 2.3522},
    {"Berlin", "Germany", 52.5200, 13.4050},
    {"Madrid", "Spain", 40.4168, -3.7038},
    {"Rome", "Italy", 41.9028, 12.4964},
};
const maps::Region kEurope{{46.5, 6}, {16, 16}};
constexpr const char* kPlaceIdentifier = "place";
constexpr const char* kDeviceIdentifier = "device";

std::string degrees(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

}  // namespace

struct GalleryMapPage::Parts : maps::MapViewDelegate, loc::LocationManagerDelegate {
    std::function<void(const std::string&)> say;
    std::shared_ptr<maps::MapView> map;
    std::shared_ptr<loc::LocationManager> location = std::make_shared<loc::LocationManager>();
    std::shared_ptr<maps::Annotation> device;  // the green pin, once a position came

    std::shared_ptr<maps::AnnotationView> viewForAnnotation(
        maps::MapView& m, const std::shared_ptr<maps::Annotation>& a) override {
        bool isDevice = a == device;
        const char* identifier = isDevice ? kDeviceIdentifier : kPlaceIdentifier;
        auto pin =
            std::dynamic_pointer_cast<maps::PinAnnotationView>(m.dequeueReusableAnnotationView(identifier));
        if (!pin) pin = ui::make<maps::PinAnnotationView>(a, std::string(identifier));
        pin->setCanShowCallout(true);
        pin->setAnimatesDrop(true);
        int index = kPlaceCount;
        for (int i = 0; i < kPlaceCount; ++i)
            if (a->title() == kPlaces[i].name) index = i;
        pin->setTag(PinTag + index);
        pin->setPinColor(isDevice     ? maps::PinColor::Green
                         : index == 3 ? maps::PinColor::Purple
                                      : maps::PinColor::Red);
        pin->setLeftCalloutAccessoryView(
            isDevice ? nullptr
                     : ui::make<ui::ImageView>(Gallery::tile(32, ui::Color::rgb(0.16, 0.42, 0.78))));
        return pin;
    }
    void didSelectAnnotationView(maps::MapView&, maps::AnnotationView& v) override {
        say("selected " + v.annotation()->title());
    }
    void didDeselectAnnotationView(maps::MapView&, maps::AnnotationView& v) override {
        say("deselected " + v.annotation()->title());
    }

    // The green pin moves to each new position, and the map centres on it.
    void didUpdateToLocation(loc::LocationManager&, const loc::Location& at,
                             const std::optional<loc::Location>&) override {
        if (device) map->removeAnnotation(device);
        device = std::make_shared<maps::Annotation>(maps::Coordinate{at.latitude(), at.longitude()});
        device->setTitle("You are here");
        map->addAnnotation(device);
        map->setRegion({device->coordinate(), map->region().span}, true);
        say("you are at " + degrees(at.latitude()) + ", " + degrees(at.longitude()));
    }
    void didFailWithError(loc::LocationManager&, const loc::LocationError& error) override {
        say("location: " + error.message);
    }
};

GalleryMapPage::GalleryMapPage(ui::Size size, std::function<void(const std::string&)> say)
    : parts_(std::make_shared<Parts>()) {
    parts_->say = std::move(say);
    view_ = ui::make<ui::View>(ui::Rect{{}, size});
    parts_->map = ui::make<maps::MapView>(ui::Rect{{}, size});
    parts_->map->setTag(MapTag);
    parts_->map->setDelegate(parts_);
    for (const Place& p : kPlaces) {
        auto a = std::make_shared<maps::Annotation>(maps::Coordinate{p.latitude, p.longitude});
        a->setTitle(p.name);
        a->setSubtitle(p.country);
        parts_->map->addAnnotation(a);
    }
    parts_->map->setRegion(kEurope, false);
    view_->addSubview(parts_->map);
    parts_->location->setDelegate(parts_);
    parts_->location->setDesiredAccuracy(loc::LocationManager::kAccuracyHundredMeters);
}

GalleryMapPage::~GalleryMapPage() { parts_->location->stopUpdatingLocation(); }

void GalleryMapPage::setShown(bool shown) {
    if (shown)
        parts_->location->startUpdatingLocation();
    else
        parts_->location->stopUpdatingLocation();
}

}  // namespace testing_support

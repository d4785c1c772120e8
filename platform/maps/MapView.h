#pragma once
// A map of a region with annotations, drawn here: no tiles can be fetched, so the ground is drawn
// from a world atlas kept with the program (the sea, the land, its coasts and the borders between
// countries, MapTileView) with the lines of latitude and longitude, their degrees written once at
// the edges (MapGridLabels), and a scale bar in the locale's units, on which annotation views (pins)
// stand at their places. A finger drags the map and the wheel zooms it about
// the pointer; both only move and scale what is drawn, and the base is laid anew for the region
// shown when the gesture has ended. A tap on an annotation's view selects it (its callout shows); a
// tap beside deselects it.
//
// The delegate is asked for each annotation's view when the annotation first shows (views of the
// same reuse identifier whose annotation was removed are offered again by
// dequeueReusableAnnotationView; no view means a red pin), and hears of selections (the old one
// deselected before the new one is selected) and of loading: the map starts loading on the next
// turn after it laid a new base and finishes on the turn after, or fails when it has no area.
// Views are made, and the base laid, on the turn after the annotations or the region changed
// (at once where a caller asks for a view or a selection). Everything runs on the main thread.
//
//     map->setDelegate(self);
//     map->addAnnotation(pin);
//     map->setRegion({{40.04, -97.21}, {30, 30}}, true);

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/maps/Annotation.h"
#include "platform/maps/AnnotationView.h"
#include "platform/maps/CalloutView.h"
#include "platform/maps/MapGridLabels.h"
#include "platform/maps/MapProjection.h"
#include "platform/maps/MapScaleBar.h"
#include "platform/maps/MapTileView.h"
#include "platform/ui/ScrollWheelTarget.h"
#include "platform/ui/View.h"

namespace maps {

class MapView;

class MapViewDelegate {
  public:
    virtual ~MapViewDelegate() = default;
    // The view for an annotation; null for the map's own red pin.
    virtual std::shared_ptr<AnnotationView> viewForAnnotation(MapView&, const std::shared_ptr<Annotation>&) {
        return nullptr;
    }
    virtual void didSelectAnnotationView(MapView&, AnnotationView&) {}
    virtual void didDeselectAnnotationView(MapView&, AnnotationView&) {}
    virtual void willStartLoadingMap(MapView&) {}
    virtual void didFinishLoadingMap(MapView&) {}
    virtual void didFailLoadingMap(MapView&, const std::string& error) { (void)error; }
};

class MapView : public ui::View, public ui::ScrollWheelTarget {
  public:
    static constexpr double kRegionAnimationDuration = 0.4;
    static constexpr double kSettleDelay = 0.3;       // after the last turn of the wheel
    static constexpr double kTapSlop = 6;             // points a tapping finger may move
    static constexpr double kWheelPerDoubling = 240;  // wheel points that halve the span
    static constexpr const char* kDefaultPinIdentifier = "pin";

    void init(const ui::Rect& frame) override;
    ~MapView() override;
    // Lets interface files name the class "MapView".
    static void registerInterfaceClass();

    void setDelegate(std::weak_ptr<MapViewDelegate> delegate) { delegate_ = std::move(delegate); }

    // The region shown, fitted to the view (the whole earth until one is set).
    Region region() const;
    // Shows the region, fitted to the view; animated, the map moves there from where it is. A region
    // a map cannot show (a centre off the globe, a span of 0 or less) is refused and logged.
    void setRegion(const Region& region, bool animated);
    Region regionThatFits(const Region& region) const;
    MapRect mapRectThatFits(const MapRect& rect) const;
    // Between coordinates and the map view's own points, as the map shows them now.
    ui::Point convertCoordinate(const Coordinate& c) const;
    Coordinate convertPoint(ui::Point p) const;

    void addAnnotation(std::shared_ptr<Annotation> annotation);
    void addAnnotations(const std::vector<std::shared_ptr<Annotation>>& annotations);
    void removeAnnotation(const std::shared_ptr<Annotation>& annotation);
    void removeAnnotations(const std::vector<std::shared_ptr<Annotation>>& annotations);
    std::vector<std::shared_ptr<Annotation>> annotations() const;
    // The view that shows the annotation; null for one the map does not hold.
    std::shared_ptr<AnnotationView> viewForAnnotation(const std::shared_ptr<Annotation>& annotation);
    std::shared_ptr<AnnotationView> dequeueReusableAnnotationView(const std::string& identifier);

    std::vector<std::shared_ptr<Annotation>> selectedAnnotations() const;
    void selectAnnotation(const std::shared_ptr<Annotation>& annotation, bool animated);
    void deselectAnnotation(const std::shared_ptr<Annotation>& annotation, bool animated);

    bool isLoading() const { return loading_; }
    const std::shared_ptr<CalloutView>& calloutView() const { return callout_; }
    const std::shared_ptr<MapScaleBar>& scaleBar() const { return scaleBar_; }
    const std::shared_ptr<MapGridLabels>& gridLabels() const { return grid_; }
    // The base's tiles and the layers that carry them and the annotation views.
    std::size_t tileCount() const { return tiles_.size(); }
    const std::shared_ptr<ui::View>& baseLayer() const { return base_; }
    const std::shared_ptr<ui::View>& annotationLayer() const { return pins_; }

    void touchesBegan(const ui::Touches& touches) override;
    void touchesMoved(const ui::Touches& touches) override;
    void touchesEnded(const ui::Touches& touches) override;
    void touchesCancelled(const ui::Touches& touches) override;
    bool scrollWheel(double dx, double dy) override;
    bool scrollWheelAt(ui::Point location, double dx, double dy) override;
    void layoutSubviews() override;

  private:
    struct Entry {
        std::shared_ptr<Annotation> annotation;
        std::shared_ptr<AnnotationView> view;
    };

    void scheduleBuild();
    void buildIfNeeded();
    void build();
    void layTiles();
    void placeAnnotations();
    void moveLayers(bool zoomed);
    void placeCallout();
    void settle();
    void zoom(ui::Point about, double factor);
    void tap(ui::Point point);
    void animateFrom(const MapProjection& old, ui::Point oldOrigin, double oldZoom);
    void startLoading();
    void loadingStarted();
    void loadingFinished();
    Entry* entryFor(const std::shared_ptr<Annotation>& annotation);
    std::shared_ptr<AnnotationView> makeView(const std::shared_ptr<Annotation>& annotation);
    // The plane's point of a coordinate and where the display shows a plane point now.
    ui::Point planePoint(const Coordinate& c) const { return projection_.point(c); }
    ui::Point shown(ui::Point plane) const {
        return {origin_.x + zoom_ * plane.x, origin_.y + zoom_ * plane.y};
    }

    std::weak_ptr<MapViewDelegate> delegate_;
    Region region_;
    MapProjection projection_;  // of the base laid last
    ui::Point origin_;          // the base shows plane point q at origin_ + zoom_ * q
    double zoom_ = 1;
    bool built_ = false;
    bool needsBuild_ = false;
    bool loading_ = false;

    std::shared_ptr<ui::View> base_;
    std::shared_ptr<MapGridLabels> grid_;
    std::shared_ptr<ui::View> pins_;
    std::shared_ptr<CalloutView> callout_;
    std::shared_ptr<MapScaleBar> scaleBar_;
    std::map<std::pair<int, int>, std::shared_ptr<MapTileView>> tiles_;
    std::vector<Entry> entries_;
    std::multimap<std::string, std::shared_ptr<AnnotationView>> reusable_;
    std::shared_ptr<Annotation> selected_;

    // The finger that drags the map.
    bool touching_ = false, panning_ = false;
    ui::Point touchStart_, lastTouch_;
};

}  // namespace maps

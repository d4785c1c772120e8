#include "platform/maps/MapView.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/maps/PinAnnotationView.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Make.h"
#include "platform/ui/Touch.h"
#include "platform/ui/ViewClassRegistry.h"

namespace maps {

namespace {

const ui::Color kSea = ui::Color::rgb(0.67, 0.80, 0.89);  // shown where no tile is laid yet
const Region kWholeEarth{{0, 0}, {MapProjection::kLargestLatitudeSpan, MapProjection::kLargestLongitudeSpan}};

double distance(ui::Point a, ui::Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

}  // namespace

void MapView::init(const ui::Rect& frame) {
    View::init(frame);
    setBackgroundColor(kSea);
    setClipsToBounds(true);
    region_ = MapProjection(kWholeEarth, bounds().size).region();
    base_ = ui::make<ui::View>(ui::Rect{});
    base_->setUserInteractionEnabled(false);
    addSubview(base_);
    grid_ = ui::make<MapGridLabels>(bounds());
    addSubview(grid_);
    pins_ = ui::make<ui::View>(ui::Rect{});
    addSubview(pins_);
    callout_ = ui::make<CalloutView>(ui::Rect{});
    callout_->setHidden(true);
    pins_->addSubview(callout_);
    scaleBar_ = ui::make<MapScaleBar>(ui::Rect{});
    addSubview(scaleBar_);
    layoutSubviews();
    scheduleBuild();
}

MapView::~MapView() {
    if (auto loop = fnd::RunLoop::installedMain()) loop->cancelPerforms(this);
}

void MapView::registerInterfaceClass() {
    ui::ViewClassRegistry::shared().registerClass<MapView>("MapView", "View");
}

// ---- region

Region MapView::region() const {
    if (!built_ || (zoom_ == 1 && origin_ == ui::Point{})) return region_;
    ui::Size size = bounds().size;
    ui::Point middle{(size.width / 2 - origin_.x) / zoom_, (size.height / 2 - origin_.y) / zoom_};
    Region shown = projection_.region();
    return {projection_.coordinate(middle),
            {shown.span.latitudeDelta / zoom_, shown.span.longitudeDelta / zoom_}};
}

Region MapView::regionThatFits(const Region& region) const {
    std::optional<Region> usable = MapProjection::usable(region);
    return usable ? MapProjection(*usable, bounds().size).region() : region;
}

MapRect MapView::mapRectThatFits(const MapRect& rect) const {
    return MapProjection::fitted(rect, bounds().size);
}

void MapView::setRegion(const Region& region, bool animated) {
    std::optional<Region> usable = MapProjection::usable(region);
    if (!usable) {
        fnd::Log::warning("map: a region it cannot show was refused: centre ", region.center.latitude, ",",
                          region.center.longitude, ", span ", region.span.latitudeDelta, " x ",
                          region.span.longitudeDelta);
        return;
    }
    region_ = MapProjection(*usable, bounds().size).region();
    if (!built_) {
        scheduleBuild();  // nothing shown yet to move from
        return;
    }
    MapProjection old = projection_;
    ui::Point oldOrigin = origin_;
    double oldZoom = zoom_;
    build();
    if (animated) animateFrom(old, oldOrigin, oldZoom);
}

ui::Point MapView::convertCoordinate(const Coordinate& c) const {
    return built_ ? shown(planePoint(c)) : MapProjection(region_, bounds().size).point(c);
}

Coordinate MapView::convertPoint(ui::Point p) const {
    if (!built_) return MapProjection(region_, bounds().size).coordinate(p);
    return projection_.coordinate({(p.x - origin_.x) / zoom_, (p.y - origin_.y) / zoom_});
}

// ---- annotations

void MapView::addAnnotation(std::shared_ptr<Annotation> annotation) {
    if (!annotation || entryFor(annotation)) return;
    entries_.push_back({std::move(annotation), nullptr});
    scheduleBuild();
}

void MapView::addAnnotations(const std::vector<std::shared_ptr<Annotation>>& annotations) {
    for (const auto& a : annotations) addAnnotation(a);
}

void MapView::removeAnnotation(const std::shared_ptr<Annotation>& annotation) {
    Entry* entry = entryFor(annotation);
    if (!entry) return;
    if (selected_ == annotation) deselectAnnotation(annotation, false);
    if (std::shared_ptr<AnnotationView> view = entry->view) {
        view->removeFromSuperview();
        view->prepareForReuse();
        if (!view->reuseIdentifier().empty()) reusable_.emplace(view->reuseIdentifier(), view);
    }
    entries_.erase(entries_.begin() + (entry - entries_.data()));
}

void MapView::removeAnnotations(const std::vector<std::shared_ptr<Annotation>>& annotations) {
    for (const auto& a : annotations) removeAnnotation(a);
}

std::vector<std::shared_ptr<Annotation>> MapView::annotations() const {
    std::vector<std::shared_ptr<Annotation>> all;
    for (const Entry& e : entries_) all.push_back(e.annotation);
    return all;
}

std::shared_ptr<AnnotationView> MapView::viewForAnnotation(const std::shared_ptr<Annotation>& annotation) {
    buildIfNeeded();
    Entry* entry = entryFor(annotation);
    return entry ? entry->view : nullptr;
}

std::shared_ptr<AnnotationView> MapView::dequeueReusableAnnotationView(const std::string& identifier) {
    auto it = reusable_.find(identifier);
    if (it == reusable_.end()) return nullptr;
    std::shared_ptr<AnnotationView> view = it->second;
    reusable_.erase(it);
    return view;
}

MapView::Entry* MapView::entryFor(const std::shared_ptr<Annotation>& annotation) {
    for (Entry& e : entries_)
        if (e.annotation == annotation) return &e;
    return nullptr;
}

std::shared_ptr<AnnotationView> MapView::makeView(const std::shared_ptr<Annotation>& annotation) {
    std::shared_ptr<AnnotationView> view;
    if (auto delegate = delegate_.lock()) view = delegate->viewForAnnotation(*this, annotation);
    if (!view) {
        auto pin = dequeueReusableAnnotationView(kDefaultPinIdentifier);
        if (!pin) pin = ui::make<PinAnnotationView>(annotation, std::string(kDefaultPinIdentifier));
        pin->setCanShowCallout(true);
        view = pin;
    }
    view->setAnnotation(annotation);
    return view;
}

// ---- selection

std::vector<std::shared_ptr<Annotation>> MapView::selectedAnnotations() const {
    return selected_ ? std::vector<std::shared_ptr<Annotation>>{selected_}
                     : std::vector<std::shared_ptr<Annotation>>{};
}

void MapView::selectAnnotation(const std::shared_ptr<Annotation>& annotation, bool) {
    buildIfNeeded();
    Entry* entry = entryFor(annotation);
    if (!entry || !entry->view || selected_ == annotation) return;
    if (selected_) deselectAnnotation(selected_, false);
    entry = entryFor(annotation);  // the delegate may have changed the annotations
    if (!entry || !entry->view) return;
    selected_ = annotation;
    std::shared_ptr<AnnotationView> view = entry->view;
    view->setSelected(true);
    pins_->bringSubviewToFront(view.get());
    placeCallout();
    if (auto delegate = delegate_.lock()) delegate->didSelectAnnotationView(*this, *view);
}

void MapView::deselectAnnotation(const std::shared_ptr<Annotation>& given, bool) {
    std::shared_ptr<Annotation> annotation = given;  // `given` may be selected_ itself, cleared below
    if (!annotation || selected_ != annotation) return;
    selected_ = nullptr;
    callout_->setHidden(true);
    Entry* entry = entryFor(annotation);
    if (!entry || !entry->view) return;
    std::shared_ptr<AnnotationView> view = entry->view;
    view->setSelected(false);
    if (auto delegate = delegate_.lock()) delegate->didDeselectAnnotationView(*this, *view);
}

void MapView::placeCallout() {
    Entry* entry = selected_ ? entryFor(selected_) : nullptr;
    AnnotationView* view = entry ? entry->view.get() : nullptr;
    if (!view || !view->canShowCallout() || selected_->title().empty()) {
        callout_->setHidden(true);
        return;
    }
    ui::Point anchor = view->calloutAnchor();
    ui::Rect frame = view->frame();
    ui::Point at{frame.origin.x + anchor.x, frame.origin.y + anchor.y};
    double left = -origin_.x, right = left + bounds().size.width;
    callout_->show(selected_->title(), selected_->subtitle(), view->leftCalloutAccessoryView(), at, left,
                   right);
    callout_->setHidden(false);
    pins_->bringSubviewToFront(callout_.get());
}

// ---- the base and the places

void MapView::scheduleBuild() {
    needsBuild_ = true;
    if (auto loop = fnd::RunLoop::installedMain())
        loop->performAfterDelay(0, *this, "build", &MapView::buildIfNeeded);
}

void MapView::buildIfNeeded() {
    if (needsBuild_) build();
}

void MapView::build() {
    needsBuild_ = false;
    if (auto loop = fnd::RunLoop::installedMain()) loop->cancelPerforms(this, "build");
    projection_ = MapProjection(region_, bounds().size);
    region_ = projection_.region();
    built_ = true;
    origin_ = {};
    zoom_ = 1;
    for (auto& [place, tile] : tiles_) tile->removeFromSuperview();
    tiles_.clear();
    moveLayers(true);
    layTiles();
    scaleBar_->setMetresPerPoint(projection_.metresPerPoint());
}

void MapView::layTiles() {
    ui::Size size = bounds().size;
    const double side = MapTileView::kSide;
    // The plane's rectangle shown now, and around it what is laid ahead and what is kept.
    double x0 = -origin_.x / zoom_, y0 = -origin_.y / zoom_;
    double x1 = x0 + size.width / zoom_, y1 = y0 + size.height / zoom_;
    auto index = [side](double v) { return int(std::floor(v / side)); };
    int c0 = index(x0 - side / 2), c1 = index(x1 + side / 2), r0 = index(y0 - side / 2),
        r1 = index(y1 + side / 2);
    std::erase_if(tiles_, [&](const auto& t) {
        auto [column, row] = t.first;
        bool far = column < c0 - 2 || column > c1 + 2 || row < r0 - 2 || row > r1 + 2;
        if (far) t.second->removeFromSuperview();
        return far;
    });
    bool laid = false;
    for (int row = r0; row <= r1; ++row)
        for (int column = c0; column <= c1; ++column) {
            auto& tile = tiles_[{column, row}];
            if (tile) continue;
            tile = ui::make<MapTileView>(projection_, column, row);
            base_->addSubview(tile);
            laid = true;
        }
    if (laid) startLoading();
}

void MapView::placeAnnotations() {
    double mapTop = -origin_.y;
    for (Entry& e : entries_) {
        bool fresh = !e.view;
        if (fresh) {
            e.view = makeView(e.annotation);
            pins_->insertSubviewBelow(e.view, callout_.get());
        }
        ui::Point p = shown(planePoint(e.annotation->coordinate()));
        ui::Point offset = e.view->centerOffset();
        ui::Point place{p.x - origin_.x + offset.x, p.y - origin_.y + offset.y};
        // A view still dropping in keeps its animation; it ends where the map puts it.
        if (fresh || !e.view->isAnimating(ui::AnimatedProperty::Center)) e.view->setCenter(place);
        if (fresh) e.view->didAppear(place, mapTop);
    }
}

void MapView::moveLayers(bool zoomed) {
    base_->setCenter(origin_);
    base_->setTransform(ui::AffineTransform::scale(zoom_));
    pins_->setCenter(origin_);
    grid_->update(projection_, origin_, zoom_);
    if (!zoomed) return;
    placeAnnotations();
    placeCallout();
}

// ---- gestures

void MapView::touchesBegan(const ui::Touches& touches) {
    if (touching_ || touches.empty()) return;
    touching_ = true;
    panning_ = false;
    touchStart_ = lastTouch_ = touches.front()->locationIn(this);
    buildIfNeeded();
}

void MapView::touchesMoved(const ui::Touches& touches) {
    if (!touching_ || touches.empty()) return;
    ui::Point p = touches.front()->locationIn(this);
    if (!panning_ && distance(p, touchStart_) > kTapSlop) panning_ = true;
    if (!panning_) return;
    origin_ = {origin_.x + p.x - lastTouch_.x, origin_.y + p.y - lastTouch_.y};
    lastTouch_ = p;
    moveLayers(false);
}

void MapView::touchesEnded(const ui::Touches& touches) {
    if (!touching_) return;
    touching_ = false;
    if (panning_)
        settle();
    else if (!touches.empty())
        tap(touches.front()->locationIn(this));
}

void MapView::touchesCancelled(const ui::Touches&) {
    if (!touching_) return;
    touching_ = false;
    if (panning_) settle();
}

bool MapView::scrollWheel(double dx, double dy) {
    ui::Size size = bounds().size;
    return scrollWheelAt(convertTo(ui::Point{size.width / 2, size.height / 2}, nullptr), dx, dy);
}

bool MapView::scrollWheelAt(ui::Point location, double, double dy) {
    if (dy == 0 || !std::isfinite(dy)) return false;
    buildIfNeeded();
    zoom(convertFrom(location, nullptr), std::exp2(-dy / kWheelPerDoubling));
    return true;
}

void MapView::zoom(ui::Point about, double factor) {
    // The span stays between the narrowest and the whole earth.
    Region now = region();
    double widest = std::max(now.span.latitudeDelta / MapProjection::kLargestLatitudeSpan,
                             now.span.longitudeDelta / MapProjection::kLargestLongitudeSpan);
    double narrowest =
        std::min(now.span.latitudeDelta, now.span.longitudeDelta) / MapProjection::kSmallestSpan;
    factor = std::clamp(factor, 1 / std::max(narrowest, 1.0), 1 / std::min(widest, 1.0));
    origin_ = {about.x + (origin_.x - about.x) * factor, about.y + (origin_.y - about.y) * factor};
    zoom_ *= factor;
    moveLayers(true);
    if (auto loop = fnd::RunLoop::installedMain()) {
        loop->cancelPerforms(this, "settle");
        loop->performAfterDelay(kSettleDelay, *this, "settle", &MapView::settle);
    }
}

// After a drag only the tiles that came into view are laid; after a zoom the whole base is laid
// anew for the new scale.
void MapView::settle() {
    if (auto loop = fnd::RunLoop::installedMain()) loop->cancelPerforms(this, "settle");
    if (std::fabs(zoom_ - 1) < 1e-9) {
        Region shown = region();
        region_ = {shown.center, projection_.region().span};
        layTiles();
        return;
    }
    if (std::optional<Region> usable = MapProjection::usable(region())) region_ = *usable;
    build();
}

void MapView::tap(ui::Point point) {
    buildIfNeeded();
    ui::Point inLayer{point.x - origin_.x, point.y - origin_.y};
    if (!callout_->isHidden() && callout_->frame().contains(inLayer)) return;  // a tap on the bubble
    // The frontmost view under the finger, a little generously.
    for (auto it = pins_->subviews().rbegin(); it != pins_->subviews().rend(); ++it) {
        auto* view = dynamic_cast<AnnotationView*>(it->get());
        if (!view || view->isHidden() || !view->frame().insetBy(-4, -4).contains(inLayer)) continue;
        selectAnnotation(view->annotation(), true);
        return;
    }
    if (selected_) deselectAnnotation(selected_, true);
}

void MapView::animateFrom(const MapProjection& old, ui::Point oldOrigin, double oldZoom) {
    // Where the old display showed each plane point of the new base: an affine map, scaled by the
    // ratio of the scales and moved by the centres' difference.
    ui::Size size = bounds().size;
    double sx = oldZoom * old.pointsPerDegreeLongitude() / projection_.pointsPerDegreeLongitude();
    double sy = oldZoom * old.pointsPerDegreeLatitude() / projection_.pointsPerDegreeLatitude();
    ui::Point oldPlaneCentre = old.point(projection_.center());
    ui::Point start{oldOrigin.x + oldZoom * oldPlaneCentre.x - sx * size.width / 2,
                    oldOrigin.y + oldZoom * oldPlaneCentre.y - sy * size.height / 2};
    base_->setCenter(start);
    base_->setTransform(ui::AffineTransform::scale(sx, sy));
    std::vector<std::pair<std::shared_ptr<AnnotationView>, ui::Point>> ends;
    for (Entry& e : entries_) {
        if (!e.view || e.view->isAnimating(ui::AnimatedProperty::Center)) continue;
        ui::Point end = e.view->center();
        ui::Point from = old.point(e.annotation->coordinate());
        ui::Point offset = e.view->centerOffset();
        e.view->setCenter(
            {oldOrigin.x + oldZoom * from.x + offset.x, oldOrigin.y + oldZoom * from.y + offset.y});
        ends.emplace_back(e.view, end);
    }
    bool calloutShown = !callout_->isHidden();
    callout_->setHidden(true);
    ui::Animation::begin("MapRegion");
    ui::Animation::setDuration(kRegionAnimationDuration);
    ui::Animation::setCurve(ui::AnimationCurve::EaseInOut);
    if (calloutShown) {
        std::weak_ptr<MapView> weak = sharedAs<MapView>();
        ui::Animation::setCompletion([weak](bool) {
            if (auto map = weak.lock()) map->placeCallout();
        });
    }
    base_->setCenter({});
    base_->setTransform(ui::AffineTransform::identity());
    for (auto& [view, end] : ends) view->setCenter(end);
    ui::Animation::commit();
}

// ---- loading

void MapView::startLoading() {
    if (loading_) return;
    loading_ = true;
    if (auto loop = fnd::RunLoop::installedMain())
        loop->performAfterDelay(0, *this, "loadStart", &MapView::loadingStarted);
}

void MapView::loadingStarted() {
    if (auto delegate = delegate_.lock()) delegate->willStartLoadingMap(*this);
    if (auto loop = fnd::RunLoop::installedMain())
        loop->performAfterDelay(0, *this, "loadEnd", &MapView::loadingFinished);
}

void MapView::loadingFinished() {
    loading_ = false;
    auto delegate = delegate_.lock();
    if (!delegate) return;
    if (bounds().size.isEmpty())
        delegate->didFailLoadingMap(*this, "the map has no area to draw");
    else
        delegate->didFinishLoadingMap(*this);
}

void MapView::layoutSubviews() {
    ui::Size size = bounds().size;
    if (grid_) grid_->setFrame(bounds());
    if (scaleBar_) {
        // Above the row of longitudes along the bottom.
        double bottom = size.height - MapGridLabels::kLabelHeight - 2 * MapGridLabels::kInset;
        scaleBar_->setFrame(
            {10, bottom - MapScaleBar::kHeight - 2, MapScaleBar::kWidth, MapScaleBar::kHeight});
        if (grid_) grid_->setKeepClear(scaleBar_->frame());
    }
    if (!built_) return;
    // The same region, fitted to the new size.
    region_ = MapProjection(region(), size).region();
    scheduleBuild();
}

}  // namespace maps

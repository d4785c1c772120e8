#include "Classes/study_aids/ScratchpadView.h"

#include <cmath>
#include <utility>

#include "Classes/study_aids/ScratchpadGeometry.h"
#include "platform/graphics/Context.h"
#include "platform/ui/Device.h"
#include "platform/ui/Image.h"
#include "platform/ui/Touch.h"
#include "platform/ui/ViewClassRegistry.h"

using Geometry = ScratchpadGeometry;

namespace {

std::vector<std::pair<double, double>> pairs(const std::vector<ui::Point>& points) {
    std::vector<std::pair<double, double>> out;
    out.reserve(points.size());
    for (const ui::Point& p : points) out.emplace_back(p.x, p.y);
    return out;
}

void roundLines(gfx::Context& c) {
    c.setLineCap(gfx::LineCap::Round);
    c.setLineJoin(gfx::LineJoin::Round);
}

void clipTo(gfx::Context& c, const ui::Rect& r) {
    c.beginPath();
    c.addRect(r.origin.x, r.origin.y, r.size.width, r.size.height);
    c.clip();
}

}  // namespace

void ScratchpadView::registerViewClass() {
    ui::ViewClassRegistry::shared().registerClass<ScratchpadView>(kClassName, "DrawnView");
}

ScratchpadView::ScratchpadView() = default;
ScratchpadView::~ScratchpadView() = default;

void ScratchpadView::init(const ui::Rect& frame) {
    ui::DrawnView::init(frame);
    scale_ = ui::Device::current().screenScale();
    if (!(scale_ > 0)) scale_ = 1.0;
    mode_ = kPen;
    points_.clear();
    sheetSize_ = Geometry::sheetSize(ui::Device::current().isTablet(), frame.size);
    drawEmptyImg();
    crop_ = nullptr;
    panOrigin_ = panStart_ = panCurrent_ = Geometry::kFirstOffset;
}

const gfx::Bitmap& ScratchpadView::sheet() const { return sheet_->bitmap(); }

void ScratchpadView::drawEmptyImg() {
    const double W = sheetSize_.width, H = sheetSize_.height, half = Geometry::kBorder / 2;
    sheet_ = std::make_unique<gfx::Context>(W, H, scale_);
    sheet_->setStrokeColor(1, 1, 1, kBorderAlpha);
    sheet_->setLineWidth(Geometry::kBorder);
    sheet_->beginPath();
    sheet_->moveTo(half, half);
    sheet_->lineTo(W - half, half);
    sheet_->lineTo(W - half, H - half);
    sheet_->lineTo(half, H - half);
    sheet_->closePath();
    sheet_->strokePath();
    ++sheetChanges_;
}

void ScratchpadView::clearPad() {
    crop_ = nullptr;
    drawEmptyImg();
    setNeedsDisplay();
}

void ScratchpadView::updatePad() {
    crop_ = nullptr;
    panCurrent_ = snapped(Geometry::clampedOffset(panCurrent_, sheetSize_, bounds().size));
    panOrigin_ = panCurrent_;
    setNeedsDisplay();
}

ui::Point ScratchpadView::snapped(ui::Point offset) const {
    return {std::round(offset.x * scale_) / scale_, std::round(offset.y * scale_) / scale_};
}

// ---- Drawing

void ScratchpadView::drawPointsInContext(gfx::Context& c) const {
    if (points_.empty()) return;
    if (mode_ == kEraser) {
        c.setStrokeColor(0, 0, 0);
        c.setFillColor(0, 0, 0);
        c.setLineWidth(kEraserWidth);
    } else {
        c.setStrokeColor(1, 1, 1);
        c.setLineWidth(kPenWidth);
    }
    roundLines(c);
    c.beginPath();
    c.addLines(pairs(points_));
    // A lone point (a touch that has not moved yet) shows as a dot.
    if (points_.size() == 1) c.lineTo(points_[0].x, points_[0].y);
    c.strokePath();
}

void ScratchpadView::drawSpline(gfx::Context& c) const {
    c.setStrokeColor(1, 1, 1);
    c.setLineWidth(kPenWidth);
    roundLines(c);
    c.beginPath();
    c.addLines(pairs(Geometry::splinePath(points_)));
    c.strokePath();
}

void ScratchpadView::drawRect(const ui::Rect& rect) {
    gfx::Context& c = *gfx::Context::current();
    if (!crop_ || mode_ == kMove) {
        Geometry::Crop crop = Geometry::visibleCrop(panCurrent_, rect.size, sheetSize_, scale_);
        crop_ = crop.pixels.isEmpty() ? nullptr
                                      : ui::Image::fromBitmap(sheet_->bitmap().cropped(crop.pixels), scale_);
        cropPlace_ = crop.place;
    }
    if (crop_)
        c.drawBitmap(*crop_->bitmap(), rect.origin.x + cropPlace_.origin.x,
                     rect.origin.y + cropPlace_.origin.y, cropPlace_.size.width, cropPlace_.size.height);
    if (points_.empty()) return;
    c.save();
    clipTo(c, Geometry::drawableAreaInView(sheetSize_, panCurrent_));
    drawPointsInContext(c);
    c.restore();
}

void ScratchpadView::commitStroke() {
    gfx::Context& c = *sheet_;
    c.save();
    clipTo(c, Geometry::drawableArea(sheetSize_));
    c.translate(panOrigin_.x, panOrigin_.y);
    if (mode_ != kEraser && points_.size() >= Geometry::kSplineMinimumPoints)
        drawSpline(c);
    else
        drawPointsInContext(c);
    c.restore();
    ++sheetChanges_;
    crop_ = nullptr;
    points_.clear();
}

// ---- Touches

ui::Point ScratchpadView::touchPoint(const ui::Touches& touches) const {
    return touches.empty() ? ui::Point{} : touches.front()->locationIn(this);
}

void ScratchpadView::touchesBegan(const ui::Touches& touches) {
    if (touches.empty()) return;
    if (mode_ == kMove)
        panBegan(touchPoint(touches));
    else
        strokeBegan(touchPoint(touches));
}

void ScratchpadView::touchesMoved(const ui::Touches& touches) {
    if (touches.empty()) return;
    if (mode_ == kMove)
        panMoved(touchPoint(touches));
    else
        strokeMoved(touchPoint(touches));
    setNeedsDisplay();
}

void ScratchpadView::touchesEnded(const ui::Touches& touches) {
    if (touches.empty()) return;
    if (mode_ == kMove)
        panEnded(touchPoint(touches));
    else
        strokeEnded(touchPoint(touches));
    setNeedsDisplay();
}

void ScratchpadView::touchesCancelled(const ui::Touches&) {
    if (points_.empty()) return;
    points_.clear();
    setNeedsDisplay();
}

void ScratchpadView::strokeBegan(ui::Point p) { points_.push_back(p); }

void ScratchpadView::strokeMoved(ui::Point p) {
    if (mode_ == kEraser || points_.empty() || Geometry::keepsPenPoint(points_.back(), p))
        points_.push_back(p);
}

void ScratchpadView::strokeEnded(ui::Point p) {
    points_.push_back(p);
    commitStroke();
}

void ScratchpadView::panBegan(ui::Point p) { panStart_ = p; }

void ScratchpadView::panMoved(ui::Point p) {
    panCurrent_ = snapped(
        Geometry::clampedOffset(Geometry::pannedOffset(panOrigin_, panStart_, p), sheetSize_, bounds().size));
}

void ScratchpadView::panEnded(ui::Point p) {
    if (p == panStart_) return;
    panOrigin_ = panCurrent_;
}

#include "tests/support/GalleryDrawingPage.h"

#include <cmath>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Context.h"
#include "platform/ui/Button.h"
#include "platform/ui/Device.h"
#include "platform/ui/DrawnView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/Touch.h"

using namespace ui;

namespace testing_support {

namespace {

constexpr double kPenWidth = 3;

// The pad: the sheet's pixels at the pad's place, and the stroke in progress over them.
class Sketch : public DrawnView {
  public:
    std::function<void(const std::string&)> say;

    void clear() {
        Size size = bounds().size;
        double m = GalleryDrawingPage::kSheetMargin;
        gfx::Context c(size.width + 2 * m, size.height + 2 * m, Device::current().screenScale());
        sheet_ = Image::fromBitmap(c.takeBitmap(), c.scale());
        crop_ = nullptr;
        points_.clear();
        setNeedsDisplay();
    }

    void drawRect(const Rect& rect) override {
        gfx::Context& c = *gfx::Context::current();
        if (!crop_ && sheet_) {
            // The sheet cut to the pad, in whole pixels; kept until the sheet changes.
            double k = sheet_->scale(), m = GalleryDrawingPage::kSheetMargin;
            gfx::PixelRect r{int(std::lround(m * k)), int(std::lround(m * k)),
                             int(std::lround(rect.size.width * k)), int(std::lround(rect.size.height * k))};
            crop_ = Image::fromBitmap(sheet_->bitmap()->cropped(r), k);
        }
        if (crop_) c.drawBitmap(*crop_->bitmap(), 0, 0, crop_->size().width, crop_->size().height);
        stroke(c);
    }

    void touchesBegan(const Touches& t) override {
        points_.clear();
        add(t);
    }
    void touchesMoved(const Touches& t) override {
        add(t);
        setNeedsDisplay();
    }
    void touchesEnded(const Touches& t) override {
        add(t);
        commit();
        setNeedsDisplay();
    }
    // A stroke that was cut short is dropped, not kept for the next one.
    void touchesCancelled(const Touches&) override {
        points_.clear();
        setNeedsDisplay();
    }

  private:
    void add(const Touches& t) {
        Point p = t.front()->locationIn(this);
        points_.emplace_back(p.x, p.y);
    }
    void stroke(gfx::Context& c) const {
        if (points_.empty()) return;
        c.setStrokeColor(1, 1, 1, 1);
        c.setLineWidth(kPenWidth);
        c.setLineCap(gfx::LineCap::Round);
        c.setLineJoin(gfx::LineJoin::Round);
        c.beginPath();
        c.addLines(points_);
        if (points_.size() == 1) c.lineTo(points_[0].first, points_[0].second);  // a dot
        c.strokePath();
    }
    // The stroke goes into the sheet, at the pad's place.
    void commit() {
        if (!sheet_) return;
        double m = GalleryDrawingPage::kSheetMargin;
        gfx::Context c(sheet_->size().width, sheet_->size().height, sheet_->scale());
        c.drawBitmap(*sheet_->bitmap(), 0, 0, sheet_->size().width, sheet_->size().height);
        c.translate(m, m);
        stroke(c);
        sheet_ = Image::fromBitmap(c.takeBitmap(), c.scale());
        crop_ = nullptr;
        if (say) say("stroke of " + std::to_string(points_.size()) + " points");
        points_.clear();
    }

    std::shared_ptr<const Image> sheet_;
    std::shared_ptr<const Image> crop_;
    std::vector<std::pair<double, double>> points_;
};

}  // namespace

GalleryDrawingPage::GalleryDrawingPage(Size size, std::function<void(const std::string&)> say) {
    double w = size.width;
    view_ = make<View>(Rect{{}, size});
    view_->setBackgroundColor(Color::white(0.93));

    auto hint = make<Label>(Rect{10, 4, w - 100, 30});
    hint->setText("Draw with a finger");
    hint->setBackgroundColor(Color::clear());
    view_->addSubview(hint);
    auto clear = Button::withType(ButtonType::RoundedRect);
    clear->setFrame({w - 84, 4, 74, 30});
    clear->setTitle("Clear");
    clear->setTag(ClearButtonTag);
    view_->addSubview(clear);

    auto sketch = make<Sketch>(Rect{10, 40, w - 20, size.height - 50});
    sketch->setBackgroundColor(Color::blackColor());
    sketch->setTag(SketchTag);
    sketch->say = say;
    sketch->clear();
    view_->addSubview(sketch);
    std::weak_ptr<Sketch> pad = sketch;
    clear->addAction(ControlEventTouchUpInside, [pad, say](const std::shared_ptr<Control>&) {
        if (auto p = pad.lock()) p->clear();
        say("cleared");
    });
}

GalleryDrawingPage::~GalleryDrawingPage() = default;

}  // namespace testing_support

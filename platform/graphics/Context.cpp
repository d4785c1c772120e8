#include "platform/graphics/Context.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>

#include "platform/foundation/Log.h"

namespace gfx {

namespace {

thread_local Context* currentContext = nullptr;

bool finite(double v) { return std::isfinite(v); }

int pixels(double points, double scale) {
    if (!finite(points) || points <= 0) return 0;
    return std::min(Bitmap::kMaximumSide, int(std::ceil(points * scale - 1e-9)));
}

// Font faces by file, made once and kept for the program's life (cairo holds on to them).
class FontFaces {
  public:
    static FontFaces& shared() {
        static FontFaces faces;
        return faces;
    }

    cairo_font_face_t* face(const std::filesystem::path& file) {
        std::lock_guard lock(mutex_);
        auto it = faces_.find(file);
        if (it != faces_.end()) return it->second;
        FT_Face ft = nullptr;
        if (!library_ || FT_New_Face(library_, file.c_str(), 0, &ft) != 0) {
            fnd::Log::error("drawing: cannot read the font ", file.string());
            return faces_[file] = nullptr;
        }
        cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(ft, 0);
        static const cairo_user_data_key_t key{};
        // The FreeType face goes when cairo lets go of the font face.
        cairo_font_face_set_user_data(face, &key, ft, [](void* f) { FT_Done_Face(static_cast<FT_Face>(f)); });
        return faces_[file] = face;
    }

  private:
    FontFaces() {
        if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
    }
    // Kept for the program's life: cairo may still use the faces while statics go.
    ~FontFaces() = default;

    std::mutex mutex_;
    FT_Library library_ = nullptr;
    std::map<std::filesystem::path, cairo_font_face_t*> faces_;
};

struct Paint {
    double red = 0, green = 0, blue = 0, alpha = 1;
};

}  // namespace

struct Context::Impl {
    Bitmap bitmap;
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    struct State {
        Paint fill, stroke;
        double alpha = 1;
    };
    State state;
    std::vector<State> saved;

    void use(const Paint& p) { cairo_set_source_rgba(cr, p.red, p.green, p.blue, p.alpha * state.alpha); }
};

Context::Context(double width, double height, double scale)
    : width_(finite(width) ? std::max(0.0, width) : 0),
      height_(finite(height) ? std::max(0.0, height) : 0),
      scale_(finite(scale) && scale > 0 ? scale : 1),
      impl_(std::make_unique<Impl>()) {
    impl_->bitmap = Bitmap(pixels(width_, scale_), pixels(height_, scale_));
    attachSurface();
    cairo_scale(impl_->cr, scale_, scale_);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_set_font_options(impl_->cr, options);
    cairo_font_options_destroy(options);
}

void Context::attachSurface() {
    // Cairo cannot make a surface without pixels; an empty canvas draws into one that is thrown away.
    static std::uint32_t nowhere = 0;
    bool empty = impl_->bitmap.isEmpty();
    impl_->surface = cairo_image_surface_create_for_data(
        empty ? reinterpret_cast<unsigned char*>(&nowhere)
              : reinterpret_cast<unsigned char*>(impl_->bitmap.data()),
        CAIRO_FORMAT_ARGB32, empty ? 1 : impl_->bitmap.width(), empty ? 1 : impl_->bitmap.height(),
        empty ? 4 : impl_->bitmap.stride());
    impl_->cr = cairo_create(impl_->surface);
    if (empty) {
        cairo_rectangle(impl_->cr, 0, 0, 0, 0);
        cairo_clip(impl_->cr);
    }
}

Context::~Context() {
    cairo_destroy(impl_->cr);
    cairo_surface_destroy(impl_->surface);
}

Context* Context::current() { return currentContext; }

Context::MakeCurrent::MakeCurrent(Context& context) : previous_(currentContext) { currentContext = &context; }

Context::MakeCurrent::~MakeCurrent() { currentContext = previous_; }

// ---- State

void Context::save() {
    cairo_save(impl_->cr);
    impl_->saved.push_back(impl_->state);
}

void Context::restore() {
    if (impl_->saved.empty()) return;  // more restores than saves: nothing to restore
    cairo_restore(impl_->cr);
    impl_->state = impl_->saved.back();
    impl_->saved.pop_back();
}

void Context::translate(double dx, double dy) {
    if (finite(dx) && finite(dy)) cairo_translate(impl_->cr, dx, dy);
}

void Context::scaleBy(double sx, double sy) {
    if (finite(sx) && finite(sy) && sx != 0 && sy != 0) cairo_scale(impl_->cr, sx, sy);
}

void Context::rotate(double radians) {
    if (finite(radians)) cairo_rotate(impl_->cr, radians);
}

void Context::concat(double a, double b, double c, double d, double tx, double ty) {
    for (double v : {a, b, c, d, tx, ty})
        if (!finite(v)) return;
    if (a * d - b * c == 0) return;  // cairo would stop drawing altogether
    cairo_matrix_t m;
    cairo_matrix_init(&m, a, b, c, d, tx, ty);
    cairo_transform(impl_->cr, &m);
}

void Context::setFillColor(double r, double g, double b, double a) { impl_->state.fill = {r, g, b, a}; }

void Context::setStrokeColor(double r, double g, double b, double a) { impl_->state.stroke = {r, g, b, a}; }

void Context::setLineWidth(double width) {
    if (finite(width) && width >= 0) cairo_set_line_width(impl_->cr, width);
}

void Context::setLineCap(LineCap cap) {
    cairo_set_line_cap(impl_->cr, cap == LineCap::Round    ? CAIRO_LINE_CAP_ROUND
                                  : cap == LineCap::Square ? CAIRO_LINE_CAP_SQUARE
                                                           : CAIRO_LINE_CAP_BUTT);
}

void Context::setLineJoin(LineJoin join) {
    cairo_set_line_join(impl_->cr, join == LineJoin::Round   ? CAIRO_LINE_JOIN_ROUND
                                   : join == LineJoin::Bevel ? CAIRO_LINE_JOIN_BEVEL
                                                             : CAIRO_LINE_JOIN_MITER);
}

void Context::setAlpha(double alpha) {
    if (finite(alpha)) impl_->state.alpha = std::clamp(alpha, 0.0, 1.0);
}

void Context::setAntialias(bool on) {
    cairo_set_antialias(impl_->cr, on ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

// ---- Paths

void Context::beginPath() { cairo_new_path(impl_->cr); }

void Context::moveTo(double x, double y) {
    if (finite(x) && finite(y)) cairo_move_to(impl_->cr, x, y);
}

void Context::lineTo(double x, double y) {
    if (finite(x) && finite(y)) cairo_line_to(impl_->cr, x, y);
}

void Context::curveTo(double cp1x, double cp1y, double cp2x, double cp2y, double x, double y) {
    for (double v : {cp1x, cp1y, cp2x, cp2y, x, y})
        if (!finite(v)) return;
    cairo_curve_to(impl_->cr, cp1x, cp1y, cp2x, cp2y, x, y);
}

void Context::closePath() { cairo_close_path(impl_->cr); }

void Context::addRect(double x, double y, double width, double height) {
    for (double v : {x, y, width, height})
        if (!finite(v)) return;
    cairo_rectangle(impl_->cr, x, y, width, height);
}

void Context::addArc(double cx, double cy, double radius, double start, double end, bool clockwise) {
    for (double v : {cx, cy, radius, start, end})
        if (!finite(v)) return;
    if (radius < 0) return;
    if (clockwise)
        cairo_arc(impl_->cr, cx, cy, radius, start, end);
    else
        cairo_arc_negative(impl_->cr, cx, cy, radius, start, end);
}

void Context::addEllipse(double x, double y, double width, double height) {
    for (double v : {x, y, width, height})
        if (!finite(v)) return;
    if (width <= 0 || height <= 0) return;
    cairo_t* cr = impl_->cr;
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, x + width / 2, y + height / 2);
    cairo_scale(cr, width / 2, height / 2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_close_path(cr);
}

void Context::addLines(const std::vector<std::pair<double, double>>& points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i == 0)
            moveTo(points[i].first, points[i].second);
        else
            lineTo(points[i].first, points[i].second);
    }
}

void Context::fillPath() {
    impl_->use(impl_->state.fill);
    cairo_set_fill_rule(impl_->cr, CAIRO_FILL_RULE_WINDING);
    cairo_fill(impl_->cr);
}

void Context::fillPathEvenOdd() {
    impl_->use(impl_->state.fill);
    cairo_set_fill_rule(impl_->cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(impl_->cr);
}

void Context::strokePath() {
    impl_->use(impl_->state.stroke);
    cairo_stroke(impl_->cr);
}

void Context::clip() { cairo_clip(impl_->cr); }

void Context::fillRect(double x, double y, double width, double height) {
    beginPath();
    addRect(x, y, width, height);
    fillPath();
}

void Context::strokeRect(double x, double y, double width, double height) {
    beginPath();
    addRect(x, y, width, height);
    strokePath();
}

void Context::clearRect(double x, double y, double width, double height) {
    cairo_t* cr = impl_->cr;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_new_path(cr);
    addRect(x, y, width, height);
    cairo_fill(cr);
    cairo_restore(cr);
}

// ---- Gradients

namespace {
void paintGradient(cairo_t* cr, cairo_pattern_t* pattern, const std::vector<GradientStop>& stops,
                   double alpha) {
    for (const GradientStop& s : stops) {
        if (!finite(s.offset)) continue;
        cairo_pattern_add_color_stop_rgba(pattern, std::clamp(s.offset, 0.0, 1.0), s.red, s.green, s.blue,
                                          s.alpha * alpha);
    }
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_NONE);
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_set_source(cr, pattern);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_pattern_destroy(pattern);
}
}  // namespace

void Context::drawLinearGradient(const std::vector<GradientStop>& stops, double x0, double y0, double x1,
                                 double y1) {
    for (double v : {x0, y0, x1, y1})
        if (!finite(v)) return;
    if (stops.empty()) return;
    paintGradient(impl_->cr, cairo_pattern_create_linear(x0, y0, x1, y1), stops, impl_->state.alpha);
}

void Context::drawRadialGradient(const std::vector<GradientStop>& stops, double x0, double y0, double r0,
                                 double x1, double y1, double r1) {
    for (double v : {x0, y0, r0, x1, y1, r1})
        if (!finite(v)) return;
    if (stops.empty() || r0 < 0 || r1 < 0) return;
    paintGradient(impl_->cr, cairo_pattern_create_radial(x0, y0, r0, x1, y1, r1), stops, impl_->state.alpha);
}

// ---- Text

void Context::setFont(const std::filesystem::path& file, double size) {
    cairo_font_face_t* face = FontFaces::shared().face(file);
    if (!face || !finite(size) || size <= 0) return;
    cairo_set_font_face(impl_->cr, face);
    cairo_set_font_size(impl_->cr, size);
}

double Context::textWidth(const std::string& utf8) {
    cairo_text_extents_t extents;
    cairo_text_extents(impl_->cr, utf8.c_str(), &extents);
    return extents.x_advance;
}

double Context::drawText(const std::string& utf8, double x, double y) {
    if (!finite(x) || !finite(y)) return 0;
    cairo_font_extents_t font;
    cairo_font_extents(impl_->cr, &font);
    impl_->use(impl_->state.fill);
    cairo_new_path(impl_->cr);
    cairo_move_to(impl_->cr, x, y + font.ascent);
    double width = textWidth(utf8);
    cairo_show_text(impl_->cr, utf8.c_str());
    cairo_new_path(impl_->cr);
    return width;
}

// ---- Pictures

void Context::drawBitmap(const Bitmap& bitmap, double x, double y, double width, double height) {
    for (double v : {x, y, width, height})
        if (!finite(v)) return;
    if (bitmap.isEmpty() || width <= 0 || height <= 0) return;
    cairo_surface_t* source = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(bitmap.data())), CAIRO_FORMAT_ARGB32,
        bitmap.width(), bitmap.height(), bitmap.stride());
    cairo_t* cr = impl_->cr;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, width / bitmap.width(), height / bitmap.height());
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, bitmap.width(), bitmap.height());
    cairo_clip(cr);
    cairo_paint_with_alpha(cr, impl_->state.alpha);
    cairo_restore(cr);
    cairo_surface_destroy(source);
}

const Bitmap& Context::bitmap() {
    cairo_surface_flush(impl_->surface);
    return impl_->bitmap;
}

std::string Context::pngData() { return bitmap().encodePNG(); }

Bitmap Context::takeBitmap() {
    cairo_surface_flush(impl_->surface);
    Bitmap taken = std::move(impl_->bitmap);
    impl_->bitmap = Bitmap();
    // The surface drew into the pixels just handed over: from now on it draws nowhere.
    cairo_destroy(impl_->cr);
    cairo_surface_destroy(impl_->surface);
    attachSurface();
    return taken;
}

}  // namespace gfx

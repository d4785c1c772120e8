#pragma once
// A drawing context: a transparent canvas measured in points, with the y axis pointing down,
// backed by a bitmap of `scale` pixels per point. Paths are built and then filled or stroked;
// colours, line settings, the clip and the transform belong to the graphics state, which save()
// and restore() keep on a stack. Angles are in radians and turn the x axis towards the y axis
// (clockwise on screen). Text is drawn with the DejaVu font files, advances unhinted, so a width
// drawn here is the width the UI layer measures.
//
// Drawn views draw inside their drawing hook into Context::current().

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"

namespace gfx {

enum class LineCap { Butt, Round, Square };
enum class LineJoin { Miter, Round, Bevel };

struct GradientStop {
    double offset = 0;  // 0..1 along the gradient
    double red = 0, green = 0, blue = 0, alpha = 1;
};

class Context {
  public:
    Context(double width, double height, double scale = 2.0);
    ~Context();
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    double width() const { return width_; }
    double height() const { return height_; }
    double scale() const { return scale_; }

    // The context a drawing hook draws into; null outside one.
    static Context* current();
    // Makes a context the current one for its lifetime (they nest).
    class MakeCurrent {
      public:
        explicit MakeCurrent(Context& context);
        ~MakeCurrent();
        MakeCurrent(const MakeCurrent&) = delete;
        MakeCurrent& operator=(const MakeCurrent&) = delete;

      private:
        Context* previous_;
    };

    // The graphics state.
    void save();
    void restore();
    void translate(double dx, double dy);
    void scaleBy(double sx, double sy);
    void rotate(double radians);
    // x' = a x + c y + tx, y' = b x + d y + ty, applied before the present transform.
    void concat(double a, double b, double c, double d, double tx, double ty);
    void setFillColor(double red, double green, double blue, double alpha = 1);
    void setStrokeColor(double red, double green, double blue, double alpha = 1);
    // Any colour type with red, green, blue and alpha members from 0 to 1.
    template <class Color>
    void setFillColor(const Color& c) {
        setFillColor(c.red, c.green, c.blue, c.alpha);
    }
    template <class Color>
    void setStrokeColor(const Color& c) {
        setStrokeColor(c.red, c.green, c.blue, c.alpha);
    }
    void setLineWidth(double width);
    void setLineCap(LineCap cap);
    void setLineJoin(LineJoin join);
    // Multiplies every colour's alpha that follows (1 by default).
    void setAlpha(double alpha);
    void setAntialias(bool on);

    // The path. A new path starts empty; moveTo starts a subpath.
    void beginPath();
    void moveTo(double x, double y);
    void lineTo(double x, double y);
    void curveTo(double cp1x, double cp1y, double cp2x, double cp2y, double x, double y);
    void closePath();
    void addRect(double x, double y, double width, double height);
    // An arc about (cx, cy) from one angle to another, clockwise on screen or against it; a line
    // joins it to the path's present point.
    void addArc(double cx, double cy, double radius, double startAngle, double endAngle, bool clockwise);
    void addEllipse(double x, double y, double width, double height);
    void addLines(const std::vector<std::pair<double, double>>& points);
    // Fill (non-zero winding) or stroke the path, which is used up.
    void fillPath();
    // Fill by the even-odd rule: a point is inside when a ray from it crosses the path an odd number
    // of times, so holes need no particular direction.
    void fillPathEvenOdd();
    void strokePath();
    // Cuts the drawing that follows to the path, which is used up.
    void clip();

    void fillRect(double x, double y, double width, double height);
    void strokeRect(double x, double y, double width, double height);
    // Makes the rectangle transparent again.
    void clearRect(double x, double y, double width, double height);

    // Paints a gradient over the clip: along the band between two points (nothing beyond them),
    // or between two circles (nothing outside them). Between stops the colours mix evenly.
    void drawLinearGradient(const std::vector<GradientStop>& stops, double x0, double y0, double x1,
                            double y1);
    void drawRadialGradient(const std::vector<GradientStop>& stops, double x0, double y0, double r0,
                            double x1, double y1, double r1);

    // Text: the font file and its size in points. A file that cannot be read leaves the font as
    // it was (and text is drawn in cairo's own fallback until a font is set).
    void setFont(const std::filesystem::path& file, double size);
    // Draws one line with its top-left corner at (x, y), in the fill colour. Answers its width.
    double drawText(const std::string& utf8, double x, double y);
    double textWidth(const std::string& utf8);

    // Draws a picture stretched into the rectangle.
    void drawBitmap(const Bitmap& bitmap, double x, double y, double width, double height);

    // What has been drawn so far.
    const Bitmap& bitmap();
    std::string pngData();
    // Hands over what has been drawn without copying it; the context draws nothing after that.
    Bitmap takeBitmap();

  private:
    struct Impl;
    // Points cairo at the bitmap (or, when it is empty, at a pixel that is thrown away).
    void attachSurface();
    double width_, height_, scale_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace gfx

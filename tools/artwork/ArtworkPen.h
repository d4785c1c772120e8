#pragma once
// Drawing helpers for the artwork on top of a graphics context: rounded shapes and text placed by
// its ink, so that glyphs sit optically centred whatever their side bearings and descenders.

#include <numbers>
#include <string>
#include <vector>

#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Rect.h"

namespace gfx {
class Context;
}

class ArtworkPen {
  public:
    explicit ArtworkPen(gfx::Context& context) : context_(context) {}
    gfx::Context& context() { return context_; }

    // Strokes and fills in one colour, with lines of the width that are round at ends and joins.
    void setLines(const ui::Color& color, double width);
    // A straight line, a filled circle and a circle's outline.
    void line(double x0, double y0, double x1, double y1);
    // An open arrowhead at (x, y) pointing along the angle (radians), its sides `length` long and
    // `spread` radians off the line behind the point.
    void arrowhead(double x, double y, double angle, double length, double spread = std::numbers::pi * 0.8);
    void disc(double x, double y, double radius);
    void ring(double x, double y, double radius);

    // A rectangle with corners of the given radius as the context's path.
    void addRoundedRect(const ui::Rect& rect, double radius);
    void fillRoundedRect(const ui::Rect& rect, double radius);
    void strokeRoundedRect(const ui::Rect& rect, double radius);

    // A square tile of that side with rounded corners: the colour, a shade lighter at the top, with
    // a hairline of a darker shade.
    void tile(double side, const ui::Color& color, double radius);

    // The box of the pixels the text covers when drawn with its top-left corner at (0, 0); empty
    // for text that shows nothing.
    static ui::Rect inkOf(const ui::Font& font, const std::string& text);

    // Draws the text in the fill colour with the middle of its ink at (x, y).
    void drawInkCentred(const ui::Font& font, const std::string& text, double x, double y);
    // Draws one line centred on x by its advance, with the middle of its capitals on y.
    void drawLineCentred(const ui::Font& font, const std::string& text, double x, double y);
    // A name set in a box: its lines and the font size.
    struct NameLayout {
        std::vector<std::string> lines;
        double size = 0;
    };
    // The name at the largest size up to `largest` (in half points) at which it fits the box, on
    // one line or broken into two at a blank, whichever allows the larger size (one line on a tie).
    static NameLayout fitName(const ui::Font& font, const std::string& name, const ui::Rect& box,
                              double largest);
    // Draws the lines centred in the box at the layout's size, whatever size the font has.
    void drawName(const ui::Font& font, const NameLayout& layout, const ui::Rect& box);

  private:
    gfx::Context& context_;
};

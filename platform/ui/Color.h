#pragma once
// A colour: red, green, blue and alpha components from 0 to 1.

namespace ui {

struct Color {
    double red = 0, green = 0, blue = 0, alpha = 0;

    static Color rgb(double r, double g, double b, double a = 1.0);
    // Hue, saturation and brightness (all 0..1) as the colour picker has them.
    static Color hsb(double hue, double saturation, double brightness, double alpha = 1.0);
    static Color white(double level, double alpha = 1.0) { return rgb(level, level, level, alpha); }

    static Color clear() { return {}; }
    static Color blackColor() { return rgb(0, 0, 0); }
    static Color whiteColor() { return rgb(1, 1, 1); }
    static Color grayColor() { return white(0.5); }
    static Color lightGrayColor() { return white(2.0 / 3.0); }
    static Color darkGrayColor() { return white(1.0 / 3.0); }
    static Color redColor() { return rgb(1, 0, 0); }
    static Color greenColor() { return rgb(0, 1, 0); }
    static Color blueColor() { return rgb(0, 0, 1); }
    static Color yellowColor() { return rgb(1, 1, 0); }
    static Color orangeColor() { return rgb(1, 0.5, 0); }
    static Color cyanColor() { return rgb(0, 1, 1); }
    static Color magentaColor() { return rgb(1, 0, 1); }
    static Color purpleColor() { return rgb(0.5, 0, 0.5); }
    static Color brownColor() { return rgb(0.6, 0.4, 0.2); }

    friend bool operator==(const Color&, const Color&) = default;

    struct HSB {
        double hue = 0, saturation = 0, brightness = 0, alpha = 0;
    };
    HSB toHSB() const;
    Color withAlpha(double a) const { return {red, green, blue, a}; }
    static Color interpolate(const Color& from, const Color& to, double fraction);
};

}  // namespace ui

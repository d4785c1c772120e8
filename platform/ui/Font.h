#pragma once
// A font: family, weight, slant and size in points, with text measurement. Fonts are the DejaVu
// files that the display also serves to the browser, so a width measured here is the width drawn
// there (plain glyph advances: no kerning, no ligatures).

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/ui/Size.h"

namespace ui {

class Font {
  public:
    enum class Weight { Regular, Bold };
    enum class Slant { Upright, Italic };

    // The system font at the platform's default size (17 points).
    Font() : Font("DejaVu Sans", 17, Weight::Regular, Slant::Upright) {}
    // Families: "DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif"; any other name reads as "DejaVu Sans".
    // A size that is not a positive number becomes the default size.
    Font(std::string family, double size, Weight weight = Weight::Regular, Slant slant = Slant::Upright);

    static Font system(double size) { return {"DejaVu Sans", size}; }
    static Font boldSystem(double size) { return {"DejaVu Sans", size, Weight::Bold}; }
    static Font italicSystem(double size) { return {"DejaVu Sans", size, Weight::Regular, Slant::Italic}; }

    const std::string& family() const { return family_; }
    double size() const { return size_; }
    Weight weight() const { return weight_; }
    Slant slant() const { return slant_; }
    Font withSize(double size) const { return {family_, size, weight_, slant_}; }
    // The font file's name in the font folder, e.g. "DejaVuSans-Bold.ttf".
    std::string fileName() const;
    // The font file's full path, in folder().
    std::filesystem::path filePath() const { return folder() / fileName(); }

    friend bool operator==(const Font&, const Font&) = default;

    // Metrics in points: distance of the top above the baseline, of the bottom below it (negative),
    // and the height of one line (the browser's "normal" line height for this font).
    double ascender() const;
    double descender() const;
    double lineHeight() const;
    // The width of the text on one line; line breaks count as ordinary characters.
    double widthOf(std::string_view utf8) const;
    // Width and line height of the text on one line.
    Size sizeOf(std::string_view utf8) const { return {widthOf(utf8), lineHeight()}; }

    // The folder the font files are read from (the system's DejaVu folder unless set).
    static std::filesystem::path folder();
    static void setFolder(std::filesystem::path folder);

  private:
    std::string family_;
    double size_;
    Weight weight_;
    Slant slant_;
};

}  // namespace ui

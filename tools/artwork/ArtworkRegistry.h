#pragma once
// The bundle's drawn artwork: named pictures of a fixed size in points. Each is written as a PNG at
// scale 1 ("NAME.png") and as its twin at scale 2 ("NAME@2x.png"), the one the screens load.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace gfx {
class Context;
}

class ArtworkRegistry {
  public:
    // Draws the picture into a context of the picture's size in points.
    using Draw = std::function<void(gfx::Context&)>;
    struct Drawing {
        std::string name;  // the file name without ".png"
        double width = 0, height = 0;
        Draw draw;
    };

    // Adds a drawing; a second one of the same name replaces the first.
    void add(std::string name, double width, double height, Draw draw);
    const std::vector<Drawing>& drawings() const { return drawings_; }
    const Drawing* find(const std::string& name) const;

    // The drawing as PNG bytes at a scale (pixels per point).
    static std::string render(const Drawing& drawing, double scale);

    // Writes both files of each drawing into the folder, which is made when missing. Answers
    // whether every file was written; each file written and each failure is told on `log`.
    bool write(const Drawing& drawing, const std::filesystem::path& folder, std::ostream& log) const;

  private:
    std::vector<Drawing> drawings_;
};

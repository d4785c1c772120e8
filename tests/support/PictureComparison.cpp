#include "tests/support/PictureComparison.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace testing_support {

double differingShare(const gfx::Bitmap& a, const gfx::Bitmap& b, int tolerance) {
    if (a.width() != b.width() || a.height() != b.height()) return 1;
    long differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            gfx::Bitmap::RGBA p = a.pixel(x, y), q = b.pixel(x, y);
            auto pre = [](int c, int alpha) { return c * alpha / 255; };
            if (std::abs(p.alpha - q.alpha) > tolerance ||
                std::abs(pre(p.red, p.alpha) - pre(q.red, q.alpha)) > tolerance ||
                std::abs(pre(p.green, p.alpha) - pre(q.green, q.alpha)) > tolerance ||
                std::abs(pre(p.blue, p.alpha) - pre(q.blue, q.alpha)) > tolerance)
                ++differing;
        }
    return static_cast<double>(differing) / (static_cast<double>(a.width()) * a.height());
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string referencePicture(const std::filesystem::path& path, const std::string& png) {
    if (std::getenv("ORVA_WRITE_REFERENCES")) std::ofstream(path, std::ios::binary) << png;
    return readFile(path);
}

}  // namespace testing_support

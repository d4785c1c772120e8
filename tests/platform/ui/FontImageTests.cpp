// Text measurement with the DejaVu files, and bundle images.

#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/foundation/Paths.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "tests/support/TestEnvironment.h"

using namespace ui;
namespace fs = std::filesystem;

namespace {

class FontImageTest : public testing_support::TestEnvironment {
  protected:
    // Writes a real PNG of the given pixel size into the test's resource folder (or another).
    void writePng(const std::string& relative, int width, int height, const std::string& bundle = "bundle") {
        fs::path path = temporary / bundle / relative;
        fs::create_directories(path.parent_path());
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
        ASSERT_EQ(cairo_surface_write_to_png(s, path.c_str()), CAIRO_STATUS_SUCCESS);
        cairo_surface_destroy(s);
    }
    void useBundle() { fnd::Paths::setResources(temporary / "bundle"); }
};

// The advance of the text as Cairo lays it out with unhinted metrics, for a cross-check.
double cairoWidth(const char* family, bool bold, double size, const char* text) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cr = cairo_create(s);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_set_font_options(cr, options);
    cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    cairo_font_options_destroy(options);
    cairo_destroy(cr);
    cairo_surface_destroy(s);
    return extents.x_advance;
}

TEST_F(FontImageTest, WidthsAreTheFontFilesAdvances) {
    for (const char* text : {"Statistics", "Flashcards 12%", "WAVE tool", "Ünïcødé — “quotes”"}) {
        EXPECT_NEAR(Font::system(17).widthOf(text), cairoWidth("DejaVu Sans", false, 17, text), 0.01) << text;
        EXPECT_NEAR(Font::boldSystem(12).widthOf(text), cairoWidth("DejaVu Sans", true, 12, text), 0.01)
            << text;
    }
    Font f = Font::boldSystem(16);
    EXPECT_NEAR(f.withSize(32).widthOf("Tags"), 2 * f.widthOf("Tags"), 1e-9);
    EXPECT_GT(f.widthOf("Tags"), Font::system(16).widthOf("Tags"));
    EXPECT_NEAR(f.lineHeight(), 16 * 2384.0 / 2048, 1e-9);
    // Broken UTF-8 is measured as replacement characters.
    EXPECT_NEAR(f.widthOf("a\xff"), f.widthOf("a\xEF\xBF\xBD"), 1e-9);
    EXPECT_NEAR(f.widthOf("\xE2\x82"), f.widthOf("\xEF\xBF\xBD\xEF\xBF\xBD"), 1e-9);

    // Unknown families fall back to the system face; every family and style names a file that is there.
    EXPECT_EQ(Font("Helvetica", 12).family(), "DejaVu Sans");
    EXPECT_EQ(Font("DejaVu Sans Mono", -3).size(), 17);  // a size that is no size: the default
    EXPECT_EQ(Font::italicSystem(20).fileName(), "DejaVuSans-Oblique.ttf");
    for (auto family : {"DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif"})
        for (auto weight : {Font::Weight::Regular, Font::Weight::Bold})
            for (auto slant : {Font::Slant::Upright, Font::Slant::Italic})
                EXPECT_TRUE(fs::exists(Font::folder() / Font(family, 10, weight, slant).fileName()));
}

TEST_F(FontImageTest, BundleImagesByName) {
    writePng("btn_background_white.png", 21, 31);
    writePng("images/Section_1.png", 40, 20);
    writePng("logo@2x.png", 64, 32);
    writePng("both.png", 10, 10);
    writePng("both@2x.png", 20, 20);
    std::ofstream(temporary / "bundle" / "notes.png") << "not an image";
    useBundle();

    auto btn = Image::named("btn_background_white.png");
    ASSERT_TRUE(btn);
    EXPECT_EQ(btn->size(), (Size{21, 31}));
    EXPECT_EQ(btn->scale(), 1);
    EXPECT_EQ(btn->resourcePath(), "btn_background_white.png");
    auto section = Image::named("Section_1");
    ASSERT_TRUE(section);
    EXPECT_EQ(section->resourcePath(), "images/Section_1.png");
    auto logo = Image::named("logo@2x.png");  // as given
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->size(), (Size{32, 16}));
    EXPECT_EQ(logo->scale(), 2);
    auto both = Image::named("both.png");  // the sharper file when there is one
    ASSERT_TRUE(both);
    EXPECT_EQ(both->resourcePath(), "both@2x.png");
    EXPECT_EQ(both->size(), (Size{10, 10}));
    for (auto bad : {"missing.png", "notes.png", "../bundle/both.png", "/etc/passwd", ""})
        EXPECT_EQ(Image::named(bad), nullptr) << bad;

    // Stretching keeps 10-point left and top caps and the matching far caps.
    auto stretched = btn->stretchable(10, 10);
    EXPECT_TRUE(stretched->isStretchable());
    EXPECT_EQ(stretched->rightCap(), 10);
    EXPECT_EQ(stretched->bottomCap(), 20);
    EXPECT_FALSE(btn->isStretchable());
    EXPECT_EQ(btn->stretchable(100, -4)->leftCap(), 20);
    EXPECT_EQ(btn->stretchable(100, -4)->topCap(), 0);
}

// Names are looked up once per bundle: another bundle's picture of the same name is its own.
TEST_F(FontImageTest, ANameIsThePictureOfTheBundleInUse) {
    writePng("images/key.png", 10, 10);
    writePng("images/key@2x.png", 60, 40, "other");
    useBundle();
    ASSERT_TRUE(Image::named("key"));
    EXPECT_EQ(Image::named("key")->size(), (Size{10, 10}));
    fnd::Paths::setResources(temporary / "other");
    ASSERT_TRUE(Image::named("key"));
    EXPECT_EQ(Image::named("key")->size(), (Size{30, 20}));
    EXPECT_EQ(Image::named("key")->resourcePath(), "images/key@2x.png");
    useBundle();
    EXPECT_EQ(Image::named("key")->resourcePath(), "images/key.png");
}

TEST_F(FontImageTest, PixelSizesOfImageHeaders) {
    std::string gif("GIF89a\x0a\x00\x14\x00", 10);
    EXPECT_EQ(Image::pixelSize(gif).width, 10);
    EXPECT_EQ(Image::pixelSize(gif).height, 20);
    // A JPEG with an application segment before its frame header.
    std::string jpeg =
        std::string("\xFF\xD8\xFF\xE0\x00\x04\x00\x00\xFF\xC0\x00\x11\x08\x00\x30\x00\x40", 17);
    EXPECT_EQ(Image::pixelSize(jpeg).width, 64);
    EXPECT_EQ(Image::pixelSize(jpeg).height, 48);
    // Truncated or damaged headers give no size.
    EXPECT_EQ(Image::pixelSize(jpeg.substr(0, 9)).width, 0);
    EXPECT_EQ(Image::pixelSize(std::string("\xFF\xD8\xFF\xE0\x00\x00\x00\x00\x00\x00\x00", 11)).width, 0);
    EXPECT_EQ(Image::pixelSize("\x89PNG").width, 0);
    EXPECT_EQ(Image::fromPNG("short"), nullptr);
}

}  // namespace

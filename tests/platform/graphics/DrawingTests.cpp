// Drawing: a drawn view's picture against a reference, the context's operations, PNG and JPEG bytes.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Context.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/DrawnView.h"
#include "platform/ui/Font.h"
#include "platform/ui/Make.h"
#include "tests/support/PictureComparison.h"
#include "tests/support/TestEnvironment.h"

using gfx::Bitmap;
using gfx::Context;

namespace {

// A gauge as a statistics pane might draw one: a gradient band, a framed box, an arc, a polyline
// with its shadow, a rotated square and a caption.
class GaugeView : public ui::DrawnView {
  public:
    int draws = 0;
    void drawRect(const ui::Rect& rect) override {
        ++draws;
        Context& c = *Context::current();
        c.drawLinearGradient({{0, 0.2, 0.4, 0.8, 1}, {1, 0.9, 0.95, 1, 1}}, 0, 0, 0, 40);
        c.setFillColor(ui::Color::rgb(1, 0, 0));
        c.fillRect(10, 50, 40, 30);
        c.setStrokeColor(0, 0, 0, 1);
        c.setLineWidth(2);
        c.strokeRect(10, 50, 40, 30);
        c.beginPath();
        c.addArc(100, 70, 20, 0, std::numbers::pi, true);
        c.setLineWidth(3);
        c.setStrokeColor(0, 0.6, 0, 1);
        c.strokePath();
        c.save();
        c.setStrokeColor(0, 0, 0, 0.1);
        c.setLineWidth(1);
        c.addLines({{10, 104}, {60, 94}, {110, 114}, {150, 99}});
        c.strokePath();
        c.restore();
        c.setStrokeColor(0, 0, 1, 1);
        c.setLineWidth(1.5);
        c.addLines({{10, 100}, {60, 90}, {110, 110}, {150, 95}});
        c.strokePath();
        c.save();
        c.translate(135, 65);
        c.rotate(std::numbers::pi / 4);
        c.setFillColor(1, 0.5, 0, 1);
        c.fillRect(-8, -8, 16, 16);
        c.restore();
        c.setFillColor(0, 0, 0, 1);
        c.setFont(ui::Font::boldSystem(14).filePath(), 14);
        c.drawText("42 %", 12, 8);
        (void)rect;
    }
};

class DrawingTest : public testing_support::TestEnvironment {};

}  // namespace

TEST_F(DrawingTest, DrawnViewMatchesItsReferencePicture) {
    auto view = ui::make<GaugeView>(ui::Rect{0, 0, 160, 120});
    auto image = view->drawing();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->scale(), 2);
    EXPECT_EQ(image->size(), (ui::Size{160, 120}));
    auto drawn = Bitmap::decodePNG(image->pngData());
    ASSERT_TRUE(drawn);
    EXPECT_EQ(drawn->width(), 320);

    std::filesystem::path reference = std::filesystem::path(ORVA_FIXTURES) / "drawing" / "gauge.png";
    auto expected = Bitmap::decodePNG(testing_support::referencePicture(reference, image->pngData()));
    ASSERT_TRUE(expected) << reference;
    // Anti-aliasing may differ slightly between library versions; the picture may not.
    EXPECT_LT(testing_support::differingShare(*drawn, *expected, 24), 0.01);

    // Spot checks that hold whatever the reference: pixels are at twice the point coordinates.
    EXPECT_EQ(drawn->pixel(60, 130), (Bitmap::RGBA{255, 0, 0, 255}));  // inside the red box
    EXPECT_EQ(drawn->pixel(20, 100).alpha, 255);                       // its frame
    EXPECT_EQ(drawn->pixel(20, 100).red, 0);
    EXPECT_EQ(drawn->pixel(270, 130), (Bitmap::RGBA{255, 128, 0, 255}));  // the rotated square's centre
    EXPECT_EQ(drawn->pixel(270, 114).alpha, 255);  // its corner reaches up past the unrotated square's top
    EXPECT_EQ(drawn->pixel(200, 200).alpha, 0);    // untouched canvas stays transparent
    Bitmap::RGBA top = drawn->pixel(300, 2), bottom = drawn->pixel(300, 78);
    EXPECT_LT(top.red, 70);  // the gradient runs from dark blue-grey to near white
    EXPECT_GT(bottom.red, 200);
}

TEST_F(DrawingTest, DrawnViewDrawsAgainOnlyWhenMarkedOrResized) {
    auto root = ui::make<ui::View>(ui::Rect{0, 0, 320, 480});
    ui::ChangeLog log(root);
    std::vector<std::string> messages;
    log.addListener([&](const std::string& m) { messages.push_back(m); });
    auto view = ui::make<GaugeView>(ui::Rect{0, 0, 160, 120});
    root->addSubview(view);
    log.flush();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("\"kind\":\"bitmap\""), std::string::npos);
    EXPECT_NE(messages[0].find("\"png\":\"iVBOR"), std::string::npos);  // base64 of a PNG signature
    EXPECT_EQ(view->draws, 1);

    view->setAlpha(0.5);
    log.flush();
    EXPECT_EQ(view->draws, 1);

    view->setNeedsDisplay();
    view->setNeedsDisplay();
    log.flush();
    EXPECT_EQ(view->draws, 2);

    view->setFrame({0, 0, 80, 60});
    EXPECT_EQ(view->drawing()->size(), (ui::Size{80, 60}));
    EXPECT_EQ(view->draws, 3);

    view->setFrame({0, 0, 0, 60});
    EXPECT_EQ(view->drawing(), nullptr);
}

TEST_F(DrawingTest, StateStackAndTextMatchTheUIMeasurement) {
    Context c(100, 40, 1);
    c.setFillColor(0, 0, 1, 1);
    c.save();
    c.setFillColor(1, 0, 0, 1);
    c.setAlpha(0.5);
    c.restore();
    c.restore();  // one too many: harmless
    c.fillRect(0, 0, 10, 10);
    EXPECT_EQ(c.bitmap().pixel(5, 5), (Bitmap::RGBA{0, 0, 255, 255}));

    ui::Font font = ui::Font::system(17);
    c.setFont(font.filePath(), 17);
    EXPECT_NEAR(c.textWidth("Flashcards 123"), font.widthOf("Flashcards 123"), 0.01);
    c.setFont("/no/such/font.ttf", 12);  // keeps the font it has
    EXPECT_NEAR(c.textWidth("Flashcards 123"), font.widthOf("Flashcards 123"), 0.01);

    // Nonsense numbers are ignored rather than breaking the context for what follows.
    c.scaleBy(0, 0);
    c.concat(1, 0, 0, 0, 0, 0);
    c.translate(NAN, 1);
    c.setFillColor(0, 1, 0, 1);
    c.fillRect(20, 0, 10, 10);
    EXPECT_EQ(c.bitmap().pixel(25, 5), (Bitmap::RGBA{0, 255, 0, 255}));

    Context empty(0, 10);
    empty.fillRect(0, 0, 5, 5);
    EXPECT_TRUE(empty.bitmap().isEmpty());
    EXPECT_EQ(empty.pngData(), "");
}

TEST_F(DrawingTest, ClearRectRadialGradientAndPictures) {
    Context c(20, 20, 1);
    c.drawRadialGradient({{0, 1, 1, 1, 1}, {1, 0, 0, 0, 1}}, 10, 10, 0, 10, 10, 10);
    EXPECT_GT(c.bitmap().pixel(10, 10).red, 230);
    EXPECT_LT(c.bitmap().pixel(19, 10).red, 30);
    c.clearRect(0, 0, 5, 5);
    EXPECT_EQ(c.bitmap().pixel(2, 2).alpha, 0);

    Bitmap dot(2, 2);
    dot.setPixel(0, 0, {255, 0, 0, 255});
    dot.setPixel(1, 0, {255, 0, 0, 255});
    dot.setPixel(0, 1, {0, 0, 255, 255});
    dot.setPixel(1, 1, {0, 0, 255, 255});
    Context d(10, 10, 2);
    d.setAntialias(false);
    d.drawBitmap(dot, 0, 0, 10, 10);
    EXPECT_EQ(d.bitmap().pixel(10, 2), (Bitmap::RGBA{255, 0, 0, 255}));
    EXPECT_EQ(d.bitmap().pixel(10, 18), (Bitmap::RGBA{0, 0, 255, 255}));
}

TEST_F(DrawingTest, PngAndJpegBytes) {
    Bitmap b(16, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            b.setPixel(x, y, x < 8 ? Bitmap::RGBA{200, 30, 30, 255} : Bitmap::RGBA{0, 0, 0, 0});
    b.setPixel(15, 7, {10, 200, 100, 128});

    auto png = Bitmap::decode(b.encodePNG());
    ASSERT_TRUE(png);
    EXPECT_EQ(png->pixel(2, 2), (Bitmap::RGBA{200, 30, 30, 255}));
    EXPECT_EQ(png->pixel(12, 2).alpha, 0);
    EXPECT_NEAR(png->pixel(15, 7).green, 200, 2);
    EXPECT_EQ(png->pixel(15, 7).alpha, 128);

    std::string jpeg = b.encodeJPEG(1.0);
    ASSERT_GE(jpeg.size(), 4u);
    EXPECT_EQ(static_cast<unsigned char>(jpeg[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(jpeg[1]), 0xD8);
    auto back = Bitmap::decode(jpeg);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width(), 16);
    EXPECT_NEAR(back->pixel(2, 2).red, 200, 6);
    EXPECT_EQ(back->pixel(2, 2).alpha, 255);
    EXPECT_LT(back->pixel(12, 2).red, 10);  // transparent comes out black
    EXPECT_LT(b.encodeJPEG(0.1).size(), jpeg.size());

    // Damaged, truncated or hostile bytes read as nothing.
    EXPECT_FALSE(Bitmap::decode(""));
    EXPECT_FALSE(Bitmap::decode("GIF89a......"));
    EXPECT_FALSE(Bitmap::decode(jpeg.substr(0, 20)));
    std::string bad = jpeg;
    for (std::size_t i = 200; i < bad.size() && i < 260; ++i) bad[i] = '\xFF';
    (void)Bitmap::decode(bad);  // may read as a damaged picture, must not crash
    std::string pngBytes = b.encodePNG();
    EXPECT_FALSE(Bitmap::decode(pngBytes.substr(0, 40)));
    std::string huge = pngBytes;
    huge[16] = '\x7F';  // width in the header far past the limit
    EXPECT_FALSE(Bitmap::decode(huge));
    EXPECT_EQ(Bitmap().encodeJPEG(1), "");

    // A card's picture: downloaded JPEG bytes become an image for the display and are saved as JPEG.
    auto card = ui::Image::fromData(jpeg);
    ASSERT_TRUE(card);
    EXPECT_EQ(card->size(), (ui::Size{16, 8}));
    EXPECT_EQ(card->pngData().substr(1, 3), "PNG");
    auto saved = Bitmap::decode(card->jpegData(1.0));
    ASSERT_TRUE(saved);
    EXPECT_NEAR(saved->pixel(2, 2).red, 200, 8);
    EXPECT_FALSE(ui::Image::fromData("not a picture"));
}

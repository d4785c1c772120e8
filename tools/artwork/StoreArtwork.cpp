#include "tools/artwork/StoreArtwork.h"

#include <string>

#include "platform/graphics/Context.h"
#include "platform/ui/Color.h"
#include "tools/artwork/ArtworkPen.h"
#include "tools/artwork/ArtworkRegistry.h"
#include "tools/artwork/LibraryArtwork.h"

namespace {

using ui::Color;
using ui::Font;

const Color kWhite = Color::whiteColor();
const Color kInk = Color::rgb(0.15, 0.19, 0.24);
const Font kBold = Font("DejaVu Sans", 10, Font::Weight::Bold);

// A ribbon with a word: the new mark and the update mark.
void ribbon(ArtworkRegistry& registry, const char* name, double width, const Color& color, const char* word) {
    registry.add(name, width, 18, [width, color, word](gfx::Context& c) {
        ArtworkPen pen(c);
        c.setFillColor(Color::white(0, 0.2));
        pen.fillRoundedRect({1, 2, width - 1, 16}, 4);
        c.setFillColor(color);
        pen.fillRoundedRect({0, 0, width - 1, 16}, 4);
        c.setFillColor(kWhite);
        pen.drawInkCentred(Font("DejaVu Sans", 10, Font::Weight::Bold), word, (width - 1) / 2, 8);
    });
}

// The info key: a blue disc with a white "i".
void info(gfx::Context& c) {
    ArtworkPen pen(c);
    c.setFillColor(Color::hsb(0.58, 0.7, 0.8));
    pen.disc(12.5, 12.5, 11);
    pen.setLines(kWhite, 1.5);
    pen.ring(12.5, 12.5, 10);
    c.setFillColor(kWhite);
    pen.drawInkCentred(Font("DejaVu Serif", 15, Font::Weight::Bold), "i", 12.5, 13);
}

// A product's cover as the store shows it: for sale with a price tag; owned or on its way, plain
// (the row's own marks tell which).
void storeIcon(ArtworkPen& pen, double hue, const std::string& title, bool forSale) {
    gfx::Context& c = pen.context();
    const double w = LibraryArtwork::kCoverWidth, h = LibraryArtwork::kCoverHeight;
    LibraryArtwork::cover(pen, Color::hsb(hue, 0.55, 0.62), title, "");
    if (!forSale) return;
    c.setFillColor(Color::hsb(0.12, 0.8, 0.95));
    c.beginPath();
    c.moveTo(w - 34, h - 30);
    c.lineTo(w - 14, h - 30);
    c.lineTo(w - 6, h - 22);
    c.lineTo(w - 14, h - 14);
    c.lineTo(w - 34, h - 14);
    c.closePath();
    c.fillPath();
    c.setFillColor(kInk);
    pen.drawInkCentred(kBold, "$", w - 22, h - 22);
}

// The cloud key: three words of different sizes, as bars.
void cloudKey(gfx::Context& c) {
    ArtworkPen pen(c);
    c.setFillColor(kWhite);
    pen.fillRoundedRect({3, 5, 12, 4}, 2);
    pen.fillRoundedRect({9, 11, 13, 6}, 3);
    pen.fillRoundedRect({2, 19, 9, 3}, 1.5);
    pen.fillRoundedRect({13, 19, 7, 3}, 1.5);
}

}  // namespace

void StoreArtwork::addTo(ArtworkRegistry& registry) {
    ribbon(registry, "Store_new", 36, Color::hsb(0.0, 0.8, 0.85), "NEW");
    ribbon(registry, "Store_update", 58, Color::hsb(0.58, 0.75, 0.8), "UPDATE");
    registry.add("info", 25, 25, info);
    registry.add("tb_cloud", 24, 24, cloudKey);
    struct Icon {
        const char* stem;
        double hue;
        const char* title;
    };
    for (const Icon& icon :
         {Icon{"MORVA_CR_6", 0.95, "Critical Reasoning"}, Icon{"IB_example", 0.55, "Try-it"}})
        for (bool forSale : {true, false})
            registry.add(std::string("Store_") + icon.stem + (forSale ? "_a" : "_b"),
                         LibraryArtwork::kCoverWidth, LibraryArtwork::kCoverHeight,
                         [icon, forSale](gfx::Context& c) {
                             ArtworkPen pen(c);
                             storeIcon(pen, icon.hue, icon.title, forSale);
                         });
}

#include "tools/artwork/ForumNewsArtwork.h"

#include <cmath>
#include <numbers>
#include <string>

#include "platform/graphics/Context.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "tools/artwork/ArtworkPen.h"
#include "tools/artwork/ArtworkRegistry.h"

namespace {

using ui::Color;
using ui::Font;
using Self = ForumNewsArtwork;

constexpr double kPi = std::numbers::pi;
const Color kWhite = Color::whiteColor();
const Color kLime = Color::rgb(0.27, 0.51, 0.11);

// ---- Feed icons: a white pictogram on a tile of the feed's colour.

using Sign = void (*)(gfx::Context&, ArtworkPen&);

void addFeedIcon(ArtworkRegistry& registry, const std::string& name, Color color, Sign sign) {
    registry.add(name, Self::kFeedIconSide, Self::kFeedIconSide, [color, sign](gfx::Context& c) {
        ArtworkPen pen(c);
        pen.tile(Self::kFeedIconSide, color, 12);
        c.setFillColor(kWhite);
        pen.setLines(kWhite, 3);
        sign(c, pen);
    });
}

// A handset with a screen: news of the mobile program.
void handset(gfx::Context& c, ArtworkPen& pen) {
    pen.fillRoundedRect({20, 10, 20, 40}, 4);
    c.setFillColor(Color::rgb(0.2, 0.35, 0.6));
    c.fillRect(23, 15, 14, 26);
    c.setFillColor(kWhite);
    pen.disc(30, 45.5, 2);
}

// An open book.
void book(gfx::Context& c, ArtworkPen& pen) {
    pen.setLines(kWhite, 2.5);
    c.beginPath();
    c.moveTo(30, 18);
    c.curveTo(24, 14, 16, 14, 11, 16);
    c.lineTo(11, 44);
    c.curveTo(16, 42, 24, 42, 30, 46);
    c.curveTo(36, 42, 44, 42, 49, 44);
    c.lineTo(49, 16);
    c.curveTo(44, 14, 36, 14, 30, 18);
    c.closePath();
    c.strokePath();
    pen.line(30, 18, 30, 46);
    pen.setLines(kWhite, 1.5);
    for (double y : {24.0, 30.0, 36.0}) {
        pen.line(15, y, 26, y + 1);
        pen.line(34, y + 1, 45, y);
    }
}

// A light bulb.
void bulb(gfx::Context& c, ArtworkPen& pen) {
    pen.disc(30, 26, 12);
    c.fillRect(24.5, 34, 11, 6);
    pen.setLines(kWhite, 2.5);
    pen.line(25, 43.5, 35, 43.5);
    pen.line(26.5, 48, 33.5, 48);
}

// A graduation cap.
void cap(gfx::Context& c, ArtworkPen& pen) {
    c.beginPath();
    c.moveTo(8, 26);
    c.lineTo(30, 16);
    c.lineTo(52, 26);
    c.lineTo(30, 36);
    c.closePath();
    c.fillPath();
    c.beginPath();
    c.moveTo(18, 31);
    c.lineTo(18, 40);
    c.curveTo(24, 46, 36, 46, 42, 40);
    c.lineTo(42, 31);
    c.lineTo(30, 37);
    c.closePath();
    c.fillPath();
    pen.setLines(kWhite, 2);
    pen.line(48, 28, 48, 40);
    pen.disc(48, 42, 2.5);
}

// A speech bubble with three dots: short messages.
void bubble(gfx::Context& c, ArtworkPen& pen) {
    pen.fillRoundedRect({10, 14, 40, 26}, 9);
    c.beginPath();
    c.moveTo(18, 38);
    c.lineTo(14, 48);
    c.lineTo(27, 39);
    c.closePath();
    c.fillPath();
    c.setFillColor(Color::rgb(0.85, 0.45, 0.15));
    for (double x : {21.0, 30.0, 39.0}) pen.disc(x, 27, 2.6);
}

// A magnifying glass.
void magnifier(gfx::Context&, ArtworkPen& pen) {
    pen.setLines(kWhite, 4);
    pen.ring(26, 26, 11);
    pen.setLines(kWhite, 6);
    pen.line(34.5, 34.5, 45, 45);
}

// A question mark in a circle: questions of the day.
void question(gfx::Context& c, ArtworkPen& pen) {
    pen.setLines(kWhite, 3);
    pen.ring(30, 30, 17);
    c.setFillColor(kWhite);
    pen.drawInkCentred(Font::boldSystem(24), "?", 30, 30);
}

// Two overlapping speech bubbles: the forum.
void forum(gfx::Context& c, ArtworkPen& pen) {
    pen.fillRoundedRect({9, 12, 30, 20}, 7);
    c.beginPath();
    c.moveTo(15, 30);
    c.lineTo(12, 38);
    c.lineTo(22, 31);
    c.closePath();
    c.fillPath();
    c.setFillColor(Color::white(1, 0.75));
    pen.fillRoundedRect({22, 26, 30, 20}, 7);
    c.beginPath();
    c.moveTo(45, 44);
    c.lineTo(48, 51);
    c.lineTo(39, 45);
    c.closePath();
    c.fillPath();
}

// The feed waves: a dot and two quarter rings.
void waves(gfx::Context& c, ArtworkPen& pen) {
    pen.disc(18, 42, 4.5);
    pen.setLines(kWhite, 5);
    c.setLineCap(gfx::LineCap::Butt);
    for (double r : {14.0, 25.0}) {
        c.beginPath();
        c.addArc(16, 44, r, -kPi / 2, 0, false);
        c.strokePath();
    }
}

// ---- Feed kinds: small round badges.

void addKind(ArtworkRegistry& registry, const std::string& name, Color color, Sign sign) {
    registry.add(name, Self::kKindSide, Self::kKindSide, [color, sign](gfx::Context& c) {
        ArtworkPen pen(c);
        c.setFillColor(kWhite);
        pen.disc(11, 11, 11);
        c.setFillColor(color);
        pen.disc(11, 11, 9.5);
        c.setFillColor(kWhite);
        pen.setLines(kWhite, 1.8);
        sign(c, pen);
    });
}

void kindWaves(gfx::Context& c, ArtworkPen& pen) {
    pen.disc(7.5, 14.5, 1.8);
    c.setLineCap(gfx::LineCap::Butt);
    for (double r : {5.0, 9.0}) {
        c.beginPath();
        c.addArc(7, 15, r, -kPi / 2, 0, false);
        c.strokePath();
    }
}

void kindPen(gfx::Context& c, ArtworkPen& pen) {
    c.setLineWidth(3);
    pen.line(7, 15, 14.5, 7.5);
    c.setLineWidth(1.2);
    pen.line(6, 16, 7.5, 14.5);
}

void kindBubble(gfx::Context& c, ArtworkPen& pen) {
    pen.fillRoundedRect({5, 6, 12, 8}, 3);
    c.beginPath();
    c.moveTo(8, 13);
    c.lineTo(7, 17);
    c.lineTo(11, 13.5);
    c.closePath();
    c.fillPath();
}

// ---- Toolbar keys: white strokes on the bar.

using Key = void (*)(gfx::Context&, ArtworkPen&);

void addKey(ArtworkRegistry& registry, const std::string& name, Key draw) {
    registry.add(name, Self::kKeySide, Self::kKeySide, [draw](gfx::Context& c) {
        ArtworkPen pen(c);
        c.setFillColor(kWhite);
        pen.setLines(kWhite, 2);
        draw(c, pen);
    });
}

void chevron(ArtworkPen& pen, double direction) {
    double tip = 12 - 5 * direction, back = 12 + 4 * direction;
    pen.setLines(kWhite, 2.6);
    pen.line(back, 5, tip, 12);
    pen.line(tip, 12, back, 19);
}

void keyBack(gfx::Context&, ArtworkPen& pen) { chevron(pen, 1); }
void keyForward(gfx::Context&, ArtworkPen& pen) { chevron(pen, -1); }

// A tray with an arrow leaving it: actions on the page.
void keyAction(gfx::Context& c, ArtworkPen& pen) {
    c.beginPath();
    c.moveTo(8, 10);
    c.lineTo(4, 10);
    c.lineTo(4, 21);
    c.lineTo(20, 21);
    c.lineTo(20, 10);
    c.lineTo(16, 10);
    c.strokePath();
    pen.line(12, 15, 12, 3);
    pen.line(12, 3, 8, 7);
    pen.line(12, 3, 16, 7);
}

// An open book with a ribbon: the bookmark list.
void keyBookmarks(gfx::Context& c, ArtworkPen& pen) {
    pen.strokeRoundedRect({4, 4, 16, 17}, 2);
    c.beginPath();
    c.moveTo(13, 4);
    c.lineTo(18, 4);
    c.lineTo(18, 12);
    c.lineTo(15.5, 10);
    c.lineTo(13, 12);
    c.closePath();
    c.fillPath();
}

// Two chevrons to the left with a bar: the topic before.
void keyPreviousTopic(gfx::Context&, ArtworkPen& pen) {
    pen.line(4, 5, 4, 19);
    pen.setLines(kWhite, 2.4);
    for (double x : {8.0, 14.0}) {
        pen.line(x + 6, 5, x, 12);
        pen.line(x, 12, x + 6, 19);
    }
}

// A stopwatch.
void keyStopwatch(gfx::Context& c, ArtworkPen& pen) {
    pen.ring(12, 13.5, 8);
    pen.line(12, 13.5, 12, 8.5);
    pen.line(12, 13.5, 15.5, 15);
    c.fillRect(10, 2, 4, 2.5);
    pen.line(18.5, 6, 20, 4.5);
}

// A compass: the page in the system's browser.
void keySafari(gfx::Context& c, ArtworkPen& pen) {
    pen.ring(12, 12, 9);
    c.beginPath();
    c.moveTo(16.5, 7.5);
    c.lineTo(13.5, 13.5);
    c.lineTo(7.5, 16.5);
    c.lineTo(10.5, 10.5);
    c.closePath();
    c.fillPath();
}

// A list with a pencil: editing the feed list.
void keyEditTable(gfx::Context&, ArtworkPen& pen) {
    for (double y : {6.0, 11.0, 16.0}) pen.line(3, y, y == 16 ? 9 : 13, y);
    pen.setLines(kWhite, 3);
    pen.line(12, 19, 20, 11);
    pen.setLines(kWhite, 1.5);
    pen.line(10.5, 21, 11.5, 19.5);
}

// ---- The stopwatch's keys: a round dark key with a glyph.

void addTimerKey(ArtworkRegistry& registry, const std::string& name, Color color, Key glyph) {
    registry.add(name, Self::kTimerKeySide, Self::kTimerKeySide, [color, glyph](gfx::Context& c) {
        ArtworkPen pen(c);
        c.setFillColor(Color::white(1, 0.9));
        pen.disc(16, 16, 15.5);
        c.setFillColor(color);
        pen.disc(16, 16, 13.5);
        c.setFillColor(kWhite);
        pen.setLines(kWhite, 2.5);
        glyph(c, pen);
    });
}

void timerStart(gfx::Context& c, ArtworkPen&) {
    c.beginPath();
    c.moveTo(12.5, 9);
    c.lineTo(23, 16);
    c.lineTo(12.5, 23);
    c.closePath();
    c.fillPath();
}

void timerStop(gfx::Context&, ArtworkPen& pen) { pen.fillRoundedRect({10.5, 10.5, 11, 11}, 2); }

void timerReset(gfx::Context& c, ArtworkPen& pen) {
    c.beginPath();
    c.addArc(16, 16.5, 6.5, -kPi * 0.3, kPi * 1.35, false);
    c.strokePath();
    const double a = -kPi * 0.3;
    const double x = 16 + 6.5 * std::cos(a), y = 16.5 + 6.5 * std::sin(a);
    c.beginPath();
    c.moveTo(x + 3.5, y - 0.5);
    c.lineTo(x - 1.5, y - 4);
    c.lineTo(x - 0.5, y + 3);
    c.closePath();
    c.fillPath();
    (void)pen;
}

// ---- Backgrounds

// The item page's header: a light band for the title over a lime strip for the date.
void itemHeader(gfx::Context& c, double width) {
    c.drawLinearGradient({{0, 0.97, 0.98, 0.95, 1}, {1, 0.88, 0.92, 0.84, 1}}, 0, 0, 0, 100);
    c.setFillColor(Color::rgb(0.78, 0.85, 0.72));
    c.fillRect(0, 99, width, 1);
    c.save();
    c.beginPath();
    c.addRect(0, 100, width, 20);
    c.clip();
    c.drawLinearGradient({{0, 0.36, 0.6, 0.2, 1}, {1, 0.25, 0.47, 0.1, 1}}, 0, 100, 0, 120);
    c.restore();
}

void toolbarBackground(gfx::Context& c) {
    c.drawLinearGradient({{0, 0.42, 0.63, 0.27, 1}, {0.5, 0.31, 0.54, 0.15, 1}, {1, 0.24, 0.45, 0.09, 1}}, 0,
                         0, 0, Self::kBarHeight);
    c.setFillColor(Color::rgb(0.18, 0.33, 0.07));
    c.fillRect(0, 0, Self::kBarWidth, 1);
}

void timerBackground(gfx::Context& c) {
    ArtworkPen pen(c);
    c.setFillColor(Color::rgb(0.1, 0.13, 0.17, 0.88));
    pen.fillRoundedRect({0.5, 0.5, Self::kTimerWidth - 1, Self::kTimerHeight - 1}, 12);
    pen.setLines(Color::white(1, 0.35), 1);
    pen.strokeRoundedRect({1, 1, Self::kTimerWidth - 2, Self::kTimerHeight - 2}, 11.5);
}

}  // namespace

void ForumNewsArtwork::addTo(ArtworkRegistry& registry) {
    addFeedIcon(registry, "News_vessark_mobile", Color::rgb(0.2, 0.45, 0.7), handset);
    addFeedIcon(registry, "News_Kaplan", Color::rgb(0.6, 0.2, 0.25), book);
    addFeedIcon(registry, "News_Knewton", Color::rgb(0.35, 0.5, 0.2), bulb);
    addFeedIcon(registry, "News_ManhattanORVA", Color::rgb(0.2, 0.55, 0.5), cap);
    addFeedIcon(registry, "News_PrincetonReview", Color::rgb(0.8, 0.45, 0.15), bubble);
    addFeedIcon(registry, "News_ManhattanReview", Color::rgb(0.55, 0.3, 0.6), magnifier);
    addFeedIcon(registry, "News_vessark_questions", Color::rgb(0.27, 0.51, 0.11), question);
    addFeedIcon(registry, "News_vessark_forum", Color::rgb(0.3, 0.35, 0.45), forum);
    addFeedIcon(registry, "News_rss", Color::rgb(0.9, 0.5, 0.1), waves);

    addKind(registry, "news_rsstype_rss", Color::rgb(0.9, 0.5, 0.1), kindWaves);
    addKind(registry, "news_rsstype_blog", Color::rgb(0.2, 0.45, 0.7), kindPen);
    addKind(registry, "news_rsstype_twitter", Color::rgb(0.25, 0.65, 0.85), kindBubble);

    registry.add("news_feed_unread", kBadgeWidth, kBadgeHeight, [](gfx::Context& c) {
        ArtworkPen pen(c);
        c.setFillColor(kWhite);
        pen.fillRoundedRect({0, 0, kBadgeWidth, kBadgeHeight}, kBadgeHeight / 2);
        c.setFillColor(Color::rgb(0.85, 0.2, 0.15));
        pen.fillRoundedRect({1.5, 1.5, kBadgeWidth - 3, kBadgeHeight - 3}, (kBadgeHeight - 3) / 2);
    });
    registry.add("news_item_unread", kItemMarkSide, kItemMarkSide, [](gfx::Context& c) {
        ArtworkPen pen(c);
        c.setFillColor(Color::rgb(0.2, 0.5, 0.85));
        pen.disc(6, 6, 5.5);
    });
    for (int width : {320, 768, 1024})
        registry.add("news_item_background-" + std::to_string(width), width, kHeaderHeight,
                     [width](gfx::Context& c) { itemHeader(c, width); });

    addKey(registry, "tb_back", keyBack);
    addKey(registry, "tb_forward", keyForward);
    addKey(registry, "tb_action", keyAction);
    addKey(registry, "tb_bookmarks", keyBookmarks);
    addKey(registry, "tb_previoustopic", keyPreviousTopic);
    addKey(registry, "tb_stopwatch", keyStopwatch);
    addKey(registry, "tb_safari", keySafari);
    addKey(registry, "tb_edittable", keyEditTable);

    registry.add("Forum_toolbar_background", kBarWidth, kBarHeight, toolbarBackground);
    registry.add("Forum_timer_background", kTimerWidth, kTimerHeight, timerBackground);
    addTimerKey(registry, "Forum_timer_start", Color::rgb(0.25, 0.6, 0.2), timerStart);
    addTimerKey(registry, "Forum_timer_stop", Color::rgb(0.8, 0.2, 0.15), timerStop);
    addTimerKey(registry, "Forum_timer_reset", Color::rgb(0.35, 0.4, 0.48), timerReset);

    // A kept question: a lime tile with a tick.
    registry.add("Forum_question_included", kKeySide, kKeySide, [](gfx::Context& c) {
        ArtworkPen pen(c);
        c.setFillColor(kWhite);
        pen.fillRoundedRect({0.5, 0.5, 23, 23}, 5);
        c.setFillColor(kLime);
        pen.fillRoundedRect({2, 2, 20, 20}, 4);
        pen.setLines(kWhite, 2.6);
        pen.line(6.5, 12.5, 10.5, 16.5);
        pen.line(10.5, 16.5, 17.5, 7.5);
    });
}

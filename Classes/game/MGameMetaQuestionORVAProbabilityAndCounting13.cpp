#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting13.h"

#include <cmath>
#include <vector>

namespace {

constexpr int kCanvasWidth = 280;
constexpr int kCanvasHeight = 80;
// The towns lie on this line, from x = 25 to x = 255 in canvas points (y grows downward).
constexpr float kTownLine = 50;
constexpr float kMapLeft = 25;
constexpr float kMapWidth = 230;
// Neighbouring roads of a segment lie this far apart where they are farthest apart.
constexpr double kRoadSpacing = 13;
// A bypass rises this high above the town line.
constexpr float kBypassRise = 42;

}  // namespace

MGameMetaQuestionORVAProbabilityAndCounting13::MGameMetaQuestionORVAProbabilityAndCounting13()
    : MGameMetaQuestion(350, 770, {"Probability and Counting"}, 3.5, 12) {}

std::shared_ptr<MGameQuestion> MGameMetaQuestionORVAProbabilityAndCounting13::generateForTestType(
    int testType, int level) {
    float c = complexityForTestType(testType, level);
    int variant = variantForComplexity(c, {{0.0f, 0.2f}, {0.2f, 0.6f}, {0.4f, 1.0f}, {0.7f, 1.1f}});
    int a = randomIntBetweenMin(truncated(1.9 * c + 1), 4);
    int b = randomIntBetweenMin(2, 4);
    int d = randomIntBetweenMin(2, 4);
    // The first of the two segments that the bypass jumps over, counted from 1; 0 for none.
    int bypass = variant == 4 ? 1 : variant == 5 ? randomIntBetweenMin(1, 2) : 0;

    // A map never has a single road: one road would leave nothing to count.
    std::vector<int> roads;
    if (variant == 1)
        roads = {a == 1 ? 2 : a};
    else if (variant == 2 || variant == 4)
        roads = {a, b};
    else
        roads = {a, b, d};
    int right = 1;
    for (int k : roads) right *= k;
    if (bypass == 1) right = (a * b + 1) * (variant == 5 ? d : 1);
    if (bypass == 2) right = a * (b * d + 1);

    std::string body = stringWithFormat(
        "<style>canvas {width: %dpx; height: %dpx;}</style><script type=\"application/javascript\">"
        "window.onload = function(){\tvar canvas = document.getElementById('canvas');"
        "\tvar ctx = canvas.getContext('2d');\tif(window.devicePixelRatio == 2) {"
        "\t\tcanvas.setAttribute('width', 2*%d);\t\tcanvas.setAttribute('height', 2*%d);\t\tctx.scale(2, "
        "2);\t}"
        "\tctx.strokeStyle = '#000000';\tctx.lineWidth   = 2;\tctx.fillStyle    = '#000000';"
        "\tctx.font         = 'italic 17px Marker Felt';\tctx.textBaseline = 'bottom';",
        kCanvasWidth, kCanvasHeight, kCanvasWidth, kCanvasHeight);
    auto begin = [&] { body += "\tctx.beginPath();"; };
    auto stroke = [&] { body += "\tctx.stroke();"; };
    auto moveTo = [&](double x, double y) { body += stringWithFormat("\tctx.moveTo(%f, %f);", x, y); };
    auto lineTo = [&](double x, double y) { body += stringWithFormat("\tctx.lineTo(%f, %f);", x, y); };
    auto arc = [&](double x, double y, double radius, double from, double to, bool anticlockwise) {
        body += stringWithFormat("  ctx.arc(%f, %f, %f, %f, %f, %s);", x, y, radius, from, to,
                                 anticlockwise ? "true" : "false");
    };

    auto segments = static_cast<float>(roads.size());
    float w = kMapWidth / segments;
    float end = kMapLeft + segments * w;
    begin();
    moveTo(15, kTownLine);
    lineTo(kMapLeft, kTownLine);
    moveTo(end, kTownLine);
    lineTo(end + 10, kTownLine);
    stroke();

    for (std::size_t i = 0; i < roads.size(); ++i) {
        float x0 = kMapLeft + static_cast<float>(i) * w;
        int k = roads[i];
        for (int j = 0; j < k; ++j) {
            // The roads of a segment spread evenly above and below the town line.
            auto h = static_cast<float>((j - (k - 1) / 2.0) * kRoadSpacing);
            begin();
            if (std::fabs(h) < 1) {
                moveTo(x0, kTownLine);
                lineTo(x0 + w, kTownLine);
            } else {
                // The circle through both ends of the segment whose top (or bottom) lies |h| away.
                float radius = std::fabs((w * w / 4 + h * h) / (2 * h));
                double alpha = std::asin(static_cast<double>(w / (2 * radius)));
                float sigma = h > 0 ? 1 : -1;
                arc(x0 + w / 2, sigma * (radius - std::fabs(h)) + kTownLine, radius, alpha - sigma * M_PI / 2,
                    -alpha - sigma * M_PI / 2, true);
            }
            stroke();
        }
    }
    if (bypass) {
        // One arc over two segments, rising kBypassRise above the line.
        float radius = std::fabs((w * w + kBypassRise * kBypassRise) / (2 * kBypassRise));
        double alpha = std::asin(static_cast<double>(w / radius));
        begin();
        arc(kMapLeft + static_cast<float>(bypass) * w, radius + kTownLine - kBypassRise, radius,
            alpha - M_PI / 2, -alpha - M_PI / 2, true);
        stroke();
    }
    // The letter A at the start and C at the end.
    begin();
    moveTo(10, 43);
    lineTo(15, 28);
    lineTo(20, 43);
    moveTo(12, 36);
    lineTo(18, 36);
    stroke();
    begin();
    arc(265, 35.5, 7.5, M_PI / 2 - 0.5, 3 * M_PI / 2 + 0.5, false);
    stroke();

    bool he = randomBOOL();
    std::string name = he ? randomMaleName() : randomFemaleName();
    body += stringWithFormat(
        "\t}</script><p>If %s  needs to travel from A to C, how many different routes can %s "
        "take? (No backtracking)</p><p><canvas id=\"canvas\" width=\"%d\" height=\"%d\">"
        "</canvas>",
        name.c_str(), he ? "he" : "she", kCanvasWidth, kCanvasHeight);
    body += "</p>";
    return questionWithOptions(testType, std::move(body), generateOptionsForInt(right, 1, 2 * right + 4));
}

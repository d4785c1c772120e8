#include "Classes/flashcards/MDeckStyleSheets.h"

#include <cmath>

namespace {

std::string px(double value) { return std::to_string(static_cast<int>(value)) + "px"; }
std::string pt(int value) { return std::to_string(value) + "pt"; }

// A box of the given size whose top stands `top` below the card's: the sheets were drawn for a
// 380 px (tablet 608 px) wide page, and the card's page is wider, so the box stands in its middle.
std::string placedBox(const std::string& selector, double width, double top, double height) {
    return selector + " { position: absolute; left: 50%; margin-left: " + px(-width / 2) +
           "; top: " + px(top) + "; display: table; width: " + px(width) + "; height: " + px(height) +
           "; }\n";
}

constexpr double kBoxWidth = 380;
constexpr double kTabletBoxWidth = 608;

// The absolutely placed table that the text of a card lies in: 380 x 253 px on the phone.
std::string containerRule(bool tablet) {
    return placedBox(".container", tablet ? kTabletBoxWidth : kBoxWidth, 0, tablet ? 404 : 253);
}

std::string boxRules(bool tablet, bool centred) {
    std::string vertical = centred ? "vertical-align: middle; " : "vertical-align: top; ";
    return containerRule(tablet) + ".vcentered { display: table-cell; " + vertical +
           "padding-left: 10%; padding-right: 10%; }\n" +
           ".hcentered { text-align: " + (centred ? "center" : "left") + "; }\n";
}

std::string textRules(int size, const char* extra = "") {
    return ".normal { font-size: " + pt(size) +
           "; font-style: normal; }\n.emphasized { font-size: " + pt(size) + "; font-style: italic; }\n" +
           extra;
}

// Formula pictures drawn at a share of their nominal height (heightN), in plain, small and large text.
std::string heightRules(bool withHeight9) {
    std::string rules;
    for (int nominal = withHeight9 ? 9 : 10; nominal <= 60; ++nominal) {
        std::string name = "img.height" + std::to_string(nominal);
        rules += name + " { height: " + px(std::ceil(nominal * 0.82)) + "; }\n";
        rules += ".small " + name + " { height: " + px(std::ceil(nominal * 0.72)) + "; }\n";
        rules += ".large " + name + " { height: " + px(nominal) + "; }\n";
    }
    return rules;
}

}  // namespace

std::string MDeckStyleSheets::quant(bool tablet, bool withHeight9) {
    std::string sheet = "body { font-family: Arial, sans-serif; font-size: " + pt(tablet ? 16 : 13) +
                        "; margin: 0; }\n"
                        "h1 { font-size: " +
                        std::string(tablet ? "150%" : "140%") +
                        "; font-weight: bold; text-align: left; padding-left: 15px; }\n"
                        "p, li { text-align: justify; margin: 5px; padding-bottom: " +
                        px(tablet ? 10 : 6) +
                        "; }\n"
                        ".small { font-size: " +
                        pt(tablet ? 15 : 10) +
                        "; }\n"
                        ".small li { margin: 3px; padding-bottom: 3px; }\n"
                        ".large { font-size: " +
                        pt(tablet ? 18 : 15) +
                        "; }\n"
                        "ol.answers { list-style-type: upper-alpha; }\n"
                        ".attention { color: red; }\n"
                        ".normal { font-style: normal; font-weight: normal; }\n"
                        ".bold { font-weight: bold; }\n"
                        ".emphasized { font-style: italic; }\n"
                        ".centered { text-align: center; }\n"
                        ".left_aligned { text-align: left; }\n"
                        ".underlined { text-decoration: underline; }\n"
                        ".mathblock { display: block; width: 100%; margin: " +
                        px(tablet ? 8 : 5) +
                        " 0; }\n"
                        ".baseline { vertical-align: baseline; }\n"
                        ".middle { vertical-align: middle; }\n"
                        ".align3 { vertical-align: -3px; }\n"
                        ".align10 { vertical-align: " +
                        px(tablet ? -10 : -8) +
                        "; }\n"
                        ".align13 { vertical-align: " +
                        px(tablet ? -13 : -11) + "; }\n";
    if (!tablet) sheet += heightRules(withHeight9);
    return sheet;
}

std::string MDeckStyleSheets::centredText(bool tablet) {
    return centredBoxes(tablet) + textRules(tablet ? 16 : 14);
}

std::string MDeckStyleSheets::centredBoxes(bool tablet) { return boxRules(tablet, true); }

std::string MDeckStyleSheets::topLeftBoxes(bool tablet) { return boxRules(tablet, false); }

std::string MDeckStyleSheets::quotation(bool tablet) {
    int text = tablet ? 18 : 14;
    double width = tablet ? kTabletBoxWidth : kBoxWidth;
    return placedBox(".container1", width, 0, tablet ? 328 : 173) +
           placedBox(".container2", width, tablet ? 328 : 198, tablet ? 76 : 80) +
           ".vcentered { display: table-cell; vertical-align: middle; padding-left: 10%; padding-right: 10%; "
           "}\n"
           ".hcentered { width: 90%; margin: 0 auto; }\n"
           ".citation { font-size: " +
           pt(text) +
           "; font-style: normal; text-align: justify; }\n"
           ".author { font-family: Palatino, 'Palatino Linotype', serif; font-size: " +
           pt(text) +
           "; font-weight: bold; margin-top: 0; margin-bottom: 0; }\n"
           ".score { font-family: cursive; font-size: " +
           pt(tablet ? 16 : 12) +
           "; color: rgb(127, 127, 127); margin-top: 0; margin-bottom: 0; }\n"
           ".right { text-align: right; }\n"
           ".emphasized { font-size: " +
           pt(tablet ? 16 : 14) + "; font-style: italic; }\n";
}

std::string MDeckStyleSheets::sharedDeck(bool tablet) {
    return centredBoxes(tablet) +
           textRules(tablet ? 12 : 10, ".p { font-size: 10pt; font-style: normal; }\n");
}

#pragma once
// The style sheets of the cards, each in a phone and a tablet form. The card texts use their
// classes: the quant cards' lists and formula pictures, the centred boxes of idioms and of the
// user's and shared decks, the quotation and author boxes of the study tips.

#include <string>

class MDeckStyleSheets {
  public:
    // Body text from the top left, lists, answer choices, emphasis and the classes that align and
    // size inline formula pictures. withHeight9 leaves out the smallest picture height.
    static std::string quant(bool tablet, bool withHeight9 = true);
    // Text centred both ways in the card's box, in normal and emphasized sizes.
    static std::string centredText(bool tablet);
    // Only the box rules of centredText (container, vcentered, hcentered).
    static std::string centredBoxes(bool tablet);
    // The box of centredText with its text from the top left.
    static std::string topLeftBoxes(bool tablet);
    // The quotation above, the author and score below at the right.
    static std::string quotation(bool tablet);
    // The centred box with smaller text, for the shared decks.
    static std::string sharedDeck(bool tablet);
};

#pragma once
// The cards of the built-in quantitative deck, from the bundle's data.

class MDeck;

class MVessarkFCCards {
  public:
    // Appends the quant cards to the deck in deck order; a fault in the data is logged.
    static void fillDeck(MDeck& deck);
};

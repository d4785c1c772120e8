#include "Classes/flashcards/MDictionaryFC.h"

MDictionaryFC::MDictionaryFC()
    : MSharedDeck(kIndex, "Dictionary", "This deck is helping to memorize the words") {
    setKeywords({"dictionary", "words", "interpretation"});
}

#include "Classes/flashcards/MBooksFC.h"

MBooksFC::MBooksFC() : MSharedDeck(kIndex, "Books", "This deck is for citing selected books") {
    setKeywords({"books"});
}

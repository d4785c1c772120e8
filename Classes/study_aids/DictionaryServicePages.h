#pragma once
// The pages of the program's own dictionary service, built from dictd entries in the shapes the
// dictionary panel cuts: a definitions page whose block follows `<div id="search">` and ends before
// a "Web definitions" heading, and a translation page whose block follows a visible "Dictionary"
// heading and ends with its first ordered list. A page for a word without entries has neither
// block, so the panel shows "Not found". Every text from the dictionaries is HTML-escaped.

#include <string>
#include <string_view>
#include <vector>

class DictionaryServicePages {
  public:
    // WordNet entries (the headword's line, then senses "n 1: gloss; "example" [syn: {a}, {b}]")
    // as lists of senses grouped by part of speech.
    static std::string definitionsPage(std::string_view word, const std::vector<std::string>& entries);
    // FreeDict entries (the headword's line with its pronunciation and part of speech, then the
    // translations, numbered or not, and indented quoted examples) as one ordered list with an
    // item for each translation line.
    static std::string translationPage(std::string_view word, const std::vector<std::string>& entries);
    // A page without the block of either shape.
    static std::string notFoundPage(std::string_view word);

    // The forms to look a selected text up under, most likely first: the text without blanks and
    // punctuation around it, then (for an English inflection) its base forms.
    static std::vector<std::string> lookupForms(std::string_view text);

    // One sense of a WordNet entry.
    struct Sense {
        std::string partOfSpeech;  // "noun", "verb", "adjective", "adverb" or empty
        std::string gloss;
        std::vector<std::string> examples;  // without their quotes
        std::vector<std::string> synonyms;
    };
    static std::vector<Sense> wordNetSenses(std::string_view entry);
};

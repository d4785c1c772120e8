#pragma once
// The card texts of the three built-in decks, read from JSON files in the bundle's "flashcards"
// folder (quant.json, idioms.json, voices.json; their format is described in that folder's
// README.md), and the check of those files against what each deck must hold: its identifiers,
// its count, and the fields every card needs.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class MBuiltInDeckData {
  public:
    struct QuantCard {
        std::uint32_t id = 0;
        std::string face;  // whole HTML bodies
        std::string back;
    };
    struct Idiom {
        std::string title;
        std::optional<std::string> description;
        std::string example;
    };
    struct Voice {
        std::vector<std::string> categories;
        std::string cite;
        std::string nickName;
        int score = -1;  // -1: no score line
        std::optional<std::string> school;
    };

    // Every deck's cards as far as they are written; rows that lack what they need are left out
    // and reported in `problems` (one line each). A missing or malformed file gives no cards. An
    // idiom whose title repeats an earlier one (ignoring case and spacing) is reported but kept.
    static std::vector<QuantCard> quantCards(std::vector<std::string>* problems = nullptr);
    static std::vector<Idiom> idioms(std::vector<std::string>* problems = nullptr);
    static std::vector<Voice> voices(std::vector<std::string>* problems = nullptr);

    // The identifiers of the quant deck's cards, in deck order (103 of them, with gaps).
    static const std::vector<std::uint32_t>& quantIdentifiers();
    static constexpr std::size_t kIdiomCount = 191;
    static constexpr std::size_t kVoiceCount = 94;

    struct Report {
        std::vector<std::string> problems;    // faults in the files: a deck is wrong
        std::vector<std::string> incomplete;  // decks with fewer cards than they will hold
    };
    // Reads the three files and checks them.
    static Report validate();
};

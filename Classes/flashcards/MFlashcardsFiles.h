#pragma once
// The files the flashcards read: card pictures in the documents folder and the built-in decks'
// data in the bundle.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

class MFlashcardsFiles {
  public:
    // The whole file; nothing when it cannot be read.
    static std::optional<std::string> read(const std::filesystem::path& path);
    // "FlashcardsImage_<deck>_<card>.jpg".
    static std::string imageFileName(std::uint32_t deckId, std::uint32_t cardId);
};

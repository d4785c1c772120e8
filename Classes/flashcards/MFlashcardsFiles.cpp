#include "Classes/flashcards/MFlashcardsFiles.h"

#include <fstream>
#include <iterator>

std::optional<std::string> MFlashcardsFiles::read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::string MFlashcardsFiles::imageFileName(std::uint32_t deckId, std::uint32_t cardId) {
    return "FlashcardsImage_" + std::to_string(deckId) + "_" + std::to_string(cardId) + ".jpg";
}

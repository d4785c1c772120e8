#pragma once
// Reading a generated question's text in the maths game's checks: its numbers, and the text between
// two marks.

#include <cctype>
#include <string>
#include <vector>

namespace game_test {

using Numbers = std::vector<long long>;

// The digit runs of a text, in order.
inline Numbers numbersIn(const std::string& text) {
    Numbers numbers;
    for (std::size_t i = 0; i < text.size();) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        long long n = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            n = n * 10 + (text[i++] - '0');
        numbers.push_back(n);
    }
    return numbers;
}

inline std::string between(const std::string& text, const std::string& from, const std::string& to) {
    std::size_t start = text.find(from);
    if (start == std::string::npos) return {};
    start += from.size();
    std::size_t end = text.find(to, start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace game_test

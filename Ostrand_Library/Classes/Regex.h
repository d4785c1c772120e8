#pragma once
// Regular expressions on UTF-8 text, in ICU's pattern syntax (look-behind and look-ahead, inline
// flags such as (?i) and (?s), \A \z \Z, lazy quantifiers; "$1" in replacement text).
//
// Compiled patterns are kept in a cache shared by all threads. A pattern that does not compile, or a
// match that runs into the engine's stack or time limit, is logged and answered as "no match": the
// finders find nothing, the replacers leave the text as it is, split gives the whole text.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrand {

enum class RegexOptions : std::uint32_t {
    None = 0,
    CaseInsensitive = 1u << 0,
    // White space and #-comments in the pattern are ignored.
    Comments = 1u << 1,
    // "." matches line ends too.
    DotAll = 1u << 2,
    // "^" and "$" match at every line.
    MultiLine = 1u << 3,
    // \b follows Unicode word boundaries instead of the simple \w/\W rule.
    UnicodeWordBoundaries = 1u << 4,
};

constexpr RegexOptions operator|(RegexOptions a, RegexOptions b) {
    return static_cast<RegexOptions>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}

class Regex {
  public:
    using Groups = std::vector<std::string>;

    // The first whole match; nothing when the pattern does not match.
    static std::optional<std::string> firstMatch(std::string_view text, std::string_view pattern,
                                                 RegexOptions options = RegexOptions::None);
    // Every whole match, in order.
    static std::vector<std::string> allMatches(std::string_view text, std::string_view pattern,
                                               RegexOptions options = RegexOptions::None);
    // Whether the pattern matches anywhere in the text (anchor with \A or ^ to test a prefix).
    static bool isMatched(std::string_view text, std::string_view pattern,
                          RegexOptions options = RegexOptions::None);
    // The first match as [whole match, group 1, group 2, ...]; a group that took no part is "".
    // Empty when the pattern does not match.
    static Groups firstMatchGroups(std::string_view text, std::string_view pattern,
                                   RegexOptions options = RegexOptions::None);
    // Every match as [whole match, group 1, ...], in order.
    static std::vector<Groups> allMatchGroups(std::string_view text, std::string_view pattern,
                                              RegexOptions options = RegexOptions::None);

    // A copy of the text with every match replaced; "$n" in the replacement is group n, "\$" a dollar.
    static std::string replaceAll(std::string_view text, std::string_view pattern,
                                  std::string_view replacement, RegexOptions options = RegexOptions::None);
    // Replaces every match in the text itself; answers the number of replacements made.
    static int replaceAllInPlace(std::string& text, std::string_view pattern, std::string_view replacement,
                                 RegexOptions options = RegexOptions::None);

    // The pieces between the matches, as ICU splits: a leading or trailing match gives an empty
    // first or last piece, the text of capture groups in the pattern is put between the pieces, and
    // an empty text gives no piece at all.
    static std::vector<std::string> split(std::string_view text, std::string_view pattern,
                                          RegexOptions options = RegexOptions::None);

    // The engine's limits for one search. The stack limit is in bytes of backtracking state (a run
    // of "(.|\n)*" takes about 40 bytes a character); the time limit in the engine's steps, each
    // some tenths of a millisecond on this hardware. Zero means no limit.
    struct Limits {
        std::int32_t stackBytes;
        std::int32_t timeSteps;
    };
    static constexpr Limits kDefaultLimits{128 * 1024 * 1024, 20000};
    static Limits limits();
    static void setLimits(Limits limits);

    // The number of compiled patterns (and failed ones) the cache holds; it keeps the most recently
    // used up to kCacheCapacity.
    static constexpr std::size_t kCacheCapacity = 512;
    static std::size_t cachedPatternCount();
    static void clearCache();
};

}  // namespace ostrand

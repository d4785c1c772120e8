#include "Ostrand_Library/Classes/Regex.h"

#include <unicode/parseerr.h>
#include <unicode/regex.h>
#include <unicode/unistr.h>

#include <atomic>
#include <list>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/foundation/Log.h"

namespace ostrand {

namespace {

using CompiledPattern = std::shared_ptr<const icu::RegexPattern>;

std::uint32_t icuFlags(RegexOptions options) {
    auto has = [options](RegexOptions o) {
        return (static_cast<std::uint32_t>(options) & static_cast<std::uint32_t>(o)) != 0;
    };
    std::uint32_t flags = 0;
    if (has(RegexOptions::CaseInsensitive)) flags |= UREGEX_CASE_INSENSITIVE;
    if (has(RegexOptions::Comments)) flags |= UREGEX_COMMENTS;
    if (has(RegexOptions::DotAll)) flags |= UREGEX_DOTALL;
    if (has(RegexOptions::MultiLine)) flags |= UREGEX_MULTILINE;
    if (has(RegexOptions::UnicodeWordBoundaries)) flags |= UREGEX_UWORD;
    return flags;
}

// Long patterns are cut in log lines; the start is enough to find the caller.
std::string_view shown(std::string_view pattern) { return pattern.substr(0, 160); }

// Compiled patterns by options and text, most recently used first. A pattern that failed to compile
// is kept as null, so its failure is logged once rather than at every use.
class PatternCache {
  public:
    CompiledPattern get(std::string_view pattern, RegexOptions options) {
        std::string key(4 + pattern.size(), '\0');
        auto bits = static_cast<std::uint32_t>(options);
        for (int i = 0; i < 4; ++i) key[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
        key.replace(4, pattern.size(), pattern);
        {
            std::lock_guard lock(mutex_);
            if (auto it = index_.find(key); it != index_.end()) {
                order_.splice(order_.begin(), order_, it->second);
                return it->second->pattern;
            }
        }
        // Compiled outside the lock: other threads keep matching meanwhile. Two threads that compile
        // the same new pattern at once both store it; the second simply replaces the first.
        CompiledPattern compiled = compile(pattern, options);
        std::lock_guard lock(mutex_);
        if (auto it = index_.find(key); it != index_.end()) {
            order_.splice(order_.begin(), order_, it->second);
            return it->second->pattern;
        }
        order_.push_front(Entry{key, compiled});
        index_.emplace(std::move(key), order_.begin());
        while (order_.size() > Regex::kCacheCapacity) {
            index_.erase(order_.back().key);
            order_.pop_back();
        }
        return compiled;
    }

    std::size_t size() {
        std::lock_guard lock(mutex_);
        return order_.size();
    }

    void clear() {
        std::lock_guard lock(mutex_);
        index_.clear();
        order_.clear();
    }

  private:
    static CompiledPattern compile(std::string_view pattern, RegexOptions options) {
        UErrorCode status = U_ZERO_ERROR;
        UParseError where{};
        auto source = icu::UnicodeString::fromUTF8(icu::StringPiece(pattern.data(), pattern.size()));
        std::unique_ptr<icu::RegexPattern> compiled(
            icu::RegexPattern::compile(source, icuFlags(options), where, status));
        if (U_FAILURE(status) || !compiled) {
            fnd::Log::warning("regular expression \"", shown(pattern), "\" does not compile (",
                              u_errorName(status), " at line ", where.line, ", offset ", where.offset, ")");
            return nullptr;
        }
        return CompiledPattern(std::move(compiled));
    }

    struct Entry {
        std::string key;
        CompiledPattern pattern;
    };
    std::mutex mutex_;
    std::list<Entry> order_;
    std::unordered_map<std::string, std::list<Entry>::iterator> index_;
};

PatternCache& cache() {
    static PatternCache instance;
    return instance;
}

std::atomic<std::int32_t> stackLimit{Regex::kDefaultLimits.stackBytes};
std::atomic<std::int32_t> timeLimit{Regex::kDefaultLimits.timeSteps};

std::string toUtf8(const icu::UnicodeString& s) {
    std::string out;
    s.toUTF8String(out);
    return out;
}

// One pattern applied to one text. The matcher refers to the converted text, which therefore
// lives here beside it.
class Search {
  public:
    Search(std::string_view text, std::string_view pattern, RegexOptions options)
        : pattern_(pattern),
          input_(icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), text.size()))),
          compiled_(cache().get(pattern, options)) {
        if (!compiled_) return;
        UErrorCode status = U_ZERO_ERROR;
        matcher_.reset(compiled_->matcher(input_, status));
        if (U_SUCCESS(status) && matcher_) {
            matcher_->setStackLimit(stackLimit.load(), status);
            matcher_->setTimeLimit(timeLimit.load(), status);
        }
        if (U_FAILURE(status) || !matcher_) fail(status);
    }

    bool usable() const { return matcher_ && !failed_; }
    bool failed() const { return failed_; }
    icu::RegexMatcher& matcher() { return *matcher_; }
    const icu::UnicodeString& input() const { return input_; }

    // The next match; false at the end of the text or when the engine gave up.
    bool next() {
        if (!usable()) return false;
        UErrorCode status = U_ZERO_ERROR;
        bool found = matcher_->find(status);
        if (U_FAILURE(status)) return fail(status);
        return found;
    }

    std::string group(int32_t n) {
        UErrorCode status = U_ZERO_ERROR;
        icu::UnicodeString g = matcher_->group(n, status);
        return U_SUCCESS(status) ? toUtf8(g) : std::string();
    }

    Regex::Groups groups() {
        Regex::Groups out;
        int32_t count = matcher_->groupCount();
        out.reserve(static_cast<std::size_t>(count) + 1);
        for (int32_t i = 0; i <= count; ++i) out.push_back(group(i));
        return out;
    }

    // Logs the engine's failure and marks the search as finding nothing; always false.
    bool fail(UErrorCode status) {
        failed_ = true;
        fnd::Log::warning("regular expression \"", shown(pattern_), "\" gave up on a text of ",
                          input_.length(), " characters (", u_errorName(status), "); taken as no match");
        return false;
    }

  private:
    std::string_view pattern_;
    icu::UnicodeString input_;
    CompiledPattern compiled_;
    std::unique_ptr<icu::RegexMatcher> matcher_;
    bool failed_ = false;
};

// The text with every match replaced, and the number of replacements; nothing when the search
// failed, so the caller keeps its text.
std::optional<std::pair<std::string, int>> replaced(std::string_view text, std::string_view pattern,
                                                    std::string_view replacement, RegexOptions options) {
    Search search(text, pattern, options);
    if (!search.usable()) return std::nullopt;
    auto with = icu::UnicodeString::fromUTF8(icu::StringPiece(replacement.data(), replacement.size()));
    icu::UnicodeString out;
    int count = 0;
    while (search.next()) {
        UErrorCode status = U_ZERO_ERROR;
        search.matcher().appendReplacement(out, with, status);
        if (U_FAILURE(status)) {
            fnd::Log::warning("replacement \"", shown(replacement), "\" of regular expression \"",
                              shown(pattern), "\" is not valid (", u_errorName(status), ")");
            return std::nullopt;
        }
        ++count;
    }
    if (search.failed()) return std::nullopt;
    if (count == 0) return std::make_pair(std::string(text), 0);
    search.matcher().appendTail(out);
    return std::make_pair(toUtf8(out), count);
}

}  // namespace

std::optional<std::string> Regex::firstMatch(std::string_view text, std::string_view pattern,
                                             RegexOptions options) {
    Search search(text, pattern, options);
    if (!search.next()) return std::nullopt;
    return search.group(0);
}

std::vector<std::string> Regex::allMatches(std::string_view text, std::string_view pattern,
                                           RegexOptions options) {
    Search search(text, pattern, options);
    std::vector<std::string> out;
    while (search.next()) out.push_back(search.group(0));
    if (search.failed()) return {};
    return out;
}

bool Regex::isMatched(std::string_view text, std::string_view pattern, RegexOptions options) {
    Search search(text, pattern, options);
    return search.next();
}

Regex::Groups Regex::firstMatchGroups(std::string_view text, std::string_view pattern, RegexOptions options) {
    Search search(text, pattern, options);
    if (!search.next()) return {};
    return search.groups();
}

std::vector<Regex::Groups> Regex::allMatchGroups(std::string_view text, std::string_view pattern,
                                                 RegexOptions options) {
    Search search(text, pattern, options);
    std::vector<Groups> out;
    while (search.next()) out.push_back(search.groups());
    if (search.failed()) return {};
    return out;
}

std::string Regex::replaceAll(std::string_view text, std::string_view pattern, std::string_view replacement,
                              RegexOptions options) {
    auto result = replaced(text, pattern, replacement, options);
    return result ? std::move(result->first) : std::string(text);
}

int Regex::replaceAllInPlace(std::string& text, std::string_view pattern, std::string_view replacement,
                             RegexOptions options) {
    auto result = replaced(text, pattern, replacement, options);
    if (!result || result->second == 0) return 0;
    text = std::move(result->first);
    return result->second;
}

std::vector<std::string> Regex::split(std::string_view text, std::string_view pattern, RegexOptions options) {
    // ICU's own split reads a search that gave up as the end of the delimiters and answers the
    // pieces found so far, so its rules are followed here over searches that report failure.
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    Search search(text, pattern, options);
    const icu::UnicodeString& input = search.input();
    int32_t start = 0;
    while (search.next()) {
        UErrorCode status = U_ZERO_ERROR;
        int32_t matchStart = search.matcher().start(status);
        int32_t matchEnd = search.matcher().end(status);
        pieces.push_back(toUtf8(input.tempSubStringBetween(start, matchStart)));
        start = matchEnd;
        for (int32_t g = 1; g <= search.matcher().groupCount(); ++g) pieces.push_back(search.group(g));
        if (start == input.length()) {
            // A delimiter at the very end leaves one empty field after it.
            pieces.emplace_back();
            return pieces;
        }
    }
    if (!search.usable()) return {std::string(text)};
    pieces.push_back(toUtf8(input.tempSubStringBetween(start)));
    return pieces;
}

Regex::Limits Regex::limits() { return Limits{stackLimit.load(), timeLimit.load()}; }

void Regex::setLimits(Limits limits) {
    stackLimit.store(limits.stackBytes);
    timeLimit.store(limits.timeSteps);
}

std::size_t Regex::cachedPatternCount() { return cache().size(); }

void Regex::clearCache() { cache().clear(); }

}  // namespace ostrand

#pragma once
// What the tools' text backups share: the mail that carries a backup, the form of its set or book
// headings, the form of the dates on its lines ("HH:mm:ss|MMddyyyy" in "en_US" and the device's
// time zone) and a fast reader of them, the rule by which a restored attempt is the same as one
// already recorded, and the "added/found" label of a restore.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/foundation/Date.h"
#include "platform/foundation/DateFormatter.h"

class TextBackup {
  public:
    static constexpr const char* kMailAddress = "mailto:?subject=Tovrida&body=";
    static constexpr const char* kDatePattern = "HH:mm:ss|MMddyyyy";

    // The address that opens a mail of the text. The body is escaped as a value, so that every
    // character arrives: "&", "#", "+", "=" and "?" included.
    static std::string mailURL(std::string_view body);
    // The heading between two rules: "\n\nRULE\nTITLE\nRULE\n\n".
    static std::string heading(const std::string& rule, const std::string& title);
    // The formatter of the lines' dates.
    static fnd::DateFormatter dateFormatter();
    // What a restore did: the attempts added and the well-formed lines found.
    struct Counts {
        int added = 0;
        int found = 0;
        bool operator==(const Counts&) const = default;
    };
    // "added/found".
    static std::string label(const Counts& counts);
    // Whether a restored attempt repeats a recorded one with the same answer: their times differ
    // by less than two seconds and their dates by less than a minute, each difference truncated
    // to whole seconds.
    static bool isSameAttempt(double timeGap, double dateGap);

    // Reads the lines' dates. The calendar's parse is slow, and a backup's attempts come in runs
    // within one hour, so each hour is parsed once and the minutes and seconds are added to it. An
    // hour keeps one offset from UTC, a repeated hour included (the parse takes its first pass).
    class DateReader {
      public:
        // Nothing for a text that is not a valid date of the form.
        std::optional<fnd::Date> read(std::string_view text);

      private:
        fnd::DateFormatter formatter_ = dateFormatter();
        std::unordered_map<std::string, std::optional<fnd::Date>> hours_;
    };
};

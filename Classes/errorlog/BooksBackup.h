#pragma once
// The error log's answer history as plain text and back: a readable report (each book, section and
// question with its first attempt, verdict and tags), a backup of one line per attempt, and the
// restore that appends every well-formed backup line to its question unless the same attempt is
// already there. Dates are written and read as "HH:mm:ss|MMddyyyy" in the device's time zone.
//
// A backup line: Books-OG12-PS-PS-12-01:35-C-sure-14:05:09|03152026;

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Classes/core/TextBackup.h"
#include "platform/foundation/Date.h"

class MBook;
class MHRecord;
class MQuestion;
class MSection;
namespace fnd {
class DateFormatter;
}

class BooksBackup {
  public:
    using Books = std::vector<std::shared_ptr<MBook>>;
    static constexpr const char* kBanner =
        "*** This is backup form Tovrida (Books) that can be used to restore your data in the app later "
        "***\n\n\n";
    static constexpr const char* kLinePattern =
        "Books-[^-]{2,20}-[^-]{2,20}-[^-]{2,7}-\\d{1,4}-\\d{2}:\\d{2}-[A-E]-(guess|sure)-[^-]{17}";
    static constexpr const char* kMailAddress = TextBackup::kMailAddress;

    static std::string reportText(const Books& books);
    static std::string backupText(const Books& books);
    // The address that opens a mail of the text; the body is escaped so that every character
    // arrives, "&", "#" and "+" included.
    static std::string mailURL(std::string_view text);

    // What a restore did: the attempts added and the well-formed lines read.
    using Counts = TextBackup::Counts;
    static Counts restore(const Books& books, std::string_view text);
    // "added/found".
    static std::string label(const Counts& counts);

  private:
    static std::string recordLine(const MBook& book, const MSection& section, const MQuestion& question,
                                  const MHRecord& record, const fnd::DateFormatter& formatter);
    static void restoreLine(const Books& books, const std::vector<std::string>& parts,
                            std::optional<fnd::Date> date, Counts& counts);
    static bool typeMatches(const MQuestion& question, const std::string& typeName);
    static bool isDuplicate(const MQuestion& question, const MHRecord& record);
};

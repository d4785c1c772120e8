#include "Classes/library_store/LibraryContents.h"

#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MStartItem.h"
#include "Classes/library_store/MStartSet.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Json.h"
#include "platform/foundation/Log.h"
#include "platform/ui/Image.h"

namespace {

struct GuidePage {
    const char* title;
    const char* description;
    const char* file;
};

constexpr GuidePage kGuidePages[] = {
    {"Introduction", "", "01_introduction"},
    {"The Format of the Exam", "", "02_format_of_exam"},
    {"AWA", "The Analysis of an Issue Essay Type \u2022 The Analysis of an Argument Essay Type",
     "02_01_format_of_exam"},
    {"Quantitative Section", "Problem Solving \u2022 Data Sufficiency", "02_02_format_of_exam"},
    {"Verbal Section", "Sentence Correction \u2022 Critical Reasoning", "02_03_format_of_exam"},
    {"Scoring",
     "AWA Scoring \u2022 Scoring Algorithm for the Quantitative and Verbal Sections \u2022 Debunking a Myth: "
     "The Early Questions are NOT Worth More \u2022 Why Educated Guessing is Important \u2022 Experimental "
     "Questions",
     "03_scoring"},
    {"Tested Topics", "AWA \u2022 Quantitative Section \u2022 Verbal Section",
     "04_topics_tested_on_the_orva"},
    {"Test Day", "At the Test Center \u2022 What to DO or AVOID on Test Day", "05_what_happens_on_test_day"},
    {"Admissions Process",
     "How Do Business Schools use the ORVA? \u2022 Major Components of a Business School Application "
     "\u2022 Managing Your Time During the Application Process",
     "06_admissions_process"},
    {"Types of MBA Programs", "Full-Time Programs \u2022 Part-Time Programs \u2022 Executive Programs",
     "07_types_of_mba_programs"},
    {"Visiting Schools", "", "08_visiting_schools"},
    {"Interviews", "What to Expect and How to Prepare", "09_interviews"},
    {"On Your Mark...", "Get... Set... Go!", "10_on_your_mark"},
};

// The lists' keys in the file, in the screen's order.
constexpr const char* kListKeys[] = {"videos", "applications", "orvaArticles", "mbaArticles"};

// A text field of a row; nothing when it is absent or not text.
std::optional<std::string> textField(const fnd::JsonValue& row, std::string_view key) {
    if (!row.contains(key) || !row[key].isString()) return std::nullopt;
    return row[key].asString();
}

std::shared_ptr<MResource> resourceFromRow(const fnd::JsonValue& row, const std::string& forumAddress) {
    if (!row.isMap()) return nullptr;
    auto shortName = textField(row, "shortName");
    auto longName = textField(row, "longName");
    if (!shortName || !longName) return nullptr;
    std::string link = textField(row, "link").value_or("");
    if (auto path = textField(row, "forumPath")) link = LibraryContents::forumLink(forumAddress, *path);
    std::string image = textField(row, "image").value_or("");
    return std::make_shared<MResource>(*shortName, *longName,
                                       image.empty() ? nullptr : ui::Image::named(image), link);
}

}  // namespace

std::shared_ptr<MStartSet> LibraryContents::studyGuide() {
    MStartSet::Items items;
    for (const GuidePage& page : kGuidePages)
        items.push_back(MStartItem::initItemWithImage(MStartItem::kPointerImage, std::string(page.title),
                                                      page.description, page.file));
    return std::make_shared<MStartSet>("Product_MORVA_GU.png", kGuideTitle,
                                       "Your Guide to Test Day and Beyond... Presented by Manhattan ORVA",
                                       std::move(items));
}

std::shared_ptr<MStartSet> LibraryContents::mathEntry() {
    return std::make_shared<MStartSet>(
        "Library_icon_math.png", kMathTitle,
        "Concepts, formulas and worked examples gathered by the Vessark forum's maths moderators",
        MStartSet::Items{});
}

LibraryContents::Books LibraryContents::sortedBooks(const std::vector<std::shared_ptr<MEBook>>& eBooks) {
    Books sorted;
    sorted.books.push_back(studyGuide());
    for (const auto& book : eBooks) {
        if (!book) continue;
        if (book->smartBookMode() != 0)
            sorted.smartBooks.push_back(book);
        else
            sorted.books.push_back(book);
    }
    sorted.books.push_back(mathEntry());
    return sorted;
}

std::string LibraryContents::forumLink(const std::string& forumAddress, const std::string& path) {
    if (forumAddress.empty() || path.empty()) return {};
    return forumAddress.ends_with('/') ? forumAddress + path : forumAddress + "/" + path;
}

LibraryContents::Links LibraryContents::linksFromText(std::string_view text,
                                                      const std::string& forumAddress) {
    Links links;
    auto json = fnd::Json::parse(text);
    if (!json || !json->isMap()) {
        fnd::Log::warning("library: the link rows are no JSON object; no links are listed");
        return links;
    }
    MResources* lists[] = {links.youtube.get(), links.iphone.get(), links.orva.get(), links.mba.get()};
    for (std::size_t i = 0; i < std::size(kListKeys); ++i) {
        if (!json->contains(kListKeys[i]) || !(*json)[kListKeys[i]].isArray()) continue;
        const auto& rows = (*json)[kListKeys[i]].asArray();
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (auto resource = resourceFromRow(rows[r], forumAddress))
                lists[i]->addResource(std::move(resource));
            else
                fnd::Log::warning("library: row ", r, " of the link list \"", kListKeys[i],
                                  "\" is malformed and left out");
        }
    }
    return links;
}

LibraryContents::Links LibraryContents::links() {
    fnd::Bundle bundle = fnd::Bundle::main();
    return linksFromText(bundle.textResource(kLinksFileName, "json").value_or(""),
                         bundle.infoValue(kForumAddressKey));
}

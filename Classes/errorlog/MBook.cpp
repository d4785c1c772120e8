#include "Classes/errorlog/MBook.h"

#include <array>

#include "Classes/errorlog/AnswerKeyLoader.h"
#include "Classes/errorlog/BookSkeleton.h"
#include "platform/ui/Image.h"

std::optional<std::string> MBook::nameForType(int type) {
    static const std::array<const char*, 6> names = {"PS", "DS", "SC", "CR", "RC", "RCFirst"};
    if (type < 1 || type > 6) return std::nullopt;
    return names[static_cast<std::size_t>(type - 1)];
}

void MBook::clearHistory() {
    for (const auto& section : sections_) section->clearHistory();
}

int MBook::numberOfQuestions() const {
    int count = 0;
    for (const auto& section : sections_) count += static_cast<int>(section->questions().size());
    return count;
}

int MBook::numberOfRightAnswers() const {
    int count = 0;
    for (const auto& section : sections_) count += section->numberOfRightAnswers();
    return count;
}

int MBook::numberOfWrongAnswers() const {
    int count = 0;
    for (const auto& section : sections_) count += section->numberOfWrongAnswers();
    return count;
}

std::shared_ptr<MBook> MBook::build(const BookSkeleton& skeleton) {
    auto book = std::make_shared<MBook>(skeleton.fullName, skeleton.shortName, std::nullopt, 1,
                                        skeleton.numberOfPages, ui::Image::named(skeleton.cover));
    std::vector<std::vector<BookSkeleton::Row>> rows = AnswerKeyLoader::rowsForBook(skeleton);
    for (std::size_t s = 0; s < skeleton.sections.size(); ++s) {
        const BookSkeleton::Section& form = skeleton.sections[s];
        auto section = std::make_shared<MSection>(form.fullName, form.shortName, "", form.sectionType,
                                                  form.startPage, form.endPage);
        book->addSection(section);
        for (const BookSkeleton::Row& row : rows[s])
            section->addQuestion(std::make_shared<MQuestion>(book.get(), section.get(), row.type, row.number,
                                                             row.page, row.answer, row.tags, std::nullopt,
                                                             row.pageKnown));
    }
    return book;
}

std::shared_ptr<MBook> MBook::initAsOG12() { return build(BookSkeleton::all()[0]); }
std::shared_ptr<MBook> MBook::initAsOGQuantitative2() { return build(BookSkeleton::all()[1]); }
std::shared_ptr<MBook> MBook::initAsOGVerbal2() { return build(BookSkeleton::all()[2]); }
std::shared_ptr<MBook> MBook::initAsOG11() { return build(BookSkeleton::all()[3]); }
std::shared_ptr<MBook> MBook::initAsOGQuantitative1() { return build(BookSkeleton::all()[4]); }
std::shared_ptr<MBook> MBook::initAsOGVerbal1() { return build(BookSkeleton::all()[5]); }

#include "Classes/errorlog/BookVC.h"

#include <cstdio>

#include "Classes/errorlog/BooksVC.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/SectionVC_iPad.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"

const ui::ConnectionTable& BookVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("BookVC", &SliddenViewController::classConnections())
            .outlet("shortNameLbl", &BookVC::shortNameLbl_)
            .outlet("fullNameLbl", &BookVC::fullNameLbl_)
            .outlet("bookTV", &BookVC::bookTV_)
            .action("doneClick:", &BookVC::doneClick)
            .action("clearHistory:", &BookVC::clearHistory);
    return table;
}

const ui::ConnectionTable& BookVC_iPad::classConnections() {
    static const ui::ConnectionTable table("BookVC_iPad", &BookVC::classConnections());
    return table;
}

void BookVC::init(std::shared_ptr<MBook> book) {
    initWithNibName(nibIdentifier());
    book_ = std::move(book);
    animation();
}

void BookVC::viewDidLoad() {
    setupTV();
    SliddenViewController::viewDidLoad();
}

std::string BookVC::successRate(int right, int wrong) {
    if (right + wrong < 1) return "success rate";
    char text[32];
    std::snprintf(text, sizeof text, "%1.1f %%", right * 100.0 / (right + wrong));
    return text;
}

std::string BookVC::sectionImageName(int sectionType) {
    switch (sectionType) {
        case 2:
            return "Section_Diagnostics.png";
        case 5:
            return "Section_PS.png";
        case 6:
            return "Section_DS.png";
        case 7:
            return "Section_SC.png";
        case 8:
            return "Section_CR.png";
        case 9:
            return "Section_RC.png";
        default:
            return {};
    }
}

BookVC::RowLayout BookVC::rowLayout() const {
    return {68,
            {75, 5, 165, 20},
            {230, 5, 80, 20},
            {75, 23, 240, 20},
            {255, 42, 55, 12},
            AnswerBar({75, 43, 175, 10}, false, 51, 71)};
}

BookVC::RowLayout BookVC_iPad::rowLayout() const {
    double w = BooksVC::homeWidth();
    return {88,
            {85, 15, w - 200, 20},
            {w - 103, 15, 80, 20},
            {85, 33, w - 200, 20},
            {w - 78, 53, 55, 12},
            AnswerBar({85, 53, w - 180, 10}, true, 61, 81)};
}

void BookVC::setupTV() {
    bookTV_->setAllowsSelection(true);
    bookTV_->setRowHeight(rowLayout().rowHeight);
    if (shortNameLbl_) shortNameLbl_->setText(book_->shortName());
    if (fullNameLbl_) fullNameLbl_->setText(book_->fullName());
    bookTV_->setDataSource(sharedAs<BookVC>());
    bookTV_->setDelegate(sharedAs<BookVC>());
}

int BookVC::numberOfRows(ui::TableView&, int) { return int(book_->sections().size()); }

std::shared_ptr<ui::TableViewCell> BookVC::cellForRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    RowLayout layout = rowLayout();
    auto cell = table.dequeueReusableCell(kCellIdentifier);
    if (!cell) {
        cell = BooksVC::newRowCell();
        ui::View& content = *cell->contentView();
        auto name = BooksVC::addRowLabel(content, kNameTag, layout.name, ui::Font::boldSystem(15));
        name->setAdjustsFontSizeToFitWidth(true);
        name->setMinimumFontSize(14);
        BooksVC::addRowLabel(content, kPagesTag, layout.pages, ui::Font::italicSystem(13))
            ->setTextAlignment(ui::TextAlignment::Right);
        auto count = BooksVC::addRowLabel(content, kCountTag, layout.count, ui::Font::italicSystem(14));
        count->setTextColor(ui::Color::grayColor());
        count->setAdjustsFontSizeToFitWidth(true);
        auto rate =
            BooksVC::addRowLabel(content, kSuccessRateTag, layout.successRate, ui::Font::italicSystem(12));
        rate->setTextAlignment(ui::TextAlignment::Right);
        rate->setAdjustsFontSizeToFitWidth(true);
        rate->setMinimumFontSize(8);
        layout.bar.addTo(content);
    }
    if (indexPath.row < 0 || indexPath.row >= int(book_->sections().size())) return cell;
    const MSection& section = *book_->sections()[std::size_t(indexPath.row)];
    std::string image = sectionImageName(section.sectionType());
    cell->imageView()->setImage(image.empty() ? nullptr : ui::Image::named(image));
    cell->layoutSubviews();  // the picture's place follows its size
    AnswerBar::Counts counts = AnswerBar::Counts::of(section);
    BooksVC::setRowLabel(*cell, kNameTag, section.fullName(), layout.name);
    BooksVC::setRowLabel(*cell, kPagesTag,
                         std::to_string(section.startPage()) + " - " + std::to_string(section.endPage()),
                         layout.pages);
    BooksVC::setRowLabel(*cell, kCountTag, std::to_string(counts.questions) + " questions", layout.count);
    BooksVC::setRowLabel(*cell, kSuccessRateTag, successRate(counts.right, counts.wrong), layout.successRate);
    layout.bar.show(*cell->contentView(), counts);
    BooksVC::shadeRow(*cell, indexPath.row);
    return cell;
}

std::shared_ptr<SectionVC> BookVC::makeSectionVC(const std::shared_ptr<MSection>& section) const {
    return ui::make<SectionVC>(section);
}

std::shared_ptr<SectionVC> BookVC_iPad::makeSectionVC(const std::shared_ptr<MSection>& section) const {
    return ui::make<SectionVC_iPad>(section);
}

void BookVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    if (!canOpenSubview() || indexPath.row < 0 || indexPath.row >= int(book_->sections().size())) return;
    sectionVC_ = makeSectionVC(book_->sections()[std::size_t(indexPath.row)]);
    registerMainChildDoneHandler(&BookVC::sectionNotifications, std::nullopt, sectionVC_);
}

void BookVC::sectionNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, sectionVC_)) return;
    sectionVC_.reset();
    bookTV_->reloadData();
}

void BookVC::askToClearHistory(const std::string& title, std::weak_ptr<ui::ActionSheetDelegate> delegate,
                               const std::shared_ptr<ui::View>& view) {
    auto sheet = ui::make<ui::ActionSheet>(title, std::move(delegate), std::string("Cancel"),
                                           std::string("Delete"), std::vector<std::string>{});
    sheet->setActionSheetStyle(ui::ActionSheetStyle::BlackTranslucent);
    sheet->showInView(view);
}

void BookVC::clearHistory(const Sender&) { askToClearHistory(kClearTitle, sharedAs<BookVC>(), view()); }

void BookVC::actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) {
    if (buttonIndex != sheet.destructiveButtonIndex()) return;
    book_->clearHistory();
    bookTV_->reloadData();
}

void BookVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<BookVC>());
}

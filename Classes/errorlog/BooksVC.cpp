#include "Classes/errorlog/BooksVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/errorlog/AnswersVC.h"
#include "Classes/errorlog/BookVC.h"
#include "Classes/errorlog/BooksIEVC.h"
#include "Classes/errorlog/CloudVC_iPad.h"
#include "Classes/errorlog/ExplanationVC.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/errorlog/SectionVC_iPad.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Device.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"

namespace {

const ui::Color kShadeGrey = ui::Color::hsb(0.3, 0, 0.92);

const std::vector<std::shared_ptr<MBook>>& books() {
    static const std::vector<std::shared_ptr<MBook>> none;
    auto rep = AbstractAppDelegate::sharedRep();
    return rep ? rep->books() : none;
}

}  // namespace

const ui::ConnectionTable& BooksVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("BooksVC", &ToolViewController::classConnections())
            .outlet("booksTV", &BooksVC::booksTV_)
            .action("doneClick:", &BooksVC::doneClick)
            .action("showCloud:", &BooksVC::showCloud)
            .action("showBooksIE:", &BooksVC::showBooksIE);
    return table;
}

const ui::ConnectionTable& BooksVC_iPad::classConnections() {
    static const ui::ConnectionTable table("BooksVC_iPad", &BooksVC::classConnections());
    return table;
}

std::shared_ptr<ui::Label> BooksVC::addRowLabel(ui::View& content, int tag, const ui::Rect& frame,
                                                const ui::Font& font) {
    auto label = ui::make<ui::Label>(frame);
    label->setTag(tag);
    label->setFont(font);
    label->setBackgroundColor(ui::Color::clear());
    content.addSubview(label);
    return label;
}

void BooksVC::setRowLabel(ui::View& cell, int tag, const std::string& text, const ui::Rect& frame) {
    if (auto label = std::dynamic_pointer_cast<ui::Label>(cell.viewWithTag(tag))) {
        label->setText(text);
        label->setFrame(frame);
    }
}

double BooksVC::homeWidth() {
    auto home = CommonViewController::homeView();
    return home ? double(int(home->bounds().size.width)) : 768;
}

void BooksVC::registerOwners() {
    for (const ui::ConnectionTable* table :
         {&BooksVC::classConnections(), &BooksVC_iPad::classConnections(), &BookVC::classConnections(),
          &BookVC_iPad::classConnections(), &SectionVC::classConnections(),
          &SectionVC_iPad::classConnections(), &CloudVC::classConnections(),
          &CloudVC_iPad::classConnections(), &BooksIEVC::classConnections(),
          &BooksIEVC_iPad::classConnections()})
        ui::ConnectionTable::registerOwner(*table);
    AnswersVC::registerOwners();
    ExplanationVC::registerOwners();
}

void BooksVC::init() {
    initWithNibName(nibIdentifier());
    preSetup();
    animation();
}

void BooksVC::preSetup() {
    if (auto rep = AbstractAppDelegate::sharedRep()) setRep(rep->trackerRep());
    setCanUpdateStatistics(true);
}

void BooksVC::viewDidLoad() {
    setupTV();
    ui::Application::shared().setIdleTimerDisabled(true);
    ToolViewController::viewDidLoad();
}

void BooksVC::back() {
    ui::Application::shared().setIdleTimerDisabled(false);
    ToolViewController::back();
}

BooksVC::RowLayout BooksVC::rowLayout() const {
    return {110,
            {95, 22, 215, 20},
            {95, 40, 215, 20},
            {95, 55, 215, 20},
            12,
            AnswerBar({95, 75, 215, 16}, false, 51, 71)};
}

BooksVC::RowLayout BooksVC_iPad::rowLayout() const {
    return {130,
            {105, 22, 615, 20},
            {105, 45, 615, 20},
            {105, 65, 615, 20},
            13,
            AnswerBar({105, 85, homeWidth() - 128, 16}, true, 61, 81)};
}

void BooksVC::setupTV() {
    booksTV_->setRowHeight(rowLayout().rowHeight);
    booksTV_->setDataSource(sharedAs<BooksVC>());
    booksTV_->setDelegate(sharedAs<BooksVC>());
}

int BooksVC::numberOfRows(ui::TableView&, int) { return int(books().size()); }

std::shared_ptr<ui::TableViewCell> BooksVC::newRowCell() {
    auto cell = ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Default, kCellIdentifier);
    if (!cell->subviews().empty()) cell->subviews().front()->setTag(kShadeTag);
    cell->textLabel()->setText("");
    cell->setSelectionStyle(ui::TableViewCellSelectionStyle::Gray);
    return cell;
}

void BooksVC::shadeRow(ui::TableViewCell& cell, int row) {
    // The row's background stands for the shade of its first subview (tagged kShadeTag), which
    // shows only behind a selection here.
    cell.setBackgroundColor(row % 2 == 1 ? kShadeGrey : ui::Color::whiteColor());
}

std::shared_ptr<ui::TableViewCell> BooksVC::cellForRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    RowLayout layout = rowLayout();
    auto cell = table.dequeueReusableCell(kCellIdentifier);
    if (!cell) {
        cell = newRowCell();
        ui::View& content = *cell->contentView();
        addRowLabel(content, kShortNameTag, layout.shortName, ui::Font::boldSystem(17));
        auto fullName = addRowLabel(content, kFullNameTag, layout.fullName, ui::Font::italicSystem(17));
        fullName->setAdjustsFontSizeToFitWidth(true);
        auto pages =
            addRowLabel(content, kPagesTag, layout.pages, ui::Font::italicSystem(layout.pagesFontSize));
        pages->setTextColor(ui::Color::white(0.5));
        layout.bar.addTo(content);
    }
    if (indexPath.row < 0 || indexPath.row >= int(books().size())) return cell;
    const MBook& book = *books()[std::size_t(indexPath.row)];
    cell->imageView()->setImage(book.frontPage());
    cell->layoutSubviews();  // the cover's place follows its size
    setRowLabel(*cell, kShortNameTag, book.shortName(), layout.shortName);
    setRowLabel(*cell, kFullNameTag, book.fullName(), layout.fullName);
    setRowLabel(*cell, kPagesTag, "pages: " + std::to_string(book.numberOfPages()), layout.pages);
    layout.bar.show(*cell->contentView(), AnswerBar::Counts::of(book));
    shadeRow(*cell, indexPath.row);
    return cell;
}

std::shared_ptr<BookVC> BooksVC::makeBookVC(const std::shared_ptr<MBook>& book) const {
    return ui::make<BookVC>(book);
}

std::shared_ptr<BookVC> BooksVC_iPad::makeBookVC(const std::shared_ptr<MBook>& book) const {
    return ui::make<BookVC_iPad>(book);
}

void BooksVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    if (!canOpenSubview() || indexPath.row < 0 || indexPath.row >= int(books().size())) return;
    bookVC_ = makeBookVC(books()[std::size_t(indexPath.row)]);
    registerMainChildDoneHandler(&BooksVC::bookNotifications, std::nullopt, bookVC_);
}

void BooksVC::bookNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, bookVC_)) return;
    bookVC_.reset();
    booksTV_->reloadData();
}

namespace {

bool isTablet() { return ui::Device::current().idiom() == ui::Idiom::Tablet; }

}  // namespace

void BooksVC::showCloud(const Sender&) {
    if (!canOpenSubview()) return;
    if (isTablet())
        childVC_ = ui::make<CloudVC_iPad>(books());
    else
        childVC_ = ui::make<CloudVC>(books());
    registerMainChildDoneHandler(&BooksVC::childNotifications, std::nullopt, childVC_);
}

void BooksVC::showBooksIE(const Sender&) {
    if (!canOpenSubview()) return;
    if (isTablet())
        childVC_ = ui::make<BooksIEVC_iPad>();
    else
        childVC_ = ui::make<BooksIEVC>();
    registerMainChildDoneHandler(&BooksVC::childNotifications, std::nullopt, childVC_);
}

// A restore may have added attempts: the bars are drawn again.
void BooksVC::childNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, childVC_)) return;
    childVC_.reset();
    booksTV_->reloadData();
}

void BooksVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<BooksVC>());
}

#include "Classes/practice/SetsFilterEditVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/practice/MQFilter.h"
#include "Classes/practice/MQFilterItem.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/PracticeCSAddQuestionsVC.h"
#include "Classes/practice/PracticeCSAddVC.h"
#include "Classes/practice/PracticeCSEditVC_iPad.h"
#include "Classes/practice/PracticeIEVC.h"
#include "Classes/practice/SetsFilterEditVC_iPad.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/Toolbar.h"

namespace {

constexpr const char* kReloadAction = "reloadData";
const char* const kHeaders[] = {"Sets", "History", "Types", "Tags"};
const char* const kIdentifiers[] = {"set-cell", "history-cell", "type-cell", "tags-cell"};
constexpr double kPhoneHeights[] = {95, 60, 70, 50};
constexpr double kBarHeight = 10;
constexpr double kBarY = 66;

std::shared_ptr<ui::Label> makeLabel(ui::View& parent, int tag, ui::Rect frame, const ui::Font& font,
                                     const ui::Color& colour) {
    auto label = ui::make<ui::Label>(frame);
    label->setTag(tag);
    label->setFont(font);
    label->setTextColor(colour);
    label->setBackgroundColor(ui::Color::clear());
    parent.addSubview(label);
    return label;
}

std::shared_ptr<ui::ImageView> makeImage(ui::View& parent, int tag, const char* image, ui::Point centre) {
    auto view = ui::make<ui::ImageView>(ui::Image::named(image));
    view->setTag(tag);
    view->setCenter(centre);
    parent.addSubview(view);
    return view;
}

template <class T>
std::shared_ptr<T> part(const ui::TableViewCell& cell, int tag) {
    return std::dynamic_pointer_cast<T>(const_cast<ui::TableViewCell&>(cell).viewWithTag(tag));
}

void setText(const ui::TableViewCell& cell, int tag, const std::string& text) {
    if (auto label = part<ui::Label>(cell, tag)) label->setText(text);
}

}  // namespace

const ui::ConnectionTable& SetsFilterEditVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("SetsFilterEditVC", &SliddenViewController::classConnections())
            .outlet("setsFilterEditTV", &SetsFilterEditVC::setsFilterEditTV_)
            .outlet("headerLbl", &SetsFilterEditVC::headerLbl_)
            .outlet("topTB", &SetsFilterEditVC::topTB_)
            .action("doneClick:", &SetsFilterEditVC::doneClick)
            .action("openPracticeCSAdd:", &SetsFilterEditVC::openPracticeCSAdd)
            .action("openPracticeCSEdit:", &SetsFilterEditVC::openPracticeCSEdit)
            .action("openPracticeIE:", &SetsFilterEditVC::openPracticeIE);
    return table;
}

void SetsFilterEditVC::registerOwners() {
    ui::ConnectionTable::registerOwner(classConnections());
    ui::ConnectionTable::registerOwner(SetsFilterEditVC_iPad::classConnections());
    for (const ui::ConnectionTable* table :
         {&PracticeCSAddVC::classConnections(), &PracticeCSAddVC_iPad::classConnections(),
          &PracticeCSEditVC::classConnections(), &PracticeCSEditVC_iPad::classConnections(),
          &PracticeCSAddQuestionsVC::classConnections(), &PracticeCSAddQuestionsVC_iPad::classConnections(),
          &PracticeIEVC::classConnections(), &PracticeIEVC_iPad::classConnections()})
        ui::ConnectionTable::registerOwner(*table);
}

void SetsFilterEditVC::init() {
    initWithNibName(nibIdentifier());
    if (auto rep = AbstractAppDelegate::sharedRep()) filter_ = rep->filter();
    animation();
}

void SetsFilterEditVC::viewDidLoad() {
    setupTV();
    updateHeader();
    SliddenViewController::viewDidLoad();
}

void SetsFilterEditVC::setupTV() {
    if (!setsFilterEditTV_) return;
    setsFilterEditTV_->setRowHeight(60);
    setsFilterEditTV_->setSectionHeaderHeight(30);
    setsFilterEditTV_->setDataSource(weakAs<SetsFilterEditVC>());
    setsFilterEditTV_->setDelegate(weakAs<SetsFilterEditVC>());
}

void SetsFilterEditVC::updateHeader() {
    auto rep = AbstractAppDelegate::sharedRep();
    int n = rep && rep->workQSet() ? int(rep->workQSet()->questions().size()) : 0;
    if (headerLbl_) headerLbl_->setText("Filter: " + std::to_string(n));
}

int SetsFilterEditVC::titleFontSize(int section) const { return section == 0 ? setsFontSizes_[0] : 15; }
int SetsFilterEditVC::numberFontSize(int section) const { return section == 0 ? setsFontSizes_[1] : 15; }
int SetsFilterEditVC::descriptionFontSize(int section) const { return section == 0 ? setsFontSizes_[2] : 12; }

ui::Color SetsFilterEditVC::rightLblTextColor() { return ui::Color::hsb(0.3, 0.4, 0.9); }
ui::Color SetsFilterEditVC::rightLblShadowColor() { return ui::Color::hsb(0.28, 0.7, 0.4); }
ui::Color SetsFilterEditVC::rightLblBackgroundColor() { return ui::Color::hsb(0.28, 0.7, 0.6); }

// ---- Table

std::shared_ptr<MQFilterItem> SetsFilterEditVC::itemAt(int section, int row) const {
    if (!filter_ || row < 0) return nullptr;
    const MQFilter::Items* items = section == SetsFilterRows::kHistory ? &filter_->historyArray()
                                   : section == SetsFilterRows::kTypes ? &filter_->qTypeArray()
                                   : section == SetsFilterRows::kTags  ? &filter_->tagArray()
                                                                       : nullptr;
    if (!items || row >= int(items->size())) return nullptr;
    return (*items)[std::size_t(row)];
}

int SetsFilterEditVC::numberOfRows(ui::TableView&, int section) {
    auto rep = AbstractAppDelegate::sharedRep();
    if (section == SetsFilterRows::kSets) return rep && rep->practiceRep() ? int(rep->qSets().size()) : 0;
    if (!filter_) return 0;
    if (section == SetsFilterRows::kHistory) return int(filter_->historyArray().size());
    if (section == SetsFilterRows::kTypes) return int(filter_->qTypeArray().size());
    if (section == SetsFilterRows::kTags) return int(filter_->tagArray().size());
    return 0;
}

std::string SetsFilterEditVC::titleForHeader(ui::TableView&, int section) {
    return section >= 0 && section < SetsFilterRows::kSections ? kHeaders[section] : "";
}

double SetsFilterEditVC::heightForRow(ui::TableView&, const ui::IndexPath& indexPath) {
    int s = indexPath.section;
    return s >= 0 && s < SetsFilterRows::kSections ? kPhoneHeights[s] : 60;
}

std::shared_ptr<ui::TableViewCell> SetsFilterEditVC::makeCell(int section, const std::string& identifier) {
    auto cell = ui::make<ui::TableViewCell>(ui::TableViewCellStyle::Default, identifier);
    cell->setSelectionStyle(ui::TableViewCellSelectionStyle::Gray);
    cell->textLabel()->setText("");
    ui::View& content = *cell->contentView();
    const ui::Color grey = ui::Color::white(0.5);
    using S = SetsFilterRows;
    if (section == S::kSets) {
        content.setTag(kPlainRowTag);
        makeImage(content, kSetImageTag, "Sets_hard_quant.png", setsSetIVcenter());
        makeLabel(content, kTitleTag, setsTitleFrame(), ui::Font::boldSystem(titleFontSize(0)),
                  ui::Color::blackColor());
        auto number =
            makeLabel(content, kNumberTag, setsNumberFrame(), ui::Font::boldSystem(numberFontSize(0)), grey);
        number->setTextAlignment(ui::TextAlignment::Right);
        number->setAdjustsFontSizeToFitWidth(true);
        makeLabel(content, kDescriptionTag, setsDescriptionFrame(),
                  ui::Font::italicSystem(descriptionFontSize(0)), grey)
            ->setNumberOfLines(2);
        makeImage(content, kActiveTag, "news_feed_checked.png", setsActiveIVcenter());
        auto edit = ui::make<ui::Button>(ui::ButtonType::Custom);
        edit->setFrame(setsEditFrame());
        edit->setTag(kEditTag);
        edit->setImage(ui::Image::named("Practice_set_edit.png"));
        edit->setHidden(true);
        edit->addTarget(sharedAs<SetsFilterEditVC>(), "openPracticeCSEdit:", ui::ControlEventTouchUpInside);
        content.addSubview(edit);
        return cell;
    }
    content.setTag(kPlainRowTag);
    ui::Rect title = section == S::kHistory ? historyTitleFrame()
                     : section == S::kTypes ? typesTitleFrame()
                                            : tagsTitleFrame();
    ui::Rect number = section == S::kHistory ? historyNumberFrame()
                      : section == S::kTypes ? typesNumberFrame()
                                             : tagsNumberFrame();
    ui::Point active = section == S::kHistory ? historyActiveIVcenter()
                       : section == S::kTypes ? typesActiveIVcenter()
                                              : tagsActiveIVcenter();
    makeLabel(content, kTitleTag, title, ui::Font::boldSystem(titleFontSize(section)),
              ui::Color::blackColor());
    auto count = makeLabel(content, kNumberTag, number, ui::Font::system(numberFontSize(section)), grey);
    count->setTextAlignment(ui::TextAlignment::Right);
    count->setAdjustsFontSizeToFitWidth(true);
    if (section != S::kTags)
        makeLabel(content, kDescriptionTag,
                  section == S::kHistory ? historyDescriptionFrame() : typesDescriptionFrame(),
                  ui::Font::italicSystem(descriptionFontSize(section)), grey)
            ->setNumberOfLines(2);
    makeImage(content, kActiveTag, "news_feed_checked.png", active);
    if (section == S::kTypes) makeImage(content, kSetImageTag, "Section_PS.png", typesTypeIVcenter());
    return cell;
}

void SetsFilterEditVC::addBarPart(ui::View& parent, int tag, ui::Rect frame, const ui::Color& text,
                                  const ui::Color& background) {
    auto label = makeLabel(parent, tag, frame, ui::Font::boldSystem(10), text);
    label->setTextAlignment(ui::TextAlignment::Center);
    label->setBackgroundColor(background);
}

void SetsFilterEditVC::fillBar(ui::TableViewCell& cell, const MQSet& set) {
    ui::View& content = *cell.contentView();
    if (!content.viewWithTag(kPhoneRightTag)) {
        addBarPart(content, kPhoneRightTag, {}, rightLblTextColor(), rightLblBackgroundColor());
        part<ui::Label>(cell, kPhoneRightTag)->setShadowColor(rightLblShadowColor());
        addBarPart(content, kPhoneWrongTag, {}, ui::Color::whiteColor(), ui::Color::hsb(0, 1.0, 0.88));
        addBarPart(content, kPhoneUnansweredTag, {}, ui::Color::white(0.95), ui::Color::white(0.8));
        part<ui::Label>(cell, kPhoneUnansweredTag)->setShadowColor(ui::Color::white(0.6));
    }
    SetsFilterRows::Bar bar = SetsFilterRows::bar(set, kPhoneBarWidth, SetsFilterRows::kPhoneThresholds);
    double x = setsTitleFrame().origin.x;
    auto place = [&](int tag, double left, int width, const std::string& text) {
        auto label = part<ui::Label>(cell, tag);
        label->setFrame({left, kBarY, double(width), kBarHeight});
        label->setText(text);
    };
    place(kPhoneRightTag, x, bar.right, bar.rightText);
    place(kPhoneWrongTag, x + bar.right, bar.wrong, bar.wrongText);
    place(kPhoneUnansweredTag, x + bar.right + bar.wrong, bar.unanswered, bar.unansweredText);
}

std::shared_ptr<ui::TableViewCell> SetsFilterEditVC::cellForRow(ui::TableView& table,
                                                                const ui::IndexPath& indexPath) {
    int section = std::clamp(indexPath.section, 0, SetsFilterRows::kSections - 1);
    std::string identifier = kIdentifiers[section];
    auto cell = table.dequeueReusableCell(identifier);
    if (!cell) cell = makeCell(section, identifier);
    auto rep = AbstractAppDelegate::sharedRep();
    if (section == SetsFilterRows::kSets) {
        if (rep && indexPath.row >= 0 && indexPath.row < int(rep->qSets().size()))
            fillSetRow(*cell, *rep->qSets()[std::size_t(indexPath.row)]);
    } else if (auto item = itemAt(section, indexPath.row)) {
        fillCriterionRow(*cell, section, indexPath.row, *item);
    }
    return cell;
}

void SetsFilterEditVC::fillSetRow(ui::TableViewCell& cell, const MQSet& set) {
    bool custom = isCustomSet(set.setUID());
    cell.contentView()->setTag(custom ? set.setUID() : kPlainRowTag);
    if (auto image = part<ui::ImageView>(cell, kSetImageTag))
        image->setImage(ui::Image::named(set.imageName()));
    setText(cell, kTitleTag, set.setName());
    setText(cell, kNumberTag, std::to_string(set.questions().size()));
    setText(cell, kDescriptionTag, set.description());
    if (auto active = cell.viewWithTag(kActiveTag)) active->setHidden(!set.isActive());
    if (auto edit = cell.viewWithTag(kEditTag)) edit->setHidden(!custom);
    fillBar(cell, set);
}

void SetsFilterEditVC::fillCriterionRow(ui::TableViewCell& cell, int section, int row,
                                        const MQFilterItem& item) {
    setText(cell, kTitleTag, item.itemName());
    setText(cell, kDescriptionTag, item.description().value_or(""));
    if (auto active = cell.viewWithTag(kActiveTag)) active->setHidden(!item.isActive());
    if (section == SetsFilterRows::kTypes)
        if (auto image = part<ui::ImageView>(cell, kSetImageTag))
            image->setImage(ui::Image::named("Section_" + item.itemName() + ".png"));
    auto rep = AbstractAppDelegate::sharedRep();
    int n = rep && rep->practiceRep()
                ? SetsFilterRows::count(SetsFilterRows::Section(section), row, item, rep->qSets())
                : 0;
    setText(cell, kNumberTag, SetsFilterRows::countText(n));
}

void SetsFilterEditVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    auto rep = AbstractAppDelegate::sharedRep();
    if (!rep || !rep->practiceRep()) return;
    if (indexPath.section == SetsFilterRows::kSets) {
        if (indexPath.row < 0 || indexPath.row >= int(rep->qSets().size())) return;
        auto& set = *rep->qSets()[std::size_t(indexPath.row)];
        set.setIsActive(!set.isActive());
    } else if (auto item = itemAt(indexPath.section, indexPath.row)) {
        item->setIsActive(!item->isActive());
    } else {
        return;
    }
    if (auto work = rep->workQSet(); work && filter_) {
        auto current = work->cursorQuestion();
        filter_->fillQSet(*work, rep->qSets(), current.get());
    }
    updateHeader();
    std::weak_ptr<ui::TableView> weak = setsFilterEditTV_;
    fnd::RunLoop::main().performAfterDelay(kReloadDelay, this, kReloadAction, [weak] {
        if (auto table = weak.lock()) table->reloadData();
    });
}

// ---- Children

void SetsFilterEditVC::showChild(std::shared_ptr<CommonViewController> child) {
    child_ = std::move(child);
    registerMainChildDoneHandler(&SetsFilterEditVC::childNotifications, std::nullopt, child_);
}

void SetsFilterEditVC::openPracticeCSAdd(const Sender&) {
    if (canOpenSubview()) showChild(ui::make<PracticeCSAddVC>());
}

void SetsFilterEditVC::openPracticeIE(const Sender&) {
    if (canOpenSubview()) showChild(ui::make<PracticeIEVC>());
}

void SetsFilterEditVC::openPracticeCSEdit(const Sender& sender) {
    if (auto set = customSetOf(sender); set && canOpenSubview()) showChild(ui::make<PracticeCSEditVC>(set));
}

std::shared_ptr<MQSet> SetsFilterEditVC::customSetOf(const Sender& sender) const {
    // The edit key stands in the row's content view, which is tagged with the set's identifier.
    auto key = std::dynamic_pointer_cast<ui::View>(sender);
    auto row = key ? key->superview() : nullptr;
    auto rep = AbstractAppDelegate::sharedRep();
    if (!row || !rep || !rep->practiceRep()) return nullptr;
    std::shared_ptr<MQSet> found;
    for (const auto& set : rep->customQSets())
        if (set->setUID() == row->tag()) found = set;
    return found;
}

void SetsFilterEditVC::childNotifications(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, child_)) return;
    child_.reset();
    if (setsFilterEditTV_) setsFilterEditTV_->reloadData();
}

void SetsFilterEditVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}

void SetsFilterEditVC::back() {
    if (child_) {
        fnd::NotificationCenter::defaultCenter().removeObserverForObject(notificationId(this),
                                                                         notificationId(child_.get()));
        if (mainChild() == child_) setMainChild(nullptr);
        child_->back();
        child_.reset();
    }
    fnd::RunLoop::main().cancelPerforms(this, kReloadAction);
    SliddenViewController::back();
}

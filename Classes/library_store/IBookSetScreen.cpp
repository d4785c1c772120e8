#include "Classes/library_store/IBookSetScreen.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/errorlog/BookVC.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "Classes/library_store/IBookCloudVC_iPad.h"
#include "Classes/library_store/IBookItemVC.h"
#include "Classes/library_store/IBookItemVC_iPad.h"
#include "Classes/library_store/IBookStatsView.h"
#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MIBIndex.h"
#include "Classes/library_store/MStartItem.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Make.h"

template <class Base>
std::string IBookSetScreen<Base>::nibIdentifierForSet(const MStartSet& set) const {
    auto ebook = dynamic_cast<const MEBook*>(&set);
    if (!ebook || !ebook->hasHistory()) return Base::nibIdentifierForSet(set);
    return kTablet ? this->tabletName(kNibName) : std::string(kNibName);
}

template <class Base>
void IBookSetScreen<Base>::preSetup() {
    if (auto rep = AbstractAppDelegate::sharedRep()) this->setRep(rep->trackerRep());
    Base::preSetup();
}

template <class Base>
std::shared_ptr<MEBook> IBookSetScreen<Base>::book() const {
    return std::dynamic_pointer_cast<MEBook>(this->set());
}

template <class Base>
std::shared_ptr<MIBIndex> IBookSetScreen<Base>::index() const {
    auto ebook = book();
    return ebook ? ebook->ibIndex() : nullptr;
}

template <class Base>
void IBookSetScreen<Base>::setMarkerView(ui::ImageView& marker, const MStartItem& item) {
    for (const auto& subview : std::vector<std::shared_ptr<ui::View>>(marker.subviews()))
        subview->removeFromSuperview();
    auto bookIndex = index();
    const bool listed = bookIndex && bookIndex->fileNameSectionDict() &&
                        bookIndex->fileNameSectionDict()->count(item.fileName()) > 0;
    if (!listed) {
        marker.setImage(ui::Image::named(MStartItem::kPointerImage));
        return;
    }
    marker.setImage(nullptr);
    ui::Rect frame = marker.bounds();
    marker.addSubview(ui::make<IBookStatsView>(frame, bookIndex->statsForFileName(item.fileName())));
}

template <class Base>
std::shared_ptr<StartItemVC> IBookSetScreen<Base>::makeStartItemVC(const std::shared_ptr<MStartItem>& item) {
    if constexpr (kTablet)
        return ui::make<IBookItemVC_iPad>(item, this->set());
    else
        return ui::make<IBookItemVC>(item, this->set());
}

template <class Base>
void IBookSetScreen<Base>::writeHistory() const {
    auto rep = AbstractAppDelegate::sharedRep();
    if (auto bookIndex = index(); bookIndex && rep) bookIndex->fillHistoryDictionary(rep->booksData());
}

template <class Base>
void IBookSetScreen<Base>::doneClick(const ui::ConnectionTable::Sender& sender) {
    writeHistory();
    Base::doneClick(sender);
}

template <class Base>
void IBookSetScreen<Base>::clearHistory(const ui::ConnectionTable::Sender&) {
    BookVC::askToClearHistory(kClearTitle, this->template weakAs<IBookSetScreen>(), this->view());
}

template <class Base>
void IBookSetScreen<Base>::actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) {
    if (buttonIndex != sheet.destructiveButtonIndex()) return;
    if (auto bookIndex = index()) bookIndex->deleteHistory();
    writeHistory();
    if (this->setTV()) this->setTV()->reloadData();
}

template <class Base>
void IBookSetScreen<Base>::showCloud(const ui::ConnectionTable::Sender&) {
    if (!this->canOpenSubview()) return;
    std::shared_ptr<CommonViewController> cloud;
    if constexpr (kTablet)
        cloud = ui::make<IBookCloudVC_iPad>(index());
    else
        cloud = ui::make<IBookCloudVC>(index());
    this->setIbookCloudVC(cloud);
    this->registerMainChildDoneHandler(&IBookSetScreen::cloudNotifications, std::nullopt, cloud);
}

template <class Base>
void IBookSetScreen<Base>::cloudNotifications(const fnd::Notification& notification) {
    if (this->proceedDoneNotification(&notification, this->ibookCloudVC())) this->setIbookCloudVC(nullptr);
}

template class IBookSetScreen<StartSetVC>;
template class IBookSetScreen<StartSetVC_iPad>;

#pragma once
// The contents of an interactive book, over the library's set screen of either device (Base is
// StartSetVC or StartSetVC_iPad): each page row shows a pie of its questions' last answers
// (IBookStatsView), or the pointer for a page the index does not list; the pages open in the
// interactive reader (IBookItemVC); a key opens the tag cloud of the book's concepts
// (IBookCloudVC) and another deletes the book's answers after asking. The screen keeps the error
// log's data file as its own, so that leaving it writes the answers given in the error log's
// section screen, and it writes the book's answers into the repository's history when it closes
// and right after a deletion.
//
// IBookVC and IBookVC_iPad are this screen on the phone and on the tablet.

#include <memory>
#include <string>
#include <type_traits>

#include "Classes/library_store/StartSetVC.h"
#include "Classes/library_store/StartSetVC_iPad.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/ConnectionTable.h"

class MEBook;
class MIBIndex;

template <class Base>
class IBookSetScreen : public Base, public ui::ActionSheetDelegate {
    static_assert(std::is_base_of_v<StartSetVC, Base>);

  public:
    using Base::init;
    static constexpr bool kTablet = std::is_base_of_v<StartSetVC_iPad, Base>;
    static constexpr const char* kNibName = "IBookView";
    static constexpr const char* kClearTitle =
        "You can delete the history of this book (this book only), but keep in mind that none of the "
        "records can be restored if deleted.\n\n Do you want to delete all history?";

    // "IBookView" for a book with answers, the set screen's file otherwise.
    std::string nibIdentifierForSet(const MStartSet& set) const override;
    // The error log's data file becomes the screen's own, then the rows are made.
    void preSetup() override;
    // The pie of the page's counts, or the pointer for a page without questions.
    void setMarkerView(ui::ImageView& marker, const MStartItem& item) override;
    // The book's answers into the repository's history, then "Done".
    void doneClick(const ui::ConnectionTable::Sender& sender) override;

    // Asks whether to delete the book's answers.
    void clearHistory(const ui::ConnectionTable::Sender& sender);
    // "Delete": the book's answers are deleted, written into the history and the rows redrawn.
    void actionSheetClickedButton(ui::ActionSheet& sheet, int buttonIndex) override;
    // Opens the tag cloud, when a child may open.
    void showCloud(const ui::ConnectionTable::Sender& sender);
    void cloudNotifications(const fnd::Notification& notification);

    // The table of a device's screen class: its base's, with the two keys of the interface file.
    template <class Screen>
    static ui::ConnectionTable connectionTable(const char* className) {
        return ui::ConnectionTable(className, &Base::classConnections())
            .action("clearHistory:", &Screen::clearHistory)
            .action("showCloud:", &Screen::showCloud);
    }

    // The book, when the set is one; its index.
    std::shared_ptr<MEBook> book() const;
    std::shared_ptr<MIBIndex> index() const;

  protected:
    std::shared_ptr<StartItemVC> makeStartItemVC(const std::shared_ptr<MStartItem>& item) override;

  private:
    void writeHistory() const;
};

extern template class IBookSetScreen<StartSetVC>;
extern template class IBookSetScreen<StartSetVC_iPad>;

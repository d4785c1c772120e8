#pragma once
// What the tests of the error log's screens start from: the home screen on the phone or the
// tablet and a repository whose tracker holds the six books, the first with a synthetic key (test
// data) and the others without one.

#include <memory>
#include <string>

#include "Classes/core/MRepository.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MOGTrackerRepository.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "tests/support/ScreenTestEnvironment.h"

class ToolChooseVC;
class TovridaAppDelegate;

namespace errorlog_test {

class ErrorLogScreensTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override;
    void TearDown() override;
    // A fresh repository on the idiom's home screen.
    void start(ui::Idiom idiom);

    const std::shared_ptr<MBook>& book(std::size_t index) const { return rep->books()[index]; }
    // The section of the book by short name ("PS").
    std::shared_ptr<MSection> section(std::size_t bookIndex, const std::string& shortName) const;

    // The text of the label tagged so in the row of a table (the row must be in view).
    static std::string textIn(ui::TableView& table, ui::IndexPath row, int tag);
    static std::shared_ptr<ui::View> partOf(ui::TableView& table, ui::IndexPath row, int tag);
    // A tap on the row of a table, as a finger does.
    void tapRow(ui::TableView& table, ui::IndexPath row);
    // A tap on the view.
    void tapView(const std::shared_ptr<ui::View>& view);

    std::shared_ptr<MRepository> rep;
    std::shared_ptr<TovridaAppDelegate> delegate;
    std::shared_ptr<ToolChooseVC> home;
};

}  // namespace errorlog_test

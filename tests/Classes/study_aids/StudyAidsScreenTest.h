#pragma once
// What the tests of the courses, centre, maths-review and feedback screens start from: the product's
// delegate with a repository that holds the course catalogue and the maths topics (as the set-up at
// start builds them), its home screen shown, web views on the scripted engine, alerts on the key
// window, and every address handed to the system written down instead of opened.

#include <memory>
#include <string>
#include <vector>

#include "Classes/core/TovridaAppDelegate.h"
#include "tests/support/ScreenTestEnvironment.h"

class MCourses;
class MRepository;
class ToolChooseVC;
namespace ui {
class AlertView;
class BarButtonItem;
class Label;
class Toolbar;
}  // namespace ui

namespace study_aids_test {

class StudyAidsScreenTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Starts again as the idiom's device; `phone` is whether the device can make calls.
    void start(ui::Idiom idiom, bool phone = true);

    // A bundle whose information file holds these JSON members (the interface files copied beside).
    void useInfoValues(const std::string& members);
    // The alert on show, if any, and its title and message.
    static std::shared_ptr<ui::AlertView> shownAlert();
    static void dismissAlerts();
    // The titles of a toolbar's keys, in order (spaces left out).
    static std::vector<std::string> titles(const ui::Toolbar& bar);
    static std::string text(const std::shared_ptr<ui::View>& view);

    std::shared_ptr<TovridaAppDelegate> delegate;
    std::shared_ptr<MRepository> rep;
    std::shared_ptr<MCourses> courses;
    std::shared_ptr<ToolChooseVC> home;
    std::vector<std::string> opened;
};

}  // namespace study_aids_test

#pragma once
// What a test of screens starts from, beside the test environment: a device of the idiom asked
// for, the application launched with a plain delegate, its window key and visible, and the edit
// menu and accelerometer without leftovers of an earlier test.

#include <memory>

#include "platform/ui/Application.h"
#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/Device.h"
#include "platform/ui/Window.h"
#include "tests/support/TestEnvironment.h"

namespace testing_support {

class ScreenTestEnvironment : public TestEnvironment {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts again as the idiom's device (the phone at set-up), with `delegate` or a plain one.
    void launch(ui::Idiom idiom, std::shared_ptr<ui::ApplicationDelegate> delegate = nullptr);

    static ui::Application& application() { return ui::Application::shared(); }
    static std::shared_ptr<ui::Window> window() { return ui::Application::shared().keyWindow(); }
};

}  // namespace testing_support

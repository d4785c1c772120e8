#pragma once
// What the core's tests start from: the screen test environment with the product's delegate
// launched, and small archivable models to save and load.

#include <memory>
#include <string>

#include "Classes/core/TovridaAppDelegate.h"
#include "platform/foundation/Coding.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "tests/support/ScreenTestEnvironment.h"

namespace core_test {

// A model with one text, archived as "CoreTestNote".
class Note : public fnd::Object, public fnd::Coding {
  public:
    std::string text;
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override { coder.encodeString("ktext", text); }
    void initWithCoder(fnd::KeyedUnarchiver& coder) override {
        text = coder.decodeString("ktext").value_or("");
    }
};

// Another archivable model, for a file that holds the wrong kind of object.
class Other : public Note {};

void registerClasses();

class CoreTestEnvironment : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override;
    // Launches again with a fresh product delegate on the idiom's device of that model string. The
    // delegate loads the user's data only when asked to; else the test sets the repository up.
    void relaunch(ui::Idiom idiom, const std::string& model = {}, bool loading = false);
    // Launches a delegate that loads, and runs the loop until the home screen is in the window.
    void launchAndLoad(ui::Idiom idiom = ui::Idiom::Phone);

    std::shared_ptr<TovridaAppDelegate> delegate;
};

}  // namespace core_test

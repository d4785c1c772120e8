#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Classes/core/AbstractAppDelegate.h"
#include "platform/ui/NibValidator.h"
#include "tests/support/TestEnvironment.h"

namespace {

class InterfaceFilesTest : public testing_support::TestEnvironment {};

// Every interface file the program ships is checked against the owner classes and view classes
// that the program registers, without a screen being made.
TEST_F(InterfaceFilesTest, EveryInterfaceFileOfTheBundleIsSound) {
    AbstractAppDelegate::registerClasses();
    EXPECT_THAT(ui::NibValidator::validateFolder(std::filesystem::path(ORVA_SOURCE_RESOURCES) / "nibs"),
                testing::IsEmpty());
}

}  // namespace

#include <gtest/gtest.h>

#include <filesystem>

#include "Classes/core/MRepository.h"
#include "platform/foundation/Paths.h"
#include "tests/support/TestEnvironment.h"

namespace {

class PageScriptLibraryTest : public testing_support::TestEnvironment {};

// The page screens inject the library the bundle ships, with its licence beside it.
TEST_F(PageScriptLibraryTest, TheBundleShipsTheLibraryWithItsLicence) {
    std::filesystem::path resources(ORVA_SOURCE_RESOURCES);
    fnd::Paths::setResources(resources);
    MRepository rep;
    std::optional<std::string> library = rep.jQuery();
    ASSERT_TRUE(library);
    EXPECT_TRUE(library->starts_with("/* Zepto v1.2.0"));
    EXPECT_GT(library->size(), 20000u);
    EXPECT_TRUE(std::filesystem::exists(resources / "zepto.LICENSE"));
}

}  // namespace

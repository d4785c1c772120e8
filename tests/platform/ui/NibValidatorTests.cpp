#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "platform/ui/NibValidator.h"
#include "tests/platform/ui/SampleScreens.h"
#include "tests/support/ScreenTestEnvironment.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;

class NibValidatorTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        samples::useSamples();
    }
    void write(const std::string& name, const std::string& text) { std::ofstream(temporary / name) << text; }
};

TEST_F(NibValidatorTest, TheSampleSetIsSound) {
    EXPECT_THAT(ui::NibValidator::validateFolder(fs::path(ORVA_FIXTURES) / "nibs"), testing::IsEmpty());
}

TEST_F(NibValidatorTest, EachOutletAndActionIsCheckedAgainstItsOwnersTable) {
    write(
        "Good.json",
        R"({"owner": "SampleList", "objects": [{"class": "View", "id": "c"}], "outlets": {"theCell": "c"}})");
    write("Stranger.json", R"({"owner": "StrangerVC", "objects": [{"class": "Gadget"}]})");
    write("Mismatch.json", R"({"owner": "SampleScreen",
        "objects": [{"class": "View", "id": "main", "subviews": [
            {"class": "Control", "id": "b", "actions": {"valueChanged": "changed:", "touchUpInside": "done:"}},
            {"class": "SampleBadge", "id": "t"}]}],
        "outlets": {"view": "main", "titleLabel": "t", "badge": "t", "subtitle": "t"}})");
    write("Broken.json", "{\"owner\": ");
    write("notes.txt", "not an interface file");

    std::vector<std::string> problems = ui::NibValidator::validateFolder(temporary);
    EXPECT_THAT(
        problems,
        testing::ElementsAre(
            "Broken: not JSON text", "Mismatch: outlets.subtitle: SampleScreen has no such outlet",
            "Mismatch: outlets.titleLabel: the outlet does not take the object \"t\"",
            "Mismatch: objects[0].subviews[0].actions.valueChanged: SampleScreen has no action \"changed:\"",
            "Stranger: owner class \"StrangerVC\" is not registered",
            "Stranger: objects[0]: unknown view class \"Gadget\""));
    EXPECT_THAT(ui::NibValidator::validateFolder(temporary / "none"),
                testing::ElementsAre(HasSubstr("no such folder")));
}

}  // namespace

#include <gtest/gtest.h>

#include <string>

#include "Classes/study_aids/MConcept.h"
#include "Classes/study_aids/MConcepts.h"
#include "Classes/study_aids/MCourse.h"
#include "Classes/study_aids/MCourses.h"
#include "platform/foundation/Bundle.h"
#include "platform/ui/Image.h"
#include "tests/resources/BundleImageChecks.h"
#include "tests/support/TestEnvironment.h"

namespace {

// The sizes in points the screens lay out for: a topic icon left of the name in a maths-review row,
// a provider tile left of the name in course and centre rows (and in the 115 x 70 logo box of an
// explanation page), the map image in the callout of a centre's pin.
constexpr double kTopicWidth = 84, kTopicHeight = 70;
constexpr double kProviderWidth = 115, kProviderHeight = 70;
constexpr double kMapImageSide = 32;

class StudyAidsImagesTest : public testing_support::TestEnvironment {};

TEST_F(StudyAidsImagesTest, EveryTopicHasItsIcon) {
    MConcepts catalogue;
    ASSERT_EQ(catalogue.concepts().size(), 8u);
    for (const auto& topic : catalogue.concepts()) {
        SCOPED_TRACE(topic->fullName());
        resources_test::expectBundleImage(topic->iconIM(), kTopicWidth, kTopicHeight);
    }
}

TEST_F(StudyAidsImagesTest, EveryProviderHasItsIconLogoAndMapImage) {
    MCourses catalogue;
    ASSERT_EQ(catalogue.courses().size(), 5u);
    for (const auto& course : catalogue.courses()) {
        SCOPED_TRACE(course->companyName());
        resources_test::expectBundleImage(course->iconIM(), kProviderWidth, kProviderHeight);
        // Pages name the logo with "@2x" appended on this screen; a plain name finds it as well.
        resources_test::expectBundleImage(ui::Image::named(course->logoName()), kProviderWidth,
                                          kProviderHeight);
        resources_test::expectBundleImage(ui::Image::named(course->logoName() + "@2x"), kProviderWidth,
                                          kProviderHeight);
        if (course->centers())
            resources_test::expectBundleImage(course->mapIM(), kMapImageSide, kMapImageSide);
        else
            EXPECT_FALSE(course->mapIM());
    }
}

}  // namespace

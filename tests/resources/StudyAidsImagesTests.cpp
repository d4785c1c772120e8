#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "Classes/study_aids/MConcept.h"
#include "Classes/study_aids/MConcepts.h"
#include "Classes/study_aids/MCourse.h"
#include "Classes/study_aids/MCourses.h"
#include "platform/foundation/Bundle.h"
#include "platform/ui/Image.h"
#include "tests/support/TestEnvironment.h"

namespace {

// The sizes in points the screens lay out for: a topic icon left of the name in a maths-review row,
// a provider tile left of the name in course and centre rows (and in the 115 x 70 logo box of an
// explanation page), the map image in the callout of a centre's pin.
constexpr double kTopicWidth = 84, kTopicHeight = 70;
constexpr double kProviderWidth = 115, kProviderHeight = 70;
constexpr double kMapImageSide = 32;

class StudyAidsImagesTest : public testing_support::TestEnvironment {
  protected:
    static ui::Image::PixelSize pixelsOf(const std::string& relativePath) {
        std::ifstream in(fnd::Bundle::main().resourcePath() / relativePath, std::ios::binary);
        std::string header(64, '\0');
        in.read(header.data(), static_cast<std::streamsize>(header.size()));
        header.resize(static_cast<std::size_t>(in.gcount()));
        return ui::Image::pixelSize(header);
    }

    // The image is the bundle's double-resolution picture of the given size, and the bundle has
    // its plain twin at one pixel per point for callers that ask for that.
    static void expectBundleImage(const std::shared_ptr<const ui::Image>& image, double width,
                                  double height) {
        ASSERT_TRUE(image);
        SCOPED_TRACE(image->name());
        EXPECT_EQ(image->scale(), 2);
        EXPECT_EQ(image->size().width, width);
        EXPECT_EQ(image->size().height, height);
        std::string doubled = image->resourcePath();
        auto at = doubled.rfind("@2x");
        ASSERT_NE(at, std::string::npos);
        ui::Image::PixelSize plain = pixelsOf(std::string(doubled).erase(at, 3));
        EXPECT_EQ(plain.width, width);
        EXPECT_EQ(plain.height, height);
    }
};

TEST_F(StudyAidsImagesTest, EveryTopicHasItsIcon) {
    MConcepts catalogue;
    ASSERT_EQ(catalogue.concepts().size(), 8u);
    for (const auto& topic : catalogue.concepts()) {
        SCOPED_TRACE(topic->fullName());
        expectBundleImage(topic->iconIM(), kTopicWidth, kTopicHeight);
    }
}

TEST_F(StudyAidsImagesTest, EveryProviderHasItsIconLogoAndMapImage) {
    MCourses catalogue;
    ASSERT_EQ(catalogue.courses().size(), 5u);
    for (const auto& course : catalogue.courses()) {
        SCOPED_TRACE(course->companyName());
        expectBundleImage(course->iconIM(), kProviderWidth, kProviderHeight);
        // Pages name the logo with "@2x" appended on this screen; a plain name finds it as well.
        expectBundleImage(ui::Image::named(course->logoName()), kProviderWidth, kProviderHeight);
        expectBundleImage(ui::Image::named(course->logoName() + "@2x"), kProviderWidth, kProviderHeight);
        if (course->centers())
            expectBundleImage(course->mapIM(), kMapImageSide, kMapImageSide);
        else
            EXPECT_FALSE(course->mapIM());
    }
}

}  // namespace

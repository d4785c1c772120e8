// The centre list's content without a screen: which centres it gathers and how its rows map to them
// (collapsed sections still counted), the distance order, the distances by the kit's own formula and
// radius with their texts in kilometres and miles, and the three links of the centre map.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Classes/study_aids/CenterDistance.h"
#include "Classes/study_aids/CenterLinks.h"
#include "Classes/study_aids/CenterList.h"
#include "Classes/study_aids/CenterRows.h"
#include "Classes/study_aids/FeedbackVC.h"
#include "Classes/study_aids/MCenter.h"
#include "Classes/study_aids/MCountry.h"
#include "Classes/study_aids/MCourse.h"
#include "Classes/study_aids/MCourses.h"
#include "tests/support/TestEnvironment.h"

namespace {

class CenterListTest : public testing_support::TestEnvironment {
  protected:
    static std::vector<std::string> headers(const CenterList& list) {
        std::vector<std::string> out;
        for (const auto& group : list.countries())
            out.push_back(CenterRows::headerText(group->country(), group->numberOfCenters()));
        return out;
    }
    static std::shared_ptr<MCenter> center(const char* country, const char* city, double lat, double lon) {
        return std::make_shared<MCenter>(country, city, "AB1 2CD", "1 High Street", "+44 (20) 7946 0000",
                                         loc::Location(lat, lon));
    }

    MCourses catalogue;
    std::shared_ptr<MCourse> provider = catalogue.courseForName("Manhattan ORVA");
};

TEST_F(CenterListTest, EveryProviderOrOneGivesTheSameFourSectionsUsFirst) {
    for (const auto& course : {std::shared_ptr<MCourse>(), provider}) {
        CenterList list(catalogue, course);
        EXPECT_EQ(list.centers().size(), 35u);
        EXPECT_EQ(headers(list),
                  (std::vector<std::string>{"US [31]", "Canada [2]", "France [1]", "United Kingdom [1]"}));
        EXPECT_EQ(list.numberOfSections(), 4);
        EXPECT_EQ(list.centerAt({1, 0})->country(), "Canada");
        EXPECT_EQ(list.centerAt({3, 0})->city(), "London");
        EXPECT_FALSE(list.centerAt({4, 0}));
    }
    // A provider without centres, and a course the catalogue does not hold, list only US [0].
    auto lookalike =
        std::make_shared<MCourse>(provider->companyName(), nullptr, nullptr, provider->fileName(),
                                  provider->logoName(), provider->skype(), provider->centers());
    for (const auto& course : {catalogue.courseForName("Kaplan"), lookalike}) {
        CenterList list(catalogue, course);
        EXPECT_TRUE(list.centers().empty());
        EXPECT_EQ(headers(list), (std::vector<std::string>{"US [0]"}));
        EXPECT_EQ(list.numberOfRows(0), 0);
    }
}

TEST_F(CenterListTest, AProviderWithoutUsCentresStillShowsAnEmptyUsSectionFirst) {
    provider->setCenters(MCourse::Centers{center("United Kingdom", "York", 53.96, -1.08),
                                          center("Canada", "Ottawa", 45.42, -75.69),
                                          center("United Kingdom", "Bath", 51.38, -2.36)});
    CenterList list(catalogue, provider);
    EXPECT_EQ(headers(list), (std::vector<std::string>{"US [0]", "Canada [1]", "United Kingdom [2]"}));
    EXPECT_EQ(list.numberOfRows(0), 0);
    EXPECT_EQ(list.centerAt({2, 0})->city(), "Bath");
    EXPECT_EQ(list.centerAt({2, 1})->city(), "York");
}

TEST_F(CenterListTest, CollapsedSectionsStillCountSoLaterRowsFindTheirCentres) {
    CenterList list(catalogue, nullptr);
    EXPECT_TRUE(list.toggle(1));  // Canada
    EXPECT_EQ(list.numberOfRows(1), 0);
    EXPECT_EQ(list.centerIndex({2, 0}), 33);
    EXPECT_EQ(list.centerAt({2, 0})->city(), "Paris");
    EXPECT_EQ(list.centerAt({3, 0})->city(), "London");
    // A section past the groups toggles nothing and has no rows.
    EXPECT_FALSE(list.toggle(4));
    EXPECT_FALSE(list.toggle(-1));
    EXPECT_EQ(list.numberOfRows(7), 0);
    EXPECT_EQ(list.centerIndex({7, 0}), -1);
    EXPECT_TRUE(list.toggle(1));
    EXPECT_EQ(list.numberOfRows(1), 2);
}

TEST_F(CenterListTest, ThePositionWritesDistancesAndTheDistanceOrderIsOneSection) {
    CenterList list(catalogue, nullptr);
    loc::Location boston(42.3601, -71.0589);
    list.setLocation(boston);
    // The position alone does not change the order: the user asks for it.
    EXPECT_FALSE(list.isDistanceMode());
    EXPECT_EQ(list.numberOfSections(), 4);
    list.setSortByDistance(true);
    list.sort();
    ASSERT_EQ(list.numberOfSections(), 1);
    EXPECT_EQ(list.numberOfRows(0), 35);
    EXPECT_EQ(list.centerAt({0, 0})->city(), "Boston");
    EXPECT_EQ(list.centerAt({0, 1})->city(), "Cambridge");
    for (int row = 1; row < 35; ++row)
        EXPECT_LE(list.centerAt({0, row - 1})->distance(), list.centerAt({0, row})->distance());
    // Back to the countries: the distances stay with the centres.
    list.setSortByDistance(false);
    list.sort();
    EXPECT_EQ(headers(list).front(), "US [31]");
    EXPECT_EQ(list.centerAt({2, 0})->distance(),
              CenterDistance::wholeMetres(boston, list.centerAt({2, 0})->location()));
}

TEST_F(CenterListTest, DistancesFollowTheKitsFormulaAndRadiusAndTheirTexts) {
    // An independent haversine on the same sphere agrees with the kit's formula.
    auto haversine = [](double lat1, double lon1, double lat2, double lon2) {
        auto rad = [](double d) { return d * std::numbers::pi / 180; };
        double a = std::pow(std::sin(rad(lat2 - lat1) / 2), 2) +
                   std::cos(rad(lat1)) * std::cos(rad(lat2)) * std::pow(std::sin(rad(lon2 - lon1) / 2), 2);
        return 2 * std::asin(std::sqrt(a)) * CenterDistance::kRadius;
    };
    loc::Location newYork(40.7128, -74.0060), paris(48.8566, 2.3522);
    EXPECT_NEAR(CenterDistance::metres(newYork, paris), haversine(40.7128, -74.0060, 48.8566, 2.3522), 1e-3);
    EXPECT_NEAR(CenterDistance::metres(newYork, paris), 5828965, 1);
    // The kit's radius, not the location layer's: the two differ by about 9 km here.
    EXPECT_GT(newYork.distanceFrom(paris) - CenterDistance::metres(newYork, paris), 8000);
    // No position counts as latitude 0, longitude 0: a quarter of the circumference to a pole.
    EXPECT_NEAR(CenterDistance::metres(std::nullopt, loc::Location(90, 0)),
                CenterDistance::kRadius * std::numbers::pi / 2, 1e-6);
    EXPECT_EQ(CenterDistance::wholeMetres(loc::Location(0, 0), loc::Location(0, 0.001)), 111);

    struct Row {
        std::optional<std::int64_t> metres;
        const char* km;
        const char* mi;
    } rows[] = {{12345, "12.3 km", "7.7 mi"},
                {1500, "1.5 km", "0.9 mi"},
                {0, "0.0 km", "0.0 mi"},
                {std::nullopt, "", ""}};
    for (const Row& row : rows) {
        EXPECT_EQ(CenterDistance::text(row.metres, true), row.km);
        EXPECT_EQ(CenterDistance::text(row.metres, false), row.mi);
    }
}

TEST_F(CenterListTest, TheMapsLinksEscapeValuesAndWholeAddresses) {
    loc::Location at(40.7524, -73.9728);
    EXPECT_EQ(CenterLinks::webMap("http://127.0.0.1:8080/", "345 Lexington Avenue (9th Floor)", at),
              "http://127.0.0.1:8080/maps?ll=40.752400,-73.972800"
              "&q=345%20Lexington%20Avenue%20/9th%20Floor/@40.752400,-73.972800&spn=0.01,0.01");
    // What would cut the query stays inside its value.
    EXPECT_EQ(CenterLinks::webMap("http://127.0.0.1", "Suite #4 & 5, A+B=C?", loc::Location()),
              "http://127.0.0.1/maps?ll=0.000000,0.000000"
              "&q=Suite%20%234%20%26%205,%20A%2BB%3DC%3F@0.000000,0.000000&spn=0.01,0.01");
    EXPECT_EQ(CenterLinks::webMap("", "1 Main Street", at), "");
    EXPECT_EQ(CenterLinks::telephone("+1 (212) 555-0148"), "tel://+1%20(212)%20555-0148");
    EXPECT_EQ(CenterLinks::skype("manhattan.orva.centers"), "skype://manhattan.orva.centers");
    EXPECT_EQ(CenterLinks::skype("a b\"c"), "skype://a%20b%22c");
    EXPECT_EQ(CenterLinks::telephone(""), "");
}

TEST_F(CenterListTest, RowTextsAndFeedbackLinks) {
    auto paris = CenterList(catalogue, nullptr).centerAt({2, 0});
    EXPECT_EQ(CenterRows::cityLine(*paris), "Paris, 75008, France");
    EXPECT_EQ(CenterRows::telSkypeLine(*paris, provider.get()),
              "+33 (1) 99 00 47 21 skype: manhattan.orva.centers");
    EXPECT_EQ(CenterRows::telSkypeLine(*paris, catalogue.courseForName("Kaplan").get()),
              "+33 (1) 99 00 47 21");

    EXPECT_EQ(FeedbackVC::reviewPageAddress("http://127.0.0.1:9/", "12345"),
              "http://127.0.0.1:9/WebObjects/MZStore.woa/wa/viewContentsUserReviews?id=12345"
              "&pageNumber=0&sortOrdering=1&type=Purple+Software&mt=8");
    EXPECT_EQ(FeedbackVC::reviewPageAddress("", "12345"), "");
    EXPECT_EQ(FeedbackVC::reviewPageAddress("http://127.0.0.1", ""), "");
    EXPECT_EQ(FeedbackVC::supportMail("help@example.org", "1.0"),
              "mailto://help@example.org?subject=Tovrida%20(v1.0)&body=Hello!");
    EXPECT_EQ(FeedbackVC::supportMail("", "1.0"), "");
}

}  // namespace

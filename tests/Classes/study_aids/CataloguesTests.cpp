#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "Classes/study_aids/MCenter.h"
#include "Classes/study_aids/MConcept.h"
#include "Classes/study_aids/MConcepts.h"
#include "Classes/study_aids/MCountry.h"
#include "Classes/study_aids/MCourse.h"
#include "Classes/study_aids/MCourses.h"
#include "platform/foundation/Paths.h"
#include "platform/ui/Image.h"
#include "tests/support/TestEnvironment.h"

namespace {

using Centers = MCourse::Centers;

class CataloguesTest : public testing_support::TestEnvironment {
  protected:
    // A bundle of our own holding small images of the given names.
    void useBundleWithImages(std::initializer_list<const char*> names) {
        auto bundle = temporary / "bundle";
        std::filesystem::create_directories(bundle);
        for (const char* name : names) {
            cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4, 4);
            ASSERT_EQ(cairo_surface_write_to_png(s, (bundle / name).c_str()), CAIRO_STATUS_SUCCESS);
            cairo_surface_destroy(s);
        }
        fnd::Paths::setResources(bundle);
    }

    static std::shared_ptr<MCenter> center(const char* country, const char* city, const char* zip) {
        return std::make_shared<MCenter>(country, city, zip, "1 Main Street", "+1 (555) 555-0100",
                                         loc::Location(40, -75));
    }

    static void sortCenters(Centers& centers) {
        std::sort(centers.begin(), centers.end(),
                  [](const auto& a, const auto& b) { return a->abnormalCountryCompare(*b) < 0; });
    }

    static const Centers& centersOf(const MCourses& catalogue) {
        return *catalogue.courseForName("Manhattan ORVA")->centers();
    }
};

TEST_F(CataloguesTest, CatalogueHoldsTheFiveProvidersInTheirOrder) {
    MCourses catalogue;
    struct Row {
        const char *name, *fileName, *logoName;
    };
    const Row rows[] = {
        {"Kaplan", "Courses_Kaplan_index", "Courses_Kaplan"},
        {"Knewton", "Courses_Knewton_index", "Courses_knewton"},
        {"Manhattan ORVA", "Courses_ManhattanORVA_index", "Courses_ManhattanORVA"},
        {"Princeton Review", "Courses_PrincetonReview_index", "Courses_PrincetonReview"},
        {"Manhattan Review", "Courses_ManhattanReview_index", "Courses_ManhattanReview"},
    };
    ASSERT_EQ(catalogue.courses().size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        const auto& course = *catalogue.courses()[i];
        EXPECT_EQ(course.companyName(), rows[i].name);
        EXPECT_EQ(course.fileName(), rows[i].fileName);
        EXPECT_EQ(course.logoName(), rows[i].logoName);
        bool hasCenters = i == 2;
        EXPECT_EQ(course.centers().has_value(), hasCenters) << course.companyName();
        EXPECT_EQ(course.skype().has_value(), hasCenters) << course.companyName();
    }
    EXPECT_FALSE(catalogue.courses()[2]->skype()->empty());
    EXPECT_EQ(centersOf(catalogue).size(), 35u);
    // Every start builds its own catalogue.
    MCourses again;
    EXPECT_NE(centersOf(again)[0], centersOf(catalogue)[0]);
}

TEST_F(CataloguesTest, ImagesComeFromTheBundleByNameAndMayBeMissing) {
    useBundleWithImages({"Courses_Kaplan.png", "Courses_ManhattanORVA.png", "Courses_ManhattanORVA_MI.png",
                         "Courses_PrincetonReview.png", "Courses_ManhattanReview.png", "Math_icon_nt.png",
                         "Math_icon_probability.png"});
    MCourses catalogue;
    const auto& courses = catalogue.courses();
    ASSERT_TRUE(courses[0]->iconIM());
    EXPECT_EQ(courses[0]->iconIM()->name(), "Courses_Kaplan.png");
    EXPECT_FALSE(courses[1]->iconIM());  // no image of that name: the row is there all the same
    EXPECT_EQ(courses[1]->companyName(), "Knewton");
    ASSERT_TRUE(courses[2]->mapIM());
    EXPECT_EQ(courses[2]->mapIM()->name(), "Courses_ManhattanORVA_MI.png");
    EXPECT_EQ(courses[4]->iconIM()->name(), "Courses_ManhattanReview.png");
    for (size_t i : {0, 1, 3, 4}) EXPECT_FALSE(courses[i]->mapIM());

    MConcepts concepts;
    ASSERT_TRUE(concepts.concepts()[0]->iconIM());
    EXPECT_EQ(concepts.concepts()[0]->iconIM()->name(), "Math_icon_nt.png");
    EXPECT_FALSE(concepts.concepts()[1]->iconIM());
    EXPECT_EQ(concepts.concepts()[7]->iconIM()->name(), "Math_icon_probability.png");
}

TEST_F(CataloguesTest, LookUpByExactNameAndByTheVeryCentre) {
    MCourses catalogue;
    EXPECT_EQ(catalogue.courseForName("Knewton"), catalogue.courses()[1]);
    EXPECT_EQ(catalogue.courseForName("Manhattan Review"), catalogue.courses()[4]);
    EXPECT_EQ(catalogue.courseForName("manhattan orva"), nullptr);
    EXPECT_EQ(catalogue.courseForName("Manhattan ORVA "), nullptr);
    EXPECT_EQ(catalogue.courseForName(""), nullptr);

    auto provider = catalogue.courseForName("Manhattan ORVA");
    for (const auto& c : centersOf(catalogue)) EXPECT_EQ(catalogue.courseForCenter(c), provider);
    const auto& first = *centersOf(catalogue)[0];
    auto twin = std::make_shared<MCenter>(first.country(), first.city(), first.zipOrPostalCode(),
                                          first.address(), first.tel(), first.location());
    EXPECT_EQ(catalogue.courseForCenter(twin), nullptr);
    EXPECT_EQ(catalogue.courseForCenter(nullptr), nullptr);
    // Another start's centres belong to another catalogue.
    MCourses other;
    EXPECT_EQ(catalogue.courseForCenter(centersOf(other)[0]), nullptr);
}

TEST_F(CataloguesTest, CentresSortUnitedStatesFirstByStateThenCityThenOtherCountries) {
    MCourses catalogue;
    Centers centers = centersOf(catalogue);
    sortCenters(centers);
    // Worked out by hand from the centres' zip codes and cities.
    const char* expected[] = {
        "Boston",       "Cambridge",   "Hoboken",     "New York",  "New York",    "Brooklyn",
        "Philadelphia", "Washington",  "Baltimore",   "Arlington", "Charlotte",   "Atlanta",
        "Miami",        "Columbus",    "Ann Arbor",   "Detroit",   "Minneapolis", "Chicago",
        "Evanston",     "St. Louis",   "Dallas",      "Houston",   "Austin",      "Denver",
        "Phoenix",      "Los Angeles", "Los Angeles", "San Diego", "Palo Alto",   "San Francisco",
        "Seattle",      "Montréal",    "Toronto",     "Paris",     "London",
    };
    ASSERT_EQ(centers.size(), std::size(expected));
    for (size_t i = 0; i < centers.size(); ++i) EXPECT_EQ(centers[i]->city(), expected[i]) << "at " << i;
    for (size_t i = 0; i < 31; ++i) EXPECT_EQ(centers[i]->country(), "US");
    EXPECT_EQ(centers[31]->country(), "Canada");
    EXPECT_EQ(centers[33]->country(), "France");
    EXPECT_EQ(centers[34]->country(), "United Kingdom");
}

TEST_F(CataloguesTest, CentreOrderRules) {
    auto boston = center("US", "Zanesville", "02116");
    auto albany = center("US", "Albany", "10017");
    auto buffalo = center("US", "Buffalo", "10036");
    auto buffalo2 = center("US", "Buffalo", "10999");
    auto paris = center("France", "Paris", "75008");
    auto lyon = center("France", "Lyon", "10000");
    auto toronto = center("Canada", "Toronto", "M5H 3T4");

    EXPECT_EQ(boston->state(), "02");
    EXPECT_EQ(paris->state(), "");
    EXPECT_EQ(center("US", "Anywhere", "12345")->state(), "12");
    EXPECT_EQ(center("US", "Short", "7")->state(), "7");  // too short a code makes a short state

    EXPECT_EQ(boston->abnormalCountryCompare(*albany), std::weak_ordering::less);  // state before city
    EXPECT_EQ(albany->abnormalCountryCompare(*buffalo), std::weak_ordering::less);
    EXPECT_EQ(buffalo->abnormalCountryCompare(*buffalo2),
              std::weak_ordering::equivalent);  // same state and city: no further tie-break
    EXPECT_EQ(lyon->abnormalCountryCompare(*paris),
              std::weak_ordering::less);  // elsewhere the city alone, not the code
    EXPECT_EQ(buffalo2->abnormalCountryCompare(*toronto), std::weak_ordering::less);
    EXPECT_EQ(toronto->abnormalCountryCompare(*albany), std::weak_ordering::greater);
    EXPECT_EQ(toronto->abnormalCountryCompare(*lyon), std::weak_ordering::less);

    // The state is taken once; later changes of code or country leave it.
    albany->setZipOrPostalCode("99999");
    albany->setCountry("Canada");
    EXPECT_EQ(albany->state(), "10");
    EXPECT_FALSE(albany->distance());
}

TEST_F(CataloguesTest, CountriesSortInTheSameSequenceAsCentres) {
    std::vector<std::shared_ptr<MCountry>> countries;
    for (const char* name : {"United Kingdom", "US", "France", "Canada", "US", "Belgium"})
        countries.push_back(std::make_shared<MCountry>(name));
    EXPECT_EQ(countries[0]->numberOfCenters(), 1);
    EXPECT_FALSE(countries[0]->hidden());
    // "US" against "US" is the same, so the order is a valid one to sort with.
    EXPECT_EQ(countries[1]->abnormalCountryCompare(*countries[4]), std::weak_ordering::equivalent);
    EXPECT_EQ(countries[1]->abnormalCountryCompare(*countries[5]), std::weak_ordering::less);
    EXPECT_EQ(countries[5]->abnormalCountryCompare(*countries[1]), std::weak_ordering::greater);
    std::sort(countries.begin(), countries.end(),
              [](const auto& a, const auto& b) { return a->abnormalCountryCompare(*b) < 0; });
    std::vector<std::string> names;
    for (const auto& c : countries) names.push_back(c->country());
    EXPECT_EQ(names, (std::vector<std::string>{"US", "US", "Belgium", "Canada", "France", "United Kingdom"}));

    // The catalogue's centres, sorted, list their countries in the order the sections take.
    MCourses catalogue;
    Centers centers = centersOf(catalogue);
    sortCenters(centers);
    std::vector<std::string> sequence;
    for (const auto& c : centers)
        if (sequence.empty() || sequence.back() != c->country()) sequence.push_back(c->country());
    EXPECT_EQ(sequence, (std::vector<std::string>{"US", "Canada", "France", "United Kingdom"}));
}

TEST_F(CataloguesTest, CentreDataKeepTheirCountsAndConventions) {
    MCourses catalogue;
    const Centers& centers = centersOf(catalogue);
    std::map<std::string, int> perCountry, perNumber;
    int accentedCities = 0;
    std::set<std::string> places;
    // Numbers kept for fiction: no one is called by mistake.
    const std::regex northAmerican(R"(\+1 \(\d{3}\) 555-01\d{2})");
    const std::regex international(R"(\+44 \(20\) 7946 0\d{3}|\+33 \(1\) 99 00 \d{2} \d{2})");
    const std::regex fiveDigits(R"(\d{5})");
    const std::regex twoGroups(R"([A-Z0-9]{2,4} [A-Z0-9]{3})");
    struct Box {
        double south, north, west, east;
    };
    const std::map<std::string, Box> bounds = {{"US", {24, 50, -125, -66}},
                                               {"Canada", {41, 84, -141, -52}},
                                               {"United Kingdom", {49, 61, -9, 2}},
                                               {"France", {41, 52, -5.5, 10}}};
    for (const auto& c : centers) {
        SCOPED_TRACE(c->city() + " " + c->zipOrPostalCode());
        ++perCountry[c->country()];
        ++perNumber[c->tel()];
        if (std::any_of(c->city().begin(), c->city().end(), [](char ch) { return ch & 0x80; }))
            ++accentedCities;
        EXPECT_FALSE(c->address().empty());
        EXPECT_FALSE(c->distance());
        EXPECT_TRUE(places.insert(c->zipOrPostalCode() + c->address()).second) << "listed twice";

        bool fiveDigitCountry = c->country() == "US" || c->country() == "France";
        EXPECT_TRUE(std::regex_match(c->zipOrPostalCode(), fiveDigitCountry ? fiveDigits : twoGroups));
        bool northAmerica = c->country() == "US" || c->country() == "Canada";
        EXPECT_TRUE(std::regex_match(c->tel(), northAmerica ? northAmerican : international)) << c->tel();

        ASSERT_EQ(bounds.count(c->country()), 1u) << c->country();
        const Box& box = bounds.at(c->country());
        double lat = c->location().latitude(), lon = c->location().longitude();
        EXPECT_TRUE(lat > box.south && lat < box.north && lon > box.west && lon < box.east)
            << lat << "," << lon;
        for (double degrees : {lat, lon}) EXPECT_NEAR(degrees * 1e6, std::round(degrees * 1e6), 1e-6);
    }
    EXPECT_EQ(perCountry,
              (std::map<std::string, int>{{"US", 31}, {"Canada", 2}, {"United Kingdom", 1}, {"France", 1}}));
    EXPECT_EQ(accentedCities, 1);
    int mostShared = 0;
    for (const auto& [number, count] : perNumber) mostShared = std::max(mostShared, count);
    EXPECT_EQ(mostShared, 25);
}

TEST_F(CataloguesTest, ConceptsAreTheEightReviewTopicsInOrder) {
    MConcepts catalogue;
    const std::pair<const char*, const char*> expected[] = {
        {"Number Theory", "math_number_theory_index"},
        {"Percents", "math_per_index"},
        {"Absolute Value", "math_abs_index"},
        {"Triangles", "math_tri_index"},
        {"Circles", "math_cir_index"},
        {"Coordinate Geometry", "math_cg_index"},
        {"Standard Deviation", "math_std_index"},
        {"Probability", "math_pro_index"},
    };
    ASSERT_EQ(catalogue.concepts().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(catalogue.concepts()[i]->fullName(), expected[i].first);
        EXPECT_EQ(catalogue.concepts()[i]->fileName(), expected[i].second);
    }
}

}  // namespace

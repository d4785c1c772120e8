#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <regex>

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

    static std::string imageName(const MCourse::Image& image) { return image ? image->name() : "none"; }

    static std::shared_ptr<MCenter> center(const char* country, const char* city, const char* zip) {
        return std::make_shared<MCenter>(country, city, zip, "1 Main Street", "+1 (555) 555-0100",
                                         loc::Location(40, -75));
    }

    template <class T>
    static void sortByCountry(std::vector<std::shared_ptr<T>>& items) {
        std::sort(items.begin(), items.end(),
                  [](const auto& a, const auto& b) { return a->abnormalCountryCompare(*b) < 0; });
    }

    static const Centers& centersOf(const MCourses& catalogue) {
        return *catalogue.courseForName("Manhattan ORVA")->centers();
    }
};

TEST_F(CataloguesTest, FiveProvidersInTheirOrderWithImagesFromTheBundle) {
    // Knewton's icon is missing: its row is built all the same.
    useBundleWithImages({"Courses_Kaplan.png", "Courses_ManhattanORVA.png", "Courses_ManhattanORVA_MI.png",
                         "Courses_PrincetonReview.png", "Courses_ManhattanReview.png"});
    MCourses catalogue;
    struct Row {
        const char *name, *icon;
    };
    const Row rows[] = {{"Kaplan", "Courses_Kaplan.png"},
                        {"Knewton", "none"},
                        {"Manhattan ORVA", "Courses_ManhattanORVA.png"},
                        {"Princeton Review", "Courses_PrincetonReview.png"},
                        {"Manhattan Review", "Courses_ManhattanReview.png"}};
    ASSERT_EQ(catalogue.courses().size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto& course = *catalogue.courses()[i];
        SCOPED_TRACE(course.companyName());
        EXPECT_EQ(course.companyName(), rows[i].name);
        EXPECT_EQ(imageName(course.iconIM()), rows[i].icon);
        bool hasCenters = i == 2;
        EXPECT_EQ(course.centers().has_value(), hasCenters);
        EXPECT_EQ(course.skype().has_value(), hasCenters);
        EXPECT_EQ(imageName(course.mapIM()), hasCenters ? "Courses_ManhattanORVA_MI.png" : "none");
    }
    EXPECT_FALSE(catalogue.courses()[2]->skype()->empty());
}

TEST_F(CataloguesTest, LookUpByExactNameAndByTheVeryCentre) {
    MCourses catalogue;
    EXPECT_EQ(catalogue.courseForName("Knewton"), catalogue.courses()[1]);
    EXPECT_EQ(catalogue.courseForName("Manhattan Review"), catalogue.courses()[4]);
    for (const char* other : {"manhattan orva", "Manhattan ORVA ", ""})
        EXPECT_EQ(catalogue.courseForName(other), nullptr) << other;

    auto provider = catalogue.courseForName("Manhattan ORVA");
    for (const auto& c : centersOf(catalogue)) EXPECT_EQ(catalogue.courseForCenter(c), provider);
    const auto& first = *centersOf(catalogue)[0];
    auto twin = std::make_shared<MCenter>(first.country(), first.city(), first.zipOrPostalCode(),
                                          first.address(), first.tel(), first.location());
    EXPECT_EQ(catalogue.courseForCenter(twin), nullptr);
    EXPECT_EQ(catalogue.courseForCenter(nullptr), nullptr);
    MCourses nextStart;  // every start builds centres of its own
    EXPECT_EQ(catalogue.courseForCenter(centersOf(nextStart)[0]), nullptr);
}

TEST_F(CataloguesTest, CentresSortUnitedStatesFirstByStateThenCityThenOtherCountries) {
    MCourses catalogue;
    Centers centers = centersOf(catalogue);
    sortByCountry(centers);
    // Worked out by hand from the centres' zip codes and cities; the last four lie outside "US".
    const char* expected[] = {
        "Boston",       "Cambridge",   "Hoboken",     "New York",  "New York",    "Brooklyn",
        "Philadelphia", "Washington",  "Baltimore",   "Arlington", "Charlotte",   "Atlanta",
        "Miami",        "Columbus",    "Ann Arbor",   "Detroit",   "Minneapolis", "Chicago",
        "Evanston",     "St. Louis",   "Dallas",      "Houston",   "Austin",      "Denver",
        "Phoenix",      "Los Angeles", "Los Angeles", "San Diego", "Palo Alto",   "San Francisco",
        "Seattle",      "Montréal",    "Toronto",     "Paris",     "London",
    };
    ASSERT_EQ(centers.size(), std::size(expected));
    std::vector<std::string> countries;
    for (size_t i = 0; i < centers.size(); ++i) {
        EXPECT_EQ(centers[i]->city(), expected[i]) << "at " << i;
        if (countries.empty() || countries.back() != centers[i]->country())
            countries.push_back(centers[i]->country());
    }
    EXPECT_EQ(countries, (std::vector<std::string>{"US", "Canada", "France", "United Kingdom"}));
}

TEST_F(CataloguesTest, CentreAndCountryOrderRules) {
    using std::weak_ordering;
    auto albany = center("US", "Albany", "10017");
    EXPECT_EQ(center("US", "Buffalo", "10036")->abnormalCountryCompare(*center("US", "Buffalo", "10999")),
              weak_ordering::equivalent);  // same state and city: nothing further decides
    // Outside "US" the city alone decides, whatever the code.
    EXPECT_EQ(center("France", "Lyon", "99000")->abnormalCountryCompare(*center("France", "Paris", "75008")),
              weak_ordering::less);
    EXPECT_EQ(center("US", "Short", "7")->state(), "7");  // too short a code makes a short state
    // The state is taken once; later changes of code or country leave it.
    albany->setZipOrPostalCode("99999");
    albany->setCountry("Canada");
    EXPECT_EQ(albany->state(), "10");

    // Countries: "US" against "US" is the same, so the order is a valid one to sort with.
    std::vector<std::shared_ptr<MCountry>> groups;
    for (const char* name : {"United Kingdom", "US", "France", "Canada", "US", "Belgium"})
        groups.push_back(std::make_shared<MCountry>(name));
    EXPECT_EQ(groups[1]->abnormalCountryCompare(*groups[4]), weak_ordering::equivalent);
    EXPECT_EQ(groups[5]->abnormalCountryCompare(*groups[1]), weak_ordering::greater);
    sortByCountry(groups);
    std::vector<std::string> names;
    for (const auto& g : groups) names.push_back(g->country());
    EXPECT_EQ(names, (std::vector<std::string>{"US", "US", "Belgium", "Canada", "France", "United Kingdom"}));
    EXPECT_EQ(groups[0]->numberOfCenters(), 1);
    EXPECT_FALSE(groups[0]->hidden());
}

TEST_F(CataloguesTest, CentreDataKeepTheirCountsAndConventions) {
    MCourses catalogue;
    std::map<std::string, int> perCountry, perNumber;
    int accentedCities = 0;
    // Numbers kept for fiction, so that no one is called by mistake.
    const std::regex northAmerican(R"(\+1 \(\d{3}\) 555-01\d{2})");
    const std::regex european(R"(\+44 \(20\) 7946 0\d{3}|\+33 \(1\) 99 00 \d{2} \d{2})");
    const std::regex fiveDigits(R"(\d{5})");
    const std::regex twoGroups(R"([A-Z0-9]{2,4} [A-Z0-9]{3})");
    const std::map<std::string, std::array<double, 4>> bounds = {// south, north, west, east
                                                                 {"US", {24, 50, -125, -66}},
                                                                 {"Canada", {41, 84, -141, -52}},
                                                                 {"United Kingdom", {49, 61, -9, 2}},
                                                                 {"France", {41, 52, -5.5, 10}}};
    for (const auto& c : centersOf(catalogue)) {
        SCOPED_TRACE(c->city() + " " + c->zipOrPostalCode());
        ++perCountry[c->country()];
        ++perNumber[c->tel()];
        accentedCities += std::any_of(c->city().begin(), c->city().end(), [](char ch) { return ch & 0x80; });
        EXPECT_FALSE(c->address().empty());
        EXPECT_FALSE(c->distance());

        bool fiveDigitCodes = c->country() == "US" || c->country() == "France";
        EXPECT_TRUE(std::regex_match(c->zipOrPostalCode(), fiveDigitCodes ? fiveDigits : twoGroups));
        bool northAmerica = c->country() == "US" || c->country() == "Canada";
        EXPECT_TRUE(std::regex_match(c->tel(), northAmerica ? northAmerican : european)) << c->tel();

        ASSERT_EQ(bounds.count(c->country()), 1u) << c->country();
        auto [south, north, west, east] = bounds.at(c->country());
        double lat = c->location().latitude(), lon = c->location().longitude();
        EXPECT_TRUE(lat > south && lat < north && lon > west && lon < east) << lat << "," << lon;
    }
    EXPECT_EQ(perCountry,
              (std::map<std::string, int>{{"US", 31}, {"Canada", 2}, {"United Kingdom", 1}, {"France", 1}}));
    EXPECT_EQ(accentedCities, 1);
    int mostShared = 0;
    for (const auto& [number, count] : perNumber) mostShared = std::max(mostShared, count);
    EXPECT_EQ(mostShared, 25);
}

}  // namespace

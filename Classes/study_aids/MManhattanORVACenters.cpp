#include "Classes/study_aids/MManhattanORVACenters.h"

#include "Classes/study_aids/MCenter.h"

namespace {

struct CenterRow {
    double latitude;
    double longitude;
    const char* country;
    const char* city;
    const char* zipOrPostalCode;
    const char* address;
    const char* tel;
};

// The centres are made up for the kit: the suites and floors are invented, and the telephone
// numbers lie in the ranges their countries keep for fiction (555-01xx in North America, 020 7946
// 0xxx in London, 01 99 00 xx xx in France).
//
// The provider's enrolment line, which most of its American centres give.
constexpr const char* kEnrolmentLine = "+1 (212) 555-0148";

constexpr CenterRow kCenters[] = {
    {40.752400, -73.972800, "US", "New York", "10017", "345 Lexington Avenue, 9th Floor", kEnrolmentLine},
    {40.759000, -73.989700, "US", "New York", "10036", "218 West 44th Street, Suite 600", kEnrolmentLine},
    {40.693700, -73.990000, "US", "Brooklyn", "11201", "75 Court Street, Suite 310", kEnrolmentLine},
    {42.349500, -71.076500, "US", "Boston", "02116", "420 Boylston Street, 5th Floor", "+1 (617) 555-0119"},
    {42.363600, -71.101300, "US", "Cambridge", "02139", "1035 Massachusetts Avenue, Suite 204",
     kEnrolmentLine},
    {40.744900, -74.027900, "US", "Hoboken", "07030", "90 Hudson Street, 2nd Floor", kEnrolmentLine},
    {39.952400, -75.172800, "US", "Philadelphia", "19103", "1650 Walnut Street, Suite 800", kEnrolmentLine},
    {38.903600, -77.039800, "US", "Washington", "20006", "1725 K Street NW, Suite 500", "+1 (202) 555-0131"},
    {38.887600, -77.094300, "US", "Arlington", "22201", "3100 Clarendon Boulevard, Suite 220",
     kEnrolmentLine},
    {39.295200, -76.615500, "US", "Baltimore", "21201", "310 North Charles Street, Suite 400",
     kEnrolmentLine},
    {35.225100, -80.845200, "US", "Charlotte", "28202", "401 South Tryon Street, Suite 1500", kEnrolmentLine},
    {33.787900, -84.388300, "US", "Atlanta", "30309", "1215 West Peachtree Street NW, Suite 210",
     kEnrolmentLine},
    {25.762300, -80.191900, "US", "Miami", "33131", "1110 Brickell Avenue, Suite 430", kEnrolmentLine},
    {39.962600, -82.998700, "US", "Columbus", "43215", "88 East Broad Street, Suite 1100", kEnrolmentLine},
    {42.331400, -83.045800, "US", "Detroit", "48226", "660 Woodward Avenue, Suite 1010", kEnrolmentLine},
    {42.280800, -83.743000, "US", "Ann Arbor", "48104", "330 East Liberty Street, Suite 2", kEnrolmentLine},
    {41.879400, -87.634900, "US", "Chicago", "60606", "222 West Adams Street, Suite 1750",
     "+1 (312) 555-0183"},
    {42.045100, -87.682500, "US", "Evanston", "60201", "1603 Orrington Avenue, Suite 900", kEnrolmentLine},
    {44.975300, -93.271400, "US", "Minneapolis", "55402", "90 South Seventh Street, Suite 3300",
     kEnrolmentLine},
    {38.630100, -90.193600, "US", "St. Louis", "63101", "701 Market Street, Suite 450", kEnrolmentLine},
    {32.789300, -96.800600, "US", "Dallas", "75201", "2100 Ross Avenue, Suite 650", kEnrolmentLine},
    {29.756400, -95.365400, "US", "Houston", "77002", "909 Fannin Street, Suite 1200", "+1 (713) 555-0172"},
    {30.268400, -97.742500, "US", "Austin", "78701", "600 Congress Avenue, Suite 1400", kEnrolmentLine},
    {39.744200, -104.986800, "US", "Denver", "80203", "1700 Lincoln Street, Suite 2300", kEnrolmentLine},
    {33.448800, -112.073900, "US", "Phoenix", "85004", "2 North Central Avenue, Suite 1800", kEnrolmentLine},
    {34.052900, -118.254400, "US", "Los Angeles", "90071", "350 South Grand Avenue, Suite 2800",
     "+1 (213) 555-0127"},
    {34.058700, -118.444100, "US", "Los Angeles", "90024", "10940 Wilshire Boulevard, Suite 1600",
     kEnrolmentLine},
    {32.715800, -117.166300, "US", "San Diego", "92101", "600 West Broadway, Suite 700", kEnrolmentLine},
    {37.792600, -122.392600, "US", "San Francisco", "94105", "100 Spear Street, Suite 420",
     "+1 (415) 555-0164"},
    {37.449800, -122.158600, "US", "Palo Alto", "94301", "530 Lytton Avenue, 2nd Floor", kEnrolmentLine},
    {47.609700, -122.334100, "US", "Seattle", "98101", "1420 Fifth Avenue, Suite 2200", kEnrolmentLine},
    {43.649300, -79.383200, "Canada", "Toronto", "M5H 3T4", "120 Adelaide Street West, Suite 1600",
     "+1 (416) 555-0157"},
    {45.500300, -73.570600, "Canada", "Montréal", "H3B 2V9", "1155 rue Metcalfe, bureau 1400",
     "+1 (514) 555-0193"},
    {51.521900, -0.086200, "United Kingdom", "London", "EC2A 1HT", "38 Finsbury Square, 4th Floor",
     "+44 (20) 7946 0815"},
    {48.873400, 2.305100, "France", "Paris", "75008", "24 rue de Berri", "+33 (1) 99 00 47 21"},
};

}  // namespace

void MManhattanORVACenters::fillSet(std::vector<std::shared_ptr<MCenter>>& set) {
    for (const auto& row : kCenters)
        set.push_back(std::make_shared<MCenter>(row.country, row.city, row.zipOrPostalCode, row.address,
                                                row.tel, loc::Location(row.latitude, row.longitude)));
}

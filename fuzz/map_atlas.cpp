// The world atlas the maps draw on is a file installed beside the program: any bytes must decode to
// shapes or be refused with a reason, and every shape decoded has places on the globe.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/maps/WorldMap.h"

namespace {

void checkPlace(const maps::Coordinate& c) {
    if (!(std::fabs(c.latitude) <= 90) || !(std::fabs(c.longitude) <= 180)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    auto shapes = maps::WorldMap::decode(std::string_view(reinterpret_cast<const char*>(data), size), error);
    if (!shapes) {
        if (error.empty()) std::abort();
        return 0;
    }
    for (const auto& polygon : shapes->land)
        for (const auto& ring : polygon.rings) {
            if (ring.size() < 3) std::abort();
            for (const auto& c : ring) checkPlace(c);
        }
    for (const auto* lines : {&shapes->coasts, &shapes->borders})
        for (const auto& line : *lines)
            for (const auto& c : line.points) checkPlace(c);
    return 0;
}

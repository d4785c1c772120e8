// Prints one route-map question body per kind of map, one to a line (the bodies hold tabs but no line
// breaks), so that the browser tests can draw them on a real canvas: one segment, two, three, two
// under a bypass, and three with a bypass over the last two.

#include <cstdio>
#include <vector>

#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting13.h"
#include "Classes/game/MGameQuestion.h"
#include "tests/Classes/game/ScriptedDraws.h"

namespace {
constexpr std::uint32_t kHalf = 0x80000000u;

struct Map {
    int level;
    std::vector<std::uint32_t> draws;  // before the 24 draws of the traveller's name
};
}  // namespace

int main() {
    // Variant draw (a fraction), then a, b and d as offsets, then s for the last, then he or she.
    const std::vector<Map> maps = {
        {350, {0, 2, 0, 0, 1}},            // 4 roads
        {476, {0, 2, 1, 0, 0}},            // 3 and 3
        {560, {kHalf, 3, 2, 0, 1}},        // 4, 4 and 2
        {770, {0x1999999Au, 1, 2, 0, 0}},  // 3 and 4 under a bypass
        {770, {kHalf, 1, 0, 2, 1, 1}},     // 3, 2 and 4, the bypass over the last two
    };
    for (const Map& m : maps) {
        game_test::ScriptedDraws draws;
        for (std::uint32_t d : m.draws) draws.add({d});
        MGameMetaQuestionORVAProbabilityAndCounting13 routes;
        routes.setRandom(draws.random());
        auto question = routes.generateForTestType(1, m.level);
        std::printf("%s\n", question->body().c_str());
    }
    return 0;
}

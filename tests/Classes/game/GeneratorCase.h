#pragma once
// A question that a generator must give for listed draws, as the scripted tests of the maths game's
// generators list them, and the run that checks the draws are used exactly.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Classes/game/MGameMetaQuestion.h"
#include "Classes/game/MGameQuestion.h"
#include "tests/Classes/game/ScriptedDraws.h"

namespace game_test {

using Draws = std::vector<std::uint32_t>;

struct GeneratorCase {
    const char* name;
    std::function<std::shared_ptr<MGameMetaQuestion>()> make;
    int level;
    Draws draws;
    std::string body;
    MGameQuestion::Strings options;
    int right;
    double readTime;
    double totalTime;
};

template <class G>
std::function<std::shared_ptr<MGameMetaQuestion>()> make() {
    return [] { return std::make_shared<G>(); };
}

// The generator's question at the level from exactly the listed draws.
inline std::shared_ptr<MGameQuestion> generate(MGameMetaQuestion& generator, int level, const Draws& list) {
    ScriptedDraws draws;
    generator.setRandom(draws.random());
    for (std::uint32_t d : list) draws.add({d});
    auto question = generator.generateForTestType(1, level);
    EXPECT_EQ(draws.left(), 0u) << "draws not used";
    EXPECT_EQ(draws.overrun(), 0) << "more draws asked than scripted";
    return question;
}

}  // namespace game_test

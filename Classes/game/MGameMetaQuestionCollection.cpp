#include "Classes/game/MGameMetaQuestionCollection.h"

#include <algorithm>

#include "Classes/game/MGameMetaQuestionORVAArithmetic1.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic10.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic11.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic12.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic13.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic14.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic15.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic16.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic2.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic3.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic4.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic5.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic6.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic7.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic8.h"
#include "Classes/game/MGameMetaQuestionORVAArithmetic9.h"
#include "Classes/game/MGameMetaQuestionORVAPercents1.h"
#include "Classes/game/MGameMetaQuestionORVAPercents2.h"
#include "Classes/game/MGameMetaQuestionORVAPercents3.h"
#include "Classes/game/MGameMetaQuestionORVAPercents4.h"
#include "Classes/game/MGameMetaQuestionORVAPercents5.h"
#include "Classes/game/MGameMetaQuestionORVAPercents6.h"
#include "Classes/game/MGameMetaQuestionORVAPercents7.h"
#include "Classes/game/MGameMetaQuestionORVAPercents8.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting1.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting10.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting11.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting12.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting13.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting2.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting3.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting4.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting5.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting6.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting7.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting8.h"
#include "Classes/game/MGameMetaQuestionORVAProbabilityAndCounting9.h"
#include "Classes/game/MGameQuestion.h"
#include "Classes/game/MGameRandom.h"
#include "Classes/game/MGameTestLabel.h"

namespace {
constexpr int kGameTestType = 1;
}

MGameMetaQuestionCollection::MGameMetaQuestionCollection(std::shared_ptr<MGameRandom> random)
    : random_(random ? std::move(random) : MGameRandom::system()) {
    metaQuestions_ = {
        std::make_shared<MGameMetaQuestionORVAArithmetic1>(),
        std::make_shared<MGameMetaQuestionORVAArithmetic2>(),
        std::make_shared<MGameMetaQuestionORVAArithmetic3>(),
        std::make_shared<MGameMetaQuestionORVAArithmetic4>(),
        std::make_shared<MGameMetaQuestionORVAArithmetic5>(),
        std::make_shared<MGameMetaQuestionORVAArithmetic6>(),
        std::make_shared<MGameMetaQuestionORVAArithmetic7>(),
        std::make_shared<MGameMetaQuestionORVAArithmetic8>(),
        std::make_shared<MGameMetaQuestionORVAArithmetic9>(),
        std::make_shared<MGameMetaQuestionORVAArithmetic10>(),
        std::make_shared<MGameMetaQuestionORVAArithmetic11>(),
        std::make_shared<MGameMetaQuestionORVAArithmetic12>(),
        std::make_shared<MGameMetaQuestionORVAArithmetic13>(),
        std::make_shared<MGameMetaQuestionORVAArithmetic14>(),
        std::make_shared<MGameMetaQuestionORVAArithmetic15>(),
        std::make_shared<MGameMetaQuestionORVAArithmetic16>(),
        std::make_shared<MGameMetaQuestionORVAPercents1>(),
        std::make_shared<MGameMetaQuestionORVAPercents2>(),
        std::make_shared<MGameMetaQuestionORVAPercents3>(),
        std::make_shared<MGameMetaQuestionORVAPercents4>(),
        std::make_shared<MGameMetaQuestionORVAPercents5>(),
        std::make_shared<MGameMetaQuestionORVAPercents6>(),
        std::make_shared<MGameMetaQuestionORVAPercents7>(),
        std::make_shared<MGameMetaQuestionORVAPercents8>(),
        std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting1>(),
        std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting2>(),
        std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting3>(),
        std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting4>(),
        std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting5>(),
        std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting6>(),
        std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting7>(),
        std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting8>(),
        std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting9>(),
        std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting10>(),
        std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting11>(),
        std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting12>(),
        std::make_shared<MGameMetaQuestionORVAProbabilityAndCounting13>(),
    };
    for (const auto& generator : metaQuestions_) generator->setRandom(random_);
}

MGameMetaQuestionCollection::Generators MGameMetaQuestionCollection::metaQuestionCollectionWithTag(
    std::string_view tag) const {
    Generators found;
    for (const auto& generator : metaQuestions_) {
        auto label = generator->testLabelForTestType(kGameTestType);
        if (label && std::find(label->tags().begin(), label->tags().end(), tag) != label->tags().end())
            found.push_back(generator);
    }
    return found;
}

int MGameMetaQuestionCollection::targetLevel(int start, int end, int n, int k) {
    if (n < 2) return end;
    float level = static_cast<float>(end) -
                  static_cast<float>(end - start) * static_cast<float>(n - k) / static_cast<float>(n - 1);
    return static_cast<int>(level);
}

MGameMetaQuestionCollection::Generators MGameMetaQuestionCollection::candidatesForLevel(
    const Generators& generators, int level) {
    Generators candidates;
    for (const auto& generator : generators) {
        auto label = generator->testLabelForTestType(kGameTestType);
        if (label && label->level_min() <= level && level <= label->level_max())
            candidates.push_back(generator);
    }
    return candidates;
}

std::shared_ptr<MGameQuestion> MGameMetaQuestionCollection::generateQuestion(const Generators& generators,
                                                                             int level) {
    Generators candidates = candidatesForLevel(generators, level);
    if (candidates.empty()) return nullptr;
    auto index = random_->next32() % static_cast<std::uint32_t>(candidates.size());
    return candidates[index]->generateForTestType(kGameTestType, level);
}

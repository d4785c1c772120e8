#include "Classes/practice/CustomSets.h"

#include <algorithm>

#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Ostrand_Library/Classes/Regex.h"

std::optional<std::int32_t> CustomSets::nextUID(std::int32_t last, const Sets& sets) {
    auto held = [&sets](std::int32_t uid) {
        return std::any_of(sets.begin(), sets.end(), [uid](const auto& set) { return set->setUID() == uid; });
    };
    std::int32_t uid = last;
    for (int tries = 0; tries <= kLastUID - kFirstUID; ++tries) {
        uid = uid >= kFirstUID && uid < kLastUID ? uid + 1 : kFirstUID;
        if (!held(uid)) return uid;
    }
    return std::nullopt;
}

std::shared_ptr<MQSet> CustomSets::create(MPracticeRepository& practice, std::string name,
                                          std::string description) {
    auto uid = nextUID(practice.practiceCSLastUID(), practice.customQSets());
    if (!uid) return nullptr;
    practice.setPracticeCSLastUID(*uid);
    auto set = MQSet::make(*uid, std::move(name), std::move(description), kImageName, false);
    practice.qSets().push_back(set);
    practice.customQSets().push_back(set);
    return set;
}

void CustomSets::removeQuestion(MPracticeRepository& practice, MQSet& set, std::size_t index) {
    auto& questions = set.questions();
    if (index >= questions.size()) return;
    std::shared_ptr<MQSetQuestion> gone = questions[index];
    set.removeQuestion(gone.get());
    // Bookmarks are stored by key, and the key the question had now goes to its neighbour.
    if (auto bookmarks = practice.bookmarkQSet()) bookmarks->removeQuestion(gone.get());
    for (std::size_t i = 0; i < questions.size(); ++i) {
        questions[i]->setNumber(static_cast<std::int32_t>(i + 1));
        questions[i]->setupKey();
    }
}

void CustomSets::removeSet(MPracticeRepository& practice, const std::shared_ptr<MQSet>& set) {
    if (!set) return;
    std::erase(practice.qSets(), set);
    std::erase(practice.customQSets(), set);
    if (auto bookmarks = practice.bookmarkQSet())
        for (const auto& question : set->questions()) bookmarks->removeQuestion(question.get());
}

std::string CustomSets::title(const MQSet& set) {
    return set.setName() + " (" + std::to_string(set.questions().size()) + ")";
}

std::string CustomSets::plainBody(const std::string& body) {
    return ostrand::Regex::replaceAll(body, "<[^<]*>", "");
}

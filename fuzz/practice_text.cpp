// The texts a person pastes into the practice tool: question markup for a custom set and a backup
// to restore. Any text must add what it holds and nothing else, never crash or hang; the set's
// questions must come out numbered 1, 2, 3 ... and every restored record must hold one choice.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "Classes/practice/PracticeBackup.h"
#include "Classes/practice/QuestionMarkup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    auto set = MQSet::make(7001, "Mine", "", "Sets_custom.png", true);
    QuestionMarkup::addQuestions(set, input);
    for (std::size_t i = 0; i < set->questions().size(); ++i)
        if (set->questions()[i]->number() != static_cast<std::int32_t>(i + 1)) std::abort();
    // The same text again adds nothing.
    if (QuestionMarkup::addQuestions(set, input) != 0) std::abort();

    auto counts = PracticeBackup::restore({set}, input);
    if (counts.added < 0 || counts.found < 0) std::abort();
    for (const auto& question : set->questions())
        for (const auto& record : question->history()) {
            auto answer = std::dynamic_pointer_cast<MQSetSimpleAnswer>(record->answer());
            if (!answer || answer->choice() < 1 || answer->choice() > 5) std::abort();
        }
    return 0;
}

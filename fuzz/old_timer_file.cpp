// Arbitrary bytes as the old timer file: whatever timer the migration takes over must answer every
// pacing figure, change its section and archive again, whatever sizes, states and stamps it holds.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "Classes/timer/MTimer.h"
#include "Classes/timer/MTimerRecord.h"
#include "Classes/timer/MTimerRecordSet.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/Log.h"

namespace {

void exercise(MTimerRecord& record) {
    (void)record.leftOrPassedTime(), (void)record.currentQuestionTime(), (void)record.averageQuestionTime();
    (void)record.reserveTime(), (void)record.expecedQuestion(), (void)record.stringForSetType();
    for (int i = -1; i <= record.numberOfAnswers(); ++i) (void)record.questionTimeAtIndex(i);
    record.checkEndOfTest();
    record.changeStatus(MTimerRecord::kPaused);
    record.changeStatus(MTimerRecord::kRunning);
    record.addAnswer("A", true);
    (void)record.reserveTime(), (void)record.expecedQuestion();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool quiet = (fnd::Log::setMinimumLevel(fnd::Log::Level::Error), true);
    (void)quiet;
    auto timer = std::make_shared<MTimer>();
    if (!timer->loadOldTimerData(std::span<const std::uint8_t>(data, size))) return 0;
    for (const auto& record : timer->timerRecordSet()->timerRecords()) exercise(*record);
    exercise(*timer->currentRecord());
    (void)fnd::KeyedArchiver::archive("timer", timer);
    timer->renewCurrentRecord();
    timer->reallocCurrentRecord();
    exercise(*timer->currentRecord());
    return 0;
}

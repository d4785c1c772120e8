#include "platform/foundation/Log.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <utility>

namespace fnd {

namespace {
std::mutex& sinkMutex() {
    static std::mutex m;
    return m;
}
Log::Sink& sinkSlot() {
    static Log::Sink sink;
    return sink;
}
std::atomic<Log::Level>& minimum() {
    static std::atomic<Log::Level> level{Log::Level::Info};
    return level;
}
const char* tag(Log::Level level) {
    switch (level) {
        case Log::Level::Debug:
            return "debug";
        case Log::Level::Info:
            return "info";
        case Log::Level::Warning:
            return "warning";
        case Log::Level::Error:
            return "error";
    }
    return "";
}
}  // namespace

Log::Sink Log::setSink(Sink sink) {
    std::lock_guard lock(sinkMutex());
    return std::exchange(sinkSlot(), std::move(sink));
}

void Log::setMinimumLevel(Level level) { minimum().store(level); }

Log::Level Log::minimumLevel() { return minimum().load(); }

void Log::emit(Level level, const std::string& line) {
    std::lock_guard lock(sinkMutex());
    if (sinkSlot()) {
        sinkSlot()(level, line);
        return;
    }
    std::fprintf(stderr, "orvakit %s: %s\n", tag(level), line.c_str());
}

}  // namespace fnd

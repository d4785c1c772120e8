#pragma once
// Log lines to standard error, or to a sink a test installs.

#include <functional>
#include <sstream>
#include <string>
#include <string_view>

namespace fnd {

class Log {
  public:
    enum class Level { Debug, Info, Warning, Error };
    using Sink = std::function<void(Level, std::string_view)>;

    template <class... Args>
    static void debug(const Args&... args) {
        write(Level::Debug, args...);
    }
    template <class... Args>
    static void info(const Args&... args) {
        write(Level::Info, args...);
    }
    template <class... Args>
    static void warning(const Args&... args) {
        write(Level::Warning, args...);
    }
    template <class... Args>
    static void error(const Args&... args) {
        write(Level::Error, args...);
    }

    // Replaces the sink; null restores standard error. Answers the previous sink.
    static Sink setSink(Sink sink);
    static void setMinimumLevel(Level level);

    template <class... Args>
    static void write(Level level, const Args&... args) {
        if (level < minimumLevel()) return;
        std::ostringstream line;
        (line << ... << args);
        emit(level, line.str());
    }

  private:
    static Level minimumLevel();
    static void emit(Level level, const std::string& line);
};

}  // namespace fnd

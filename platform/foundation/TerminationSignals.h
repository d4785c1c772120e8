#pragma once
// SIGINT and SIGTERM as a call on the main run loop, so the program ends as an orderly terminate.

#include <functional>

namespace fnd {

class TerminationSignals {
  public:
    // Blocks both signals in every thread started afterwards and runs `onSignal` on the main
    // run loop when one arrives. Call before any other thread starts.
    static void install(std::function<void(int signal)> onSignal);
};

}  // namespace fnd

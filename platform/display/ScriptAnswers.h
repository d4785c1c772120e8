#pragma once
// The answers of the active tab to script evaluations that the main thread waits for. The main
// thread asks for a call number, sends the evaluation and waits with a deadline; the I/O thread
// hands over each answer as it arrives, without the main run loop, which is the one waiting. An
// answer that comes after its deadline finds nobody and is dropped. Safe to use from any thread.

#include <cstdint>
#include <future>
#include <map>
#include <mutex>
#include <string>

namespace display {

class ScriptAnswers {
  public:
    struct Call {
        std::uint64_t number = 0;
        std::future<std::string> answer;
    };
    // A fresh call whose answer will be kept for wait().
    Call expect();
    // The answer to the call, or "" when none came within `seconds`; the call is forgotten.
    std::string wait(Call& call, double seconds);

    // Takes a tab's message when it is an answer ({"type":"answer","call":N,"result":"..."}),
    // waited for or not (a malformed answer is dropped too); answers false for any other message.
    bool take(const std::string& message);

  private:
    std::mutex mutex_;
    std::uint64_t next_ = 1;
    std::map<std::uint64_t, std::promise<std::string>> waiting_;
};

}  // namespace display

#include "platform/display/ScriptAnswers.h"

#include <algorithm>
#include <chrono>
#include <nlohmann/json.hpp>

namespace display {

ScriptAnswers::Call ScriptAnswers::expect() {
    std::lock_guard lock(mutex_);
    Call call;
    call.number = next_++;
    call.answer = waiting_[call.number].get_future();
    return call;
}

std::string ScriptAnswers::wait(Call& call, double seconds) {
    if (!call.answer.valid()) return {};
    auto deadline = std::chrono::duration<double>(std::max(0.0, seconds));
    bool came = call.answer.wait_for(deadline) == std::future_status::ready;
    {
        std::lock_guard lock(mutex_);
        waiting_.erase(call.number);
    }
    return came ? call.answer.get() : std::string();
}

bool ScriptAnswers::take(const std::string& message) {
    // Only what may be an answer is parsed here; the rest goes on to the main thread untouched.
    if (message.find(R"("answer")") == std::string::npos) return false;
    using json = nlohmann::json;
    json object = json::parse(message, nullptr, false);
    auto type = object.is_object() ? object.find("type") : object.end();
    if (!object.is_object() || type == object.end() || *type != "answer") return false;
    auto call = object.find("call");
    auto result = object.find("result");
    if (call == object.end() || !call->is_number_unsigned() || result == object.end() || !result->is_string())
        return true;
    std::lock_guard lock(mutex_);
    auto it = waiting_.find(call->get<std::uint64_t>());
    if (it == waiting_.end()) return true;  // late, or never asked: dropped
    it->second.set_value(result->get<std::string>());
    waiting_.erase(it);
    return true;
}

}  // namespace display

#pragma once
// JSON text to values and back. Reading takes standard JSON only and answers nothing for text that
// is not (truncated, trailing garbage, bad UTF-8, nested deeper than kMaxDepth). Writing is compact
// with map keys in order; a date or model object in the value is written as what the proxy hook
// answers for it.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/JsonValue.h"

namespace fnd {

class Json {
  public:
    static constexpr int kMaxDepth = 512;

    static std::optional<JsonValue> parse(std::string_view text);

    // Answers the value to write in place of a date or an object, or nothing when it has none.
    using Proxy = std::function<std::optional<JsonValue>(const JsonValue& foreign)>;
    // Nothing (and a log line) when a date or object has no proxy answer or a number is not finite.
    static std::optional<std::string> write(const JsonValue& value, const Proxy& proxy = {});
};

}  // namespace fnd

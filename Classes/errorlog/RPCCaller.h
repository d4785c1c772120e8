#pragma once
// What a caller of RequestManager hears back about one of its requests, on the main thread.

#include <optional>
#include <string>

#include "platform/foundation/JsonValue.h"

class RPCCaller {
  public:
    virtual ~RPCCaller() = default;
    // The reply of a method, parsed; nothing when it did not parse as JSON.
    virtual void processResult(const std::optional<fnd::JsonValue>& result, const std::string& method) = 0;
    // The method failed; the message says why.
    virtual void callMethod(const std::string& method, const std::string& message) = 0;
};

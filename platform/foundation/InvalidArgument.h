#pragma once
// Raised when an operation is handed a value it has no meaning for: a programming error of the
// caller, not bad input from outside. what() is the reason; the map holds details (the offending
// value under a key the operation names).

#include <map>
#include <stdexcept>
#include <string>
#include <utility>

namespace fnd {

class InvalidArgument : public std::invalid_argument {
  public:
    explicit InvalidArgument(const std::string& reason, std::map<std::string, std::string> userInfo = {})
        : std::invalid_argument(reason), userInfo_(std::move(userInfo)) {}

    const std::map<std::string, std::string>& userInfo() const noexcept { return userInfo_; }

  private:
    std::map<std::string, std::string> userInfo_;
};

}  // namespace fnd

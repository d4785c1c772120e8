#pragma once
// Why a load failed: a kind that callers can test, a description fit to show the user, and the
// technical detail for the log.

#include <string>

namespace fnd {

class URLError {
  public:
    enum class Code {
        BadURL,             // no address, or no host
        UnsupportedScheme,  // anything but http and https, also as a redirect's target
        NotConnected,       // the machine has no network
        CannotFindHost,
        CannotConnectToHost,
        TimedOut,
        ConnectionLost,  // the server went away during the reply
        TooManyRedirects,
        BodyTooLarge,  // the reply passed the request's size limit
        SecureConnectionFailed,
        Failed,  // anything else
    };

    explicit URLError(Code code, std::string detail = {}) : code_(code), detail_(std::move(detail)) {}

    Code code() const { return code_; }
    // "No Connection Error" for a machine without a network.
    std::string description() const;
    const std::string& detail() const { return detail_; }

  private:
    Code code_;
    std::string detail_;
};

}  // namespace fnd

#include "platform/foundation/URLError.h"

namespace fnd {

std::string URLError::description() const {
    switch (code_) {
        case Code::BadURL:
            return "The address is not valid.";
        case Code::UnsupportedScheme:
            return "The address cannot be loaded.";
        case Code::NotConnected:
            return "No Connection Error";
        case Code::CannotFindHost:
            return "The server could not be found.";
        case Code::CannotConnectToHost:
            return "Could not connect to the server.";
        case Code::TimedOut:
            return "The request timed out.";
        case Code::ConnectionLost:
            return "The network connection was lost.";
        case Code::TooManyRedirects:
            return "Too many redirects.";
        case Code::BodyTooLarge:
            return "The reply is too large.";
        case Code::SecureConnectionFailed:
            return "A secure connection to the server could not be made.";
        case Code::Failed:
            break;
    }
    return "The request failed.";
}

}  // namespace fnd

#include "platform/foundation/URLRequest.h"

namespace fnd {

void URLRequest::setFormBody(std::string body) {
    method_ = "POST";
    body_ = std::move(body);
    headers_.set("Content-Type", "application/x-www-form-urlencoded");
}

}  // namespace fnd

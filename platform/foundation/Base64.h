#pragma once
// Base64 (RFC 4648, with padding) of bytes: pictures in messages to the display and in pages.

#include <string>
#include <string_view>

namespace fnd {

std::string base64Encode(std::string_view bytes);

}  // namespace fnd

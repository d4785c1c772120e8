#pragma once
// Base64 (RFC 4648, with padding) of bytes: pictures in messages to the display and in pages.

#include <optional>
#include <string>
#include <string_view>

namespace fnd {

std::string base64Encode(std::string_view bytes);
// The bytes of padded base64 text; nothing when the text is not that (a stray character, a length
// that is not a multiple of 4, padding before the end).
std::optional<std::string> base64Decode(std::string_view text);

}  // namespace fnd

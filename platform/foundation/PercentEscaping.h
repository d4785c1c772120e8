#pragma once
// Percent escaping of text in UTF-8, for form fields, query values and mail bodies.

#include <string>
#include <string_view>

namespace fnd {

// A form field or query value: every byte is escaped as %XX but the letters, digits and
// ! $ ' ( ) * , - . / : @ _ ~ (what may stand in an address and does not split a query or a form).
std::string percentEscapeValue(std::string_view text);

// A text that must arrive whole inside any part of an address (a mail body): every byte is escaped
// but A-Z a-z 0-9 - . _ ~.
std::string percentEscapeStrict(std::string_view text);
// The same, keeping also the characters of `keep` (a map's query values keep "/", "@" and ",").
std::string percentEscapeStrict(std::string_view text, std::string_view keep);

// A whole address built by formatting (a "tel://" or "skype://" link): what may not stand in an
// address at all is escaped (controls, blanks, quotes, < > % \ ^ ` { | } [ ] and every byte beyond
// ASCII); the address's own punctuation stays, "+" and parentheses among it.
std::string percentEscapeURL(std::string_view text);

// Replaces every %XX by its byte. A "%" that does not start two hex digits stays as it is; bytes that
// do not form UTF-8 become U+FFFD. "+" stays "+".
std::string percentUnescape(std::string_view text);

// The same decoding to the bytes as they are, UTF-8 or not (parts of addresses, file names).
std::string percentDecodeBytes(std::string_view text);

}  // namespace fnd

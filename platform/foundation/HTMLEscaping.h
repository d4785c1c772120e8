#pragma once
// Text put into an HTML page as text: the characters that markup gives a meaning to are written as
// character references, so that nothing in the text can open a tag, an attribute or an entity.

#include <string>
#include <string_view>

namespace fnd {

// "&", "<", ">", '"' and "'" become "&amp;", "&lt;", "&gt;", "&quot;" and "&#39;"; every other byte
// stays as it is.
std::string escapeHTML(std::string_view text);

}  // namespace fnd

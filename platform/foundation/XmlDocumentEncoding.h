#pragma once
// Brings an XML document in a legacy character set to UTF-8 before the parser reads it, so that any
// set ICU knows is read (EUC-KR, Big5, GBK, Shift_JIS, koi8-r, ...), not only the few the parser
// knows itself. The set is the one the byte-order mark or the XML declaration names. As browsers do,
// the labels of ISO-8859-1 and US-ASCII are read as windows-1252, whose curly quotes and dashes
// documents so labelled hold in practice. UTF-8 and UTF-16 documents, documents that name no set, and
// sets ICU does not know are left as they are (the parser reports the last ones itself).

#include <optional>
#include <string>
#include <string_view>

namespace fnd {

class XmlDocumentEncoding {
  public:
    // The document in UTF-8 with its declaration saying so, or nothing when it is to be read as it is.
    // Bytes that are no character of the named set become U+FFFD.
    static std::optional<std::string> toUTF8(std::string_view document);
    // The character set that a document with this label is read in ("windows-1252" for "ISO-8859-1").
    static std::string effectiveSet(std::string label);
};

}  // namespace fnd

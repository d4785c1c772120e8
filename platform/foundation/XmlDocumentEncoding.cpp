#include "platform/foundation/XmlDocumentEncoding.h"

#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <memory>
#include <string_view>

namespace fnd {

namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

// Where the value of the declaration's encoding pseudo-attribute lies, when there is one.
struct Declared {
    std::size_t valueStart = 0, valueLength = 0, declarationEnd = 0;
};

bool findDeclaredSet(std::string_view document, Declared& declared) {
    if (!document.starts_with("<?xml")) return false;
    std::size_t end = document.find("?>");
    if (end == std::string_view::npos || end > 1024) return false;
    std::string_view declaration = document.substr(0, end);
    std::size_t at = declaration.find("encoding");
    if (at == std::string_view::npos) return false;
    at += 8;
    auto skipBlanks = [&] {
        while (at < declaration.size() && std::isspace(static_cast<unsigned char>(declaration[at]))) ++at;
    };
    skipBlanks();
    if (at >= declaration.size() || declaration[at] != '=') return false;
    ++at;
    skipBlanks();
    if (at >= declaration.size() || (declaration[at] != '"' && declaration[at] != '\'')) return false;
    char quote = declaration[at++];
    std::size_t close = declaration.find(quote, at);
    if (close == std::string_view::npos) return false;
    declared = {at, close - at, end + 2};
    return true;
}

bool isUnicodeTheParserReads(const std::string& set) {
    return set == "utf-8" || set == "utf8" || set.starts_with("utf-16") || set.starts_with("utf16");
}

// The text in the named set as UTF-8, or nothing when ICU does not know the set.
bool convert(std::string_view text, const std::string& set, std::string& out) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, void (*)(UConverter*)> converter(ucnv_open(set.c_str(), &status), ucnv_close);
    if (U_FAILURE(status) || text.size() > INT32_MAX) return false;
    icu::UnicodeString unicode(text.data(), static_cast<int32_t>(text.size()), converter.get(), status);
    if (U_FAILURE(status)) return false;
    out.clear();
    unicode.toUTF8String(out);
    return true;
}

}  // namespace

std::string XmlDocumentEncoding::effectiveSet(std::string label) {
    static constexpr std::array kWesternLabels{
        "iso-8859-1", "iso8859-1",      "iso_8859-1",  "iso_8859-1:1987", "latin1", "l1",     "cp819",
        "ibm819",     "iso-ir-100",     "csisolatin1", "us-ascii",        "ascii",  "us",     "iso646-us",
        "iso-ir-6",   "ansi_x3.4-1968", "csascii",     "cp367",           "ibm367", "cp1252", "x-cp1252"};
    std::string set = lower(label);
    for (const char* western : kWesternLabels)
        if (set == western) return "windows-1252";
    return set;
}

std::optional<std::string> XmlDocumentEncoding::toUTF8(std::string_view bytes) {
    // A UTF-32 byte-order mark: the parser reads no UTF-32, so the document is converted whole.
    const char* byteOrder = nullptr;
    if (bytes.starts_with(std::string_view("\x00\x00\xFE\xFF", 4))) byteOrder = "UTF-32BE";
    if (bytes.starts_with(std::string_view("\xFF\xFE\x00\x00", 4))) byteOrder = "UTF-32LE";
    if (byteOrder) {
        std::string converted;
        if (!convert(bytes.substr(4), byteOrder, converted)) return std::nullopt;
        Declared declared;
        if (findDeclaredSet(converted, declared))
            converted.replace(declared.valueStart, declared.valueLength, "UTF-8");
        return converted;
    }
    Declared declared;
    if (!findDeclaredSet(bytes, declared)) return std::nullopt;
    std::string set = effectiveSet(std::string(bytes.substr(declared.valueStart, declared.valueLength)));
    if (isUnicodeTheParserReads(set)) return std::nullopt;
    std::string body;
    if (!convert(bytes.substr(declared.declarationEnd), set, body)) return std::nullopt;
    std::string head(bytes.substr(0, declared.declarationEnd));
    head.replace(declared.valueStart, declared.valueLength, "UTF-8");
    return head + body;
}

}  // namespace fnd

#pragma once
// What an XML parser reports, event by event, to the object reading the document.

#include <map>
#include <string>
#include <string_view>

namespace fnd {

class XmlParser;

// Attribute values by name; with namespace processing on, names are qualified ("xlink:href").
using XmlAttributes = std::map<std::string, std::string>;

struct XmlParseError {
    int code = 0;
    std::string message;
    long line = 0;
    long column = 0;
};

class XmlParserDelegate {
  public:
    virtual ~XmlParserDelegate() = default;

    // Without namespace processing `name` is the name as written ("content:encoded") and the
    // namespace and qualified name are empty. With it, `name` is the local name, and the qualified
    // name carries the prefix as written.
    virtual void didStartElement(XmlParser& parser, const std::string& name, const std::string& namespaceURI,
                                 const std::string& qualifiedName, const XmlAttributes& attributes) {
        (void)parser, (void)name, (void)namespaceURI, (void)qualifiedName, (void)attributes;
    }
    virtual void didEndElement(XmlParser& parser, const std::string& name, const std::string& namespaceURI,
                               const std::string& qualifiedName) {
        (void)parser, (void)name, (void)namespaceURI, (void)qualifiedName;
    }
    // Text (CDATA sections included) in UTF-8, possibly in several pieces for one run of text.
    virtual void foundCharacters(XmlParser& parser, std::string_view characters) {
        (void)parser, (void)characters;
    }
    // The document is not well-formed (or cannot be read); it is the last event of the parse.
    virtual void parseErrorOccurred(XmlParser& parser, const XmlParseError& error) {
        (void)parser, (void)error;
    }
};

}  // namespace fnd

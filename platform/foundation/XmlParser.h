#pragma once
// An event-driven XML parser: it walks a document once and tells its delegate of every element
// start and end and of the text between them. A document that is not well-formed ends with an
// error event. No external entity or DTD is ever fetched.

#include <optional>
#include <string>

#include "platform/foundation/XmlParserDelegate.h"

namespace fnd {

class XmlParser {
  public:
    explicit XmlParser(std::string data) : data_(std::move(data)) {}

    // Not owned; it must outlive parse().
    void setDelegate(XmlParserDelegate* delegate) { delegate_ = delegate; }
    // Off by default: names are reported as written, prefixes included.
    void setShouldProcessNamespaces(bool on) { namespaces_ = on; }

    // Parses the whole document; false after an error or an abort.
    bool parse();
    // From within a delegate call: ends the parse after this event. No error event follows, and
    // parserError() stays empty.
    void abortParsing() { abortRequested_ = true; }
    bool wasAborted() const { return aborted_; }

    const std::optional<XmlParseError>& parserError() const { return error_; }

  private:
    struct Run;
    friend struct Run;

    std::string data_;
    XmlParserDelegate* delegate_ = nullptr;
    bool namespaces_ = false;
    bool abortRequested_ = false;
    bool aborted_ = false;
    std::optional<XmlParseError> error_;
};

}  // namespace fnd

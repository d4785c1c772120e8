// Any bytes through the XML event parser, with and without namespace processing: every document
// ends in success, an error event or an abort, and the events nest properly.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/foundation/XmlParser.h"

namespace {

class Checker : public fnd::XmlParserDelegate {
  public:
    std::vector<std::string> open;
    std::size_t textBytes = 0;
    int events = 0;
    int errors = 0;

    void didStartElement(fnd::XmlParser& parser, const std::string& name, const std::string&,
                         const std::string&, const fnd::XmlAttributes& attributes) override {
        if (errors) std::abort();
        open.push_back(name);
        for (const auto& [key, value] : attributes) textBytes += key.size() + value.size();
        // Now and then a reader stops early, as a feed reader does after its fiftieth item.
        if (++events == 200) parser.abortParsing();
    }
    void didEndElement(fnd::XmlParser&, const std::string& name, const std::string&,
                       const std::string&) override {
        if (errors || open.empty() || open.back() != name) std::abort();
        open.pop_back();
    }
    void foundCharacters(fnd::XmlParser&, std::string_view characters) override {
        if (errors) std::abort();
        textBytes += characters.size();
    }
    void parseErrorOccurred(fnd::XmlParser&, const fnd::XmlParseError&) override { ++errors; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string document(reinterpret_cast<const char*>(data), size);
    for (bool namespaces : {false, true}) {
        Checker checker;
        fnd::XmlParser parser(document);
        parser.setDelegate(&checker);
        parser.setShouldProcessNamespaces(namespaces);
        bool ok = parser.parse();
        // Success means a whole document: every element closed, no error reported.
        if (ok && (!checker.open.empty() || checker.errors || parser.parserError())) std::abort();
        // Failure is an abort or exactly one error event.
        if (!ok && !parser.wasAborted() && checker.errors != 1) std::abort();
    }
    return 0;
}

#pragma once
// Reads an e-book's container file and tells the loader where the package file is: the
// "full-path" of the last "rootfile" element.

#include <optional>
#include <string>

#include "platform/foundation/XmlParserDelegate.h"

class MEBookLoader;

class MContainerReader : public fnd::XmlParserDelegate {
  public:
    explicit MContainerReader(MEBookLoader& loader) : loader_(loader) {}
    // The file's contents, or nothing for a missing file (then nothing is found).
    void parseData(const std::optional<std::string>& data);
    const std::string& fullPath() const { return fullPath_; }

    void didStartElement(fnd::XmlParser& parser, const std::string& name, const std::string& namespaceURI,
                         const std::string& qualifiedName, const fnd::XmlAttributes& attributes) override;

  private:
    MEBookLoader& loader_;
    std::string fullPath_;
};

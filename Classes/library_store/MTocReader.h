#pragma once
// Reads an e-book's table of contents and merges its entries into the book's reading order: the
// first entry into a file names that file's page; further entries into a file already named become
// hidden, listed pages right after it; entries into files outside the reading order are dropped.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/XmlParserDelegate.h"

class MEBookLoader;
class MStartItem;

class MTocReader : public fnd::XmlParserDelegate {
  public:
    explicit MTocReader(MEBookLoader& loader) : loader_(loader) {}
    void parseData(const std::optional<std::string>& data);

    void didStartElement(fnd::XmlParser& parser, const std::string& name, const std::string& namespaceURI,
                         const std::string& qualifiedName, const fnd::XmlAttributes& attributes) override;
    void didEndElement(fnd::XmlParser& parser, const std::string& name, const std::string& namespaceURI,
                       const std::string& qualifiedName) override;
    void foundCharacters(fnd::XmlParser& parser, std::string_view characters) override;

  private:
    void placeEntry(const std::string& src);

    MEBookLoader& loader_;
    std::shared_ptr<MStartItem> currentItem_;
    std::vector<std::shared_ptr<MStartItem>> stack_;
    std::optional<std::string> currentText_;
    bool readCharacters_ = false;
    std::string characters_;
    int level_ = 0;
};

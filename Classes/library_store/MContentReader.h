#pragma once
// Reads an e-book's package file: the manifest of its files, the reading order, the table of
// contents' manifest key and the cover's.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Classes/library_store/MManifestRecord.h"
#include "platform/foundation/XmlParserDelegate.h"

class MEBookLoader;

class MContentReader : public fnd::XmlParserDelegate {
  public:
    using Manifest = std::map<std::string, MManifestRecord, std::less<>>;

    explicit MContentReader(MEBookLoader& loader) : loader_(loader) {}
    // Parses the package, appends the reading order to the loader's book as unlisted pages, and
    // hands the table of contents' address to the loader.
    void parseData(const std::optional<std::string>& data);

    const std::optional<Manifest>& manifest() const { return manifest_; }
    const std::vector<std::string>& spine() const { return spine_; }
    const std::optional<std::string>& tocKey() const { return tocKey_; }
    const std::optional<std::string>& coverImageKey() const { return coverImageKey_; }

    void didStartElement(fnd::XmlParser& parser, const std::string& name, const std::string& namespaceURI,
                         const std::string& qualifiedName, const fnd::XmlAttributes& attributes) override;

  private:
    MEBookLoader& loader_;
    std::optional<Manifest> manifest_;
    std::vector<std::string> spine_;
    std::optional<std::string> tocKey_;
    std::optional<std::string> coverImageKey_;
};

#include "Classes/library_store/MContainerReader.h"

#include "Classes/library_store/MEBookLoader.h"
#include "platform/foundation/XmlParser.h"

void MContainerReader::parseData(const std::optional<std::string>& data) {
    fullPath_.clear();
    if (!data) return;
    fnd::XmlParser parser(*data);
    parser.setDelegate(this);
    parser.parse();
    if (!fullPath_.empty()) loader_.containerReaderFoundPath(*this, fullPath_);
}

void MContainerReader::didStartElement(fnd::XmlParser&, const std::string& name, const std::string&,
                                       const std::string&, const fnd::XmlAttributes& attributes) {
    if (name != "rootfile") return;
    if (auto path = attributes.find("full-path"); path != attributes.end()) fullPath_ = path->second;
}

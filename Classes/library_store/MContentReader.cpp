#include "Classes/library_store/MContentReader.h"

#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MEBookLoader.h"
#include "Classes/library_store/MStartItem.h"
#include "platform/foundation/XmlParser.h"

namespace {

std::optional<std::string> attribute(const fnd::XmlAttributes& attributes, const char* name) {
    auto found = attributes.find(name);
    return found == attributes.end() ? std::nullopt : std::optional<std::string>(found->second);
}

}  // namespace

void MContentReader::parseData(const std::optional<std::string>& data) {
    manifest_.reset();
    coverImageKey_.reset();
    tocKey_.reset();
    if (data) {
        fnd::XmlParser parser(*data);
        parser.setDelegate(this);
        parser.parse();
    }
    MEBook& book = *loader_.currentBook();
    for (const std::string& id : spine_) {
        std::string file;
        if (manifest_)
            if (auto record = manifest_->find(id); record != manifest_->end()) file = record->second.hRef();
        auto page = MStartItem::initItemWithImage(MStartItem::kPointerImage, std::nullopt, "", file);
        page->setIsTocItem(false);
        book.items().push_back(page);
    }
    if (manifest_ && tocKey_)
        if (auto record = manifest_->find(*tocKey_); record != manifest_->end())
            loader_.contentReaderFoundToc(*this, record->second.hRef());
}

void MContentReader::didStartElement(fnd::XmlParser&, const std::string& name, const std::string&,
                                     const std::string&, const fnd::XmlAttributes& attributes) {
    if (name == "manifest") {
        manifest_.emplace();
    } else if (name == "item") {
        std::optional<std::string> id = attribute(attributes, "id");
        if (!id || !manifest_) return;
        manifest_->insert_or_assign(*id, MManifestRecord(attribute(attributes, "media-type").value_or(""),
                                                         attribute(attributes, "href").value_or("")));
    } else if (name == "itemref") {
        if (auto id = attribute(attributes, "idref")) spine_.push_back(*id);
    } else if (name == "spine") {
        spine_.clear();
        tocKey_ = attribute(attributes, "toc");
    } else if (name == "meta" && attribute(attributes, "name") == "cover") {
        coverImageKey_ = attribute(attributes, "content");
    }
}

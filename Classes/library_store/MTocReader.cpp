#include "Classes/library_store/MTocReader.h"

#include <algorithm>

#include "Classes/library_store/MEBook.h"
#include "Classes/library_store/MEBookLoader.h"
#include "Classes/library_store/MStartItem.h"
#include "platform/foundation/XmlParser.h"

void MTocReader::parseData(const std::optional<std::string>& data) {
    currentItem_.reset();
    currentText_.reset();
    level_ = 0;
    stack_.clear();
    if (!data) return;
    fnd::XmlParser parser(*data);
    parser.setDelegate(this);
    parser.parse();
}

void MTocReader::didStartElement(fnd::XmlParser&, const std::string& name, const std::string&,
                                 const std::string&, const fnd::XmlAttributes& attributes) {
    if (name == "navPoint") {
        if (currentItem_) stack_.push_back(currentItem_);
        ++level_;
        currentItem_ = std::make_shared<MStartItem>();
        currentItem_->setLevel(level_);
    } else if (name == "text") {
        readCharacters_ = true;
        characters_.clear();
    } else if (name == "content" && currentItem_) {
        auto src = attributes.find("src");
        placeEntry(src == attributes.end() ? std::string() : src->second);
    }
}

void MTocReader::placeEntry(const std::string& src) {
    auto& items = loader_.currentBook()->items();
    // An entry is placed once: a second content element must not rename the page it took.
    if (std::find(items.begin(), items.end(), currentItem_) != items.end()) return;
    std::size_t hash = src.find('#');
    if (hash != std::string::npos && src.find('#', hash + 1) != std::string::npos) return;
    if (hash != std::string::npos) currentItem_->setAnchor(src.substr(hash + 1));
    currentItem_->setFileName(src.substr(0, hash));

    auto first = std::find_if(items.begin(), items.end(),
                              [&](const auto& page) { return page->fileName() == currentItem_->fileName(); });
    if (first == items.end()) return;  // a file outside the reading order: the entry is dropped
    auto end = std::find_if(first, items.end(),
                            [&](const auto& page) { return page->fileName() != currentItem_->fileName(); });
    for (auto page = first; page != end; ++page) {
        if ((*page)->title()) continue;
        (*page)->setAnchor(currentItem_->anchor());
        (*page)->setLevel(currentItem_->level());
        (*page)->setTitle(currentItem_->title());
        (*page)->setIsTocItem(true);
        currentItem_ = *page;
        return;
    }
    currentItem_->setIsHidden(true);
    currentItem_->setIsTocItem(true);
    currentItem_->setImageName(MStartItem::kPointerImage);
    items.insert(end, currentItem_);
}

void MTocReader::didEndElement(fnd::XmlParser&, const std::string& name, const std::string&,
                               const std::string&) {
    if (name == "text") {
        readCharacters_ = false;
        currentText_ = characters_;
    } else if (name == "navLabel") {
        if (currentItem_) currentItem_->setTitle(currentText_);
    } else if (name == "navPoint") {
        if (stack_.empty()) {
            currentItem_.reset();
        } else {
            currentItem_ = stack_.back();
            stack_.pop_back();
        }
        --level_;
    }
}

void MTocReader::foundCharacters(fnd::XmlParser&, std::string_view characters) {
    if (readCharacters_) characters_ += characters;
}

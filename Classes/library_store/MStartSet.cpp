#include "Classes/library_store/MStartSet.h"

#include <mutex>

#include "Classes/library_store/MStartItem.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

MStartSet::MStartSet() { registerArchiveClass(); }

MStartSet::MStartSet(std::string imageName, std::string title, std::string description, Items items)
    : imageName_(std::move(imageName)),
      title_(std::move(title)),
      description_(std::move(description)),
      items_(std::move(items)) {
    registerArchiveClass();
}

void MStartSet::registerArchiveClass() {
    static std::once_flag once;
    std::call_once(once, [] {
        MStartItem::registerArchiveClass();
        fnd::ClassRegistry::shared().registerClass<MStartSet>("MStartSet");
    });
}

std::optional<fnd::URL> MStartSet::URLForFileName(const std::string& fileName,
                                                  const std::optional<std::string>&) const {
    std::optional<std::filesystem::path> path = fnd::Bundle::main().pathForResource(fileName, "htm");
    if (!path) return std::nullopt;
    return fnd::URL::fileURL(*path);
}

void MStartSet::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeString("imageName", imageName_);
    coder.encodeString("title", title_);
    coder.encodeString("description", description_);
    auto array = fnd::ArchiveValue::makeArray();
    for (const auto& item : items_) array->emplace_back(item);
    coder.encodeObject("items", array);
}

void MStartSet::initWithCoder(fnd::KeyedUnarchiver& coder) {
    imageName_ = coder.decodeString("imageName").value_or("");
    title_ = coder.decodeString("title").value_or("");
    description_ = coder.decodeString("description").value_or("");
    items_.clear();
    if (auto array = coder.decodeArray("items"))
        for (const auto& value : *array)
            if (auto item = value.object<MStartItem>()) items_.push_back(item);
}

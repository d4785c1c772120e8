#include "Classes/practice/MBuiltInSetData.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <mutex>

#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetBlock.h"
#include "Classes/practice/MQSetSimpleQuestion.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Json.h"
#include "platform/foundation/Log.h"

namespace {

std::vector<std::string> stringList(const fnd::JsonValue& value) {
    std::vector<std::string> list;
    if (value.isArray())
        for (const auto& item : value.asArray())
            if (item.isString()) list.push_back(item.asString());
    return list;
}

bool isInteger(const fnd::JsonValue& value) { return value.kind() == fnd::JsonValue::Kind::Integer; }

}  // namespace

std::optional<MBuiltInSetData::Content> MBuiltInSetData::parse(const std::string& text,
                                                               const std::string& builderName) {
    auto json = fnd::Json::parse(text);
    if (!json || !json->isMap() || !(*json)["records"].isArray()) return std::nullopt;
    Content content;
    content.passages = stringList((*json)["passages"]);
    const auto& records = (*json)["records"].asArray();
    content.records.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& r = records[i];
        Record record;
        if (!r.isMap() || !isInteger(r["number"]) || !isInteger(r["type"]) || !isInteger(r["answer"]) ||
            !r["body"].isString() || !r["explanation"].isString()) {
            fnd::Log::warning("built-in set ", builderName, ": record ", i, " lacks a field and is left out");
            continue;
        }
        record.number = static_cast<std::int32_t>(r["number"].asInteger());
        record.questionType = static_cast<std::int32_t>(r["type"].asInteger());
        record.rightAnswer = static_cast<std::int32_t>(r["answer"].asInteger());
        record.highlight = static_cast<std::int32_t>(r["highlight"].asInteger(0));
        record.tags = stringList(r["tags"]);
        record.body = r["body"].asString();
        record.answerOptions = stringList(r["options"]);
        record.explanation = r["explanation"].asString();
        if (r.contains("passage")) {
            auto index = r["passage"].asInteger(-1);
            if (!isInteger(r["passage"]) || index < 0 ||
                static_cast<std::size_t>(index) >= content.passages.size()) {
                fnd::Log::warning("built-in set ", builderName, ": record ", i,
                                  " names no passage and is left out");
                continue;
            }
            record.passage = static_cast<int>(index);
        }
        content.records.push_back(std::move(record));
    }
    return content;
}

namespace {

// One builder's content, parsed once by whichever thread asks first; a thread that asks while it
// is being parsed waits for it, and other builders' files are parsed meanwhile.
struct Slot {
    std::once_flag parsed;
    std::shared_ptr<const MBuiltInSetData::Content> content;
};

Slot& slotOf(const std::string& builderName) {
    static std::mutex mutex;
    static std::map<std::string, Slot> slots;  // a map's entries stay where they are
    std::lock_guard lock(mutex);
    return slots[builderName];
}

}  // namespace

std::shared_ptr<const MBuiltInSetData::Content> MBuiltInSetData::content(const std::string& builderName) {
    Slot& slot = slotOf(builderName);
    std::call_once(slot.parsed, [&slot, &builderName] {
        auto path = fnd::Bundle::main().pathForResource(builderName, "json", kFolder);
        auto text = path ? fnd::Bundle(path->parent_path()).textResource(builderName, "json") : std::nullopt;
        std::optional<Content> parsed = text ? parse(*text, builderName) : std::nullopt;
        if (!parsed) {
            fnd::Log::error("built-in set ", builderName, ": no readable data file");
            parsed.emplace();
        }
        slot.content = std::make_shared<const Content>(std::move(*parsed));
    });
    return slot.content;
}

void MBuiltInSetData::readAhead() {
    std::vector<std::string> names;
    std::error_code error;
    const auto folder = fnd::Bundle::main().resourcePath() / kFolder;
    for (auto entry = std::filesystem::directory_iterator(folder, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error))
        if (entry->path().extension() == ".json") names.push_back(entry->path().stem().string());
    // In name order, the order in which the practice file's sets ask for theirs.
    std::sort(names.begin(), names.end());
    for (const auto& name : names) content(name);
}

void MBuiltInSetData::fill(const std::shared_ptr<MQSet>& set, const std::string& builderName) {
    auto data = content(builderName);
    std::shared_ptr<MQSetBlock> block;
    int blockIndex = -1;
    for (const auto& r : data->records) {
        if (r.passage < 0) {
            block.reset();
            blockIndex = -1;
            set->questions().push_back(MQSetSimpleQuestion::make(set, r.number, r.questionType, r.rightAnswer,
                                                                 r.tags, r.body, r.answerOptions,
                                                                 r.explanation, std::nullopt));
            continue;
        }
        if (!block || r.passage != blockIndex) {
            block = std::make_shared<MQSetBlock>();
            block->setCommonText(data->passages[static_cast<std::size_t>(r.passage)]);
            set->blocks().push_back(block);
            blockIndex = r.passage;
        }
        auto question =
            MQSetSimpleQuestion::make(set, r.number, r.questionType, r.rightAnswer, block, r.highlight,
                                      r.tags, r.body, r.answerOptions, r.explanation, std::nullopt);
        set->questions().push_back(question);
        block->addQuestion(question);
    }
}

#include "Classes/flashcards/MBuiltInDeckData.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "Classes/flashcards/MFlashcardsFiles.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Json.h"

namespace {

using fnd::JsonValue;

void note(std::vector<std::string>* problems, std::string line) {
    if (problems) problems->push_back(std::move(line));
}

// The array under `key` of the file flashcards/<name>.json; nothing (and a problem) when the file
// is missing, is no JSON or has no such array.
std::optional<JsonValue::Array> rowsOf(const std::string& name, const char* key,
                                       std::vector<std::string>* problems) {
    std::string file = "flashcards/" + name + ".json";
    auto path = fnd::Bundle::main().pathForResource(name, "json", "flashcards");
    if (!path) {
        note(problems, file + ": missing");
        return std::nullopt;
    }
    auto text = MFlashcardsFiles::read(*path);
    auto json = text ? fnd::Json::parse(*text) : std::nullopt;
    if (!json || !(*json)[key].isArray()) {
        note(problems, file + ": not a JSON object with an array \"" + key + "\"");
        return std::nullopt;
    }
    return (*json)[key].asArray();
}

std::optional<std::string> optionalText(const JsonValue& row, const char* key) {
    const JsonValue& value = row[key];
    if (!value.isString() || value.asString().empty()) return std::nullopt;
    return value.asString();
}

// List items joined into one list of the class given (none when empty).
std::string list(const char* tag, const std::string& cssClass, const JsonValue& items) {
    std::string html = std::string("<") + tag + (cssClass.empty() ? "" : " class=\"" + cssClass + "\"") + ">";
    for (const auto& item : items.asArray()) html += "<li>" + item.asString() + "</li>";
    return html + "</" + tag + ">";
}

// An idiom's title in one spelling: lower case, with single blanks, so that titles differing
// only in case or spacing count as the same idiom.
std::string sameIdiom(const std::string& title) {
    std::string key;
    for (char c : title) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            if (!key.empty() && key.back() != ' ') key += ' ';
        } else {
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    if (!key.empty() && key.back() == ' ') key.pop_back();
    return key;
}

bool isTextList(const JsonValue& value) {
    if (!value.isArray() || value.asArray().empty()) return false;
    return std::all_of(value.asArray().begin(), value.asArray().end(),
                       [](const JsonValue& item) { return item.isString() && !item.asString().empty(); });
}

}  // namespace

const std::vector<std::uint32_t>& MBuiltInDeckData::quantIdentifiers() {
    static const std::vector<std::uint32_t> ids = [] {
        std::vector<std::uint32_t> all;
        const std::pair<std::uint32_t, std::uint32_t> ranges[] = {{1, 55},  {57, 70}, {80, 91},  {93, 93},
                                                                  {95, 95}, {98, 99}, {105, 122}};
        for (auto [first, last] : ranges)
            for (std::uint32_t id = first; id <= last; ++id) all.push_back(id);
        return all;
    }();
    return ids;
}

std::vector<MBuiltInDeckData::QuantCard> MBuiltInDeckData::quantCards(std::vector<std::string>* problems) {
    std::vector<QuantCard> cards;
    auto rows = rowsOf("quant", "cards", problems);
    if (!rows) return cards;

    const auto& expected = quantIdentifiers();
    std::map<std::string, int> topicCount;
    for (const auto& row : *rows) topicCount[row["topic"].asString()]++;
    std::map<std::string, int> topicSeen;
    std::size_t nextExpected = 0;  // cards come in deck order
    for (std::size_t i = 0; i < rows->size(); ++i) {
        const JsonValue& row = (*rows)[i];
        std::string where = "flashcards/quant.json card " + std::to_string(i + 1);
        std::int64_t id = row["id"].asInteger(-1);
        auto position =
            std::find(expected.begin() + static_cast<std::ptrdiff_t>(nextExpected), expected.end(), id);
        if (position == expected.end()) {
            note(problems, where + ": identifier " + std::to_string(id) +
                               " is not a quant card's, is repeated or out of order");
            continue;
        }
        const std::string& topic = row["topic"].asString();
        if (topic.empty() || !isTextList(row["face"]) || !isTextList(row["back"]) ||
            (row.contains("choices") && !isTextList(row["choices"]))) {
            note(problems, where + ": needs a topic and non-empty lists \"face\" and \"back\"");
            continue;
        }
        nextExpected = static_cast<std::size_t>(position - expected.begin()) + 1;

        // A topic with several cards numbers them from the second on: "Percent", "Percent 2".
        int number = ++topicSeen[topic];
        std::string heading = topic + (number > 1 ? " " + std::to_string(number) : "");
        if (row["ultraHard"].asBool()) heading += " (Ultra Hard)";
        std::string head = "<body><h1>" + heading + "</h1>";
        std::string face =
            head + list("ul", row.contains("faceClass") ? row["faceClass"].asString() : "large", row["face"]);
        if (row.contains("choices")) face += list("ol", "answers", row["choices"]);
        std::string back = head + list("ul", row["backClass"].asString(), row["back"]);
        cards.push_back({static_cast<std::uint32_t>(id), face + "</body>", back + "</body>"});
    }
    return cards;
}

std::vector<MBuiltInDeckData::Idiom> MBuiltInDeckData::idioms(std::vector<std::string>* problems) {
    std::vector<Idiom> idioms;
    auto rows = rowsOf("idioms", "idioms", problems);
    if (!rows) return idioms;
    std::map<std::string, std::size_t> firstRowOf;  // by the title as sameIdiom spells it
    for (std::size_t i = 0; i < rows->size(); ++i) {
        const JsonValue& row = (*rows)[i];
        std::string where = "flashcards/idioms.json idiom " + std::to_string(i + 1);
        auto title = optionalText(row, "title");
        auto example = optionalText(row, "example");
        if (!title || !example) {
            note(problems, where + ": needs a title and an example");
            continue;
        }
        // A repeated idiom is a fault of the file, but its card stays: leaving it out would give
        // every later card another identifier, and stored histories attach to identifiers.
        auto [first, isNew] = firstRowOf.emplace(sameIdiom(*title), i + 1);
        if (!isNew)
            note(problems, where + ": repeats idiom " + std::to_string(first->second) + ", " + *title);
        idioms.push_back({*title, optionalText(row, "description"), *example});
    }
    return idioms;
}

std::vector<MBuiltInDeckData::Voice> MBuiltInDeckData::voices(std::vector<std::string>* problems) {
    std::vector<Voice> voices;
    auto rows = rowsOf("voices", "voices", problems);
    if (!rows) return voices;
    for (std::size_t i = 0; i < rows->size(); ++i) {
        const JsonValue& row = (*rows)[i];
        std::string where = "flashcards/voices.json voice " + std::to_string(i + 1);
        auto cite = optionalText(row, "cite");
        auto nickName = optionalText(row, "nickName");
        std::int64_t score = row.contains("score") ? row["score"].asInteger(0) : -1;
        if (!cite || !nickName) {
            note(problems, where + ": needs a quotation and an author");
            continue;
        }
        if (score != -1 && (score < 200 || score > 800)) {
            note(problems, where + ": a score is -1 or from 200 to 800");
            continue;
        }
        Voice voice{{}, *cite, *nickName, static_cast<int>(score), optionalText(row, "school")};
        for (const auto& category : row["categories"].asArray())
            if (category.isString()) voice.categories.push_back(category.asString());
        voices.push_back(std::move(voice));
    }
    return voices;
}

MBuiltInDeckData::Report MBuiltInDeckData::validate() {
    Report report;
    auto incomplete = [&report](const char* deck, std::size_t have, std::size_t expected) {
        if (have > expected)
            report.problems.push_back(std::string(deck) + ": " + std::to_string(have) + " cards, more than " +
                                      std::to_string(expected));
        else if (have < expected)
            report.incomplete.push_back(std::string(deck) + ": " + std::to_string(have) + " of " +
                                        std::to_string(expected) + " cards");
    };
    incomplete("Vessark's Quant", quantCards(&report.problems).size(), quantIdentifiers().size());
    incomplete("Idioms", idioms(&report.problems).size(), kIdiomCount);
    incomplete("Voices", voices(&report.problems).size(), kVoiceCount);
    return report;
}

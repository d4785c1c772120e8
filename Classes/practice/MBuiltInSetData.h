#pragma once
// The content of a built-in set builder, read from its data file in the bundle's "question_sets"
// folder (the format is described in the README beside the files). A file is read and parsed once
// per process; every build after that makes the records from the parsed content.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class MQSet;

class MBuiltInSetData {
  public:
    struct Record {
        std::int32_t number = 0;
        std::int32_t questionType = 0;
        std::int32_t rightAnswer = 0;
        // Index into the passages for a reading-comprehension record, else -1.
        int passage = -1;
        std::int32_t highlight = 0;
        std::vector<std::string> tags;
        std::string body;
        std::vector<std::string> answerOptions;
        std::string explanation;
    };
    struct Content {
        std::vector<std::string> passages;
        std::vector<Record> records;
    };

    // Appends the builder's records to the set in file order, each passage as one block holding
    // its run of records. A missing or unreadable file appends nothing (and is logged).
    static void fill(const std::shared_ptr<MQSet>& set, const std::string& builderName);

    // The bundle's folder of data files, one per builder, named after it.
    static constexpr const char* kFolder = "question_sets";

    // The builder's parsed content; empty when the file is missing or unreadable. Records that
    // lack a field or name a passage that is not there are left out and logged. Safe to call from
    // any thread.
    static std::shared_ptr<const Content> content(const std::string& builderName);
    // Parses every data file of the bundle's folder that has not been parsed yet, so that the
    // sets built later find their content ready (the loading thread does it while it would
    // otherwise wait for the practice file).
    static void readAhead();
    // Parses the text of a data file; nothing when it is not one.
    static std::optional<Content> parse(const std::string& text, const std::string& builderName);
};

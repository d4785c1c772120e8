#pragma once
// The user's own question sets: choosing a new set's identifier, making the set, and taking a
// question or a whole set away. A custom set has an identifier from 7000 to 8000 and is held twice
// by the practice repository: in qSets, which the filter and the sets tool see, and in customQSets,
// which is archived whole.
//
// Identifiers go round: after the last one given p comes p + 1, and 7000 after 8000. One that a
// custom set still holds is passed over, so two sets never share the keys of their questions'
// histories and bookmarks; when all 1001 are held, no set can be made.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class MPracticeRepository;
class MQSet;

class CustomSets {
  public:
    using Sets = std::vector<std::shared_ptr<MQSet>>;
    static constexpr std::int32_t kFirstUID = 7000;
    static constexpr std::int32_t kLastUID = 8000;
    static constexpr const char* kImageName = "Sets_custom.png";

    static bool isCustom(std::int32_t setUID) { return setUID >= kFirstUID && setUID <= kLastUID; }
    // The identifier after `last` that none of the sets holds; nothing when all are held.
    static std::optional<std::int32_t> nextUID(std::int32_t last, const Sets& sets);
    // A new inactive set of that name and description, appended to qSets and customQSets, its
    // identifier kept as practiceCSLastUID; null when every identifier is held.
    static std::shared_ptr<MQSet> create(MPracticeRepository& practice, std::string name,
                                         std::string description);
    // Takes the question at that place out of the set and the bookmarks, and numbers the rest
    // 1, 2, 3 ... again, each with its new key.
    static void removeQuestion(MPracticeRepository& practice, MQSet& set, std::size_t index);
    // Takes the set out of qSets and customQSets and its questions out of the bookmarks.
    static void removeSet(MPracticeRepository& practice, const std::shared_ptr<MQSet>& set);

    // "NAME (COUNT)".
    static std::string title(const MQSet& set);
    // A question's body without its tags, as a row shows it.
    static std::string plainBody(const std::string& body);
};

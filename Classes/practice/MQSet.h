#pragma once
// A question set: its identity, name and icon, its questions in display order, the passages they
// share, whether it takes part in the work set, and the current question.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

class MCourse;
class MQSetBlock;
class MQSetHRecord;
class MQSetQuestion;
class MSessions;

class MQSet : public fnd::Object, public fnd::Coding {
  public:
    using Questions = std::vector<std::shared_ptr<MQSetQuestion>>;
    using HistoryDictionary = std::map<std::string, std::vector<std::shared_ptr<MQSetHRecord>>, std::less<>>;

    static constexpr std::int32_t kNotFound = 0x7fffffff;
    static constexpr std::int32_t kWorkSetUID = 0;
    static constexpr std::int32_t kForumSetUID = 90000;
    static constexpr std::int32_t kBookmarksSetUID = 99999;

    MQSet() = default;
    static std::shared_ptr<MQSet> make(std::int32_t setUID, std::string setName, std::string description,
                                       std::string imageName, bool isActive);

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // "PS", "DS", "SC", "CR", "RC", "RCFirst", "TC", "SE", "QC", "NE", "MC" for 1 to 11; else nothing.
    static std::optional<std::string> nameForType(std::int32_t type);
    static bool nameMatchesType(const std::string& name, std::int32_t type);

    // The index of that very question object, or kNotFound.
    std::int32_t indexOfQuestion(const MQSetQuestion* question) const;
    // Appends the question unless the object is already in the set.
    void addQuestion(const std::shared_ptr<MQSetQuestion>& question);
    // Removes the question; the cursor stays inside the set (-1 when it became empty).
    void removeQuestion(const MQSetQuestion* question);
    // The question at the cursor; null for an empty set or a cursor outside it.
    std::shared_ptr<MQSetQuestion> cursorQuestion() const;
    // Whether a question with the same body, or the same forum address, is in the set.
    bool isQuestionAlreadyExist(const MQSetQuestion& question) const;
    bool isQuestionWithURLAlreadyExist(const std::string& url) const;
    // The forum address of the question of that type with the highest number; where a scan resumes.
    std::optional<std::string> urlStringOfLastQuestionByType(std::int32_t type) const;
    int numberOfUnansweredQuestionsOfType(std::int32_t type) const;
    int numberOfRightAnswers() const;
    int numberOfWrongAnswers() const;
    // Gives each question of the sets whose key is in the dictionary the history stored under it,
    // taking it out of the dictionary. Questions that share a key all get the same records.
    static void restoreHistory(const std::vector<std::shared_ptr<MQSet>>& sets, HistoryDictionary& histories);
    // Lets the sessions take back the attempts of every question, in question order.
    void restoreSessions(MSessions& sessions);

    std::int32_t setUID() const { return setUID_; }
    void setSetUID(std::int32_t uid) { setUID_ = uid; }
    const std::string& setName() const { return setName_; }
    void setSetName(std::string name) { setName_ = std::move(name); }
    const std::string& description() const { return description_; }
    void setDescription(std::string text) { description_ = std::move(text); }
    const std::string& imageName() const { return imageName_; }
    void setImageName(std::string name) { imageName_ = std::move(name); }
    const Questions& questions() const { return questions_; }
    Questions& questions() { return questions_; }
    bool isActive() const { return isActive_; }
    void setIsActive(bool active) { isActive_ = active; }
    std::int32_t cursor() const { return cursor_; }
    void setCursor(std::int32_t cursor) { cursor_ = cursor; }
    const std::vector<std::shared_ptr<MQSetBlock>>& blocks() const { return blocks_; }
    std::vector<std::shared_ptr<MQSetBlock>>& blocks() { return blocks_; }
    std::shared_ptr<MCourse> course() const { return course_.lock(); }
    void setCourse(const std::shared_ptr<MCourse>& course) { course_ = course; }

  private:
    std::int32_t setUID_ = 0;
    std::string setName_;
    std::string description_;
    std::string imageName_;
    Questions questions_;
    bool isActive_ = false;
    std::int32_t cursor_ = -1;
    std::vector<std::shared_ptr<MQSetBlock>> blocks_;
    std::weak_ptr<MCourse> course_;
};

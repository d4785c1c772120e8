#pragma once
// A practice question: where it belongs (set, number, type), its text, its official answer, and
// the history of attempts. The key built from set, number and type (and, for a question harvested
// from the forum, its topic number) is how histories, bookmarks and backups find it again.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

class MQSet;
class MQSetAnswer;
class MQSetBlock;
class MQSetHRecord;
class MSessions;

class MQSetQuestion : public fnd::Object, public fnd::Coding {
  public:
    using History = std::vector<std::shared_ptr<MQSetHRecord>>;
    using Strings = std::vector<std::string>;

    // The tags without any that speak of a source (any letter case), order kept.
    static Strings filterTags(const Strings& tags);

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // Rebuilds the key from the set, number, type and topic number of the thread address.
    void setupKey();
    // Replaces the history; an empty list means no attempt yet.
    void restoreHistory(History history) { history_ = std::move(history); }
    // Appends an attempt and hands it to the running practice session, if any.
    void addHistoryRecord(const std::shared_ptr<MQSetHRecord>& record);
    // The type code ("PS", "DS", ...).
    std::optional<std::string> stringWithType() const;
    // Plain text describing the question for a feedback mail.
    virtual std::string describeItself() const;
    // Parses an answer from the text its jsString writes; null for text it cannot read.
    virtual std::shared_ptr<MQSetAnswer> answerFromString(const std::string& text) const;

    // Where addHistoryRecord finds the practice sessions; by default the central repository's
    // (its practice repository's). Tests and tools that run without the application set their own.
    using SessionsSource = std::function<std::shared_ptr<MSessions>()>;
    static void setSessionsSource(SessionsSource source);

    const std::string& key() const { return key_; }
    std::shared_ptr<MQSet> set() const { return set_.lock(); }
    // Gives the question to a set; its key, which names the set, follows.
    void setSet(const std::shared_ptr<MQSet>& set);
    std::int32_t number() const { return number_; }
    void setNumber(std::int32_t number) { number_ = number; }
    std::int32_t questionType() const { return questionType_; }
    void setQuestionType(std::int32_t type) { questionType_ = type; }
    const std::shared_ptr<MQSetAnswer>& rightAnswer() const { return rightAnswer_; }
    void setRightAnswer(std::shared_ptr<MQSetAnswer> answer) { rightAnswer_ = std::move(answer); }
    const std::string& body() const { return body_; }
    void setBody(std::string body) { body_ = std::move(body); }
    const std::string& explanation() const { return explanation_; }
    void setExplanation(std::string text) { explanation_ = std::move(text); }
    const std::optional<std::string>& threadURL() const { return threadURL_; }
    void setThreadURL(std::optional<std::string> url) { threadURL_ = std::move(url); }
    const Strings& tags() const { return tags_; }
    void setTags(Strings tags) { tags_ = std::move(tags); }
    const Strings& answerOptions() const { return answerOptions_; }
    void setAnswerOptions(Strings options) { answerOptions_ = std::move(options); }
    // Oldest first; empty until the first attempt.
    const History& history() const { return history_; }
    bool hasHistory() const { return !history_.empty(); }
    const std::shared_ptr<MQSetBlock>& block() const { return block_; }
    void setBlock(std::shared_ptr<MQSetBlock> block) { block_ = std::move(block); }
    std::int32_t highlight() const { return highlight_; }
    void setHighlight(std::int32_t highlight) { highlight_ = highlight; }

  protected:
    // Sets the fields and builds the key; the question is added to no set or passage.
    void initWith(const std::shared_ptr<MQSet>& set, std::int32_t number, std::int32_t questionType,
                  std::int32_t rightAnswer, std::shared_ptr<MQSetBlock> block, std::int32_t highlight,
                  Strings tags, std::string body, Strings answerOptions, std::string explanation,
                  std::optional<std::string> threadURL);

  private:
    std::string key_;
    std::weak_ptr<MQSet> set_;
    std::int32_t number_ = 0;
    std::int32_t questionType_ = 0;
    std::shared_ptr<MQSetAnswer> rightAnswer_;
    std::string body_;
    std::string explanation_;
    std::optional<std::string> threadURL_;
    Strings tags_;
    Strings answerOptions_;
    History history_;
    std::shared_ptr<MQSetBlock> block_;
    std::int32_t highlight_ = 0;
};

#pragma once
// One generated maths-game question: its HTML body, four option texts and which is right, the
// times it allows and, once played, the player's answer and time. The review list of the last
// questions played is archived as a list of these under "gameReviewQuestions".

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

namespace fnd {
class KeyedArchiver;
class KeyedUnarchiver;
}  // namespace fnd

class MGameQuestion : public fnd::Object, public fnd::Coding {
  public:
    using Strings = std::vector<std::string>;
    using List = std::vector<std::shared_ptr<MGameQuestion>>;

    // The review list keeps this many questions, the newest.
    static constexpr std::size_t kReviewListLimit = 25;
    static constexpr const char* kReviewQuestionsKey = "gameReviewQuestions";

    // An empty question, as the archive's reader makes it before initWithCoder.
    MGameQuestion();
    // A question not yet answered: userAnswer -1, userTime 0.
    MGameQuestion(Strings tags, std::string body, Strings answerOptions, int rightAnswer, double readTime,
                  double totalTime);

    // Makes the class known to archives by its name; every constructor calls it.
    static void registerArchiveClass();

    const Strings& tags() const { return tags_; }
    void setTags(Strings tags) { tags_ = std::move(tags); }
    const std::string& body() const { return body_; }
    void setBody(std::string body) { body_ = std::move(body); }
    const Strings& answerOptions() const { return answerOptions_; }
    void setAnswerOptions(Strings options) { answerOptions_ = std::move(options); }
    int rightAnswer() const { return rightAnswer_; }
    void setRightAnswer(int index) { rightAnswer_ = index; }
    int userAnswer() const { return userAnswer_; }
    void setUserAnswer(int index) { userAnswer_ = index; }
    double userTime() const { return userTime_; }
    void setUserTime(double seconds) { userTime_ = seconds; }
    double readTime() const { return readTime_; }
    double totalTime() const { return totalTime_; }

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    // A missing key leaves its field empty, 0 or 0.0.
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // The review list, newest first: a question goes in at the front and the oldest beyond the
    // limit drop off, so the list never grows past it.
    static void insertIntoReviewList(List& list, std::shared_ptr<MGameQuestion> question);
    // Writes the list (at most the limit, newest first) under "gameReviewQuestions".
    static void encodeReviewQuestions(fnd::KeyedArchiver& coder, const List& list);
    // The list under "gameReviewQuestions", cut to the limit; empty when the key is missing. Elements
    // that are not questions are skipped.
    static List decodeReviewQuestions(fnd::KeyedUnarchiver& coder);

  private:
    Strings tags_;
    std::string body_;
    Strings answerOptions_;
    int rightAnswer_ = 0;
    int userAnswer_ = 0;
    double readTime_ = 0;
    double totalTime_ = 0;
    double userTime_ = 0;
};

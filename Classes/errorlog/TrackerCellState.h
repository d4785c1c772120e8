#pragma once
// Fills one row of the tracker list from its question, the question's attempts and the run's
// stopwatch: number, page, time, the last letter and guess mark, the marks of the last two
// attempts, concept tags, a reading passage's total time and the row's keys. A renderer serves one
// render: the tracker screen makes TrackerCellStatePlain for an ordinary row or
// TrackerCellStateSelected for the current question's, gives it the section and calls handle().
//
// A question without a key is unscored: its attempts show their letters but no right or wrong
// mark. A page that the key does not give is not shown.

#include <memory>
#include <string>

#include "platform/foundation/Object.h"

class MQuestion;
class MSection;
class MSetTimer;
namespace ui {
class ActivityIndicator;
class Button;
class Image;
class ImageView;
class Label;
class View;
}  // namespace ui

class TrackerCellState : public fnd::Object {
  public:
    // The tags of the row's parts, shared by the row layouts, the tracker screen and the tests.
    enum Tag {
        kNumberTag = 200,
        kTimeTag = 201,
        kCheckAnswerTag = 202,
        kPageTag = 203,
        kHistoryTag = 204,
        kConceptNamesTag = 210,
        kExplanationTag = 220,
        kStartFinishTag = 300,
        kActivityTag = 301,
        kUserAnswerTag = 302,
        kCurrentSectionTag = 320,
        kGuessTag = 330,
        kPauseTag = 350,
        kOATag = 360,
        kRCTextTag = 490,
        kTimeRCTag = 500,
    };
    static constexpr const char* kRightImage = "Section_right.png";
    static constexpr const char* kWrongImage = "Section_wrong.png";
    static constexpr const char* kHistoryRightImage = "Section_history_right.png";
    static constexpr const char* kHistoryWrongImage = "Section_history_wrong.png";
    static constexpr const char* kEmptyImage = "empty.png";
    static constexpr const char* kPassageImage = "Section_RC.png";
    static constexpr const char* kStartImage = "Section_buttons_start.png";
    static constexpr const char* kFinishImage = "Section_buttons_finish.png";
    static constexpr const char* kPauseImage = "Section_buttons_pause.png";
    static constexpr const char* kContinueImage = "Section_buttons_continue.png";
    static constexpr const char* kNoTime = "--:--";

    // The row's view (a cell), its position in the shown list, the run's stopwatch and the question.
    TrackerCellState(std::shared_ptr<ui::View> cell, int index, std::shared_ptr<MSetTimer> timer,
                     std::shared_ptr<MQuestion> question);

    void setMainSection(std::shared_ptr<MSection> section) { mainSection_ = std::move(section); }
    const std::shared_ptr<MSection>& mainSection() const { return mainSection_; }

    // Fills the row.
    virtual void handle();

    // The row's parts by tag; null where the layout lacks one.
    std::shared_ptr<ui::Label> numberLbl() const;
    std::shared_ptr<ui::Label> timeLbl() const;
    std::shared_ptr<ui::Label> timeRCLbl() const;
    std::shared_ptr<ui::ImageView> RCTextIV() const;
    std::shared_ptr<ui::Label> conceptNamesLbl() const;
    std::shared_ptr<ui::ImageView> checkAnswerIV() const;
    std::shared_ptr<ui::ImageView> historyIV() const;
    std::shared_ptr<ui::Button> explanationBtn() const;
    std::shared_ptr<ui::Button> startFinishBtn() const;
    std::shared_ptr<ui::Button> pauseBtn() const;
    std::shared_ptr<ui::Button> oaBtn() const;
    std::shared_ptr<ui::ActivityIndicator> activityV() const;
    std::shared_ptr<ui::Label> userAnswerLbl() const;
    std::shared_ptr<ui::Label> guessLbl() const;
    std::shared_ptr<ui::ImageView> currentSectionIV() const;
    std::shared_ptr<ui::Label> pageLbl() const;

    // Whether the question opens a reading passage.
    bool fRCARFirst() const;
    // How opaque the parts are: the letters and marks hide while the stopwatch is active.
    virtual double timeRCLableAlpha() const;
    virtual double conceptNamesLableAlpha() const { return 0.0; }
    double defaultLabelAlpha() const;

    // A bundle picture, read once per process (rows render often).
    static std::shared_ptr<const ui::Image> imageNamed(const std::string& name);

  protected:
    // The part of handle() both renderers share.
    void handleCommon();
    // The last attempt's letter and guess mark, unless older than the repository's show time.
    void handleHRecord();
    // The marks of an answer given in this run, and the concept tags.
    void handleHistoryAndConceptNames();
    // A passage-first row's total of its passage's last attempts.
    void handleRCFirst();
    // The mark of an attempt's letter against the key: the right or wrong picture, empty when
    // the question is unscored.
    std::string markFor(int answer, const char* right, const char* wrong) const;
    bool isActive() const;

    template <class V>
    std::shared_ptr<V> part(int tag) const;

    std::shared_ptr<MSetTimer> timer_;
    std::shared_ptr<MQuestion> question_;
    std::shared_ptr<ui::View> cell_;
    int index_;
    std::shared_ptr<MSection> mainSection_;
};

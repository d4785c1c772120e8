#pragma once
// The HTML page of one practice question and the scripts the question screen sends into it. The
// page is built from the question and a few settings of the screen, and later changed only by
// scripts: the reveal of the answer, the passage toggle, the font size and the keyword marks.
//
// The page's elements that the scripts and the request bridge rely on: option rows "tr1".."tr5"
// (class "unknownA", "rightA" once revealed), radios "radioA".."radioE" named "answer" with the
// values 1..5, the submit paragraph "submit", the passage divs "displayFullText" and
// "displayShortText", the hidden blocks "explanation", "history" and "delReportBtns", and forms
// whose hidden field "btnType" names a key ("shortFullBtn", "deleteBtn", "reportBtn").
//
//     QuestionPage::Inputs in{question, QuestionPage::phone()};
//     in.unanswered = true;
//     webView.loadHTMLString(QuestionPage::page(in), resourceFolder);

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class MKeyWordsSet;
class MQSetHRecord;
class MQSetQuestion;

class QuestionPage {
  public:
    // The page's differences between the phone and the tablet.
    struct Device {
        std::string brTag;
        std::size_t blockMaxCommonTextLength = 0;
        int tableWidth = 0;
        // The tablet writes the thread link whole; the phone shortens a long one.
        bool wholeThreadLink = false;
    };
    static Device phone();
    static Device tablet();

    static constexpr const char* kRightRowColour = "#A8E8A0";
    static constexpr std::size_t kWholeLinkLength = 34;
    static constexpr std::size_t kLinkHeadLength = 20;
    static constexpr std::size_t kLinkTailLength = 10;

    struct Inputs {
        const MQSetQuestion* question = nullptr;
        Device device;
        // The screen's questionMode 1: the submit key is written.
        bool unanswered = false;
        // The full passage is shown even when it is long.
        bool fullPassage = false;
        // "@2x" on a screen of scale 2, else empty.
        std::string imageSuffix;
        int fontSize = 13;
        const MKeyWordsSet* keyWords = nullptr;
        bool keyWordsActive = false;
    };

    // The whole page: the template around the body.
    static std::string page(const Inputs& inputs);
    static std::string body(const Inputs& inputs);
    // Whether the question's passage is short enough to show whole without a toggle; true for a
    // question without a passage.
    static bool isPassageShort(const MQSetQuestion& question, const Device& device);
    // Whether the question is the first of its passage (or has no passage): it opens with the
    // passage shown whole.
    static bool opensWithFullPassage(const MQSetQuestion& question);
    // The link paragraph of a thread address. An address that is not http or https is shown as
    // text, not linked.
    static std::string threadLink(const std::string& address, bool whole);

    // ---- Scripts

    // The reveal: options locked, submit key gone, explanation, keys and the right row shown, and
    // the history with `current` marked.
    static std::vector<std::string> revealScripts(const MQSetQuestion& question, const MQSetHRecord* current);
    // The history text of the reveal, newest record first.
    static std::string historyText(const MQSetQuestion& question, const MQSetHRecord* current);
    // The passage toggle, from the form that was shown before.
    static std::vector<std::string> passageToggleScripts(bool fullShownBefore);
    static std::string fontSizeScript(int size);
    // Checks the radio of a recorded choice 1..5; empty for another value.
    static std::string checkChoiceScript(int choice);
    static constexpr const char* kKeyWordsScript = "showHideKW();";

  private:
    static void appendPassage(std::string& out, const Inputs& inputs);
    static void appendOptions(std::string& out, const Inputs& inputs);
    static void appendExplanation(std::string& out, const Inputs& inputs);
    static void appendOwnerAndKeys(std::string& out, const Inputs& inputs);
    // Forum questions come from outside: their HTML is cleaned again at every build. The person's
    // own questions are shown as written, with only the formatting of their markup.
    static std::string shown(const Inputs& inputs, const std::string& html);
    static std::string marked(const Inputs& inputs, const std::string& html);
};

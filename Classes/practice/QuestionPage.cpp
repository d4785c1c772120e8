#include "Classes/practice/QuestionPage.h"

#include <algorithm>
#include <array>

#include "Classes/forum_news/HTMLCleaner.h"
#include "Classes/practice/CustomSets.h"
#include "Classes/practice/MKeyWordsSet.h"
#include "Classes/practice/MQSet.h"
#include "Classes/practice/MQSetAnswer.h"
#include "Classes/practice/MQSetBlock.h"
#include "Classes/practice/MQSetHRecord.h"
#include "Classes/practice/MQSetQuestion.h"
#include "Classes/practice/MQSetSimpleAnswer.h"
#include "Classes/practice/QuestionMarkup.h"
#include "Classes/study_aids/MCourse.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/HTMLEscaping.h"

namespace {

constexpr int kDataSufficiency = 2;

constexpr std::array<const char*, 5> kDataSufficiencyOptions{
    "Statement (1) ALONE is sufficient, but statement (2) alone is not sufficient.",
    "Statement (2) ALONE is sufficient, but statement (1) alone is not sufficient.",
    "BOTH statements TOGETHER are sufficient, but NEITHER statement ALONE is sufficient.",
    "EACH statement ALONE is sufficient.",
    "Statements (1) and (2) TOGETHER are NOT sufficient.",
};
constexpr std::array<const char*, 5> kLetters{"A", "B", "C", "D", "E"};

// The document around the body: its head, one style sheet and the two page functions. The three
// holes are the font size, the right row's colour and the body.
constexpr const char* kTemplateHead =
    " <!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
    "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">"
    "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title></title>"
    "<meta name=\"viewport\" content=\"width=320; initial-scale=1.0; maximum-scale=1.0; user-scalable=0;\"/>"
    "</head><style type=\"text/css\">"
    "body {font-size: ";
constexpr const char* kStyleAfterFontSize =
    "pt; font-family: arial; margin: 0; padding: 0;}"
    "p {text-align: justify; margin: 5px; padding-bottom: 14px;}"
    "p.submit {text-align: center; margin: 5px; padding-bottom: 14px;}"
    "#delReportBtns {text-align: center; margin: 5px; padding-bottom: 14px; display: none;}"
    "#explanation {display: none; padding-bottom: 14px;}"
    "#history {display: none;}"
    "#expRightAnswer {font-weight: bold;}"
    "tr.unknownA {background-color: #FFFFFF;}"
    "tr.rightA {background-color: ";
constexpr const char* kStyleAfterRightColour =
    ";}"
    "tr.wrongA {background-color: #FFC0C0;}"
    "table {margin: 5px; border-spacing: 0 1px; border-collapse: collapse;}"
    "table tr td {padding-bottom: 15px; vertical-align: top;}"
    "input.r {margin: 5px; padding: 2px;}"
    "button {font-size: 100%;}"
    // The page's keys look like the screen's own: blue, rounded, white bold titles.
    "button.submit {font-weight: bold; color: #FFFFFF; background-color: #3B6FD6; border: 1px solid #24498F; "
    "border-radius: 8px; padding: 8px 18px; margin: 4px;}"
    "button.submit:active {background-color: #2A56AD;}"
    "tr.unknownA {cursor: pointer;}"
    "p.tags {font-size: 77%; font-style: italic; color: #909090;}"
    "p.qowner {font-size: 77%; font-style: italic; color: #909090; padding-top: 14px; "
    "border-top: 1px solid #B0B0B0;}"
    "p.course {padding-top: 0; border-top: 1px dashed #B0B0B0;}"
    "table.course {font-size: 92%; width: 300px; text-align: center; font-style: italic; "
    "margin-left: auto; margin-right: 6px;}"
    "span.course {font-size: 77%; font-style: italic; color: #909090;}"
    "p.separate {text-align: center; font-size: 12px; border-top: 1px solid #C0C0C0; padding-top: 0; "
    "margin-top: 40px;}"
    ".hrecord {font-style: italic; font-size: 92%; color: #606060;}"
    ".hrecordAnswerWrong {background-color: #FFB0B0;}"
    "span.nohighlight {-webkit-tap-highlight-color: rgba(0,0,0,0);}"
    "span.kwselected {background-color: #FFE8C0;}"
    "span.kwdeselected {background-color: transparent;}"
    "a:link, a:visited, a:hover, a:active {font-size: 92%; text-decoration: underline; color: #459926;}"
    "a.t:link, a.t:visited, a.t:hover, a.t:active {font-size: 100%; text-decoration: none; color: black;}"
    "a.thread:link, a.thread:visited, a.thread:hover, a.thread:active {font-size: 92%; font-style: italic; "
    "text-decoration: none; color: #006080;}"
    "h1 {font-size: 123%; text-align: center;}"
    "ol {margin-top: 0;}"
    "#sc_underline {text-decoration: underline;}"
    "span.rightAnswer {font-style: italic; font-weight: bold;}"
    "p.history {font-size: 92%; font-style: italic; color: #303030; text-align: center; padding: 2px; "
    "margin: 0; border-bottom: 1px solid #B0B0B0; background-color: #E0E0E0;}"
    "p.hint {font-size: 77%; font-style: italic; color: #909090; padding-top: 14px; "
    "border-top: 1px solid #B0B0B0;}"
    "input.right {margin: 5px; padding: 2px; border: 1px solid #0000FF;}"
    "table.mathbox {margin: 1px; padding: 2px; border: 1px; position: relative;}"
    "table.mathbox td {padding: 2px; vertical-align: middle;}"
    ".upperline {border-top: 1px solid black;}"
    ".idiom {color: #FF0000;}"
    "img.mathtex {vertical-align: middle; padding: 2px;}"
    // A figure wider than the page is scaled down to it, so that nothing is cut or drags sideways.
    "img {max-width: 100%; height: auto; box-sizing: border-box;}"
    "</style>"
    "<script type=\"text/javascript\">"
    "function select_answer(answer) {var e = document.getElementById('radio' + answer);"
    " if (e && !e.disabled) e.checked = true;}"
    "function showHideKW() {var spans = document.getElementsByTagName('span');"
    " for (var i = 0; i < spans.length; i++) {"
    " if (spans[i].className == 'kwdeselected') spans[i].className = 'kwselected';"
    " else if (spans[i].className == 'kwselected') spans[i].className = 'kwdeselected';}}"
    // A tap anywhere on an option's row chooses it, not only on its radio or its words.
    "document.addEventListener('click', function (event) {"
    " var row = event.target.closest ? event.target.closest('tr[id^=\"tr\"]') : null;"
    " if (!row || event.target.tagName == 'INPUT' || event.target.tagName == 'A') return;"
    " var letter = 'ABCDE'.charAt(Number(row.id.substring(2)) - 1);"
    " if (letter) select_answer(letter);});"
    "</script><body>";
constexpr const char* kTemplateEnd = "</body></html>";

std::string separator(const std::string& suffix) {
    return "<p class=\"separate\"><img style=\"position: relative; left: 0px; top: -6px;\" "
           "src=\"separation_image" +
           suffix + ".png\" width=\"75px\" height=\"10px\"/></p>";
}

std::string elementScript(const std::string& id, const std::string& assignment) {
    return "document.getElementById('" + id + "')." + assignment + ";";
}

const MQSetSimpleAnswer* simple(const std::shared_ptr<MQSetAnswer>& answer) {
    return dynamic_cast<const MQSetSimpleAnswer*>(answer.get());
}

}  // namespace

QuestionPage::Device QuestionPage::phone() { return {"", 150, 310, false}; }

QuestionPage::Device QuestionPage::tablet() { return {"<br>", 1500, 758, true}; }

std::string QuestionPage::page(const Inputs& inputs) {
    return kTemplateHead + std::to_string(inputs.fontSize) + kStyleAfterFontSize + kRightRowColour +
           kStyleAfterRightColour + body(inputs) + kTemplateEnd;
}

std::string QuestionPage::shown(const Inputs& inputs, const std::string& html) {
    auto set = inputs.question->set();
    if (!set) return html;
    if (set->setUID() == MQSet::kForumSetUID) return HTMLCleaner::clean(html);
    if (CustomSets::isCustom(set->setUID())) return QuestionMarkup::pageHTML(html);
    return html;
}

std::string QuestionPage::marked(const Inputs& inputs, const std::string& html) {
    std::string text = shown(inputs, html);
    if (!inputs.keyWords) return text;
    return inputs.keyWords->addKeyWordsTagsToString(text, inputs.question->questionType(),
                                                    inputs.keyWordsActive);
}

bool QuestionPage::isPassageShort(const MQSetQuestion& question, const Device& device) {
    const auto& block = question.block();
    return !block || block->isCommonTextShort(device.blockMaxCommonTextLength);
}

bool QuestionPage::opensWithFullPassage(const MQSetQuestion& question) {
    const auto& block = question.block();
    if (!block) return true;
    auto questions = block->questions();
    return questions.empty() || questions.front().get() == &question;
}

std::string QuestionPage::body(const Inputs& inputs) {
    std::string out;
    if (!inputs.question) return out;
    out.reserve(8192);
    appendPassage(out, inputs);
    appendOptions(out, inputs);
    appendExplanation(out, inputs);
    appendOwnerAndKeys(out, inputs);
    out += "<p>&nbsp;</p><p>&nbsp;</p>";
    return out;
}

void QuestionPage::appendPassage(std::string& out, const Inputs& inputs) {
    const MQSetQuestion& q = *inputs.question;
    const auto& block = q.block();
    if (!block) {
        out += inputs.device.brTag + "<br>" + marked(inputs, q.body());
        return;
    }
    if (q.highlight() >= 1)
        out += "<style type='text/css'>.highlight" + std::to_string(q.highlight()) +
               " {background-color:#D0E0FF;}</style>";
    bool isShort = isPassageShort(q, inputs.device);
    bool full = isShort || inputs.fullPassage;
    out += inputs.device.brTag +
           " <br><div id=\"displayFullText\" style=\"display:" + (full ? "inline" : "none") + "\">" +
           marked(inputs, block->commonText().value_or("")) + "</div>";
    if (!isShort) {
        out += std::string("<div id=\"displayShortText\" style=\"display:") + (full ? "none" : "inline") +
               "\"><p>" + marked(inputs, block->shortCommonString(inputs.device.blockMaxCommonTextLength)) +
               "...<br></p></div>";
        out +=
            "<form><input type=\"hidden\" name=\"btnType\" value=\"shortFullBtn\"/><button "
            "id=\"shortFullBtn\" "
            "class=\"submit\" type=\"submit\">Hide / Reveal Text</button></form><br />";
    }
    auto questions = block->questions();
    auto at = std::find_if(questions.begin(), questions.end(), [&](const auto& p) { return p.get() == &q; });
    out += "<p><b>Question " + std::to_string(at - questions.begin() + 1) + " of " +
           std::to_string(questions.size()) + ":</b></p>";
    out += inputs.device.brTag + marked(inputs, q.body());
}

void QuestionPage::appendOptions(std::string& out, const Inputs& inputs) {
    const MQSetQuestion& q = *inputs.question;
    out += "<form onsubmit=\"\" ><table width=\"" + std::to_string(inputs.device.tableWidth) + "\">";
    for (std::size_t i = 0; i < kLetters.size(); ++i) {
        std::string n = std::to_string(i + 1), letter = kLetters[i];
        std::string option = q.questionType() == kDataSufficiency ? kDataSufficiencyOptions[i]
                             : i < q.answerOptions().size()       ? shown(inputs, q.answerOptions()[i])
                                                                  : std::string();
        out += "<tr height=\"40\" class=\"unknownA\" id=\"tr" + n + "\"><td width=\"35\"><input id=\"radio" +
               letter + "\" class=\"r\" type=\"radio\" name=\"answer\" value=\"" + n +
               "\"/></td><td><span class=\"nohighlight\" onclick=\"select_answer('" + letter + "');\">" +
               option + "</span></td></tr>";
    }
    out += "</table>";
    if (inputs.unanswered)
        out +=
            "<p class=\"submit\" id=\"submit\"><button id=\"button\" class=\"submit\" type=\"submit\">Submit "
            "Answer</button></p></form>";
    else
        out += "</form>";
}

void QuestionPage::appendExplanation(std::string& out, const Inputs& inputs) {
    const MQSetQuestion& q = *inputs.question;
    out += inputs.device.brTag + "<div id=\"explanation\">" + separator(inputs.imageSuffix);
    std::string letter = q.rightAnswer() ? q.rightAnswer()->stringWithAnswer().value_or("") : "";
    out += "<p id=\"expRightAnswer\">Answer: " + letter + "</p> " + shown(inputs, q.explanation());
    if (q.threadURL()) out += threadLink(*q.threadURL(), inputs.device.wholeThreadLink);
    out += "<p id=\"history\"></p></div>" + separator(inputs.imageSuffix);
    out += "<p class=\"tags\">Tags: ";
    for (const auto& tag : q.tags()) out += HTMLCleaner::escapeAttribute(tag) + "; ";
    out += "</p>";
}

std::string QuestionPage::threadLink(const std::string& address, bool whole) {
    std::string text = address;
    if (!whole && address.size() > kWholeLinkLength)
        text = address.substr(0, kLinkHeadLength) + "..." + address.substr(address.size() - kLinkTailLength);
    text = HTMLCleaner::escapeAttribute(text);
    if (!HTMLCleaner::isWebAddress(address)) return "<p>link: " + text + "</p>";
    return "<p>link: <a href=\"" + HTMLCleaner::escapeAttribute(address) + "\">" + text + "</a></p>";
}

void QuestionPage::appendOwnerAndKeys(std::string& out, const Inputs& inputs) {
    const MQSetQuestion& q = *inputs.question;
    auto set = q.set();
    if (set) {
        if (auto course = set->course())
            out += "<p class=\"course\"><table class=\"course\"><tr><td><img src=\"" + course->logoName() +
                   inputs.imageSuffix +
                   ".png\" width=\"115px\" height=\"70px\"/></td><td><span class=\"course\">The Question "
                   "provided "
                   "by:</span><br> <b>" +
                   course->companyName() +
                   "</b><br>[<a href=\"Events:openCourse\">read more</a>]</td></tr></table></p>";
        else
            out += "<p class=\"qowner\">Set: " + fnd::escapeHTML(set->description()) + "</p>";
    }
    out += "<div id=\"delReportBtns\">";
    if (set && set->setUID() == MQSet::kForumSetUID) {
        out +=
            "<form><input type=\"hidden\" name=\"btnType\" value=\"deleteBtn\"/><button id=\"deleteBtn\" "
            "class=\"submit\" type=\"submit\">Delete Question</button></form><br />";
        if (q.threadURL())
            out +=
                "<form><input type=\"hidden\" name=\"btnType\" value=\"reportBtn\"/><button id=\"reportBtn\" "
                "class=\"submit\" type=\"submit\">Mail Feedback</button></form>";
    }
    out += "</div>";
}

// ---- Scripts

std::vector<std::string> QuestionPage::revealScripts(const MQSetQuestion& question,
                                                     const MQSetHRecord* current) {
    std::vector<std::string> scripts;
    for (const char* letter : kLetters)
        scripts.push_back(elementScript(std::string("radio") + letter, "disabled=true"));
    scripts.push_back(elementScript("submit", "outerHTML=''"));
    scripts.push_back(elementScript("explanation", "style.display='inline'"));
    scripts.push_back(elementScript("delReportBtns", "style.display='inline'"));
    if (const auto* right = simple(question.rightAnswer()))
        scripts.push_back(elementScript("tr" + std::to_string(right->choice()), "className='rightA'"));
    scripts.push_back(elementScript("history", "style.display='inline'"));
    scripts.push_back(elementScript("history", "innerHTML='" + historyText(question, current) + "'"));
    return scripts;
}

std::string QuestionPage::historyText(const MQSetQuestion& question, const MQSetHRecord* current) {
    const fnd::DateFormatter format("dd-MMM");
    std::string text = "history:<br>";
    const auto& history = question.history();
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        const MQSetHRecord& record = **it;
        text += "<span class=\"hrecord\">&nbsp;&nbsp;&nbsp;" + format.stringFromDate(record.date()) +
                ":&nbsp;&nbsp;&nbsp;" + record.stringWithTime() + " ";
        std::string letter = record.answer() ? record.answer()->stringWithAnswer().value_or("") : "";
        bool right = record.answer() && record.answer()->isTheSameAs(question.rightAnswer().get());
        text += right ? letter : "<span class=\"hrecordAnswerWrong\">" + letter + "</span>";
        if (&record == current) text += " - current answer";
        text += "</span><br>";
    }
    return text;
}

std::vector<std::string> QuestionPage::passageToggleScripts(bool fullShownBefore) {
    return {
        elementScript("displayFullText", fullShownBefore ? "style.display='none'" : "style.display='inline'"),
        elementScript("displayShortText",
                      fullShownBefore ? "style.display='inline'" : "style.display='none'"),
        "scroll(0,0);"};
}

std::string QuestionPage::fontSizeScript(int size) {
    return "document.body.style.fontSize='" + std::to_string(size) + "pt';";
}

std::string QuestionPage::checkChoiceScript(int choice) {
    if (choice < 1 || choice > 5) return {};
    return elementScript(std::string("radio") + kLetters[std::size_t(choice - 1)], "checked=true");
}

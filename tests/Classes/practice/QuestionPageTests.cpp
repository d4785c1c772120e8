// The question page built from its inputs, the scripts sent into it, and the bridge's decisions on
// the requests out of it; all without a screen.

#include <gtest/gtest.h>

#include <algorithm>

#include "Classes/practice/MQSetBlock.h"
#include "Classes/practice/QuestionBridge.h"
#include "Classes/practice/QuestionMarkup.h"
#include "Classes/practice/QuestionPage.h"
#include "Classes/study_aids/MCourse.h"
#include "platform/foundation/URL.h"
#include "tests/Classes/practice/PracticeTestSupport.h"

using namespace practice_test;

namespace {

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class QuestionPageTest : public testing_support::TestEnvironment {
  protected:
    QuestionPage::Inputs inputs(const std::shared_ptr<MQSetQuestion>& q, bool phone = true) {
        QuestionPage::Inputs in;
        in.question = q.get();
        in.device = phone ? QuestionPage::phone() : QuestionPage::tablet();
        in.unanswered = true;
        in.fullPassage = QuestionPage::opensWithFullPassage(*q);
        in.imageSuffix = "@2x";
        return in;
    }
    // A passage of that many characters, tags counted, with two questions.
    std::shared_ptr<MQSetQuestion> passageQuestion(std::size_t length, int which) {
        auto block = std::make_shared<MQSetBlock>();
        block->setCommonText("<b>" + std::string(length - 7, 'w') + "</b>");
        for (int i = 1; i <= 2; ++i) {
            auto q = MQSetSimpleQuestion::make(set, 10 + i, 5, 1, block, 1, {}, "<p>Which?</p>",
                                               {"a", "b", "c", "d", "e"}, "", std::nullopt);
            block->addQuestion(q);
            set->questions().push_back(q);
        }
        return set->questions()[std::size_t(which)];
    }

    std::shared_ptr<MQSet> set = MQSet::make(1, "Set", "A set of questions", "s.png", true);
};

TEST_F(QuestionPageTest, APassageIsWholeUpToTheLimitAndToggledBeyondIt) {
    auto shortOne = passageQuestion(150, 0);
    std::string body = QuestionPage::body(inputs(shortOne));
    EXPECT_TRUE(has(body, "<div id=\"displayFullText\" style=\"display:inline\">"));
    EXPECT_FALSE(has(body, "displayShortText"));
    EXPECT_FALSE(has(body, "shortFullBtn"));
    EXPECT_TRUE(QuestionPage::isPassageShort(*shortOne, QuestionPage::phone()));
    EXPECT_TRUE(has(body, "<p><b>Question 1 of 2:</b></p>"));
    EXPECT_TRUE(has(body, ".highlight1 {background-color:#D0E0FF;}"));

    set->questions().clear();
    auto first = passageQuestion(151, 0);
    auto later = first->block()->questions()[1];
    body = QuestionPage::body(inputs(first));
    EXPECT_TRUE(has(body, "<div id=\"displayFullText\" style=\"display:inline\">"));
    EXPECT_TRUE(has(body, "<div id=\"displayShortText\" style=\"display:none\"><p>"));
    EXPECT_TRUE(has(
        body, "<button id=\"shortFullBtn\" class=\"submit\" type=\"submit\">Hide / Reveal Text</button>"));
    // A later question of the passage opens on the short form.
    body = QuestionPage::body(inputs(later));
    EXPECT_TRUE(has(body, "<div id=\"displayFullText\" style=\"display:none\">"));
    EXPECT_TRUE(has(body, "<div id=\"displayShortText\" style=\"display:inline\"><p>" +
                              std::string(144, 'w') + "...<br></p>"));
    EXPECT_TRUE(has(body, "<p><b>Question 2 of 2:</b></p>"));
    // The tablet shows the same passage whole.
    EXPECT_FALSE(has(QuestionPage::body(inputs(later, false)), "displayShortText"));
}

TEST_F(QuestionPageTest, OptionsRowsAndSubmitKey) {
    auto ds = addQuestion(set, 1, 2, 3);
    auto in = inputs(ds);
    std::string body = QuestionPage::body(in);
    EXPECT_TRUE(has(body, "<form onsubmit=\"\" ><table width=\"310\">"));
    EXPECT_TRUE(has(
        body,
        "<tr height=\"40\" class=\"unknownA\" id=\"tr4\"><td width=\"35\"><input id=\"radioD\" class=\"r\" "
        "type=\"radio\" name=\"answer\" value=\"4\"/></td><td><span class=\"nohighlight\" "
        "onclick=\"select_answer('D');\">EACH statement ALONE is sufficient.</span></td></tr>"));
    EXPECT_FALSE(has(body, ">a</span>"));
    EXPECT_TRUE(has(body, "<p class=\"submit\" id=\"submit\">"));
    EXPECT_TRUE(has(body, "<p id=\"expRightAnswer\">Answer: C</p> <p>Because.</p>"));
    EXPECT_TRUE(has(body, "src=\"separation_image@2x.png\""));
    in.unanswered = false;
    EXPECT_FALSE(has(QuestionPage::body(in), "id=\"submit\""));

    std::string page = QuestionPage::page(in);
    EXPECT_TRUE(has(page, "body {font-size: 13pt;"));
    EXPECT_TRUE(has(page, "tr.rightA {background-color: #A8E8A0;}"));
    EXPECT_TRUE(has(page, "function showHideKW()"));
}

TEST_F(QuestionPageTest, ThreadLinksAreShortenedOnThePhoneAndOnlyWebAddressesAreLinked) {
    std::string at34 = "https://forum.example.org/t/123456";
    std::string at35 = at34 + "7";
    ASSERT_EQ(at34.size(), 34u);
    EXPECT_EQ(QuestionPage::threadLink(at34, false),
              "<p>link: <a href=\"" + at34 + "\">" + at34 + "</a></p>");
    EXPECT_EQ(QuestionPage::threadLink(at35, false),
              "<p>link: <a href=\"" + at35 + "\">https://forum.exampl.../t/1234567</a></p>");
    EXPECT_EQ(QuestionPage::threadLink(at35, true), "<p>link: <a href=\"" + at35 + "\">" + at35 + "</a></p>");
    // A quote cannot leave the attribute, and another scheme is shown as text.
    EXPECT_EQ(QuestionPage::threadLink("https://x.example.org/\"onclick=\"a", true),
              "<p>link: <a "
              "href=\"https://x.example.org/&quot;onclick=&quot;a\">https://x.example.org/"
              "&quot;onclick=&quot;a</a></p>");
    EXPECT_EQ(QuestionPage::threadLink("javascript:alert(1)", true), "<p>link: javascript:alert(1)</p>");
}

TEST_F(QuestionPageTest, OwnerLineAndKeysFollowTheSet) {
    auto q = addQuestion(set, 1, 1, 2);
    EXPECT_TRUE(has(QuestionPage::body(inputs(q)), "<p class=\"qowner\">Set: A set of questions</p>"));
    EXPECT_TRUE(has(QuestionPage::body(inputs(q)), "<div id=\"delReportBtns\"></div>"));

    auto course = std::make_shared<MCourse>("Tutors Ltd", nullptr, nullptr, "file", "Courses_tutors",
                                            std::nullopt, std::nullopt);
    set->setCourse(course);
    std::string body = QuestionPage::body(inputs(q));
    EXPECT_TRUE(has(body, "<img src=\"Courses_tutors@2x.png\" width=\"115px\" height=\"70px\"/>"));
    EXPECT_TRUE(has(body, "<b>Tutors Ltd</b><br>[<a href=\"Events:openCourse\">read more</a>]"));
    EXPECT_FALSE(has(body, "qowner"));

    // Harvested questions: the delete key, the report key only with an address, and their text
    // cleaned again.
    auto forum = MQSet::make(MQSet::kForumSetUID, "My Set", "Forum", "f.png", true);
    auto harvested =
        MQSetSimpleQuestion::make(forum, 1, 1, 1, {}, "<p>Sum?</p><script>steal()</script>",
                                  {"<b>1</b>", "2<form action=x>", "3", "4", "5"}, "", std::nullopt);
    body = QuestionPage::body(inputs(harvested));
    EXPECT_TRUE(has(body, "id=\"deleteBtn\""));
    EXPECT_FALSE(has(body, "id=\"reportBtn\""));
    EXPECT_FALSE(has(body, "<script>steal"));
    EXPECT_FALSE(has(body, "<form action"));
    harvested->setThreadURL("https://forum.example.org/t/1");
    EXPECT_TRUE(has(QuestionPage::body(inputs(harvested)), "id=\"reportBtn\""));

    // A question without a set shows neither line.
    auto loose = MQSetSimpleQuestion::make(nullptr, 1, 1, 1, {}, "<p>x</p>", {"a", "b", "c", "d", "e"}, "",
                                           std::nullopt);
    body = QuestionPage::body(inputs(loose));
    EXPECT_FALSE(has(body, "qowner"));
    EXPECT_FALSE(has(body, "deleteBtn"));
}

TEST_F(QuestionPageTest, ThePersonsOwnMarkupIsShownAsWrittenAndNothingOfItRuns) {
    // A question pasted in the markup, with script, an event attribute, a link to script, a form
    // that submits itself and text that closes its paragraph early.
    auto mine = MQSet::make(7001, "Mine", "<b>My</b> & yours", "Sets_custom.png", true);
    QuestionMarkup::addQuestions(
        mine,
        "#question# #type:SC# <script>parent.x=1</script>x</p><img src=x onerror=go()>\n"
        "<a href=\"javascript:go()\">were done</a> #options#\n"
        "A) were done\nB) <form id=f><input name=answer value=2></form>"
        "<script>f.submit()</script>\nC) 3\nD) 4\nE) 5\n#OA:B#\n"
        "#explanation# <iframe src=x></iframe>");
    ASSERT_EQ(mine->questions().size(), 1u);
    std::string body = QuestionPage::body(inputs(mine->questions()[0]));
    for (const char* ran :
         {"<script", "<img src=x", "<a href=\"javascript", "<input name", "<iframe", "x</p>"})
        EXPECT_FALSE(has(body, ran)) << ran;
    // Its own forms are the options' and none other.
    EXPECT_EQ(std::count(body.begin(), body.end(), '<') - std::count(body.begin(), body.end(), '>'), 0);
    std::size_t forms = 0;
    for (auto at = body.find("<form"); at != std::string::npos; at = body.find("<form", at + 1)) ++forms;
    EXPECT_EQ(forms, 1u);
    EXPECT_TRUE(has(body,
                    "<p> &lt;script&gt;parent.x=1&lt;/script&gt;x&lt;/p&gt;&lt;img src=x onerror=go()&gt;<br>"
                    "&lt;a href=&quot;javascript:go()&quot;&gt;<u>were done</u>&lt;/a&gt; </p>"));
    EXPECT_TRUE(has(body, "&lt;form id=f&gt;&lt;input name=answer value=2&gt;&lt;/form&gt;"));
    EXPECT_TRUE(has(body, "<p class=\"qowner\">Set: &lt;b&gt;My&lt;/b&gt; &amp; yours</p>"));

    // The built-in sets' own HTML is shown as it is.
    auto builtIn = MQSetSimpleQuestion::make(set, 1, 1, 1, {}, "<p>Sum of <b>x</b>?</p>",
                                             {"<i>1</i>", "2", "3", "4", "5"}, "", std::nullopt);
    body = QuestionPage::body(inputs(builtIn));
    EXPECT_TRUE(has(body, "<p>Sum of <b>x</b>?</p>"));
    EXPECT_TRUE(has(body, "<i>1</i>"));
}

TEST_F(QuestionPageTest, TheRevealLocksTheOptionsAndWritesTheHistoryNewestFirst) {
    auto q = addQuestion(set, 1, 1, 2);
    auto older = answer(q, 2, 65, 0);
    auto newer = answer(q, 4, 125.2, 86400 * 40);
    auto scripts = QuestionPage::revealScripts(*q, newer.get());
    ASSERT_EQ(scripts.size(), 11u);
    EXPECT_EQ(scripts[0], "document.getElementById('radioA').disabled=true;");
    EXPECT_EQ(scripts[5], "document.getElementById('submit').outerHTML='';");
    EXPECT_EQ(scripts[8], "document.getElementById('tr2').className='rightA';");
    EXPECT_EQ(scripts[10],
              "document.getElementById('history').innerHTML='history:<br>"
              "<span class=\"hrecord\">&nbsp;&nbsp;&nbsp;10-Feb:&nbsp;&nbsp;&nbsp;02:06 <span "
              "class=\"hrecordAnswerWrong\">D</span> - current answer</span><br>"
              "<span class=\"hrecord\">&nbsp;&nbsp;&nbsp;01-Jan:&nbsp;&nbsp;&nbsp;01:05 B</span><br>';");
    (void)older;

    EXPECT_EQ(QuestionPage::passageToggleScripts(true),
              (std::vector<std::string>{"document.getElementById('displayFullText').style.display='none';",
                                        "document.getElementById('displayShortText').style.display='inline';",
                                        "scroll(0,0);"}));
    EXPECT_EQ(QuestionPage::fontSizeScript(15), "document.body.style.fontSize='15pt';");
    EXPECT_EQ(QuestionPage::checkChoiceScript(5), "document.getElementById('radioE').checked=true;");
    EXPECT_EQ(QuestionPage::checkChoiceScript(6), "");
}

// A request out of the page; `byPerson` when the person's own press made it.
fnd::URLRequest request(const std::string& address, fnd::URLRequest::NavigationType navigation,
                        bool byPerson = true) {
    fnd::URLRequest r{fnd::URL(address)};
    r.setNavigationType(navigation);
    r.setUserGesture(byPerson);
    return r;
}

TEST(QuestionBridge, DecisionsOnTheRequestsOutOfThePage) {
    using Nav = fnd::URLRequest::NavigationType;
    using Action = QuestionBridge::Action;
    const std::string page = "file:///bundle/resources/";
    struct Case {
        std::string address;
        Nav navigation;
        bool allow;
        Action action;
        int choice;
        bool byPerson = true;
    };
    const Case cases[] = {
        {page + "?answer=3", Nav::FormSubmitted, false, Action::Answer, 3},
        // A script of the page submitting the form answers nothing.
        {page + "?answer=3", Nav::FormSubmitted, false, Action::None, 0, false},
        {page + "?answer=7", Nav::FormSubmitted, false, Action::None, 0},
        {page + "?answer=0", Nav::FormSubmitted, false, Action::None, 0},
        {page + "?answer=2x", Nav::FormSubmitted, false, Action::None, 0},
        {page + "?", Nav::FormSubmitted, false, Action::None, 0},
        {page + "?btnType=deleteBtn", Nav::FormSubmitted, false, Action::Delete, 0},
        {page + "?btnType=reportBtn", Nav::FormSubmitted, false, Action::Report, 0},
        {page + "?btnType=shortFullBtn", Nav::FormSubmitted, false, Action::TogglePassage, 0},
        {page + "?btnType=other", Nav::FormSubmitted, false, Action::None, 0},
        {"Events:openCourse", Nav::LinkClicked, true, Action::OpenCourse, 0},
        {"https://forum.example.org/t/5", Nav::LinkClicked, false, Action::OpenForum, 0},
        {page, Nav::Other, true, Action::None, 0},
    };
    for (const auto& c : cases) {
        auto decision = QuestionBridge::decide(request(c.address, c.navigation, c.byPerson));
        EXPECT_EQ(decision.allow, c.allow) << c.address;
        EXPECT_EQ(decision.action, c.action) << c.address;
        EXPECT_EQ(decision.choice, c.choice) << c.address;
    }
    EXPECT_EQ(QuestionBridge::decide(request("https://forum.example.org/t/5", Nav::LinkClicked)).address,
              "https://forum.example.org/t/5");
}

}  // namespace

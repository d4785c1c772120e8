#include "Classes/core/MTipsData.h"

#include <optional>
#include <string>

#include "Classes/core/MTip.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Log.h"

namespace {

struct Row {
    const char* tipID;
    std::string text;
    int shown;
    const char* activation;
    int activationLimit;
    const char* deactivation;
    int deactivationLimit;
};

constexpr int kNoLimit = MTip::kNoLimit;

std::optional<std::string> named(const char* name) {
    return name ? std::optional<std::string>(name) : std::nullopt;
}

}  // namespace

void MTipsData::fillTips(std::vector<std::shared_ptr<MTip>>& tips) {
    const std::string supportMail = fnd::Bundle::main().infoValue("SupportMailAddress");
    const std::string flashcardService = fnd::Bundle::main().infoValue("FlashcardServiceAddress");

    const Row rows[] = {
        {"UseScan",
         "Need more practice questions? Use the \u201CScan\u201D tool to get up to 3,000 more practice "
         "questions free",
         10, "TipsEvent_QuestionSolved", 500, "TipsEvent_QuestionDownloaded", 50},
        {"PracticeDice", "Tap the \u201CDice\u201D during practice mode to move to the next random question",
         10, "TipsEvent_QuestionOpend", 1, "TipsEvent_QuestionDicePressed", 3},
        {"PracticeReview",
         "The \u201CReview\u201D section in the \u201CPractice\u201D area allows you to review each of your "
         "practice "
         "sessions",
         10, "TipsEvent_QuestionSolved", 1, "TipsEvent_ReviewOpened", 1},
        {"Keywords",
         "Use the \u201CHighlight\u201D tool to emphasize important terms or combat careless mistakes", 10,
         "TipsEvent_QuestionSolved", 20, "TipsEvent_KeywordsSettingsOpened", 1},
        {"ChangeKeywords", "You can customize the \u201CHighlight\u201D tool for each of the sections", 10,
         "TipsEvent_QuestionSolved", 100, "TipsEvent_KeywordsSettingsOpened", 1},
        {"PracticeFilter", "Use \"Filter\" in the \"Practice\" area to customize your question set", 10,
         nullptr, kNoLimit, nullptr, kNoLimit},
        {"GlobalSettings", "Customize your interface in the Settings tool", 10, nullptr, kNoLimit, nullptr,
         kNoLimit},
        {"ORVAUncovered",
         "New to the ORVA? Head to the \u201CLibrary\u201D for an overview of all things ORVA - \"ORVA "
         "Uncovered\"",
         10, nullptr, kNoLimit, "TipsEvent_LibraryOpened", 3},
        {"MathBook",
         "Need math section review? The \u201CLibrary\u201D section has a math book covering many advanced "
         "topics",
         10, nullptr, kNoLimit, "TipsEvent_MathBookOpened", 3},
        {"XInfo", "Access more info for the Timer when you press the \u201CX-info\u201D button", 10,
         "TipsEvent_TimerStarted", 1, "TipsEvent_XInfoPressed", 1},
        {"FontSize",
         "To increase or decrease the font size, press the \u201C"
         "Aa\u201D button",
         kNoLimit, nullptr, kNoLimit, nullptr, kNoLimit},
        {"Dictionary",
         "Hold finger on a word and then click the \u201C"
         "Dictionary\u201D to look up the definition in the "
         "dictionary",
         20, nullptr, kNoLimit, "TipsEvent_DictionaryOpened", 3},
        {"EBooks",
         "The \u201CStore\u201D has all of the Manhattan ORVA guides available for immediate download \u2013 "
         "each "
         "for $9.99",
         10, nullptr, kNoLimit, "TipsEvent_StoreOpened", 1},
        {"Tutoring1",
         "A good score comes from practice; make sure you solve at least a few questions each day", 100,
         nullptr, kNoLimit, nullptr, kNoLimit},
        {"News", "\u201CNews\u201D tool has many valuable blogs", 50, nullptr, kNoLimit,
         "TipsEvent_NewsOpened", 3},
        {"CustomFlashcards", "Did you know that you can add your own Flashcards?", 50, nullptr, kNoLimit,
         "TipsEvent_CustomFCCreated", 1},
        {"CustomNews", "Did you know that you can add your own RSS and News Feeds to the News?", 50, nullptr,
         kNoLimit, "TipsEvent_CustomNewsCreated", 1},
        {"ContactUs",
         supportMail.empty()
             ? std::string()
             : "You can contact the development team at Vessark at any time at " + supportMail,
         kNoLimit, nullptr, kNoLimit, nullptr, kNoLimit},
        {"RearrangeMode",
         "To rearrange the icons, tap on an icon and hold your finger on it until it starts shaking.", 20,
         nullptr, kNoLimit, "TipsEvent_RearrangingStarted", 1},
        {"QuizletMakeOwn",
         flashcardService.empty()
             ? std::string()
             : "Make your own flashcards on " + flashcardService + " and download them to your app.",
         20, nullptr, kNoLimit, "TipsEvent_QuizletSearched", 1},
        {"Quizlet", "You can download thousands of additional flashcards to your app.", 20, nullptr, kNoLimit,
         "TipsEvent_QuizletSearched", 1},
    };

    for (const Row& row : rows) {
        if (row.text.empty()) {
            fnd::Log::info("the tip ", row.tipID, " is left out: the address it names is not configured");
            continue;
        }
        auto tip = std::make_shared<MTip>(row.tipID, row.text, row.shown);
        tip->setupActivationEvent(named(row.activation), row.activationLimit);
        tip->setupDeactivationEvent(named(row.deactivation), row.deactivationLimit);
        tips.push_back(tip);
    }
}

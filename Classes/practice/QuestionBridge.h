#pragma once
// What the question screen does with a request out of its page: a form submission is always
// declined and may record an answer (choices 1 to 5 only, whatever a page sends, and only from
// the person's own submit, never one a script of the page makes), delete or report the question,
// or toggle the passage; the course link opens the course screen; another clicked link goes to
// the forum browser; the page's own load is allowed.

#include <string>

#include "platform/foundation/URLRequest.h"

class QuestionBridge {
  public:
    enum class Action { None, Answer, Delete, Report, TogglePassage, OpenCourse, OpenForum };

    struct Decision {
        // Whether the web view may go on with the request.
        bool allow = true;
        Action action = Action::None;
        // The choice of an answer.
        int choice = 0;
        // The address for the forum browser.
        std::string address;
    };

    static constexpr const char* kCourseAddress = "events:opencourse";

    static Decision decide(const fnd::URLRequest& request);
    // The choice a submitted "answer" value stands for; 0 for anything but a whole number 1..5.
    static int choiceFromValue(const std::string& value);
};

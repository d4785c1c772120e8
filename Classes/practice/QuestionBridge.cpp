#include "Classes/practice/QuestionBridge.h"

#include <algorithm>
#include <cctype>

namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

}  // namespace

int QuestionBridge::choiceFromValue(const std::string& value) {
    if (value.size() != 1 || value[0] < '1' || value[0] > '5') return 0;
    return value[0] - '0';
}

QuestionBridge::Decision QuestionBridge::decide(const fnd::URLRequest& request) {
    using Nav = fnd::URLRequest::NavigationType;
    Decision decision;
    Nav navigation = request.navigationType();
    if (navigation == Nav::FormSubmitted) {
        decision.allow = false;
        std::string query = request.url().query();
        auto equals = query.find('=');
        std::string key = query.substr(0, equals);
        std::string value = equals == std::string::npos ? std::string() : query.substr(equals + 1);
        // Only the person's own submit is an answer: a script of the page may submit the form too.
        if (key == "answer" && request.isUserGesture()) {
            decision.choice = choiceFromValue(value);
            if (decision.choice) decision.action = Action::Answer;
        } else if (key == "btnType") {
            if (value == "deleteBtn") decision.action = Action::Delete;
            if (value == "reportBtn") decision.action = Action::Report;
            if (value == "shortFullBtn") decision.action = Action::TogglePassage;
        }
    }
    if (lower(request.url().absoluteString()) == kCourseAddress) {
        decision.action = Action::OpenCourse;
        return decision;
    }
    if (navigation == Nav::LinkClicked) {
        decision.allow = false;
        decision.action = Action::OpenForum;
        decision.address = request.url().absoluteString();
    }
    return decision;
}

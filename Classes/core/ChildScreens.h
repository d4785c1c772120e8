#pragma once
// The child screens that other screens open but that are not in the program yet, by class name
// ("CalculatorVC", "CourseVC_iPad"): the one place that lists them. Each opens as a stand-in that
// shows the screen's name and a done key posting the real screen's done notification, so that its
// opener's handler closes it as it will close the real one. When a screen arrives, its opener
// makes it instead and its line here goes.

#include <memory>
#include <string>

class CommonViewController;

class ChildScreens {
  public:
    // The stand-in for that class, shown; null for a name the table lacks.
    static std::shared_ptr<CommonViewController> make(const std::string& className);
    // The done notification of that class; empty for a name the table lacks.
    static std::string doneNotification(const std::string& className);
};

#include "Classes/forum_news/ForumStopwatch.h"

#include <cmath>
#include <cstdio>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

ForumStopwatch::~ForumStopwatch() {
    if (auto loop = fnd::RunLoop::installedMain()) loop->cancelPerforms(this);
}

void ForumStopwatch::attach(Parts parts) {
    parts_ = std::move(parts);
    setShown(false);
}

std::string ForumStopwatch::secondsToString(double seconds) {
    long whole = seconds > 0 ? long(std::floor(seconds)) : 0;
    char text[32];
    std::snprintf(text, sizeof text, "%02ld:%02ld", whole / 60, whole % 60);
    return text;
}

ui::Color ForumStopwatch::colorForTime(double seconds) {
    if (seconds < kYellowFrom) return ui::Color::whiteColor();
    if (seconds < kRedFrom) return ui::Color::yellowColor();
    return ui::Color::redColor();
}

void ForumStopwatch::setShown(bool shown) {
    for (ui::View* view :
         {static_cast<ui::View*>(parts_.background.get()), static_cast<ui::View*>(parts_.label.get()),
          static_cast<ui::View*>(parts_.button.get())})
        if (view) view->setHidden(!shown);
    if (parts_.safariButton) parts_.safariButton->setEnabled(!shown);
}

void ForumStopwatch::setImage(const char* name) {
    if (parts_.button) parts_.button->setImage(ui::Image::named(name));
}

void ForumStopwatch::setSpinning(bool on) {
    if (!parts_.spinner) return;
    if (on)
        parts_.spinner->startAnimating();
    else
        parts_.spinner->stopAnimating();
}

void ForumStopwatch::showHide() {
    if (status_ == kHidden) {
        status_ = kReady;
        ui::Application::shared().setIdleTimerDisabled(true);
        setShown(true);
        setImage(kStartImage);
        updateTimer();
        return;
    }
    status_ = kHidden;
    ui::Application::shared().setIdleTimerDisabled(false);
    setSpinning(false);
    setShown(false);
    fnd::RunLoop::main().cancelPerforms(this, kUpdateAction);
}

void ForumStopwatch::startStop() {
    switch (status_) {
        case kReady:
            status_ = kRunning;
            setImage(kStopImage);
            setSpinning(true);
            startDate_ = fnd::Date::now();
            break;
        case kRunning:
            status_ = kStopped;
            setImage(kResetImage);
            setSpinning(false);
            time_ = fnd::Date::now().timeIntervalSince(startDate_);
            break;
        case kStopped:
            status_ = kReady;
            setImage(kStartImage);
            time_ = 0;
            break;
        case kHidden:
            return;
    }
    updateTimer();
}

void ForumStopwatch::updateTimer() {
    // One chain only: a call from a key replaces the update that was due.
    fnd::RunLoop::main().cancelPerforms(this, kUpdateAction);
    if (status_ == kRunning) {
        time_ = fnd::Date::now().timeIntervalSince(startDate_);
        fnd::RunLoop::main().performAfterDelay(kTick, *this, kUpdateAction, &ForumStopwatch::updateTimer);
    } else if (status_ == kReady) {
        time_ = 0;
    }
    if (!parts_.label) return;
    parts_.label->setText(secondsToString(time_));
    parts_.label->setTextColor(colorForTime(time_));
}

void ForumStopwatch::stop() {
    fnd::RunLoop::main().cancelPerforms(this, kUpdateAction);
    ui::Application::shared().setIdleTimerDisabled(false);
}

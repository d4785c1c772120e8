#include "Classes/errorlog/MSetTimer.h"

#include <algorithm>

#include "Classes/errorlog/MHRecord.h"

std::string MSetTimer::stringWithTime(double seconds) { return MHRecord::stringWithTime(seconds); }

MSetTimer::MSetTimer(int numberOfQuestions) : times_(std::size_t(std::max(numberOfQuestions, 0)), 0.0f) {}

double MSetTimer::since(const std::optional<fnd::Date>& date) {
    return date ? fnd::Date::now().timeIntervalSince(*date) : 0.0;
}

void MSetTimer::startWithIndex(int i) {
    index_ = i;
    std::fill(times_.begin(), times_.end(), 0.0f);
    startDate_ = lastRunStartDate_ = fnd::Date::now();
    pauseStartDate_.reset();
    state_ = kRunning;
}

void MSetTimer::pause() {
    state_ = kPaused;
    pauseStartDate_ = fnd::Date::now();
    if (index_ >= 0 && index_ < numberOfQuestions())
        times_[std::size_t(index_)] += float(since(lastRunStartDate_));
}

void MSetTimer::run() {
    if (state_ == kPaused) {
        totalPausedTime_ += float(since(pauseStartDate_));
        pauseStartDate_.reset();
    }
    lastRunStartDate_ = fnd::Date::now();
    state_ = kRunning;
}

void MSetTimer::finish() {
    if (state_ == kRunning) pause();
    state_ = kFinished;
    index_ = -1;
}

void MSetTimer::setIndex(int i) {
    int old = index_;
    index_ = i < 0 || i >= numberOfQuestions() ? -1 : i;
    if (state_ == kRunning && index_ != old && old != -1) {
        if (old < numberOfQuestions()) times_[std::size_t(old)] += float(since(lastRunStartDate_));
        lastRunStartDate_ = fnd::Date::now();
    }
}

float MSetTimer::totalTime() const {
    if (state_ == kIdle) return 0;
    double total = since(startDate_) - totalPausedTime_;
    if (state_ == kPaused) total -= since(pauseStartDate_);
    return float(total);
}

float MSetTimer::timeForIndex(int i) const {
    if (i < 0 || i >= numberOfQuestions()) return 0;
    double t = times_[std::size_t(i)];
    if (state_ == kRunning && i == index_) t += since(lastRunStartDate_);
    return float(t);
}

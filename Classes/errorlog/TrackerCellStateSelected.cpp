#include "Classes/errorlog/TrackerCellStateSelected.h"

#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/MSetTimer.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

void TrackerCellStateSelected::handle() {
    handleCommon();
    bool active = isActive();
    auto startFinish = startFinishBtn();
    auto pause = pauseBtn();
    auto activity = activityV();
    if (startFinish) startFinish->setHidden(false);
    if (pause) pause->setHidden(!active);
    if (auto oa = oaBtn(); oa && active) oa->setHidden(true);

    const char* startImage = kStartImage;
    if (active) {
        startImage = kFinishImage;
        bool paused = timer_->state() == MSetTimer::kPaused;
        if (pause) pause->setImage(imageNamed(paused ? kContinueImage : kPauseImage));
        if (activity) paused ? activity->stopAnimating() : activity->startAnimating();
    } else if (activity) {
        activity->stopAnimating();
    }
    if (startFinish) startFinish->setImage(imageNamed(startImage));

    if (auto view = checkAnswerIV()) view->setImage(imageNamed(kEmptyImage));
    if (auto view = historyIV()) view->setImage(imageNamed(kEmptyImage));
    if (question_->lastAttempt())
        handleHRecord();
    else if (auto answer = userAnswerLbl())
        answer->setText("");
    handleHistoryAndConceptNames();
    if (fRCARFirst()) handleRCFirst();
}

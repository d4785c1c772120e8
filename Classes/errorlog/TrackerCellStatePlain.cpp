#include "Classes/errorlog/TrackerCellStatePlain.h"

#include "Classes/errorlog/MQuestion.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

void TrackerCellStatePlain::handle() {
    handleCommon();
    if (auto activity = activityV()) activity->stopAnimating();
    for (const auto& button : {startFinishBtn(), pauseBtn(), oaBtn()})
        if (button) button->setHidden(true);

    std::string mark = kEmptyImage, previous = kEmptyImage;
    if (const MHRecord* last = question_->lastAttempt()) {
        mark = markFor(last->answer(), kRightImage, kWrongImage);
        const auto& history = *question_->history();
        if (history.size() >= 2)
            previous = markFor(history[history.size() - 2]->answer(), kHistoryRightImage, kHistoryWrongImage);
        handleHRecord();
    } else if (auto answer = userAnswerLbl()) {
        answer->setText("");
    }
    if (auto view = checkAnswerIV()) view->setImage(imageNamed(mark));
    if (auto view = historyIV()) view->setImage(imageNamed(previous));
    handleHistoryAndConceptNames();
    if (fRCARFirst()) handleRCFirst();
}

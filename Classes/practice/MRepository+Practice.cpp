// The central repository's shortcuts to the practice repository's data.
#include "Classes/core/MRepository.h"
#include "Classes/practice/MPracticeRepository.h"

std::shared_ptr<MQSet> MRepository::webQSet() const {
    return practiceRep_ ? practiceRep_->webQSet() : nullptr;
}

std::shared_ptr<MKeyWordsSet> MRepository::keyWordsSet() const {
    return practiceRep_ ? practiceRep_->keyWordsSet() : nullptr;
}

std::shared_ptr<MQSet> MRepository::bookmarkQSet() const {
    return practiceRep_ ? practiceRep_->bookmarkQSet() : nullptr;
}

std::shared_ptr<MQSet> MRepository::workQSet() const {
    return practiceRep_ ? practiceRep_->workQSet() : nullptr;
}

std::shared_ptr<MSessions> MRepository::sessions() const {
    return practiceRep_ ? practiceRep_->sessions() : nullptr;
}

std::vector<std::shared_ptr<MQSet>>& MRepository::qSets() const { return practiceRep_->qSets(); }

std::vector<std::shared_ptr<MQSet>>& MRepository::customQSets() const { return practiceRep_->customQSets(); }

std::shared_ptr<MQFilter> MRepository::filter() const {
    return practiceRep_ ? practiceRep_->filter() : nullptr;
}

bool MRepository::isKWActive() const { return practiceRep_ && practiceRep_->isKWActive(); }

void MRepository::setIsKWActive(bool active) {
    if (practiceRep_) practiceRep_->setIsKWActive(active);
}

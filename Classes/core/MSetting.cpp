#include "Classes/core/MSetting.h"

#include "Classes/core/OptionsViewController.h"

MSetting::MSetting(std::optional<OptionsClass> vcClass) : vcClass_(std::move(vcClass)) {
    if (!vcClass_) return;
    picture_ = vcClass_->optionImage();
    title_ = vcClass_->optionTitle();
    status_ = vcClass_->optionStatus();
}

void MSetting::readStatus() {
    if (vcClass_) status_ = vcClass_->optionStatus();
}

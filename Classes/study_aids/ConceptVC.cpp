#include "Classes/study_aids/ConceptVC.h"

#include "Classes/study_aids/BundlePage.h"
#include "Classes/study_aids/MConcept.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/WebView.h"

const ui::ConnectionTable& ConceptVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("ConceptVC", &SliddenViewController::classConnections())
            .outlet("webView", &ConceptVC::webView_)
            .outlet("fullNameLbl", &ConceptVC::fullNameLbl_)
            .action("doneClick:", &ConceptVC::doneClick);
    return table;
}

const ui::ConnectionTable& ConceptVC_iPad::classConnections() {
    static const ui::ConnectionTable table("ConceptVC_iPad", &ConceptVC::classConnections());
    return table;
}

void ConceptVC::init(std::shared_ptr<MConcept> topic) {
    concept_ = std::move(topic);
    initWithNibName(nibIdentifier());
    animation();
}

void ConceptVC::viewDidLoad() {
    if (fullNameLbl_) fullNameLbl_->setText(concept_ ? concept_->fullName() : "");
    showConcept();
    SliddenViewController::viewDidLoad();
}

void ConceptVC::showConcept() {
    if (concept_ && webView_) BundlePage::load(*webView_, concept_->fileName());
}

void ConceptVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}

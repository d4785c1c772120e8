#include "Classes/core/LoadingVC.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

const ui::ConnectionTable& LoadingVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("LoadingVC", &CommonViewController::classConnections())
            .outlet("indicator", &LoadingVC::indicator_)
            .outlet("label", &LoadingVC::label_)
            .outlet("cancelBtn", &LoadingVC::cancelBtn_)
            .action("doneClick:", &LoadingVC::doneClick);
    return table;
}

LoadingVC::~LoadingVC() {
    if (indicator_) indicator_->stopAnimating();
}

std::string LoadingVC::nibIdentifier() const { return nibNameForDevice("LoadingView"); }

void LoadingVC::init(const std::string& message, const std::shared_ptr<ui::View>& host) {
    initWithNibName(nibIdentifier());
    std::shared_ptr<ui::View> overlay = view();
    if (host) {
        host->addSubview(overlay);
        overlay->setFrame(host->bounds());
    }
    if (label_) label_->setText(message);
}

void LoadingVC::viewDidLoad() {
    if (indicator_) indicator_->startAnimating();
}

void LoadingVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kCanceledNotification, sharedAs<fnd::Object>());
}

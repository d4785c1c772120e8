#include "Classes/study_aids/FeedbackVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/URL.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ConnectionTable.h"

namespace {

void openAddress(const std::string& address, const char* what) {
    if (address.empty()) {
        fnd::Log::info("feedback: no ", what, " is configured");
        return;
    }
    ui::Application::shared().openURL(fnd::URL(address));
}

}  // namespace

const ui::ConnectionTable& FeedbackVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("FeedbackVC", &ToolViewController::classConnections())
            .outlet("rateBtn", &FeedbackVC::rateBtn_)
            .outlet("tellusBtn", &FeedbackVC::tellusBtn_)
            .action("rate:", &FeedbackVC::rate)
            .action("tellus:", &FeedbackVC::tellus)
            .action("doneClick:", &FeedbackVC::doneClick);
    return table;
}

const ui::ConnectionTable& FeedbackVC_iPad::classConnections() {
    static const ui::ConnectionTable table("FeedbackVC_iPad", &FeedbackVC::classConnections());
    return table;
}

void FeedbackVC::registerOwners() {
    ui::ConnectionTable::registerOwner(FeedbackVC::classConnections());
    ui::ConnectionTable::registerOwner(FeedbackVC_iPad::classConnections());
}

void FeedbackVC::init() {
    initWithNibName(nibIdentifier());
    animation();
    setup();
}

void FeedbackVC::setup() {
    if (auto rep = AbstractAppDelegate::sharedRep())
        rep->setFeedbackOpenCounter(rep->feedbackOpenCounter() + 1);
    for (const auto& button : {rateBtn_, tellusBtn_})
        if (button) buttonStylizing(*button, kLightButtonStyle, true);
}

std::string FeedbackVC::reviewPageAddress(const std::string& storeAddress, const std::string& productId) {
    if (storeAddress.empty() || productId.empty()) return {};
    std::string root = storeAddress;
    while (!root.empty() && root.back() == '/') root.pop_back();
    return root + kReviewPath + "?id=" + fnd::percentEscapeStrict(productId) + kReviewQueryTail;
}

std::string FeedbackVC::supportMail(const std::string& address, const std::string& version) {
    if (address.empty()) return {};
    return "mailto://" + address + "?subject=Tovrida%20(v" + fnd::percentEscapeStrict(version) +
           ")&body=" + fnd::percentEscapeValue(kMailBody);
}

void FeedbackVC::rate(const Sender&) {
    const fnd::Bundle bundle = fnd::Bundle::main();
    openAddress(reviewPageAddress(bundle.infoValue(kStoreWebAddressKey),
                                  bundle.infoValue(kStoreProductIdentifierKey)),
                "store review page");
}

void FeedbackVC::tellus(const Sender&) {
    openAddress(supportMail(fnd::Bundle::main().infoValue(kSupportMailKey), AbstractAppDelegate::version()),
                "support mail address");
}

void FeedbackVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kToolDoneNotification, sharedAs<fnd::Object>());
}

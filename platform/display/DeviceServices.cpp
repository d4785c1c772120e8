#include "platform/display/DeviceServices.h"

#include <nlohmann/json.hpp>

#include "platform/display/MailDraft.h"
#include "platform/ui/Application.h"
#include "platform/ui/Pasteboard.h"

namespace display {

using json = nlohmann::json;

namespace {
// Texts come from the person and the program: bytes that are no UTF-8 go out as U+FFFD rather than
// stopping the message.
std::string dumped(const json& message) {
    return message.dump(-1, ' ', false, json::error_handler_t::replace);
}
}  // namespace

DeviceServices::DeviceServices(std::function<bool()> hasTab, std::function<void(const std::string&)> send)
    : hasTab_(std::move(hasTab)),
      send_(std::move(send)),
      // What the pasteboard held before the session began is no copy of this run to mirror.
      seenChange_(ui::Pasteboard::general().changeCount()) {}

void DeviceServices::connected() { tabWakeLock_ = false; }

void DeviceServices::endOfTurn() {
    if (!hasTab_()) return;
    mirrorClipboard();
    showWakeLock();
}

bool DeviceServices::openMail(const std::string& address) {
    std::optional<MailDraft> draft = MailDraft::parse(address);
    if (!draft || !hasTab_()) return false;
    json message = {{"type", "mail"}, {"to", draft->to}, {"subject", draft->subject}, {"body", draft->body}};
    if (address.size() <= kMailLinkLimit) message["link"] = address;
    send_(dumped(message));
    return true;
}

void DeviceServices::pasted(std::string text) {
    ui::Pasteboard& pasteboard = ui::Pasteboard::general();
    tabText_ = text;
    pasteboard.setString(std::move(text));
    seenChange_ = pasteboard.changeCount();
}

void DeviceServices::mirrorClipboard() {
    ui::Pasteboard& pasteboard = ui::Pasteboard::general();
    long change = pasteboard.changeCount();
    if (change == seenChange_) return;
    seenChange_ = change;
    std::optional<std::string> text = pasteboard.string();
    if (!text || text->empty() || *text == tabText_) return;
    tabText_ = *text;
    send_(dumped({{"type", "clipboard"}, {"text", *text}}));
}

void DeviceServices::showWakeLock() {
    bool on = ui::Application::shared().isIdleTimerDisabled();
    if (tabWakeLock_ == on) return;
    tabWakeLock_ = on;
    send_(dumped({{"type", "wakeLock"}, {"on", on}}));
}

}  // namespace display

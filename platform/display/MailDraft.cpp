#include "platform/display/MailDraft.h"

#include <cctype>

#include "platform/foundation/PercentEscaping.h"

namespace display {

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

bool sameNoCase(std::string_view text, std::string_view lower) {
    return text.size() == lower.size() && startsWithNoCase(text, lower);
}

void addRecipients(std::string& to, const std::string& more) {
    if (more.empty()) return;
    if (!to.empty()) to += ", ";
    to += more;
}

}  // namespace

std::optional<MailDraft> MailDraft::parse(std::string_view address) {
    constexpr std::string_view kScheme = "mailto:";
    if (!startsWithNoCase(address, kScheme)) return std::nullopt;
    std::string_view rest = address.substr(kScheme.size());
    if (rest.starts_with("//")) rest.remove_prefix(2);
    std::size_t question = rest.find('?');
    MailDraft draft;
    addRecipients(draft.to, fnd::percentUnescape(rest.substr(0, question)));
    if (question == std::string_view::npos) return draft;
    std::string_view query = rest.substr(question + 1);
    while (!query.empty()) {
        std::size_t amp = query.find('&');
        std::string_view field = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
        std::size_t eq = field.find('=');
        if (eq == std::string_view::npos) continue;
        std::string_view name = field.substr(0, eq);
        std::string value = fnd::percentUnescape(field.substr(eq + 1));
        if (sameNoCase(name, "to"))
            addRecipients(draft.to, value);
        else if (sameNoCase(name, "subject"))
            draft.subject = std::move(value);
        else if (sameNoCase(name, "body"))
            draft.body = std::move(value);
    }
    return draft;
}

}  // namespace display

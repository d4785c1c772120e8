#pragma once
// A mail the program asks to send, read from its "mailto:" address: the recipients, the subject
// and the body, decoded. The page shows it in its composer beside the device, since a body of
// megabytes (a backup) passes through no mail program's link. Both "mailto:address?..." and
// "mailto://address?..." are read; "to" fields of the query add recipients, other fields are
// passed over. "+" stays "+", as in mail addresses.

#include <optional>
#include <string>
#include <string_view>

namespace display {

struct MailDraft {
    std::string to;  // the recipients, ", " between them
    std::string subject;
    std::string body;

    // Nothing when the address is not a mail address.
    static std::optional<MailDraft> parse(std::string_view address);
};

}  // namespace display

#pragma once
// Turns a web view's document into what its frame is served: the bridge script (web/bridge.js)
// goes first into every HTML document, with the document's serial, so that the frame can talk to
// the display; an outside page also gets its own address as the base of its links and pictures
// (it is served from the display's server, not from where it came). The bytes keep their
// character set, which the served content type names: a header beats the page's own declaration,
// which the script put before it could push out of the browser's first look.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/ui/WebEngine.h"

namespace display {

class PageBridge {
  public:
    struct Served {
        bool ok = false;
        std::string body;
        std::string contentType;
        // The Content-Security-Policy to serve it with: for inert content, one that lets only the
        // bridge (by its nonce) run and only "data:" pictures load; empty otherwise.
        std::string contentPolicy;
        std::string error;  // why the document cannot be shown, when not ok
    };

    // Reads the bridge script from the display's front-end folder.
    explicit PageBridge(const std::filesystem::path& webFolder);
    // With the script's text itself (a function expression taking the serial).
    static PageBridge withScript(std::string script);

    bool hasScript() const { return !script_.empty(); }
    // The blank page (web/frame.html) in which a web view's next frame waits for a document to be
    // written into it; empty when the front end has none.
    const std::string& shellPage() const { return shell_; }
    // The policy the shell is served with: sandboxed wherever it is opened, framed by the display only.
    static constexpr const char* kShellPolicy = "sandbox allow-scripts allow-forms; frame-ancestors 'self'";

    // HTML (and XHTML) gets the bridge; plain text is shown as such in a page with the bridge;
    // anything else cannot be shown.
    Served prepare(const ui::WebDocument& document) const;

    // Where the head's content begins: after "<head ...>", else after "<html ...>", else after the
    // document type or XML declaration, else at the start (never before a document type, which
    // would put the page in quirks mode).
    static std::size_t insertionPoint(std::string_view html);
    // Puts a base element naming `address` first into the head of a prepared document, so that
    // its links, pictures and scripts resolve against that address wherever the document is shown;
    // false (and the text unchanged) when the page names a base of its own, which must stand.
    static bool addBase(std::string& html, std::string_view address);
    // The character set a page declares in a meta element within its first 1024 bytes.
    static std::string declaredCharset(std::string_view html);
    static std::string escapeHTML(std::string_view text);
    // The content policy of inert documents, whose bridge carries the nonce.
    static std::string inertPolicy(const std::string& nonce);

  private:
    PageBridge() = default;
    std::string snippet(const ui::WebDocument& document, bool withBase, const std::string& nonce) const;

    std::string script_;
    std::string shell_;
};

}  // namespace display

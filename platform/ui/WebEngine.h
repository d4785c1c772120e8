#pragma once
// What shows a web view's pages and runs their scripts. The web view decides what to load (it asks
// its delegate, fetches outside pages, reads files) and hands the engine finished documents; the
// engine shows them, tells the web view when a document has loaded, routes every request the page
// makes (link taps, form submissions, script navigation) back to it, and answers script
// evaluations synchronously.
//
// The browser display implements one: the document is served to an iframe under an address of its
// own (given back through WebView::setDocumentAddress), requests come back as messages, and an
// evaluation waits for the page's answer with a deadline. Without a display, the headless engine
// answers "" and records; tests use a scripted engine.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/foundation/URL.h"
#include "platform/foundation/URLRequest.h"

namespace ui {

// Kinds of text a page may turn into links by itself, as flags.
enum DataDetector : unsigned {
    DataDetectorNone = 0,
    DataDetectorPhoneNumber = 1u << 0,
    DataDetectorLink = 1u << 1,
    DataDetectorAll = 0xFFFFFFFFu,
};

// One document to show.
struct WebDocument {
    std::uint64_t serial = 0;  // told back when it has loaded
    std::string content;       // the page's bytes
    std::string mimeType = "text/html";
    std::string textEncoding;  // the bytes' character set as the server named it; empty: unknown
    // The page's address: links, pictures and scripts resolve against it. For HTML given with a
    // base address it is that address ("about:blank" when there is none).
    fnd::URL url;
    unsigned dataDetectors = DataDetectorAll;
    bool scalesPageToFit = false;
    // Inert content: none of the page's own scripts run (inline, linked or in attributes) and
    // nothing is fetched from anywhere, but for pictures written into the page as "data:"
    // addresses; inline styles apply. The engine's own bridge still runs.
    bool inertContent = false;
};

// The web view's side, as an engine sees it. Main thread only.
class WebEngineClient {
  public:
    virtual ~WebEngineClient() = default;
    // The page asks to load a request, with its navigation kind. Answers whether it may. When it
    // may, the web view loads it, except an address that differs from the page's only in its
    // fragment (the engine moves within the page itself) and addresses of schemes nothing loads
    // (the page stays as it is).
    virtual bool pageRequests(const fnd::URLRequest& request) = 0;
    // The document of that serial has loaded, pictures and scripts included; or failed.
    virtual void documentDidLoad(std::uint64_t serial) = 0;
    virtual void documentDidFail(std::uint64_t serial, const std::string& reason) = 0;
    // The person selected text in the page (empty: nothing selected).
    virtual void selectionChanged(const std::string& text) = 0;
};

class WebEngine {
  public:
    virtual ~WebEngine() = default;

    // The web view it works for; set before anything else is asked.
    virtual void setClient(std::weak_ptr<WebEngineClient> client) = 0;
    // Shows a document in place of the one shown.
    virtual void showDocument(const WebDocument& document) = 0;
    // Stops loading the document shown.
    virtual void stopLoading() = 0;
    // Runs the script in the page and answers its result as text: "" when nothing is shown, the
    // result is not text, or no answer came within `deadline` seconds.
    virtual std::string evaluate(const std::string& script, double deadline) = 0;
};

}  // namespace ui

#include "Classes/study_aids/BundlePage.h"

#include "platform/foundation/Bundle.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/URL.h"
#include "platform/ui/WebView.h"

bool BundlePage::load(ui::WebView& webView, const std::string& fileName) {
    if (fileName.empty()) return false;
    const fnd::Bundle bundle = fnd::Bundle::main();
    std::optional<std::string> html = bundle.textResource(fileName, "htm");
    if (!html) {
        fnd::Log::info("no page ", fileName, ".htm in the bundle");
        return false;
    }
    webView.loadHTMLString(*html, fnd::URL::fileURL(bundle.resourcePath()));
    return true;
}

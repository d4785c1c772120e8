#include "Classes/core/CustomWebView.h"

#include "platform/ui/ViewClassRegistry.h"

void CustomWebView::registerViewClass() {
    ui::ViewClassRegistry::shared().registerClass<CustomWebView>(kClassName, "WebView");
}

bool CustomWebView::canPerformAction(const std::string&, const Sender&) { return false; }

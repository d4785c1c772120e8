#pragma once
// A web view that never offers the text edit menu (nor the program's own items in it), for pages
// where a selection has nothing to do. Interface files name it "CustomWebView".

#include "platform/ui/WebView.h"

class CustomWebView : public ui::WebView {
  public:
    static constexpr const char* kClassName = "CustomWebView";

    // Lets interface files make it; it reads the web view's properties.
    static void registerViewClass();

    bool canPerformAction(const std::string& action, const Sender& sender) override;
};

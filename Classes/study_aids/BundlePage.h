#pragma once
// A page of the bundle ("NAME.htm") shown in a web view with the bundle's folder as its base, so
// that its pictures, style sheets and links to other pages are found beside it.

#include <string>

namespace ui {
class WebView;
}

class BundlePage {
  public:
    // Loads the page; false, the view left as it was, when there is no name or no such page.
    static bool load(ui::WebView& webView, const std::string& fileName);
};

#include "Classes/library_store/PageScripts.h"

#include "Classes/core/MRepository.h"

namespace {

// Sets each listed CSS length of every element of the selector above its limit to the limit, and
// a negative one to 0.
std::string clamps() {
    auto n = [](int value) { return std::to_string(value); };
    return "(function(){"
           "function clamp(selector,limits){"
           "var all=document.querySelectorAll(selector);"
           "for(var i=0;i<all.length;i++){"
           "var style=window.getComputedStyle(all[i]);"
           "for(var p in limits){"
           "var v=parseFloat(style[p])||0;"
           "if(v>limits[p])all[i].style[p]=limits[p]+'px';"
           "else if(v<0)all[i].style[p]='0px';}}}"
           "clamp('p',{marginLeft:" +
           n(PageScripts::kParagraphMargin) + ",marginRight:" + n(PageScripts::kParagraphMargin) +
           ",textIndent:" + n(PageScripts::kParagraphIndent) +
           "});"
           "clamp('li',{marginLeft:" +
           n(PageScripts::kListMargin) + ",paddingLeft:" + n(PageScripts::kListMargin) +
           "});"
           "clamp('blockquote',{marginLeft:" +
           n(PageScripts::kQuoteMargin) + ",marginRight:" + n(PageScripts::kQuoteMargin) +
           "});"
           "clamp('body',{marginLeft:" +
           n(PageScripts::kBodyMargin) + ",marginRight:" + n(PageScripts::kBodyMargin) +
           "});"
           "})();";
}

std::string bottomMargin() {
    return "document.body.style.marginBottom='" + std::to_string(PageScripts::kBottomMargin) + "px';";
}

}  // namespace

std::string PageScripts::fontSizeScript(int size) {
    return "document.body.style.fontSize='" + std::to_string(size) + "pt';";
}

std::string PageScripts::phoneScript(int fontSize) {
    return MRepository::fixImageSizeToWidth(kImageWidth, kImageHeight) + fontSizeScript(fontSize) + clamps() +
           bottomMargin();
}

std::string PageScripts::tabletScript(int fontSize) { return fontSizeScript(fontSize) + bottomMargin(); }

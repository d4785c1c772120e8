#pragma once
// The interactive book's page reader, over the library's reader of either device (Base is
// StartItemVC or StartItemVC_iPad): the page bridge (IBookBridge) runs after every page load,
// after every answer the page reports and when the error log's section screen closes, so that the
// page always shows the answers recorded for its questions. The two bridge links are handled here
// before anything else and never leave the reader: an answer link records the answer in the book's
// index, an official-guide link opens the error log's questions it names in a section screen of
// their own.
//
// IBookItemVC and IBookItemVC_iPad are this reader on the phone and on the tablet.

#include <memory>
#include <string>
#include <type_traits>

#include "Classes/library_store/StartItemVC.h"
#include "Classes/library_store/StartItemVC_iPad.h"

class MEBook;
class MSection;

template <class Base>
class IBookReader : public Base {
    static_assert(std::is_base_of_v<StartItemVC, Base>);

  public:
    using Base::init;
    static constexpr bool kTablet = std::is_base_of_v<StartItemVC_iPad, Base>;

    // The reader's page scripts, then the bridge run.
    void applyJSforWebView(ui::WebView& webView) override;
    // One bridge run over the view's page.
    void intBookJSforWebView(ui::WebView& webView);
    // The bridge links are refused, and a tapped one acted on; any other request goes to the
    // library's reader.
    bool webViewShouldStartLoad(ui::WebView& webView, const fnd::URLRequest& request,
                                fnd::URLRequest::NavigationType navigation) override;

    // Opens the error log's section screen of the device on the section, when a child may open.
    void openSection(const std::shared_ptr<MSection>& section);
    // The section screen closed: the bridge runs again on the page in front.
    void sectionNotifications(const fnd::Notification& notification);

    // The book of the reader; null when the set is no e-book.
    std::shared_ptr<MEBook> book() const;

  private:
    void followBridgeLink(ui::WebView& webView, const std::string& url);
};

extern template class IBookReader<StartItemVC>;
extern template class IBookReader<StartItemVC_iPad>;

#pragma once
// The search of the flashcard-sharing service, opened from the flashcards tool's add key. The
// person types a query; the screen asks the service for a page of matching sets behind a loading
// overlay (whose Cancel ends the request), shows what came back, and lists the sets page by page.
// A tap on a set fills the deck prepared for the next import (one card per term) and opens its
// preview, which adds it to the collection. Several sets can be imported in one visit, each with
// the next free identifier; the cancel key then reads "Confirm". A deck with pictures has them
// fetched by one worker after it is added.
//
// Two modes share the screen: search mode (the search bar, the service's badge, the results text
// and the key back to the results) and results mode (the list of sets and the page bar). It starts
// in search mode with no results to go back to.
//
// A reply the screen cannot read (not JSON, not an object, an error status without the service's
// error object), an error reply and a failed connection each say so in the results text; the list,
// the page label and the page keys stay those of the last good reply. The collection changes only
// when the person adds a deck.

#include <cstdint>
#include <memory>
#include <string>

#include "Classes/core/SliddenViewController.h"
#include "Classes/flashcards/FlashcardService.h"
#include "platform/foundation/URLConnectionDelegate.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/TableView.h"
#include "platform/ui/WebView.h"

class DeckAddVC;
class LoadingVC;
class MFlashcards;
class MQuizletDeck;
class MQuizletResponse;

namespace fnd {
class URLConnection;
}
namespace ui {
class BarButtonItem;
class Button;
class Label;
class Toolbar;
}  // namespace ui

class DeckChooseVC : public SliddenViewController,
                     public ui::SearchBarDelegate,
                     public ui::TableViewDataSource,
                     public ui::TableViewDelegate,
                     public ui::WebViewDelegate,
                     public fnd::URLConnectionDelegate {
  public:
    static constexpr const char* kDoneNotification = "DeckChooseVC_Done_Notification";
    static constexpr const char* kSearchedTipEvent = "TipsEvent_QuizletSearched";
    static constexpr const char* kLoadingMessage = "Accessing Quizlet...";
    static constexpr const char* kCancelTitle = "Cancel";
    static constexpr const char* kConfirmTitle = "Confirm";
    static constexpr double kRowHeight = 85;

    // The parts of a set's row, by view tag.
    static constexpr int kBackgroundTag = 1;
    static constexpr int kImagesMarkTag = 21;
    static constexpr int kImportedMarkTag = 22;
    static constexpr int kTitleTag = 3;
    static constexpr int kDescriptionTag = 4;
    static constexpr int kTermCountTag = 5;
    static constexpr int kIdentifierTag = 6;
    static constexpr int kCreatorTag = 7;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    std::string nibIdentifier() const override { return "DeckChooseView"; }
    std::string cellIdentifier() const override { return "QuizletSetCell"; }

    // "initWithDecksArray:andLastID:": imports go into the collection's decks, the first with the
    // identifier lastID + 1. The service is the one at `serviceAddress` (by default the configured
    // one).
    void init(std::shared_ptr<MFlashcards> flashcards, std::uint32_t lastID,
              std::string serviceAddress = FlashcardService::configuredAddress());
    using SliddenViewController::init;
    void viewDidLoad() override;
    void close() override;
    // The screen stays upright.
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) override;

    // A new imported deck, identifier lastID + 1, becomes the one the next chosen set fills.
    void setupDeckWithLastID(std::uint32_t lastID);

    // ---- Keys

    // The cancel key: the screen is done.
    void done(const Sender& sender);
    // The previous or the next page key: that page of the last results, when there is one.
    void nextPage(const Sender& sender);
    void switchToSearchMode(const Sender& sender);
    void switchToResultsMode(const Sender& sender);

    // ---- Search

    bool searchBarShouldBeginEditing(ui::SearchBar&) override { return true; }
    void searchBarSearchButtonClicked(ui::SearchBar& bar) override;
    // Asks the service for the page of the (escaped) query, behind the loading overlay.
    void sendRequestToQuizletWithQuery(const std::string& query, std::uint32_t page);
    void processResponseFromQuizlet();
    void processError();
    void startLoadingIndication();
    void stopLoadingIndication();
    // The overlay's Cancel: the request ends.
    void loadingViewNotification(const fnd::Notification& notification);

    void didReceiveResponse(fnd::URLConnection&, const fnd::URLResponse& response) override;
    void didReceiveData(fnd::URLConnection&, const std::string& data) override;
    void didFinishLoading(fnd::URLConnection&) override;
    void didFail(fnd::URLConnection&, const fnd::URLError&) override;

    // ---- Import

    // Opens the preview of the prepared deck.
    void tryToAddDeck();
    void didObtainDeckAddVCBackNotification(const fnd::Notification& notification);
    // Fetches the pictures of the deck's cards on one worker.
    void loadInBackgroundImagesForDeck(const std::shared_ptr<MQuizletDeck>& deck);
    // Whether the collection already holds a deck imported from the set with that number.
    bool doContainQuizletDeckWithID(int setID) const;

    // ---- Table

    int numberOfRows(ui::TableView&, int) override { return numberOfRowsInSection_; }
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table,
                                                  const ui::IndexPath& indexPath) override;
    double heightForRow(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;

    // The badge's link opens outside the program; nothing loads in the badge.
    bool webViewShouldStartLoad(ui::WebView& view, const fnd::URLRequest& request,
                                fnd::URLRequest::NavigationType type) override;

    // ---- Fields

    const std::shared_ptr<MQuizletDeck>& deck() const { return deck_; }
    // The reply the list shows; null before the first.
    const std::shared_ptr<MQuizletResponse>& response() const { return response_; }
    const std::string& query() const { return query_; }
    // The last results text (an HTML fragment).
    const std::string& resultsText() const { return resultsText_; }
    bool isInResultsMode() const { return inResultsMode_; }
    const std::shared_ptr<LoadingVC>& loadingVC() const { return loadingVC_; }
    const std::shared_ptr<DeckAddVC>& deckAddVC() const { return deckAddVC_; }
    const std::shared_ptr<fnd::URLConnection>& urlConnection() const { return urlConnection_; }

    const std::shared_ptr<ui::SearchBar>& searchBar() const { return searchBar_; }
    const std::shared_ptr<ui::WebView>& resultsWebView() const { return resultsWebView_; }
    const std::shared_ptr<ui::WebView>& quizletBadgeWebView() const { return quizletBadgeWebView_; }
    const std::shared_ptr<ui::Button>& returnToResultsBtn() const { return returnToResultsBtn_; }
    const std::shared_ptr<ui::TableView>& decksTableView() const { return decksTableView_; }
    const std::shared_ptr<ui::Toolbar>& bottomToolB() const { return bottomToolB_; }
    const std::shared_ptr<ui::BarButtonItem>& cancelBtn() const { return cancelBtn_; }
    const std::shared_ptr<ui::BarButtonItem>& previousPageBtn() const { return previousPageBtn_; }
    const std::shared_ptr<ui::BarButtonItem>& nextPageBtn() const { return nextPageBtn_; }
    const std::shared_ptr<ui::BarButtonItem>& searchBtn() const { return searchBtn_; }
    const std::shared_ptr<ui::Label>& pageNumberLbl() const { return pageNumberLbl_; }

  private:
    void showResultsText(std::string text);
    // A request that ended without new results: its text, in search mode.
    void showEndWithoutResults(std::string text);
    void showPages();
    void setSearchModeShown(bool shown);

    std::shared_ptr<MFlashcards> flashcards_;
    std::shared_ptr<MQuizletDeck> deck_;
    std::string serviceBase_;
    std::string query_;
    std::shared_ptr<fnd::URLConnection> urlConnection_;
    std::string receivedData_;
    int receivedStatus_ = 0;
    std::shared_ptr<MQuizletResponse> response_;
    std::string resultsText_;
    int numberOfRowsInSection_ = 0;
    bool inResultsMode_ = false;
    std::shared_ptr<LoadingVC> loadingVC_;
    std::shared_ptr<DeckAddVC> deckAddVC_;

    std::shared_ptr<ui::SearchBar> searchBar_;
    std::shared_ptr<ui::WebView> resultsWebView_;
    std::shared_ptr<ui::WebView> quizletBadgeWebView_;
    std::shared_ptr<ui::Button> returnToResultsBtn_;
    std::shared_ptr<ui::TableView> decksTableView_;
    std::shared_ptr<ui::View> theCell_;
    std::shared_ptr<ui::Toolbar> bottomToolB_;
    std::shared_ptr<ui::BarButtonItem> cancelBtn_, previousPageBtn_, nextPageBtn_, searchBtn_;
    std::shared_ptr<ui::Label> pageNumberLbl_;
};

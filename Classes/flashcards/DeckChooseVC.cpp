#include "Classes/flashcards/DeckChooseVC.h"

#include "Classes/core/LoadingVC.h"
#include "Classes/flashcards/DeckAddVC.h"
#include "Classes/flashcards/FlashcardsScreenParts.h"
#include "Classes/flashcards/MFlashcards.h"
#include "Classes/flashcards/MQuizletDeck.h"
#include "Classes/flashcards/MQuizletResponse.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/URLConnection.h"
#include "platform/ui/Application.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/Toolbar.h"

namespace {

constexpr double kPageLabelWidth = 130;
constexpr double kBarHeight = 44;

void setLabel(ui::TableViewCell& cell, int tag, const std::string& text) {
    if (auto label = std::dynamic_pointer_cast<ui::Label>(cell.viewWithTag(tag))) label->setText(text);
}

void showPart(ui::TableViewCell& cell, int tag, bool shown) {
    if (auto part = cell.viewWithTag(tag)) part->setHidden(!shown);
}

fnd::URL bundleBase() { return fnd::URL::fileURL(fnd::Bundle::main().resourcePath()); }

}  // namespace

const ui::ConnectionTable& DeckChooseVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("DeckChooseVC", &SliddenViewController::classConnections())
            .outlet("searchBar", &DeckChooseVC::searchBar_)
            .outlet("resultsWebView", &DeckChooseVC::resultsWebView_)
            .outlet("quizletBadgeWebView", &DeckChooseVC::quizletBadgeWebView_)
            .outlet("returnToResultsBtn", &DeckChooseVC::returnToResultsBtn_)
            .outlet("decksTableView", &DeckChooseVC::decksTableView_)
            .outlet("theCell", &DeckChooseVC::theCell_)
            .outlet("bottomToolB", &DeckChooseVC::bottomToolB_)
            .action("done:", &DeckChooseVC::done)
            .action("nextPage:", &DeckChooseVC::nextPage)
            .action("switchToSearchMode:", &DeckChooseVC::switchToSearchMode)
            .action("switchToResultsMode:", &DeckChooseVC::switchToResultsMode);
    return table;
}

void DeckChooseVC::init(std::shared_ptr<MFlashcards> flashcards, std::uint32_t lastID,
                        std::string serviceAddress) {
    flashcards_ = std::move(flashcards);
    serviceBase_ = FlashcardService::usableBase(serviceAddress).value_or("");
    setupDeckWithLastID(lastID);
    initWithNibName(nibIdentifier());
    animation();
}

void DeckChooseVC::setupDeckWithLastID(std::uint32_t lastID) {
    deck_ = std::make_shared<MQuizletDeck>(lastID + 1);
}

bool DeckChooseVC::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) {
    return orientation == ui::InterfaceOrientation::Portrait;
}

void DeckChooseVC::viewDidLoad() {
    auto self = sharedAs<DeckChooseVC>();
    using Parts = FlashcardsScreenParts;
    cancelBtn_ = Parts::key(ui::BarButtonItem::withTitle(kCancelTitle), self, &DeckChooseVC::done);
    Parts::showKeys(toolB().get(), {cancelBtn_});

    previousPageBtn_ = Parts::key(ui::BarButtonItem::withTitle("\u25C0"), self, &DeckChooseVC::nextPage);
    nextPageBtn_ = Parts::key(ui::BarButtonItem::withTitle("\u25B6"), self, &DeckChooseVC::nextPage);
    searchBtn_ = Parts::key(ui::BarButtonItem::withTitle("Search"), self, &DeckChooseVC::switchToSearchMode);
    pageNumberLbl_ = ui::make<ui::Label>(ui::Rect{0, 0, kPageLabelWidth, kBarHeight});
    pageNumberLbl_->setTextAlignment(ui::TextAlignment::Center);
    pageNumberLbl_->setTextColor(ui::Color::whiteColor());
    pageNumberLbl_->setFont(ui::Font::boldSystem(15));
    Parts::showKeys(bottomToolB_.get(), {searchBtn_, ui::BarButtonItem::flexibleSpace(), previousPageBtn_,
                                         ui::BarButtonItem::withCustomView(pageNumberLbl_), nextPageBtn_});
    showPages();

    if (searchBar_) searchBar_->setDelegate(self);
    decksTableView_->setDataSource(self);
    decksTableView_->setDelegate(self);
    decksTableView_->setRowHeight(kRowHeight);
    if (resultsWebView_) resultsWebView_->setInertContent(true);
    if (quizletBadgeWebView_) {
        quizletBadgeWebView_->setBackgroundColor(ui::Color::clear());
        quizletBadgeWebView_->setDelegate(self);
        if (!serviceBase_.empty())
            quizletBadgeWebView_->loadHTMLString(FlashcardService::badgePage(serviceBase_), bundleBase());
    }
    switchToSearchMode(nullptr);
    SliddenViewController::viewDidLoad();
}

void DeckChooseVC::close() {
    stopLoadingIndication();
    if (urlConnection_) urlConnection_->cancel();
    urlConnection_.reset();
    SliddenViewController::close();
}

// ---- Keys

void DeckChooseVC::done(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<DeckChooseVC>());
}

void DeckChooseVC::nextPage(const Sender& sender) {
    if (!response_) return;
    std::optional<std::uint32_t> page = response_->page();
    if (sender && sender == previousPageBtn_)
        page = FlashcardService::pageBefore(*response_);
    else if (sender && sender == nextPageBtn_)
        page = FlashcardService::pageAfter(*response_);
    if (page && *page >= 1 && *page <= response_->total_pages()) sendRequestToQuizletWithQuery(query_, *page);
}

void DeckChooseVC::setSearchModeShown(bool shown) {
    for (const std::shared_ptr<ui::View>& part : std::initializer_list<std::shared_ptr<ui::View>>{
             searchBar_, quizletBadgeWebView_, resultsWebView_, returnToResultsBtn_})
        if (part) part->setHidden(!shown);
    // The list and its page bar are the results mode's; nothing of them shows past the search.
    for (const std::shared_ptr<ui::View>& part :
         std::initializer_list<std::shared_ptr<ui::View>>{decksTableView_, bottomToolB_})
        if (part) part->setHidden(shown);
}

void DeckChooseVC::switchToSearchMode(const Sender&) {
    inResultsMode_ = false;
    setSearchModeShown(true);
    // Until a search has found something there are no results to go back to.
    if (returnToResultsBtn_ && !response_) returnToResultsBtn_->setHidden(true);
}

void DeckChooseVC::switchToResultsMode(const Sender&) {
    inResultsMode_ = true;
    setSearchModeShown(false);
    if (searchBar_) searchBar_->resignFirstResponder();
}

// ---- Search

void DeckChooseVC::searchBarSearchButtonClicked(ui::SearchBar& bar) {
    bar.resignFirstResponder();
    sendRequestToQuizletWithQuery(FlashcardService::escapedQuery(bar.text()), 1);
}

void DeckChooseVC::sendRequestToQuizletWithQuery(const std::string& query, std::uint32_t page) {
    query_ = query;
    if (urlConnection_) urlConnection_->cancel();
    urlConnection_.reset();
    if (serviceBase_.empty()) return showEndWithoutResults(FlashcardService::kFailedText);
    receivedData_.clear();
    receivedStatus_ = 0;
    fnd::URLRequest request{fnd::URL(FlashcardService::searchAddress(serviceBase_, query, page))};
    urlConnection_ = fnd::URLConnection::start(std::move(request), sharedAs<DeckChooseVC>());
    showResultsText(FlashcardService::kSentText);
    startLoadingIndication();
}

void DeckChooseVC::didReceiveResponse(fnd::URLConnection&, const fnd::URLResponse& response) {
    receivedData_.clear();
    receivedStatus_ = response.statusCode();
}

void DeckChooseVC::didReceiveData(fnd::URLConnection&, const std::string& data) { receivedData_ += data; }

void DeckChooseVC::didFinishLoading(fnd::URLConnection&) { processResponseFromQuizlet(); }

void DeckChooseVC::didFail(fnd::URLConnection&, const fnd::URLError&) { processError(); }

void DeckChooseVC::processResponseFromQuizlet() {
    fnd::NotificationCenter::defaultCenter().post(kSearchedTipEvent, sharedAs<DeckChooseVC>());
    stopLoadingIndication();
    urlConnection_.reset();
    std::shared_ptr<MQuizletResponse> reply = MQuizletResponse::fromReply(receivedData_);
    receivedData_.clear();
    // An error status is only the service's answer when it comes with the service's error object.
    if (!reply || (receivedStatus_ >= 400 && !reply->isError()))
        return showEndWithoutResults(FlashcardService::kUnreadableText);
    // An error leaves the list, the page label and the page keys as the last results set them.
    if (reply->isError()) return showEndWithoutResults(FlashcardService::resultsText(*reply));
    showResultsText(FlashcardService::resultsText(*reply));
    response_ = std::move(reply);
    numberOfRowsInSection_ = int(response_->quizletSets().size());
    decksTableView_->reloadData();
    decksTableView_->setContentOffset({0, 0}, false);
    showPages();
    switchToResultsMode(nullptr);
}

void DeckChooseVC::processError() {
    stopLoadingIndication();
    urlConnection_.reset();
    showEndWithoutResults(FlashcardService::kFailedText);
}

void DeckChooseVC::showEndWithoutResults(std::string text) {
    showResultsText(std::move(text));
    // The text is seen in search mode, also when the request was for another page of the results.
    switchToSearchMode(nullptr);
}

void DeckChooseVC::showResultsText(std::string text) {
    resultsText_ = std::move(text);
    if (resultsWebView_)
        resultsWebView_->loadHTMLString(FlashcardService::resultsPage(resultsText_), bundleBase());
}

void DeckChooseVC::showPages() {
    if (pageNumberLbl_)
        pageNumberLbl_->setText(response_ ? FlashcardService::pageLabel(*response_) : std::string());
    previousPageBtn_->setEnabled(response_ && FlashcardService::hasPreviousPage(*response_));
    nextPageBtn_->setEnabled(response_ && FlashcardService::hasNextPage(*response_));
}

void DeckChooseVC::startLoadingIndication() {
    if (loadingVC_) return;
    loadingVC_ = ui::make<LoadingVC>(std::string(kLoadingMessage), view());
    registerDoneHandler(&DeckChooseVC::loadingViewNotification, std::nullopt, loadingVC_);
}

void DeckChooseVC::stopLoadingIndication() {
    if (!loadingVC_) return;
    std::shared_ptr<LoadingVC> overlay = std::move(loadingVC_);
    fnd::NotificationCenter::defaultCenter().removeObserverForObject(notificationId(this),
                                                                     notificationId(overlay.get()));
    overlay->close();
}

void DeckChooseVC::loadingViewNotification(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, loadingVC_)) return;
    loadingVC_.reset();
    if (urlConnection_) urlConnection_->cancel();
    urlConnection_.reset();
    showEndWithoutResults(FlashcardService::kCancelledText);
}

// ---- Import

bool DeckChooseVC::doContainQuizletDeckWithID(int setID) const {
    for (const auto& deck : flashcards_->decks())
        if (auto imported = std::dynamic_pointer_cast<MQuizletDeck>(deck))
            if (setID >= 0 && imported->quizletsID() == static_cast<std::uint32_t>(setID)) return true;
    return false;
}

void DeckChooseVC::tryToAddDeck() {
    if (!canOpenSubview()) return;
    deckAddVC_ = ui::make<DeckAddVC>(deck_, flashcards_);
    registerMainChildDoneHandler(&DeckChooseVC::didObtainDeckAddVCBackNotification,
                                 DeckAddVC::kDoneNotification, deckAddVC_);
}

void DeckChooseVC::didObtainDeckAddVCBackNotification(const fnd::Notification& notification) {
    if (!proceedDoneNotification(&notification, deckAddVC_)) return;
    deckAddVC_.reset();
    decksTableView_->reloadData();
    const auto& decks = flashcards_->decks();
    if (decks.empty() || decks.back() != deck_) return;
    // The counter follows at once, so that a save before the screen closes never stores a deck
    // beyond it (the next start would hand out its identifier again).
    flashcards_->noteDeckIdentifier(deck_->ID());
    if (deck_->has_images()) {
        deck_->changeFaceStyle();
        loadInBackgroundImagesForDeck(deck_);
    }
    cancelBtn_->setTitle(kConfirmTitle);
    setupDeckWithLastID(deck_->ID());
}

void DeckChooseVC::loadInBackgroundImagesForDeck(const std::shared_ptr<MQuizletDeck>& deck) {
    if (deck) deck->loadInBackgroundImagesForCards(deck->flashcards());
}

// ---- Table

std::shared_ptr<ui::TableViewCell> DeckChooseVC::cellForRow(ui::TableView& table,
                                                            const ui::IndexPath& indexPath) {
    auto cell = FlashcardsScreenParts::cell(table, cellIdentifier(), *this, theCell_);
    if (!response_ || indexPath.row < 0 || indexPath.row >= int(response_->quizletSets().size())) return cell;
    const MQuizletSet& set = response_->quizletSets()[std::size_t(indexPath.row)];
    if (auto background = cell->viewWithTag(kBackgroundTag))
        background->setBackgroundColor(FlashcardsScreenParts::rowColor(false, indexPath.row));
    showPart(*cell, kImagesMarkTag, set.has_images());
    showPart(*cell, kImportedMarkTag, doContainQuizletDeckWithID(set.ID()));
    setLabel(*cell, kTitleTag, set.title());
    setLabel(*cell, kDescriptionTag, set.description());
    setLabel(*cell, kTermCountTag, std::to_string(set.term_count()));
    setLabel(*cell, kIdentifierTag, "ID: " + std::to_string(set.ID()));
    setLabel(*cell, kCreatorTag, set.creator().empty() ? std::string() : "by " + set.creator());
    return cell;
}

void DeckChooseVC::didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) {
    table.deselectRow(indexPath, false);
    if (!response_ || indexPath.row < 0 || indexPath.row >= int(response_->quizletSets().size())) return;
    response_->quizletSets()[std::size_t(indexPath.row)].fillDeck(*deck_);
    tryToAddDeck();
}

bool DeckChooseVC::webViewShouldStartLoad(ui::WebView& view, const fnd::URLRequest& request,
                                          fnd::URLRequest::NavigationType type) {
    if (&view != quizletBadgeWebView_.get() || type != fnd::URLRequest::NavigationType::LinkClicked)
        return true;
    ui::Application::shared().openURL(request.url());
    return false;
}

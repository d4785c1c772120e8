#pragma once
// What the search screen of the flashcard-sharing service computes without a screen: the
// service's address from the bundle's information, the search request's address, the texts of
// the results page, the page label and which page keys may be used.
//
// The service's base address is the information key "FlashcardServiceAddress" (http or https, a
// host, an optional port and path). It ships empty, and then the program offers no search.

#include <cstdint>
#include <optional>
#include <string>

class MQuizletResponse;

class FlashcardService {
  public:
    static constexpr const char* kAddressKey = "FlashcardServiceAddress";
    static constexpr const char* kSearchPath = "/1.0/sets";
    static constexpr const char* kDeveloperKey = "QwLmTzRkVbNpHsXc";
    // The name the service goes by, in the badge's alternative text.
    static constexpr const char* kServiceName = "Quizlet";
    // The badge is drawn at twice its size in points, for the sharp screens.
    static constexpr const char* kBadgePicture = "images/fc_quizlet_badge@2x.png";
    static constexpr int kBadgeWidth = 120, kBadgeHeight = 40;

    static constexpr const char* kSentText = "<p>Sent request to Quizlet. </p><p>Waiting for response. </p>";
    static constexpr const char* kCancelledText = "<p>Cancelled the last request to Quizlet. </p>";
    static constexpr const char* kFailedText = "<p>Connection failed. </p>";
    // A reply that is no search reply (not JSON, not an object, or an error status without the
    // service's error object): said plainly rather than shown as a search that found nothing.
    static constexpr const char* kUnreadableText =
        "<p>Quizlet's reply could not be read. </p><p>The list shows the last results. </p>";

    // The configured address.
    static std::string configuredAddress();
    // The address without a trailing "/" when it is an http or https address with a host and
    // neither query nor fragment; nothing otherwise.
    static std::optional<std::string> usableBase(const std::string& address);

    // The search: the base, the search path, and the query string with the developer key first,
    // then "&q=<escaped>&page=<page>&extended=on".
    static std::string searchAddress(const std::string& base, const std::string& escapedQuery,
                                     std::uint32_t page);
    // The search text as it goes into the query: every byte percent-escaped but those that may
    // stand in a query value and split nothing.
    static std::string escapedQuery(const std::string& text);

    // The results text of a reply: the error's short and long texts (HTML-escaped, since they are
    // the service's words, not markup), or the counts of the search.
    static std::string resultsText(const MQuizletResponse& response);
    // A results text as the page the results view loads.
    static std::string resultsPage(const std::string& text);
    // The badge: a link to the service's address around the badge picture of the bundle.
    static std::string badgePage(const std::string& base);

    // "Page <page> of <total pages>".
    static std::string pageLabel(const MQuizletResponse& response);
    static bool hasPreviousPage(const MQuizletResponse& response) { return pageBefore(response).has_value(); }
    static bool hasNextPage(const MQuizletResponse& response) { return pageAfter(response).has_value(); }
    // The page before or after the reply's, when it is one of the search's pages.
    static std::optional<std::uint32_t> pageBefore(const MQuizletResponse& response);
    static std::optional<std::uint32_t> pageAfter(const MQuizletResponse& response);
};

#include "Classes/flashcards/FlashcardService.h"

#include <cstdio>

#include "Classes/core/MRepository.h"
#include "Classes/flashcards/MQuizletResponse.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/HTMLEscaping.h"
#include "platform/foundation/URL.h"

std::string FlashcardService::configuredAddress() { return fnd::Bundle::main().infoValue(kAddressKey); }

std::optional<std::string> FlashcardService::usableBase(const std::string& address) {
    fnd::URL url(address);
    std::string scheme = url.scheme();
    if ((scheme != "http" && scheme != "https") || url.host().empty() || url.hasQuery() || url.hasFragment())
        return std::nullopt;
    std::string base = url.absoluteString();
    while (base.ends_with('/')) base.pop_back();
    return base;
}

std::string FlashcardService::searchAddress(const std::string& base, const std::string& escapedQuery,
                                            std::uint32_t page) {
    return base + kSearchPath + "?dev_key=" + kDeveloperKey + "&q=" + escapedQuery +
           "&page=" + std::to_string(page) + "&extended=on";
}

std::string FlashcardService::escapedQuery(const std::string& text) {
    return MRepository::urlEncodeValue(text);
}

std::string FlashcardService::resultsText(const MQuizletResponse& response) {
    if (response.isError())
        return "<p>" + fnd::escapeHTML(response.short_text()) + "</p><p>" +
               fnd::escapeHTML(response.long_text()) + "</p>";
    char text[640];
    std::snprintf(
        text, sizeof text,
        "<p>The number of sets matching your search: <b>%u</b>;</p>"
        "<p>Page of results you are viewing: <b>%u</b>;</p>"
        "<p>The total number of pages of results matching your search: <b>%u</b>;</p>"
        "<p>The number of sets matching your search that contain one or more images: <b>%u</b>;</p>",
        unsigned(response.total_results()), unsigned(response.page()), unsigned(response.total_pages()),
        unsigned(response.sets_with_images()));
    return text;
}

std::string FlashcardService::resultsPage(const std::string& text) {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><meta name=\"viewport\" "
           "content=\"width=device-width\"><style>body{font:15px 'DejaVu Sans',sans-serif;color:#26303d;"
           "margin:12px;}p{margin:0 0 8px;}b{color:#45821c;}</style></head><body>" +
           text + "</body></html>";
}

std::string FlashcardService::badgePage(const std::string& base) {
    return "<!DOCTYPE html><html><head><meta "
           "charset=\"utf-8\"><style>html,body{margin:0;background:transparent;}"
           "img{display:block;border:0;}</style></head><body><a href=\"" +
           fnd::escapeHTML(base + "/") + "\"><img src=\"" + kBadgePicture + "\" alt=\"" + kServiceName +
           "\" width=\"" + std::to_string(kBadgeWidth) + "\" height=\"" + std::to_string(kBadgeHeight) +
           "\"></a></body></html>";
}

std::string FlashcardService::pageLabel(const MQuizletResponse& response) {
    return "Page " + std::to_string(response.page()) + " of " + std::to_string(response.total_pages());
}

std::optional<std::uint32_t> FlashcardService::pageBefore(const MQuizletResponse& response) {
    std::uint32_t page = response.page();
    if (page < 2 || page - 1 > response.total_pages()) return std::nullopt;
    return page - 1;
}

std::optional<std::uint32_t> FlashcardService::pageAfter(const MQuizletResponse& response) {
    std::uint32_t page = response.page();
    if (page >= response.total_pages()) return std::nullopt;
    return page + 1;
}

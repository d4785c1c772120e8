#pragma once
// One reply of the sharing service's search: either an error (its short and long texts) or a page
// of matching sets with the counts of the whole search.
//
// Only a JSON object is a reply: text that does not parse, an empty body or another kind of value
// at the top gives no response at all, so that a broken reply is never taken for a search that
// found nothing.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Classes/flashcards/MQuizletSet.h"
#include "platform/foundation/JsonValue.h"
#include "platform/foundation/Object.h"

class MQuizletResponse : public fnd::Object {
  public:
    static constexpr const char* kErrorType = "error";

    // The reply's bytes read as UTF-8 JSON; null unless they hold an object.
    static std::shared_ptr<MQuizletResponse> fromReply(std::string_view bytes);
    // Takes the reply's object (its sets are moved into the response); any other value gives an
    // empty response.
    explicit MQuizletResponse(fnd::JsonValue object);

    bool isError() const { return response_type_ == kErrorType; }

    const std::string& response_type() const { return response_type_; }
    const std::string& short_text() const { return short_text_; }
    const std::string& long_text() const { return long_text_; }
    std::uint32_t total_results() const { return total_results_; }
    std::uint32_t page() const { return page_; }
    std::uint32_t total_pages() const { return total_pages_; }
    std::uint32_t sets_with_images() const { return sets_with_images_; }
    // One set per member of the reply's "sets", in order (a member that is no object is an empty
    // set, so that the rows still count the reply's sets).
    const std::vector<MQuizletSet>& quizletSets() const { return quizletSets_; }

  private:
    std::string response_type_;
    std::string short_text_;
    std::string long_text_;
    std::uint32_t total_results_ = 0;
    std::uint32_t page_ = 0;
    std::uint32_t total_pages_ = 0;
    std::uint32_t sets_with_images_ = 0;
    std::vector<MQuizletSet> quizletSets_;
};

#include "Classes/flashcards/MQuizletResponse.h"

#include "Classes/flashcards/MQuizletValues.h"
#include "platform/foundation/Json.h"

std::shared_ptr<MQuizletResponse> MQuizletResponse::fromReply(std::string_view bytes) {
    std::optional<fnd::JsonValue> parsed = fnd::Json::parse(bytes);
    if (!parsed || !parsed->isMap()) return nullptr;
    return std::make_shared<MQuizletResponse>(std::move(*parsed));
}

MQuizletResponse::MQuizletResponse(fnd::JsonValue object) {
    using Values = MQuizletValues;
    response_type_ = Values::text(object, "response_type");
    short_text_ = Values::text(object, "short_text");
    long_text_ = Values::text(object, "long_text");
    total_results_ = Values::unsignedNumber(object, "total_results");
    page_ = Values::unsignedNumber(object, "page");
    total_pages_ = Values::unsignedNumber(object, "total_pages");
    sets_with_images_ = Values::unsignedNumber(object, "sets_with_images");
    auto* members = object.mutableMap();
    if (!members) return;
    auto sets = members->find("sets");
    if (sets == members->end()) return;
    if (auto* array = sets->second.mutableArray()) {
        quizletSets_.reserve(array->size());
        for (fnd::JsonValue& set : *array) quizletSets_.emplace_back(std::move(set));
    }
}

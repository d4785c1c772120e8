#include "Classes/core/MRepository.h"

#include <algorithm>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/PercentEscaping.h"

namespace {

// The image-fitting script; MAX_W and MAX_H stand for the numbers. Each image remembers its own
// fitted size and styled sizes in its click handler. An image not laid out yet (no size) is left
// as it is: fitting it would divide by zero. The handler is bound under a namespace of its own,
// so that running the script again does not toggle an image twice per tap.
constexpr std::string_view kFitImagesScript = R"js(var max_w = MAX_W;
var max_h = MAX_H;
$('img').not('.openBtn').each(function () {
    var img = $(this);
    var styled = {
        maxWidth: img.css('max-width'), maxHeight: img.css('max-height'),
        width: img.css('width'), height: img.css('height')
    };
    var w = img.width(), h = img.height();
    var w_a = w, h_a = h;
    if (w > 0 && h > 0) {
        var a = h / w;
        if (w_a > max_w) { w_a = max_w; h_a = Math.ceil(max_w * a); }
        if (h_a > max_h) { w_a = Math.ceil(max_h / a); h_a = max_h; }
    }
    var big = (w_a != w || h_a != h);
    if (big) img.attr({ width: w_a, height: h_a });
    img.attr('normalized', 'yes');
    img.off('click.fitimages').on('click.fitimages', function (event) {
        event.preventDefault();
        if (img.attr('normalized') == 'no') {
            if (big) img.attr({ width: w_a, height: h_a });
            else img.css({ width: styled.width, height: styled.height });
            img.css({ 'max-width': styled.maxWidth, 'max-height': styled.maxHeight });
            img.attr('normalized', 'yes');
        } else {
            img.css({ 'max-width': (3 * w_a) + 'px', 'max-height': (3 * h_a) + 'px' });
            if (big) img.attr({ width: 3 * w_a, height: 3 * h_a });
            else img.css({ width: (3 * w_a) + 'px', height: (3 * h_a) + 'px' });
            img.attr('normalized', 'no');
        }
        return false;
    });
});
)js";

void replaceAll(std::string& text, std::string_view what, std::string_view with) {
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

}  // namespace

bool MRepository::subRepsAreSaving() const {
    return (practiceSaving_ && practiceSaving_->isSaving()) || (trackerSaving_ && trackerSaving_->isSaving());
}

std::optional<std::string> MRepository::jQuery() {
    if (!jquery_) jquery_ = fnd::Bundle::main().textResource("zepto.min", "js");
    return jquery_;
}

std::string MRepository::fixImageSizeToWidth(int width, int height) {
    std::string script(kFitImagesScript);
    replaceAll(script, "MAX_W", std::to_string(width));
    replaceAll(script, "MAX_H", std::to_string(height));
    return script;
}

std::string MRepository::urlEncodeValue(std::string_view text) { return fnd::percentEscapeValue(text); }

std::string MRepository::urlDecodeValue(std::string_view text) { return fnd::percentUnescape(text); }

std::filesystem::path MRepository::companionExplanationHomePath() {
    return dataFolderPathForEBook(fnd::Bundle::main().identifier() + ".official_guide_companion") / "parts";
}

bool MRepository::isLocalEBook(std::string_view productId) {
    return std::find(std::begin(kLocalEBooks), std::end(kLocalEBooks), productId) != std::end(kLocalEBooks);
}

bool MRepository::isValidProductId(std::string_view productId) {
    auto isAlnum = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    };
    auto isNameCharacter = [&](char c) { return isAlnum(c) || c == '.' || c == '_' || c == '-'; };
    return !productId.empty() && isAlnum(productId.front()) &&
           std::all_of(productId.begin(), productId.end(), isNameCharacter);
}

std::filesystem::path MRepository::dataFolderPathForEBook(std::string_view productId) {
    if (!isValidProductId(productId)) return {};
    std::filesystem::path root = isLocalEBook(productId) ? fnd::Paths::resources() : fnd::Paths::documents();
    return root / "eBooks" / std::string(productId);
}

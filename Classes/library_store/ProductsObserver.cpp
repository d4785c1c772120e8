#include "Classes/library_store/ProductsObserver.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "Classes/core/MRepository.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/library_store/MProductInfo.h"
#include "Classes/library_store/StoreAlert.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/URLConnection.h"
#include "platform/foundation/URLRequest.h"

namespace {

constexpr const char* kConnectionErrorTitle = "Unable to connect to store.";
constexpr const char* kNotConfigured = "No store content server is configured.";

// A boolean as text reads: after leading blanks, a sign and zeros, Y, y, T, t or 1 to 9 is true.
bool boolValue(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    while (at < text.size() && text[at] == '0') ++at;
    return at < text.size() && std::string_view("YyTt123456789").find(text[at]) != std::string_view::npos;
}

int intValue(const std::string& text) { return static_cast<int>(std::strtol(text.c_str(), nullptr, 10)); }

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

}  // namespace

ProductsObserver::ProductsObserver()
    : ProductsObserver(fnd::URL(fnd::Bundle::main().infoValue("ORVAStoreContentServer")),
                       fnd::Bundle::main().identifier()) {}

ProductsObserver::ProductsObserver(fnd::URL contentServer, std::string bundleIdentifier)
    : contentServer_(std::move(contentServer)),
      bundleIdentifier_(std::move(bundleIdentifier)),
      alert_(StoreAlert::show) {
    for (const char* name :
         {"critical_reasoning", "eq_in_vics", "fdps", "foundations_of_orva_math", "geometry",
          "number_properties", "official_guide_companion", "reading_comprehension", "sentence_correction",
          "word_translations", "advanced_orva_quant", "foundations_of_orva_verbal"})
        productIDSet_[bundleIdentifier_ + "." + name] = name;
    productIDSet_[bundleIdentifier_ + ".case_studies_and_cocktails"] = "case_studies_n_cocktails";
    productIDSet_[kOfficialGuideCompanionStoreId] = "official_guide_companion";
}

ProductsObserver::ProductsInfo ProductsObserver::parseCatalogue(std::string_view text) {
    ProductsInfo catalogue;
    for (const std::string& line : split(text, '\n')) {
        std::vector<std::string> fields = split(line, '\t');
        if (fields.size() < 7 || !MRepository::isValidProductId(fields[0])) continue;
        auto info = std::make_shared<MProductInfo>(fields[0], intValue(fields[1]), intValue(fields[2]),
                                                   fields[3], fields[4], fields[5], fields[6]);
        if (fields.size() > 7) info->setSpecial(fields[7]);
        if (fields.size() > 8) info->setSmartBookMode(fields[8] == "e_v1" ? 2 : fields[8] == "i_v1" ? 1 : 0);
        if (fields.size() > 9) info->setIsNew(boolValue(fields[9]));
        catalogue[fields[0]] = info;
    }
    return catalogue;
}

std::shared_ptr<MProductInfo> ProductsObserver::productInfo(std::string_view productId) const {
    auto found = productsInfo_.find(productId);
    return found == productsInfo_.end() ? nullptr : found->second;
}

std::optional<std::string> ProductsObserver::getResourceForProductID(const MProductInfo& info) const {
    auto found = productIDSet_.find(info.productId());
    return found == productIDSet_.end() ? std::nullopt : std::optional<std::string>(found->second);
}

void ProductsObserver::startLoading() {
    if (loading_) return;
    loading_ = true;
    cancelled_ = false;
    auto self = sharedAs<ProductsObserver>();
    fnd::Thread::detach("store catalogue", [self] { self->loadInThread(); });
}

void ProductsObserver::loadInThread() {
    auto self = sharedAs<ProductsObserver>();
    if (contentServer_.isEmpty()) {
        fnd::RunLoop::main().post([self] {
            self->showConnectionError(kNotConfigured);
            self->finishLoading();
        });
        return;
    }
    fnd::URLRequest request(fnd::URL("get_products.cgi", contentServer_));
    std::string body = "bid=" + bundleIdentifier_ + "&version=" + std::to_string(kCatalogueVersion);
    for (char& c : body)
        if (static_cast<unsigned char>(c) > 0x7f) c = '?';
    request.setMethod("POST");
    request.setHeaderValue("Content-Length", std::to_string(body.size()));
    request.setHeaderValue("Content-Type", "application/x-www-form-urlencoded");
    request.setBody(body);
    fnd::URLSession::Result reply = fnd::URLConnection::sendSynchronousRequest(request);

    if (!reply.succeeded() || reply.response.statusCode() < 200 || reply.response.statusCode() > 299) {
        std::string description = reply.error ? reply.error->description()
                                              : "The store answered with error " +
                                                    std::to_string(reply.response.statusCode()) + ".";
        fnd::RunLoop::main().post([self, description] {
            self->showConnectionError(description);
            self->finishLoading();
        });
        return;
    }
    auto catalogue = std::make_shared<ProductsInfo>(parseCatalogue(reply.body));
    fnd::RunLoop::main().post([self, catalogue] {
        self->productsInfo_ = std::move(*catalogue);
        if (self->cancelled_) {
            self->finishLoading();
            return;
        }
        std::set<std::string> identifiers;
        for (const auto& [id, info] : self->productsInfo_) identifiers.insert(id);
        self->productsRequest_ = std::make_shared<store::ProductsRequest>(identifiers);
        self->productsRequest_->setDelegate(std::static_pointer_cast<store::ProductsRequestDelegate>(self));
        self->productsRequest_->start();
    });
}

void ProductsObserver::cancelLoading() {
    cancelled_ = true;
    if (productsRequest_) {
        productsRequest_->cancel();
        finishLoading();
    }
}

void ProductsObserver::finishLoading() {
    productsRequest_.reset();
    loading_ = false;
    if (auto delegate = TovridaAppDelegate::shared()) delegate->unblockShop();
    if (onFinish_) onFinish_();
}

void ProductsObserver::showConnectionError(const std::string& description) {
    if (alert_) alert_(kConnectionErrorTitle, description);
}

void ProductsObserver::productsRequestDidReceiveResponse(store::ProductsRequest&,
                                                         const std::vector<store::Product>& products) {
    products_ = products;
    auto order = [this](const store::Product& product) {
        auto info = productInfo(product.productIdentifier);
        return info ? info->orderNumber() : 0;
    };
    std::stable_sort(products_.begin(), products_.end(),
                     [&](const auto& a, const auto& b) { return order(a) < order(b); });
    for (const auto& product : products_)
        if (auto info = productInfo(product.productIdentifier))
            info->setDescription(product.localizedDescription);
    if (auto delegate = TovridaAppDelegate::shared()) delegate->updateShop();
}

void ProductsObserver::requestDidFailWithError(store::ProductsRequest&, const std::string& description) {
    showConnectionError(description);
    finishLoading();
}

void ProductsObserver::requestDidFinish(store::ProductsRequest&) { finishLoading(); }

#include "Classes/library_store/MProductInfo.h"

#include "platform/foundation/Bundle.h"

MProductInfo::MProductInfo(std::string productId, int orderNumber, int version, std::string title,
                           std::string subTitle, std::string author, std::string picId)
    : productId_(std::move(productId)),
      orderNumber_(orderNumber),
      version_(version),
      title_(std::move(title)),
      subTitle_(std::move(subTitle)),
      author_(std::move(author)),
      picId_(std::move(picId)) {}

int MProductInfo::compare(const MProductInfo& other) const {
    return orderNumber_ < other.orderNumber_ ? -1 : orderNumber_ > other.orderNumber_ ? 1 : 0;
}

std::optional<std::string> MProductInfo::buildIconNameForType(
    int type, const std::optional<std::string>& defaultId) const {
    auto nameFor = [type](const std::string& stem) -> std::optional<std::string> {
        switch (type) {
            case 1:
                return "Product_" + stem;
            case 2:
                return "Store_" + stem + "_b";
            case 3:
                return "Store_" + stem + "_a";
            default:
                return std::nullopt;
        }
    };
    for (const std::optional<std::string>& stem : {std::optional<std::string>(picId_), defaultId}) {
        if (!stem) continue;
        std::optional<std::string> name = nameFor(*stem);
        // The bundle keeps its pictures in "images"; a picture at the top of the bundle counts too.
        fnd::Bundle bundle = fnd::Bundle::main();
        if (name && (bundle.pathForResource(*name, "png") || bundle.pathForResource(*name, "png", "images")))
            return *name + ".png";
    }
    return std::nullopt;
}

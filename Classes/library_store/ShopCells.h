#pragma once
// The rows of the store screen: one reusable cell a product, holding the icon, the update, new and
// installed marks, the title, subtitle, author, description and price labels, the info key and the
// busy indicator, each found again by its tag. Where they stand comes from the screen (Layout), so
// that the tablet's rows can be wider; what they show comes from the product and its row state
// (ShopRows::Row).

#include <memory>
#include <optional>
#include <string>

#include "Classes/library_store/ShopRows.h"
#include "platform/ui/Point.h"
#include "platform/ui/Rect.h"

class MProductInfo;
namespace ui {
class Responder;
class TableViewCell;
}  // namespace ui

class ShopCells {
  public:
    static constexpr const char* kCellIdentifier = "Cell";
    static constexpr const char* kInfoAction = "openProductAnnotation:";
    static constexpr const char* kCreationIcon = "Store_MORVA_CR_6_a.png";
    static constexpr const char* kUpdateImage = "Store_update.png";
    static constexpr const char* kNewImage = "Store_new.png";
    static constexpr const char* kInfoImage = "info.png";
    static constexpr const char* kInstalledImage = "news_feed_checked.png";
    enum Tag {
        kIconTag = 100,
        kUpdateTag = 102,
        kNewTag = 104,
        kTitleTag = 108,
        kSubTitleTag = 110,
        kAuthorTag = 112,
        kInfoTag = 114,
        kDescriptionTag = 115,
        kPriceTag = 120,
        kBusyTag = 150,
        kInstalledTag = 200,
    };

    struct Layout {
        ui::Rect title, subTitle, author, about, description, price, processing;
        int descriptionLines = 7;
        ui::Point icon, update, newMark, installed;
        int schoolFontSize = 15, titleFontSize = 14, authorFontSize = 14, descriptionFontSize = 12,
            priceFontSize = 15;
    };

    // A new row as wide as the table, its info key aimed at the target.
    static std::shared_ptr<ui::TableViewCell> newCell(double width, const Layout& layout,
                                                      const std::shared_ptr<ui::Responder>& target);
    // Shows the product in its state; `annotated` whether the info key has a page to open.
    static void fill(ui::TableViewCell& cell, const MProductInfo& product, const ShopRows::Row& row,
                     bool annotated);
};

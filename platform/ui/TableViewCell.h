#pragma once
// A row of a table. Its parts sit in the content view: a text label, a detail label (in the
// styles that have one) and an image view; cells loaded from interface files bring their own
// parts, reached by tag. A selected or highlighted cell shows its selection colour behind the
// content and its labels' highlighted colours.

#include <memory>
#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace ui {

class NibProperties;

enum class TableViewCellStyle { Default, Value1, Value2, Subtitle };
enum class TableViewCellSelectionStyle { None, Blue, Gray };
enum class TableViewCellAccessory { None, DisclosureIndicator, Checkmark };

class TableViewCell : public View {
  public:
    using View::init;
    // A default cell without identifier (as interface files make them).
    void init(const Rect& frame) override;
    void init(TableViewCellStyle style, std::string reuseIdentifier);

    TableViewCellStyle style() const { return style_; }
    const std::string& reuseIdentifier() const { return reuseIdentifier_; }
    void setReuseIdentifier(std::string identifier) { reuseIdentifier_ = std::move(identifier); }
    // Called before the table hands the cell out again.
    virtual void prepareForReuse() {}

    const std::shared_ptr<View>& contentView() const { return content_; }
    const std::shared_ptr<Label>& textLabel() const { return textLabel_; }
    // Null in the default style.
    const std::shared_ptr<Label>& detailTextLabel() const { return detailLabel_; }
    const std::shared_ptr<ImageView>& imageView() const { return imageView_; }

    TableViewCellSelectionStyle selectionStyle() const { return selectionStyle_; }
    void setSelectionStyle(TableViewCellSelectionStyle style);
    TableViewCellAccessory accessoryType() const { return accessory_; }
    void setAccessoryType(TableViewCellAccessory accessory);
    bool isSelected() const { return selected_; }
    void setSelected(bool selected, bool animated = false);
    bool isHighlighted() const { return highlighted_; }
    void setHighlighted(bool highlighted);

    // The table's line under the cell.
    void setSeparator(const Color& color, bool shown);

    void layoutSubviews() override;
    // An interface file's subviews of a cell go to its content view.
    View& nibContentView() override { return *content_; }

    // Interface-file properties: "reuseIdentifier", "style" ("default", "value1", "value2",
    // "subtitle"), "selectionStyle" ("none", "blue", "gray"), "accessoryType" ("none",
    // "disclosureIndicator", "checkmark").
    static void applyNibProperties(TableViewCell& cell, NibProperties& properties);

  private:
    void showSelection();
    void placeParts();

    TableViewCellStyle style_ = TableViewCellStyle::Default;
    std::string reuseIdentifier_;
    std::shared_ptr<View> selectionBackground_;
    std::shared_ptr<View> content_;
    std::shared_ptr<Label> textLabel_;
    std::shared_ptr<Label> detailLabel_;
    std::shared_ptr<ImageView> imageView_;
    std::shared_ptr<Label> accessoryView_;
    std::shared_ptr<View> separator_;
    TableViewCellSelectionStyle selectionStyle_ = TableViewCellSelectionStyle::Blue;
    TableViewCellAccessory accessory_ = TableViewCellAccessory::None;
    bool selected_ = false;
    bool highlighted_ = false;
};

}  // namespace ui

#pragma once
// A row of a table. Its parts sit in the content view: a text label, a detail label (in the
// styles that have one) and an image view; cells loaded from interface files bring their own
// parts, reached by tag. The cell's first subview is its background view, clear until a screen
// colours it (rows shaded by parity do); over it a selected or highlighted cell shows its selection
// colour behind the content, and its labels' highlighted colours.
//
// While its table is editing, a cell shows the control of its editing style on the left (a red
// minus to delete, a green plus to insert), moves its content right when it indents, hides its
// accessory and shows a grip on the right when its row can be moved. A delete button on the right
// asks to confirm a deletion (after a swipe, or a tap on the minus). The table handles what these
// parts do.

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace ui {

class NibProperties;

enum class TableViewCellStyle { Default, Value1, Value2, Subtitle };
enum class TableViewCellSelectionStyle { None, Blue, Gray };
enum class TableViewCellAccessory { None, DisclosureIndicator, Checkmark };
// Numbered as stored values expect.
enum class TableViewCellEditingStyle { None = 0, Delete = 1, Insert = 2 };

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

    // Behind the selection and the content, the cell's size; clear by default.
    const std::shared_ptr<View>& backgroundView() const { return background_; }
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

    // Editing, as the table sets it: the style's control, whether the content indents, whether the
    // row can be moved. Animated, the parts slide into place.
    void setEditing(bool editing, TableViewCellEditingStyle style, bool indents, bool movable, bool animated);
    bool isEditing() const { return editing_; }
    TableViewCellEditingStyle editingStyle() const { return editingStyle_; }
    void setShowingDeleteConfirmation(bool shows, bool animated);
    bool showingDeleteConfirmation() const { return confirming_; }
    // What the table does when the editing control or the delete button is tapped.
    void setEditingHandlers(std::function<void()> control, std::function<void()> confirm);
    // The parts; null until the cell first edits.
    const std::shared_ptr<Button>& editingControl() const { return editingControl_; }
    const std::shared_ptr<Button>& deleteConfirmationButton() const { return deleteButton_; }
    const std::shared_ptr<View>& reorderControl() const { return reorderControl_; }

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
    void makeEditingParts();
    void placeAnimated(bool animated);

    TableViewCellStyle style_ = TableViewCellStyle::Default;
    std::string reuseIdentifier_;
    std::shared_ptr<View> background_;
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

    std::shared_ptr<Button> editingControl_;
    std::shared_ptr<Button> deleteButton_;
    std::shared_ptr<View> reorderControl_;
    std::function<void()> onControl_;
    std::function<void()> onConfirm_;
    bool editing_ = false;
    TableViewCellEditingStyle editingStyle_ = TableViewCellEditingStyle::None;
    bool indents_ = false;
    bool movable_ = false;
    bool confirming_ = false;
};

}  // namespace ui

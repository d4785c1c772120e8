#pragma once
// One wheel of a picker: rows of text stacked one above the other, the selected row in the middle
// of the wheel. A drag spins it with the finger; when the finger lifts, the wheel tells by how many
// rows it was turned (the nearest whole number; a tap on a row turns it to that row), its owner
// selects the new row, and the wheel settles on it. Rows come from a source, counted from the
// selected one (negative above it); a wheel that does not turn round has none past its ends.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Label.h"
#include "platform/ui/ScrollWheelTarget.h"
#include "platform/ui/View.h"

namespace ui {

class PickerWheel : public View, public ScrollWheelTarget {
  public:
    static constexpr double kRowHeight = 44;
    static constexpr double kSettleDuration = 0.2;
    // A finger that moves less than this lifts as a tap.
    static constexpr double kTapSlop = 6;

    struct Row {
        std::string text;
        bool enabled = true;  // a row no allowed value has is shown faded
    };
    using RowSource = std::function<std::optional<Row>(int offset)>;

    using View::init;
    void init(const Rect& frame) override;

    // Shown from the next reload.
    void setSource(RowSource source);
    void setTextAlignment(TextAlignment alignment);
    // The wheel was turned by the person (rows down the list: positive).
    void setOnTurn(std::function<void(int rows)> onTurn) { onTurn_ = std::move(onTurn); }

    // Shows the source's rows again; with `settle`, what the last turn left over glides back into
    // place.
    void reload(bool settle = false);
    // The labels showing rows now, top to bottom (for tests and the gallery).
    std::vector<std::shared_ptr<Label>> visibleRows() const;

    void touchesBegan(const Touches& touches) override;
    void touchesMoved(const Touches& touches) override;
    void touchesEnded(const Touches& touches) override;
    void touchesCancelled(const Touches& touches) override;
    // The wheel turns it a row for every row's height of movement, a part of one kept for the next.
    bool scrollWheel(double dx, double dy) override;

  private:
    // Places the rows for the wheel turned `offset` points from the selected row.
    void place(double offset);
    // How far the rows reach from the middle, both ways.
    int reach() const;

    RowSource source_;
    std::function<void(int)> onTurn_;
    std::vector<std::shared_ptr<Label>> labels_;
    TextAlignment alignment_ = TextAlignment::Center;
    double offset_ = 0;
    double startY_ = 0;
    double travelled_ = 0;
    bool tracking_ = false;
    double wheelPart_ = 0;  // wheel movement not yet a whole row
};

}  // namespace ui

#pragma once
// The keyword editor: the keyword list of one question type as a single line of text, each keyword
// followed by "; ". The segmented control picks the type (RC, CR, SC, PS, left to right). The
// return key stores the line; the done key and a change of segment drop what was typed since.
// Problem solving and data sufficiency share one list, as do reading comprehension and its
// passage-opening questions, so the PS segment also edits DS and the RC segment type 6.
// It posts "Done" when its done key is pressed; the opener closes it and shows its page again.
//
//     "not ; odd;even ; " stores {"not", "odd", "even", ""}: the closing "; " leaves an empty last
//     keyword, which marks nothing and which the line shown next time leaves out ("not; odd; even; ").

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/TextView.h"

namespace ui {
class SegmentedControl;
}  // namespace ui

class KWEditVC : public SliddenViewController, public ui::TextViewDelegate {
  public:
    using KeyWords = std::vector<std::string>;

    static constexpr const char* kDoneNotification = "Done";
    static constexpr const char* kOpenedTip = "TipsEvent_KeywordsSettingsOpened";
    static constexpr double kCornerRadius = 8.0;
    // The type each segment edits, left to right: RC, CR, SC, PS.
    static constexpr std::int32_t kSegmentTypes[4] = {5, 4, 3, 1};
    static constexpr const char* kSeparatorPattern = "\\s*;\\s*";

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    static void registerOwners();

    std::string nibIdentifier() const override { return "KWEditView"; }

    using SliddenViewController::init;
    // Edits the list of that question type.
    virtual void init(std::int32_t qType);
    void viewDidLoad() override;

    // The type's list into the line, and its segment selected.
    void updateViews();
    // The segmented control's action: the selected segment's type, shown afresh.
    void changeQType(const Sender& sender);
    // Stores the line as the type's list.
    void changeKW();
    // Leaves without storing the line.
    void doneClick(const Sender& sender);
    // The return key stores the line and gives up the keyboard; its line break is refused.
    bool textViewShouldChangeText(ui::TextView& view, ui::TextRange range, const std::string& text) override;

    // ---- The line and the segments, without a screen

    // Each keyword followed by "; "; empty keywords are left out.
    static std::string lineForKeyWords(const KeyWords& keyWords);
    // The keywords of a line: split at semicolons with the blanks around them, empty parts kept.
    // An empty line is one empty keyword.
    static KeyWords keyWordsFromLine(const std::string& line);
    // The segment showing a type (types 1 to 6); none for any other type.
    static std::optional<int> segmentForType(std::int32_t type);
    // The type a segment edits; none outside the four segments.
    static std::optional<std::int32_t> typeForSegment(int segment);

    std::int32_t qType() const { return qType_; }
    const std::shared_ptr<ui::SegmentedControl>& qTypeSC() const { return qTypeSC_; }
    const std::shared_ptr<ui::TextView>& textV() const { return textV_; }

  private:
    std::int32_t qType_ = 1;
    std::shared_ptr<ui::SegmentedControl> qTypeSC_;
    std::shared_ptr<ui::TextView> textV_;
};

class KWEditVC_iPad : public KWEditVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(KWEditVC::nibIdentifier()); }
};

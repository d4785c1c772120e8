#include "Classes/practice/KWEditVC.h"

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/core/MRepository.h"
#include "Classes/practice/MKeyWordsSet.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/SegmentedControl.h"

const ui::ConnectionTable& KWEditVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("KWEditVC", &SliddenViewController::classConnections())
            .outlet("qTypeSC", &KWEditVC::qTypeSC_)
            .outlet("textV", &KWEditVC::textV_)
            .action("changeQType:", &KWEditVC::changeQType)
            .action("doneClick:", &KWEditVC::doneClick);
    return table;
}

const ui::ConnectionTable& KWEditVC_iPad::classConnections() {
    static const ui::ConnectionTable table("KWEditVC_iPad", &KWEditVC::classConnections());
    return table;
}

void KWEditVC::registerOwners() {
    ui::ConnectionTable::registerOwner(KWEditVC::classConnections());
    ui::ConnectionTable::registerOwner(KWEditVC_iPad::classConnections());
}

void KWEditVC::init(std::int32_t qType) {
    initWithNibName(nibIdentifier());
    qType_ = qType;
    animation();
    fnd::NotificationCenter::defaultCenter().post(kOpenedTip, sharedAs<fnd::Object>());
}

void KWEditVC::viewDidLoad() {
    if (textV_) {
        textV_->setCornerRadius(kCornerRadius);
        textV_->setDelegate(weakAs<KWEditVC>());
    }
    updateViews();
    SliddenViewController::viewDidLoad();
}

// ---- The line and the segments

std::string KWEditVC::lineForKeyWords(const KeyWords& keyWords) {
    // Empty keywords (the one the closing "; " leaves, a cleared line) are not written: the line
    // shown would otherwise gain another "; " each time it is stored.
    std::string line;
    for (const auto& keyWord : keyWords)
        if (!keyWord.empty()) line += keyWord + "; ";
    return line;
}

KWEditVC::KeyWords KWEditVC::keyWordsFromLine(const std::string& line) {
    // The splitter gives no part at all for an empty line; the list then holds one empty keyword,
    // as a line ending in "; " ends in one.
    KeyWords parts = ostrand::Regex::split(line, kSeparatorPattern);
    if (parts.empty()) parts.emplace_back();
    for (auto& part : parts) std::erase(part, ';');
    return parts;
}

std::optional<int> KWEditVC::segmentForType(std::int32_t type) {
    switch (type) {
        case 5:
        case 6:
            return 0;
        case 4:
            return 1;
        case 3:
            return 2;
        case 1:
        case 2:
            return 3;
        default:
            return std::nullopt;
    }
}

std::optional<std::int32_t> KWEditVC::typeForSegment(int segment) {
    if (segment < 0 || segment >= int(std::size(kSegmentTypes))) return std::nullopt;
    return kSegmentTypes[segment];
}

// ---- Showing and storing

void KWEditVC::updateViews() {
    auto rep = AbstractAppDelegate::sharedRep();
    auto keyWordsSet = rep ? rep->keyWordsSet() : nullptr;
    auto list = keyWordsSet ? keyWordsSet->keyWordsForQType(qType_) : nullptr;
    if (textV_) textV_->setText(list ? lineForKeyWords(*list) : std::string());
    if (auto segment = segmentForType(qType_); segment && qTypeSC_)
        qTypeSC_->setSelectedSegmentIndex(*segment);
}

void KWEditVC::changeQType(const Sender&) {
    if (!qTypeSC_) return;
    if (auto type = typeForSegment(qTypeSC_->selectedSegmentIndex())) qType_ = *type;
    updateViews();
}

void KWEditVC::changeKW() {
    auto rep = AbstractAppDelegate::sharedRep();
    auto keyWordsSet = rep ? rep->keyWordsSet() : nullptr;
    if (!keyWordsSet || !textV_) return;
    keyWordsSet->setKeyWordsForQType(qType_, keyWordsFromLine(textV_->text()));
}

bool KWEditVC::textViewShouldChangeText(ui::TextView& view, ui::TextRange, const std::string& text) {
    if (text != "\n") return true;
    view.resignFirstResponder();
    changeKW();
    return false;
}

void KWEditVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<fnd::Object>());
}

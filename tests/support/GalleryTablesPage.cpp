#include "tests/support/GalleryTablesPage.h"

#include <numbers>

#include "platform/graphics/Context.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/TableView.h"
#include "tests/support/Gallery.h"

using namespace ui;

namespace testing_support {

namespace {

constexpr double kStripHeight = 70;
const Color kShade = Color::white(0.92);

// A dot in a corner of a small square: tiled, a field of dots.
std::shared_ptr<const Image> dotPattern() {
    constexpr double side = 12;
    gfx::Context c(side, side, 2);
    c.setFillColor(Color::rgb(0.55, 0.45, 0.25));
    c.beginPath();
    c.addArc(3, 3, 1.6, 0, 2 * std::numbers::pi, true);
    c.fillPath();
    return Image::fromPNG(c.pngData(), 2);
}

const char* const kSections[] = {"Quantitative", "Verbal", "Integrated reasoning"};
constexpr int kRowsPerSection = 20;

}  // namespace

struct GalleryTablesPage::Parts : TableViewDataSource, TableViewDelegate {
    std::function<void(const std::string&)> say;

    int numberOfSections(TableView&) override { return 3; }
    int numberOfRows(TableView&, int) override { return kRowsPerSection; }
    std::shared_ptr<TableViewCell> cellForRow(TableView& table, const IndexPath& p) override {
        auto cell = table.dequeueReusableCell("ShadedCell");
        if (!cell) cell = make<TableViewCell>(TableViewCellStyle::Default, "ShadedCell");
        cell->textLabel()->setText("Set " + std::to_string(p.row + 1));
        cell->textLabel()->setFont(Font::system(16));
        // Rows shade by parity through the cell's first subview, behind the selection.
        const auto& shade = cell->subviews().front();
        shade->setTag(kShadeTag);
        shade->setBackgroundColor(p.row % 2 ? kShade : Color::clear());
        return cell;
    }
    std::shared_ptr<View> viewForHeader(TableView& table, int section) override {
        double w = table.bounds().size.width;
        auto header = make<View>();
        header->setBackgroundColor(Color::rgb(0.30, 0.36, 0.45));
        auto name = make<Label>(Rect{10, 0, w - 90, 30});
        name->setText(kSections[section]);
        name->setFont(Font::boldSystem(15));
        name->setTextColor(Color::whiteColor());
        name->setBackgroundColor(Color::clear());
        header->addSubview(name);
        auto add = Button::withType(ButtonType::RoundedRect);
        add->setFrame({w - 70, 3, 60, 24});
        add->setTitle("Add");
        add->setTag(kHeaderAddTag + section);
        std::string said = std::string("add to ") + kSections[section];
        add->addAction(ControlEventTouchUpInside,
                       [this, said](const std::shared_ptr<Control>&) { say(said); });
        header->addSubview(add);
        return header;
    }
    double heightForHeader(TableView&, int) override { return 30; }
    void didSelectRow(TableView& table, const IndexPath& p) override {
        say("shaded row " + std::to_string(p.section) + "." + std::to_string(p.row));
        table.deselectRow(p, true);
    }
};

GalleryTablesPage::GalleryTablesPage(Size size, std::function<void(const std::string&)> say)
    : parts_(std::make_shared<Parts>()) {
    parts_->say = std::move(say);
    double w = size.width;
    view_ = make<View>(Rect{{}, size});
    view_->setBackgroundColor(Color::white(0.93));

    auto panel = make<View>(Rect{10, 4, w / 2 - 15, kStripHeight - 8});
    panel->setBackgroundColor(Color::rgb(0.98, 0.94, 0.80));
    panel->setBackgroundPattern(dotPattern());
    panel->setCornerRadius(6);
    panel->setTag(PatternTag);
    auto caption = make<Label>(Rect{0, 0, panel->bounds().size.width, panel->bounds().size.height});
    caption->setText("Pattern");
    caption->setTextAlignment(TextAlignment::Center);
    caption->setBackgroundColor(Color::clear());
    panel->addSubview(caption);
    view_->addSubview(panel);

    // Three keys: pressed darker, disabled paler, and one that glows while touched.
    const char* names[] = {"Press", "Disabled", "Glow"};
    double keyWidth = (w / 2 - 15) / 3;
    for (int i = 0; i < 3; ++i) {
        auto key = make<Button>(Rect{w / 2 + 5 + i * keyWidth, 4, keyWidth, 44});
        key->setImage(Gallery::tile(36, Color::rgb(0.16, 0.42, 0.78)));
        key->setTag(PressButtonTag + i);
        if (i == 1) key->setEnabled(false);
        if (i == 2) {
            key->setBackgroundColor(Color::rgb(0.20, 0.22, 0.26));
            key->setCornerRadius(8);
            key->setShowsTouchWhenHighlighted(true);
        }
        std::string said = std::string("key ") + names[i];
        key->addAction(ControlEventTouchUpInside,
                       [parts = std::weak_ptr<Parts>(parts_), said](const std::shared_ptr<Control>&) {
                           if (auto p = parts.lock()) p->say(said);
                       });
        view_->addSubview(key);
        auto label = make<Label>(Rect{key->frame().minX(), 48, keyWidth, 16});
        label->setText(names[i]);
        label->setFont(Font::system(11));
        label->setTextAlignment(TextAlignment::Center);
        label->setBackgroundColor(Color::clear());
        view_->addSubview(label);
    }

    auto table = make<TableView>(Rect{0, kStripHeight, w, size.height - kStripHeight}, TableViewStyle::Plain);
    table->setRowHeight(40);
    table->setDataSource(parts_);
    table->setDelegate(parts_);
    table->setTag(HeaderTableTag);
    view_->addSubview(table);
}

GalleryTablesPage::~GalleryTablesPage() = default;

}  // namespace testing_support

#include "tests/support/Gallery.h"

#include <numbers>

#include "platform/graphics/Context.h"
#include "platform/ui/ActivityIndicator.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/Device.h"
#include "platform/ui/DrawnView.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/WebView.h"
#include "tests/support/GalleryDrawingPage.h"
#include "tests/support/GalleryMapPage.h"
#include "tests/support/GalleryPages.h"
#include "tests/support/GalleryTablesPage.h"

using namespace ui;

namespace testing_support {

namespace {

// A drawn view: a small bar chart.
class Chart : public DrawnView {
  public:
    void drawRect(const Rect& rect) override {
        gfx::Context& c = *gfx::Context::current();
        const double values[] = {0.3, 0.8, 0.5, 0.95, 0.6};
        double w = rect.size.width / 5;
        for (int i = 0; i < 5; ++i) {
            c.setFillColor(Color::hsb(0.27 + 0.1 * i, 0.6, 0.8));
            c.fillRect(rect.origin.x + i * w + 2, rect.size.height * (1 - values[i]), w - 4,
                       rect.size.height * values[i]);
        }
        c.setStrokeColor(0, 0, 0, 1);
        c.setLineWidth(1);
        c.beginPath();
        c.moveTo(0, rect.size.height - 0.5);
        c.lineTo(rect.size.width, rect.size.height - 0.5);
        c.strokePath();
    }
};

}  // namespace

// The paging view's dots follow its offset.
struct PageFollower : ScrollViewDelegate {
    std::shared_ptr<PageControl> pageControl;
    void scrollViewDidScroll(ScrollView& s) override {
        double w = s.bounds().size.width;
        if (w > 0) pageControl->setCurrentPage(int(s.contentOffset().x / w + 0.5));
    }
};

struct Gallery::Parts : TableViewDataSource, TableViewDelegate, AlertViewDelegate {
    std::shared_ptr<Label> status;
    std::shared_ptr<Label> title;
    std::unique_ptr<GalleryPages> pages2;
    std::unique_ptr<GalleryTablesPage> tables;
    std::unique_ptr<GalleryDrawingPage> drawing;
    std::unique_ptr<GalleryMapPage> map;
    std::vector<std::shared_ptr<View>> firstPage;     // hidden while another page shows
    std::vector<std::shared_ptr<View>> furtherPages;  // in the order of the titles after the first
    int page = 0;
    std::shared_ptr<PageFollower> pages = std::make_shared<PageFollower>();

    int numberOfSections(TableView&) override { return 2; }
    int numberOfRows(TableView&, int section) override { return section == 0 ? 2 : 1; }
    std::string titleForHeader(TableView&, int section) override {
        return section == 0 ? "Options" : "About";
    }
    std::shared_ptr<TableViewCell> cellForRow(TableView& table, const IndexPath& p) override {
        auto cell = table.dequeueReusableCell("GalleryCell");
        if (!cell) cell = make<TableViewCell>(TableViewCellStyle::Default, "GalleryCell");
        const char* names[] = {"Authorization", "Tips", "Version"};
        cell->textLabel()->setText(names[p.section * 2 + p.row]);
        cell->setAccessoryType(TableViewCellAccessory::DisclosureIndicator);
        return cell;
    }
    void didSelectRow(TableView& table, const IndexPath& p) override {
        say("row " + std::to_string(p.section) + "." + std::to_string(p.row));
        table.deselectRow(p, true);
    }
    void alertViewClickedButton(AlertView&, int index) override {
        say("alert button " + std::to_string(index));
    }
    void say(const std::string& text) { status->setText(text); }
};

void Gallery::loadView() {
    Device& device = Device::current();
    build({device.screenWidth(), device.screenHeight() - 20});
    root_->setFrame({0, 20, device.screenWidth(), device.screenHeight() - 20});
    root_->setAutoresizingMask(FlexibleWidth | FlexibleHeight);
    setView(root_);
}

void Gallery::build(Size screen) {
    parts_ = std::make_shared<Parts>();
    double w = screen.width;
    root_ = make<View>(Rect{{}, screen});
    root_->setBackgroundColor(Color::white(0.93));
    auto add = [&](const std::shared_ptr<View>& v, int tag) {
        v->setTag(tag);
        root_->addSubview(v);
    };

    auto title = make<Label>(Rect{10, 6, w - 20, 24});
    title->setText("Gallery");
    title->setFont(Font::boldSystem(20));
    title->setBackgroundColor(Color::clear());
    title->setTextAlignment(TextAlignment::Center);
    add(title, TitleTag);

    auto rounded = Button::withType(ButtonType::RoundedRect);
    rounded->setFrame({10, 36, 96, 37});
    rounded->setTitle("Button");
    add(rounded, RoundedButtonTag);
    auto imageButton = make<Button>(Rect{112, 36, 96, 37});
    imageButton->setTitle("Image");
    imageButton->setImage(tile(24));
    imageButton->setBackgroundColor(Color::rgb(0.24, 0.40, 0.15));
    imageButton->setCornerRadius(8);
    add(imageButton, ImageButtonTag);
    auto alertButton = Button::withType(ButtonType::RoundedRect);
    alertButton->setFrame({214, 36, w - 224, 37});
    alertButton->setTitle("Alert");
    add(alertButton, AlertButtonTag);

    auto segmented = make<SegmentedControl>(std::vector<std::string>{"Hide", "Show"});
    segmented->setFrame({10, 80, 150, 30});
    segmented->setSelectedSegmentIndex(1);
    add(segmented, SegmentedTag);
    auto toggle = make<Switch>(Rect{170, 81, 0, 0});
    add(toggle, SwitchTag);
    auto spinner = make<ActivityIndicator>(ActivityIndicatorStyle::Gray);
    spinner->setCenter({w - 22, 95});
    spinner->startAnimating();
    add(spinner, SpinnerTag);

    auto pages = make<ScrollView>(Rect{10, 118, w - 20, 60});
    pages->setPagingEnabled(true);
    pages->setContentSize({2 * (w - 20), 60});
    pages->setBackgroundColor(Color::white(0.8));
    for (int i = 0; i < 2; ++i) {
        auto label = make<Label>(Rect{i * (w - 20), 0, w - 20, 60});
        label->setText(i == 0 ? "Page one: swipe" : "Page two");
        label->setTextAlignment(TextAlignment::Center);
        label->setBackgroundColor(Color::clear());
        pages->addSubview(label);
        auto picture = make<ImageView>(tile(32));
        picture->setCenter({i * (w - 20) + 30, 30});
        if (i == 0) picture->setTag(ImageViewTag);
        pages->addSubview(picture);
    }
    pages->setDelegate(parts_->pages);
    add(pages, PagesTag);
    auto pageControl = make<PageControl>(Rect{10, 178, w - 20, 20});
    pageControl->setNumberOfPages(2);
    pageControl->setBackgroundColor(Color::white(0.5));
    parts_->pages->pageControl = pageControl;
    add(pageControl, PageControlTag);

    auto chart = make<Chart>(Rect{10, 204, 100, 70});
    add(chart, DrawingTag);
    auto web = make<WebView>(Rect{116, 204, w - 126, 70});
    web->loadHTMLString(
        "<p style='font-family:sans-serif'>A <b>web view</b> with a <a href='#x'>link</a>.</p>", fnd::URL());
    add(web, WebTag);

    double tableTop = 280, toolbarTop = screen.height - Toolbar::kHeight;
    auto table = make<TableView>(Rect{0, tableTop, w, toolbarTop - tableTop - 22}, TableViewStyle::Grouped);
    table->setDataSource(parts_);
    table->setDelegate(parts_);
    add(table, TableTag);

    auto status = make<Label>(Rect{0, toolbarTop - 22, w, 22});
    status->setFont(Font::system(13));
    status->setBackgroundColor(Color::white(0.85));
    status->setTextAlignment(TextAlignment::Center);
    parts_->status = status;
    add(status, StatusTag);

    // The further pages take this one's place below the title, one at a time.
    parts_->title = title;
    for (const auto& v : root_->subviews())
        if (v != title && v != status) parts_->firstPage.push_back(v);
    std::weak_ptr<Parts> weak = parts_;
    auto say = [weak](const std::string& text) {
        if (auto p = weak.lock()) p->say(text);
    };
    Size pageSize{w, toolbarTop - 22 - 36};
    parts_->pages2 = std::make_unique<GalleryPages>(pageSize, say);
    parts_->tables = std::make_unique<GalleryTablesPage>(pageSize, say);
    parts_->tables->view()->setTag(TablesPageTag);
    parts_->drawing = std::make_unique<GalleryDrawingPage>(pageSize, say);
    parts_->drawing->view()->setTag(DrawingPageTag);
    parts_->map = std::make_unique<GalleryMapPage>(pageSize, say);
    parts_->map->view()->setTag(MapPageTag);
    parts_->furtherPages = {parts_->pages2->textPage(), parts_->pages2->datePage(), parts_->tables->view(),
                            parts_->drawing->view(), parts_->map->view()};
    for (const auto& page : parts_->furtherPages) {
        page->setFrame(page->frame().offsetBy(0, 36));
        page->setHidden(true);
        root_->insertSubviewBelow(page, status.get());
    }

    auto toolbar = make<Toolbar>(Rect{0, toolbarTop, w, Toolbar::kHeight});
    auto main = BarButtonItem::withTitle("Main");
    auto done = BarButtonItem::withSystemItem(BarButtonSystemItem::Done);
    auto refresh = BarButtonItem::withSystemItem(BarButtonSystemItem::Refresh);
    for (auto& item : {main, done, refresh})
        item->setAction([weak](const std::shared_ptr<BarButtonItem>& sender) {
            if (auto p = weak.lock()) p->say("item " + sender->title());
        });
    auto more = BarButtonItem::withTitle("More");
    std::weak_ptr<Gallery> gallery = sharedAs<Gallery>();
    more->setAction([gallery](const std::shared_ptr<BarButtonItem>&) {
        if (auto g = gallery.lock()) g->turnPage();
    });
    toolbar->setItems({main, BarButtonItem::flexibleSpace(), refresh, BarButtonItem::fixedSpace(26), more,
                       BarButtonItem::fixedSpace(10), done});
    add(toolbar, ToolbarTag);

    auto describe = [weak](const std::string& what) {
        return [weak, what](const std::shared_ptr<Control>&) {
            if (auto p = weak.lock()) p->say(what);
        };
    };
    rounded->addAction(ControlEventTouchUpInside, describe("button"), parts_);
    imageButton->addAction(ControlEventTouchUpInside, describe("image button"), parts_);
    segmented->addAction(ControlEventValueChanged, [weak](const std::shared_ptr<Control>& c) {
        if (auto p = weak.lock())
            p->say("segment " +
                   std::to_string(std::static_pointer_cast<SegmentedControl>(c)->selectedSegmentIndex()));
    });
    toggle->addAction(ControlEventValueChanged, [weak](const std::shared_ptr<Control>& c) {
        if (auto p = weak.lock())
            p->say(std::static_pointer_cast<Switch>(c)->isOn() ? "switch on" : "switch off");
    });
    pageControl->addAction(ControlEventValueChanged, [weak, pages](const std::shared_ptr<Control>& c) {
        int page = std::static_pointer_cast<PageControl>(c)->currentPage();
        pages->setContentOffset({page * pages->bounds().size.width, 0}, true);
        if (auto p = weak.lock()) p->say("page " + std::to_string(page));
    });
    alertButton->addAction(ControlEventTouchUpInside, [weak](const std::shared_ptr<Control>&) {
        auto p = weak.lock();
        if (!p) return;
        make<AlertView>("Confirm Reset", "Are you sure you want to delete history for this deck?",
                        std::weak_ptr<AlertViewDelegate>(p), "Cancel", std::vector<std::string>{"Delete"})
            ->show();
    });
}

std::shared_ptr<const Image> Gallery::tile(double side, const Color& colour) {
    gfx::Context c(side, side, 2);
    c.setFillColor(colour);
    c.beginPath();
    c.addArc(side / 2, side / 2, side / 2 - 1, 0, 2 * std::numbers::pi, true);
    c.fillPath();
    c.setFillColor(1, 1, 1, 1);
    c.fillRect(side * 0.3, side * 0.45, side * 0.4, side * 0.1);
    return Image::fromPNG(c.pngData(), 2);
}

void Gallery::turnPage() {
    Parts& p = *parts_;
    p.page = (p.page + 1) % int(std::size(kPageTitles));
    for (std::size_t i = 0; i < p.furtherPages.size(); ++i)
        p.furtherPages[i]->setHidden(p.page != int(i) + 1);
    for (const auto& v : p.firstPage) v->setHidden(p.page != 0);
    p.map->setShown(!p.map->view()->isHidden());
    p.title->setText(kPageTitles[p.page]);
    p.say("page " + std::string(kPageTitles[p.page]));
}

}  // namespace testing_support

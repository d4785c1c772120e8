#include "tests/support/GalleryPages.h"

#include <utility>
#include <vector>

#include "platform/foundation/Date.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "tests/support/Gallery.h"

using namespace ui;

namespace testing_support {

namespace {

std::shared_ptr<TextField> roundedField(const Rect& frame, const std::string& placeholder) {
    auto field = make<TextField>(frame);
    field->setBorderStyle(TextBorderStyle::RoundedRect);
    field->setFont(Font::system(15));
    field->setPlaceholder(placeholder);
    field->setClearButtonMode(TextFieldViewMode::WhileEditing);
    field->setReturnKeyType(ReturnKeyType::Done);
    return field;
}

}  // namespace

// The delegates of the pages' controls, and the list's rows.
struct GalleryPages::Parts : TableViewDataSource,
                             TableViewDelegate,
                             SearchBarDelegate,
                             TextViewDelegate,
                             ActionSheetDelegate,
                             AlertViewDelegate {
    std::function<void(const std::string&)> say;
    std::vector<std::vector<std::string>> rows{{"Apple", "Apricot", "Avocado"},
                                               {"Banana", "Blueberry", "Boysenberry"}};
    int added = 0;
    std::shared_ptr<TableView> list;
    std::shared_ptr<TextField> goToField;

    // The list.
    int numberOfSections(TableView&) override { return int(rows.size()); }
    int numberOfRows(TableView&, int s) override { return int(rows[std::size_t(s)].size()); }
    std::string titleForHeader(TableView&, int s) override { return s == 0 ? "A" : "B"; }
    std::vector<std::string> sectionIndexTitles(TableView&) override { return {"A", "B"}; }
    std::shared_ptr<TableViewCell> cellForRow(TableView& table, const IndexPath& p) override {
        auto cell = table.dequeueReusableCell("GalleryRow");
        if (!cell) cell = make<TableViewCell>(TableViewCellStyle::Default, "GalleryRow");
        cell->textLabel()->setText(rows[std::size_t(p.section)][std::size_t(p.row)]);
        cell->textLabel()->setFont(Font::boldSystem(17));
        return cell;
    }
    bool canEditRow(TableView&, const IndexPath&) override { return true; }
    bool canMoveRow(TableView&, const IndexPath&) override { return true; }
    void commitEditingStyle(TableView& table, TableViewCellEditingStyle style, const IndexPath& p) override {
        if (style != TableViewCellEditingStyle::Delete) return;
        auto& section = rows[std::size_t(p.section)];
        say("deleted " + section[std::size_t(p.row)]);
        section.erase(section.begin() + p.row);
        table.deleteRows({p}, TableViewRowAnimation::Fade);
    }
    void moveRow(TableView&, const IndexPath& from, const IndexPath& to) override {
        auto& section = rows[std::size_t(from.section)];
        std::string name = section[std::size_t(from.row)];
        section.erase(section.begin() + from.row);
        section.insert(section.begin() + to.row, name);
        say("moved " + name + " to " + std::to_string(to.row + 1));
    }
    void didSelectRow(TableView& table, const IndexPath& p) override {
        say("picked " + rows[std::size_t(p.section)][std::size_t(p.row)]);
        table.deselectRow(p, true);
    }
    void addRow() {
        rows[0].insert(rows[0].begin(), "New " + std::to_string(++added));
        list->insertRows({{0, 0}}, TableViewRowAnimation::Right);
        say("added " + rows[0][0]);
    }

    // The search bar.
    void searchBarTextDidChange(SearchBar&, const std::string& text) override { say("typed " + text); }
    void searchBarSearchButtonClicked(SearchBar& bar) override {
        say("search " + bar.text());
        bar.resignFirstResponder();
    }
    void searchBarCancelButtonClicked(SearchBar& bar) override {
        bar.setText("");
        bar.resignFirstResponder();
        say("search cancelled");
    }

    // The text view: a line break ends the editing, as the editors do.
    bool textViewShouldChangeText(TextView& view, TextRange, const std::string& text) override {
        if (text != "\n") return true;
        view.resignFirstResponder();
        return false;
    }
    void textViewDidChange(TextView& view) override { say("notes " + std::to_string(view.text().size())); }

    // The sheet and the go-to alert.
    void actionSheetClickedButton(ActionSheet& sheet, int i) override {
        say("sheet " + sheet.buttonTitle(i) + " " + std::to_string(i));
    }
    void alertViewClickedButton(AlertView&, int i) override {
        if (goToField) {
            if (i == 1) say("go to " + goToField->text());
            goToField->resignFirstResponder();
        }
        goToField.reset();
    }
};

GalleryPages::GalleryPages(Size size, std::function<void(const std::string&)> say)
    : parts_(std::make_shared<Parts>()) {
    parts_->say = std::move(say);
    buildTextPage(size);
    buildDatePage(size);
}

GalleryPages::~GalleryPages() = default;

void GalleryPages::buildTextPage(Size size) {
    double w = size.width;
    textPage_ = make<View>(Rect{{0, 0}, size});
    textPage_->setBackgroundColor(Color::white(0.93));
    textPage_->setTag(Gallery::TextPageTag);
    auto add = [this](const std::shared_ptr<View>& v, int tag) {
        v->setTag(tag);
        textPage_->addSubview(v);
    };
    std::weak_ptr<Parts> weak = parts_;
    auto say = [weak](const std::string& text) {
        if (auto p = weak.lock()) p->say(text);
    };

    double half = (w - 30) / 2;
    auto name = roundedField({10, 4, half, 31}, "Name");
    name->addAction(ControlEventEditingChanged, [say](const std::shared_ptr<Control>& c) {
        say("name " + std::static_pointer_cast<TextField>(c)->text());
    });
    name->addAction(ControlEventEditingDidEndOnExit, [say](const std::shared_ptr<Control>& c) {
        c->resignFirstResponder();
        say("name done");
    });
    add(name, Gallery::NameFieldTag);
    auto password = roundedField({20 + half, 4, half, 31}, "Password");
    password->setSecureTextEntry(true);
    add(password, Gallery::PasswordFieldTag);

    auto search = make<SearchBar>(Rect{0, 41, w, SearchBar::kHeight});
    search->setPlaceholder("Search tags");
    search->setBarStyle(BarStyle::BlackTranslucent);
    search->setShowsCancelButton(true);
    search->setKeyboardType(KeyboardType::ASCIICapable);
    search->textField()->setReturnKeyType(ReturnKeyType::Done);
    search->setDelegate(parts_);
    add(search, Gallery::SearchTag);

    auto notes = make<TextView>(Rect{10, 91, w - 20, 54});
    notes->setText("Notes: select a word here and copy it.");
    notes->setFont(Font::system(14));
    notes->setCornerRadius(8);
    notes->setDelegate(parts_);
    add(notes, Gallery::NotesTag);

    double key = (w - 50) / 4;
    std::vector<std::pair<const char*, int>> keys{{"Sheet", Gallery::SheetButtonTag},
                                                  {"Go to", Gallery::GoToButtonTag},
                                                  {"Add", Gallery::AddRowButtonTag},
                                                  {"Edit", Gallery::EditButtonTag}};
    std::vector<std::shared_ptr<Button>> buttons;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        auto button = Button::withType(ButtonType::RoundedRect);
        button->setFrame({10 + double(i) * (key + 10), 151, key, 37});
        button->setTitle(keys[i].first);
        add(button, keys[i].second);
        buttons.push_back(button);
    }

    auto list = make<TableView>(Rect{0, 194, w, size.height - 194});
    list->setDataSource(parts_);
    list->setDelegate(parts_);
    parts_->list = list;
    add(list, Gallery::ListTag);

    std::weak_ptr<View> page = textPage_;
    buttons[0]->addAction(ControlEventTouchUpInside, [weak, page](const std::shared_ptr<Control>&) {
        auto p = weak.lock();
        if (!p) return;
        auto sheet =
            make<ActionSheet>("What next?", std::weak_ptr<ActionSheetDelegate>(p), "Cancel", "Delete All",
                              std::vector<std::string>{"Add Bookmark", "Add RSS-channel"});
        sheet->setActionSheetStyle(ActionSheetStyle::BlackOpaque);
        sheet->showInView(page.lock());
    });
    buttons[1]->addAction(ControlEventTouchUpInside, [weak](const std::shared_ptr<Control>&) {
        auto p = weak.lock();
        if (!p) return;
        auto alert = make<AlertView>("Go to question number", " ", std::weak_ptr<AlertViewDelegate>(p),
                                     "Cancel", std::vector<std::string>{"OK"});
        auto field = make<TextField>(Rect{20, 45, 245, 25});
        field->setBackgroundColor(Color::whiteColor());
        field->setKeyboardType(KeyboardType::NumberPad);
        field->setReturnKeyType(ReturnKeyType::Done);
        field->setAutocorrectionType(TextAutocorrection::No);
        field->setClearButtonMode(TextFieldViewMode::WhileEditing);
        alert->addSubview(field);
        alert->setTransform(AffineTransform::translation(0, 55));
        alert->show();
        field->becomeFirstResponder();
        p->goToField = field;
    });
    buttons[2]->addAction(ControlEventTouchUpInside, [weak](const std::shared_ptr<Control>&) {
        if (auto p = weak.lock()) p->addRow();
    });
    std::weak_ptr<Button> edit = buttons[3];
    buttons[3]->addAction(ControlEventTouchUpInside, [weak, edit](const std::shared_ptr<Control>&) {
        auto p = weak.lock();
        auto button = edit.lock();
        if (!p || !button) return;
        bool editing = !p->list->isEditing();
        p->list->setEditing(editing, true);
        button->setTitle(editing ? "Done" : "Edit");
        p->say(editing ? "editing" : "not editing");
    });
}

void GalleryPages::buildDatePage(Size size) {
    double w = size.width;
    datePage_ = make<View>(Rect{{0, 0}, size});
    datePage_->setBackgroundColor(Color::white(0.93));
    datePage_->setTag(Gallery::DatePageTag);

    auto mode = make<SegmentedControl>(std::vector<std::string>{"Date", "Date & Time", "Time"});
    mode->setFrame({10, 4, w - 20, 30});
    mode->setSelectedSegmentIndex(0);
    mode->setTag(Gallery::DateModeTag);
    datePage_->addSubview(mode);

    auto picker = make<DatePicker>(Rect{0, 40, w, DatePicker::kHeight});
    picker->setDatePickerMode(DatePickerMode::Date);
    fnd::Date now = fnd::Date::now();
    fnd::Date first = now.addingTimeInterval(-7 * 86400.0), last = now.addingTimeInterval(365 * 86400.0);
    picker->setMinimumDate(first);
    picker->setMaximumDate(last);
    picker->setDate(now);
    picker->setTag(Gallery::DatePickerTag);
    datePage_->addSubview(picker);

    fnd::DateFormatter day("MMM d, yyyy");
    auto limits = make<Label>(Rect{10, 262, w - 20, 22});
    limits->setText("From " + day.stringFromDate(first) + " to " + day.stringFromDate(last));
    limits->setFont(Font::system(13));
    limits->setTextAlignment(TextAlignment::Center);
    limits->setTag(Gallery::DateLimitsTag);
    datePage_->addSubview(limits);

    std::weak_ptr<Parts> weak = parts_;
    std::weak_ptr<DatePicker> weakPicker = picker;
    mode->addAction(ControlEventValueChanged, [weakPicker](const std::shared_ptr<Control>& c) {
        static constexpr DatePickerMode kModes[] = {DatePickerMode::Date, DatePickerMode::DateAndTime,
                                                    DatePickerMode::Time};
        int i = std::static_pointer_cast<SegmentedControl>(c)->selectedSegmentIndex();
        if (auto picker = weakPicker.lock(); picker && i >= 0 && i < 3) picker->setDatePickerMode(kModes[i]);
    });
    picker->addAction(ControlEventValueChanged, [weak](const std::shared_ptr<Control>& c) {
        auto p = weak.lock();
        if (!p) return;
        fnd::DateFormatter shown("yyyy-MM-dd HH:mm");
        p->say("date " + shown.stringFromDate(std::static_pointer_cast<DatePicker>(c)->date()));
    });
}

}  // namespace testing_support

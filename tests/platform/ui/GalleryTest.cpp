// The gallery: every kind of element the display draws is in it, and each control answers a tap.

#include <gtest/gtest.h>

#include <set>

#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/Device.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextInput.h"
#include "tests/support/Gallery.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

using namespace ui;
using testing_support::findByText;
using testing_support::Gallery;
using testing_support::tap;

namespace {

class GalleryTest : public testing_support::TestEnvironment {
  protected:
    void TearDown() override {
        Application::shared().reset();  // no field left editing, no keyboard left up
        Device::current().reset();
        TestEnvironment::TearDown();
    }
};

void collectKinds(const View& view, std::set<std::string>& kinds) {
    kinds.insert(primitiveKindName(view.primitiveKind()));
    for (const auto& sub : view.subviews()) collectKinds(*sub, kinds);
}

}  // namespace

TEST_F(GalleryTest, HoldsEveryKindOfElementOnPhoneAndTablet) {
    for (Idiom idiom : {Idiom::Phone, Idiom::Tablet}) {
        Device::current().setIdiom(idiom);
        auto gallery = make<Gallery>();
        ChangeLog log(gallery->view());
        std::string tree = log.snapshot();
        std::set<std::string> kinds;
        collectKinds(*gallery->view(), kinds);
        EXPECT_EQ(kinds,
                  (std::set<std::string>{"box", "text", "image", "input", "scroll", "frame", "bitmap"}));
        for (const char* kind : {"\"bitmap\"", "\"frame\"", "\"scroll\""})
            EXPECT_NE(tree.find(kind), std::string::npos) << kind;
        // Everything lies on the screen, and the further pages' controls on their pages.
        auto inside = [](const View& area, const View& v) {
            Rect f = v.frame();
            Size s = area.bounds().size;
            EXPECT_GE(f.minX(), 0);
            EXPECT_GE(f.minY(), 0);
            EXPECT_LE(f.maxX(), s.width + 1e-9);
            EXPECT_LE(f.maxY(), s.height + 1e-9);
        };
        for (const auto& v : gallery->view()->subviews()) inside(*gallery->view(), *v);
        for (int page : {Gallery::TextPageTag, Gallery::DatePageTag})
            for (const auto& v : gallery->view()->viewWithTag(page)->subviews())
                inside(*gallery->view()->viewWithTag(page), *v);
    }
}

TEST_F(GalleryTest, EachControlAnswers) {
    auto gallery = make<Gallery>();
    auto root = gallery->view();
    AlertView::setHost([root] { return root; });
    runFor(0.1);
    auto status = std::static_pointer_cast<Label>(root->viewWithTag(Gallery::StatusTag));
    auto said = [&](auto&& act) {
        act();
        return status->text();
    };
    EXPECT_EQ(said([&] { tap(*findByText(root, "Button")); }), "button");
    EXPECT_EQ(said([&] { tap(*findByText(root, "Hide")); }), "segment 0");
    EXPECT_EQ(said([&] { tap(*root->viewWithTag(Gallery::SwitchTag)); }), "switch on");
    EXPECT_EQ(said([&] { tap(*findByText(root, "Tips")); }), "row 0.1");
    EXPECT_EQ(said([&] { tap(*findByText(root, "Done")); }), "item Done");

    // The page control turns the paging view, whose dots follow.
    testing_support::Finger finger(root);
    finger.down({300, 188});
    finger.up();
    runFor(1);
    auto pages = std::static_pointer_cast<ScrollView>(root->viewWithTag(Gallery::PagesTag));
    EXPECT_EQ(pages->contentOffset().x, 300);

    tap(*findByText(root, "Alert"));
    ASSERT_TRUE(findByText(root, "Delete"));
    EXPECT_EQ(said([&] { tap(*findByText(root, "Delete")); }), "alert button 1");
    runFor(1);
    EXPECT_FALSE(findByText(root, "Delete"));
    AlertView::setHost(nullptr);
}

TEST_F(GalleryTest, TheFurtherPagesAnswer) {
    auto gallery = make<Gallery>();
    auto root = gallery->view();
    AlertView::setHost([root] { return root; });
    runFor(0.1);
    auto status = std::static_pointer_cast<Label>(root->viewWithTag(Gallery::StatusTag));
    auto page = root->viewWithTag(Gallery::TextPageTag);
    ASSERT_TRUE(page->isHidden());
    tap(*findByText(root, "More"));
    EXPECT_EQ(status->text(), "page Text and lists");
    EXPECT_FALSE(page->isHidden());

    auto name = std::static_pointer_cast<TextField>(root->viewWithTag(Gallery::NameFieldTag));
    tap(*name);
    ASSERT_TRUE(name->isEditing());
    name->input()->displayDidEditText("Ann", 3, 0);
    EXPECT_EQ(status->text(), "name Ann");
    auto search = std::static_pointer_cast<SearchBar>(root->viewWithTag(Gallery::SearchTag));
    search->textField()->input()->displayDidEditText("geo", 3, 0);
    EXPECT_EQ(status->text(), "typed geo");
    search->textField()->input()->displayDidPressReturn();
    EXPECT_EQ(status->text(), "search geo");

    tap(*findByText(root, "Sheet"));
    ASSERT_TRUE(findByText(root, "Delete All"));
    tap(*findByText(root, "Add RSS-channel"));
    EXPECT_EQ(status->text(), "sheet Add RSS-channel 2");
    runFor(1);

    tap(*findByText(root, "Go to"));
    auto field = std::dynamic_pointer_cast<TextField>(Responder::firstResponder());
    ASSERT_TRUE(field);
    field->input()->displayDidEditText("12", 2, 0);
    tap(*findByText(root, "OK"));
    EXPECT_EQ(status->text(), "go to 12");
    runFor(1);

    auto list = std::static_pointer_cast<TableView>(root->viewWithTag(Gallery::ListTag));
    tap(*findByText(root, "Add"));
    EXPECT_EQ(status->text(), "added New 1");
    runFor(1);
    tap(*findByText(root, "Edit"));
    EXPECT_EQ(status->text(), "editing");
    auto first = list->cellForRow({0, 0});
    tap(*first->editingControl());
    tap(*first->deleteConfirmationButton());
    EXPECT_EQ(status->text(), "deleted New 1");
    runFor(1);
    EXPECT_EQ(list->cellForRow({0, 0})->textLabel()->text(), "Apple");

    tap(*findByText(root, "More"));
    auto picker = std::static_pointer_cast<DatePicker>(root->viewWithTag(Gallery::DatePickerTag));
    fnd::Date before = picker->date();
    picker->turn(DatePicker::Part::Year, -1);  // past the limit a week back
    EXPECT_EQ(picker->date(), *picker->minimumDate());
    EXPECT_LT(picker->date(), before);
    EXPECT_EQ(status->text().substr(0, 5), "date ");
    tap(*findByText(root, "More"));
    EXPECT_EQ(status->text(), "page Gallery");
    EXPECT_TRUE(root->viewWithTag(Gallery::DatePageTag)->isHidden());
}

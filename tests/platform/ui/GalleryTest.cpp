// The gallery: every kind of element the display draws is in it, and each control answers a tap.

#include <gtest/gtest.h>

#include <set>

#include "platform/ui/AlertView.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/Device.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TableView.h"
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
        Size screen{Device::current().screenWidth(), Device::current().screenHeight() - 20};
        ChangeLog log(gallery->view());
        std::string tree = log.snapshot();
        std::set<std::string> kinds;
        collectKinds(*gallery->view(), kinds);
        EXPECT_EQ(kinds, (std::set<std::string>{"box", "text", "image", "scroll", "frame", "bitmap"}));
        for (const char* kind : {"\"bitmap\"", "\"frame\"", "\"scroll\""})
            EXPECT_NE(tree.find(kind), std::string::npos) << kind;
        // Everything lies on the screen.
        for (const auto& v : gallery->view()->subviews()) {
            Rect f = v->frame();
            EXPECT_GE(f.minX(), 0);
            EXPECT_LE(f.maxX(), screen.width + 1e-9);
            EXPECT_LE(f.maxY(), screen.height + 1e-9);
        }
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

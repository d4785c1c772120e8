// The panel's charts drawn for a fixed study history and compared with reference pictures: every
// accuracy-chart kind of the program, and the answers per step with their running mean. The
// pictures are composed as the display shows them: the frame's colour, the plot views back to
// front and the caption texts. ORVA_WRITE_REFERENCES=1 writes the references anew (look at them).

#include <gtest/gtest.h>

#include <filesystem>

#include "Classes/statistics/PlotView.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Context.h"
#include "platform/ui/Label.h"
#include "tests/Classes/statistics/StatisticsPanelSupport.h"
#include "tests/support/PictureComparison.h"

namespace statistics_test {
namespace {

using gfx::Bitmap;

// The plot container as a picture: views back to front, captions as text.
std::string compose(ui::View& container) {
    const ui::Size size = container.bounds().size;
    gfx::Context c(size.width, size.height, 2);
    c.setFillColor(0.19, 0.23, 0.29, 1);
    c.fillRect(0, 0, size.width, size.height);
    for (const auto& view : container.subviews()) {
        if (view->isHidden()) continue;
        if (auto plot = std::dynamic_pointer_cast<PlotView>(view)) {
            gfx::Context::MakeCurrent current(c);
            c.save();
            plot->drawRect(plot->bounds());
            c.restore();
        } else if (auto text = std::dynamic_pointer_cast<ui::Label>(view); text && !text->text().empty()) {
            const ui::Font font = text->displayedFont();
            c.setFont(font.filePath(), font.size());
            c.setFillColor(text->textColor());
            ui::Rect f = text->frame();
            c.drawText(text->text(), f.origin.x, f.origin.y + (f.size.height - font.size() * 1.17) / 2);
        }
    }
    return c.pngData();
}

class StatisticsDrawingTest : public StatisticsPanelTest {
  protected:
    void expectPicture(ui::View& container, const std::string& name) {
        const std::string png = compose(container);
        const auto fixtures = std::filesystem::path(ORVA_FIXTURES) / "statistics";
        const auto reference = fixtures / (name + ".png");
        auto drawn = Bitmap::decodePNG(png);
        auto expected = Bitmap::decodePNG(testing_support::referencePicture(reference, png));
        ASSERT_TRUE(drawn && expected) << reference;
        // Anti-aliasing and glyphs may differ slightly between library versions; the curves may not.
        EXPECT_LT(testing_support::differingShare(*drawn, *expected, 24), 0.005) << name;
    }
};

TEST_F(StatisticsDrawingTest, EveryChartKindMatchesItsReferencePicture) {
    addStudyHistory(practice, errorLog, kNow);
    auto rep = repository();
    auto panel = computedPanel<StatisticsView>(rep);
    auto chart = outlet(*panel, "successRateV");
    ASSERT_TRUE(chart);

    const char* const names[] = {"chart_all_q_v", "chart_q_ds_ps", "chart_v_sc_rc_cr"};
    const char* const mixes[] = {"All(", "Q(", "V("};
    for (int kind = 0; kind < 3; ++kind) {
        rep->setCurrentStatisticsType(kind);
        panel->renderStatistics();
        EXPECT_EQ(label(*panel, "caption")->text().rfind(mixes[kind], 0), 0u)
            << label(*panel, "caption")->text();
        EXPECT_TRUE(label(*panel, "noEnoughDataL")->isHidden());
        expectPicture(*chart, names[kind]);
    }
    expectPicture(*outlet(*panel, "numberOfSolvedV"), "answers_per_step");
    EXPECT_EQ(label(*panel, "stepL")->text(), "step is a day");
}

}  // namespace
}  // namespace statistics_test

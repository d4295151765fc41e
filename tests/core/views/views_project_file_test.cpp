#include <gtest/gtest.h>

#include <cmath>

#include "support/scripted_prompter.h"
#include "support/temp_dir.h"
#include "view_test_support.h"
#include "views/side_view.h"
#include "views/top_view.h"

namespace quavis {
namespace {

// The views of a pile group read from its project file: three piles, one battered 15 degrees in the XZ
// plane, one 10 degrees in the YZ plane; sections of 10 and 8 with radius 0.3 first.
class BatteredPileFile : public ::testing::Test {
protected:
    void SetUp() override { project.CreateFromFile(test::FixturePath("pile_battered.vqd").string()); }
    TProject project;
    test::ScriptedPrompter prompter;
    test::FixedMeasurer measurer;
};

TEST_F(BatteredPileFile, SideViewsShearEachPileInItsPlane)
{
    const long double s15 = 18 * std::sin(15 * 3.1415L / 180), s10 = 18 * std::sin(10 * 3.1415L / 180);
    const struct {
        TSidePlane plane;
        long double bottomLeft[3];  // x of P2 for piles 1 to 3
    } cases[] = {{TSidePlane::XZ, {-0.3L + s15, 2.2L, -0.3L}}, {TSidePlane::YZ, {-0.3L, -0.3L + s10, 2.2L}}};
    for (const auto& c : cases) {
        TSideViewGeometry view(c.plane);
        ASSERT_TRUE(view.Activate(project, prompter));
        EXPECT_EQ(project.ProgramData().ProfileDepth, 18);
        ASSERT_EQ(view.Elements().size(), 3u);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(static_cast<double>(view.Elements()[i].P2.X), static_cast<double>(c.bottomLeft[i]), 1e-12)
                << TSideViewForm::Caption(c.plane) << " pile " << i + 1;
        ASSERT_TRUE(view.Resize(727, 560));
        const auto texts = test::Texts(view.Paint(project, measurer));
        EXPECT_EQ(texts, (std::vector<std::string>{"depth= 0 - 10; Layer 1",
                                                    "Shear Wave Velocity= 150; Poissons Ratio= 0.35",
                                                    "depth= 10 - 18; Layer 2",
                                                    "Shear Wave Velocity= 200; Poissons Ratio= 0.4"}));
        EXPECT_EQ(view.Paint(project, measurer).All<TViewPolygon>().size(), 3u);
    }
}

TEST_F(BatteredPileFile, TopViewDrawsEveryPile)
{
    TTopViewGeometry view;
    ASSERT_TRUE(view.Activate(project, prompter));
    ASSERT_EQ(view.Discs().size(), 3u);
    EXPECT_EQ(view.Discs()[2].Y, -2.5L);
    ASSERT_TRUE(view.Resize(610, 392));
    const TViewDrawing d = view.Paint(project);
    EXPECT_EQ(d.All<TViewEllipse>().size(), 3u);
    EXPECT_EQ(view.OutlineWidth(), 2.5L);
    EXPECT_EQ(view.OutlineHeight(), 2.5L);
}

} // namespace
} // namespace quavis

#include <gtest/gtest.h>

#include "support/float_compare.h"
#include "support/scripted_prompter.h"
#include "view_test_support.h"
#include "views/top_view.h"

namespace quavis {
namespace {

using test::FillPiles;
using test::FillTable;
using test::ScriptedPrompter;
using test::SetFoundation;

constexpr const char* kSections = "One or more Pile Types does not have any sections";

// A pile project: piles at the given centres, one section of radius r.
void MakePiles(TProject& p, const std::vector<test::PileRow>& piles, long double r)
{
    SetFoundation(p, PileFoundation);
    FillPiles(p, piles);
    FillTable(p.PileData, {{10, r}});
}

TEST(TopView, NewProjectDrawsADegenerateOutlineAtTheCentre)
{
    TProject p;
    ScriptedPrompter prompter;
    TTopViewGeometry view;
    EXPECT_TRUE(view.Activate(p, prompter));
    EXPECT_TRUE(view.Discs().empty());
    EXPECT_EQ(view.Extents(), (TViewExtents{-10, 10, 10, -10}));
    ASSERT_TRUE(view.Resize(610, 392));
    const TViewDrawing d = view.Paint(p);
    const auto outline = d.All<TViewPolyline>();
    ASSERT_EQ(outline.size(), 1u);
    ASSERT_EQ(outline[0].Points.size(), 5u);
    for (const TViewPoint& pt : outline[0].Points) EXPECT_EQ(pt, (TViewPoint{305, 196}));
    // The background first, then the outline with the canvas default pen.
    ASSERT_FALSE(d.Items.empty());
    EXPECT_TRUE(std::holds_alternative<TViewFillRect>(d.Items.front()));
    EXPECT_EQ(outline[0].Pen, TViewPen{});
}

TEST(TopView, RectangleKeepsItsAspectInAnyWindow)
{
    TProject p;
    p.ProgramData().LengthX = 4;
    p.ProgramData().WidthY = 3;
    ScriptedPrompter prompter;
    TTopViewGeometry view;
    ASSERT_TRUE(view.Activate(p, prompter));

    const struct {
        int width, height;
        long double left, right;
        std::vector<TViewPoint> outline;
    } cases[] = {
        {400, 400, -10, 10, {{160, 170}, {240, 170}, {240, 230}, {160, 230}, {160, 170}}},
        // Twice as wide: the visible x range doubles about 0 and the rectangle keeps 80 x 60 pixels.
        {800, 400, -20, 20, {{360, 170}, {440, 170}, {440, 230}, {360, 230}, {360, 170}}},
        // Twice as high: the y range doubles instead.
        {400, 800, -10, 10, {{160, 370}, {240, 370}, {240, 430}, {160, 430}, {160, 370}}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(view.Resize(c.width, c.height));
        EXPECT_NEAR_REL(view.Window().Left, c.left, 1e-15L);
        EXPECT_NEAR_REL(view.Window().Right, c.right, 1e-15L);
        const auto outline = view.Paint(p).All<TViewPolyline>();
        ASSERT_EQ(outline.size(), 1u);
        EXPECT_EQ(outline[0].Points, c.outline) << c.width << " x " << c.height;
    }
    EXPECT_EQ(view.OutlineWidth(), 4);
    EXPECT_EQ(view.OutlineHeight(), 3);
}

TEST(TopView, OutlineSizes)
{
    const struct {
        const char* name;
        int type, shape;
        std::vector<test::PileRow> piles;
        long double width, height;
    } cases[] = {
        {"circular footing", HalfSpaceFoundation, CircularShape, {}, 3, 3},
        {"rectangular footing", StratumFoundation, RectangularShape, {}, 5, 2},
        {"pile cap", PileFoundation, RectangularShape, {{-2, 1, 0, 1}, {3, 4, 0, 1}}, 5, 3},
        // Every centre at negative X and Y: measured from the smallest values up to 1e-9.
        {"piles left of the origin", PileFoundation, RectangularShape, {{-3, -2, 0, 1}, {-1, -2, 0, 1}}, 3 + 1e-9L,
         2 + 1e-9L},
        // No piles at all: no cap to span.
        {"no piles", PileFoundation, RectangularShape, {}, 0, 0},
    };
    for (const auto& c : cases) {
        TProject p;
        SetFoundation(p, c.type);
        p.ProgramData().ShapeCircular = c.shape;
        p.ProgramData().Radius = 1.5L;
        p.ProgramData().LengthX = 5;
        p.ProgramData().WidthY = 2;
        FillPiles(p, c.piles);
        long double w = -1, h = -1;
        TTopViewGeometry::MeasureOutline(p, w, h);
        EXPECT_NEAR_REL(w, c.width, 1e-15L) << c.name;
        EXPECT_NEAR_REL(h, c.height, 1e-15L) << c.name;
    }
}

TEST(TopView, PileDiscIsDrawnBelowTheCentreLineAndReadsOut)
{
    TProject p;
    MakePiles(p, {{2, 5, 0, 1}}, 0.5L);
    ScriptedPrompter prompter;
    TTopViewGeometry view;
    ASSERT_TRUE(view.Activate(p, prompter));
    ASSERT_EQ(view.Discs().size(), 1u);
    EXPECT_EQ(view.Discs()[0].X, 2);
    EXPECT_EQ(view.Discs()[0].Y, -5);
    EXPECT_EQ(view.Discs()[0].R, 0.5L);
    // First activation: no outline measured yet, so the extents are the disc's (and 0).
    EXPECT_EQ(view.Extents(), (TViewExtents{0, 2.5L, 0, -5.5L}));

    ASSERT_TRUE(view.Resize(250, 550));
    const auto discs = view.Paint(p).All<TViewEllipse>();
    ASSERT_EQ(discs.size(), 1u);
    EXPECT_EQ(discs[0].Box, (TViewRect{150, 450, 250, 550}));
    EXPECT_EQ(discs[0].Brush.Color, TViewColor::WindowText);
    EXPECT_EQ(view.MouseMoveCaption(200, 500), "Top View X: 2.0 Y: -5.0");
}

TEST(TopView, LaterActivationsAddTheMarginAroundTheOutline)
{
    TProject p;
    MakePiles(p, {{2, 5, 0, 1}, {-1, 1, 0, 1}}, 0.5L);
    ScriptedPrompter prompter;
    TTopViewGeometry view;
    ASSERT_TRUE(view.Activate(p, prompter));
    EXPECT_EQ(view.Extents(), (TViewExtents{-1.5L, 2.5L, 0, -5.5L}));

    ASSERT_TRUE(view.Resize(400, 300));
    view.Paint(p);  // measures the cap: 3 x 4
    ASSERT_TRUE(view.Activate(p, prompter));
    const TViewExtents& e = view.Extents();
    EXPECT_NEAR_REL(e.XMin, -3 / 1.9L, 1e-15L);
    EXPECT_NEAR_REL(e.XMax, 2.5L, 1e-15L);
    EXPECT_NEAR_REL(e.Top, 4 / 1.9L, 1e-15L);
    EXPECT_NEAR_REL(e.Bottom, -5.5L, 1e-15L);
}

TEST(TopView, FootingKeepsTheLastPileExtents)
{
    TProject p;
    MakePiles(p, {{2, 5, 0, 1}}, 0.5L);
    ScriptedPrompter prompter;
    TTopViewGeometry view;
    ASSERT_TRUE(view.Activate(p, prompter));
    SetFoundation(p, HalfSpaceFoundation);
    ASSERT_TRUE(view.Activate(p, prompter));
    EXPECT_TRUE(view.Discs().empty());
    EXPECT_EQ(view.Extents(), (TViewExtents{0, 2.5L, 0, -5.5L}));
}

TEST(TopView, PileProjectWithoutSectionsClosesTheView)
{
    TProject p;
    MakePiles(p, {{2, 5, 0, 1}, {1, 1, 0, 1}}, 0.5L);
    p.PileData.SetRowCount(0);
    ScriptedPrompter prompter;
    prompter.ExpectMessage(kSections);
    TTopViewGeometry view;
    EXPECT_FALSE(view.Activate(p, prompter));
    // The first error stops the loop: one box only, and the extents are left alone.
    EXPECT_EQ(view.Extents(), (TViewExtents{-10, 10, 10, -10}));
}

TEST(TopView, NoDrawLeavesEveryHandlerIdle)
{
    TProject p;
    MakePiles(p, {{0, 0, 0, 1}}, 0);  // a disc of radius 0 at the origin: extents of no area
    ScriptedPrompter prompter;
    TTopViewGeometry view;
    ASSERT_TRUE(view.Activate(p, prompter));
    ASSERT_TRUE(view.GetNoDraw());
    EXPECT_FALSE(view.Resize(300, 300));
    EXPECT_TRUE(view.Paint(p).Items.empty());
    EXPECT_FALSE(view.MouseMoveCaption(10, 10).has_value());
    EXPECT_TRUE(view.Draw2(p, 6600, 5100, true).Items.empty());
}

TEST(TopView, PrintedPilesAreRoundOnAnyPage)
{
    TProject p;
    MakePiles(p, {{2, 5, 0, 1}}, 0.5L);
    ScriptedPrompter prompter;
    TTopViewGeometry view;
    ASSERT_TRUE(view.Activate(p, prompter));
    ASSERT_TRUE(view.Resize(250, 550));  // view window = extents: x 0..2.5, y 0..-5.5

    // 660 x 318 pixels per inch estimated: 600 across, 300 down, so the vertical radius is halved.
    const TViewDrawing page = view.Draw2(p, 6600, 2550, true);
    const auto fill = page.All<TViewFillRect>();
    ASSERT_EQ(fill.size(), 1u);
    EXPECT_EQ(fill[0].Rect, (TViewRect{0, 0, 6600, 2550}));
    const auto discs = page.All<TViewEllipse>();
    ASSERT_EQ(discs.size(), 1u);
    // Box: x 1.5..2.5 -> 3960..6600, y -4.5..-5.5 -> 2086..2550; g = min(2640, 464) div 2 = 232.
    const int cx = (3960 + 6600) / 2, cy = (2086 + 2550) / 2;
    EXPECT_EQ(discs[0].Box, (TViewRect{cx - 232, cy - 116, cx + 232, cy + 116}));
    EXPECT_EQ(discs[0].Pen, (TViewPen{TViewColor::Black, 12}));
    // The outline is stretched over the page with the screen's view window: a 0 x 0 cap, centred
    // on the origin wherever the piles lie: the page's top left corner.
    const auto outline = page.All<TViewPolyline>();
    ASSERT_EQ(outline.size(), 1u);
    for (const TViewPoint& pt : outline[0].Points) EXPECT_EQ(pt, (TViewPoint{0, 0}));
    EXPECT_EQ(outline[0].Pen.Width, 12);
}

} // namespace
} // namespace quavis

#include <gtest/gtest.h>

#include <cmath>

#include "support/float_compare.h"
#include "support/scripted_prompter.h"
#include "view_test_support.h"
#include "views/side_view.h"

namespace quavis {
namespace {

using test::FillPiles;
using test::FillTable;
using test::FixedMeasurer;
using test::ScriptedPrompter;
using test::SetFoundation;
using P = TSideViewGeometry::TWorldPoint;

constexpr const char* kSections = "One or more Pile Types does not have any sections";

void ExpectPoint(const P& actual, long double x, long double z, const std::string& what)
{
    EXPECT_NEAR(static_cast<double>(actual.X), static_cast<double>(x), 1e-12) << what;
    EXPECT_NEAR(static_cast<double>(actual.Z), static_cast<double>(z), 1e-12) << what;
}

void ExpectExtents(const TViewExtents& e, long double xmin, long double xmax, long double top, long double bottom)
{
    EXPECT_NEAR(static_cast<double>(e.XMin), static_cast<double>(xmin), 1e-12);
    EXPECT_NEAR(static_cast<double>(e.XMax), static_cast<double>(xmax), 1e-12);
    EXPECT_NEAR(static_cast<double>(e.Top), static_cast<double>(top), 1e-12);
    EXPECT_NEAR(static_cast<double>(e.Bottom), static_cast<double>(bottom), 1e-12);
}

// A rectangular 4 (x) by 3 (y) footing on a half-space, BaseZ 3, side layers of 1 and 2.
void MakeHalfSpace(TProject& p, long double baseZ)
{
    SetFoundation(p, HalfSpaceFoundation);
    TProgramData& d = p.ProgramData();
    d.LengthX = 4;
    d.WidthY = 3;
    d.BaseZ = baseZ;
    d.BelowShearWaveVelocity = 500;
    d.BelowPoisson = 0.25L;
    FillTable(p.D1, {{1, 150, 18, 0.3L}, {2, 200, 19, 0.35L}});
}

// Pile A at (1, 2) battered 10 degrees in the XZ plane, pile B at (3, 4) battered 20 degrees in the YZ
// plane; two sections of 5, radius 0.25 along x and 0.3 along y.
void MakeBatteredPiles(TProject& p)
{
    SetFoundation(p, PileFoundation);
    p.ProgramData().FoundationType = HalfSpaceFoundation;  // stale: activation derives it from the keyword
    FillPiles(p, {{1, 2, 10, 1}, {3, 4, 20, 2}});
    FillTable(p.PileData, {{5, 0.25L, 0.3L}, {5, 0.25L, 0.3L}});
    FillTable(p.D, {{100, 18, 0.3L}, {200, 19, 0.35L}});
}

TEST(SideView, Captions)
{
    EXPECT_STREQ(TSideViewForm::Caption(TSidePlane::XZ), "Side View (XZ-Plane)");
    EXPECT_STREQ(TSideViewForm::Caption(TSidePlane::YZ), "Side View (YZ-Plane)");
}

TEST(SideView, FootingElementsAndExtents)
{
    const struct {
        const char* name;
        TSidePlane plane;
        int shape;
        long double halfWidth, depth;
    } cases[] = {
        // Each section shows the footing's size along its own axis.
        {"rectangular XZ", TSidePlane::XZ, RectangularShape, 2, 3},
        {"rectangular YZ", TSidePlane::YZ, RectangularShape, 1.5L, 3},
        {"circular XZ", TSidePlane::XZ, CircularShape, 1.25L, 6},
        {"circular YZ", TSidePlane::YZ, CircularShape, 1.25L, 6},
    };
    for (const auto& c : cases) {
        TProject p;
        MakeHalfSpace(p, 3);
        p.ProgramData().ShapeCircular = c.shape;
        p.ProgramData().Radius = 1.25L;
        // A stale battered pile row must not tilt a footing.
        FillPiles(p, {{0, 0, 30, c.plane == TSidePlane::XZ ? 1 : 2}});
        ScriptedPrompter prompter;
        TSideViewGeometry view(c.plane);
        ASSERT_TRUE(view.Activate(p, prompter)) << c.name;
        ASSERT_EQ(view.Elements().size(), 1u) << c.name;
        const auto& el = view.Elements()[0];
        ExpectPoint(el.P0, -c.halfWidth, 0, c.name);
        ExpectPoint(el.P1, c.halfWidth, 0, c.name);
        ExpectPoint(el.P2, -c.halfWidth, c.depth, c.name);
        ExpectPoint(el.P3, c.halfWidth, c.depth, c.name);
        // Room for the soil: x twice and depth four times the 5 % margin.
        ExpectExtents(view.Extents(), -c.halfWidth * 2.1L, c.halfWidth * 2.1L, 0, c.depth * 4.2L);
        EXPECT_EQ(p.ProgramData().ProfileDepth, 0) << c.name;
    }
}

TEST(SideView, BatteredPilesLeanOnlyInTheirPlane)
{
    const long double s10 = std::sin(10 * 3.1415L / 180), c10 = std::cos(10 * 3.1415L / 180);
    const long double s20 = std::sin(20 * 3.1415L / 180), c20 = std::cos(20 * 3.1415L / 180);
    const struct {
        TSidePlane plane;
        // Bottom left corners of piles A and B; the tops are at depth 0.
        long double aTop, aBottomX, aBottomZ, bTop, bBottomX, bBottomZ, halfWidth;
    } cases[] = {
        {TSidePlane::XZ, 0.75L, 0.75L + 10 * s10, 10 * c10, 2.75L, 2.75L, 10, 0.25L},
        {TSidePlane::YZ, 1.7L, 1.7L, 10, 3.7L, 3.7L + 10 * s20, 10 * c20, 0.3L},
    };
    for (const auto& c : cases) {
        const std::string name = TSideViewForm::Caption(c.plane);
        TProject p;
        MakeBatteredPiles(p);
        ScriptedPrompter prompter;
        TSideViewGeometry view(c.plane);
        ASSERT_TRUE(view.Activate(p, prompter));
        EXPECT_EQ(p.ProgramData().FoundationType, PileFoundation);
        EXPECT_EQ(p.ProgramData().ProfileDepth, 10);
        ASSERT_EQ(view.Elements().size(), 2u);
        const auto& a = view.Elements()[0];
        const auto& b = view.Elements()[1];
        const long double w = 2 * c.halfWidth;
        ExpectPoint(a.P0, c.aTop, 0, name + " A");
        ExpectPoint(a.P1, c.aTop + w, 0, name + " A");
        ExpectPoint(a.P2, c.aBottomX, c.aBottomZ, name + " A");
        ExpectPoint(a.P3, c.aBottomX + w, c.aBottomZ, name + " A");  // sheared: the bottom stays horizontal
        ExpectPoint(b.P0, c.bTop, 0, name + " B");
        ExpectPoint(b.P2, c.bBottomX, c.bBottomZ, name + " B");
        ExpectPoint(b.P3, c.bBottomX + w, c.bBottomZ, name + " B");
        // Every pile lies at x > 0, yet the extents start from 0; piles take no extra factors.
        const long double right = std::max(a.P3.X, b.P3.X);
        ExpectExtents(view.Extents(), 0, 1.05L * right, 0, 1.05L * std::max(a.P2.Z, b.P2.Z));
    }
}

TEST(SideView, MultilayerFoundation)
{
    const struct {
        TSidePlane plane;
        long double radius;
    } cases[] = {{TSidePlane::XZ, 0.5L}, {TSidePlane::YZ, 0.75L}};
    for (const auto& c : cases) {
        TProject p;
        SetFoundation(p, MultilayerFoundation);
        FillTable(p.MultiElement, {{1, 0.5L, 0.75L}, {2, 0.5L, 0.75L}, {3, 0.5L, 0.75L}});
        FillTable(p.D, {{100, 18, 0.3L}, {200, 19, 0.35L}});
        FillTable(p.Multisoil, {{300, 20, 0.4L}});
        ScriptedPrompter prompter;
        TSideViewGeometry view(c.plane);
        ASSERT_TRUE(view.Activate(p, prompter));
        EXPECT_EQ(p.ProgramData().ProfileDepth, 6);
        ASSERT_EQ(view.Elements().size(), 1u);
        // Centred at four radii; embedded over the two layers with side soil.
        const auto& el = view.Elements()[0];
        ExpectPoint(el.P0, 3 * c.radius, 0, "top left");
        ExpectPoint(el.P3, 5 * c.radius, 3, "bottom right");
        ExpectExtents(view.Extents(), 0, 5 * c.radius * 2.1L, 0, 6.3L);

        const TSoilProfile profile = BuildSoilProfile(p);
        EXPECT_EQ(profile.Lines, (std::vector<long double>{1, 3, 6}));
        ASSERT_EQ(profile.Labels.size(), 3u);
        EXPECT_EQ(profile.Labels[1].Line1, "depth= 1 - 3; Layer 2");
        EXPECT_EQ(profile.Labels[1].Line2, "Shear Wave Velocity= 200; Poissons Ratio= 0.35");
        EXPECT_EQ(profile.Labels[2].Line1, "depth= 3 - 6; Layer 3");
        EXPECT_EQ(profile.Labels[2].Line2, "Shear Wave Velocity= 300; Poissons Ratio= 0.4");
    }
}

TEST(SideView, MultilayerWithMoreSoilRowsThanLayersIsEmbeddedWhole)
{
    TProject p;
    SetFoundation(p, MultilayerFoundation);
    FillTable(p.MultiElement, {{1, 0.5L}, {2, 0.5L}});
    FillTable(p.D, {{100, 18, 0.3L}, {200, 19, 0.35L}, {300, 20, 0.4L}});
    ScriptedPrompter prompter;  // no message: there is nothing missing to draw the foundation
    TSideViewGeometry view(TSidePlane::XZ);
    ASSERT_TRUE(view.Activate(p, prompter));
    ASSERT_EQ(view.Elements().size(), 1u);
    ExpectPoint(view.Elements()[0].P2, 1.5L, 3, "bottom left");
}

TEST(SideView, MultilayerLayerWithoutSoilRowKeepsItsLine)
{
    TProject p;
    SetFoundation(p, MultilayerFoundation);
    FillTable(p.MultiElement, {{1, 0.5L}, {2, 0.5L}});
    FillTable(p.D, {{100, 18, 0.3L}});
    p.Multisoil.SetRowCount(0);
    const TSoilProfile profile = BuildSoilProfile(p);
    EXPECT_EQ(profile.Lines, (std::vector<long double>{1, 3}));
    ASSERT_EQ(profile.Labels.size(), 2u);
    EXPECT_EQ(profile.Labels[1].Line1, "depth= 1 - 3; Layer 2");
    EXPECT_EQ(profile.Labels[1].Line2, "");
}

TEST(SideView, HalfSpaceProfile)
{
    const struct {
        long double baseZ, shift;
    } cases[] = {{3, 0}, {5, 2}};  // the layers end at BaseZ
    for (const auto& c : cases) {
        TProject p;
        MakeHalfSpace(p, c.baseZ);
        const TSoilProfile profile = BuildSoilProfile(p);
        ASSERT_TRUE(profile.Ground.has_value());
        EXPECT_EQ(*profile.Ground, c.shift);
        EXPECT_EQ(profile.Lines, (std::vector<long double>{1 + c.shift, 3 + c.shift}));
        ASSERT_EQ(profile.Labels.size(), 3u);
        EXPECT_EQ(profile.Labels[0].Line1, "depth= 0 - 1; Layer 1");
        EXPECT_EQ(profile.Labels[0].Line2, "Shear Wave Velocity= 150; Poissons Ratio= 0.3");
        EXPECT_NEAR(static_cast<double>(profile.Labels[0].Depth), static_cast<double>(0.05L + c.shift), 1e-15);
        EXPECT_EQ(profile.Labels[1].Line1, "depth= 1 - 3; Layer 2");
        EXPECT_NEAR(static_cast<double>(profile.Labels[1].Depth), static_cast<double>(1.1L + c.shift), 1e-15);
        EXPECT_EQ(profile.Labels[2].Line1, "Soil below the tip ");
        EXPECT_EQ(profile.Labels[2].Line2, "Shear Wave Velocity= 500; Poissons Ratio= 0.25");
        EXPECT_EQ(profile.Labels[2].Depth, 2 * c.baseZ);
        EXPECT_EQ(profile.Labels[2].Shift, TLabelShift::Up);
    }
}

TEST(SideView, HalfSpaceScreenPicture)
{
    TProject p;
    MakeHalfSpace(p, 3);
    ScriptedPrompter prompter;
    TSideViewGeometry view(TSidePlane::XZ);
    ASSERT_TRUE(view.Activate(p, prompter));
    ASSERT_TRUE(view.Resize(420, 630));  // 8.4 x 12.6 at 50 pixels per unit
    FixedMeasurer measurer;
    const TViewDrawing d = view.Paint(p, measurer);

    const auto lines = d.All<TViewLine>();
    // Layer lines at depths 1 and 3, the ground line at 0, then its 20 strokes.
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[0].From, (TViewPoint{0, 50}));
    EXPECT_EQ(lines[0].To, (TViewPoint{420, 50}));
    EXPECT_EQ(lines[1].From, (TViewPoint{0, 150}));
    EXPECT_EQ(lines[2].From, (TViewPoint{0, 0}));
    EXPECT_EQ(lines[2].To, (TViewPoint{420, 0}));
    for (int k = 1; k <= 20; ++k) {
        EXPECT_EQ(lines[2 + k].From, (TViewPoint{20 * k + 100, 0}));
        EXPECT_EQ(lines[2 + k].To, (TViewPoint{20 * k + 115, 5}));
    }

    const auto texts = d.All<TViewText>();
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[2].Text, "depth= 1 - 3; Layer 2");
    EXPECT_EQ(texts[2].At, (TViewPoint{0, 55}));  // depth 1.1
    EXPECT_EQ(texts[3].At, (TViewPoint{0, 67}));  // one measured text height lower
    EXPECT_EQ(texts[4].Text, "Soil below the tip ");
    EXPECT_EQ(texts[4].At, (TViewPoint{0, 280}));  // 20 pixels above depth 6
    EXPECT_EQ(texts[5].At, (TViewPoint{0, 292}));
    EXPECT_EQ(texts[0].Font, TViewFont{});

    // The footing over the soil lines, as a filled quadrilateral through P0, P1, P3, P2.
    const auto polygons = d.All<TViewPolygon>();
    ASSERT_EQ(polygons.size(), 1u);
    const auto& footing = polygons[0];
    EXPECT_EQ(footing.Points, (std::vector<TViewPoint>{{110, 0}, {310, 0}, {310, 150}, {110, 150}}));
    EXPECT_EQ(footing.Brush.Color, TViewColor::WindowText);

    EXPECT_EQ(view.MouseMoveCaption(285, 75), "Side View X: 1.5 Depth: 1.5");
}

TEST(SideView, StratumProfile)
{
    const struct {
        long double bedrock;
        std::vector<long double> lines;
        const char* label;
    } cases[] = {
        {0, {3, 3}, "Layer thickness= 0; Layer 1"},  // the bedrock line lies on the ground line
        {4, {7, 3}, "Layer thickness= 4; Layer 1"},
    };
    for (const auto& c : cases) {
        TProject p;
        SetFoundation(p, StratumFoundation);
        p.ProgramData().BaseZ = 2;
        p.ProgramData().BaseDepth = 1;
        p.ProgramData().BedrockDepth = c.bedrock;
        p.ProgramData().BelowShearWaveVelocity = 300;
        p.ProgramData().BelowPoisson = 0.4L;
        const TSoilProfile profile = BuildSoilProfile(p);
        EXPECT_EQ(profile.Lines, c.lines);
        ASSERT_TRUE(profile.Ground.has_value());
        EXPECT_EQ(*profile.Ground, 3);
        ASSERT_EQ(profile.Labels.size(), 2u);
        EXPECT_EQ(profile.Labels[0].Line1, c.label);
        EXPECT_EQ(profile.Labels[0].Line2, "Shear Wave Velocity= 300; Poissons Ratio= 0.4");
        EXPECT_EQ(profile.Labels[0].Depth, 3);
        EXPECT_EQ(profile.Labels[0].Shift, TLabelShift::Down);
        EXPECT_EQ(profile.Labels[1].Line1, "Rock Layer ");
        EXPECT_EQ(profile.Labels[1].Depth, c.lines[0]);
        EXPECT_EQ(profile.Labels[1].Line2, "");
    }
}

// The footing's depth sets the view's depth (four times it); a deeper bedrock widens it to the rock.
TEST(SideView, StratumViewReachesTheRock)
{
    const struct {
        long double bedrock;
        long double bottom;
    } cases[] = {{2, 1.05L * 4 * 2}, {20, 1.05L * 21}};
    for (const auto& c : cases) {
        TProject p;
        SetFoundation(p, StratumFoundation);
        p.ProgramData().ShapeCircular = CircularShape;
        p.ProgramData().Radius = 2;
        p.ProgramData().BaseZ = 1;  // the footing 2 deep
        p.ProgramData().BaseDepth = 1;
        p.ProgramData().BedrockDepth = c.bedrock;
        FillTable(p.D, {{100, 18, 0.3L}});
        ScriptedPrompter prompter;
        TSideViewGeometry view(TSidePlane::XZ);
        ASSERT_TRUE(view.Activate(p, prompter));
        ExpectExtents(view.Extents(), -2 * 2.1L, 2 * 2.1L, 0, c.bottom);
    }
}

TEST(SideView, PileProfileFollowsTheSections)
{
    TProject p;
    MakeBatteredPiles(p);
    p.ProgramData().FoundationType = PileFoundation;
    FillTable(p.PileData, {{2.5L, 0.25L}, {4, 0.25L}});
    FillTable(p.D, {{100, 18, 0.3L}, {200, 19, 0.35L}, {300, 20, 0.4L}});  // a soil row without a section
    const TSoilProfile profile = BuildSoilProfile(p);
    EXPECT_EQ(profile.Ground, std::optional<long double>(0));
    EXPECT_EQ(profile.Lines, (std::vector<long double>{2.5L, 6.5L}));
    ASSERT_EQ(profile.Labels.size(), 2u);
    EXPECT_EQ(profile.Labels[1].Line1, "depth= 2.5 - 6.5; Layer 2");
    EXPECT_EQ(profile.Labels[1].Line2, "Shear Wave Velocity= 200; Poissons Ratio= 0.35");
}

// Piles stand at the left edge where the labels start: on screen and on the page the labels come after
// the elements, each on a patch of the window colour.
TEST(SideView, LabelsAreWrittenOverThePiles)
{
    TProject p;
    MakeBatteredPiles(p);
    ScriptedPrompter prompter;
    TSideViewGeometry view(TSidePlane::XZ);
    ASSERT_TRUE(view.Activate(p, prompter));
    ASSERT_TRUE(view.Resize(727, 590));
    FixedMeasurer measurer;
    for (const TViewDrawing& d : {view.Paint(p, measurer), view.Draw2(p, 6600, 5000, true, measurer)}) {
        std::size_t lastPolygon = 0, firstText = d.Items.size(), texts = 0;
        for (std::size_t i = 0; i < d.Items.size(); ++i) {
            if (std::holds_alternative<TViewPolygon>(d.Items[i])) lastPolygon = i;
            if (const auto* t = std::get_if<TViewText>(&d.Items[i])) {
                firstText = std::min(firstText, i);
                ++texts;
                EXPECT_EQ(t->Background, std::optional<TViewColor>(TViewColor::Window)) << t->Text;
            }
        }
        EXPECT_EQ(texts, 4u);
        EXPECT_EQ(d.All<TViewPolygon>().size(), 2u);
        EXPECT_GT(firstText, lastPolygon);
    }
}

TEST(SideView, EmptySoilTableKeepsThePreviousExtents)
{
    TProject p;
    MakeBatteredPiles(p);
    ScriptedPrompter prompter;
    TSideViewGeometry view(TSidePlane::XZ);
    ASSERT_TRUE(view.Activate(p, prompter));
    const TViewExtents before = view.Extents();
    p.D.SetRowCount(0);
    p.ProgramData().ProfileDepth = 99;
    FillPiles(p, {{50, 0, 0, 1}});
    EXPECT_TRUE(view.Activate(p, prompter));
    EXPECT_TRUE(view.Elements().empty());
    EXPECT_EQ(view.Extents(), before);
    EXPECT_EQ(p.ProgramData().ProfileDepth, 99);  // nothing written either
}

TEST(SideView, PileProjectWithoutSectionsReportsOnceAndCloses)
{
    TProject p;
    MakeBatteredPiles(p);
    FillPiles(p, {{1, 0, 0, 1}, {2, 0, 0, 1}, {3, 0, 0, 1}});
    p.PileData.SetRowCount(0);
    ScriptedPrompter prompter;
    prompter.ExpectMessage(kSections);
    TSideViewGeometry view(TSidePlane::YZ);
    EXPECT_FALSE(view.Activate(p, prompter));
    EXPECT_TRUE(view.Elements().empty());
    ExpectExtents(view.Extents(), -10, 10, 0, 10);
    EXPECT_EQ(p.ProgramData().FoundationType, PileFoundation);
    EXPECT_EQ(p.ProgramData().ProfileDepth, 0);
}

TEST(SideView, NoDrawLeavesEveryHandlerIdle)
{
    TProject p;  // a new project: a footing of no size
    ScriptedPrompter prompter;
    TSideViewGeometry view(TSidePlane::XZ);
    ASSERT_TRUE(view.Activate(p, prompter));
    ASSERT_TRUE(view.GetNoDraw());
    FixedMeasurer measurer;
    EXPECT_FALSE(view.Resize(400, 400));
    EXPECT_TRUE(view.Paint(p, measurer).Items.empty());
    EXPECT_FALSE(view.MouseMoveCaption(1, 1).has_value());
    EXPECT_TRUE(view.Draw2(p, 6600, 5000, true, measurer).Items.empty());
}

// Ten pile sections of 1 with soil rows whose values differ from row to row.
void MakeTenLayerPile(TProject& p)
{
    SetFoundation(p, PileFoundation);
    FillPiles(p, {{0, 0, 0, 1}});
    std::vector<std::vector<long double>> sections, soil;
    for (int i = 0; i < 10; ++i) {
        sections.push_back({1, 0.5L});
        soil.push_back({100 + 10.0L * i, 18.0L + i, 0.3L + 0.01L * i});
    }
    FillTable(p.PileData, sections);
    FillTable(p.D, soil);
}

TEST(SideView, PrintedLabelsAreThoseOfTheScreen)
{
    TProject p;
    MakeTenLayerPile(p);
    ScriptedPrompter prompter;
    TSideViewGeometry view(TSidePlane::XZ);
    ASSERT_TRUE(view.Activate(p, prompter));
    ASSERT_TRUE(view.Resize(400, 400));
    FixedMeasurer measurer;
    const std::vector<std::string> screen = test::Texts(view.Paint(p, measurer));
    ASSERT_EQ(screen.size(), 20u);
    const std::vector<std::string> printed = test::Texts(view.Draw2(p, 6600, 5000, true, measurer));
    // The first eight layers, with the screen's depths, numbers and soil values.
    EXPECT_EQ(printed, std::vector<std::string>(screen.begin(), screen.begin() + 16));
    EXPECT_EQ(printed[12], "depth= 6 - 7; Layer 7");
    EXPECT_EQ(printed[13], "Shear Wave Velocity= 160; Poissons Ratio= 0.36");
}

TEST(SideView, PrintedPageLayout)
{
    TProject p;
    MakeTenLayerPile(p);
    ScriptedPrompter prompter;
    TSideViewGeometry view(TSidePlane::XZ);
    ASSERT_TRUE(view.Activate(p, prompter));
    ASSERT_TRUE(view.Resize(400, 400));  // view window x -5.25..5.25, depth 0..10.5
    FixedMeasurer measurer;
    const TViewDrawing page = view.Draw2(p, 6600, 5000, true, measurer);  // 600 x 600 pixels per inch
    const TViewPen pen{TViewColor::Black, 12};

    const auto fill = page.All<TViewFillRect>();
    ASSERT_EQ(fill.size(), 1u);
    EXPECT_EQ(fill[0].Rect, (TViewRect{660, 500, 5940, 4500}));

    const auto lines = page.All<TViewLine>();
    ASSERT_EQ(lines.size(), 10u + 1u + 10u);  // layer lines, the ground line, its strokes
    EXPECT_EQ(lines[0].From, (TViewPoint{660, 881}));  // depth 1 in the middle 80 % of the page
    EXPECT_EQ(lines[0].To, (TViewPoint{5940, 881}));
    EXPECT_EQ(lines[9].From.Y, 4310);  // depth 10
    EXPECT_EQ(lines[10].From, (TViewPoint{660, 500}));
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(lines[10 + k].From, (TViewPoint{1250 + 50 * k, 500}));
        EXPECT_EQ(lines[10 + k].To, (TViewPoint{1325 + 50 * k, 570}));
    }
    for (const auto& l : lines) EXPECT_EQ(l.Pen, pen);

    const auto texts = page.All<TViewText>();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].Font, (TViewFont{"MS Sans Serif", 83, TViewColor::Black}));
    EXPECT_EQ(texts[0].At, (TViewPoint{750, 519}));  // depth 0.05
    EXPECT_EQ(texts[1].At, (TViewPoint{750, 604}));  // one measured line lower

    const auto piles = page.All<TViewPolygon>();
    ASSERT_EQ(piles.size(), 1u);
    EXPECT_EQ(piles[0].Points, (std::vector<TViewPoint>{{2986, 500}, {3614, 500}, {3614, 4310}, {2986, 4310}}));
    EXPECT_EQ(piles[0].Pen, pen);
}

TEST(SideView, PrintedNotesKeepTheirPlaceInLines)
{
    TProject p;
    MakeHalfSpace(p, 3);
    ScriptedPrompter prompter;
    TSideViewGeometry view(TSidePlane::XZ);
    ASSERT_TRUE(view.Activate(p, prompter));
    ASSERT_TRUE(view.Resize(420, 630));  // depth 0..12.6
    FixedMeasurer measurer;
    const auto texts = view.Draw2(p, 6600, 5000, true, measurer).All<TViewText>();
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[4].Text, "Soil below the tip ");
    // Depth 6 maps to 500 + 1905; two printed lines (2 x 85) above it.
    EXPECT_EQ(texts[4].At, (TViewPoint{750, 2405 - 170}));
    EXPECT_EQ(texts[5].At, (TViewPoint{750, 2405 - 85}));
}

} // namespace
} // namespace quavis

#include "results/amplitude_window_state.h"

#include "components/errors.h"
#include "support/float_compare.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <vector>

namespace quavis {
namespace {

struct Record {
    long double f;
    std::array<long double, 3> d;
    std::array<long double, 3> theta;
};

void FillResponse(TResultGraphs& g, const std::vector<Record>& records)
{
    g.pltDxyzR.SetLineCount(3);
    g.pltMxyzR.SetLineCount(3);
    g.pltDxyzR.SetPointCount(static_cast<int>(records.size()));
    g.pltMxyzR.SetPointCount(static_cast<int>(records.size()));
    for (int i = 0; i < static_cast<int>(records.size()); ++i)
        for (int c = 0; c < 3; ++c) {
            g.pltDxyzR.PointAt(c, i) = {records[i].f, records[i].d[c]};
            g.pltMxyzR.PointAt(c, i) = {records[i].f, records[i].theta[c]};
        }
}

const std::vector<Record> kTwoRecords = {
    {1.0L, {0.01L, 0.02L, 0.03L}, {0.001L, 0.002L, 0.003L}},
    {2.0L, {0.04L, 0.05L, 0.06L}, {0.004L, 0.005L, 0.006L}},
};

class Amplitudes : public ::testing::Test {
protected:
    void SetUp() override { FillResponse(graphs, kTwoRecords); }
    void Project(int units, long double cx, long double cy, long double cz)
    {
        data.UnitSystem = units;
        data.CgLocalX = cx;
        data.CgLocalY = cy;
        data.CgLocalZ = cz;
    }
    long double Y(int series, int i) const { return window.Chart().Series[series].Points[i].Y; }

    TProgramData data;
    TResultGraphs graphs;
    TAmplitudeWindowState window{data, graphs};
};

TEST_F(Amplitudes, AtTheCentreOfGravityTheSeriesAreTheTranslations)
{
    Project(SI, 1.5L, -2.0L, 0.25L);
    window.FormActivate();
    EXPECT_EQ(window.Selection().Shown, SI);
    EXPECT_EQ(window.Selection().Point, (std::array<long double, 3>{1.5L, -2.0L, 0.25L}));
    EXPECT_EQ(window.Chart().LeftAxisTitle, "Translational Amplitude (m)");
    for (int i = 0; i < 2; ++i)
        for (int s = 0; s < 3; ++s) EXPECT_EQ(Y(s, i), static_cast<double>(kTwoRecords[i].d[s]));
    EXPECT_EQ(window.Chart().Series[0].Points[1].X, 2.0);
}

TEST_F(Amplitudes, OffsetPointAddsTheCrossProduct)
{
    Project(SI, 0, 0, 0);
    window.FormActivate();
    window.SetPoint(1, 2.0L);
    for (int i = 0; i < 2; ++i) {
        const Record& r = kTwoRecords[i];
        EXPECT_NEAR_REL(Y(0, i), r.d[0] + 2 * r.theta[2], 1e-15L);
        EXPECT_EQ(Y(1, i), static_cast<double>(r.d[1]));
        EXPECT_NEAR_REL(Y(2, i), r.d[2] - 2 * r.theta[0], 1e-15L);
    }
    // Lever arm (3, 4, 5) from a centre of gravity off the origin.
    Project(SI, 1, 2, 3);
    window.FormActivate();
    window.SetPoint(0, 4);
    window.SetPoint(1, 6);
    window.SetPoint(2, 8);
    EXPECT_NEAR_REL(Y(0, 0), 0.012L, 1e-14L); // 0.01 + 4*0.003 - 5*0.002
    EXPECT_NEAR_REL(Y(1, 0), 0.016L, 1e-14L); // 0.02 + 5*0.001 - 3*0.003
    EXPECT_NEAR_REL(Y(2, 0), 0.032L, 1e-14L); // 0.03 + 3*0.002 - 4*0.001
}

TEST_F(Amplitudes, UnitSwitchConvertsFieldsAndTranslations)
{
    Project(English, 10, 20, -4);
    window.FormActivate();
    EXPECT_EQ(window.Selection().Shown, English);
    EXPECT_EQ(window.Chart().LeftAxisTitle, "Translational Amplitude (ft)");
    window.SelectUnits(SI);
    EXPECT_EQ(window.FieldUnitSystem(), SI);
    EXPECT_EQ(window.LastUnitChoice(), SI);
    EXPECT_NEAR_REL(window.Selection().Point[0], 3.048L, 1e-17L);
    EXPECT_NEAR_REL(window.Selection().Point[2], -1.2192L, 1e-17L);
    EXPECT_NEAR_REL(window.Chart().LengthFactor, 0.3048L, 0);
    EXPECT_EQ(window.Chart().LeftAxisTitle, "Translational Amplitude (m)");
    // Still at the centre of gravity: the series are the translations in metres.
    for (int s = 0; s < 3; ++s) EXPECT_NEAR_REL(Y(s, 1), 0.3048L * kTwoRecords[1].d[s], 1e-15L);

    const auto before = window.Selection().Point;
    window.SelectUnits(SI);
    EXPECT_EQ(window.Selection().Point, before) << "choosing the selected unit changes nothing";
    window.SelectUnits(English);
    EXPECT_NEAR_REL(window.Selection().Point[1], 20.0L, 1e-17L);

    // Project in SI, English shown: lengths grow by 1/0.3048.
    Project(SI, 0, 0, 0);
    window.FormActivate();
    window.SelectUnits(English);
    EXPECT_NEAR_REL(Y(2, 0), 0.03L / 0.3048L, 1e-15L);
    window.SetPoint(1, 2.0L); // 2 ft from the centre of gravity
    EXPECT_NEAR_REL(Y(0, 0), 0.01L / 0.3048L + 2 * 0.003L, 1e-15L);

    // Default (C.G.) puts the centre of gravity back in displayed units.
    Project(English, 10, 20, -4);
    window.FormActivate();
    window.SelectUnits(SI);
    window.SetPoint(0, 99);
    window.Button1Click();
    EXPECT_NEAR_REL(window.Selection().Point[0], 3.048L, 1e-17L);
}

TEST_F(Amplitudes, RotationIgnoresPointAndUnits)
{
    Project(English, 1, 2, 3);
    window.FormActivate();
    window.SelectUnits(SI);
    window.SetPoint(0, 50);
    window.SetType(TAmplitudeType::Rotation);
    EXPECT_EQ(window.Chart().LeftAxisTitle, "Rotational Amplitude (rad)");
    for (int i = 0; i < 2; ++i)
        for (int s = 0; s < 3; ++s) EXPECT_EQ(Y(s, i), static_cast<double>(kTwoRecords[i].theta[s]));
}

TEST_F(Amplitudes, DirectionBoxes)
{
    window.FormActivate();
    auto visible = [this] {
        return std::array<bool, 3>{window.Chart().Series[0].Visible, window.Chart().Series[1].Visible,
                                   window.Chart().Series[2].Visible};
    };
    EXPECT_EQ(visible(), (std::array<bool, 3>{true, true, true}));
    window.OnlyDirection(1);
    EXPECT_EQ(visible(), (std::array<bool, 3>{false, true, false}));
    window.SetDirection(2, true);
    EXPECT_EQ(visible(), (std::array<bool, 3>{false, true, true}));
    window.AllDirections();
    EXPECT_EQ(visible(), (std::array<bool, 3>{true, true, true}));
    EXPECT_THROW(window.OnlyDirection(3), EListError);
}

TEST_F(Amplitudes, ExportIsByteExact)
{
    FillResponse(graphs, {{10, {1.25L, -3, 1e-5L}, {0, 0, 0}}, {20, {0, 1e20L, -0.0625L}, {0, 0, 0}}});
    Project(English, 0, 0, 0);
    window.FormActivate();
    window.SetPoint(0, 12.5L);
    window.SetPoint(1, -0.5L);
    window.OnlyDirection(0); // every column is written whatever the boxes show
    test::TempDir dir;
    window.Export(dir / "amp.txt");
    EXPECT_EQ(test::ReadFileBytes(dir / "amp.txt"),
              "Reference Point\r\n"
              "X=  1.25000000000000E+0001 ft, Y= -5.00000000000000E-0001 ft, Z=  0.00000000000000E+0000 ft\r\n"
              "n,Frequency,Disp_x,Disp_y,Disp_z\r\n"
              ",Hz,ft,ft,ft\r\n"
              "1, 1.00000000000000E+0001, 1.25000000000000E+0000,-3.00000000000000E+0000, 1.00000000000000E-0005\r\n"
              "2, 2.00000000000000E+0001, 0.00000000000000E+0000, 1.00000000000000E+0020,-6.25000000000000E-0002\r\n");

    EXPECT_THROW(window.Export(dir / "no such folder" / "amp.txt"), EInOutError);
}

TEST_F(Amplitudes, ExportWithoutPointsHasTheHeaderOnly)
{
    TResultGraphs empty;
    Project(SI, 0, 0, 0);
    TAmplitudeWindowState w(data, empty);
    w.FormActivate();
    w.SetType(TAmplitudeType::Rotation);
    for (const auto& series : w.Chart().Series) EXPECT_TRUE(series.Points.empty());
    EXPECT_EQ(w.ExportText(),
              "Reference Point\r\n"
              "X=  0.00000000000000E+0000 m, Y=  0.00000000000000E+0000 m, Z=  0.00000000000000E+0000 m\r\n"
              "n,Frequency,Disp_x,Disp_y,Disp_z\r\n"
              ",Hz,m,m,m\r\n");
}

TEST_F(Amplitudes, GraphsShortOfCurvesGiveEmptySeries)
{
    graphs.pltMxyzR.SetLineCount(1);
    window.FormActivate();
    for (const auto& series : window.Chart().Series) EXPECT_TRUE(series.Points.empty());
    EXPECT_THROW(window.PointReport(0, 0), EListError);
}

TEST_F(Amplitudes, SeriesKeepAscendingFrequenciesAndTheReportFollows)
{
    FillResponse(graphs, {{20, {0, 1e20L, -0.0625L}, {0.004L, 0.005L, -0.006L}},
                          {10, {1.25L, -3, 1e-5L}, {0.001L, 0.002L, 0.003L}}});
    Project(SI, 0, 0, 0);
    window.FormActivate();
    EXPECT_EQ(window.Chart().Series[2].Points[0].X, 10.0);
    EXPECT_EQ(Y(1, 0), -3.0);
    EXPECT_EQ(window.PointReport(1, 1), "Y-Dir\rPoint: 1\rFreq: 20\r"
                                        "X: 0\rY: 1E20\rZ: -0.0625\r"
                                        "Xo: 0\rYo: 1E20\rZo: -0.0625\r"
                                        "Rx: 0.004\rRy: 0.005\rRz: -0.006\r");
    EXPECT_EQ(window.PointReport(2, 0).substr(0, 15), "Z-dir\rPoint: 0\r");
    EXPECT_THROW(window.PointReport(0, 2), EListError);
}

TEST(AmplitudeTexts, LengthFactorAndMouseReadout)
{
    EXPECT_EQ(LengthFactor(English, English), 1.0L);
    EXPECT_EQ(LengthFactor(SI, SI), 1.0L);
    EXPECT_EQ(LengthFactor(English, SI), 0.3048L);
    EXPECT_EQ(LengthFactor(SI, English), 1.0L / 0.3048L);

    EXPECT_EQ(AmplitudeMouseReadout(1.2345678L, 2, 0, 10, -1, 5), "(1.23457,2)");
    EXPECT_EQ(AmplitudeMouseReadout(10, -1, 0, 10, -1, 5), "(10,-1)");
    EXPECT_EQ(AmplitudeMouseReadout(10.5L, 2, 0, 10, -1, 5), "");
    EXPECT_EQ(AmplitudeMouseReadout(5, 5.1L, 0, 10, -1, 5), "");
}

} // namespace
} // namespace quavis

#include "support/temp_dir.h"

#include "model/project.h"
#include "model/project_reader.h"
#include "results/dlg_amp_plot.h"
#include "results/plot_data_reader.h"

#include <gtest/gtest.h>

#include <QChart>
#include <QCheckBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QValueAxis>

#include <filesystem>

namespace quavis::test {
namespace {

// The English fixture job with its results, and the window over it, shown.
class AmpWindowTest : public ::testing::Test {
protected:
    AmpWindowTest()
    {
        const auto path = dir.Write("job.vqd", ReadFileBytes(FixturePath("plotdata_english_job.vqd")));
        dir.Write("job.vqp", ReadFileBytes(FixturePath("plotdata_english_job.vqp")));
        ReadProjectFile(project, path.string());
        LoadProjectResults(project);
        window = std::make_unique<TDlgAmpPlot>(project.ProgramData(), project.ResultGraphs());
        window->show();
        QCoreApplication::processEvents();
    }
    const TGraphPlot& Disp() const { return *project.ResultGraphs().Find("pltDxyzR"); }
    const TGraphPlot& Rot() const { return *project.ResultGraphs().Find("pltMxyzR"); }
    double SeriesY(int s, int i) const { return window->Series(s)->at(i).y(); }

    TempDir dir;
    TProject project;
    std::unique_ptr<TDlgAmpPlot> window;
};

TEST_F(AmpWindowTest, AtTheCentreOfGravityTheSeriesAreTheResponse)
{
    ASSERT_TRUE(project.ResultGraphs().ResultsLoaded);
    ASSERT_EQ(project.ProgramData().UnitSystem, English);
    EXPECT_TRUE(window->RadioButton1->isChecked());
    EXPECT_EQ(window->DataLabel[0]->text().toStdString(), "X (ft)");
    const int n = Disp().CurvePointCount();
    ASSERT_GT(n, 1);
    for (int s = 0; s < 3; ++s) {
        ASSERT_EQ(window->Series(s)->count(), n);
        for (int i = 0; i < n; ++i) {
            EXPECT_DOUBLE_EQ(window->Series(s)->at(i).x(), static_cast<double>(Disp().PointAt(s, i).X));
            EXPECT_DOUBLE_EQ(SeriesY(s, i), static_cast<double>(Disp().PointAt(s, i).Y));
        }
    }
    auto* yAxis = qobject_cast<QValueAxis*>(window->Chart()->axes(Qt::Vertical).value(0));
    ASSERT_NE(yAxis, nullptr);
    EXPECT_EQ(yAxis->titleText().toStdString(), "Translational Amplitude (ft)");
}

TEST_F(AmpWindowTest, SeriesCarryRectangleTriangleAndStarMarkersInTheirColours)
{
    const QColor colours[3] = {Qt::black, Qt::red, QColor(0, 128, 192)};
    for (int s = 0; s < 3; ++s) {
        const QImage marker = window->Series(s)->lightMarker();
        ASSERT_EQ(marker.size(), QSize(5, 5)) << s; // two pixels each way of the point
        EXPECT_EQ(window->Series(s)->color(), colours[s]) << s;
        EXPECT_EQ(marker.pixelColor(2, 4).rgb(), colours[s].rgb()) << s;
    }
    // The corners and the centre tell the shapes apart: an outlined rectangle, a triangle standing on its
    // base, a star with its diagonal arms.
    auto opaque = [&](int s, int x, int y) { return window->Series(s)->lightMarker().pixelColor(x, y).alpha() > 0; };
    EXPECT_TRUE(opaque(0, 0, 0) && opaque(0, 4, 0) && opaque(0, 0, 4) && opaque(0, 4, 4) && !opaque(0, 2, 2));
    EXPECT_TRUE(!opaque(1, 0, 0) && !opaque(1, 4, 0) && opaque(1, 2, 0) && opaque(1, 0, 4) && opaque(1, 4, 4));
    EXPECT_TRUE(opaque(2, 0, 0) && opaque(2, 4, 4) && opaque(2, 2, 2) && !opaque(2, 1, 0) && !opaque(2, 0, 1));
}

TEST_F(AmpWindowTest, SeriesFollowTheReferencePoint)
{
    const long double cgY = project.ProgramData().CgLocalY;
    window->DataEdit[1]->setText(QString::number(static_cast<double>(cgY + 2), 'g', 17));
    emit window->DataEdit[1]->textEdited(window->DataEdit[1]->text());
    // Lever arm (0, 2, 0): Ux = Dx + 2 θz, Uy = Dy, Uz = Dz − 2 θx.
    for (int i = 0; i < Disp().CurvePointCount(); ++i) {
        EXPECT_NEAR(SeriesY(0, i), static_cast<double>(Disp().PointAt(0, i).Y + 2 * Rot().PointAt(2, i).Y), 1e-9);
        EXPECT_NEAR(SeriesY(1, i), static_cast<double>(Disp().PointAt(1, i).Y), 1e-9);
        EXPECT_NEAR(SeriesY(2, i), static_cast<double>(Disp().PointAt(2, i).Y - 2 * Rot().PointAt(0, i).Y), 1e-9);
    }
    window->DefaultButton->click();
    EXPECT_NEAR(SeriesY(0, 0), static_cast<double>(Disp().PointAt(0, 0).Y), 1e-12);
}

TEST_F(AmpWindowTest, UnitSwitchScalesFieldsAndSeries)
{
    const double x = window->DataEdit[0]->text().toDouble();
    window->RadioButton2->click();
    EXPECT_EQ(window->DataLabel[0]->text().toStdString(), "X (m)");
    EXPECT_NEAR(window->DataEdit[0]->text().toDouble(), x * 0.3048, 1e-12);
    EXPECT_NEAR(SeriesY(0, 0), static_cast<double>(Disp().PointAt(0, 0).Y) * 0.3048, 1e-12);
    window->RadioButton1->click();
    EXPECT_NEAR(window->DataEdit[0]->text().toDouble(), x, 1e-12);
    // Rotation ignores point and units.
    window->RadioButton6->click();
    EXPECT_DOUBLE_EQ(SeriesY(2, 0), static_cast<double>(Rot().PointAt(2, 0).Y));
}

TEST_F(AmpWindowTest, OnlyAndAll)
{
    window->OnlyButton[1]->click();
    EXPECT_FALSE(window->Series(0)->isVisible());
    EXPECT_TRUE(window->Series(1)->isVisible());
    EXPECT_FALSE(window->Series(2)->isVisible());
    EXPECT_FALSE(window->CheckBox[0]->isChecked());
    window->AllButton->click();
    for (int s = 0; s < 3; ++s) EXPECT_TRUE(window->Series(s)->isVisible());
}

TEST_F(AmpWindowTest, ExportAsksBeforeOverwriting)
{
    const std::filesystem::path out = dir.Path() / "amp.txt";
    window->ExportFileName = [&] { return out.string(); };
    std::vector<std::string> asked;
    bool answer = false;
    window->AskOverwrite = [&](const std::string& q) {
        asked.push_back(q);
        return answer;
    };
    window->ExportButton->click();
    EXPECT_TRUE(asked.empty());
    const std::string written = ReadFileBytes(out);
    EXPECT_EQ(written.rfind("Reference Point\r\n", 0), 0u);
    dir.Write("amp.txt", "keep");
    window->ExportButton->click();
    EXPECT_EQ(asked, std::vector<std::string>{"File already exists, do you want to overwrite it?"});
    EXPECT_EQ(ReadFileBytes(out), "keep");
    answer = true;
    window->ExportButton->click();
    EXPECT_EQ(ReadFileBytes(out), written);
}

TEST_F(AmpWindowTest, PointReportOnClick)
{
    std::vector<std::string> shown;
    window->ShowInfo = [&](const std::string& t) { shown.push_back(t); };
    window->ClickSeries(1, 0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], window->State().PointReport(1, 0));
    EXPECT_NE(shown[0].find("Point: 0"), std::string::npos);
}

} // namespace
} // namespace quavis::test

#include "app_fixture.h"

#include <QApplication>
#include <QTimer>

namespace quavis::test {
namespace {

class AmpMenuTest : public MainFormTest {};

TEST_F(AmpMenuTest, GraphicsItemShowsTheWindowModallyAtTheCentreOfGravity)
{
    RegisterAmplitudeWindow();
    const auto project = projects.Write("job.vqd", ReadFileBytes(FixturePath("plotdata_english_job.vqd")));
    projects.Write("job.vqp", ReadFileBytes(FixturePath("plotdata_english_job.vqp")));
    Start();
    form->Logic().OpenFileName(project.string());
    std::vector<std::string> fields;
    TDlgAmpPlot* seen = nullptr;
    const auto closeIt = [&] {
        auto* dialog = qobject_cast<TDlgAmpPlot*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = dialog;
        fields.push_back(dialog->DataEdit[1]->text().toStdString());
        dialog->DataEdit[1]->setText("7");
        emit dialog->DataEdit[1]->textEdited("7");
        dialog->CloseButton->click();
    };
    QTimer::singleShot(0, closeIt);
    OpenMenu("GraphicsMenu");
    Click("FootingResponseAmplitudeDisplacement1");
    TDlgAmpPlot* first = seen;
    // Shown again: the same window, back at the centre of gravity.
    QTimer::singleShot(0, closeIt);
    OpenMenu("GraphicsMenu");
    Click("FootingResponseAmplitudeDisplacement1");
    EXPECT_EQ(seen, first);
    const std::string cgY = fields.at(0);
    EXPECT_EQ(fields, (std::vector<std::string>{cgY, cgY}));
    EXPECT_NE(cgY, "7");
}

} // namespace
} // namespace quavis::test

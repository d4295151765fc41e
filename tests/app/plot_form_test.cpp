#include "app_fixture.h"

#include "graph/graph_picture.h"
#include "graph/graph_plot.h"
#include "graph/plot_form.h"
#include "graph/plot_geometry.h"
#include "results/plot_data_reader.h"
#include "results/plot_dialogs.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPdfWriter>
#include <QPrinter>
#include <QTimer>

#include <functional>
#include <limits>
#include <memory>

namespace quavis::test {
namespace {

// Three horizontal curves at y = 1, 2, 3 over x = 0..10 (the last rising at its end), no markers.
void FillGraph(TGraphPlot& graph)
{
    graph.Caption = "Test Graph";
    graph.XOnTop = false;
    graph.Markers = 0;
    graph.SetLineCount(3);
    graph.SetPointCount(11);
    for (int c = 0; c < 3; ++c)
        for (int j = 0; j <= 10; ++j) graph.PointAt(c, j) = {static_cast<long double>(j), c + 1.0L};
    // Lifts the range to 4 so that no curve runs along the frame.
    graph.PointAt(2, 10).Y = 3.5L;
}

QRgb Rgb(TColorRGB c) { return qRgb(c.r, c.g, c.b); }

// A plot window over a graph of its own, 640 × 480.
class PlotFormTest : public ::testing::Test {
protected:
    PlotFormTest()
    {
        FillGraph(graph);
        form = std::make_unique<TPlotForm>(graph);
        form->resize(640, 480);
        form->show();
        QCoreApplication::processEvents();
    }
    ~PlotFormTest() override
    {
        form->Detach();
        form.reset();
    }

    DevicePoint Pixel(long double x, long double y) const
    {
        const TPlotView& v = form->View();
        return ToPixel({x, y}, v.ViewRange, v.Layout.PlotRect, graph.XOnTop);
    }
    static void Mouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, DevicePoint p)
    {
        const QPointF at(p.x, p.y);
        QMouseEvent event(type, at, w->mapToGlobal(at), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
        QCoreApplication::sendEvent(w, &event);
    }
    // Runs `script` on the modal dialog the action opens.
    template <class Dialog>
    void WithDialog(const std::string& action, const std::function<void(Dialog&)>& script)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            ran = true;
            script(*dialog);
        });
        form->Action(action)->trigger();
        EXPECT_TRUE(ran) << action;
    }

    TGraphPlot graph{"pltTest"};
    std::unique_ptr<TPlotForm> form;
};

TEST_F(PlotFormTest, PaintsFrameCurvesAndWhitePageWhereTheCoreLaysThemOut)
{
    ASSERT_TRUE(form->Created());
    const TPlotView& v = form->View();
    // Ranges from the core: x 0..10, y 0..4.
    EXPECT_EQ(v.ViewRange, (DataRange{0, 10, 0, 4}));
    const QImage picture = form->Picture();
    const DeviceRect& plot = v.Layout.PlotRect;
    EXPECT_EQ(picture.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(plot.left, (plot.top + plot.bottom) / 2), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(plot.right, plot.top + 3), qRgb(0, 0, 0));
    // Curves in palette order: black, blue, red.
    for (int c = 0; c < 3; ++c) {
        const DevicePoint p = Pixel(2.5L, c + 1.0L);
        EXPECT_EQ(picture.pixel(p.x, p.y), Rgb(CurvePalette(static_cast<std::size_t>(c)))) << c;
    }
    // The window's legend is the list, not a box in the picture; it sits in the lower right corner.
    EXPECT_TRUE(form->LegendList()->isVisible());
    EXPECT_EQ(form->LegendList()->geometry().right() + 1, plot.right);
    EXPECT_EQ(form->LegendList()->geometry().bottom() + 1, plot.bottom);
}

TEST_F(PlotFormTest, MarkersFollowTheSetting)
{
    // The square of curve 1 has corners dpi/32 around the point; with markers every point it is drawn.
    const DevicePoint p = Pixel(5, 2);
    const int d = static_cast<int>(std::lround(std::sin(3.14159265358979 / 4) * form->View().DpiX() / 32));
    const auto corner = [&] { return form->Picture().pixel(p.x + d, p.y - d + 1); };
    EXPECT_EQ(corner(), qRgb(255, 255, 255));
    form->MarkClick(1);
    EXPECT_EQ(corner(), Rgb(CurvePalette(1)));
}

TEST_F(PlotFormTest, ZoomBoxAndRightClickZoomOut)
{
    QWidget* box = form->PaintBox();
    const DevicePoint a = Pixel(2, 0.5L), b = Pixel(6, 2.5L);
    Mouse(box, QEvent::MouseButtonPress, Qt::LeftButton, a);
    Mouse(box, QEvent::MouseMove, Qt::LeftButton, b);
    EXPECT_NE(form->windowTitle().indexOf("Test Graph X: "), -1) << form->windowTitle().toStdString();
    Mouse(box, QEvent::MouseButtonRelease, Qt::LeftButton, b);
    const DataRange zoomed = form->View().ViewRange;
    EXPECT_NEAR(static_cast<double>(zoomed.xmin), 2.0, 0.05);
    EXPECT_NEAR(static_cast<double>(zoomed.xmax), 6.0, 0.05);
    EXPECT_NEAR(static_cast<double>(zoomed.ymin), 0.5, 0.05);
    EXPECT_NEAR(static_cast<double>(zoomed.ymax), 2.5, 0.05);
    // A curve outside the view is clipped: nothing red above the data area's top.
    const QImage picture = form->Picture();
    const DeviceRect& plot = form->View().Layout.PlotRect;
    EXPECT_NE(picture.pixel((plot.left + plot.right) / 2, plot.top - 2), Rgb(CurvePalette(2)));

    // Right click doubles the extent, kept inside the full range.
    Mouse(box, QEvent::MouseButtonPress, Qt::RightButton, Pixel(3, 1));
    const DataRange out = form->View().ViewRange;
    EXPECT_NEAR(static_cast<double>(out.xmax - out.xmin), 8.0, 0.1);
    EXPECT_GE(out.xmin, 0.0L);
    for (int i = 0; i < 4; ++i) Mouse(box, QEvent::MouseButtonPress, Qt::RightButton, Pixel(3, 1));
    EXPECT_EQ(form->View().ViewRange, form->View().FullRange);
}

TEST_F(PlotFormTest, LegendDoubleClickAndCurveEntriesToggleTheCurve)
{
    QWidget* legend = form->LegendList();
    const int item = form->View().LegendItemHeight;
    EXPECT_EQ(form->View().LegendItemText(1), "Curve #2 *");
    Mouse(legend, QEvent::MouseButtonDblClick, Qt::LeftButton, {5, item + item / 2});
    EXPECT_FALSE(graph.LineAt(1).Shown);
    EXPECT_EQ(form->View().LegendItemText(1), "Curve #2");
    const DevicePoint p = Pixel(2.5L, 2);
    EXPECT_EQ(form->Picture().pixel(p.x, p.y), qRgb(255, 255, 255));
    // The Plot menu's curve entry does the same and carries the check mark.
    QAction* entry = form->Action("Curve1");
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    EXPECT_TRUE(graph.LineAt(1).Shown);
    EXPECT_TRUE(entry->isChecked());
    EXPECT_EQ(form->Picture().pixel(p.x, p.y), Rgb(CurvePalette(1)));
}

TEST_F(PlotFormTest, ShowLegendHidesTheList)
{
    form->Action("PlotLegend")->trigger();
    EXPECT_FALSE(graph.ShowLegend);
    EXPECT_FALSE(form->LegendList()->isVisible());
    form->PlotMenuClick();
    EXPECT_FALSE(form->Action("PlotLegend")->isChecked());
}

TEST_F(PlotFormTest, TwiceTheDefaultFontSize)
{
    const DeviceRect before = form->View().Layout.PlotRect;
    const int h = form->View().Layout.TextUnitFor(graph);
    form->Action("Size2")->trigger();
    EXPECT_EQ(graph.SizeFont, 20);
    EXPECT_EQ(form->View().Layout.TextUnitFor(graph), 2 * h);
    const DeviceRect after = form->View().Layout.PlotRect;
    EXPECT_GT(after.left, before.left);
    EXPECT_LT(after.bottom, before.bottom);
    EXPECT_EQ(form->View().LegendPointSize, 22);
    EXPECT_EQ(form->View().LegendRect.right, after.right);
    EXPECT_EQ(form->View().LegendRect.bottom, after.bottom);
}

TEST_F(PlotFormTest, MarkersSubmenuMarksOnlyAnOfferedValue)
{
    QMenu* markers = form->findChild<QMenu*>("PlotMarkers");
    ASSERT_NE(markers, nullptr);
    graph.Markers = 4;
    emit markers->aboutToShow();
    for (QAction* a : markers->actions()) EXPECT_FALSE(a->isChecked()) << a->text().toStdString();
    graph.Markers = 5;
    emit markers->aboutToShow();
    EXPECT_TRUE(form->Action("Mark5")->isChecked());
}

TEST_F(PlotFormTest, ActiveCurvesDialogDeactivatesTheFirstCurve)
{
    WithDialog<TfrmActiveLines>("ActiveGraphs", [](TfrmActiveLines& d) {
        EXPECT_EQ(d.lbLines->item(0)->text().toStdString(), " yes :    Curve #1");
        d.ToggleEntry(0);
        EXPECT_EQ(d.lbLines->item(0)->text().toStdString(), " no  :    Curve #1");
        d.accept();
    });
    EXPECT_FALSE(graph.LineAt(0).Active);
    ASSERT_EQ(form->View().Legend().size(), 2u);
    EXPECT_EQ(form->View().Legend()[0].curve, 1);
    EXPECT_NE(form->Action("Curve1"), nullptr);
    EXPECT_EQ(form->Action("Curve2"), nullptr);
    // Colours follow the active positions: the former second curve is black now, the third blue.
    const QImage picture = form->Picture();
    const DevicePoint p2 = Pixel(2.5L, 2), p3 = Pixel(2.5L, 3), p1 = Pixel(2.5L, 1);
    EXPECT_EQ(picture.pixel(p2.x, p2.y), Rgb(CurvePalette(0)));
    EXPECT_EQ(picture.pixel(p3.x, p3.y), Rgb(CurvePalette(1)));
    EXPECT_EQ(picture.pixel(p1.x, p1.y), qRgb(255, 255, 255));

    // Cancel changes nothing; Activate All with OK brings all three back.
    WithDialog<TfrmActiveLines>("ActiveGraphs", [](TfrmActiveLines& d) {
        d.SetAll(true);
        d.reject();
    });
    EXPECT_EQ(form->View().Legend().size(), 2u);
    WithDialog<TfrmActiveLines>("ActiveGraphs", [](TfrmActiveLines& d) {
        d.SetAll(true);
        d.accept();
    });
    EXPECT_EQ(form->View().Legend().size(), 3u);
}

TEST_F(PlotFormTest, EditLegendRefusesAnEmptyNameAndRenamesOnOk)
{
    graph.LineAt(0).Active = false;
    ApplyActiveCodes(form->View(), {"Curve #1", "Curve #2", "Curve #3"}, {InactiveCode, ActiveCode, ActiveCode},
                     *std::make_unique<TFontMeasurer>(form->LegendList()->font()));
    std::vector<std::string> refused;
    WithDialog<TfrmLineNames>("mLineName", [&](TfrmLineNames& d) {
        d.Refuse = [&](const std::string& m) { refused.push_back(m); };
        EXPECT_EQ(d.edLine->text().toStdString(), "Curve #1");
        d.edLine->clear();
        d.CommitEdit();
        EXPECT_EQ(d.edLine->text().toStdString(), "Curve #1");
        d.lbLines->setCurrentRow(2);
        d.edLine->setText("Kww");
        d.CommitEdit();
        d.accept();
    });
    EXPECT_EQ(refused, std::vector<std::string>{LineNeedsNameMessage});
    EXPECT_EQ(graph.LineAt(2).ExplicitName, "Kww");
    // Only the active curves' entries, in their order.
    ASSERT_EQ(form->View().Legend().size(), 2u);
    EXPECT_EQ(form->View().Legend()[1].text, "Kww");
    EXPECT_EQ(form->Action("Curve1")->text().toStdString(), "Kww");
}

TEST_F(PlotFormTest, GraphTitleOnTopMovesTheDataAreaDown)
{
    const DeviceRect before = form->View().Layout.PlotRect;
    const int h = form->View().Layout.TextUnitFor(graph);
    WithDialog<TfrmGraphCaption>("PlotCaption", [](TfrmGraphCaption& d) {
        d.edtCaption->setText("Title");
        d.rbTop->setChecked(true);
        d.reject(); // kept however the dialog closes
    });
    EXPECT_EQ(graph.GraphTitle, "Title");
    EXPECT_TRUE(graph.TitleOnTop);
    EXPECT_EQ(form->View().Layout.PlotRect.top, before.top + h / 8 + h);
}

TEST_F(PlotFormTest, SaveToDiskWritesTheChosenSize)
{
    TempDir dir;
    std::vector<std::string> messages;
    form->Prompts.ShowMessage = [&](const std::string& m) { messages.push_back(m); };
    form->Prompts.SaveFileName = [&] { return (dir.Path() / "kxx.bmp").string(); };
    form->Prompts.SaveAttributes = [](double& h, double& w, int& ppi) {
        EXPECT_EQ(h, 4);
        EXPECT_EQ(w, 6);
        EXPECT_EQ(ppi, 72);
        return true;
    };
    form->Action("PlotSave")->trigger();
    const QImage saved(QString::fromStdString((dir.Path() / "kxx.bmp").string()), "BMP");
    EXPECT_EQ(saved.size(), QSize(432, 288));
    EXPECT_TRUE(messages.empty());
    // A picture too large to allocate is refused with the message and nothing is written.
    EXPECT_FALSE(form->SaveTo((dir.Path() / "huge.bmp").string(), 1e6, 1e6, 1000));
    EXPECT_EQ(messages, std::vector<std::string>{NotEnoughMemoryMessage});
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "huge.bmp"));
}

TEST_F(PlotFormTest, PrintsToAPdfPrinter)
{
    TempDir dir;
    const QString path = QString::fromStdString((dir.Path() / "plot.pdf").string());
    form->Prompts.PrintDialog = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
    const DataRange view = form->View().ViewRange;
    form->PlotPrintClick();
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(4) == "%PDF");
    EXPECT_GT(pdf.size(), 1000);
    // The window goes on drawing as before.
    EXPECT_EQ(form->View().ViewRange, view);
    EXPECT_FALSE(form->View().Layout.legendBox);
}

// ---- The Graphics menu of the main window ----

class PlotWindowsTest : public MainFormTest {
protected:
    void OpenJob()
    {
        RegisterPlotWindows();
        project = projects.Write("job.vqd", ReadFileBytes(FixturePath("plotdata_english_job.vqd")));
        projects.Write("job.vqp", ReadFileBytes(FixturePath("plotdata_english_job.vqp")));
        Start();
        form->Logic().OpenFileName(project.string());
        QCoreApplication::processEvents();
        ASSERT_TRUE(form->Logic().ResultsLoaded());
    }
    TPlotForm* PlotOf(const char* graphName)
    {
        TGraphPlot* g = form->Logic().Project().ResultGraphs().Find(graphName);
        auto* h = g ? dynamic_cast<TPlotWindowHandleQt*>(g->PlotWindow()) : nullptr;
        return h ? h->Form() : nullptr;
    }
    std::filesystem::path project;
};

TEST_F(PlotWindowsTest, EachGraphicsItemOpensItsPlotWindowMaximized)
{
    OpenJob();
    const std::pair<const char*, const char*> items[] = {
        {"mrealKxx", "pltRealKXX"}, {"mRealKppx", "pltRealKPPX"}, {"mdampCXX", "pltDampCXX"},
        {"mDampCppx", "pltDampCPPX"}, {"ForceResponseAmplitude1", "pltDxyzR"},
        {"MomentResponseAmplitude1", "pltMxyzR"}};
    for (const auto& [item, graphName] : items) {
        OpenMenu("GraphicsMenu");
        Click(item);
        QCoreApplication::processEvents();
        TPlotForm* plot = PlotOf(graphName);
        ASSERT_NE(plot, nullptr) << item;
        ASSERT_NE(plot->parentWidget(), nullptr);
        EXPECT_TRUE(plot->parentWidget()->isMaximized()) << item;
        EXPECT_EQ(&plot->Graph(), form->Logic().Project().ResultGraphs().Find(graphName));
    }
    // Asked again, the same window comes to the front.
    TPlotForm* first = PlotOf("pltRealKXX");
    OpenMenu("GraphicsMenu");
    Click("mrealKxx");
    EXPECT_EQ(PlotOf("pltRealKXX"), first);
    EXPECT_EQ(form->MdiArea()->subWindowList().size(), 6);
}

TEST_F(PlotWindowsTest, ANewReadRefreshesTheOpenWindowAndClosingForgetsIt)
{
    OpenJob();
    OpenMenu("GraphicsMenu");
    Click("mrealKxx");
    TPlotForm* plot = PlotOf("pltRealKXX");
    ASSERT_NE(plot, nullptr);
    TGraphPlot& graph = plot->Graph();
    const std::size_t entries = plot->View().Legend().size();
    ASSERT_GT(entries, 1u);
    // The read leaves one curve fewer: the window starts over with the curves there are now.
    graph.SetLineCount(graph.LineCount() - 1);
    graph.NotifyCurvesChanged();
    EXPECT_EQ(plot->View().Legend().size(), entries - 1);
    EXPECT_FALSE(plot->View().IsStale());
    EXPECT_EQ(plot->Action(("Curve" + std::to_string(entries - 1)).c_str()), nullptr);
    (void)plot->Picture();

    // Curves that give no usable range close the window once control is back.
    graph.SetLineCount(1);
    graph.SetPointCount(2);
    graph.PointAt(0, 0).Y = -std::numeric_limits<long double>::max();
    graph.PointAt(0, 1).Y = std::numeric_limits<long double>::max();
    graph.NotifyCurvesChanged();
    EXPECT_FALSE(plot->Created());
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(graph.PlotWindow(), nullptr);
    EXPECT_EQ(form->MdiArea()->subWindowList().size(), 0);
}

TEST_F(PlotWindowsTest, ClosingTheWindowLetsTheGraphOpenAFreshOne)
{
    OpenJob();
    OpenMenu("GraphicsMenu");
    Click("mdampCXX");
    TPlotForm* plot = PlotOf("pltDampCXX");
    ASSERT_NE(plot, nullptr);
    plot->View().ViewRange.xmax /= 2;
    plot->parentWidget()->close();
    // The graph lets go at once, before the window is deleted.
    EXPECT_EQ(PlotOf("pltDampCXX"), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    OpenMenu("GraphicsMenu");
    Click("mdampCXX");
    ASSERT_NE(PlotOf("pltDampCXX"), nullptr);
    EXPECT_EQ(PlotOf("pltDampCXX")->View().ViewRange, PlotOf("pltDampCXX")->View().FullRange);
}

} // namespace
} // namespace quavis::test

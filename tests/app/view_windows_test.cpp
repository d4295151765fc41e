#include <cmath>
#include <string>
#include <vector>

#include <QByteArray>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

#include "app_fixture.h"
#include "core/views/view_test_support.h"
#include "model/project.h"
#include "support/temp_dir.h"
#include "views/dlg_side_view.h"
#include "views/dlg_top_view.h"
#include "views/view_print.h"

namespace quavis::test {
namespace {

constexpr const char* kSections = "One or more Pile Types does not have any sections";

struct TViewItem {
    const char* Item;
    const char* Form;
    const char* Caption;
};
const TViewItem kViews[] = {{"TopViewItem", "TDlgTopView", "Top View"},
                            {"SideViewItem", "TDlgSideViewXZ", "Side View (XZ-Plane)"},
                            {"sideviewYZ", "TDlgSideViewYZ", "Side View (YZ-Plane)"}};

class ViewWindowTest : public MainFormTest {
protected:
    TProject& Project() { return form->Logic().Project(); }

    // Three piles of radius 0.5 in two sections of 4 and 6, one battered in each plane.
    void MakePileGroup()
    {
        TProject& p = Project();
        SetFoundation(p, PileFoundation);
        FillPiles(p, {{2, 5, 0, 1}, {-3, 1, 10, 1}, {4, -2, 15, 2}});
        FillTable(p.PileData, {{4, 0.5L, 0.5L}, {6, 0.5L, 0.5L}});
        FillTable(p.D, {{150, 18, 0.3L}, {250, 19, 0.35L}});
    }

    int CountOf(const std::string& formClass) const
    {
        int n = 0;
        for (QMdiSubWindow* w : form->MdiArea()->subWindowList())
            if (w->property("formClass").toString().toStdString() == formClass) ++n;
        return n;
    }

    TGeometryViewForm* Open(const TViewItem& v)
    {
        Click(v.Item);
        QCoreApplication::processEvents();
        QMdiSubWindow* window = form->FindChild(v.Form);
        return window ? dynamic_cast<TGeometryViewForm*>(window->widget()) : nullptr;
    }

    // Lets a self-closing or closed window go.
    static void Settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};

TEST_F(ViewWindowTest, MenuOpensEachViewOnce)
{
    Start();
    for (const TViewItem& v : kViews) {
        TGeometryViewForm* view = Open(v);
        ASSERT_NE(view, nullptr) << v.Form;
        Click(v.Item);
        QCoreApplication::processEvents();
        EXPECT_EQ(CountOf(v.Form), 1) << v.Form;
        EXPECT_EQ(form->FindChild(v.Form)->widget(), view) << v.Form;
        EXPECT_EQ(view->windowTitle().toStdString(), v.Caption);
        EXPECT_EQ(view->PrintButton()->text().toStdString(), "Print");
        EXPECT_TRUE(form->Logic().IsFormOpen(v.Form));
    }
    for (const TViewItem& v : kViews) {
        form->FindChild(v.Form)->close();
        Settle();
        EXPECT_EQ(form->FindChild(v.Form), nullptr) << v.Form;
        EXPECT_FALSE(form->Logic().IsFormOpen(v.Form)) << v.Form;
        EXPECT_NE(Open(v), nullptr) << v.Form << " opens again after closing";
    }
}

TEST_F(ViewWindowTest, TopViewReadsOutThePileUnderTheMouse)
{
    Start();
    TProject& p = Project();
    SetFoundation(p, PileFoundation);
    FillPiles(p, {{2, 5, 0, 1}});
    FillTable(p.PileData, {{10, 0.5L}});
    auto* view = dynamic_cast<TDlgTopView*>(Open(kViews[0]));
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->Geometry().Discs().size(), 1u);
    const TViewWindow& w = view->Geometry().Window();
    const QPoint centre(MapToPixel(2, w.Left, w.Right, view->width()), MapToPixel(-5, w.Top, w.Bottom, view->height()));
    QMouseEvent move(QEvent::MouseMove, QPointF(centre), view->mapToGlobal(QPointF(centre)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
    EXPECT_EQ(view->windowTitle().toStdString(), "Top View X: 2.0 Y: -5.0");
    EXPECT_EQ(form->FindChild("TDlgTopView")->windowTitle().toStdString(), "Top View X: 2.0 Y: -5.0");
}

// Resizing the window refits the view about the origin with equal scales across and down.
TEST_F(ViewWindowTest, ResizingKeepsEqualScales)
{
    Start();
    for (const TViewItem& v : kViews) {
        MakePileGroup();
        TGeometryViewForm* view = Open(v);
        ASSERT_NE(view, nullptr) << v.Form;
        for (const QSize size : {QSize(900, 300), QSize(300, 700)}) {
            view->resize(size);
            QCoreApplication::processEvents();
            const TViewWindow w = v.Form == std::string("TDlgTopView")
                                      ? dynamic_cast<TDlgTopView*>(view)->Geometry().Window()
                                      : dynamic_cast<TDlgSideView*>(view)->Geometry().Window();
            const double across = size.width() / static_cast<double>(w.Right - w.Left);
            const double down = size.height() / std::fabs(static_cast<double>(w.Bottom - w.Top));
            EXPECT_NEAR(across / down, 1.0, 1e-9) << v.Form << " " << size.width() << " x " << size.height();
        }
    }
}

TEST_F(ViewWindowTest, SideViewActivationWritesTheModelsTypeAndProfileDepth)
{
    Start();
    MakePileGroup();
    Project().ProgramData().FoundationType = HalfSpaceFoundation;  // stale; the keyword says piles
    auto* view = dynamic_cast<TDlgSideView*>(Open(kViews[1]));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Project().ProgramData().FoundationType, PileFoundation);
    EXPECT_EQ(Project().ProgramData().ProfileDepth, 10);
    EXPECT_EQ(view->Geometry().Elements().size(), 3u);
}

// The window closes itself after one message when the piles have no sections.
TEST_F(ViewWindowTest, PileProjectWithoutSectionsClosesTheView)
{
    Start();
    for (const TViewItem& v : kViews) {
        MakePileGroup();
        Project().PileData.SetRowCount(0);
        prompter.ExpectMessage(kSections);
        Click(v.Item);
        Settle();
        prompter.VerifyAllAnswered();
        EXPECT_EQ(form->FindChild(v.Form), nullptr) << v.Form;
        EXPECT_FALSE(form->Logic().IsFormOpen(v.Form)) << v.Form;
    }
}

// The numbers of a "/Name [a b c d]" entry.
std::vector<double> ArrayOf(const QByteArray& pdf, const char* name)
{
    const QRegularExpression re(QString::fromLatin1(name) + QStringLiteral("\\s*\\[([^\\]]*)\\]"));
    const QRegularExpressionMatch m = re.match(QString::fromLatin1(pdf));
    std::vector<double> out;
    if (!m.hasMatch()) return out;
    for (const QString& n : m.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts)) out.push_back(n.toDouble());
    return out;
}

// The page's drawing operators, inflated from its content stream.
QByteArray PageContent(const QByteArray& pdf)
{
    QByteArray all;
    qsizetype at = 0;
    while ((at = pdf.indexOf("/FlateDecode", at)) >= 0) {
        const qsizetype start = pdf.indexOf("stream\n", at);
        const qsizetype end = pdf.indexOf("endstream", start);
        if (start < 0 || end < 0) break;
        const QByteArray deflated = pdf.mid(start + 7, end - start - 7);
        // qUncompress takes the zlib stream after a big-endian size hint.
        QByteArray framed("\x01\x00\x00\x00", 4);
        framed += deflated;
        all += qUncompress(framed);
        at = end;
    }
    return all;
}

TEST_F(ViewWindowTest, PrintsOneLandscapePage)
{
    Start();
    MakePileGroup();
    TempDir out;
    for (const TViewItem& v : kViews) {
        TGeometryViewForm* view = Open(v);
        ASSERT_NE(view, nullptr) << v.Form;
        const std::string path = (out.Path() / (std::string(v.Form) + ".pdf")).string();
        view->PrinterSetup = [&path](QPrinter& printer) {
            EXPECT_EQ(printer.docName().toStdString(), "Soil-Pile Profile");
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(path));
        };
        view->PrintButton()->click();
        const QByteArray pdf = QByteArray::fromStdString(ReadFileBytes(path));
        ASSERT_TRUE(pdf.startsWith("%PDF")) << v.Form;
        EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 1) << v.Form;
        const std::vector<double> box = ArrayOf(pdf, "/MediaBox");
        ASSERT_EQ(box.size(), 4u) << v.Form;
        EXPECT_GT(box[2] - box[0], box[3] - box[1]) << v.Form << " is printed landscape";
        // Three piles, filled and outlined with the printer's 12-pixel pen.
        const QByteArray content = PageContent(pdf);
        EXPECT_EQ(content.count("\nB\n") + content.count("\nB*\n"), 3) << v.Form;
        EXPECT_TRUE(content.contains("\n12 w ")) << v.Form;
        EXPECT_TRUE(prompter.Records().empty()) << v.Form;
    }
}

TEST_F(ViewWindowTest, PrintWithoutPrinterTellsTheUser)
{
    Start();
    TGeometryViewForm* view = Open(kViews[0]);
    ASSERT_NE(view, nullptr);
    view->PrinterSetup = [](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString());
    };
    prompter.ExpectMessage(ViewNoPrinterMessage);
    EXPECT_FALSE(view->Button1Click());
}

} // namespace
} // namespace quavis::test

// Pictures of the geometry views for looking at them as an engineer would: shots_views OUT_FOLDER.
// Three projects (a pile group with battered piles and a footing on a stratum made here, the multilayer
// fixture),
// each view in its window as opened and widened, and its printed page: as a PDF from the print and as a
// PNG of the same page at 300 pixels per inch. Run under a display (Xvfb will do).

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPrinter>
#include <QThread>

#include "components/grid_table.h"
#include "model/project.h"
#include "shell/main_form.h"
#include "shell/memory_settings_store.h"
#include "shell/prompter.h"
#include "shell/quavis_application.h"
#include "support/temp_dir.h"
#include "views/geometry_view_form.h"

#include "shots_support.h"

namespace {

using quavis::shots::OutFolder;
using quavis::shots::Settle;
using quavis::shots::StartMainWindow;

// The views' messages on standard error instead of boxes.
class PrintingPrompter : public quavis::Prompter {
public:
    void ShowMessage(const std::string& text, quavis::TMessageKind) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
    quavis::TPromptAnswer AskYesNo(const std::string&) override { return quavis::TPromptAnswer::No; }
    quavis::TPromptAnswer AskYesNoCancel(const std::string&) override { return quavis::TPromptAnswer::Cancel; }
    std::optional<std::string> AskOpenFileName(const quavis::TFileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> AskSaveFileName(const quavis::TFileDialogRequest&) override { return std::nullopt; }
};

void Fill(quavis::TGridTable& table, const std::vector<std::vector<long double>>& rows)
{
    table.SetRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) table.Cell(c, r).SetFloat(rows[r][c]);
}

// Six piles of radius 0.4 under a 7.5 x 4.5 cap in sections of 5, 7 and 8; the outer piles battered
// outwards, the corner ones in the XZ plane, the middle ones in the YZ plane.
std::string MakePileGroup(const QDir& out)
{
    quavis::TProject p;
    quavis::TProgramData& d = p.ProgramData();
    d.FoundationType = quavis::PileFoundation;
    d.FoundationKeyword = quavis::FoundationKeywordOf(quavis::PileFoundation);
    d.Title = "Pile group, battered";
    const struct {
        long double x, y, angle;
        int plane;
    } piles[] = {{-3, -1.5L, -10, 1}, {0, -1.5L, -12, 2}, {3, -1.5L, 10, 1},
                 {-3, 1.5L, -10, 1},  {0, 1.5L, 12, 2},   {3, 1.5L, 10, 1}};
    p.Pilecoord.SetRowCount(6);
    for (int i = 0; i < 6; ++i) {
        p.Pilecoord.Cell(0, i).SetFloat(piles[i].x);
        p.Pilecoord.Cell(1, i).SetFloat(piles[i].y);
        p.Pilecoord.Cell(2, i).SetFloat(piles[i].angle);
        p.Pilecoord.Cell(3, i).SetInteger(piles[i].plane);
    }
    Fill(p.PileData, {{5, 0.4L, 0.4L}, {7, 0.4L, 0.4L}, {8, 0.4L, 0.4L}});
    Fill(p.D, {{150, 18, 0.3L, 0.05L}, {220, 19, 0.35L, 0.04L}, {300, 20, 0.4L, 0.03L}});
    const std::string path = out.filePath(QStringLiteral("views_pile_group.vqd")).toStdString();
    d.FileName = path;
    p.Save();
    return path;
}

// A circular footing of radius 2 with its base 1 below the ground, on 8 of soil over rock.
std::string MakeStratumFooting(const QDir& out)
{
    quavis::TProject p;
    quavis::TProgramData& d = p.ProgramData();
    d.FoundationType = quavis::StratumFoundation;
    d.FoundationKeyword = quavis::FoundationKeywordOf(quavis::StratumFoundation);
    d.Title = "Circular footing on a stratum";
    d.ShapeCircular = quavis::CircularShape;
    d.Radius = 2;
    d.BaseZ = 0.5L;
    d.BaseDepth = 1;
    d.BedrockDepth = 8;
    d.BelowShearWaveVelocity = 200;
    d.BelowPoisson = 0.33L;
    const std::string path = out.filePath(QStringLiteral("views_stratum.vqd")).toStdString();
    d.FileName = path;
    p.Save();
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    quavis::TQuavisApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: shots_views OUT_FOLDER\n");
        return 2;
    }
    QDir out(args[1]);
    out.mkpath(QStringLiteral("."));
    const std::vector<std::pair<std::string, std::string>> projects{
        {"piles", MakePileGroup(out)},
        {"multilayer", quavis::test::FixturePath("multilayer_quadratic.vqd").string()},
        {"stratum", MakeStratumFooting(out)}};
    const struct {
        const char* item;
        const char* form;
        const char* name;
    } views[] = {{"TopViewItem", "TDlgTopView", "top"}, {"SideViewItem", "TDlgSideViewXZ", "xz"},
                 {"sideviewYZ", "TDlgSideViewYZ", "yz"}};

    for (const auto& [name, path] : projects) {
        quavis::TMemorySettingsStore store;
        PrintingPrompter prompter;
        quavis::TMainFormServices services;
        services.settings = &store;
        services.prompter = &prompter;
        services.arguments = {path};
        quavis::TMainForm form(std::move(services));
        form.resize(1200, 760);
        form.show();
        Settle();
        for (const auto& v : views) {
            form.Logic().ClickItem(v.item);
            Settle();
            QMdiSubWindow* window = form.FindChild(v.form);
            auto* view = window ? dynamic_cast<quavis::TGeometryViewForm*>(window->widget()) : nullptr;
            if (!view) {
                std::fprintf(stderr, "%s: %s did not open\n", name.c_str(), v.form);
                continue;
            }
            const QString base = QString::fromStdString(name) + QLatin1Char('_') + QLatin1String(v.name);
            view->grab().save(out.filePath(base + QStringLiteral(".png")));
            // Widened: the visible range grows about the origin, the scales stay equal.
            window->resize(window->width() + 300, window->height());
            Settle();
            view->grab().save(out.filePath(base + QStringLiteral("_wide.png")));
            window->resize(window->width() - 300, window->height());
            Settle();

            const QString pdf = out.filePath(base + QStringLiteral("_page.pdf"));
            view->PrinterSetup = [&pdf](QPrinter& printer) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(pdf);
            };
            view->Button1Click();
            // A letter page in landscape at 300 pixels per inch, without margins.
            QImage page(3300, 2550, QImage::Format_RGB32);
            page.fill(Qt::white);
            view->PaintPage(page, true);
            page.scaled(1100, 850, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                .save(out.filePath(base + QStringLiteral("_page.png")));
            window->close();
            Settle();
        }
    }
    std::printf("%s\n", qPrintable(out.absolutePath()));
    return 0;
}

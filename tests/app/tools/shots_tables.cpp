// Pictures of three table editors in a main window: the soil layers, the pile coordinates with their pick
// lists and the transient loads with their amplitude-table buttons (and one amplitude table opened from
// its button): shots_tables OUT_FOLDER. Run under a display (Xvfb will do). Settings stay in memory.

#include <cstdio>

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPushButton>
#include <QThread>

#include "components/grid_column.h"
#include "components/grid_table.h"
#include "entry/table_form.h"
#include "model/program_data.h"
#include "model/project.h"
#include "shell/main_form.h"
#include "shell/memory_settings_store.h"
#include "shell/quavis_application.h"

#include "shots_support.h"

namespace {

using quavis::shots::OutFolder;
using quavis::shots::Settle;
using quavis::shots::StartMainWindow;

quavis::TTableForm* EditorOf(quavis::TMainForm& main, const quavis::TGridTable& table)
{
    for (QMdiSubWindow* window : main.MdiArea()->subWindowList())
        if (auto* editor = qobject_cast<quavis::TTableForm*>(window->widget()); editor && editor->Table() == &table)
            return editor;
    return nullptr;
}

bool Save(quavis::TMainForm& main, const quavis::TGridTable& table, const QDir& out, const char* name)
{
    quavis::TTableForm* editor = EditorOf(main, table);
    if (!editor) {
        std::fprintf(stderr, "no editor for %s\n", name);
        return false;
    }
    Settle();
    const QString path = out.filePath(QString::fromLatin1(name) + ".png");
    if (!editor->Frame()->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    quavis::TQuavisApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: shots_tables OUT_FOLDER\n");
        return 2;
    }
    QDir out = OutFolder(args[1]);
    quavis::TMemorySettingsStore store;
    const std::unique_ptr<quavis::TMainForm> window = StartMainWindow(store, 1200, 760);
    quavis::TMainForm& form = *window;

    using namespace quavis;
    TProject& project = form.Logic().Project();
    bool ok = true;

    // Soil layers: three layers of a pile foundation, typed values.
    TGridTable& d = project.D;
    d.SetRowCount(3);
    const double soil[3][5] = {{150, 110, 0.3, 0.05, 0.5}, {200, 115, 0.35, 0.05, 0.5}, {300, 120, 0.4, 0.04, 1}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) d.Column(c).SetFloat(r, soil[r][c]);
    d.ShowEditor();
    ok = Save(form, d, out, "soil_layers") && ok;
    d.CloseEditor();

    // Pile coordinates: four piles, two of them battered in the YZ plane.
    TGridTable& piles = project.Pilecoord;
    piles.SetRowCount(4);
    const double xy[4][3] = {{-3, -3, 0}, {3, -3, 0}, {-3, 3, 10}, {3, 3, 10}};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 3; ++c) piles.Column(c).SetFloat(r, xy[r][c]);
        piles.Column(3).SetInteger(r, r < 2 ? 1 : 2);
    }
    piles.ShowEditor();
    ok = Save(form, piles, out, "pile_coordinates") && ok;
    piles.CloseEditor();

    // Transient loads: three loads with their amplitude tables, and the second one opened from its button.
    TGridTable& loads = project.TLoadtype;
    loads.SetRowCount(3);
    loads.Column(0).SetInteger(1, 2);
    loads.ShowEditor();
    ok = Save(form, loads, out, "transient_loads") && ok;
    if (TGridTable* amplitudes = loads.Column(1).GetTable(1)) {
        amplitudes->SetRowCount(12);
        for (int r = 0; r < 12; ++r) amplitudes->Column(0).SetFloat(r, 100.0 * r);
    }
    if (TTableForm* editor = EditorOf(form, loads)) {
        for (QPushButton* button : editor->findChildren<QPushButton*>())
            if (button->isVisible() && button->text().startsWith("2:")) button->click();
    }
    Settle();
    if (TGridTable* amplitudes = loads.Column(1).GetTable(1)) {
        ok = Save(form, *amplitudes, out, "transient_amplitudes") && ok;
    }
    // The whole frame with both windows.
    Settle();
    form.grab().save(out.filePath("transient_frame.png"));
    loads.CloseEditor();
    Settle();
    return ok ? 0 : 1;
}

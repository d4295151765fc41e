// Pictures of the four loading forms, each opened from the Data menu in a main window:
// shots_loading OUT_FOLDER. Run under a display (Xvfb will do). Settings stay in memory.

#include <cstdio>

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QThread>

#include "shell/main_form.h"
#include "shell/memory_settings_store.h"
#include "shell/quavis_application.h"

#include "shots_support.h"

namespace {

using quavis::shots::OutFolder;
using quavis::shots::Settle;
using quavis::shots::StartMainWindow;

struct Shot {
    const char* name;
    int unitSystem;
    const char* loadingItem;
    const char* item;
    const char* formClass;
};

} // namespace

int main(int argc, char** argv)
{
    quavis::TQuavisApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: shots_loading OUT_FOLDER\n");
        return 2;
    }
    QDir out = OutFolder(args[1]);
    quavis::TMemorySettingsStore store;
    const std::unique_ptr<quavis::TMainForm> window = StartMainWindow(store, 1200, 760);
    quavis::TMainForm& form = *window;

    using namespace quavis;
    const Shot shots[] = {
        {"harmonic", English, "HarmonicLoading1", "NonQuadratic1", "Tfrmharmonic"},
        {"harmonic_si", SI, "HarmonicLoading1", "NonQuadratic1", "Tfrmharmonic"},
        {"quad", English, "HarmonicLoading1", "Quadratic1", "TfrmQuad"},
        {"quad_si", SI, "HarmonicLoading1", "Quadratic1", "TfrmQuad"},
        {"transient", English, "TransientLoading1", "TransientLoadingData1", "Tfrmtransient"},
        {"random", SI, "RandomLoading1", "RandomLoadingData1", "Tfrmrandom"},
    };
    for (const Shot& shot : shots) {
        TProject& project = form.Logic().Project();
        project.ChangeUnitSystem(shot.unitSystem);
        TProgramData& d = project.ProgramData();
        d.MaxFrequency = 100;
        d.MinFrequency = 0.5L;
        d.FrequencyStep = 0.25L;
        d.ForceX = 1250.5L;
        d.ForceZ = -3.75e4L;
        d.MomentY = 48210.125L;
        d.LoadPointZ = -1.5L;
        d.PointCount = 512;
        d.TimeInterval = 0.005L;
        d.LoadTypeCount = 2;
        d.RandomMaxFrequency = 50;
        d.ObservationPeriod = 10.24L;
        form.Logic().OpenMenu("DataMenu");
        form.Logic().ClickItem(shot.loadingItem);
        form.Logic().OpenMenu("DataMenu");
        form.Logic().OpenMenu("HarmonicLoadingData1");
        form.Logic().ClickItem(shot.item);
        Settle();
        QMdiSubWindow* window = form.FindChild(shot.formClass);
        if (!window) {
            std::fprintf(stderr, "%s: no window\n", shot.name);
            continue;
        }
        window->move(20, 20);
        Settle();
        window->grab().save(out.filePath(QString::fromLatin1(shot.name) + QStringLiteral(".png")));
        window->close();
        Settle();
    }
    return 0;
}

// Pictures of the title, foundation system, shape, foundation data and tip soil forms, each opened from
// the Data menu in a main window: shots_system OUT_FOLDER PROGRAM_FOLDER (the folder with the foundation
// pictures). Run under a display (Xvfb will do). Settings stay in memory.

#include <cstdio>
#include <functional>

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
    int foundationType;
    int unitSystem;
    int shape;
    const char* item;
    const char* formClass;
};

} // namespace

int main(int argc, char** argv)
{
    quavis::TQuavisApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: shots_system OUT_FOLDER PROGRAM_FOLDER\n");
        return 2;
    }
    QDir out = OutFolder(args[1]);
    quavis::TMemorySettingsStore store;
    const std::unique_ptr<quavis::TMainForm> window = StartMainWindow(store, 1100, 700, args[2].toStdString());
    quavis::TMainForm& form = *window;

    using namespace quavis;
    const Shot shots[] = {
        {"title", HalfSpaceFoundation, English, RectangularShape, "DataTitle", "TdlgTitle"},
        {"layout_pile", PileFoundation, English, RectangularShape, "OptionofFoundationSystem1", "TfrmLayout"},
        {"layout_multilayer", MultilayerFoundation, English, RectangularShape, "OptionofFoundationSystem1", "TfrmLayout"},
        {"shape_rectangular", HalfSpaceFoundation, English, RectangularShape, "OptionofFoundationShape1", "TfrmShape"},
        {"shape_circular_si", PileFoundation, SI, CircularShape, "PileCapShapeDimension1", "TfrmShape"},
        {"foundations_halfspace", HalfSpaceFoundation, English, RectangularShape, "FoundationDimensionandConstants1",
         "TfrmFoundations"},
        {"foundations_stratum", StratumFoundation, English, RectangularShape, "FoundationDimensionandConstants1",
         "TfrmFoundations"},
        {"tipsoil", PileFoundation, English, RectangularShape, "SoilDataBelowFoundationTip1", "TfrmTipsoil"},
        {"tipsoil_si", PileFoundation, SI, RectangularShape, "SoilDataBelowFoundationTip1", "TfrmTipsoil"},
    };
    for (const Shot& shot : shots) {
        TProject& project = form.Logic().Project();
        project.ChangeUnitSystem(shot.unitSystem);
        TProgramData& d = project.ProgramData();
        d.FoundationType = shot.foundationType;
        d.FoundationKeyword = FoundationKeywordOf(shot.foundationType);
        d.ShapeCircular = shot.shape;
        d.Title = "Compressor foundation, block on piles";
        d.LengthX = 12.5L;
        d.WidthY = 8;
        d.Radius = 3.25L;
        d.BaseDepth = 4;
        d.BedrockDepth = 60;
        d.BelowShearWaveVelocity = 850;
        d.BelowUnitWeight = 120;
        d.BelowPoisson = 0.33L;
        d.BelowDamping = 0.05L;
        form.Logic().OpenMenu("DataMenu");
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
    // Several forms side by side in the frame, as a user works with them.
    form.Logic().Project().ChangeUnitSystem(English);
    form.Logic().ProgramData().FoundationType = StratumFoundation;
    form.Logic().ProgramData().FoundationKeyword = FoundationKeywordOf(StratumFoundation);
    for (const char* item : {"OptionofFoundationSystem1", "OptionofFoundationShape1", "FoundationDimensionandConstants1",
                             "SoilDataBelowFoundationTip1"}) {
        form.Logic().OpenMenu("DataMenu");
        form.Logic().ClickItem(item);
        Settle();
    }
    form.MdiArea()->tileSubWindows();
    Settle();
    form.grab().save(out.filePath(QStringLiteral("frame.png")));
    form.Logic().CloseAllChildren();
    Settle();
    return 0;
}

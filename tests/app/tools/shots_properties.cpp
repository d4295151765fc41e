// Pictures of the mass, pile cap, pile and multilayer property forms and of the control options dialog,
// each opened from the Data menu in a main window: shots_properties OUT_FOLDER. Run under a display
// (Xvfb will do). Settings stay in memory.

#include <cstdio>

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPushButton>
#include <QThread>

#include "components/grid_table.h"
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
    const char* item;
    const char* formClass;
    bool calculate; // press the calculator first
};

} // namespace

int main(int argc, char** argv)
{
    quavis::TQuavisApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: shots_properties OUT_FOLDER\n");
        return 2;
    }
    QDir out = OutFolder(args[1]);
    quavis::TMemorySettingsStore store;
    const std::unique_ptr<quavis::TMainForm> window = StartMainWindow(store, 1200, 760);
    quavis::TMainForm& form = *window;

    using namespace quavis;
    const Shot shots[] = {
        {"massdata", HalfSpaceFoundation, English, "FootingMassParameters1", "TfrmMassdata", false},
        {"massdata_calculated_si", MultilayerFoundation, SI, "FootingMassParameters1", "TfrmMassdata", true},
        {"ncpile_properties", PileFoundation, English, "PilecapDimension1", "TfrmNCPileProperties", true},
        {"cpile_properties", PileFoundation, English, "PileProperties1", "TfrmCPileProperties", false},
        {"cpile_properties_si", PileFoundation, SI, "PileProperties1", "TfrmCPileProperties", false},
        {"multimat", MultilayerFoundation, English, "FoundationDimensionandConstants1", "TfrmMultimat", false},
        {"options", PileFoundation, English, "OptionsControl", "TDlgOptions", false},
    };
    for (const Shot& shot : shots) {
        TProject& project = form.Logic().Project();
        project.ChangeUnitSystem(shot.unitSystem);
        TProgramData& d = project.ProgramData();
        d.FoundationType = shot.foundationType;
        d.FoundationKeyword = FoundationKeywordOf(shot.foundationType);
        d.TotalMass = 1250.75L;
        d.InertiaXX = 48210.5L;
        d.InertiaYY = 51800;
        d.InertiaZZ = 93000.125L;
        d.BaseX = 0.5L;
        d.BaseZ = -2.25L;
        d.PileUnitWeight = 150;
        d.PilePoisson = 0.25L;
        d.PileDamping = 0.05L;
        d.PileElasticModulus = 4.32e8L;
        d.PileLength = 45;
        d.ShearRigidityCoefficient = 1.334L;
        d.StaticLoad = 250000;
        d.CbLocalZ = -1.5L;
        TGridTable& masses = project.MassCal;
        masses.SetRowCount(2);
        const long double rows[2][7] = {{1200, 0, 0, 0, 20, 12, 3}, {50.75L, 2, 1.5L, 2.5L, 4, 3, 2}};
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 7; ++c) masses.Column(c).SetFloat(r, rows[r][c]);
        form.Logic().OpenMenu("DataMenu");
        form.Logic().ClickItem(shot.item);
        Settle();
        QMdiSubWindow* window = form.FindChild(shot.formClass);
        if (!window) {
            std::fprintf(stderr, "%s: no window\n", shot.name);
            continue;
        }
        if (shot.calculate) {
            for (QPushButton* button : window->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("Calculate mass moment of inertia")) button->click();
        }
        window->move(20, 20);
        Settle();
        window->grab().save(out.filePath(QString::fromLatin1(shot.name) + QStringLiteral(".png")));
        window->close();
        Settle();
    }
    return 0;
}

// Takes pictures of the main window with each of its menus open, for looking at the program as a user
// would: screenshots OUT_FOLDER [PROJECT.vqd] [PICTURE.bmp...]. Run under a display (Xvfb will do).
// Settings stay in memory, so the user's own are not touched. Given pictures are copied as PNG.

#include <cstdio>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include "shell/about_box.h"
#include "shell/main_form.h"
#include "shell/memory_settings_store.h"
#include "shell/quavis_application.h"

namespace {

void Settle()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
}

void Grab(const QDir& out, const QString& name)
{
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    shot.save(out.filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char** argv)
{
    quavis::TQuavisApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: screenshots OUT_FOLDER [PROJECT.vqd] [PICTURE.bmp...]\n");
        return 2;
    }
    QDir out(args[1]);
    out.mkpath(QStringLiteral("."));
    quavis::TMemorySettingsStore store;
    quavis::TMainFormServices services;
    services.settings = &store;
    for (qsizetype i = 2; i < args.size(); ++i) {
        if (args[i].endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) {
            QImage(args[i]).save(out.filePath(QFileInfo(args[i]).completeBaseName() + QStringLiteral(".png")));
        } else if (services.arguments.empty()) {
            services.arguments.push_back(args[i].toStdString());
        }
    }

    quavis::TMainForm form(std::move(services));
    form.move(0, 0);
    form.show();
    Settle();
    Grab(out, QStringLiteral("main"));

    for (QAction* top : form.menuBar()->actions()) {
        QMenu* menu = top->menu();
        if (!menu)
            continue;
        const QRect where = form.menuBar()->actionGeometry(top);
        menu->popup(form.menuBar()->mapToGlobal(where.bottomLeft()));
        Settle();
        if (menu->objectName() == QStringLiteral("DataMenu")) {
            // The Units submenu as well.
            if (QMenu* units = form.Menu("OptionsUnits")) {
                menu->setActiveAction(units->menuAction());
                units->popup(menu->mapToGlobal(menu->actionGeometry(units->menuAction()).topRight()));
                Settle();
            }
        }
        Grab(out, menu->objectName());
        menu->hide();
        Settle();
    }
    // A child window in the frame: the control options.
    form.Logic().ClickItem("OptionsControl");
    Settle();
    Grab(out, QStringLiteral("options"));
    // The about box, shown without its modal loop so that the picture can be taken.
    form.AboutBox()->show();
    Settle();
    Grab(out, QStringLiteral("about"));
    form.AboutBox()->hide();

    std::printf("title: %s\n%s\n", qPrintable(form.windowTitle()), qPrintable(out.absolutePath()));
    return 0;
}

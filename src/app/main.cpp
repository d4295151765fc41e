#include <string>
#include <vector>

#include "shell/main_form.h"
#include "shell/quavis_application.h"

int main(int argc, char** argv)
{
    quavis::TQuavisApplication app(argc, argv);

    quavis::TMainFormServices services;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        services.arguments.push_back(arguments[i].toStdString());

    // The main window creates the about box and the run dialog after itself; showing it reads the
    // settings and opens the command line's project.
    quavis::TMainForm form(std::move(services));
    form.show();
    return app.exec();
}

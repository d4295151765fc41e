#include "shell/quavis_application.h"

#include <exception>

#include <QMessageBox>

#include "shell/main_form_logic.h"

namespace quavis {

namespace {

TQuavisApplication::TErrorReport& ErrorReport()
{
    static TQuavisApplication::TErrorReport report;
    return report;
}

} // namespace

TQuavisApplication::TQuavisApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QString::fromLatin1(ApplicationTitle));
    setOrganizationName(QStringLiteral("Norvance"));
    setApplicationVersion(QStringLiteral("3.0.6"));
    setProperty(HelpFileProperty, QString::fromLatin1(ApplicationHelpFile));
}

bool TQuavisApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportError(QString::fromStdString(error.what()));
    } catch (...) {
        ReportError(QStringLiteral("An unknown error occurred."));
    }
    return false;
}

void TQuavisApplication::SetErrorReport(TErrorReport report)
{
    ErrorReport() = std::move(report);
}

void TQuavisApplication::ReportError(const QString& text)
{
    if (ErrorReport()) {
        ErrorReport()(text);
        return;
    }
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox::critical(activeWindow(), applicationName(), shown);
}

} // namespace quavis

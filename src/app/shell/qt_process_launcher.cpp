#include "shell/qt_process_launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace quavis {

bool TQtProcessLauncher::StartDetached(const std::string& program, const std::vector<std::string>& arguments)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    return QProcess::startDetached(QString::fromStdString(program), list);
}

bool TQtProcessLauncher::OpenDocument(const std::string& pathOrUrl)
{
    const QString text = QString::fromStdString(pathOrUrl);
    const QUrl url = text.contains(QStringLiteral("://")) ? QUrl(text) : QUrl::fromLocalFile(text);
    return QDesktopServices::openUrl(url);
}

} // namespace quavis

#include "shell/qt_prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace quavis {

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

QMessageBox::Icon IconOf(TMessageKind kind)
{
    switch (kind) {
    case TMessageKind::Confirmation:
        return QMessageBox::Question;
    case TMessageKind::Warning:
        return QMessageBox::Warning;
    case TMessageKind::Error:
        return QMessageBox::Critical;
    case TMessageKind::Information:
        break;
    }
    return QMessageBox::Information;
}

// The core writes line breaks of its messages as carriage returns.
QString MessageText(const std::string& text)
{
    QString shown = Q(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace

void TQtPrompter::ShowMessage(const std::string& text, TMessageKind kind)
{
    QMessageBox box(IconOf(kind), QApplication::applicationName(), MessageText(text), QMessageBox::Ok, m_parent);
    box.exec();
}

TPromptAnswer TQtPrompter::AskYesNo(const std::string& text)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), MessageText(text),
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? TPromptAnswer::Yes : TPromptAnswer::No;
}

TPromptAnswer TQtPrompter::AskYesNoCancel(const std::string& text)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), MessageText(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TPromptAnswer::Yes;
    case QMessageBox::No:
        return TPromptAnswer::No;
    default:
        return TPromptAnswer::Cancel;
    }
}

std::optional<std::string> TQtPrompter::AskFileName(const TFileDialogRequest& request, bool save)
{
    QFileDialog dialog(m_parent, Q(request.Title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !request.FileMustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.Filter.empty())
        dialog.setNameFilter(Q(request.Filter));
    if (!request.DefaultExt.empty())
        dialog.setDefaultSuffix(Q(request.DefaultExt));
    if (!request.InitialDir.empty())
        dialog.setDirectory(Q(request.InitialDir));
    if (!request.OverwritePrompt)
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.FileName.empty())
        dialog.selectFile(Q(request.FileName));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return files.front().toStdString();
}

std::optional<std::string> TQtPrompter::AskOpenFileName(const TFileDialogRequest& request)
{
    return AskFileName(request, false);
}

std::optional<std::string> TQtPrompter::AskSaveFileName(const TFileDialogRequest& request)
{
    return AskFileName(request, true);
}

} // namespace quavis

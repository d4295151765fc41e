#include "forms/system/title_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

#include "shell/main_form.h"

namespace quavis {

namespace {
const bool registered = [] {
    ChildFormMakers()["TdlgTitle"] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new TdlgTitle(main);
    };
    return true;
}();
} // namespace

TdlgTitle::TdlgTitle(TMainForm& main, QWidget* parent) : QWidget(parent), m_logic(main.Logic().Project())
{
    setObjectName(QStringLiteral("dlgTitle"));
    setWindowTitle(QString::fromLatin1(TTitleFormLogic::Caption));
    auto* label = new QLabel(QString::fromLatin1(TTitleFormLogic::LabelCaption), this);
    label->setObjectName(QStringLiteral("Label1"));
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("TitleMemo"));
    // One line of the project file: room for the whole 80 characters, wrapped at the memo's width.
    m_memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_memo->setTabChangesFocus(true);
    label->setBuddy(m_memo);
    const QFontMetrics metrics(m_memo->font());
    m_memo->setMinimumWidth(metrics.averageCharWidth() * static_cast<int>(TTitleFormLogic::MaxLength) + 24);
    m_memo->setFixedHeight(metrics.lineSpacing() * 2 + 14);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_memo);
    layout->addStretch(1);
    m_memo->installEventFilter(this);
    connect(m_memo, &QPlainTextEdit::textChanged, this, &TdlgTitle::MemoEdited);
    adjustSize();
}

void TdlgTitle::MemoEdited()
{
    const QString typed = m_memo->toPlainText();
    m_logic.SetMemo(typed.toStdString());
    const QString kept = QString::fromStdString(m_logic.Memo());
    if (kept == typed) return;
    // Past the limit, or a line break: the memo shows what the title will be, the caret where it was.
    const int position = std::min<int>(m_memo->textCursor().position(), static_cast<int>(kept.size()));
    const QSignalBlocker block(m_memo);
    m_memo->setPlainText(kept);
    QTextCursor cursor = m_memo->textCursor();
    cursor.setPosition(position);
    m_memo->setTextCursor(cursor);
}

bool TdlgTitle::eventFilter(QObject* watched, QEvent* event)
{
    // The title is one line: Enter starts none.
    if (watched == m_memo && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TdlgTitle::FormActivate()
{
    m_logic.FormActivate();
    const QSignalBlocker block(m_memo);
    m_memo->setPlainText(QString::fromStdString(m_logic.Memo()));
}

void TdlgTitle::FormDeactivate() { m_logic.FormDeactivate(); }

void TdlgTitle::closeEvent(QCloseEvent* event)
{
    m_logic.FormClose();
    event->accept();
}

} // namespace quavis

#include "entry/data_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "shell/prompter.h"

namespace quavis {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
} // namespace

TDataEdit::TDataEdit(Prompter& prompter, QWidget* parent) : QLineEdit(parent), m_prompter(prompter)
{
    SyncFromRules();
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_rules.SetText(text.toStdString());
        emit Changed();
    });
}

long double TDataEdit::Number() const { return m_rules.Number(); }

void TDataEdit::SetNumber(long double x)
{
    m_rules.SetNumber(x);
    SyncFromRules();
}

void TDataEdit::SetMinVal(long double x)
{
    m_rules.SetMinVal(x);
    SyncFromRules();
}

void TDataEdit::SetMaxVal(long double x)
{
    m_rules.SetMaxVal(x);
    SyncFromRules();
}

void TDataEdit::SetIntegerOnly(bool value)
{
    m_rules.SetIntegerOnly(value);
    SyncFromRules();
}

void TDataEdit::SetHex(bool value) { m_rules.SetHex(value); }

void TDataEdit::SetCaption(const std::string& caption)
{
    m_rules.SetCaption(caption);
    UpdateLabel();
}

void TDataEdit::SetUnitsString(const std::string& units)
{
    m_rules.SetUnitsString(units);
    UpdateLabel();
}

void TDataEdit::SetUnits(int units)
{
    m_rules.SetUnits(units);
    UpdateLabel();
}

void TDataEdit::SetEditLabel(QLabel* label)
{
    m_label = label;
    if (label) label->setBuddy(this);
    UpdateLabel();
}

void TDataEdit::SyncFromRules()
{
    const QString text = Q(m_rules.Text());
    if (text == QLineEdit::text()) return;
    m_syncing = true;
    setText(text);
    m_syncing = false;
}

bool TDataEdit::Validate()
{
    if (m_checking) return m_rules.IsValid();
    m_rules.SetText(text().toStdString());
    const QString before = text();
    m_checking = true;
    TExitCheckResult result;
    try {
        result = m_rules.ExitCheck();
    } catch (...) {
        m_checking = false;
        throw;
    }
    SyncFromRules();
    if (text() != before) emit Changed();
    ShowOutcome(result);
    m_checking = false;
    return m_rules.IsValid();
}

void TDataEdit::ShowOutcome(const TExitCheckResult& result)
{
    if (result.Ok()) return;
    m_prompter.Inform(result.Message);
    if (result.ReturnFocus()) ReturnFocus();
}

void TDataEdit::ReturnFocus()
{
    // Deferred: the focus is still moving when the field is left.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) {
            if (QWidget* form = window()) form->activateWindow();
            setFocus(Qt::OtherFocusReason);
        }
    });
}

void TDataEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Switching to another application or opening a menu is no leaving of the field; the message box of
    // a failed check takes the focus too.
    if (m_checking || event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    try {
        Validate();
    } catch (const std::exception& e) {
        // The evaluator's arithmetic faults: reported, the text left as typed for correcting.
        m_checking = false;
        m_prompter.Inform(e.what());
        ReturnFocus();
    }
}

void TDataEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    char key = 0;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        key = '\r';
    else if (typed.size() == 1 && typed[0].unicode() < 128)
        key = static_cast<char>(typed[0].unicode());
    if (key == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    m_rules.SetText(text().toStdString());
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int length = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
    TKeyOutcome outcome;
    try {
        outcome = m_rules.KeyPress(key, {start, length});
    } catch (const std::exception& e) {
        m_prompter.Inform(e.what());
        ReturnFocus();
        event->accept();
        return;
    }
    if (outcome.Checked) {
        const QString before = text();
        SyncFromRules();
        if (text() != before) emit Changed();
        ShowOutcome(outcome.Check);
    }
    if (outcome.Selection.Length > 0)
        setSelection(outcome.Selection.Start, outcome.Selection.Length);
    else if (length > 0 && outcome.Selection.Start != start)
        setCursorPosition(outcome.Selection.Start);
    if (outcome.Consumed) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TDataEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        m_rules.SetEnabled(isEnabled());
        UpdateLabel();
    }
}

void TDataEdit::UpdateLabel()
{
    if (!m_label) return;
    m_label->setEnabled(isEnabled());
    m_label->setText(Q(m_rules.LabelCaption()));
}

} // namespace quavis

#pragma once

#include <QLineEdit>
#include <QLabel>
#include <QPointer>

#include "components/data_edit_rules.h"

class QLabel;

namespace quavis {

class Prompter;

// The numeric entry field: a line edit over the Qt-free rules. Whatever is typed is an expression; leaving
// the field (or Enter) evaluates it, checks the limits and shows the value, and a failure is reported
// through the prompter with the focus put back on the field. The companion label shows the caption with
// the units of the field's unit system.
class TDataEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TDataEdit(Prompter& prompter, QWidget* parent = nullptr);

    TDataEditRules& Rules() { return m_rules; }
    const TDataEditRules& Rules() const { return m_rules; }

    // Raises the evaluator's entry error for a text it cannot take.
    long double Number() const;
    void SetNumber(long double x);
    void SetMinVal(long double x);
    void SetMaxVal(long double x);
    void SetIntegerOnly(bool value);
    void SetHex(bool value);
    void SetCaption(const std::string& caption);
    void SetUnitsString(const std::string& units);
    void SetUnits(int units);
    // The companion label; the field becomes its focus target (its buddy).
    void SetEditLabel(QLabel* label);
    QLabel* EditLabel() const { return m_label; }
    // While loading, the setters store values without clamping and no change is reported.
    void SetLoading(bool loading) { m_rules.SetLoading(loading); }

    // The exit check with its message; returns whether the field holds a valid entry.
    bool Validate();
    // Shows the rules' text (after the rules changed it without the widget).
    void SyncFromRules();

signals:
    // The user changed the value (typed, or the exit check corrected it).
    void Changed();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowOutcome(const TExitCheckResult& result);
    void UpdateLabel();
    void ReturnFocus();

    TDataEditRules m_rules;
    Prompter& m_prompter;
    QPointer<QLabel> m_label;
    bool m_checking = false;
    bool m_syncing = false;
};

} // namespace quavis

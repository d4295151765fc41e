#pragma once

#include <memory>
#include <utility>
#include <vector>

#include <QPointer>

#include <QWidget>

#include "shell/child_form.h"
#include "shell/dlg_options.h"

class QCheckBox;
class QLineEdit;

namespace quavis {

class TDataEditRules;

// The control options dialog as a child window of the frame: the word processor path and the
// stiffness-matrix option. Its state and rules are the core's TDlgOptions.
class TDlgOptionsWindow : public QWidget, public TChildForm {
    Q_OBJECT
public:
    TDlgOptionsWindow(std::unique_ptr<TDlgOptions> options, QWidget* parent = nullptr);

    std::string FormClassName() const override { return "TDlgOptions"; }
    void FormActivate() override;
    void FormDeactivate() override;

    TDlgOptions& Options() { return *m_options; }
    // A numeric entry field placed on the dialog, with its rules: while it has the focus, closing the
    // dialog needs it to pass its exit check.
    void AddNumericField(QLineEdit* field, TDataEditRules& rules);
    QLineEdit* EdtWord() const { return m_edtWord; }
    QCheckBox* CheckBox1() const { return m_checkBox1; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Puts the core's field contents into the controls and back.
    void ShowFields();
    void TakeFields();

    std::unique_ptr<TDlgOptions> m_options;
    QLineEdit* m_edtWord;
    QCheckBox* m_checkBox1;
    std::vector<std::pair<QPointer<QLineEdit>, TDataEditRules*>> m_numericFields;
};

} // namespace quavis

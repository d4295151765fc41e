#pragma once

#include <QWidget>

#include "forms/title_form.h"
#include "shell/child_form.h"

class QPlainTextEdit;

namespace quavis {

class TMainForm;

// The project title dialog: one memo line of at most 80 characters over the core's title logic.
class TdlgTitle : public QWidget, public TChildForm {
    Q_OBJECT
public:
    explicit TdlgTitle(TMainForm& main, QWidget* parent = nullptr);

    std::string FormClassName() const override { return "TdlgTitle"; }
    void FormActivate() override;
    void FormDeactivate() override;

    QPlainTextEdit* TitleMemo() const { return m_memo; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MemoEdited();

    TTitleFormLogic m_logic;
    QPlainTextEdit* m_memo = nullptr;
};

} // namespace quavis

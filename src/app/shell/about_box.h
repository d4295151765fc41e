#pragma once

#include <QDialog>

#include "shell/external_programs.h"

class QLabel;

namespace quavis {

// The about box, shown modally from Help > "&About...".
class TAboutBoxWindow : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBoxWindow(QWidget* parent = nullptr);

    QLabel* Version() const { return m_version; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TAboutBox m_box;
    QLabel* m_version;
};

} // namespace quavis

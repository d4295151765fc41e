#include "shell/dlg_run_analysis.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/analysis_run_dialog.h"

namespace quavis {

TDlgRunAnalysisWindow::TDlgRunAnalysisWindow(TDlgRunAnalysis& state, QWidget* parent)
    : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("DlgRunAnalysis"));
    setWindowTitle(QString::fromLatin1(TDlgRunAnalysis::Caption));
    setModal(false);
    auto* label1 = new QLabel(QString::fromLatin1(TDlgRunAnalysis::Label1), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label2 = new QLabel(QString::fromLatin1(TDlgRunAnalysis::Label2), this);
    label2->setObjectName(QStringLiteral("Label2"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBarRun"));
    m_bar->setTextVisible(false);
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("TimerRun"));
    m_timer->setInterval(TDlgRunAnalysis::TimerInterval);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_state.TimerRunTimer();
        Sync();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(label2);
    layout->addWidget(m_bar);
    setMinimumWidth(320);
    Sync();
}

void TDlgRunAnalysisWindow::Sync()
{
    m_bar->setRange(m_state.ProgressMin, m_state.ProgressMax);
    m_bar->setValue(m_state.ProgressPosition);
}

void TDlgRunAnalysisWindow::showEvent(QShowEvent* event)
{
    Sync();
    m_timer->start();
    QDialog::showEvent(event);
}

void TDlgRunAnalysisWindow::hideEvent(QHideEvent* event)
{
    m_timer->stop();
    QDialog::hideEvent(event);
}

} // namespace quavis

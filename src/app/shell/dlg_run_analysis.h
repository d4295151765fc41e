#pragma once

#include <QDialog>

class QProgressBar;
class QTimer;

namespace quavis {

struct TDlgRunAnalysis;

// The run-analysis dialog: shown, not modal, while the engine computes; its timer moves the bar
// whenever events are processed.
class TDlgRunAnalysisWindow : public QDialog {
    Q_OBJECT
public:
    TDlgRunAnalysisWindow(TDlgRunAnalysis& state, QWidget* parent = nullptr);

    QProgressBar* ProgressBarRun() const { return m_bar; }
    QTimer* TimerRun() const { return m_timer; }
    // Brings the bar up to the state's position.
    void Sync();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TDlgRunAnalysis& m_state;
    QProgressBar* m_bar;
    QTimer* m_timer;
};

} // namespace quavis

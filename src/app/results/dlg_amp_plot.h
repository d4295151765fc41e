#pragma once

#include "results/amplitude_window_state.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QChart;
class QChartView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QPushButton;
class QRadioButton;

namespace quavis {

// "Footing Amplitude Plot": the response at a point of the rigid footing against frequency, over the
// core's window state; the window only shows the state and forwards its controls.
class TDlgAmpPlot : public QDialog {
    Q_OBJECT
public:
    TDlgAmpPlot(const TProgramData& data, const TResultGraphs& graphs, QWidget* parent = nullptr);

    TAmplitudeWindowState& State() { return m_state; }
    QLineSeries* Series(int i) const { return m_series[static_cast<std::size_t>(i)]; }
    QChart* Chart() const { return m_chart; }

    std::array<QLineEdit*, 3> DataEdit{};
    std::array<QLabel*, 3> DataLabel{};
    QRadioButton* RadioButton1; // English Units (ft)
    QRadioButton* RadioButton2; // SI Units (m)
    QRadioButton* RadioButton3; // Portrait
    QRadioButton* RadioButton4; // LandScape
    QRadioButton* RadioButton5; // Displacement
    QRadioButton* RadioButton6; // Rotation
    std::array<QCheckBox*, 3> CheckBox{};
    std::array<QPushButton*, 3> OnlyButton{};
    QPushButton* AllButton;
    QPushButton* DefaultButton;
    QPushButton* ExportButton;
    QPushButton* GoButton;
    QPushButton* CloseButton;
    QLabel* ReadOut;

    // What the window asks of the user; tests script them.
    std::function<std::string()> ExportFileName;         // empty: cancelled
    std::function<bool(const std::string&)> AskOverwrite; // the question; true: Yes
    std::function<void(const std::string&)> ShowInfo;     // point report, errors

    // Showing: back to the centre of gravity in the project's units.
    void FormActivate();
    // Chart position (pixels of the chart view) to the read-out.
    void ChartMouseMove(const QPointF& position);
    void ClickSeries(int series, int index);
    void Export();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    // Shows the state; the field being typed in (editing) keeps its text.
    void Sync(int editing = -1);
    void FieldEdited(int axis);
    void Print();

    TAmplitudeWindowState m_state;
    QChart* m_chart;
    QChartView* m_chartView;
    std::array<QLineSeries*, 3> m_series{};
    bool m_syncing = false;
};

// The Graphics menu's interactive item opens the window modally; one window per main window.
void RegisterAmplitudeWindow();

} // namespace quavis

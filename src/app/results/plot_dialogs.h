#pragma once

#include "graph/page_setup_dialog.h"
#include "graph/plot_canvas.h"

#include <QDialog>

#include <string>
#include <vector>

class QDoubleSpinBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace quavis {

class TGraphPlot;
class TPlotView;

inline constexpr const char* ActiveCode = " yes : ";
inline constexpr const char* InactiveCode = " no  : ";
inline constexpr const char* LineNeedsNameMessage = "The line must have a name!";

// "Graph Caption": the graph title and whether it goes on top.
class TfrmGraphCaption : public QDialog {
    Q_OBJECT
public:
    explicit TfrmGraphCaption(QWidget* parent = nullptr);
    QLineEdit* edtCaption;
    QRadioButton* rbTop;
    QRadioButton* rbBottom;
};
// Runs the dialog; however it closes, the graph takes its title and position. Always true (relayout).
bool EditGraphTitle(TGraphPlot& graph, QWidget* parent);

// "Legend": the legend names of every curve, edited one at a time.
class TfrmLineNames : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLineNames(std::vector<std::string> names, QWidget* parent = nullptr);
    QListWidget* lbLines;
    QLineEdit* edLine;
    // The list's entries as they stand.
    std::vector<std::string> Names() const;
    // Enter in the edit, or leaving it: a non-empty text replaces the selected entry; an empty one is
    // refused with the message and the entry's text comes back. The message goes through `refuse`.
    void CommitEdit();
    std::function<void(const std::string&)> Refuse;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void SelectRow(int row);
};
// OK: every curve's ExplicitName := its name; the active curves' legend entries follow in order.
void ApplyLegendNames(TPlotView& view, const std::vector<std::string>& names);
bool EditLegendNames(TPlotView& view, QWidget* parent);

// "Active Curves": code and name of every curve, toggled singly, by selection or all at once.
class TfrmActiveLines : public QDialog {
    Q_OBJECT
public:
    TfrmActiveLines(std::vector<std::string> names, std::vector<std::string> codes, QWidget* parent = nullptr);
    QListWidget* lbLines;
    const std::vector<std::string>& Codes() const { return m_codes; }
    void ToggleEntry(int row);
    void ToggleSelected();
    void SetAll(bool active);

private:
    void Refresh(int row);
    std::vector<std::string> m_names;
    std::vector<std::string> m_codes;
};
// OK: Active of every curve from its code; legend entries rebuilt for the active curves with their names,
// surplus entries removed, the list sized again with the measurer.
void ApplyActiveCodes(TPlotView& view, const std::vector<std::string>& names, const std::vector<std::string>& codes,
                      TTextMeasurer& legendMeasurer);
bool EditActiveCurves(TPlotView& view, TTextMeasurer& legendMeasurer, QWidget* parent);

// "Save Attributes": height and width in inches, pixels per inch.
class TdlgFormat : public QDialog {
    Q_OBJECT
public:
    explicit TdlgFormat(QWidget* parent = nullptr);
    QDoubleSpinBox* deHeight;
    QDoubleSpinBox* deWidth;
    QSpinBox* dePPI;
};
bool RunSaveAttributes(double& heightInches, double& widthInches, int& ppi, QWidget* parent);

// The page setup of a plot window on Qt's page setup dialog for the default printer; margins travel in
// thousandths of an inch or hundredths of a millimetre as the request's flags say.
class TQtPageSetupHost : public TPageSetupHost {
public:
    explicit TQtPageSetupHost(QWidget* parent) : m_parent(parent) {}
    PageSetupReply RunPageSetup(const PageSetupRequest& request) override;
    void ShowMessage(const std::string& text) override;

private:
    QWidget* m_parent;
};

} // namespace quavis

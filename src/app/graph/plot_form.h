#pragma once

#include "graph/page_setup_dialog.h"
#include "graph/plot_view.h"
#include "graph/plot_window_handle.h"
#include "graph/qpainter_canvas.h"

#include <QImage>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QMdiSubWindow;
class QMenu;
class QMenuBar;
class QPrinter;

namespace quavis {

class TGraphPlot;
class TMainForm;
class TPlotForm;

// The legend list: owner-drawn, fixed item height, dragged with the mouse, a double click toggles the
// entry's curve.
class TPlotLegendList : public QWidget {
    Q_OBJECT
public:
    TPlotLegendList(TPlotForm& form, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TPlotForm& m_form;
};

// The data area and picture of the window.
class TPlotPaintBox : public QWidget {
    Q_OBJECT
public:
    TPlotPaintBox(TPlotForm& form, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TPlotForm& m_form;
};

// What the window asks of the user: the print dialog, the save file name, the Save Attributes values, the
// page setup. Tests script them.
struct TPlotFormPrompts {
    // Confirmed print dialog: true, with the printer set up.
    std::function<bool(QPrinter& printer)> PrintDialog;
    // The chosen file name, empty when cancelled.
    std::function<std::string()> SaveFileName;
    // The Save Attributes values; false when cancelled.
    std::function<bool(double& heightInches, double& widthInches, int& ppi)> SaveAttributes;
    std::function<void(const std::string& text)> ShowMessage;
};

// The plot window of one graph: an MDI child opened maximized, drawing the graph with the core's picture,
// with the mouse read-out in its title, the zoom box and the "&Plot" menu.
class TPlotForm : public QWidget {
    Q_OBJECT
public:
    explicit TPlotForm(TGraphPlot& graph, QWidget* parent = nullptr);
    ~TPlotForm() override;

    TGraphPlot& Graph() const { return *m_graph; }
    TPlotView& View() { return m_view; }
    const TPlotView& View() const { return m_view; }
    // False when the graph's values give no picture: the window closes itself.
    bool Created() const { return m_created; }
    TPlotPaintBox* PaintBox() const { return m_paintBox; }
    TPlotLegendList* LegendList() const { return m_legendList; }
    QMenu* PlotMenu() const { return m_plotMenu; }
    QAction* Action(const std::string& name) const;
    TPageSetupDialog& PageSetup() { return m_pageSetup; }
    TPlotFormPrompts Prompts;

    // The picture as the window shows it now (without the zoom box).
    QImage Picture() const;

    // The curves were replaced (a results read): the window starts over with the new curves, or closes
    // itself when they give no picture.
    void GraphChanged();

    // Commands of the Plot menu.
    void PlotMenuClick();
    void PlotLegendClick();
    void MarkClick(int value);
    void SizeClick(int value);
    void WidthClick(int value);
    void ToggleCurve(int entry);
    bool PrintTo(QPrinter& printer);
    void PlotPrintClick();
    void PlotSaveClick();
    // Writes the picture of Save To Disk; false (with the message shown) when it cannot be allocated.
    bool SaveTo(const std::string& path, double heightInches, double widthInches, int ppi);

    // Called by the handle just before it destroys the window.
    void Detach() { m_handleAlive = false; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ReleaseFromGraph();
    friend class TPlotLegendList;
    friend class TPlotPaintBox;

    void BuildMenu();
    void RebuildCurveEntries();
    void UpdateLegendWidget();
    void SetTitle(const std::string& title);
    TFontMeasurer LegendMeasurer() const;
    void ResizeView(bool withSender);

    TGraphPlot* m_graph;
    TPlotView m_view;
    bool m_created = false;
    bool m_handleAlive = true;
    TPageSetupDialog m_pageSetup;
    QMenuBar* m_menuBar = nullptr;
    QMenu* m_plotMenu = nullptr;
    TPlotPaintBox* m_paintBox = nullptr;
    TPlotLegendList* m_legendList = nullptr;
    std::vector<QAction*> m_curveActions;
    std::optional<DeviceRect> m_zoomBox;
};

// The graph's hold on its window: destroying it destroys the window.
class TPlotWindowHandleQt : public TPlotWindowHandle {
public:
    TPlotWindowHandleQt(TPlotForm* form, QMdiSubWindow* window) : m_form(form), m_window(window) {}
    // The window goes away by itself: the handle must not destroy it again.
    void Forget()
    {
        m_form = nullptr;
        m_window = nullptr;
    }
    ~TPlotWindowHandleQt() override;
    void Show() override;
    void GraphChanged() override;
    TPlotForm* Form() const { return m_form; }

private:
    QPointer<TPlotForm> m_form;
    QPointer<QMdiSubWindow> m_window;
};

// The Graphics menu's windows: makes the main window's items open the plot windows of their graphs.
void RegisterPlotWindows();

} // namespace quavis

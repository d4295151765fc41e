#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QPointer>
#include <QRect>
#include <QWidget>

#include "components/grid_editor.h"
#include "components/table_editor_layout.h"
#include "shell/child_form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTableWidget;

namespace quavis {

class Prompter;
class TGridTable;
class TMainForm;
class TTableEditorHandle;
class TTableGrid;

// The table editor window: one grid table in a string grid with fixed header rows and a row-number
// column, the Add/Insert/Delete Row buttons, the comment line and the help picture. Typed text goes to the
// table cell by cell through the column's SetText (so it may be an expression); a faulty entry keeps the
// user in its cell. Pick-list and table columns are edited through the drop-down lists and row buttons the
// columns place over the grid. The rules (what shows, sizes, commits, border sizing) are the core's
// TTableEditorLayout; this window only shows them.
//
// The grid shows exactly the rows and columns of the layout's view: those scrolled out are hidden and the
// window's own scroll bars move the view, so the header rows and the row numbers never scroll away.
class TTableForm : public QWidget, public TChildForm, public TGridHostForm {
    Q_OBJECT
public:
    TTableForm(TGridTable& table, Prompter& prompter, bool modal, QWidget* parent = nullptr);
    ~TTableForm() override;

    // TChildForm: leaving the window commits the current cell.
    std::string FormClassName() const override { return "TTableForm"; }
    void FormActivate() override {}
    void FormDeactivate() override;

    // TGridHostForm: the cell controls are children of this window.
    std::unique_ptr<TGridComboBox> CreateComboBox() override;
    std::unique_ptr<TGridButton> CreateButton() override;
    void FocusCell(int gridColumn, int gridRow) override;
    int TopRow() const override;
    int VisibleRowCount() const override;

    TGridTable* Table() const { return m_table; }
    bool IsModal() const { return m_modal; }
    TTableEditorLayout& EditorLayout() { return *m_layout; }
    QTableWidget* Grid() const;
    QPushButton* BtnAdd() const { return m_btnAdd; }
    QPushButton* BtnIns() const { return m_btnIns; }
    QPushButton* BtnDel() const { return m_btnDel; }
    QLabel* Comments() const { return m_comments; }
    QLabel* HelpImage() const { return m_help; }
    QScrollBar* VerticalBar() const { return m_vBar; }
    QScrollBar* HorizontalBar() const { return m_hBar; }
    // The outer window: the frame's sub-window, or this window when it stands alone.
    QWidget* Frame();

    // Commits the current cell (closing, leaving the grid, deactivation); false after a refused entry,
    // which has been reported.
    bool CommitCurrentCell();
    // The open cell editor, if any.
    QLineEdit* CellEditor() const;
    // The text shown in a grid cell (the editor's text while the cell is being edited).
    QString CellText(int gridColumn, int gridRow) const;

    // The window's link to its table, set by the editor handle that the table owns.
    void SetHandle(TTableEditorHandle* handle) { m_handle = handle; }
    // The table has dropped this window: no more calls to it.
    void Detach();
    // The title bar: Caption and the number path.
    void SetTitle(const std::string& title);

    // Border sizing: the window snaps to the best layout of whole columns and rows for the requested
    // outer rectangle (parent coordinates) and the dragged edge.
    void SizeTo(TSizingEdge edge, const QRect& requested);

    // Called by the grid.
    bool CellMoving(int fromColumn, int fromRow, const QString& typed, int toColumn, int toRow);
    void EnterPressed();
    void EnsureCellShown(int gridColumn, int gridRow);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    TTableEditorMetrics Metrics() const;
    void Refresh();
    void FillGrid();
    void ApplyView();
    void Relayout();
    void ResizeFrameTo(int clientWidth, int clientHeight);
    void RewriteCells();
    void CellChanged(int column, int row);
    void Report(const std::string& message);
    void AddClicked();
    void InsClicked();
    void DelClicked();
    // Commits the current cell, runs a row command (its error reported) and shows the table again.
    void RowCommand(const std::function<void()>& command);
    void ReleaseTable();
    void ScrollBarMoved();
    void WatchFrame();
    void FrameResized();

    TGridTable* m_table;
    Prompter& m_prompter;
    bool m_modal;
    std::unique_ptr<TGridCanvas> m_canvas;
    std::unique_ptr<TTableEditorLayout> m_layout;
    TTableEditorHandle* m_handle = nullptr;
    QWidget* m_gridFrame = nullptr;
    TTableGrid* m_grid = nullptr;
    QScrollBar* m_vBar = nullptr;
    QScrollBar* m_hBar = nullptr;
    QPushButton* m_btnAdd = nullptr;
    QPushButton* m_btnIns = nullptr;
    QPushButton* m_btnDel = nullptr;
    QLabel* m_comments = nullptr;
    QLabel* m_help = nullptr;
    QPointer<QWidget> m_watchedFrame;
    QRect m_frameGeometry;   // the outer window as this window last left it
    bool m_sizing = false;   // this window is setting its own size
    bool m_closed = false;
};

// The table's side of an editor window: the table owns it, and destroying it closes the window.
class TTableEditorHandle : public TGridTableEditor {
public:
    TTableEditorHandle(TGridTable& table, bool modal);
    ~TTableEditorHandle() override;
    void Show() override;
    void SetTitle(const std::string& title) override;
    TTableForm* Form() const { return m_form; }
    // The window is going away by itself.
    void FormGone() { m_form = nullptr; }

private:
    TGridTable& m_table;
    bool m_modal;
    TTableForm* m_form = nullptr;
};

// The main window whose project holds the table (through its owner tables), or none.
TMainForm* MainFormOfTable(const TGridTable& table);

// Installs the factory that makes every table's editor a TTableForm. Done once at start-up by a static
// object; tests that record editors instead install their own and may call this to put it back.
void InstallTableEditorFactory();

} // namespace quavis

#pragma once

#include <string>
#include <vector>

namespace quavis {

class TGridTable;
class TGridCanvas;
class TGridHostForm;

// Sizes the table editor takes from the toolkit, in pixels.
struct TTableEditorMetrics {
    int PixelsPerInch = 96;
    int RowHeight = 18;          // height of a grid row (row 0)
    int ScrollBarWidth = 16;     // of a vertical scroll bar
    int ScrollBarHeight = 16;    // of a horizontal scroll bar
    int ButtonWidth = 81;
    int ButtonHeight = 21;
    int CommentHeight = 0;       // of the comment label with its text
    int PictureWidth = 0;        // of the help picture; 0 x 0 when there is none
    int PictureHeight = 0;
    int BorderWidth = 0;         // window width minus client width
    int BorderHeight = 0;        // window height minus client height

    // The gap between all parts of the window: 1/20 inch.
    int Margin() const { return PixelsPerInch / 20; }
};

struct TRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const TRect&) const = default;
};

// The three row buttons.
struct TTableButtonState {
    bool Visible = false;    // only when the row count can change
    bool AddEnabled = false; // add and insert
    bool DeleteEnabled = false;
};

// Where one cell control goes: control Index of the visible column Column, for table row Row.
struct TCellControlPlacement {
    int Column = 0; // visible column index
    int Index = 0;
    int Row = 0;
    bool Visible = false;
    TRect Bounds;   // client coordinates, when visible
};

// The whole client area as Layout leaves it.
struct TTableEditorGeometry {
    TRect Grid;
    TRect BtnAdd, BtnIns, BtnDel;
    TRect Comments;
    TRect Picture;
    int ClientWidth = 0;
    int ClientHeight = 0;
    bool VerticalScrollBar = false;
    bool HorizontalScrollBar = false;
    std::vector<TCellControlPlacement> Controls;
};

// The edge of the window the user drags.
enum class TSizingEdge { Left, Right, Top, Bottom, TopLeft, TopRight, BottomLeft, BottomRight };

// One candidate of the border-sizing rule.
struct TSizingCandidate {
    bool Horizontal = false; // with a horizontal scroll bar
    bool Vertical = false;   // with a vertical scroll bar
    int Width = 0;           // window size
    int Height = 0;
    int LeftColumn = 0;      // first data column shown
    int ColumnsShown = 0;
    int TopRow = 0;          // first table row shown
    int RowsShown = 0;
    long long Score = 0;
};

struct TSizingResult {
    // In the order no scroll bar, vertical only, horizontal only, both.
    std::vector<TSizingCandidate> Candidates;
    int Winner = 0;
    // The requested window rectangle corrected to the winner's size (screen coordinates).
    TRect Window;
};

// The outcome of committing the current cell or moving to another one.
struct TCellMoveResult {
    bool Allowed = true;
    // On failure: the cell the user stays in (grid coordinates) and the message for the information box.
    int Column = 0;
    int Row = 0;
    std::string Message;
    // Every data cell without a control must show its value again (typed expressions become values).
    bool RewriteCells = false;
};

struct TGridCell {
    int Column = 0;
    int Row = 0;
    bool operator==(const TGridCell&) const = default;
};

// The rules of the table editor window without its widgets: what its grid shows, how many columns and
// rows it shows, where everything goes, the buttons, committing cells and the border-sizing rule.
// Grid coordinates: column 0 holds the row numbers, column k + 1 shows visible column k; rows 0 .. h - 1
// are header rows, row h + r shows table row r.
class TTableEditorLayout {
public:
    static constexpr int MaxRowsShownAtFirst = 10;
    static constexpr const char* RowNotValidMessage = "Grid.Row not in valid range";
    static constexpr const char* TwoColumnsMessage = "There must be at least 2 columns in grid";

    TTableEditorLayout(TGridTable& table, const TGridCanvas& canvas, TTableEditorMetrics metrics);

    TGridTable& Table() const { return m_table; }
    TTableEditorMetrics& Metrics() { return m_metrics; }

    // FormShow: the table gets at least MinRows rows; every data column and up to ten rows are shown.
    void Show();
    // After a layout change of the table: the counts shown are cut to what the table has.
    void Refresh();
    // The window's caption.
    std::string Caption() const;

    // What the grid holds.
    int HeaderRows() const;
    int GridColumnCount() const;
    int GridRowCount() const;
    std::string CellText(int gridColumn, int gridRow) const;
    // Grid column widths: the row numbers' column (TopLeft with two spaces, at least 1/3 inch), then
    // each visible column's PreferredWidth.
    int ColumnWidth(int gridColumn) const;
    bool IsDataCell(int gridColumn, int gridRow) const;

    TTableButtonState Buttons() const;

    // The view: first data column and first table row scrolled in, and how many are shown.
    int LeftColumn() const { return m_leftColumn; }
    int TopRow() const { return m_topRow; }
    int ColumnsShown() const { return m_columnsShown; }
    int RowsShown() const { return m_rowsShown; }
    // The grid scrolled by the user.
    void ScrollTo(int leftColumn, int topRow);

    // Layout: the grid, buttons, label and picture, the client size and the cell controls' places.
    TTableEditorGeometry Layout() const;
    // Layout applied: the cell controls of every visible column that uses them are allocated on `host`
    // and placed (or hidden when scrolled out), then the table's OnResize fires.
    TTableEditorGeometry ApplyLayout(TGridHostForm* host);

    // Row buttons. Add: one more row group shown while all rows are shown, then the last row scrolled in.
    void AddRow();
    // Insert and Delete act on the row group of the current grid row; EQuavisError when it is not a
    // data row.
    void InsertRow(int gridRow);
    void DeleteRow(int gridRow);

    // Committing the current cell (closing, leaving the grid, deactivation): the typed text goes through
    // the column's SetText unless the column uses controls.
    TCellMoveResult Commit(TGridCell current, const std::string& typed);
    // Moving from the current cell to a target: the current cell is committed; a target in a column that
    // uses controls cannot be selected.
    TCellMoveResult SelectCell(TGridCell current, const std::string& typed, TGridCell target);
    // Where Enter goes: down the column, then to the top of the next column, from the last cell back to the
    // first. Columns that use controls are passed over, as they cannot take the cell cursor.
    TGridCell EnterTarget(TGridCell current) const;

    // Dragging the border: the four candidate layouts for the requested window rectangle, their scores and
    // the winner; ApplySizing takes the winner's view.
    TSizingResult Sizing(TSizingEdge edge, TRect requested) const;
    void ApplySizing(const TSizingResult& result);

private:
    int ColumnPitch(int gridColumn) const { return ColumnWidth(gridColumn) + 1; }
    int RowPitch() const { return m_metrics.RowHeight + 1; }
    int ButtonRowWidth() const;
    int BelowGridHeight() const;
    int DataRowOf(int gridRow) const;
    TSizingCandidate Candidate(bool horizontal, bool vertical, TSizingEdge edge, TRect requested) const;

    TGridTable& m_table;
    const TGridCanvas& m_canvas;
    TTableEditorMetrics m_metrics;
    int m_leftColumn = 0;
    int m_topRow = 0;
    int m_columnsShown = 0;
    int m_rowsShown = 0;
};

} // namespace quavis

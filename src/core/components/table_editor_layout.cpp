#include "components/table_editor_layout.h"

#include "components/errors.h"
#include "components/grid_column.h"
#include "components/grid_table.h"

#include <algorithm>
#include <utility>

namespace quavis {

TTableEditorLayout::TTableEditorLayout(TGridTable& table, const TGridCanvas& canvas, TTableEditorMetrics metrics)
    : m_table(table), m_canvas(canvas), m_metrics(metrics)
{
}

void TTableEditorLayout::Show()
{
    m_table.SetRowCount(std::max(m_table.RowCount(), m_table.MinRows()));
    m_leftColumn = 0;
    m_topRow = 0;
    m_columnsShown = m_table.VisibleColumnCount();
    m_rowsShown = std::min(m_table.RowCount(), MaxRowsShownAtFirst);
    Refresh();
}

void TTableEditorLayout::Refresh()
{
    const int columns = m_table.VisibleColumnCount();
    const int rows = m_table.RowCount();
    m_columnsShown = std::min(m_columnsShown, columns);
    m_rowsShown = std::min(m_rowsShown, rows);
    ScrollTo(m_leftColumn, m_topRow);
}

void TTableEditorLayout::ScrollTo(int leftColumn, int topRow)
{
    // A grid does not scroll past its last column or row.
    m_leftColumn = std::clamp(leftColumn, 0, std::max(0, m_table.VisibleColumnCount() - m_columnsShown));
    m_topRow = std::clamp(topRow, 0, std::max(0, m_table.RowCount() - m_rowsShown));
}

std::string TTableEditorLayout::Caption() const { return m_table.Caption() + " " + m_table.NumberPath(); }

int TTableEditorLayout::HeaderRows() const { return m_table.HeaderRowCount(); }
int TTableEditorLayout::GridColumnCount() const { return m_table.VisibleColumnCount() + 1; }
int TTableEditorLayout::GridRowCount() const { return HeaderRows() + m_table.RowCount(); }

bool TTableEditorLayout::IsDataCell(int gridColumn, int gridRow) const
{
    const int row = gridRow - HeaderRows();
    return gridColumn > 0 && gridColumn < GridColumnCount() && row >= 0 && row < m_table.RowCount();
}

int TTableEditorLayout::DataRowOf(int gridRow) const
{
    const int row = gridRow - HeaderRows();
    if (row < 0 || row >= m_table.RowCount()) throw EQuavisError(RowNotValidMessage);
    return row;
}

std::string TTableEditorLayout::CellText(int gridColumn, int gridRow) const
{
    const int h = HeaderRows();
    if (gridColumn < 0 || gridColumn >= GridColumnCount() || gridRow < 0 || gridRow >= GridRowCount()) return {};
    if (gridColumn == 0) {
        if (gridRow == 0) return m_table.TopLeft();
        if (gridRow < h) return {};
        return std::to_string((gridRow - h) / m_table.RowGroup() + 1);
    }
    const TColumn& column = m_table.VisibleColumn(gridColumn - 1);
    if (gridRow < h) return gridRow < column.HeaderLineCount() ? column.HeaderLine(gridRow) : std::string();
    if (column.UsesControls()) return {};
    return column.GetText(gridRow - h);
}

int TTableEditorLayout::ColumnWidth(int gridColumn) const
{
    if (gridColumn == 0)
        return std::max(m_canvas.TextWidth(m_table.TopLeft() + "  "), m_metrics.PixelsPerInch / 3);
    return m_table.VisibleColumn(gridColumn - 1).PreferredWidth(m_canvas);
}

TTableButtonState TTableEditorLayout::Buttons() const
{
    TTableButtonState state;
    const int count = m_table.RowCount();
    const int maxRows = m_table.MaxRows();
    state.Visible = m_table.MinRows() != maxRows;
    // No limit at 0; a table already at or past its limit does not grow further.
    state.AddEnabled = maxRows <= 0 || count < maxRows;
    state.DeleteEnabled = count > m_table.MinRows();
    return state;
}

int TTableEditorLayout::ButtonRowWidth() const { return 3 * m_metrics.ButtonWidth + 2 * m_metrics.Margin(); }

int TTableEditorLayout::BelowGridHeight() const
{
    const int m = m_metrics.Margin();
    int height = 0;
    if (Buttons().Visible) height += m_metrics.ButtonHeight + m;
    if (!m_table.Comments().empty()) height += m_metrics.CommentHeight + m;
    if (m_metrics.PictureHeight > 0) height += m_metrics.PictureHeight + m;
    return height;
}

TTableEditorGeometry TTableEditorLayout::Layout() const
{
    const int m = m_metrics.Margin();
    const int h = HeaderRows();
    TTableEditorGeometry g;
    g.VerticalScrollBar = m_rowsShown < m_table.RowCount();
    g.HorizontalScrollBar = m_columnsShown < m_table.VisibleColumnCount();

    int width = 3 + ColumnPitch(0);
    for (int k = m_leftColumn; k < m_leftColumn + m_columnsShown; ++k) width += ColumnPitch(k + 1);
    if (g.VerticalScrollBar) width += m_metrics.ScrollBarWidth;
    int height = RowPitch() * (h + m_rowsShown) + 5;
    if (g.HorizontalScrollBar) height += m_metrics.ScrollBarHeight;
    g.Grid = {m, m, width, height};

    const TTableButtonState buttons = Buttons();
    const int buttonsTop = g.Grid.Bottom() + m;
    g.BtnAdd = {m, buttonsTop, m_metrics.ButtonWidth, m_metrics.ButtonHeight};
    g.BtnIns = {g.BtnAdd.Right() + m, buttonsTop, m_metrics.ButtonWidth, m_metrics.ButtonHeight};
    g.BtnDel = {g.BtnIns.Right() + m, buttonsTop, m_metrics.ButtonWidth, m_metrics.ButtonHeight};
    g.ClientWidth = std::max(g.Grid.Right(), g.BtnDel.Right()) + m;

    const bool hasComments = !m_table.Comments().empty();
    const int commentsTop = buttonsTop + (buttons.Visible ? m_metrics.ButtonHeight + m : 0);
    g.Comments = {g.Grid.Left, commentsTop, hasComments ? g.ClientWidth - 2 * m : 0,
                  hasComments ? m_metrics.CommentHeight : 0};
    const int pictureTop = commentsTop + (hasComments ? m_metrics.CommentHeight + m : 0);
    const bool hasPicture = m_metrics.PictureHeight > 0;
    g.Picture = {g.Grid.Left, pictureTop, m_metrics.PictureWidth, m_metrics.PictureHeight};
    g.ClientHeight = pictureTop + (hasPicture ? m_metrics.PictureHeight + m : 0);

    // Cell controls sit on their cells, for the rows shown.
    for (int k = 0; k < m_table.VisibleColumnCount(); ++k) {
        if (!m_table.VisibleColumn(k).UsesControls()) continue;
        const bool shown = k >= m_leftColumn && k < m_leftColumn + m_columnsShown;
        int cellLeft = ColumnPitch(0);
        for (int i = m_leftColumn; i < k; ++i) cellLeft += ColumnPitch(i + 1);
        for (int j = 0; j < m_rowsShown; ++j) {
            TCellControlPlacement place;
            place.Column = k;
            place.Index = j;
            place.Row = m_topRow + j;
            place.Visible = shown;
            if (shown) {
                place.Bounds = {g.Grid.Left + cellLeft + 2, g.Grid.Top + RowPitch() * (h + j) + 2, ColumnWidth(k + 1),
                                m_metrics.RowHeight};
            }
            g.Controls.push_back(place);
        }
    }
    return g;
}

TTableEditorGeometry TTableEditorLayout::ApplyLayout(TGridHostForm* host)
{
    const TTableEditorGeometry g = Layout();
    if (m_rowsShown > 0) {
        for (int k = 0; k < m_table.VisibleColumnCount(); ++k) {
            TColumn& column = m_table.VisibleColumn(k);
            if (column.UsesControls()) column.AllocateControls(host, m_topRow, m_rowsShown);
        }
        for (const TCellControlPlacement& place : g.Controls) {
            TGridControl& control = m_table.VisibleColumn(place.Column).Control(place.Index);
            if (place.Visible) {
                control.SetBounds(place.Bounds.Left, place.Bounds.Top, place.Bounds.Width, place.Bounds.Height);
            }
            control.SetVisible(place.Visible);
        }
    }
    if (m_table.OnResize) m_table.OnResize(m_table);
    return g;
}

// Row buttons -------------------------------------------------------------------------------------

void TTableEditorLayout::AddRow()
{
    // The table's own notification would cut the rows shown before the new row exists.
    auto notification = std::exchange(m_table.OnLayoutChange, nullptr);
    struct Restore {
        TTableEditorLayout& self;
        std::function<void()>& slot;
        std::function<void()> saved;
        ~Restore()
        {
            self.m_table.SetChanged(true);
            slot = std::move(saved);
            self.Refresh();
        }
    } restore{*this, m_table.OnLayoutChange, std::move(notification)};

    if (m_rowsShown == m_table.RowCount())
        m_rowsShown = std::min(m_rowsShown + m_table.RowGroup(), MaxRowsShownAtFirst);
    m_table.AddRowGroup();
    const int last = m_table.RowCount() - 1;
    if (last >= m_topRow + m_rowsShown) m_topRow = last - m_rowsShown + 1;
}

void TTableEditorLayout::InsertRow(int gridRow)
{
    const int row = DataRowOf(gridRow);
    m_table.SetChanged(true);
    if (m_rowsShown == m_table.RowCount())
        m_rowsShown = std::min(m_rowsShown + m_table.RowGroup(), MaxRowsShownAtFirst);
    m_table.InsertRowGroup(row);
    Refresh();
}

void TTableEditorLayout::DeleteRow(int gridRow)
{
    const int row = DataRowOf(gridRow);
    m_table.SetChanged(true);
    m_table.DeleteRowGroup(row);
    Refresh();
}

// Cells ---------------------------------------------------------------------------------------------

TCellMoveResult TTableEditorLayout::Commit(TGridCell current, const std::string& typed)
{
    TCellMoveResult result;
    if (!IsDataCell(current.Column, current.Row)) return result;
    m_table.SetChanged(true);
    TColumn& column = m_table.VisibleColumn(current.Column - 1);
    if (column.UsesControls()) return result;
    try {
        column.SetText(current.Row - HeaderRows(), typed);
    } catch (const EAssignError& e) {
        result.Allowed = false;
        result.Message = e.what();
    } catch (const EMathError& e) {
        // An arithmetic fault is an entry the user must correct, like any other.
        result.Allowed = false;
        result.Message = e.what();
    }
    if (!result.Allowed) {
        result.Column = current.Column;
        result.Row = current.Row;
    }
    return result;
}

TCellMoveResult TTableEditorLayout::SelectCell(TGridCell current, const std::string& typed, TGridCell target)
{
    TCellMoveResult result;
    if (IsDataCell(current.Column, current.Row)) {
        result = Commit(current, typed);
        if (!result.Allowed) return result;
        result.RewriteCells = true;
    }
    if (target.Column > 0 && target.Column < GridColumnCount() &&
        m_table.VisibleColumn(target.Column - 1).UsesControls()) {
        result.Allowed = false;
        result.Column = current.Column;
        result.Row = current.Row;
    }
    return result;
}

TGridCell TTableEditorLayout::EnterTarget(TGridCell current) const
{
    if (!IsDataCell(current.Column, current.Row)) return current;
    const int h = HeaderRows();
    if (current.Row - h + 1 < m_table.RowCount()) return {current.Column, current.Row + 1};
    const int columns = m_table.VisibleColumnCount();
    int column = current.Column;
    for (int step = 0; step < columns; ++step) {
        column = column % columns + 1; // 1 .. columns, wrapping
        if (!m_table.VisibleColumn(column - 1).UsesControls()) return {column, h};
    }
    return {current.Column, h};
}

// Border sizing ---------------------------------------------------------------------------------------

TSizingCandidate TTableEditorLayout::Candidate(bool horizontal, bool vertical, TSizingEdge edge,
                                               TRect requested) const
{
    const int m = m_metrics.Margin();
    const int columns = m_table.VisibleColumnCount();
    const int rows = m_table.RowCount();
    const int h = HeaderRows();
    TSizingCandidate c;
    c.Horizontal = horizontal;
    c.Vertical = vertical;

    // Width.
    const int minimumWidth = m_metrics.BorderWidth + 2 * m + ButtonRowWidth();
    int width = m_metrics.BorderWidth + 2 * m + 5 + (vertical ? m_metrics.ScrollBarWidth : 0) + ColumnPitch(0);
    if (!horizontal) {
        for (int k = 0; k < columns; ++k) width += ColumnPitch(k + 1);
        c.LeftColumn = 0;
        c.ColumnsShown = columns;
        width = std::max(width, minimumWidth);
    } else if (edge == TSizingEdge::Top || edge == TSizingEdge::Bottom) {
        for (int k = m_leftColumn; k < m_leftColumn + m_columnsShown && k < columns; ++k) width += ColumnPitch(k + 1);
        c.LeftColumn = m_leftColumn;
        c.ColumnsShown = m_columnsShown;
        width = std::max(width, minimumWidth);
    } else {
        const auto fits = [&](int k) {
            return width + ColumnPitch(k + 1) <= requested.Width || width < minimumWidth;
        };
        int first = m_leftColumn;
        int count = 0;
        for (int k = m_leftColumn; k < columns && fits(k); ++k) {
            width += ColumnPitch(k + 1);
            ++count;
        }
        for (int k = m_leftColumn - 1; k >= 0 && fits(k); --k) {
            width += ColumnPitch(k + 1);
            first = k;
            ++count;
        }
        // A grid without a whole data column shows nothing to edit.
        if (count == 0 && columns > 0) {
            first = std::min(m_leftColumn, columns - 1);
            width += ColumnPitch(first + 1);
            count = 1;
        }
        c.LeftColumn = first;
        c.ColumnsShown = count;
    }
    c.Width = width;

    // Height.
    int height = m_metrics.BorderHeight + 2 * m + 5 + BelowGridHeight() + (horizontal ? m_metrics.ScrollBarHeight : 0);
    if (!vertical) {
        height += RowPitch() * (h + rows);
        c.TopRow = 0;
        c.RowsShown = rows;
    } else if (edge == TSizingEdge::Left || edge == TSizingEdge::Right) {
        height += RowPitch() * (h + m_rowsShown);
        c.TopRow = m_topRow;
        c.RowsShown = m_rowsShown;
    } else {
        // The header rows and two rows' room for the first data row.
        height += RowPitch() * (h + 2);
        int count = rows > 0 ? 1 : 0;
        while (count < rows && height + RowPitch() <= requested.Height) {
            height += RowPitch();
            ++count;
        }
        c.TopRow = std::max(0, std::min(m_topRow, rows - count));
        c.RowsShown = count;
    }
    c.Height = height;

    const long long a = c.Width, b = c.Height, rw = requested.Width, rh = requested.Height;
    c.Score = std::max(a, rw) * std::max(b, rh) - rw * rh;
    return c;
}

TSizingResult TTableEditorLayout::Sizing(TSizingEdge edge, TRect requested) const
{
    if (GridColumnCount() < 2) throw EQuavisError(TwoColumnsMessage);
    TSizingResult result;
    result.Candidates.push_back(Candidate(false, false, edge, requested));
    result.Candidates.push_back(Candidate(false, true, edge, requested));
    result.Candidates.push_back(Candidate(true, false, edge, requested));
    result.Candidates.push_back(Candidate(true, true, edge, requested));
    for (int i = 1; i < static_cast<int>(result.Candidates.size()); ++i) {
        if (result.Candidates[static_cast<size_t>(i)].Score < result.Candidates[static_cast<size_t>(result.Winner)].Score)
            result.Winner = i;
    }
    const TSizingCandidate& w = result.Candidates[static_cast<size_t>(result.Winner)];
    const bool topDragged = edge == TSizingEdge::Top || edge == TSizingEdge::TopLeft || edge == TSizingEdge::TopRight;
    const bool leftDragged =
        edge == TSizingEdge::Left || edge == TSizingEdge::TopLeft || edge == TSizingEdge::BottomLeft;
    result.Window.Width = w.Width;
    result.Window.Height = w.Height;
    result.Window.Left = leftDragged ? requested.Right() - w.Width : requested.Left;
    result.Window.Top = topDragged ? requested.Bottom() - w.Height : requested.Top;
    return result;
}

void TTableEditorLayout::ApplySizing(const TSizingResult& result)
{
    const TSizingCandidate& w = result.Candidates.at(static_cast<size_t>(result.Winner));
    m_columnsShown = w.ColumnsShown;
    m_rowsShown = w.RowsShown;
    ScrollTo(w.LeftColumn, w.TopRow);
}

} // namespace quavis

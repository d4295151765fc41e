#include "components/grid_column.h"

#include "components/errors.h"
#include "components/grid_table.h"

#include <algorithm>

namespace quavis {

// TData ---------------------------------------------------------------------------------------------

int TData::Row() const { return m_column->IndexOfData(this); }

long double TData::GetFloat() const { return m_column->GetFloat(Row()); }
void TData::SetFloat(long double x) { m_column->SetFloat(Row(), x); }
int32_t TData::GetInteger() const { return m_column->GetInteger(Row()); }
void TData::SetInteger(int32_t v) { m_column->SetInteger(Row(), v); }
std::string TData::GetText() const { return m_column->GetText(Row()); }
void TData::SetText(const std::string& text) { m_column->SetText(Row(), text); }
TGridTable* TData::GetTable() const { return m_column->GetTable(Row()); }
TRowObject* TData::GetObject() const { return m_column->GetObject(Row()); }

// TColumn -------------------------------------------------------------------------------------------

TColumn::TColumn(TGridTable& table) : m_table(&table) {}

TColumn::~TColumn() = default;

int TColumn::Index() const { return m_table->IndexOfColumn(this); }

void TColumn::WrongType() { throw EQuavisError("Data of wrong type"); }

void TColumn::CheckRow(int row) const
{
    if (row < 0 || row >= RowCount()) throw EListError::OutOfBounds(row);
}

int TColumn::GroupStart(int row) const
{
    const int group = RowGroup();
    return group * (row / group);
}

void TColumn::CopyCommonTo(TColumn& other) const
{
    other.m_headers = m_headers;
    other.m_visible = m_visible;
    other.m_groupWide = m_groupWide;
}

void TColumn::InsertCells(TGridTable&, int at, int count)
{
    if (at < 0 || at > RowCount()) throw EListError::OutOfBounds(at);
    if (count <= 0) return;
    std::vector<std::unique_ptr<TData>> cells;
    cells.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) cells.push_back(std::make_unique<TData>(*this));
    m_cells.insert(m_cells.begin() + at, std::make_move_iterator(cells.begin()), std::make_move_iterator(cells.end()));
}

void TColumn::DeleteCell(int row)
{
    CheckRow(row);
    m_cells.erase(m_cells.begin() + row);
}

TData& TColumn::Data(int row) const
{
    CheckRow(row);
    return *m_cells[static_cast<size_t>(row)];
}

int TColumn::IndexOfData(const TData* data) const
{
    for (size_t i = 0; i < m_cells.size(); ++i)
        if (m_cells[i].get() == data) return static_cast<int>(i);
    return -1;
}

int TColumn::HeaderLineCount() const { return static_cast<int>(m_headers.size()); }

std::string TColumn::HeaderLine(int i) const
{
    if (i < 0 || i >= HeaderLineCount()) throw EListError::OutOfBounds(i);
    return m_headers[static_cast<size_t>(i)];
}

TGridTable* TColumn::GetTable(int) const { WrongType(); }
long double TColumn::GetFloat(int) const { WrongType(); }
void TColumn::SetFloat(int, long double) { WrongType(); }
int32_t TColumn::GetInteger(int) const { WrongType(); }
void TColumn::SetInteger(int, int32_t) { WrongType(); }
TRowObject* TColumn::GetObject(int) const { WrongType(); }
std::string TColumn::GetText(int row) const
{
    CheckRow(row);
    return {};
}
void TColumn::SetText(int, const std::string&) {}

bool TColumn::IsChanged() const { return false; }
void TColumn::ResetChanged() {}
void TColumn::CloseEditors() {}
void TColumn::SetUnitSystem(int) {}

int TColumn::RowGroup() const { return m_attached ? m_table->RowGroup() : 1; }

int TColumn::PreferredWidth(const TGridCanvas& canvas) const
{
    int width = 0;
    for (int i = 0; i < HeaderLineCount(); ++i) width = std::max(width, canvas.TextWidth(HeaderLine(i) + "  "));
    return width;
}

TGridControl& TColumn::Control(int i) const { throw EListError::OutOfBounds(i); }

void TColumn::AllocateControls(TGridHostForm*, int, int) {}

void TColumn::CellChanged(int row)
{
    if (m_attached) m_table->ColumnCellChanged(*this, row);
}

void TColumn::FocusCell(int row)
{
    if (m_attached) m_table->ColumnFocusCell(*this, row);
}

} // namespace quavis

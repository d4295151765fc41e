// The integer, float and string columns.
#include "components/grid_column.h"

#include "components/errors.h"
#include "components/evaluator.h"
#include "components/float_format.h"
#include "components/grid_table.h"
#include "components/unit_labels.h"

#include <algorithm>
#include <cmath>

namespace quavis {

namespace {

int InchesToPixels(long double inches, const TGridCanvas& canvas)
{
    return static_cast<int>(std::lround(static_cast<double>(inches * canvas.PixelsPerInch())));
}

// Nearest integer, halves to even (the entry check leaves only values within 1e-10 of an integer).
long double RoundHalfEven(long double x)
{
    const long double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5L && std::fmod(r, 2.0L) != 0.0L) return r - std::copysign(1.0L, x);
    return r;
}

} // namespace

// TIntColumn ----------------------------------------------------------------------------------------

TIntColumn::TIntColumn(TGridTable& table) : TColumn(table) {}

std::unique_ptr<TColumn> TIntColumn::Clone(TGridTable& table) const
{
    auto column = std::make_unique<TIntColumn>(table);
    CopyCommonTo(*column);
    column->m_default = m_default;
    column->m_minValue = m_minValue;
    column->m_maxValue = m_maxValue;
    return column;
}

void TIntColumn::InsertCells(TGridTable& table, int at, int count)
{
    if (at < 0 || at > RowCount()) throw EListError::OutOfBounds(at);
    if (count <= 0) return;
    m_values.insert(m_values.begin() + at, static_cast<size_t>(count), m_default);
    TColumn::InsertCells(table, at, count);
}

void TIntColumn::DeleteCell(int row)
{
    CheckRow(row);
    m_values.erase(m_values.begin() + row);
    TColumn::DeleteCell(row);
}

int32_t TIntColumn::GetInteger(int row) const
{
    CheckRow(row);
    return m_values[static_cast<size_t>(row)];
}

void TIntColumn::SetInteger(int row, int32_t v)
{
    CheckRow(row);
    if (!GroupWide()) {
        m_values[static_cast<size_t>(row)] = v;
        CellChanged(row);
        return;
    }
    const int g = GroupStart(row);
    for (int r = g; r < std::min(g + RowGroup(), RowCount()); ++r) {
        m_values[static_cast<size_t>(r)] = v;
        CellChanged(r);
    }
}

std::string TIntColumn::GetText(int row) const { return std::to_string(GetInteger(row)); }

void TIntColumn::SetText(int row, const std::string& text)
{
    CheckRow(row);
    const long double x = Evaluate(text);
    // Within 1e-10 of an integer on either side, so that a value such as 2.99999999999 that arithmetic
    // left just below a whole number is taken as well as one just above it.
    if (!std::isfinite(x) || std::fabs(x - std::round(x)) > 1e-10L) throw EAssignError("Entry must be an integer.");
    // The range applies to the integer the entry is taken as.
    const long double r = RoundHalfEven(x);
    if (r < m_minValue || r > m_maxValue)
        throw EAssignError("Entry must be between " + std::to_string(m_minValue) + " and " + std::to_string(m_maxValue) +
                           ".");
    SetInteger(row, static_cast<int32_t>(r));
}

int TIntColumn::PreferredWidth(const TGridCanvas& canvas) const
{
    return std::max(TColumn::PreferredWidth(canvas), InchesToPixels(0.5L, canvas));
}

// TFloatColumn --------------------------------------------------------------------------------------

TFloatColumn::TFloatColumn(TGridTable& table) : TColumn(table) {}

std::unique_ptr<TColumn> TFloatColumn::Clone(TGridTable& table) const
{
    auto column = std::make_unique<TFloatColumn>(table);
    CopyCommonTo(*column);
    column->m_topDepth = m_topDepth;
    column->m_units = m_units;
    column->m_default = m_default;
    return column;
}

namespace {

// While a column is being attached it is not yet in the table's list: it is about to become the last.
int EffectiveIndex(const TColumn& column)
{
    const int index = column.Index();
    if (index < 0 && column.IsAttached()) return column.Table().ColumnCount();
    return index;
}

} // namespace

TFloatColumn* TFloatColumn::NextFloat() const
{
    const int index = EffectiveIndex(*this);
    if (index < 0 || index + 1 >= Table().ColumnCount()) return nullptr;
    auto* next = dynamic_cast<TFloatColumn*>(&Table().Column(index + 1));
    if (!next) throw EQuavisError("If column if a topdepth then the next column must be a float column");
    return next;
}

TFloatColumn* TFloatColumn::PreviousTopDepth() const
{
    const int index = EffectiveIndex(*this);
    if (index <= 0 || index > Table().ColumnCount()) return nullptr;
    auto* previous = dynamic_cast<TFloatColumn*>(&Table().Column(index - 1));
    return previous && previous->m_topDepth ? previous : nullptr;
}

void TFloatColumn::InsertCells(TGridTable& table, int at, int count)
{
    if (at < 0 || at > RowCount()) throw EListError::OutOfBounds(at);
    if (count <= 0) return;
    // Columns are processed in order: the bottoms (next column) still have their old rows, the tops
    // (previous column) already have the new ones.
    const TFloatColumn* next = m_topDepth ? NextFloat() : nullptr;
    const TFloatColumn* previous = PreviousTopDepth();
    std::vector<long double> values(static_cast<size_t>(count), m_default);
    for (int k = 0; k < count; ++k) {
        const int r = at + k;
        if (next && r >= 1 && r <= next->RowCount() - 1)
            values[static_cast<size_t>(k)] = next->m_values[static_cast<size_t>(r - 1)];
        else if (previous && r + 1 < previous->RowCount())
            values[static_cast<size_t>(k)] = previous->m_values[static_cast<size_t>(r + 1)];
    }
    m_values.insert(m_values.begin() + at, values.begin(), values.end());
    TColumn::InsertCells(table, at, count);
}

void TFloatColumn::DeleteCell(int row)
{
    CheckRow(row);
    if (m_topDepth && row > 0 && row < RowCount() - 1) {
        // The row below now starts where the row above ends.
        const TFloatColumn* next = NextFloat();
        if (next && row - 1 < next->RowCount())
            m_values[static_cast<size_t>(row + 1)] = next->m_values[static_cast<size_t>(row - 1)];
    }
    m_values.erase(m_values.begin() + row);
    TColumn::DeleteCell(row);
}

std::string TFloatColumn::HeaderLine(int i) const
{
    std::string line = TColumn::HeaderLine(i);
    if (i == HeaderLineCount() - 1 && !m_units.empty())
        line += " (" + UnitLabelText(m_units, Table().UnitSystem()) + ")  ";
    return line;
}

long double TFloatColumn::GetFloat(int row) const
{
    CheckRow(row);
    return m_values[static_cast<size_t>(row)];
}

void TFloatColumn::SetFloat(int row, long double x)
{
    CheckRow(row);
    if (GroupWide()) {
        const int g = GroupStart(row);
        for (int r = g; r < std::min(g + RowGroup(), RowCount()); ++r) {
            m_values[static_cast<size_t>(r)] = x;
            CellChanged(r);
        }
        return;
    }
    // Find the partner before storing, so that a bad pair definition changes nothing.
    TFloatColumn* partner = nullptr;
    int partnerRow = -1;
    const int index = EffectiveIndex(*this);
    if (m_topDepth && Table().IsValidCell(index + 1, row - 1)) {
        partner = NextFloat(); // the row above ends where this row starts
        partnerRow = row - 1;
    } else if (Table().IsValidCell(index - 1, row + 1)) {
        partner = PreviousTopDepth(); // the row below starts where this row ends
        partnerRow = row + 1;
    }
    m_values[static_cast<size_t>(row)] = x;
    if (partner) {
        partner->StoreFloat(partnerRow, x);
        partner->CellChanged(partnerRow);
    }
    CellChanged(row);
}

std::string TFloatColumn::GetText(int row) const { return FormatGeneral(GetFloat(row), 8); }

void TFloatColumn::SetText(int row, const std::string& text)
{
    CheckRow(row);
    SetFloat(row, Evaluate(text));
}

void TFloatColumn::SetUnitSystem(int system)
{
    const long double f = UnitConversionFactor(Table().UnitSystem(), system, m_units);
    for (long double& v : m_values) v *= f;
    for (int r = 0; r < RowCount(); ++r) CellChanged(r);
}

int TFloatColumn::PreferredWidth(const TGridCanvas& canvas) const
{
    return std::max(TColumn::PreferredWidth(canvas), InchesToPixels(0.5L, canvas));
}

// TStringColumn -------------------------------------------------------------------------------------

TStringColumn::TStringColumn(TGridTable& table) : TColumn(table) {}

std::unique_ptr<TColumn> TStringColumn::Clone(TGridTable& table) const
{
    auto column = std::make_unique<TStringColumn>(table);
    CopyCommonTo(*column);
    column->m_default = m_default;
    column->m_widthInches = m_widthInches;
    return column;
}

void TStringColumn::InsertCells(TGridTable& table, int at, int count)
{
    if (at < 0 || at > RowCount()) throw EListError::OutOfBounds(at);
    if (count <= 0) return;
    m_values.insert(m_values.begin() + at, static_cast<size_t>(count), m_default);
    TColumn::InsertCells(table, at, count);
}

void TStringColumn::DeleteCell(int row)
{
    CheckRow(row);
    m_values.erase(m_values.begin() + row);
    TColumn::DeleteCell(row);
}

std::string TStringColumn::GetText(int row) const
{
    CheckRow(row);
    return m_values[static_cast<size_t>(row)];
}

void TStringColumn::SetText(int row, const std::string& text)
{
    CheckRow(row);
    const int g = GroupWide() ? GroupStart(row) : row;
    const int end = GroupWide() ? std::min(g + RowGroup(), RowCount()) : row + 1;
    for (int r = g; r < end; ++r) {
        m_values[static_cast<size_t>(r)] = text;
        CellChanged(r);
    }
}

int TStringColumn::PreferredWidth(const TGridCanvas& canvas) const
{
    return std::max(TColumn::PreferredWidth(canvas), InchesToPixels(m_widthInches, canvas));
}

} // namespace quavis

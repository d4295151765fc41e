#include "components/grid_column.h"

#include "components/errors.h"
#include "components/evaluator.h"
#include "components/grid_table.h"

#include <algorithm>
#include <cmath>

namespace quavis {

TEnumColumn::TEnumColumn(TGridTable& table) : TColumn(table) {}

TEnumColumn::~TEnumColumn() = default;

std::unique_ptr<TColumn> TEnumColumn::Clone(TGridTable& table) const
{
    auto column = std::make_unique<TEnumColumn>(table);
    CopyCommonTo(*column);
    column->m_items = m_items;
    return column;
}

void TEnumColumn::SetItems(std::vector<std::string> items)
{
    m_items = std::move(items);
    for (auto& combo : m_controls) {
        combo->SetItems(m_items);
        const int row = combo->Tag();
        combo->SetItemIndex(row >= 0 && row < RowCount() ? m_values[static_cast<size_t>(row)] - 1 : -1);
    }
    if (IsAttached()) Table().ItemListChanged(*this);
}

void TEnumColumn::InsertCells(TGridTable& table, int at, int count)
{
    if (at < 0 || at > RowCount()) throw EListError::OutOfBounds(at);
    if (count <= 0) return;
    m_values.insert(m_values.begin() + at, static_cast<size_t>(count), 1);
    TColumn::InsertCells(table, at, count);
}

void TEnumColumn::DeleteCell(int row)
{
    CheckRow(row);
    m_values.erase(m_values.begin() + row);
    TColumn::DeleteCell(row);
}

int32_t TEnumColumn::GetInteger(int row) const
{
    CheckRow(row);
    return m_values[static_cast<size_t>(row)];
}

void TEnumColumn::SetInteger(int row, int32_t v)
{
    CheckRow(row);
    if (!GroupWide()) {
        StoreInteger(row, v);
        return;
    }
    const int g = GroupStart(row);
    for (int r = g; r < std::min(g + RowGroup(), RowCount()); ++r) StoreInteger(r, v);
}

void TEnumColumn::StoreInteger(int row, int32_t v)
{
    // An unchanged value must not notify: in a table's first column that would replace the row's sub-table.
    if (m_values[static_cast<size_t>(row)] == v) return;
    m_values[static_cast<size_t>(row)] = v;
    for (auto& combo : m_controls)
        if (combo->Tag() == row) combo->SetItemIndex(v - 1);
    CellChanged(row);
}

std::string TEnumColumn::GetText(int row) const { return std::to_string(GetInteger(row)); }

void TEnumColumn::SetText(int row, const std::string& text)
{
    CheckRow(row);
    const long double x = Evaluate(text);
    if (!std::isfinite(x) || x != std::trunc(x) || x < INT32_MIN || x > INT32_MAX)
        throw EAssignError("Value must be an integer.");
    SetInteger(row, static_cast<int32_t>(x));
}

int TEnumColumn::PreferredWidth(const TGridCanvas& canvas) const
{
    const int minimum = static_cast<int>(std::lround(canvas.PixelsPerInch() * 1.5));
    return std::max(TColumn::PreferredWidth(canvas), minimum);
}

TGridControl& TEnumColumn::Control(int i) const { return ComboBox(i); }

TGridComboBox& TEnumColumn::ComboBox(int i) const
{
    if (i < 0 || i >= ControlCount()) throw EListError::OutOfBounds(i);
    return *m_controls[static_cast<size_t>(i)];
}

void TEnumColumn::AllocateControls(TGridHostForm* parent, int topRow, int count)
{
    if (m_parent && parent != m_parent && !m_controls.empty())
        throw EQuavisError("Error attempt to change parent with controls already allocated");
    if (!parent) throw EQuavisError("null parent");
    m_parent = parent;
    count = std::max(count, 0);
    while (ControlCount() > count) m_controls.pop_back();
    while (ControlCount() < count) {
        std::unique_ptr<TGridComboBox> combo = parent->CreateComboBox();
        if (!combo) throw EQuavisError("null control");
        TGridComboBox* raw = combo.get();
        combo->SetItems(m_items);
        combo->SetDropDownCount(11);
        combo->SetOnChange([this, raw] { ComboChanged(raw); });
        combo->SetOnEnter([this, raw] { ComboEntered(raw); });
        m_controls.push_back(std::move(combo));
    }
    for (int i = 0; i < count; ++i) {
        TGridComboBox& combo = *m_controls[static_cast<size_t>(i)];
        const int row = topRow + i;
        combo.SetTag(row);
        combo.SetVisible(false);
        combo.SetItemIndex(row >= 0 && row < RowCount() ? m_values[static_cast<size_t>(row)] - 1 : -1);
        combo.BringToFront();
    }
}

void TEnumColumn::ReleaseControls()
{
    m_parent = nullptr;
    m_controls.clear();
}

void TEnumColumn::ComboChanged(TGridComboBox* combo)
{
    const int row = combo->Tag();
    if (row < 0 || row >= RowCount()) throw EQuavisError("Unexpected row for combobox");
    if (combo->ItemIndex() < 0) return; // nothing picked: keep the value
    const int32_t v = combo->ItemIndex() + 1;
    if (v != m_values[static_cast<size_t>(row)]) SetInteger(row, v);
}

void TEnumColumn::ComboEntered(TGridComboBox* combo)
{
    const int row = combo->Tag();
    if (row >= 0 && row < RowCount()) FocusCell(row);
}

} // namespace quavis

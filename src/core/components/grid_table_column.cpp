#include "components/grid_column.h"

#include "components/errors.h"
#include "components/grid_table.h"
#include "components/grid_table_internal.h"

#include <algorithm>
#include <cmath>

namespace quavis {

TTableColumn::TTableColumn(TGridTable& table) : TColumn(table) {}

// Controls first: their handlers refer to the row objects.
TTableColumn::~TTableColumn()
{
    m_controls.clear();
    m_objects.clear();
}

std::unique_ptr<TColumn> TTableColumn::Clone(TGridTable& table) const
{
    auto column = std::make_unique<TTableColumn>(table);
    CopyCommonTo(*column);
    for (int i = 0; i < m_templates.Count(); ++i) column->m_templates.AddIndex(m_templates.ResolveIndex(i));
    return column;
}

void TTableColumn::InsertCells(TGridTable& table, int at, int count)
{
    if (at < 0 || at > RowCount()) throw EListError::OutOfBounds(at);
    if (count <= 0) return;
    std::vector<std::unique_ptr<TRowObject>> empty(static_cast<size_t>(count));
    m_objects.insert(m_objects.begin() + at, std::make_move_iterator(empty.begin()),
                     std::make_move_iterator(empty.end()));
    TColumn::InsertCells(table, at, count);
    for (int k = 0; k < count; ++k) CreateRowObject(at + k);
    RenumberRows(at + count);
}

void TTableColumn::DeleteCell(int row)
{
    CheckRow(row);
    // Take the row out before destroying its object, so that the column is whole while it goes.
    std::unique_ptr<TRowObject> old = std::move(m_objects[static_cast<size_t>(row)]);
    m_objects.erase(m_objects.begin() + row);
    TColumn::DeleteCell(row);
    old.reset();
    RenumberRows(row);
}

TGridTable* TTableColumn::GetTable(int row) const
{
    CheckRow(row);
    return dynamic_cast<TGridTable*>(m_objects[static_cast<size_t>(row)].get());
}

TRowObject* TTableColumn::GetObject(int row) const
{
    CheckRow(row);
    return m_objects[static_cast<size_t>(row)].get();
}

bool TTableColumn::IsChanged() const
{
    TGridTable& table = Table();
    for (int r = 0; r < RowCount(); ++r) {
        TRowObject* object = m_objects[static_cast<size_t>(r)].get();
        if (auto* sub = dynamic_cast<TGridTable*>(object)) {
            if (sub->IsChanged()) return true;
        } else if (object && table.OnGetChanged) {
            bool changed = false;
            table.OnGetChanged(table, Index(), r, object, changed);
            if (changed) return true;
        }
    }
    return false;
}

void TTableColumn::ResetChanged()
{
    TGridTable& table = Table();
    for (int r = 0; r < RowCount(); ++r) {
        TRowObject* object = m_objects[static_cast<size_t>(r)].get();
        if (auto* sub = dynamic_cast<TGridTable*>(object)) sub->ResetChanged();
        else if (object && table.OnResetChanged) table.OnResetChanged(table, Index(), r, object);
    }
}

void TTableColumn::CloseEditors()
{
    TGridTable& table = Table();
    for (int r = 0; r < RowCount(); ++r) {
        TRowObject* object = m_objects[static_cast<size_t>(r)].get();
        if (auto* sub = dynamic_cast<TGridTable*>(object)) sub->CloseEditor();
        else if (object && table.OnHide) table.OnHide(table, Index(), r, object);
    }
}

void TTableColumn::SetUnitSystem(int system)
{
    TGridTable& table = Table();
    for (int r = 0; r < RowCount(); ++r) {
        TRowObject* object = m_objects[static_cast<size_t>(r)].get();
        if (auto* sub = dynamic_cast<TGridTable*>(object)) sub->SetUnitSystem(system);
        else if (object && table.OnSetUnits) table.OnSetUnits(table, Index(), r, object, system);
    }
}

int TTableColumn::PreferredWidth(const TGridCanvas& canvas) const
{
    return std::max(TColumn::PreferredWidth(canvas), 2 * canvas.PixelsPerInch());
}

void TTableColumn::CreateRowObject(int row)
{
    CheckRow(row);
    TGridTable& table = Table();
    int v = 1;
    if (table.ColumnCount() > 0)
        if (auto* first = dynamic_cast<TEnumColumn*>(&table.Column(0)); first && row < first->RowCount())
            v = first->GetInteger(row);
    TGridTable* templ = m_templates.Table(v - 1);
    if (templ && grid_internal::IsTemplateInUse(templ)) templ = nullptr;

    std::unique_ptr<TRowObject> object;
    if (templ) {
        object = TGridTable::CreateFromTemplate(&table, row + 1, *templ);
    } else if (table.OnInitRow) {
        table.OnInitRow(table, Index(), row, v, object);
        // A handler that raises here leaves the object to be destroyed with `object`.
        if (object && table.OnSetRow) table.OnSetRow(table, Index(), object.get(), row);
    }
    std::unique_ptr<TRowObject> old = std::move(m_objects[static_cast<size_t>(row)]);
    m_objects[static_cast<size_t>(row)] = std::move(object);
    old.reset();
    UpdateButtonCaption(row);
}

void TTableColumn::RenumberRows(int from)
{
    TGridTable& table = Table();
    for (int r = std::max(from, 0); r < RowCount(); ++r) {
        TRowObject* object = m_objects[static_cast<size_t>(r)].get();
        if (auto* sub = dynamic_cast<TGridTable*>(object)) sub->SetSubTableNumber(r + 1);
        else if (object && table.OnSetRow) table.OnSetRow(table, Index(), object, r);
    }
}

std::string TTableColumn::ButtonCaption(int row) const
{
    CheckRow(row);
    TGridTable& table = Table();
    TRowObject* object = m_objects[static_cast<size_t>(row)].get();
    std::string caption;
    if (auto* sub = dynamic_cast<TGridTable*>(object)) caption = sub->Caption();
    else if (table.OnGetButtonCaption) table.OnGetButtonCaption(table, Index(), row, object, caption);
    return std::to_string(row + 1) + ": " + caption;
}

void TTableColumn::UpdateButtonCaption(int row)
{
    for (auto& button : m_controls)
        if (button->Tag() == row) button->SetCaption(ButtonCaption(row));
}

TGridControl& TTableColumn::Control(int i) const { return Button(i); }

TGridButton& TTableColumn::Button(int i) const
{
    if (i < 0 || i >= ControlCount()) throw EListError::OutOfBounds(i);
    return *m_controls[static_cast<size_t>(i)];
}

void TTableColumn::AllocateControls(TGridHostForm* parent, int topRow, int count)
{
    if (m_parent && parent != m_parent && !m_controls.empty())
        throw EQuavisError("Attempt to change parent with controls already allocated");
    if (!parent) throw EQuavisError("null parent");
    if (topRow < 0 || topRow >= RowCount()) throw EQuavisError("ATopRow " + std::to_string(topRow));
    if (count <= 0 || topRow + count > RowCount()) throw EQuavisError("ACount " + std::to_string(count));
    m_parent = parent;
    while (ControlCount() > count) m_controls.pop_back();
    while (ControlCount() < count) {
        std::unique_ptr<TGridButton> button = parent->CreateButton();
        if (!button) throw EQuavisError("null control");
        TGridButton* raw = button.get();
        button->SetOnClick([this, raw] { ButtonClicked(raw); });
        m_controls.push_back(std::move(button));
    }
    for (int i = 0; i < count; ++i) {
        TGridButton& button = *m_controls[static_cast<size_t>(i)];
        button.SetCaption(ButtonCaption(topRow + i));
        button.SetTag(topRow + i);
        button.SetVisible(false); // the editor places and shows it
        button.BringToFront();
    }
}

void TTableColumn::ReleaseControls()
{
    m_parent = nullptr;
    m_controls.clear();
}

void TTableColumn::ButtonClicked(TGridButton* button)
{
    const int row = button->Tag();
    if (row < 0 || row >= RowCount()) return;
    TGridTable& table = Table();
    TRowObject* object = m_objects[static_cast<size_t>(row)].get();
    if (auto* sub = dynamic_cast<TGridTable*>(object)) {
        if (table.EditorIsModal()) sub->ShowEditorModal();
        else sub->ShowEditor();
    } else if (table.OnButtonClick) {
        table.OnButtonClick(table, Index(), row, object);
    }
}

} // namespace quavis

#include "components/grid_table.h"

#include "components/errors.h"
#include "components/grid_table_internal.h"
#include "components/unit_labels.h"

#include <algorithm>

namespace quavis {

namespace {

TGridEditorFactory& EditorFactory()
{
    static auto* factory = new TGridEditorFactory;
    return *factory;
}

// Templates being instantiated, innermost last.
std::vector<const TGridTable*>& TemplateStack()
{
    static auto* stack = new std::vector<const TGridTable*>;
    return *stack;
}

} // namespace

void SetGridEditorFactory(TGridEditorFactory factory) { EditorFactory() = std::move(factory); }
const TGridEditorFactory& GridEditorFactory() { return EditorFactory(); }

bool grid_internal::IsTemplateInUse(const TGridTable* templ)
{
    const auto& stack = TemplateStack();
    return std::find(stack.begin(), stack.end(), templ) != stack.end();
}

// Construction and destruction ----------------------------------------------------------------------

TGridTable::TGridTable(TGridTable* owner) : m_owner(owner)
{
    m_unitSystem = owner ? owner->UnitSystem() : English;
    m_identifier = grid_internal::TakeIdentifier();
    grid_internal::RegistryAdd(this);
    if (m_owner) m_owner->m_children.push_back(this);
}

TGridTable::~TGridTable()
{
    try {
        CloseEditor();
    } catch (...) {
    }
    // Empty every column from its end: this destroys the sub-table tree without the row rules, which
    // could raise on a faulty pair definition.
    for (auto& column : m_columns) {
        while (column->RowCount() > 0) {
            try {
                column->DeleteCell(column->RowCount() - 1);
            } catch (...) {
                break;
            }
        }
    }
    m_rowCount = 0;
    m_columns.clear();
    // Tables made with this one as owner that live elsewhere lose their owner link rather than dangle.
    for (TGridTable* child : m_children) child->m_owner = nullptr;
    m_children.clear();
    grid_internal::RegistryRemove(this);
    if (m_owner) m_owner->RemoveChild(this);
}

void TGridTable::RemoveChild(TGridTable* child)
{
    const auto it = std::find(m_children.begin(), m_children.end(), child);
    if (it != m_children.end()) m_children.erase(it);
}

// Properties ----------------------------------------------------------------------------------------

void TGridTable::SetIdentifier(int v)
{
    if (v < 0) return;
    const int old = m_identifier;
    // Identifiers stay unique: the table that held v takes this one's old value.
    for (TGridTable* table : GridTableRegistry())
        if (table != this && table->m_identifier == v) table->m_identifier = old;
    m_identifier = v;
}

void TGridTable::SetMinRows(int n)
{
    if (n <= 0) {
        if (!m_loading) throw EQuavisError("Value must be greater than 0");
        n = 1;
    }
    m_minRows = n;
}

void TGridTable::SetHelpPicture(std::string picture)
{
    if (picture == m_helpPicture) return;
    m_helpPicture = std::move(picture);
    LayoutChanged();
}

// Rows ----------------------------------------------------------------------------------------------

namespace {

// A top-depth column must be followed by a float column; checked before any column changes, so that a
// faulty definition leaves every column holding the same rows.
void CheckTopDepthPairs(const TGridTable& table)
{
    for (int i = 0; i + 1 < table.ColumnCount(); ++i) {
        const auto* top = dynamic_cast<const TFloatColumn*>(&table.Column(i));
        if (top && top->TopDepth() && !dynamic_cast<const TFloatColumn*>(&table.Column(i + 1)))
            throw EQuavisError("If column if a topdepth then the next column must be a float column");
    }
}

} // namespace

void TGridTable::SetRowCount(int n)
{
    n = std::max(n, 0);
    CheckTopDepthPairs(*this);
    m_rowCount = n;
    for (auto& column : m_columns) {
        while (column->RowCount() > n) column->DeleteCell(column->RowCount() - 1);
        // A group at a time, but never past n, so that every column ends up with exactly n cells.
        while (column->RowCount() < n)
            column->InsertCells(*this, column->RowCount(), std::min(m_rowGroup, n - column->RowCount()));
    }
}

void TGridTable::AddRowGroup()
{
    CheckTopDepthPairs(*this);
    m_rowCount += m_rowGroup;
    for (auto& column : m_columns) column->InsertCells(*this, column->RowCount(), m_rowGroup);
    LayoutChanged();
}

void TGridTable::InsertRowGroup(int row)
{
    const int g = m_rowGroup * (row / m_rowGroup);
    if (row < 0 || g > m_rowCount) throw EListError::OutOfBounds(row);
    CheckTopDepthPairs(*this);
    m_rowCount += m_rowGroup;
    for (auto& column : m_columns) column->InsertCells(*this, g, m_rowGroup);
    LayoutChanged();
}

void TGridTable::DeleteRowGroup(int row)
{
    const int g = m_rowGroup * (row / m_rowGroup);
    if (row < 0 || g + m_rowGroup > m_rowCount) throw EListError::OutOfBounds(row);
    CheckTopDepthPairs(*this);
    m_rowCount -= m_rowGroup;
    for (auto& column : m_columns)
        for (int i = 0; i < m_rowGroup; ++i) column->DeleteCell(g);
    LayoutChanged();
}

// Columns -------------------------------------------------------------------------------------------

TColumn& TGridTable::Column(int i) const
{
    if (i < 0 || i >= ColumnCount()) throw EListError::OutOfBounds(i);
    return *m_columns[static_cast<size_t>(i)];
}

int TGridTable::IndexOfColumn(const TColumn* column) const
{
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].get() == column) return static_cast<int>(i);
    return -1;
}

void TGridTable::AttachColumn(TColumn& column)
{
    if (&column.Table() != this) throw EQuavisError("Column belongs to another table");
    column.SetAttached(true);
    while (column.RowCount() < m_rowCount)
        column.InsertCells(*this, column.RowCount(), std::min(m_rowGroup, m_rowCount - column.RowCount()));
    if (m_hostForm && column.UsesControls())
        column.AllocateControls(m_hostForm, m_hostForm->TopRow(), m_hostForm->VisibleRowCount());
}

TColumn& TGridTable::AddColumn(std::unique_ptr<TColumn> column)
{
    if (!column) throw EQuavisError("No column to add");
    if (IndexOfColumn(column.get()) >= 0) throw EQuavisError("Column already in the table");
    AttachColumn(*column);
    m_columns.push_back(std::move(column));
    return *m_columns.back();
}

int TGridTable::VisibleColumnCount() const
{
    return static_cast<int>(
        std::count_if(m_columns.begin(), m_columns.end(), [](const auto& c) { return c->Visible(); }));
}

TColumn& TGridTable::VisibleColumn(int i) const
{
    if (i >= 0)
        for (const auto& column : m_columns)
            if (column->Visible() && i-- == 0) return *column;
    throw EListError("Index out of bounds");
}

int TGridTable::VisibleIndexOf(const TColumn* column) const
{
    int index = 0;
    for (const auto& c : m_columns) {
        if (c.get() == column) return c->Visible() ? index : -1;
        if (c->Visible()) ++index;
    }
    return -1;
}

int TGridTable::HeaderRowCount() const
{
    int count = 0;
    for (const auto& column : m_columns)
        if (column->Visible()) count = std::max(count, column->HeaderLineCount());
    return count;
}

void TGridTable::SyncTableColumns()
{
    int k = 1;
    if (!m_columns.empty())
        if (const auto* first = dynamic_cast<const TEnumColumn*>(m_columns.front().get()))
            k = static_cast<int>(first->Items().size());
    for (auto& column : m_columns) {
        auto* tableColumn = dynamic_cast<TTableColumn*>(column.get());
        if (!tableColumn) continue;
        TGridTableList& templates = tableColumn->Templates();
        while (templates.Count() < k) templates.AddTable(nullptr);
        while (templates.Count() > k) templates.Delete(templates.Count() - 1);
    }
}

void TGridTable::ItemListChanged(TColumn& column)
{
    if (!m_columns.empty() && m_columns.front().get() == &column) SyncTableColumns();
}

// Cells ---------------------------------------------------------------------------------------------

TData& TGridTable::Cell(int col, int row) const { return Column(col).Data(row); }

bool TGridTable::IsValidCell(int col, int row) const
{
    return col >= 0 && col < ColumnCount() && row >= 0 && row < m_columns[static_cast<size_t>(col)]->RowCount();
}

void TGridTable::ColumnCellChanged(TColumn& column, int row)
{
    // A new pick-list value in the first column gives the row a fresh sub-table from its template.
    if (!m_columns.empty() && m_columns.front().get() == &column && dynamic_cast<TEnumColumn*>(&column)) {
        for (auto& c : m_columns) {
            if (auto* tableColumn = dynamic_cast<TTableColumn*>(c.get())) {
                if (row >= 0 && row < tableColumn->RowCount()) tableColumn->CreateRowObject(row);
                break;
            }
        }
    }
    const int index = IndexOfColumn(&column);
    if (index >= 0 && OnCellChange) {
        auto notify = OnCellChange; // the editor may rebind while it redraws
        notify(index, row);
    }
}

void TGridTable::ColumnFocusCell(TColumn& column, int row)
{
    if (m_hostForm) m_hostForm->FocusCell(VisibleIndexOf(&column) + 1, row + HeaderRowCount());
}

// Modified flag -------------------------------------------------------------------------------------

bool TGridTable::IsChanged() const
{
    if (m_changed) return true;
    return std::any_of(m_columns.begin(), m_columns.end(), [](const auto& c) { return c->IsChanged(); });
}

void TGridTable::SetChanged(bool changed)
{
    if (changed) m_changed = true;
    else ResetChanged();
}

void TGridTable::ResetChanged()
{
    m_changed = false;
    for (auto& column : m_columns) column->ResetChanged();
}

// Units ---------------------------------------------------------------------------------------------

void TGridTable::SetUnitSystem(int system)
{
    if (system == m_unitSystem) return;
    // A unit string that cannot be read fails before any column is converted.
    for (const auto& column : m_columns)
        if (const auto* f = dynamic_cast<const TFloatColumn*>(column.get()))
            (void)UnitConversionFactor(m_unitSystem, system, f->ColumnUnits());
    // Columns convert while UnitSystem still names the system their values are in.
    for (auto& column : m_columns) column->SetUnitSystem(system);
    m_unitSystem = system;
    LayoutChanged();
}

// Sub-tables ----------------------------------------------------------------------------------------

void TGridTable::SetSubTableNumber(int n)
{
    m_subTableNumber = n;
    if (m_editor) m_editor->SetTitle(m_caption + " " + NumberPath());
}

std::string TGridTable::NumberPath() const
{
    std::string path = m_owner ? m_owner->NumberPath() : std::string();
    if (m_subTableNumber != 0) path += " " + std::to_string(m_subTableNumber);
    return path;
}

std::unique_ptr<TGridTable> TGridTable::CreateFromTemplate(TGridTable* owner, int number, const TGridTable& templ)
{
    auto& stack = TemplateStack();
    stack.push_back(&templ);
    struct Pop {
        std::vector<const TGridTable*>& stack;
        ~Pop() { stack.pop_back(); }
    } pop{stack};

    auto table = std::make_unique<TGridTable>(owner);
    table->m_caption = templ.m_caption;
    table->m_comments = templ.m_comments;
    table->m_topLeft = templ.m_topLeft;
    table->SetRowCount(0);
    table->m_minRows = templ.m_minRows;
    table->m_maxRows = templ.m_maxRows;
    for (const auto& column : templ.m_columns) table->AddColumn(column->Clone(*table));
    table->SetSubTableNumber(number);
    table->SetRowCount(table->m_minRows);
    table->LayoutChanged();
    return table;
}

// Editor --------------------------------------------------------------------------------------------

void TGridTable::ShowEditor() { ShowEditorWindow(false); }
void TGridTable::ShowEditorModal() { ShowEditorWindow(true); }

void TGridTable::ShowEditorWindow(bool modal)
{
    if (VisibleColumnCount() == 0) return;
    if (!m_editor) {
        const TGridEditorFactory& factory = GridEditorFactory();
        if (!factory) return;
        m_editor = factory(*this, modal);
        if (!m_editor) return;
        m_editorModal = modal;
    }
    // A modal editor may close (and hand itself back) before Show returns.
    TGridTableEditor* editor = m_editor.get();
    editor->Show();
}

void TGridTable::CloseEditor()
{
    if (m_editor) {
        std::unique_ptr<TGridTableEditor> editor = EditorClosed();
        editor.reset();
    }
    for (auto& column : m_columns) column->CloseEditors();
}

void TGridTable::ReopenEditor()
{
    if (!m_editor) return;
    CloseEditor();
    ShowEditor();
}

std::unique_ptr<TGridTableEditor> TGridTable::EditorClosed()
{
    UnbindEditor();
    OnLayoutChange = nullptr;
    OnCellChange = nullptr;
    m_editorModal = false;
    return std::move(m_editor);
}

void TGridTable::BindEditor(TGridHostForm* hostForm, std::function<void(int col, int row)> onCellChange,
                            std::function<void()> onLayoutChange)
{
    m_hostForm = hostForm;
    OnCellChange = std::move(onCellChange);
    OnLayoutChange = std::move(onLayoutChange);
    for (auto& column : m_columns)
        if (column->UsesControls())
            column->AllocateControls(hostForm, hostForm ? hostForm->TopRow() : 0,
                                     hostForm ? hostForm->VisibleRowCount() : 0);
}

void TGridTable::UnbindEditor()
{
    for (auto& column : m_columns)
        if (column->UsesControls()) column->ReleaseControls();
    m_hostForm = nullptr;
}

void TGridTable::LayoutChanged()
{
    if (OnLayoutChange) {
        auto notify = OnLayoutChange;
        notify();
    }
}

} // namespace quavis

#pragma once

#include "components/grid_column.h"
#include "components/grid_editor.h"
#include "components/grid_table_list.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quavis {

// Events of a table about row objects of its table columns that are not tables. ACol is the index of
// the column among all columns.
using TGridRowEvent = std::function<void(TGridTable& sender, int aCol, int aRow, TRowObject* aData)>;
using TGridGetCaptionEvent =
    std::function<void(TGridTable& sender, int aCol, int aRow, TRowObject* aData, std::string& aCaption)>;
using TGridGetChangedEvent =
    std::function<void(TGridTable& sender, int aCol, int aRow, TRowObject* aData, bool& aChanged)>;
using TGridInitRowEvent = std::function<void(TGridTable& sender, int aCol, int aRow, int aEnumType,
                                             std::unique_ptr<TRowObject>& aData)>;
using TGridSetRowEvent = std::function<void(TGridTable& sender, int aCol, TRowObject* aData, int aRow)>;
using TGridSetUnitsEvent =
    std::function<void(TGridTable& sender, int aCol, int aRow, TRowObject* aData, int aValue)>;
using TGridNotifyEvent = std::function<void(TGridTable& sender)>;

// One input table: typed columns with one cell per row, row limits, captions, a modified flag and the
// unit system its numbers are held in. A table enters the GridTableRegistry when constructed and
// leaves it when destroyed. `owner` is the table that holds this one as a sub-table (a link, not
// ownership: the owner's table column owns its sub-tables).
class TGridTable : public TRowObject {
public:
    explicit TGridTable(TGridTable* owner = nullptr);
    ~TGridTable() override;
    TGridTable(const TGridTable&) = delete;
    TGridTable& operator=(const TGridTable&) = delete;

    TGridTable* Owner() const { return m_owner; }

    // Published properties.
    int Identifier() const { return m_identifier; }
    // Negative values are ignored; a table already holding v gets this table's old value.
    void SetIdentifier(int v);
    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string caption) { m_caption = std::move(caption); }
    const std::string& Comments() const { return m_comments; }
    void SetComments(std::string comments) { m_comments = std::move(comments); }
    const std::string& TopLeft() const { return m_topLeft; }
    void SetTopLeft(std::string topLeft) { m_topLeft = std::move(topLeft); }
    int MinRows() const { return m_minRows; }
    // EQuavisError("Value must be greater than 0") for n <= 0, except while loading (then 1).
    void SetMinRows(int n);
    int MaxRows() const { return m_maxRows; }
    void SetMaxRows(int n) { m_maxRows = n; }
    int RowGroup() const { return m_rowGroup; }
    void SetRowGroup(int n) { m_rowGroup = n < 1 ? 1 : n; }
    const std::string& HelpPicture() const { return m_helpPicture; }
    void SetHelpPicture(std::string picture);
    bool HardwiredButton() const { return m_hardwiredButton; }
    void SetHardwiredButton(bool value) { m_hardwiredButton = value; }
    TGridFormParent* FormParent() const { return m_formParent; }
    void SetFormParent(TGridFormParent* parent) { m_formParent = parent; }
    // Set while the owner's definition is being read (the MinRows rule).
    bool IsLoading() const { return m_loading; }
    void SetLoading(bool loading) { m_loading = loading; }

    // Rows.
    int RowCount() const { return m_rowCount; }
    void SetRowCount(int n);
    void AddRowGroup();
    void InsertRowGroup(int row);
    void DeleteRowGroup(int row);

    // Columns.
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    TColumn& Column(int i) const; // EListError outside
    int IndexOfColumn(const TColumn* column) const;
    // Wires the column to this table and gives it cells for the existing rows (does not append it).
    void AttachColumn(TColumn& column);
    // AttachColumn, then appends the column.
    TColumn& AddColumn(std::unique_ptr<TColumn> column);
    int VisibleColumnCount() const;
    TColumn& VisibleColumn(int i) const; // EListError("Index out of bounds") outside
    int VisibleIndexOf(const TColumn* column) const;
    int HeaderRowCount() const;
    // Every table column gets one Templates entry per pick-list item of the first column.
    void SyncTableColumns();
    // Called by a pick-list column whose item list changed.
    void ItemListChanged(TColumn& column);

    // Cells.
    TData& Cell(int col, int row) const; // EListError outside
    bool IsValidCell(int col, int row) const;
    // Called by a column for every cell change.
    void ColumnCellChanged(TColumn& column, int row);
    void ColumnFocusCell(TColumn& column, int row);

    // Modified flag.
    bool IsChanged() const;
    void SetChanged(bool changed);
    void ResetChanged();

    // Units.
    int UnitSystem() const { return m_unitSystem; }
    void SetUnitSystem(int system);

    // Sub-tables.
    int SubTableNumber() const { return m_subTableNumber; }
    void SetSubTableNumber(int n);
    std::string NumberPath() const;
    // A new table owned by `owner` with the template's captions, row limits and cloned columns, holding
    // MinRows default rows.
    static std::unique_ptr<TGridTable> CreateFromTemplate(TGridTable* owner, int number, const TGridTable& templ);

    // Editor.
    void ShowEditor();
    void ShowEditorModal();
    void CloseEditor();
    void ReopenEditor();
    bool HasEditor() const { return m_editor != nullptr; }
    bool EditorIsModal() const { return m_editorModal; }
    TGridTableEditor* Editor() const { return m_editor.get(); }
    // The editor window was closed by the user: unbinds it, clears the notifications and the editor link
    // and hands the window back to its caller to destroy.
    std::unique_ptr<TGridTableEditor> EditorClosed();
    void BindEditor(TGridHostForm* hostForm, std::function<void(int col, int row)> onCellChange,
                    std::function<void()> onLayoutChange);
    void UnbindEditor();
    TGridHostForm* HostForm() const { return m_hostForm; }

    // Published events (none is assigned by the tables of the system).
    TGridRowEvent OnButtonClick;
    TGridGetCaptionEvent OnGetButtonCaption;
    TGridGetChangedEvent OnGetChanged;
    TGridRowEvent OnHide;
    TGridInitRowEvent OnInitRow;
    TGridRowEvent OnResetChanged;
    TGridSetRowEvent OnSetRow;
    TGridSetUnitsEvent OnSetUnits;
    TGridNotifyEvent OnResize;
    // Internal notifications, set by the bound editor.
    std::function<void()> OnLayoutChange;
    std::function<void(int col, int row)> OnCellChange;

    // Fires OnLayoutChange when assigned.
    void LayoutChanged();

private:
    void ShowEditorWindow(bool modal);
    void RemoveChild(TGridTable* child);

    TGridTable* m_owner;
    std::vector<TGridTable*> m_children; // tables made with this one as owner, still alive
    int m_identifier = 0;
    std::string m_caption;
    std::string m_comments;
    std::string m_topLeft;
    int m_minRows = 1;
    int m_maxRows = 0;
    int m_rowGroup = 1;
    std::string m_helpPicture;
    bool m_hardwiredButton = false;
    TGridFormParent* m_formParent = nullptr;
    bool m_loading = false;
    int m_rowCount = 0;
    bool m_changed = false;
    int m_unitSystem = 1;
    int m_subTableNumber = 0;
    std::vector<std::unique_ptr<TColumn>> m_columns;
    std::unique_ptr<TGridTableEditor> m_editor;
    bool m_editorModal = false;
    TGridHostForm* m_hostForm = nullptr;
};

} // namespace quavis

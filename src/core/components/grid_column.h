#pragma once

#include "components/grid_editor.h"
#include "components/grid_table_list.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quavis {

class TGridTable;
class TColumn;

// One cell. It knows only its column; its row is its current position in the column's cell list.
// Cells are created and destroyed with the rows: do not keep one across row insertion or deletion.
class TData {
public:
    explicit TData(TColumn& column) : m_column(&column) {}
    TData(const TData&) = delete;
    TData& operator=(const TData&) = delete;

    TColumn& Column() const { return *m_column; }
    int Row() const; // -1 when no longer in its column

    long double GetFloat() const;
    void SetFloat(long double x);
    int32_t GetInteger() const;
    void SetInteger(int32_t v);
    std::string GetText() const;
    void SetText(const std::string& text);
    TGridTable* GetTable() const;
    TRowObject* GetObject() const;

private:
    TColumn* m_column;
};

// A typed column of a grid table. Every column holds one cell per table row.
// Access of the wrong kind raises EQuavisError("Data of wrong type").
class TColumn {
public:
    explicit TColumn(TGridTable& table);
    virtual ~TColumn();
    TColumn(const TColumn&) = delete;
    TColumn& operator=(const TColumn&) = delete;

    // Key of the column class in the column stream: 0 enum, 1 int, 2 float, 3 table, 4 string.
    virtual int TypeKey() const = 0;
    // A new column of the same class for `table`, with the same definition fields and no cells.
    virtual std::unique_ptr<TColumn> Clone(TGridTable& table) const = 0;

    TGridTable& Table() const { return *m_table; }
    // Set by the table's AttachColumn; an unattached column reports no changes and has RowGroup 1.
    bool IsAttached() const { return m_attached; }
    void SetAttached(bool attached) { m_attached = attached; }
    // Index among all columns of its table; -1 when not (yet) one of them.
    int Index() const;

    // Definition fields common to every class.
    const std::vector<std::string>& Headers() const { return m_headers; }
    void SetHeaders(std::vector<std::string> headers) { m_headers = std::move(headers); }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    bool GroupWide() const { return m_groupWide; }
    void SetGroupWide(bool groupWide) { m_groupWide = groupWide; }

    // Rows.
    virtual void InsertCells(TGridTable& table, int at, int count);
    virtual void DeleteCell(int row);
    int RowCount() const { return static_cast<int>(m_cells.size()); }
    TData& Data(int row) const; // EListError outside the cells
    int IndexOfData(const TData* data) const;

    // Headers as shown.
    virtual int HeaderLineCount() const;
    virtual std::string HeaderLine(int i) const;

    // Cell access by row.
    virtual TGridTable* GetTable(int row) const;
    virtual long double GetFloat(int row) const;
    virtual void SetFloat(int row, long double x);
    virtual int32_t GetInteger(int row) const;
    virtual void SetInteger(int row, int32_t v);
    virtual TRowObject* GetObject(int row) const;
    virtual std::string GetText(int row) const;
    // Typed entry; errors are EAssignError and leave the cell unchanged.
    virtual void SetText(int row, const std::string& text);

    virtual bool IsChanged() const;
    virtual void ResetChanged();
    virtual void CloseEditors();
    virtual void SetUnitSystem(int system);
    int RowGroup() const;

    // Widest header line (each with two spaces appended) in pixels, at least the class minimum.
    virtual int PreferredWidth(const TGridCanvas& canvas) const;

    // Cell controls placed over the editor grid.
    virtual bool UsesControls() const { return false; }
    virtual bool ControlsAllocated() const { return false; }
    virtual int ControlCount() const { return 0; }
    virtual TGridControl& Control(int i) const;
    virtual void AllocateControls(TGridHostForm* parent, int topRow, int count);
    virtual void ReleaseControls() {}

    // Tells the table that a cell changed (no-op while unattached).
    void CellChanged(int row);
    // Asks the bound editor to move its current cell to this column and row.
    void FocusCell(int row);

protected:
    [[noreturn]] static void WrongType();
    void CheckRow(int row) const;
    // First row of the row group holding `row`, and the group size.
    int GroupStart(int row) const;
    // Copies the common definition fields into a clone.
    void CopyCommonTo(TColumn& other) const;
    std::vector<std::unique_ptr<TData>> m_cells;

private:
    TGridTable* m_table;
    bool m_attached = false;
    std::vector<std::string> m_headers;
    bool m_visible = true;
    bool m_groupWide = false;
};

// Pick list: each cell holds a 1-based item number; new cells hold 1.
class TEnumColumn : public TColumn {
public:
    explicit TEnumColumn(TGridTable& table);
    ~TEnumColumn() override;
    int TypeKey() const override { return 0; }
    std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

    const std::vector<std::string>& Items() const { return m_items; }
    // Changing the list of the table's first column resizes the templates of its table columns.
    void SetItems(std::vector<std::string> items);

    void InsertCells(TGridTable& table, int at, int count) override;
    void DeleteCell(int row) override;
    int32_t GetInteger(int row) const override;
    void SetInteger(int row, int32_t v) override;
    std::string GetText(int row) const override;
    void SetText(int row, const std::string& text) override;
    int PreferredWidth(const TGridCanvas& canvas) const override;

    bool UsesControls() const override { return true; }
    bool ControlsAllocated() const override { return m_parent != nullptr; }
    int ControlCount() const override { return static_cast<int>(m_controls.size()); }
    TGridControl& Control(int i) const override;
    TGridComboBox& ComboBox(int i) const;
    void AllocateControls(TGridHostForm* parent, int topRow, int count) override;
    void ReleaseControls() override;

private:
    void StoreInteger(int row, int32_t v);
    void ComboChanged(TGridComboBox* combo);
    void ComboEntered(TGridComboBox* combo);
    std::vector<std::string> m_items;
    std::vector<int32_t> m_values;
    TGridHostForm* m_parent = nullptr;
    std::vector<std::unique_ptr<TGridComboBox>> m_controls;
};

// 32-bit integers; new cells hold Default. MinValue/MaxValue bound typed entries only.
class TIntColumn : public TColumn {
public:
    explicit TIntColumn(TGridTable& table);
    int TypeKey() const override { return 1; }
    std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

    int32_t Default() const { return m_default; }
    void SetDefault(int32_t v) { m_default = v; }
    int32_t MinValue() const { return m_minValue; }
    void SetMinValue(int32_t v) { m_minValue = v; }
    int32_t MaxValue() const { return m_maxValue; }
    void SetMaxValue(int32_t v) { m_maxValue = v; }

    void InsertCells(TGridTable& table, int at, int count) override;
    void DeleteCell(int row) override;
    int32_t GetInteger(int row) const override;
    void SetInteger(int row, int32_t v) override;
    std::string GetText(int row) const override;
    void SetText(int row, const std::string& text) override;
    int PreferredWidth(const TGridCanvas& canvas) const override;

private:
    int32_t m_default = 0;
    int32_t m_minValue = INT32_MIN;
    int32_t m_maxValue = INT32_MAX;
    std::vector<int32_t> m_values;
};

// Extended floats held in the table's unit system. A TopDepth column and the float column after it
// form a pair of top and bottom depths: a row's top is the bottom of the row above.
class TFloatColumn : public TColumn {
public:
    explicit TFloatColumn(TGridTable& table);
    int TypeKey() const override { return 2; }
    std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

    bool TopDepth() const { return m_topDepth; }
    void SetTopDepth(bool topDepth) { m_topDepth = topDepth; }
    const std::string& ColumnUnits() const { return m_units; }
    void SetColumnUnits(std::string units) { m_units = std::move(units); }
    long double Default() const { return m_default; }
    void SetDefault(long double v) { m_default = v; }

    void InsertCells(TGridTable& table, int at, int count) override;
    void DeleteCell(int row) override;
    std::string HeaderLine(int i) const override;
    long double GetFloat(int row) const override;
    void SetFloat(int row, long double x) override;
    std::string GetText(int row) const override;
    void SetText(int row, const std::string& text) override;
    void SetUnitSystem(int system) override;
    int PreferredWidth(const TGridCanvas& canvas) const override;

    // Stores without any notification or pairing (used by the pair rules themselves).
    void StoreFloat(int row, long double x) { m_values.at(static_cast<size_t>(row)) = x; }

private:
    TFloatColumn* NextFloat() const;     // the bottoms of a TopDepth column; raises when not a float
    TFloatColumn* PreviousTopDepth() const; // the tops when this column holds bottoms
    bool m_topDepth = false;
    std::string m_units;
    long double m_default = 0.0L;
    std::vector<long double> m_values;
};

// One row object per row, normally a sub-table made from the template of the row's pick-list value.
class TTableColumn : public TColumn {
public:
    explicit TTableColumn(TGridTable& table);
    ~TTableColumn() override;
    int TypeKey() const override { return 3; }
    std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

    // One entry per pick-list item of the table's first column (one when it is not a pick list).
    TGridTableList& Templates() { return m_templates; }
    const TGridTableList& Templates() const { return m_templates; }

    void InsertCells(TGridTable& table, int at, int count) override;
    void DeleteCell(int row) override;
    TGridTable* GetTable(int row) const override;
    TRowObject* GetObject(int row) const override;
    bool IsChanged() const override;
    void ResetChanged() override;
    void CloseEditors() override;
    void SetUnitSystem(int system) override;
    int PreferredWidth(const TGridCanvas& canvas) const override;

    // Replaces the row's object by a fresh one from the template of the row's pick-list value.
    void CreateRowObject(int row);
    // Tells every row object from `from` on its (new) row number.
    void RenumberRows(int from);
    // "%d: %s" with row + 1 and the sub-table's caption.
    std::string ButtonCaption(int row) const;

    bool UsesControls() const override { return true; }
    bool ControlsAllocated() const override { return m_parent != nullptr; }
    int ControlCount() const override { return static_cast<int>(m_controls.size()); }
    TGridControl& Control(int i) const override;
    TGridButton& Button(int i) const;
    void AllocateControls(TGridHostForm* parent, int topRow, int count) override;
    void ReleaseControls() override;

private:
    void ButtonClicked(TGridButton* button);
    void UpdateButtonCaption(int row);
    TGridTableList m_templates;
    std::vector<std::unique_ptr<TRowObject>> m_objects;
    TGridHostForm* m_parent = nullptr;
    std::vector<std::unique_ptr<TGridButton>> m_controls;
};

// Free text; new cells hold Default.
class TStringColumn : public TColumn {
public:
    explicit TStringColumn(TGridTable& table);
    int TypeKey() const override { return 4; }
    std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

    const std::string& Default() const { return m_default; }
    void SetDefault(std::string v) { m_default = std::move(v); }
    long double WidthInches() const { return m_widthInches; }
    void SetWidthInches(long double v) { m_widthInches = v; }

    void InsertCells(TGridTable& table, int at, int count) override;
    void DeleteCell(int row) override;
    std::string GetText(int row) const override;
    void SetText(int row, const std::string& text) override;
    int PreferredWidth(const TGridCanvas& canvas) const override;

private:
    std::string m_default;
    long double m_widthInches = 1.0L;
    std::vector<std::string> m_values;
};

} // namespace quavis

#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

// What a grid table needs from the GUI, as small interfaces: the desktop program implements them with
// widgets; the Qt-free core and its tests use them without any toolkit.

namespace quavis {

class TGridTable;

// Something a table column may hold per row: normally a sub-table, possibly an object supplied by the
// table's OnInitRow event.
class TRowObject {
public:
    virtual ~TRowObject() = default;
};

// Text measuring for column widths.
class TGridCanvas {
public:
    virtual ~TGridCanvas() = default;
    virtual int TextWidth(const std::string& text) const = 0; // pixels
    virtual int PixelsPerInch() const = 0;                    // of the screen
};

// A control that a column places over the editor grid.
class TGridControl {
public:
    virtual ~TGridControl() = default;
    virtual void SetTag(int tag) = 0;
    virtual int Tag() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Visible() const = 0;
    virtual void BringToFront() = 0;
    virtual void SetBounds(int left, int top, int width, int height) = 0;
};

// Drop-down list of a pick-list column: pick-only, shows a fixed list of items.
class TGridComboBox : public TGridControl {
public:
    virtual void SetItems(const std::vector<std::string>& items) = 0;
    virtual void SetDropDownCount(int count) = 0;
    virtual void SetItemIndex(int index) = 0; // -1: nothing selected
    virtual int ItemIndex() const = 0;
    // The user picked another item.
    virtual void SetOnChange(std::function<void()> handler) = 0;
    // The list received the keyboard focus.
    virtual void SetOnEnter(std::function<void()> handler) = 0;
};

// Row button of a table column.
class TGridButton : public TGridControl {
public:
    virtual void SetCaption(const std::string& caption) = 0;
    virtual std::string Caption() const = 0;
    virtual void SetOnClick(std::function<void()> handler) = 0;
};

// The editor window while bound to its table: it parents the cell controls and owns the grid.
class TGridHostForm {
public:
    virtual ~TGridHostForm() = default;
    virtual std::unique_ptr<TGridComboBox> CreateComboBox() = 0;
    virtual std::unique_ptr<TGridButton> CreateButton() = 0;
    // Moves the grid's current cell (grid coordinates: column 0 holds row numbers, rows start after
    // the header rows).
    virtual void FocusCell(int gridColumn, int gridRow) = 0;
    // First table row shown and number of table rows shown.
    virtual int TopRow() const = 0;
    virtual int VisibleRowCount() const = 0;
};

// A window control in which an editor can be embedded (the table's FormParent).
class TGridFormParent {
public:
    virtual ~TGridFormParent() = default;
};

// The table editor window as the table sees it. The table owns it; destroying it closes the window.
class TGridTableEditor {
public:
    virtual ~TGridTableEditor() = default;
    // Shows the window; for a modal editor this returns when the window has been closed.
    virtual void Show() = 0;
    virtual void SetTitle(const std::string& title) = 0;
};

// Makes the editor window of a table (modal: for ShowEditorModal). May return none.
using TGridEditorFactory = std::function<std::unique_ptr<TGridTableEditor>(TGridTable& table, bool modal)>;

// Installs the process-wide editor factory (none: ShowEditor shows nothing).
void SetGridEditorFactory(TGridEditorFactory factory);
const TGridEditorFactory& GridEditorFactory();

} // namespace quavis

#pragma once

#include "components/grid_table.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quavis::test {

// Every character 7 pixels wide, 96 pixels per inch.
class FakeCanvas : public TGridCanvas {
public:
    int TextWidth(const std::string& text) const override { return 7 * static_cast<int>(text.size()); }
    int PixelsPerInch() const override { return 96; }
};

// Counts live controls so that tests can see them destroyed.
inline int& LiveControls()
{
    static int count = 0;
    return count;
}

template <class Base>
class FakeControl : public Base {
public:
    FakeControl() { ++LiveControls(); }
    ~FakeControl() override { --LiveControls(); }
    void SetTag(int tag) override { m_tag = tag; }
    int Tag() const override { return m_tag; }
    void SetVisible(bool visible) override { m_visible = visible; }
    bool Visible() const override { return m_visible; }
    void BringToFront() override { ++broughtToFront; }
    void SetBounds(int, int, int, int) override {}
    int broughtToFront = 0;

private:
    int m_tag = -1;
    bool m_visible = true;
};

class FakeComboBox : public FakeControl<TGridComboBox> {
public:
    void SetItems(const std::vector<std::string>& list) override { items = list; }
    void SetDropDownCount(int count) override { dropDownCount = count; }
    void SetItemIndex(int index) override { itemIndex = index; }
    int ItemIndex() const override { return itemIndex; }
    void SetOnChange(std::function<void()> handler) override { onChange = std::move(handler); }
    void SetOnEnter(std::function<void()> handler) override { onEnter = std::move(handler); }
    // What the user does.
    void Pick(int index)
    {
        itemIndex = index;
        onChange();
    }
    std::vector<std::string> items;
    int dropDownCount = 0;
    int itemIndex = -1;
    std::function<void()> onChange, onEnter;
};

class FakeButton : public FakeControl<TGridButton> {
public:
    void SetCaption(const std::string& text) override { caption = text; }
    std::string Caption() const override { return caption; }
    void SetOnClick(std::function<void()> handler) override { onClick = std::move(handler); }
    std::string caption;
    std::function<void()> onClick;
};

class FakeHostForm : public TGridHostForm {
public:
    std::unique_ptr<TGridComboBox> CreateComboBox() override
    {
        auto combo = std::make_unique<FakeComboBox>();
        combos.push_back(combo.get());
        return combo;
    }
    std::unique_ptr<TGridButton> CreateButton() override
    {
        auto button = std::make_unique<FakeButton>();
        buttons.push_back(button.get());
        return button;
    }
    void FocusCell(int gridColumn, int gridRow) override { focused.push_back({gridColumn, gridRow}); }
    int TopRow() const override { return topRow; }
    int VisibleRowCount() const override { return visibleRows; }

    int topRow = 0;
    int visibleRows = 1;
    std::vector<FakeComboBox*> combos;   // in creation order; may dangle once released
    std::vector<FakeButton*> buttons;
    std::vector<std::pair<int, int>> focused;
};

// Records what happens to editor windows made by the installed factory.
struct EditorLog {
    int created = 0;
    int destroyed = 0;
    int shown = 0;
    std::vector<bool> modal;
    std::vector<std::string> titles;
};

class FakeEditor : public TGridTableEditor {
public:
    FakeEditor(EditorLog& log, std::function<void()> onShow) : m_log(log), m_onShow(std::move(onShow))
    {
        ++m_log.created;
    }
    ~FakeEditor() override { ++m_log.destroyed; }
    void Show() override
    {
        ++m_log.shown;
        if (m_onShow) m_onShow();
    }
    void SetTitle(const std::string& title) override { m_log.titles.push_back(title); }

private:
    EditorLog& m_log;
    std::function<void()> m_onShow;
};

// Installs an editor factory for the life of the object; onShow runs inside Show (a modal window's loop).
class ScopedEditorFactory {
public:
    explicit ScopedEditorFactory(EditorLog& log, std::function<void(TGridTable&)> onShow = {})
    {
        SetGridEditorFactory([&log, onShow](TGridTable& table, bool modal) -> std::unique_ptr<TGridTableEditor> {
            log.modal.push_back(modal);
            std::function<void()> show;
            if (onShow) show = [onShow, &table] { onShow(table); };
            return std::make_unique<FakeEditor>(log, show);
        });
    }
    ~ScopedEditorFactory() { SetGridEditorFactory({}); }
    ScopedEditorFactory(const ScopedEditorFactory&) = delete;
    ScopedEditorFactory& operator=(const ScopedEditorFactory&) = delete;
};

// Column builders.
inline TFloatColumn& AddFloat(TGridTable& table, std::vector<std::string> headers, std::string units = "",
                              bool topDepth = false)
{
    auto& column = static_cast<TFloatColumn&>(table.AddColumn(std::make_unique<TFloatColumn>(table)));
    column.SetHeaders(std::move(headers));
    column.SetColumnUnits(std::move(units));
    column.SetTopDepth(topDepth);
    return column;
}

inline TEnumColumn& AddEnum(TGridTable& table, std::vector<std::string> items)
{
    auto& column = static_cast<TEnumColumn&>(table.AddColumn(std::make_unique<TEnumColumn>(table)));
    column.SetHeaders({"Load type"});
    column.SetItems(std::move(items));
    return column;
}

inline TTableColumn& AddTableColumn(TGridTable& table)
{
    auto& column = static_cast<TTableColumn&>(table.AddColumn(std::make_unique<TTableColumn>(table)));
    column.SetHeaders({"Load amplitude"});
    table.SyncTableColumns();
    return column;
}

// The amplitude template and a loading table whose every load type uses it, as the main window
// defines them.
struct LoadingTables {
    TGridTable amplitude;
    TGridTable loading;
    TEnumColumn* type = nullptr;
    TTableColumn* amplitudes = nullptr;

    explicit LoadingTables(int rows = 3)
    {
        amplitude.SetCaption("Load Amplitude");
        amplitude.SetTopLeft("Point");
        amplitude.SetMinRows(2);
        amplitude.SetMaxRows(50);
        AddFloat(amplitude, {"Time"}, "F5");
        AddFloat(amplitude, {"Amplitude"});
        loading.SetCaption("Transient Loading");
        type = &AddEnum(loading, {"Force in X-direction", "Force in Y-direction", "Force in Z-direction",
                                  "Moment about X-axis", "Moment about Y-axis", "Moment about Z-axis"});
        amplitudes = &AddTableColumn(loading);
        for (int i = 0; i < amplitudes->Templates().Count(); ++i) {
            amplitudes->Templates().Delete(i);
            amplitudes->Templates().InsertIdentifier(i, amplitude.Identifier());
        }
        loading.SetRowCount(rows);
    }
};

} // namespace quavis::test

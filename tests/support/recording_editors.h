#pragma once

#include <memory>
#include <string>
#include <vector>

#include "components/grid_editor.h"

namespace quavis::test {

// Records which tables asked for an editor window (and whether modal), and how often the windows were
// shown; the previous editor factory comes back when it goes.
class RecordingEditors {
public:
    RecordingEditors() : m_previous(GridEditorFactory())
    {
        SetGridEditorFactory([this](TGridTable& table, bool modal) -> std::unique_ptr<TGridTableEditor> {
            Made.push_back({&table, modal});
            return std::make_unique<TEditor>(Shown);
        });
    }
    ~RecordingEditors() { SetGridEditorFactory(m_previous); }
    RecordingEditors(const RecordingEditors&) = delete;
    RecordingEditors& operator=(const RecordingEditors&) = delete;

    struct TMade {
        TGridTable* Table;
        bool Modal;
    };
    std::vector<TMade> Made;
    int Shown = 0;

private:
    class TEditor : public TGridTableEditor {
    public:
        explicit TEditor(int& shown) : m_shown(shown) {}
        void Show() override { ++m_shown; }
        void SetTitle(const std::string&) override {}

    private:
        int& m_shown;
    };
    TGridEditorFactory m_previous;
};

} // namespace quavis::test

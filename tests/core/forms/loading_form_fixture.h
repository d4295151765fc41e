#pragma once

#include <memory>
#include <string>
#include <vector>

#include "components/grid_editor.h"
#include "forms/form_lifecycle.h"
#include "forms/harmonic_form.h"
#include "model/project.h"
#include "support/scripted_prompter.h"

namespace quavis::test {

// The fields of one loading form as the widget sets them up, bound to a project's model.
struct TLoadingFormFields {
    explicit TLoadingFormFields(const std::vector<TLoadingField>& fields) : Rules(fields.size())
    {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            fields[i].Apply(Rules[i]);
            fields[i].Bind(Rules[i], Lifecycle);
        }
    }
    TDataEditRules& Field(const std::vector<TLoadingField>& fields, const std::string& name)
    {
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (fields[i].Name == name) return Rules[i];
        ADD_FAILURE() << "no field " << name;
        return Rules.front();
    }

    TProject Project;
    ScriptedPrompter Prompter;
    TFormLifecycle Lifecycle{Project, Prompter};
    std::vector<TDataEditRules> Rules;
};

// Records which tables asked for an editor window, and how often each window was shown.
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

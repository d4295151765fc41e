#pragma once

#include <memory>
#include <string>
#include <vector>

#include "components/grid_editor.h"
#include "forms/form_lifecycle.h"
#include "forms/harmonic_form.h"
#include "model/project.h"
#include "support/recording_editors.h"
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

} // namespace quavis::test

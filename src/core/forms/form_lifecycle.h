#pragma once

#include <functional>
#include <vector>

#include "components/data_edit_rules.h"
#include "model/program_data.h"

namespace quavis {

class Prompter;
class TProject;

// The outcome of leaving or closing a form: when a field refuses, the form is shown again with the focus
// on that field and nothing reaches the model.
struct TFormCommitResult {
    bool Ok = true;
    TDataEditRules* Refused = nullptr;
};

// The life cycle every input form with numeric fields shares: activation loads the fields from the
// model, deactivation validates the focused field and stores every field, closing does the same and
// then reports the form closed, and every edit marks the project modified. The fields are bound to
// members of the model, so a model replaced by New or Open is followed.
class TFormLifecycle {
public:
    TFormLifecycle(TProject& project, Prompter& prompter);

    // `followsUnits`: the field shows its units in the project's unit system.
    void Bind(TDataEditRules& field, long double TProgramData::*member, bool followsUnits = true);
    // A field bound to an integer member (stored rounded).
    void Bind(TDataEditRules& field, int32_t TProgramData::*member, bool followsUnits = false);

    // FormActivate: Units := UnitSystem for the fields that follow it, Number := the model's value. The
    // widget blocks its change notifications meanwhile: loading is no edit.
    void Activate();
    // FormDeactivate: the focused field (none: nullptr) must pass its exit check; every field must hold a
    // value; then every field, shown or hidden, is stored and AfterStore runs.
    TFormCommitResult Deactivate(TDataEditRules* focused);
    // FormClose: the same; when it succeeds OnClosed runs (the main window clears its open flag).
    TFormCommitResult Close(TDataEditRules* focused);
    // Every field's number into the model, without the form's own step; refused (and reported) when a
    // field cannot be evaluated.
    TFormCommitResult StoreFields();
    // A field's change notification.
    void Changed();

    // The form's own step after the fields are stored.
    std::function<void()> AfterStore;
    std::function<void()> OnClosed;

    TProject& Project() { return m_project; }
    Prompter& GetPrompter() { return m_prompter; }

private:
    struct TBinding {
        TDataEditRules* Field;
        std::function<long double(const TProgramData&)> Load;
        std::function<void(TProgramData&, long double)> Store;
        bool FollowsUnits;
    };

    TProject& m_project;
    Prompter& m_prompter;
    std::vector<TBinding> m_bindings;
};

} // namespace quavis

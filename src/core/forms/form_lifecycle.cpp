#include "forms/form_lifecycle.h"

#include "components/errors.h"
#include "model/project.h"
#include "shell/prompter.h"

#include <cmath>

namespace quavis {

TFormLifecycle::TFormLifecycle(TProject& project, Prompter& prompter) : m_project(project), m_prompter(prompter) {}

void TFormLifecycle::Bind(TDataEditRules& field, long double TProgramData::*member, bool followsUnits)
{
    m_bindings.push_back({&field, [member](const TProgramData& d) { return d.*member; },
                          [member](TProgramData& d, long double x) { d.*member = x; }, followsUnits});
}

void TFormLifecycle::Bind(TDataEditRules& field, int32_t TProgramData::*member, bool followsUnits)
{
    m_bindings.push_back({&field, [member](const TProgramData& d) { return static_cast<long double>(d.*member); },
                          [member](TProgramData& d, long double x) {
                              // The field's integer limits keep x within 32 bits.
                              d.*member = static_cast<int32_t>(std::nearbyint(x));
                          },
                          followsUnits});
}

void TFormLifecycle::Activate()
{
    const TProgramData& data = m_project.ProgramData();
    for (const TBinding& b : m_bindings) {
        if (b.FollowsUnits) b.Field->SetUnits(data.UnitSystem);
        b.Field->SetNumber(b.Load(data));
    }
}

TFormCommitResult TFormLifecycle::Deactivate(TDataEditRules* focused)
{
    if (focused && !focused->Validate(m_prompter)) return {false, focused};
    const TFormCommitResult stored = StoreFields();
    if (stored.Ok && AfterStore) AfterStore();
    return stored;
}

TFormCommitResult TFormLifecycle::StoreFields()
{
    // A field left with a faulty entry (its check failed and the user went elsewhere) would make the
    // store fail half-way: check them all before anything reaches the model.
    std::vector<long double> values;
    values.reserve(m_bindings.size());
    for (const TBinding& b : m_bindings) {
        try {
            values.push_back(b.Field->Number());
        } catch (const EQuavisError&) {
            b.Field->Validate(m_prompter);
            return {false, b.Field};
        }
    }
    TProgramData& data = m_project.ProgramData();
    for (std::size_t i = 0; i < m_bindings.size(); ++i) m_bindings[i].Store(data, values[i]);
    return {};
}

TFormCommitResult TFormLifecycle::Close(TDataEditRules* focused)
{
    const TFormCommitResult result = Deactivate(focused);
    if (result.Ok && OnClosed) OnClosed();
    return result;
}

void TFormLifecycle::Changed() { m_project.SetModified(true); }

} // namespace quavis

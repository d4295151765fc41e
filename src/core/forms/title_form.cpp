#include "forms/title_form.h"

#include "model/project.h"

namespace quavis {

void TTitleFormLogic::FormActivate() { m_memo = m_project.ProgramData().Title; }

void TTitleFormLogic::FormDeactivate()
{
    std::string& title = m_project.ProgramData().Title;
    if (m_memo == title) return;
    title = m_memo;
    m_project.SetModified(true);
}

void TTitleFormLogic::FormClose()
{
    FormDeactivate();
    if (OnClosed) OnClosed();
}

} // namespace quavis

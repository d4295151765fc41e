#include "forms/title_form.h"

#include "model/project.h"

namespace quavis {

void TTitleFormLogic::SetMemo(const std::string& text)
{
    // A line break in the title would end the TITLE line of the project file and make the rest of it an
    // unknown keyword line.
    std::string memo;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            c = ' ';
        }
        // Characters, not bytes: a continuation byte belongs to the character before it.
        const bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        if (!continuation && characters++ == MaxLength) break;
        memo.push_back(c);
    }
    m_memo = std::move(memo);
}

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

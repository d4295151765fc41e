#include "graph/page_setup_dialog.h"

#include <algorithm>
#include <exception>

namespace quavis {

std::uint32_t PageSetupDialogFlag(TPageSetupFlags option)
{
    switch (option) {
    case poDefaultMinMargins: return 0x0;
    case poDisableMargins: return 0x10;
    case poMargins: return 0x2;
    case poMinMargins: return 0x1;
    case poDisableOrientation: return 0x100;
    case poDisablePaper: return 0x200;
    case poDisablePrinter: return 0x20;
    case poHundredthsOfMillimeters: return 0x8;
    case poThousandthsOfInches: return 0x4;
    }
    return 0;
}

void TPageSetupDialog::SetOptions(TPageOptions v)
{
    const TPageOptions o = m_options;
    const auto added = [&](TPageSetupFlags f) { return v.Contains(f) && !o.Contains(f); };
    if (added(poDefaultMinMargins)) v.Exclude(poMinMargins);
    if (added(poMinMargins)) v.Exclude(poDefaultMinMargins);
    if (added(poHundredthsOfMillimeters)) v.Exclude(poThousandthsOfInches);
    if (added(poThousandthsOfInches)) v.Exclude(poHundredthsOfMillimeters);
    m_options = v;
}

std::uint32_t TPageSetupDialog::DialogFlags() const
{
    std::uint32_t flags = 0;
    for (int f = poDefaultMinMargins; f <= poThousandthsOfInches; ++f) {
        const auto option = static_cast<TPageSetupFlags>(f);
        if (m_options.Contains(option)) flags |= PageSetupDialogFlag(option);
    }
    return flags;
}

void TPageSetupDialog::SetMarginLeft(int value) { m_margins.left = std::max(value, m_minMargins.left); }
void TPageSetupDialog::SetMarginTop(int value) { m_margins.top = std::max(value, m_minMargins.top); }
void TPageSetupDialog::SetMarginRight(int value) { m_margins.right = std::max(value, m_minMargins.right); }
void TPageSetupDialog::SetMarginBottom(int value) { m_margins.bottom = std::max(value, m_minMargins.bottom); }

void TPageSetupDialog::SetMinMarginLeft(int value) { m_minMargins.left = std::min(value, m_margins.left); }
void TPageSetupDialog::SetMinMarginTop(int value) { m_minMargins.top = std::min(value, m_margins.top); }
void TPageSetupDialog::SetMinMarginRight(int value) { m_minMargins.right = std::min(value, m_margins.right); }
void TPageSetupDialog::SetMinMarginBottom(int value) { m_minMargins.bottom = std::min(value, m_margins.bottom); }

bool TPageSetupDialog::Execute(TPageSetupHost& host)
{
    try {
        const PageSetupRequest request{DialogFlags() | kPageSetupEnableHook, m_margins, m_minMargins};
        const PageSetupReply reply = host.RunPageSetup(request);
        if (!reply.confirmed) return false;
        m_paperLength = reply.paperLength;
        m_paperWidth = reply.paperWidth;
        SetMarginLeft(reply.margins.left);
        SetMarginTop(reply.margins.top);
        SetMarginRight(reply.margins.right);
        SetMarginBottom(reply.margins.bottom);
        return true;
    } catch (const std::exception& e) {
        host.ShowMessage(PageSetupErrorText("TPageSetupDialog.Execute", e.what()));
        return false;
    }
}

std::string PageSetupErrorText(std::string_view where, std::string_view what)
{
    return "Error in " + std::string(where) + "\r" + std::string(what);
}

DevicePoint CenterDialogPosition(DeviceSize screen, DeviceSize window)
{
    return {(screen.width - window.width) / 2, (screen.height - window.height) / 3};
}

} // namespace quavis

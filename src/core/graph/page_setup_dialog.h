#pragma once

#include "graph/plot_types.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quavis {

// Options of the page setup, in declaration order.
enum TPageSetupFlags {
    poDefaultMinMargins,
    poDisableMargins,
    poMargins,
    poMinMargins,
    poDisableOrientation,
    poDisablePaper,
    poDisablePrinter,
    poHundredthsOfMillimeters,
    poThousandthsOfInches,
};

// A set of TPageSetupFlags.
class TPageOptions {
public:
    constexpr TPageOptions() = default;
    constexpr TPageOptions(std::initializer_list<TPageSetupFlags> flags)
    {
        for (const TPageSetupFlags f : flags) m_bits |= Bit(f);
    }
    constexpr bool Contains(TPageSetupFlags f) const { return (m_bits & Bit(f)) != 0; }
    constexpr void Include(TPageSetupFlags f) { m_bits |= Bit(f); }
    constexpr void Exclude(TPageSetupFlags f) { m_bits &= static_cast<std::uint16_t>(~Bit(f)); }
    constexpr bool Empty() const { return m_bits == 0; }
    friend constexpr bool operator==(const TPageOptions&, const TPageOptions&) = default;

private:
    static constexpr std::uint16_t Bit(TPageSetupFlags f) { return static_cast<std::uint16_t>(1u << f); }
    std::uint16_t m_bits = 0;
};

// Flag of the system page setup dialog that an option contributes (poDefaultMinMargins: none).
std::uint32_t PageSetupDialogFlag(TPageSetupFlags option);
// Added to every call: switches the dialog's hook (placement) on.
inline constexpr std::uint32_t kPageSetupEnableHook = 0x2000;

// What the dialog is started with and what it returns.
struct PageSetupRequest {
    std::uint32_t flags = 0;
    PageMargins margins;
    PageMargins minMargins;
};
struct PageSetupReply {
    bool confirmed = false;
    int paperWidth = 0;
    int paperLength = 0;
    PageMargins margins;
};

// The system side of the page setup: runs the dialog for the current printer modally, and shows the
// component's failure messages. The desktop program implements it.
class TPageSetupHost {
public:
    virtual ~TPageSetupHost() = default;
    virtual PageSetupReply RunPageSetup(const PageSetupRequest& request) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
};

// The page setup component of a plot window: options, margins and their minimums, the paper size of the
// last confirmed dialog. Margins never fall below their minimums.
class TPageSetupDialog {
public:
    TPageSetupDialog() = default; // [poDefaultMinMargins, poHundredthsOfMillimeters], zero margins

    TPageOptions Options() const { return m_options; }
    // Of each pair (default or given minimum margins; millimetres or inches) a newly added member wins;
    // when both members are new, poDefaultMinMargins and poHundredthsOfMillimeters win.
    void SetOptions(TPageOptions options);
    // OR of the flags of the options held.
    std::uint32_t DialogFlags() const;

    int MarginLeft() const { return m_margins.left; }
    int MarginTop() const { return m_margins.top; }
    int MarginRight() const { return m_margins.right; }
    int MarginBottom() const { return m_margins.bottom; }
    // Each stores max(value, its minimum margin).
    void SetMarginLeft(int value);
    void SetMarginTop(int value);
    void SetMarginRight(int value);
    void SetMarginBottom(int value);
    const PageMargins& Margins() const { return m_margins; }

    int MinMarginLeft() const { return m_minMargins.left; }
    int MinMarginTop() const { return m_minMargins.top; }
    int MinMarginRight() const { return m_minMargins.right; }
    int MinMarginBottom() const { return m_minMargins.bottom; }
    // Each stores min(value, its margin).
    void SetMinMarginLeft(int value);
    void SetMinMarginTop(int value);
    void SetMinMarginRight(int value);
    void SetMinMarginBottom(int value);
    const PageMargins& MinMargins() const { return m_minMargins; }

    int PaperLength() const { return m_paperLength; }
    int PaperWidth() const { return m_paperWidth; }

    // Runs the dialog with the options, margins and minimums. Confirmed: keeps the paper size and stores the
    // returned margins through the setters, true. Cancelled: nothing changes, false. A failure is shown
    // as "Error in TPageSetupDialog.Execute\r<text>" and gives false.
    bool Execute(TPageSetupHost& host);

private:
    TPageOptions m_options{poDefaultMinMargins, poHundredthsOfMillimeters};
    PageMargins m_margins;
    PageMargins m_minMargins;
    int m_paperLength = 0;
    int m_paperWidth = 0;
};

// "Error in <where>\r<what>", the form of every page setup failure message.
std::string PageSetupErrorText(std::string_view where, std::string_view what);

// Top-left corner that centres a dialog horizontally and puts it at one third of the screen's height.
DevicePoint CenterDialogPosition(DeviceSize screen, DeviceSize window);

} // namespace quavis

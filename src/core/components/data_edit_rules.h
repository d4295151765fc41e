#pragma once

#include <functional>
#include <string>

namespace quavis {

class Prompter;

// Why an exit check failed.
enum class TEntryFailure {
    None,      // passed
    Entry,     // the text could not be evaluated
    Integer,   // an integer-only field holds a fraction (EIntError)
    Min,       // below MinVal (EMinError); the field now holds MinVal
    Max,       // above MaxVal (EMaxError); the field now holds MaxVal
    Math,      // an arithmetic fault of the evaluator (division by zero, overflow, ...)
};

// The outcome of leaving a field: on failure, the message for the information box and the request to put
// the focus back on the field.
struct TExitCheckResult {
    TEntryFailure Failure = TEntryFailure::None;
    std::string Message;
    bool Ok() const { return Failure == TEntryFailure::None; }
    bool ReturnFocus() const { return !Ok(); }
};

// A selection in the field's text, in characters.
struct TTextSelection {
    int Start = 0;
    int Length = 0;
};

// What a key press does before the toolkit sees it.
struct TKeyOutcome {
    bool Consumed = false;          // the key must not reach the text (Enter)
    bool Checked = false;           // the exit check ran (Enter); its outcome is in Check
    TExitCheckResult Check;
    TTextSelection Selection;       // the selection the field takes before the key is inserted
};

// The rules of the numeric entry field without its widget: the text, the value and its limits, the
// integer-only and hexadecimal modes, the companion label's text, the exit check and the key handling.
// The widget mirrors Text() into its edit control, feeds typed text back with SetText, and shows
// the outcome of the exit check.
class TDataEditRules {
public:
    static constexpr const char* IntegerEntryMessage = "Entry must be a valid integer.";
    static constexpr const char* IntegerMessage = "Entry must be an integer.";
    static constexpr const char* MinMessage = "Entry must be greater than or equal to ";
    static constexpr const char* MaxMessage = "Entry must be less than or equal to ";
    static constexpr int Digits = 18;

    TDataEditRules();

    // The field's text as typed or as last formatted.
    const std::string& Text() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }

    // While the form is being loaded the setters store values without clamping.
    bool Loading() const { return m_loading; }
    void SetLoading(bool loading) { m_loading = loading; }

    // Evaluates the text; raises the evaluator's EAssignError (or EMathError) for a text it cannot take.
    long double Number() const;
    // Clamped to the limits (unless loading), then formatted into the text.
    void SetNumber(long double x);

    long double MinVal() const { return m_minVal; }
    void SetMinVal(long double x);
    long double MaxVal() const { return m_maxVal; }
    void SetMaxVal(long double x);
    bool IntegerOnly() const { return m_integerOnly; }
    void SetIntegerOnly(bool value);
    bool Hex() const { return m_hex; }
    void SetHex(bool value) { m_hex = value; }

    // The companion label.
    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string caption) { m_caption = std::move(caption); }
    const std::string& UnitsString() const { return m_unitsString; }
    void SetUnitsString(std::string units) { m_unitsString = std::move(units); }
    int Units() const { return m_units; }
    void SetUnits(int units); // clamped to 1..3
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    // The unit string with its labels substituted for Units.
    std::string ShownUnits() const;
    // The label's caption: Caption, followed by the shown units in parentheses when there are units.
    std::string LabelCaption() const;

    // The form's own exit handler, run at the start of every exit check.
    std::function<void()> OnExit;

    // The check run when the field is left: evaluates the text, checks it against the integer rule and
    // the limits and, when it passes, replaces the text by the formatted value. A value beyond a limit
    // puts the limit into the field.
    TExitCheckResult ExitCheck();
    // The exit check with its message shown; returns whether the field now holds a valid entry.
    bool Validate(Prompter& prompter);
    bool IsValid() const { return m_valid; }

    // A typed key (Enter is '\r' or '\n') with the field's current selection.
    TKeyOutcome KeyPress(char key, TTextSelection selection);

    // The text the field shows for x in the given mode.
    static std::string FormatValue(long double x, bool hex);
    // The unit string with at most one force and one length code substituted, in system 1 or 2;
    // system 3 gives it unchanged.
    static std::string ShownUnitsOf(const std::string& units, int system);

private:
    std::string Format(long double x) const { return FormatValue(x, m_hex); }

    std::string m_text = "0";
    bool m_loading = false;
    long double m_minVal;
    long double m_maxVal;
    bool m_integerOnly = false;
    bool m_hex = false;
    std::string m_caption;
    std::string m_unitsString;
    int m_units = 1;
    bool m_enabled = true;
    bool m_valid = false;
};

} // namespace quavis

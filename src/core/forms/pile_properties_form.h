#pragma once

#include <string>
#include <vector>

#include "components/data_edit_rules.h"
#include "forms/form_lifecycle.h"

namespace quavis {

// The pile and multilayer property forms: "Pile Properties" (pile projects, with the three choice
// boxes) and "Foundation Properties" (multilayer projects), over the same ten model fields.
enum class TPilePropertiesKind { Pile, Multilayer };

class TPilePropertiesLogic {
public:
    TPilePropertiesLogic(TPilePropertiesKind kind, TProject& project, Prompter& prompter);

    const char* Caption() const;
    bool HasChoices() const { return m_kind == TPilePropertiesKind::Pile; }

    // DataEdit1 .. DataEdit10.
    TDataEditRules Fields[10];

    static const std::vector<std::string>& HeadItems();        // ComboBox1
    static const std::vector<std::string>& TipItems();         // ComboBox2
    static const std::vector<std::string>& InteractionItems(); // ComboBox3

    // The choice boxes' texts, as shown.
    std::string ComboBox1, ComboBox2, ComboBox3;

    // Loads the fields and stores their numbers back at once, so that the model holds the values as the
    // fields show them; the choices show the texts of the model's flags.
    void FormActivate();
    // A choice changed: its text becomes the model's text and sets the flag; the project is modified.
    void ComboBox1Change(const std::string& text);
    void ComboBox2Change(const std::string& text);
    void ComboBox3Change(const std::string& text);
    TFormCommitResult FormDeactivate(TDataEditRules* focused) { return m_lifecycle.Deactivate(focused); }
    TFormCommitResult FormClose(TDataEditRules* focused) { return m_lifecycle.Close(focused); }
    void FieldChanged() { m_lifecycle.Changed(); }
    TFormLifecycle& Lifecycle() { return m_lifecycle; }

private:
    void FlagsFromTexts();

    TPilePropertiesKind m_kind;
    TProject& m_project;
    TFormLifecycle m_lifecycle;
};

} // namespace quavis

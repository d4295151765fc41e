#pragma once

#include <limits>
#include <string>
#include <vector>

#include "components/data_edit_rules.h"
#include "forms/form_lifecycle.h"

namespace quavis {

// The pile and multilayer property forms: "Pile Properties" (pile projects, with the three choice
// boxes) and "Foundation Properties" (multilayer projects), over the same ten model fields.
enum class TPilePropertiesKind { Pile, Multilayer };

inline constexpr int PilePropertiesFieldCount = 10;

struct TPilePropertiesFieldDefinition {
    const char* Name; // DataEdit1 .. DataEdit10
    const char* Caption;
    const char* Units;
    long double TProgramData::*Member;
    long double MinVal = -std::numeric_limits<long double>::max();
    long double MaxVal = std::numeric_limits<long double>::max();
};

TPilePropertiesFieldDefinition PilePropertiesField(TPilePropertiesKind kind, int index);
const char* PilePropertiesCaption(TPilePropertiesKind kind);
// Caption, units and limits of a field.
void SetupPilePropertiesField(TPilePropertiesKind kind, int index, TDataEditRules& rules);

// Texts of the pile properties form around its fields.
inline constexpr const char* PileCapBaseGroupCaption = "Global Coordinates of Center of Pile Cap Base ";
inline constexpr const char* ShearRigidityNote = "(use 1.334 for solid circular sections; use 1.52 for rectangular sections)";
inline constexpr const char* PileHeadLabel = "The connection between the pile cap and pile head";
inline constexpr const char* PileTipLabel = "Select either floating piles or  end-bearing piles";
inline constexpr const char* InteractionLabel = "Consider the interaction of pile-soil-pile ";

// The three choice boxes of the pile properties form: pile head connection, pile tip condition and
// pile-soil-pile interaction. The model keeps a text and a flag for each; the flag is what the project
// file holds, so the texts are made from the flags when the form is shown.
class TPileChoices {
public:
    explicit TPileChoices(TProject& project) : m_project(project) {}

    static const std::vector<std::string>& HeadItems();        // ComboBox1
    static const std::vector<std::string>& TipItems();         // ComboBox2
    static const std::vector<std::string>& InteractionItems(); // ComboBox3

    // The choice boxes' texts, as shown.
    std::string ComboBox1, ComboBox2, ComboBox3;

    // The model's texts from its flags, and the boxes show them.
    void Load();
    // A choice changed: its text becomes the model's text and sets the flag (a text not in the list
    // leaves it); the project is modified.
    void ComboBox1Change(const std::string& text);
    void ComboBox2Change(const std::string& text);
    void ComboBox3Change(const std::string& text);
    // On leaving the form: each flag again from its model text.
    void FlagsFromTexts();

private:
    TProject& m_project;
};

// A pile or multilayer properties form without widgets: its ten fields, its life cycle and, for piles,
// its choices.
class TPilePropertiesLogic {
public:
    TPilePropertiesLogic(TPilePropertiesKind kind, TProject& project, Prompter& prompter);

    const char* Caption() const { return PilePropertiesCaption(m_kind); }
    bool HasChoices() const { return m_kind == TPilePropertiesKind::Pile; }

    // DataEdit1 .. DataEdit10.
    TDataEditRules Fields[PilePropertiesFieldCount];
    TPileChoices& Choices() { return m_choices; }

    // Loads the fields and stores their numbers back at once, so that the model holds the values as the
    // fields show them; the choices show the texts of the model's flags.
    void FormActivate();
    TFormCommitResult FormDeactivate(TDataEditRules* focused) { return m_lifecycle.Deactivate(focused); }
    TFormCommitResult FormClose(TDataEditRules* focused) { return m_lifecycle.Close(focused); }
    void FieldChanged() { m_lifecycle.Changed(); }
    TFormLifecycle& Lifecycle() { return m_lifecycle; }

private:
    TPilePropertiesKind m_kind;
    TFormLifecycle m_lifecycle;
    TPileChoices m_choices;
};

} // namespace quavis

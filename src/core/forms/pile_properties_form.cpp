#include "forms/pile_properties_form.h"

#include "model/program_data.h"
#include "model/project.h"

namespace quavis {

namespace {

struct TFieldText {
    const char* pileCaption;
    const char* multilayerCaption;
    const char* units;
    long double TProgramData::*member;
};

const TFieldText kFields[PilePropertiesFieldCount] = {
    {"X Coordinate (Xc) ", "Distance from center of foundation base to center of gravity (Xc) ", "L2",
     &TProgramData::BaseX},
    {"Y Coordinate (Yc)", "Distance from center of foundation base to center of gravity (Yc)", "L2",
     &TProgramData::BaseY},
    {"Z Coordinate (Zc)", "Height of center of gravity of foundation from the base (Zc)", "L2", &TProgramData::BaseZ},
    {"Unit weight of pile", "Unit weight of pile", "F/L2^3", &TProgramData::PileUnitWeight},
    {"Poisson's ratio of the pile", "Poisson's ratio of the pile", "", &TProgramData::PilePoisson},
    {"Material damping of the pile", "Material damping of the pile", "", &TProgramData::PileDamping},
    {"&Elastic modulus of the pile ", "&Elastic modulus of the pile ", "F/L2^2", &TProgramData::PileElasticModulus},
    {"Total length of pile", "Total length of pile", "L2", &TProgramData::PileLength},
    {"Cross-sectional coefficient of rigidity for the effect of shear", "Cross-sectional coefficient of rigidity", "",
     &TProgramData::ShearRigidityCoefficient},
    {"Static load on foundation", "Static load on foundation", "F", &TProgramData::StaticLoad},
};

const char* const kNames[PilePropertiesFieldCount] = {"DataEdit1", "DataEdit2", "DataEdit3", "DataEdit4",
                                                      "DataEdit5", "DataEdit6", "DataEdit7", "DataEdit8",
                                                      "DataEdit9", "DataEdit10"};

// The flag of a text of the list (the list's order gives the flags), or the flag unchanged.
void SetFlag(int32_t& flag, const std::string& text, const std::vector<std::string>& items,
             const std::vector<int32_t>& flags)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        if (text == items[i]) flag = flags[i];
}

const std::vector<int32_t> kHeadFlags = {FixedPileHead, PinnedPileHead};
const std::vector<int32_t> kTipFlags = {FloatingPiles, EndBearingPiles};
const std::vector<int32_t> kInteractionFlags = {1, 0};

} // namespace

TPilePropertiesFieldDefinition PilePropertiesField(TPilePropertiesKind kind, int index)
{
    const TFieldText& t = kFields[index];
    TPilePropertiesFieldDefinition d{kNames[index], kind == TPilePropertiesKind::Pile ? t.pileCaption : t.multilayerCaption,
                                     t.units, t.member};
    if (index == 7 || index == 8) {
        d.MinVal = -2147483648.0L;
        d.MaxVal = 2147483647.0L;
    } else if (index == 9) {
        d.MaxVal = 2147483647000.0L;
    }
    return d;
}

const char* PilePropertiesCaption(TPilePropertiesKind kind)
{
    return kind == TPilePropertiesKind::Pile ? "Pile Properties" : "Foundation Properties";
}

void SetupPilePropertiesField(TPilePropertiesKind kind, int index, TDataEditRules& rules)
{
    const TPilePropertiesFieldDefinition d = PilePropertiesField(kind, index);
    rules.SetCaption(d.Caption);
    rules.SetUnitsString(d.Units);
    rules.SetMinVal(d.MinVal);
    rules.SetMaxVal(d.MaxVal);
}

const std::vector<std::string>& TPileChoices::HeadItems()
{
    static const std::vector<std::string> items = {"FIXED", "PINNED"};
    return items;
}

const std::vector<std::string>& TPileChoices::TipItems()
{
    static const std::vector<std::string> items = {"Floating Piles", "End-Bearing Piles"};
    return items;
}

const std::vector<std::string>& TPileChoices::InteractionItems()
{
    static const std::vector<std::string> items = {"Yes", "No"};
    return items;
}

void TPileChoices::Load()
{
    TProgramData& d = m_project.ProgramData();
    d.PileHeadText = d.PileHeadFixed == FixedPileHead ? "FIXED" : "PINNED";
    d.PileTipText = d.EndBearing == FloatingPiles ? "Floating Piles" : "End-Bearing Piles";
    d.InteractionText = d.PileInteraction == 0 ? "No" : "Yes";
    ComboBox1 = d.PileHeadText;
    ComboBox2 = d.PileTipText;
    ComboBox3 = d.InteractionText;
}

// Every edit marks the project modified, a changed choice as well as a typed number.
void TPileChoices::ComboBox1Change(const std::string& text)
{
    TProgramData& d = m_project.ProgramData();
    ComboBox1 = d.PileHeadText = text;
    SetFlag(d.PileHeadFixed, text, HeadItems(), kHeadFlags);
    m_project.SetModified(true);
}

void TPileChoices::ComboBox2Change(const std::string& text)
{
    TProgramData& d = m_project.ProgramData();
    ComboBox2 = d.PileTipText = text;
    SetFlag(d.EndBearing, text, TipItems(), kTipFlags);
    m_project.SetModified(true);
}

void TPileChoices::ComboBox3Change(const std::string& text)
{
    TProgramData& d = m_project.ProgramData();
    ComboBox3 = d.InteractionText = text;
    SetFlag(d.PileInteraction, text, InteractionItems(), kInteractionFlags);
    m_project.SetModified(true);
}

void TPileChoices::FlagsFromTexts()
{
    TProgramData& d = m_project.ProgramData();
    SetFlag(d.PileHeadFixed, d.PileHeadText, HeadItems(), kHeadFlags);
    SetFlag(d.EndBearing, d.PileTipText, TipItems(), kTipFlags);
    SetFlag(d.PileInteraction, d.InteractionText, InteractionItems(), kInteractionFlags);
}

TPilePropertiesLogic::TPilePropertiesLogic(TPilePropertiesKind kind, TProject& project, Prompter& prompter)
    : m_kind(kind), m_lifecycle(project, prompter), m_choices(project)
{
    for (int i = 0; i < PilePropertiesFieldCount; ++i) {
        SetupPilePropertiesField(kind, i, Fields[i]);
        m_lifecycle.Bind(Fields[i], PilePropertiesField(kind, i).Member);
    }
    if (HasChoices()) m_lifecycle.AfterStore = [this] { m_choices.FlagsFromTexts(); };
}

void TPilePropertiesLogic::FormActivate()
{
    m_lifecycle.Activate();
    m_lifecycle.StoreFields();
    if (HasChoices()) m_choices.Load();
}

} // namespace quavis

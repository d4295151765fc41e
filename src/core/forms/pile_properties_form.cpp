#include "forms/pile_properties_form.h"

#include "model/program_data.h"
#include "model/project.h"

namespace quavis {

namespace {

struct TFieldDefinition {
    const char* pileCaption;
    const char* multilayerCaption;
    const char* units;
    long double TProgramData::*member;
};

const TFieldDefinition kFields[10] = {
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

const std::vector<std::string>& TPilePropertiesLogic::HeadItems()
{
    static const std::vector<std::string> items = {"FIXED", "PINNED"};
    return items;
}

const std::vector<std::string>& TPilePropertiesLogic::TipItems()
{
    static const std::vector<std::string> items = {"Floating Piles", "End-Bearing Piles"};
    return items;
}

const std::vector<std::string>& TPilePropertiesLogic::InteractionItems()
{
    static const std::vector<std::string> items = {"Yes", "No"};
    return items;
}

TPilePropertiesLogic::TPilePropertiesLogic(TPilePropertiesKind kind, TProject& project, Prompter& prompter)
    : m_kind(kind), m_project(project), m_lifecycle(project, prompter)
{
    for (int i = 0; i < 10; ++i) {
        const TFieldDefinition& def = kFields[i];
        Fields[i].SetCaption(kind == TPilePropertiesKind::Pile ? def.pileCaption : def.multilayerCaption);
        Fields[i].SetUnitsString(def.units);
        m_lifecycle.Bind(Fields[i], def.member);
    }
    for (int i : {7, 8}) {
        Fields[i].SetMinVal(-2147483648.0L);
        Fields[i].SetMaxVal(2147483647.0L);
    }
    Fields[9].SetMaxVal(2147483647000.0L);
    if (HasChoices()) m_lifecycle.AfterStore = [this] { FlagsFromTexts(); };
}

const char* TPilePropertiesLogic::Caption() const
{
    return m_kind == TPilePropertiesKind::Pile ? "Pile Properties" : "Foundation Properties";
}

void TPilePropertiesLogic::FormActivate()
{
    m_lifecycle.Activate();
    m_lifecycle.StoreFields();
    if (!HasChoices()) return;
    TProgramData& d = m_project.ProgramData();
    d.PileHeadText = d.PileHeadFixed == FixedPileHead ? "FIXED" : "PINNED";
    d.PileTipText = d.EndBearing == FloatingPiles ? "Floating Piles" : "End-Bearing Piles";
    d.InteractionText = d.PileInteraction == 0 ? "No" : "Yes";
    ComboBox1 = d.PileHeadText;
    ComboBox2 = d.PileTipText;
    ComboBox3 = d.InteractionText;
}

// Every edit marks the project modified, a changed choice as well as a typed number.
void TPilePropertiesLogic::ComboBox1Change(const std::string& text)
{
    TProgramData& d = m_project.ProgramData();
    ComboBox1 = d.PileHeadText = text;
    SetFlag(d.PileHeadFixed, text, HeadItems(), kHeadFlags);
    m_project.SetModified(true);
}

void TPilePropertiesLogic::ComboBox2Change(const std::string& text)
{
    TProgramData& d = m_project.ProgramData();
    ComboBox2 = d.PileTipText = text;
    SetFlag(d.EndBearing, text, TipItems(), kTipFlags);
    m_project.SetModified(true);
}

void TPilePropertiesLogic::ComboBox3Change(const std::string& text)
{
    TProgramData& d = m_project.ProgramData();
    ComboBox3 = d.InteractionText = text;
    SetFlag(d.PileInteraction, text, InteractionItems(), kInteractionFlags);
    m_project.SetModified(true);
}

void TPilePropertiesLogic::FlagsFromTexts()
{
    TProgramData& d = m_project.ProgramData();
    SetFlag(d.PileHeadFixed, d.PileHeadText, HeadItems(), kHeadFlags);
    SetFlag(d.EndBearing, d.PileTipText, TipItems(), kTipFlags);
    SetFlag(d.PileInteraction, d.InteractionText, InteractionItems(), kInteractionFlags);
}

} // namespace quavis
